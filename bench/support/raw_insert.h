#pragma once
// The raw insert paths that the benchmarks measure our layers against:
// 8-column rows written straight on the Firebird client API, with no layer
// of ours in between.

#include <functional>
#include <string>

#include "db/connection.h"
#include "db/server_env.h"

namespace qor::bench {

// SYSDBA parameters for a database on the server named by QOR_FB_*.
inline db::ConnectionParams Params(const std::string& path) { return db::ServerParams(path); }

// The benchmark table of 8 columns.
extern const char* const kTable;

struct Row {
    int id;
    long long big;
    std::string nome, rua;
    int year, month, day;
    double renda;
    const char* flg;
};
Row MakeRow(int i);

// Wall-clock seconds fn takes.
double Seconds(const std::function<void()>& fn);

// Replaces the database at path with a new one holding the empty table.
void FreshDatabase(const std::string& path);

// Inserts rows first_row .. first_row + rows - 1 into the table,
// `per_statement` rows per execution: 1 is one prepared insert per row, more
// packs them into one execute block. `rows` is a multiple of per_statement.
void RawInsert(const std::string& path, int first_row, int rows, int per_statement);

// Seconds the packed raw path takes for `rows` rows on a fresh database.
double RawPackedSeconds(const std::string& path, int rows);

}  // namespace qor::bench
