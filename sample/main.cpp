// qor-sample: creates the five databases of a conversion on the Firebird
// server named by the QOR_FB_* variables (scripts/lib/fb-env.sh) and fills
// the desktop and photos databases with a synthetic municipality.
//
//   qor-sample --size small|large|<persons> [--seed N] [--dir DIR] [--name NAME]
//              [--config FILE] [--counts]
//
// The databases are DIR/NAME-desktop.fdb (owned by QOR_FB_USER, the desktop
// connection's user), NAME-fotos.fdb, NAME-web.fdb, NAME-fileserver.fdb and
// NAME-papyrant.fdb (owned by SYSDBA); existing ones are replaced.

#include <CLI/CLI.hpp>
#include <fmt/format.h>

#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <future>
#include <iostream>

#include "core/schema_builder.h"
#include "db/error.h"
#include "db/server_env.h"
#include "db/statement.h"
#include "municipality.h"

namespace {

using qor::SchemaKind;
namespace db = qor::db;
namespace fs = std::filesystem;

constexpr int kSmall = 200;
constexpr int kLarge = 100000;
// Fewer persons leave too few to fill every kind of record.
constexpr int kSmallest = 20;

double Seconds(std::chrono::steady_clock::time_point since) {
    return std::chrono::duration<double>(std::chrono::steady_clock::now() - since).count();
}

int Persons(const std::string& size) {
    if (size == "small") return kSmall;
    if (size == "large") return kLarge;
    try {
        std::size_t used = 0;
        const int persons = std::stoi(size, &used);
        if (used == size.size() && persons >= kSmallest) return persons;
    } catch (const std::exception&) {
    }
    throw std::runtime_error(
        fmt::format("--size must be small, large or a number of persons from {}, not \"{}\"", kSmallest, size));
}

db::ConnectionParams Params(const fs::path& file, bool desktop_user, bool utf8 = true) {
    return db::ServerParams(file.string(), desktop_user ? db::ServerUser::Desktop : db::ServerUser::Sysdba, utf8);
}

// The run configuration of qor-conversor for these databases.
void WriteConfig(const fs::path& file, const std::vector<std::pair<SchemaKind, fs::path>>& databases) {
    std::ofstream out(file);
    if (!out) throw std::runtime_error("Cannot write " + file.string());
    out << "municipio = 3506003  # Bauru - SP, the sample municipality\n";
    for (const auto& [kind, path] : databases) {
        const db::ConnectionParams params = Params(path, kind == SchemaKind::Desktop);
        out << fmt::format("\n[{}]\npath = \"{}\"\nuser = \"{}\"\npassword = \"{}\"\nport = {}\n",
                           qor::SchemaName(kind), path.string(), *params.Get("User_Name"),
                           *params.Get("Password"), *params.Get("Port"));
    }
    fs::permissions(file, fs::perms::owner_read | fs::perms::owner_write);
}

void PrintCounts(const std::string& name, db::Connection& connection) {
    const auto tables = db::Select(connection, db::ParseNamedParams(
        "select trim(rdb$relation_name) from rdb$relations "
        "where coalesce(rdb$system_flag, 0) = 0 and rdb$view_blr is null order by 1"), {});
    for (const auto& row : tables.rows) {
        const std::string table = row[0].AsString();
        const auto count = db::Select(connection, db::ParseNamedParams("select count(*) from " + table), {});
        std::cout << fmt::format("{:<8} {:<28} {:>9}\n", name, fmt::format("{}", table), count.rows[0][0].AsInt64());
    }
}

int Run(const std::string& size_name, std::uint64_t seed, const fs::path& dir, std::string name,
        const std::string& config, bool counts) {
    const int persons = Persons(size_name);
    if (name.empty()) name = "sample-" + size_name;
    fs::create_directories(dir);
    const auto started = std::chrono::steady_clock::now();

    // The server creates the five databases side by side: creating one is
    // mostly waiting for the disk.
    std::vector<std::pair<SchemaKind, fs::path>> databases;
    std::vector<std::future<void>> creations;
    for (SchemaKind kind : qor::kAllSchemas) {
        const fs::path file = fs::absolute(dir) / fmt::format("{}-{}.fdb", name, qor::SchemaName(kind));
        databases.emplace_back(kind, file);
        creations.push_back(std::async(std::launch::async, [kind, file] {
            if (fs::exists(file)) db::Connection::DropDatabase(Params(file, false));
            qor::CreateSchemaDatabase(kind, Params(file, kind == SchemaKind::Desktop));
        }));
    }
    for (auto& creation : creations) creation.wait();
    for (auto& creation : creations) creation.get();
    for (const auto& [kind, path] : databases) std::cout << fmt::format("{:<10} {}\n", qor::SchemaName(kind), path.string());
    std::cout << fmt::format("Created the five databases in {:.1f} s\n", Seconds(started));

    const auto filling = std::chrono::steady_clock::now();
    db::Connection desktop("desktop", Params(databases[0].second, true));
    db::Connection fotos("fotos", Params(databases[1].second, false, /*utf8=*/false));
    desktop.Open();
    fotos.Open();
    qor::sample::GenerateMunicipality(desktop, fotos, qor::sample::SampleSize(persons), seed);
    std::cout << fmt::format("Filled desktop and photos in {:.1f} s\n", Seconds(filling));
    std::cout << fmt::format("Sample \"{}\": {} persons, seed {}, built in {:.1f} s\n", name, persons, seed,
                             Seconds(started));
    if (!config.empty()) {
        WriteConfig(config, databases);
        std::cout << "Run configuration: " << config << "\n";
    }
    if (counts) {
        PrintCounts("desktop", desktop);
        PrintCounts("fotos", fotos);
    }
    return 0;
}

}  // namespace

int main(int argc, char** argv) {
    CLI::App app{"qor-sample: creates the five databases and fills desktop and photos with a synthetic municipality"};
    std::string size = "small";
    std::uint64_t seed = 1;
    std::string dir = db::ServerDataFolder();
    std::string name, config;
    bool counts = false;
    app.add_option("--size", size, "small (200 persons), large (100000) or a number of persons")->capture_default_str();
    app.add_option("--seed", seed, "seed of the synthetic data")->capture_default_str();
    app.add_option("--dir", dir, "folder of the database files (the server must reach it)")->capture_default_str();
    app.add_option("--name", name, "prefix of the database files (default sample-<size>)");
    app.add_option("--config", config, "write a qor-conversor run configuration for these databases");
    app.add_flag("--counts", counts, "print the row count of every desktop and photos table");
    CLI11_PARSE(app, argc, argv);
    try {
        return Run(size, seed, dir, name, config, counts);
    } catch (const std::exception& e) {
        std::cerr << "qor-sample: " << e.what() << "\n";
        return 1;
    }
}
