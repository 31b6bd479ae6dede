#include "core/web_catalog.h"

#include <algorithm>
#include <cctype>

#include "db/statement.h"

namespace qor {
namespace {

constexpr const char* kColumnsSQL = R"(select trim(rf.rdb$relation_name), trim(rf.rdb$field_name)
from rdb$relation_fields rf
inner join rdb$relations rel on rel.rdb$relation_name = rf.rdb$relation_name
where coalesce(rel.rdb$system_flag, 0) = 0)";

std::string Upper(std::string text) {
    std::transform(text.begin(), text.end(), text.begin(), [](unsigned char c) { return std::toupper(c); });
    return text;
}

}  // namespace

TWebCatalog TWebCatalog::Read(db::Connection& AConnection) {
    TWebCatalog catalog;
    const auto rs = db::Select(AConnection, db::ParseNamedParams(kColumnsSQL), {});
    for (const auto& row : rs.rows) {
        const std::string table = row[0].AsString();
        catalog.FTables.insert(table);
        catalog.FColumns.insert(table + "." + row[1].AsString());
    }
    return catalog;
}

bool TWebCatalog::HasTable(const std::string& ATable) const { return FTables.contains(Upper(ATable)); }

bool TWebCatalog::HasColumn(const std::string& ATable, const std::string& AColumn) const {
    return FColumns.contains(Upper(ATable) + "." + Upper(AColumn));
}

}  // namespace qor
