#include "db/server_env.h"

#include <cstdlib>

namespace qor::db {

std::string ServerEnv(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}

std::string ServerDataFolder() { return ServerEnv("QOR_FB_DATA", "/tmp"); }

ConnectionParams ServerParams(const std::string& path, ServerUser user, bool utf8) {
    const bool sysdba = user == ServerUser::Sysdba;
    ConnectionParams p{{"Server", ServerEnv("QOR_FB_HOST", "127.0.0.1")},
                       {"Port", ServerEnv("QOR_FB_PORT", "3056")},
                       {"Database", path},
                       {"User_Name", sysdba ? "SYSDBA" : ServerEnv("QOR_FB_USER", "VBLMRTQ8")},
                       {"Password", sysdba ? ServerEnv("QOR_FB_SYSDBA_PASSWORD", "plemtu")
                                           : ServerEnv("QOR_FB_USER_PASSWORD", "wuvo")}};
    if (utf8) p.Set("CharacterSet", "UTF8");
    return p;
}

}  // namespace qor::db
