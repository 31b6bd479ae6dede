#include "support/test_db.h"

#include <unistd.h>

#include <atomic>
#include <cstdlib>
#include <filesystem>

namespace qor::test {

std::string TempDatabase::NewPath(const std::string& name) {
    static std::atomic<int> counter{0};
    const std::string dir = db::ServerDataFolder();
    std::filesystem::create_directories(dir);
    const std::string path = dir + "/" + name + "-" + std::to_string(::getpid()) + "-" + std::to_string(counter++) + ".fdb";
    std::filesystem::remove(path);
    return path;
}

TempDatabase::TempDatabase(const std::string& name, bool owned_by_user)
    : path_(NewPath(name)), owned_by_user_(owned_by_user) {
    db::Connection::CreateDatabase(Params());
}

TempDatabase::TempDatabase(const std::string& name, bool owned_by_user, const std::string& copy_of)
    : path_(NewPath(name)), owned_by_user_(owned_by_user) {
    std::filesystem::copy_file(copy_of, path_);
}

TempDatabase::~TempDatabase() {
    if (std::getenv("QOR_KEEP_TEST_DB")) return;
    try {
        db::Connection::DropDatabase(Params());
    } catch (...) {
        // A database still attached elsewhere stays behind; harmless.
    }
}

db::ConnectionParams TempDatabase::Params(bool utf8) const {
    return ServerParams(path_, !owned_by_user_, utf8);
}

std::unique_ptr<db::Connection> TempDatabase::Connect(bool utf8) const {
    auto c = std::make_unique<db::Connection>("test", Params(utf8));
    c->Open();
    return c;
}

void TempDatabase::Exec(std::initializer_list<std::string> statements) const {
    auto c = Connect();
    for (const auto& sql : statements) c->ExecSQL(sql);
}

}  // namespace qor::test
