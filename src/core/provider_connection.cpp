#include "core/provider_connection.h"

namespace qor {
namespace {

// Design-time parameters; the wizard (or the run's configuration) sets
// Database, User_Name, Password and Port before each connection opens.
db::ConnectionParams Defaults(const char* user, const char* password, const char* port, bool utf8) {
    db::ConnectionParams p{{"DriverID", "FB"},     {"Server", "127.0.0.1"}, {"Protocol", "TCPIP"},
                           {"User_Name", user},    {"Password", password},  {"Port", port}};
    if (utf8) p.Set("CharacterSet", "UTF8");
    return p;
}

}  // namespace

TProviderConnection::TProviderConnection()
    : ConDesktop("desktop", Defaults("VBLMRTQ8", "wuvo", "3050", true)),
      ConWeb("web", Defaults("sysdba", "plemtu", "3056", true)),
      ConPapyrant("document-flow", Defaults("sysdba", "plemtu", "3056", true)),
      qryConMunicipio(ConWeb),
      ConFotos("photos", Defaults("sysdba", "dorvanile", "3050", false)),
      ConFileServer("file-server", Defaults("sysdba", "plemtu", "3056", true)) {
    qryConMunicipio.SetSQL(kMunicipiosSQL);
}

void TProviderConnection::OpenMunicipios() { qryConMunicipio.Open(); }

void TProviderConnection::CloseWeb() {
    qryConMunicipio.Close();
    ConWeb.Close();
}

}  // namespace qor
