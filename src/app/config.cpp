#include "app/config.h"

#include <algorithm>
#include <fstream>
#include <vector>

#include <toml++/toml.h>

namespace qor::app {
namespace {

constexpr const char* kSections[] = {"desktop", "fotos", "web", "fileserver", "papyrant"};

std::string Where(const std::filesystem::path& AFile, const toml::source_region& ASource) {
    return AFile.string() + ":" + std::to_string(ASource.begin.line) + ": ";
}

// The text of a line of the file, for telling whether it holds the password.
std::string LineOf(const std::filesystem::path& AFile, std::size_t ALine) {
    std::ifstream in(AFile);
    std::string line;
    for (std::size_t n = 1; std::getline(in, line); ++n)
        if (n == ALine) return line;
    return {};
}

bool IsPasswordLine(const std::string& ALine) {
    const std::size_t start = ALine.find_first_not_of(" \t");
    return start != std::string::npos && ALine.compare(start, 8, "password") == 0;
}

std::string Text(const std::filesystem::path& AFile, const std::string& ASection, const std::string& AKey,
                 const toml::node& ANode) {
    if (const auto* value = ANode.as_string()) return value->get();
    throw ConfigError(Where(AFile, ANode.source()) + "[" + ASection + "] " + AKey + " deve ser um texto entre aspas");
}

ConnectionConfig Section(const std::filesystem::path& AFile, const toml::table& ARoot, const std::string& AName) {
    const toml::node* node = ARoot.get(AName);
    if (!node) throw ConfigError(AFile.string() + ": falta a seção [" + AName + "]");
    const toml::table* table = node->as_table();
    if (!table) throw ConfigError(Where(AFile, node->source()) + AName + " deve ser uma seção [" + AName + "]");
    ConnectionConfig config;
    for (const auto& [key, value] : *table) {
        const std::string name(key.str());
        if (name == "path") {
            config.path = Text(AFile, AName, name, value);
        } else if (name == "user") {
            config.user = Text(AFile, AName, name, value);
        } else if (name == "password") {
            config.password = Text(AFile, AName, name, value);
        } else if (name == "port") {
            const auto* port = value.as_integer();
            if (!port || port->get() < 1 || port->get() > 65535)
                throw ConfigError(Where(AFile, value.source()) + "[" + AName +
                                  "] port deve ser um número inteiro de 1 a 65535");
            config.port = port->get();
        } else {
            throw ConfigError(Where(AFile, key.source()) + "[" + AName + "] chave desconhecida \"" + name +
                              "\" (use path, user, password e port)");
        }
    }
    if (config.path.empty()) throw ConfigError(Where(AFile, table->source()) + "[" + AName + "] falta path");
    return config;
}

}  // namespace

RunConfig LoadConfig(const std::filesystem::path& AFile) {
    if (!std::filesystem::is_regular_file(AFile))
        throw ConfigError(AFile.string() + ": arquivo de configuração não encontrado");
    toml::table root;
    try {
        root = toml::parse_file(AFile.string());
    } catch (const toml::parse_error& e) {
        const std::size_t line = e.source().begin.line;
        // The parser may quote what it read; a password line is never quoted.
        const std::string what = IsPasswordLine(LineOf(AFile, line)) ? std::string("valor de password inválido")
                                                                     : std::string(e.description());
        throw ConfigError(Where(AFile, e.source()) + what);
    }
    for (const auto& [key, value] : root) {
        const std::string name(key.str());
        if (name == "municipio") continue;
        if (std::find(std::begin(kSections), std::end(kSections), name) == std::end(kSections))
            throw ConfigError(Where(AFile, key.source()) + "chave desconhecida \"" + name +
                              "\" (use municipio e as seções desktop, fotos, web, fileserver e papyrant)");
    }
    RunConfig config;
    config.desktop = Section(AFile, root, "desktop");
    config.fotos = Section(AFile, root, "fotos");
    config.web = Section(AFile, root, "web");
    config.fileserver = Section(AFile, root, "fileserver");
    config.papyrant = Section(AFile, root, "papyrant");
    if (const toml::node* municipio = root.get("municipio")) {
        if (const auto* id = municipio->as_integer())
            config.municipio = id->get();
        else if (const auto* nome = municipio->as_string())
            config.municipio = nome->get();
        else
            throw ConfigError(Where(AFile, municipio->source()) +
                              "municipio deve ser o id_mun (número) ou o nome como a lista o mostra (texto)");
    }
    return config;
}

void OpenConnection(db::Connection& AConnection, const ConnectionConfig& AConfig) {
    auto& params = AConnection.Params();
    params.Set("Database", AConfig.path);
    params.Set("User_Name", AConfig.user);
    params.Set("Password", AConfig.password);
    params.Set("Port", AConfig.port ? std::to_string(*AConfig.port) : std::string());
    try {
        AConnection.Open();
    } catch (const std::exception& e) {
        throw ConfigError("Não foi possível conectar ao banco " + AConnection.Role() + " (" + AConfig.path +
                          "): " + e.what());
    }
}

void OpenAll(TProviderConnection& AProvider, const RunConfig& AConfig) {
    OpenConnection(AProvider.ConDesktop, AConfig.desktop);
    OpenConnection(AProvider.ConFotos, AConfig.fotos);
    OpenConnection(AProvider.ConWeb, AConfig.web);
    AProvider.OpenMunicipios();
    OpenConnection(AProvider.ConFileServer, AConfig.fileserver);
    OpenConnection(AProvider.ConPapyrant, AConfig.papyrant);
}

void ChooseMunicipio(TProviderConnection& AProvider, const RunConfig& AConfig) {
    if (std::holds_alternative<std::monostate>(AConfig.municipio)) return;
    TQuery& lista = AProvider.qryConMunicipio;
    for (lista.First(); !lista.Eof(); lista.Next()) {
        const bool found = std::holds_alternative<std::int64_t>(AConfig.municipio)
                               ? lista.FieldByName("id_mun").AsLargeInt() == std::get<std::int64_t>(AConfig.municipio)
                               : lista.FieldByName("descricao_mun").AsString() == std::get<std::string>(AConfig.municipio);
        if (found) {
            AProvider.SetMunicipio(lista.FieldByName("id_mun").AsInteger());
            return;
        }
    }
    const std::string nome = std::holds_alternative<std::int64_t>(AConfig.municipio)
                                 ? std::to_string(std::get<std::int64_t>(AConfig.municipio))
                                 : "\"" + std::get<std::string>(AConfig.municipio) + "\"";
    throw ConfigError("O município " + nome + " não está na lista de municípios do QOR Web");
}

}  // namespace qor::app
