#pragma once
// The Firebird server that scripts/lib/fb-env.sh names for the tests, the
// demo, the sample generator and the benchmarks: QOR_FB_HOST, QOR_FB_PORT,
// QOR_FB_SYSDBA_PASSWORD, the second user QOR_FB_USER / QOR_FB_USER_PASSWORD
// and the folder QOR_FB_DATA, each with the script's default.

#include <string>

#include "db/connection_params.h"

namespace qor::db {

// The variable's value, or fallback when it is unset or empty.
std::string ServerEnv(const char* name, const char* fallback);

// Folder for databases on that server (the server must reach it).
std::string ServerDataFolder();

enum class ServerUser { Sysdba, Desktop };

// Parameters for a database on that server as SYSDBA or as the second
// user (the desktop connection's); without a character set when utf8 is false.
ConnectionParams ServerParams(const std::string& path, ServerUser user = ServerUser::Sysdba, bool utf8 = true);

}  // namespace qor::db
