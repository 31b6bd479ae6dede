#include <gtest/gtest.h>

#include <unistd.h>

#include <cstdlib>
#include <filesystem>

#include "core/conversion_driver.h"
#include "services/bairro.h"
#include "services/count_message.h"
#include "services/distrito.h"
#include "services/logradouro.h"
#include "services/regiao.h"
#include "services/unidade.h"
#include "support/rows.h"
#include "support/schema_db.h"
#include "support/silent_run_log.h"

namespace qor {
namespace {

template <typename Service>
std::unique_ptr<TServiceBase> Make(TProviderConnection& p) {
    return std::make_unique<Service>(p);
}

std::int64_t Count(db::Connection& connection, const std::string& sql) {
    return std::stoll(test::Rows(connection, sql).at(0).at(0));
}

// The place services, run by the driver over the small sample municipality:
// every count message agrees with the desktop's own counts.
TEST(PlacesRun, SmallSampleCountsMatchTheDesktop) {
    const std::string name = "places-run-" + std::to_string(::getpid());
    const std::string dir = test::Env("QOR_FB_DATA", "/tmp");
    const std::string command = std::string(QOR_SAMPLE) + " --size small --name " + name + " --dir " + dir +
                                " > /dev/null";
    ASSERT_EQ(std::system(command.c_str()), 0) << command;

    TProviderConnection provider;
    auto attach = [&](db::Connection& c, const char* kind, bool desktop_user) {
        const auto params = test::ServerParams(dir + "/" + name + "-" + kind + ".fdb", !desktop_user, c.IsUtf8());
        for (const auto& [key, value] : params.Entries()) c.Params().Set(key, value);
        c.Open();
    };
    attach(provider.ConDesktop, "desktop", true);
    attach(provider.ConFotos, "fotos", false);
    attach(provider.ConWeb, "web", false);
    attach(provider.ConFileServer, "fileserver", false);
    attach(provider.ConPapyrant, "papyrant", false);
    provider.OpenMunicipios();
    provider.SetMunicipio(provider.qryConMunicipio.FieldByName("id_mun").AsInteger());

    db::Connection& desk = provider.ConDesktop;
    const std::vector<std::string> expected{
        MensagemConvertidos("Bairros", Count(desk, "select count(distinct descricao) as n from bairro")),
        MensagemConvertidos("Logradouros",
                    Count(desk, "select count(*) as n from (select distinct l.id_tipo_logradouro, l.de_logradouro, "
                                "t.de_tipo_logradouro from logradouro l join tipo_logradouro t on "
                                "t.id_tipo_logradouro = l.id_tipo_logradouro)")),
        MensagemConvertidos("Distritos", Count(desk, "select count(*) as n from distrito")),
        MensagemConvertidos("Regiões", Count(desk, "select count(*) as n from localizacao")),
        MensagemConvertidos("Unidades", Count(desk, "select count(*) as n from unidade")),
    };

    test::SilentRunLog log;
    const auto records = std::filesystem::temp_directory_path() / name;
    TConversionDriver driver(provider, log,
                             {&Make<TBairro>, &Make<TLogradouro>, &Make<TDistrito>, &Make<TRegiao>, &Make<TUnidade>},
                             records);
    ASSERT_EQ(driver.Start(), TStartResult::Started);
    const TRunReport report = driver.Wait();
    std::filesystem::remove_all(records);

    EXPECT_EQ(report.resultado, TRunOutcome::Clean) << report.mensagemFinal;
    std::vector<std::string> messages;
    for (const auto& s : report.servicos) messages.push_back(s.mensagem);
    EXPECT_EQ(messages, expected);
    // Every unit's address is linked, and the carrier is emptied at the end.
    EXPECT_EQ(Count(provider.ConWeb, "select count(*) as n from qor_unidades where id_enr_uni is null or sigla_uni is not null"), 0);

    provider.qryConMunicipio.Close();
    for (db::Connection* c : {&provider.ConDesktop, &provider.ConFotos, &provider.ConWeb, &provider.ConFileServer,
                              &provider.ConPapyrant}) {
        const db::ConnectionParams params = c->Params();
        c->Close();
        if (!std::getenv("QOR_KEEP_TEST_DB")) db::Connection::DropDatabase(params);
    }
}

}  // namespace
}  // namespace qor
