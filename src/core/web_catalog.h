#pragma once
// Which tables and columns a database holds, read once from its catalogue.

#include <string>
#include <unordered_set>

#include "db/connection.h"

namespace qor {

class TWebCatalog {
public:
    // Reads the user tables' columns of the connected database.
    static TWebCatalog Read(db::Connection& AConnection);

    // Names compare without regard to case.
    bool HasTable(const std::string& ATable) const;
    bool HasColumn(const std::string& ATable, const std::string& AColumn) const;

private:
    std::unordered_set<std::string> FTables;   // upper case
    std::unordered_set<std::string> FColumns;  // "TABLE.COLUMN", upper case
};

}  // namespace qor
