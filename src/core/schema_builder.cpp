#include "core/schema_builder.h"

#include <cctype>
#include <fstream>
#include <sstream>

#include <fmt/format.h>

#include "core/sql_script.h"
#include "db/error.h"

namespace qor {
namespace {

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw std::runtime_error(fmt::format("Cannot read the DDL script {}", path.string()));
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Statements that write rows must see the tables committed; the others
// (definitions) may share a transaction, which is much faster than one each.
bool WritesRows(const std::string& statement) {
    std::string word;
    for (char c : statement) {
        if (std::isalpha(static_cast<unsigned char>(c)))
            word += static_cast<char>(std::toupper(static_cast<unsigned char>(c)));
        else if (!word.empty())
            break;
    }
    return word == "INSERT" || word == "UPDATE" || word == "DELETE" || word == "MERGE";
}

}  // namespace

std::string_view SchemaName(SchemaKind kind) {
    switch (kind) {
        case SchemaKind::Desktop: return "desktop";
        case SchemaKind::Fotos: return "fotos";
        case SchemaKind::Web: return "web";
        case SchemaKind::FileServer: return "fileserver";
        case SchemaKind::Papyrant: return "papyrant";
    }
    throw std::invalid_argument("unknown schema kind");
}

std::filesystem::path SchemaFile(SchemaKind kind) {
    return std::filesystem::path(QOR_SCHEMA_DIR) / (std::string(SchemaName(kind)) + ".sql");
}

void ApplySchema(db::Connection& connection, SchemaKind kind) {
    const std::filesystem::path file = SchemaFile(kind);
    const std::vector<std::string> statements = SplitSqlScript(ReadFile(file));
    // Consecutive statements of one sort (definitions, or row writes) share a
    // transaction, committed when the sort changes and at the end.
    bool writing = false;
    try {
        for (const std::string& statement : statements) {
            if (connection.InTransaction() && WritesRows(statement) != writing) connection.Commit();
            if (!connection.InTransaction()) {
                connection.StartTransaction();
                writing = WritesRows(statement);
            }
            try {
                connection.ExecSQL(statement);
            } catch (const db::Error& e) {
                throw db::Error(fmt::format("{}: {}", file.filename().string(), e.what()), statement);
            }
        }
        if (connection.InTransaction()) connection.Commit();
    } catch (...) {
        if (connection.InTransaction()) connection.Rollback();
        throw;
    }
}

void CreateSchemaDatabase(SchemaKind kind, const db::ConnectionParams& params) {
    db::Connection::CreateDatabase(params);
    db::Connection connection(std::string(SchemaName(kind)), params);
    connection.Open();
    ApplySchema(connection, kind);
}

}  // namespace qor
