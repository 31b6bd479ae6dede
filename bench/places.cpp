// Converts the places of a sample municipality (the run up to units:
// neighbourhoods, streets, districts, regions, units and their addresses)
// into a blank web database, and times the raw packed insert path for the
// same number of rows. Prints rows written per second and, last,
// "ratio places/raw: X.XX" (our time over the raw time).
//
//   places [persons]   (default 100000, the large sample; made once with
//                        qor-sample when its databases are missing)

#include <cstdio>
#include <cstdlib>
#include <filesystem>
#include <string>

#include <fmt/format.h>

#include "core/dataset_factory.h"
#include "core/provider_connection.h"
#include "core/schema_builder.h"
#include "services/bairro.h"
#include "services/distrito.h"
#include "services/logradouro.h"
#include "services/regiao.h"
#include "services/unidade.h"
#include "support/raw_insert.h"

using namespace qor;
using namespace qor::bench;

namespace {

template <typename Service>
void Run(TProviderConnection& provider) {
    Service service(provider);
    provider.ConWeb.StartTransaction();
    service.Converter();
    provider.ConWeb.Commit();
}

void Attach(db::Connection& c, db::ConnectionParams params) {
    for (const auto& [name, value] : params.Entries()) c.Params().Set(name, value);
    c.Open();
}

std::int64_t RowsWritten(db::Connection& web) {
    auto factory = TDataSetFactory::GetInstance(&web);
    std::int64_t rows = 0;
    for (const char* table : {"qor_bairro", "qor_tipologradouro", "qor_logradouro", "qor_distrito", "qor_regiao",
                              "qor_unidades", "qor_unidades_contato", "qor_endereco"})
        rows += factory->OpenQuery(fmt::format("select count(*) as n from {}", table)).FieldByName("n").AsLargeInt();
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    const std::string persons = argc > 1 ? argv[1] : "100000";
    const std::string dir = db::ServerDataFolder();
    const std::string name = "bench-places-" + persons;
    const std::string desktop_path = dir + "/" + name + "-desktop.fdb";
    try {
        if (!std::filesystem::exists(desktop_path)) {
            const std::string command =
                fmt::format("{} --size {} --name {} --dir {} > /dev/null", QOR_SAMPLE, persons, name, dir);
            if (std::system(command.c_str()) != 0) throw std::runtime_error("failed: " + command);
        }
        const std::string web_path = dir + "/" + name + "-web-bench.fdb";
        std::filesystem::remove(web_path);
        CreateSchemaDatabase(SchemaKind::Web, Params(web_path));

        TProviderConnection provider;
        Attach(provider.ConDesktop, db::ServerParams(desktop_path, db::ServerUser::Desktop));
        Attach(provider.ConWeb, Params(web_path));
        provider.SetMunicipio(3506003);

        const double ours = Seconds([&] {
            Run<TBairro>(provider);
            Run<TLogradouro>(provider);
            Run<TDistrito>(provider);
            Run<TRegiao>(provider);
            Run<TUnidade>(provider);
        });
        const std::int64_t rows = RowsWritten(provider.ConWeb);
        provider.ConWeb.Close();
        provider.ConDesktop.Close();
        db::Connection::DropDatabase(Params(web_path));

        const std::string raw_path = dir + "/bench-places-raw.fdb";
        const double raw = RawPackedSeconds(raw_path, static_cast<int>(rows));
        db::Connection::DropDatabase(Params(raw_path));

        std::printf("places: %lld rows in %.3f s: %.0f rows/s\n", static_cast<long long>(rows), ours, rows / ours);
        std::printf("raw packed insert, same rows: %.3f s: %.0f rows/s\n", raw, rows / raw);
        std::printf("ratio places/raw: %.2f\n", ours / raw);
        return 0;
    } catch (const std::exception& e) {
        std::fprintf(stderr, "places: %s\n", e.what());
        return 1;
    }
}
