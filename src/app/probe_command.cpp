#include "app/probe_command.h"

#include <cstdlib>
#include <filesystem>
#include <string>

#include "db/connection.h"
#include "db/named_params.h"
#include "db/statement.h"

namespace qor::app {
namespace {
std::string Env(const char* name, const char* fallback) {
    const char* v = std::getenv(name);
    return v && *v ? v : fallback;
}
}  // namespace

int RunProbe(std::ostream& out, std::ostream& err) {
    const std::string path = Env("QOR_FB_DATA", "/tmp") + "/probe.fdb";
    db::ConnectionParams params{{"Server", Env("QOR_FB_HOST", "127.0.0.1")},
                                {"Port", Env("QOR_FB_PORT", "3056")},
                                {"Database", path},
                                {"User_Name", "SYSDBA"},
                                {"Password", Env("QOR_FB_SYSDBA_PASSWORD", "")},
                                {"CharacterSet", "UTF8"}};
    try {
        if (!std::filesystem::exists(path)) db::Connection::CreateDatabase(params);
        db::Connection connection("probe", params);
        connection.Open();
        const auto rs = db::Select(
            connection,
            db::ParseNamedParams("select rdb$get_context('SYSTEM', 'ENGINE_VERSION') from rdb$database"), {});
        out << "Connected to Firebird " << rs.rows.at(0).at(0).AsString() << " at "
            << params.Get("Server").value_or("") << ":" << params.Get("Port").value_or("") << "\n";
        return 0;
    } catch (const std::exception& e) {
        err << "Connection failed: " << e.what() << "\n";
        return 1;
    }
}

}  // namespace qor::app
