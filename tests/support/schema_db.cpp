#include "support/schema_db.h"

#include <fcntl.h>
#include <sys/file.h>
#include <unistd.h>

#include <filesystem>
#include <fstream>
#include <sstream>

namespace qor::test {
namespace {

// Running a DDL script takes seconds; copying a file takes milliseconds.
// Each script's database is made once, named by the script's content so that
// an edited script makes a new one, and shared by every test program (ctest
// runs each test in a process of its own). A lock keeps two programs from
// making the same one at once; no one stays attached to it.
std::string TemplateOf(SchemaKind kind) {
    std::ifstream in(SchemaFile(kind), std::ios::binary);
    std::stringstream content;
    content << in.rdbuf();
    const std::string dir = Env("QOR_FB_DATA", "/tmp") + "/templates";
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/" + std::string(SchemaName(kind)) + "-" +
                             std::to_string(std::hash<std::string>{}(content.str())) + ".fdb";

    const int lock = ::open((dir + "/lock").c_str(), O_CREAT | O_RDWR, 0644);
    ::flock(lock, LOCK_EX);
    try {
        if (!std::filesystem::exists(path)) {
            const std::string making = path + ".making";
            std::filesystem::remove(making);
            db::ConnectionParams params = ServerParams(making, /*as_sysdba=*/kind != SchemaKind::Desktop,
                                                       /*utf8=*/kind != SchemaKind::Fotos);
            CreateSchemaDatabase(kind, params);
            std::filesystem::rename(making, path);
        }
    } catch (...) {
        ::close(lock);
        throw;
    }
    ::close(lock);
    return path;
}

}  // namespace

std::unique_ptr<TempDatabase> NewSchemaDatabase(SchemaKind kind, const std::string& name) {
    return std::make_unique<TempDatabase>(name, /*owned_by_user=*/kind == SchemaKind::Desktop, TemplateOf(kind));
}

void Attach(db::Connection& connection, const TempDatabase& database) {
    connection.Close();
    const db::ConnectionParams params = database.Params(connection.IsUtf8());
    for (const auto& [name, value] : params.Entries()) connection.Params().Set(name, value);
    connection.Open();
}

}  // namespace qor::test
