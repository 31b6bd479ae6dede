#pragma once
// Running statements with named parameters on a connection. Each call runs
// in the connection's active transaction, or commits on its own when none is
// active. Prepared statements are released before the call returns, so no
// statement of ours holds a table when a later DDL statement alters it.

#include <cstdint>
#include <string>
#include <vector>

#include "db/connection.h"
#include "db/named_params.h"
#include "db/value.h"

namespace qor::db {

struct ResultSet {
    std::vector<std::string> columns;  // column names (aliases), as the server gives them
    std::vector<std::vector<Value>> rows;
};

// params: one value per distinct parameter name (ParsedStatement::names order).
ResultSet Select(Connection& connection, const ParsedStatement& statement,
                 const std::vector<Value>& params);

// Runs a statement once; returns rows affected.
std::uint64_t Execute(Connection& connection, const ParsedStatement& statement,
                      const std::vector<Value>& params);

// Runs a statement once per row, rows in order; columns holds one vector of
// `rows` values per distinct parameter name. Plain insert, update and delete
// statements travel many rows per round trip, packed into one execute block.
// Returns the rows affected in total.
std::uint64_t ExecuteBatch(Connection& connection, const ParsedStatement& statement,
                           const std::vector<std::vector<Value>>& columns, std::size_t rows);

}  // namespace qor::db
