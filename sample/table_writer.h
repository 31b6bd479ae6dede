#pragma once
// Rows of one table on their way into the sample databases: gathered in
// memory and sent as batched inserts (many rows per round trip).
//
// So that every nullable column holds some NULLs, as real data does, each
// value of a column outside `never_null` is left NULL now and then.

#include <set>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/named_params.h"
#include "db/value.h"
#include "random.h"

namespace qor::sample {

class TableWriter {
public:
    // columns: every column the rows fill, in the order Add receives them.
    TableWriter(db::Connection& connection, Random& random, std::string table, std::vector<std::string> columns,
                std::set<std::string> never_null = {});
    ~TableWriter();
    TableWriter(const TableWriter&) = delete;
    TableWriter& operator=(const TableWriter&) = delete;

    void Add(std::vector<db::Value> row);
    // Sends the rows gathered so far.
    void Flush();
    std::size_t Written() const { return written_; }

private:
    db::Connection& connection_;
    Random& random_;
    std::string table_;
    db::ParsedStatement insert_;
    std::vector<bool> may_be_null_;
    std::vector<std::vector<db::Value>> columns_;
    std::size_t pending_ = 0;
    std::size_t written_ = 0;
};

}  // namespace qor::sample
