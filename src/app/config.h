#pragma once
// The configuration of a run from the command line, a TOML file:
//
//   municipio = 1200013            # by id_mun, or by the name as the list
//                                  # shows it: "Acrelândia - AC"
//   [desktop]                      # also [fotos], [web], [fileserver], [papyrant]
//   path = "/dados/QOR_DESKTOP.FDB"
//   user = "VBLMRTQ8"
//   password = "..."
//   port = 3050
//
// As in the window, a connection key left out removes that parameter, so the
// client library's default applies. The password is never printed.

#include <cstdint>
#include <filesystem>
#include <optional>
#include <stdexcept>
#include <string>
#include <variant>

#include "core/provider_connection.h"

namespace qor::app {

// A configuration that cannot be used; the message names the file, the line
// and what was wrong.
class ConfigError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

struct ConnectionConfig {
    std::string path;
    std::string user;
    std::string password;
    std::optional<std::int64_t> port;
};

struct RunConfig {
    ConnectionConfig desktop, fotos, web, fileserver, papyrant;
    // None, the id_mun, or the name as the municipality list shows it.
    std::variant<std::monostate, std::int64_t, std::string> municipio;
};

RunConfig LoadConfig(const std::filesystem::path& AFile);

// Copies the connection's settings into its parameters and opens it; an
// error names the connection and its database path.
void OpenConnection(db::Connection& AConnection, const ConnectionConfig& AConfig);

// Opens the five connections in the window's order and the municipality list.
void OpenAll(TProviderConnection& AProvider, const RunConfig& AConfig);

// Chooses the configured municipality in the list (the list is left on its
// row); none configured leaves none chosen. An unknown one raises ConfigError.
void ChooseMunicipio(TProviderConnection& AProvider, const RunConfig& AConfig);

}  // namespace qor::app
