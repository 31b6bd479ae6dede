#pragma once
// Reading a query's rows in tests.

#include <string>
#include <vector>

#include "core/dataset_factory.h"

namespace qor::test {

using TextRows = std::vector<std::vector<std::string>>;

// Every row of a query, each value as text ("" for NULL).
inline TextRows Rows(db::Connection& connection, const std::string& sql) {
    auto factory = TDataSetFactory::GetInstance(&connection);
    TQuery& q = factory->OpenQuery(sql);
    TextRows rows;
    for (; !q.Eof(); q.Next()) {
        rows.emplace_back();
        for (std::size_t c = 0; c < q.FieldCount(); ++c) rows.back().push_back(q.FieldByName(q.FieldName(c)).AsString());
    }
    return rows;
}

}  // namespace qor::test
