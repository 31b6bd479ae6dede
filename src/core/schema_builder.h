#pragma once
// The five databases of a conversion, made on a Firebird server from the DDL
// scripts of the source tree's schema/ folder. Tests, the demo, the
// benchmarks and the sample generator all create their databases this way.

#include <filesystem>
#include <string_view>

#include "db/connection.h"

namespace qor {

enum class SchemaKind { Desktop, Fotos, Web, FileServer, Papyrant };

inline constexpr SchemaKind kAllSchemas[] = {SchemaKind::Desktop, SchemaKind::Fotos, SchemaKind::Web,
                                             SchemaKind::FileServer, SchemaKind::Papyrant};

// "desktop", "fotos", "web", "fileserver" or "papyrant": the script's name
// without ".sql".
std::string_view SchemaName(SchemaKind kind);
std::filesystem::path SchemaFile(SchemaKind kind);

// Runs the kind's DDL script on an open connection that has no active
// transaction, and commits it. A failing statement rolls back the statements
// since the last commit and raises its database error, prefixed with the
// script's name.
void ApplySchema(db::Connection& connection, SchemaKind kind);

// Creates the database that params name (Server, Port, Database, User_Name,
// Password), owned by that user, and fills it from the kind's DDL script.
void CreateSchemaDatabase(SchemaKind kind, const db::ConnectionParams& params);

}  // namespace qor
