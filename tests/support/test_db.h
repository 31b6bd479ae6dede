#pragma once
// Throw-away databases on the test server. The server is named by the
// QOR_FB_* environment variables that scripts/lib/fb-env.sh exports; each
// database is dropped at the end unless QOR_KEEP_TEST_DB is set.

#include <memory>
#include <string>

#include "db/connection.h"
#include "db/server_env.h"

namespace qor::test {

inline std::string Env(const char* name, const char* fallback) { return db::ServerEnv(name, fallback); }

// Parameters for a database on the test server, as SYSDBA or as the second
// (non-SYSDBA) user.
inline db::ConnectionParams ServerParams(const std::string& path, bool as_sysdba = true, bool utf8 = true) {
    return db::ServerParams(path, as_sysdba ? db::ServerUser::Sysdba : db::ServerUser::Desktop, utf8);
}

class TempDatabase {
public:
    // Creates <data folder>/<name>-<pid>-<n>.fdb, owned by SYSDBA or by the second user.
    explicit TempDatabase(const std::string& name, bool owned_by_user = false);
    // A copy of a database file no one is attached to.
    TempDatabase(const std::string& name, bool owned_by_user, const std::string& copy_of);
    ~TempDatabase();
    TempDatabase(const TempDatabase&) = delete;
    TempDatabase& operator=(const TempDatabase&) = delete;

    const std::string& Path() const { return path_; }
    db::ConnectionParams Params(bool utf8 = true) const;
    // A new open connection to the database.
    std::unique_ptr<db::Connection> Connect(bool utf8 = true) const;
    // Runs each statement in its own transaction.
    void Exec(std::initializer_list<std::string> statements) const;

private:
    static std::string NewPath(const std::string& name);

    std::string path_;
    bool owned_by_user_;
};

}  // namespace qor::test
