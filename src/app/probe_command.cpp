#include "app/probe_command.h"

#include <filesystem>
#include <string>

#include "db/connection.h"
#include "db/named_params.h"
#include "db/server_env.h"
#include "db/statement.h"

namespace qor::app {
int RunProbe(std::ostream& out, std::ostream& err) {
    const std::string path = db::ServerDataFolder() + "/probe.fdb";
    const db::ConnectionParams params = db::ServerParams(path);
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
