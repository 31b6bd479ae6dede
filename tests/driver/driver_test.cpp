#include <gtest/gtest.h>

#include <atomic>
#include <fstream>
#include <mutex>
#include <regex>
#include <sstream>

#include <nlohmann/json.hpp>

#include "core/conversion_driver.h"
#include "db/error.h"
#include "driver/five_databases.h"

namespace qor {
namespace {

using test::Rows;

// The front end as the driver sees it: every call, in order.
class FakeLog final : public IRunLog {
public:
    void Clear() override { Record("clear"); lines_.clear(); }
    std::size_t Append(const std::string& line) override {
        Record("append " + line);
        lines_.push_back(line);
        return lines_.size() - 1;
    }
    std::size_t LineCount() const override { return lines_.size(); }
    void ReplaceLine(std::size_t index, const std::string& line) override {
        Record("replace " + std::to_string(index) + " " + line);
        lines_.at(index) = line;
    }
    std::string Title() const override { return "Conversor QOR"; }
    void SetTitle(const std::string& title) override { Record("title " + title); }
    void DisableStartAndBack() override { Record("disable"); }
    void ShowMessage(const std::string& message) override { Record("message " + message); }

    std::vector<std::string> Calls() const {
        std::lock_guard lock(mutex_);
        return calls_;
    }
    const std::vector<std::string>& Lines() const { return lines_; }

private:
    void Record(std::string call) {
        std::lock_guard lock(mutex_);
        calls_.push_back(std::move(call));
    }
    mutable std::mutex mutex_;
    std::vector<std::string> calls_;
    std::vector<std::string> lines_;
};

// Writes one neighbourhood, as a service's batch would.
class TGravaBairro final : public TServiceBase {
public:
    explicit TGravaBairro(TProviderConnection& p) : TServiceBase(p, "Services.Teste.Grava") {}
    std::string Converter() override {
        FProvider.ConWeb.ExecSQL("insert into qor_bairro (descricao_bai) values ('Centro')");
        return "Bairros: 1 - Registro(s) Convertido(s)!";
    }
};

// Writes a neighbourhood, then meets a database error.
class TFalha final : public TServiceBase {
public:
    explicit TFalha(TProviderConnection& p) : TServiceBase(p, "Services.Teste.Falha") {}
    std::string Converter() override {
        FProvider.ConWeb.ExecSQL("insert into qor_bairro (descricao_bai) values ('Desfeito')");
        FProvider.ConWeb.ExecSQL("insert into qor_tabela_inexistente (id) values (1)");
        return "nunca";
    }
};

std::atomic<int> g_depoisDaFalha{0};
class TDepoisDaFalha final : public TServiceBase {
public:
    explicit TDepoisDaFalha(TProviderConnection& p) : TServiceBase(p, "Services.Teste.Depois") {}
    std::string Converter() override {
        ++g_depoisDaFalha;
        return "";
    }
};

// Holds the run until released.
std::atomic<bool> g_liberado{false};
class TEspera final : public TServiceBase {
public:
    explicit TEspera(TProviderConnection& p) : TServiceBase(p, "Services.Teste.Espera") {}
    std::string Converter() override {
        while (!g_liberado) std::this_thread::sleep_for(std::chrono::milliseconds(5));
        return "Esperas: 0 - Registro(s) Convertido(s)!";
    }
};

template <typename Service>
std::unique_ptr<TServiceBase> Make(TProviderConnection& p) {
    return std::make_unique<Service>(p);
}

class Driver : public ::testing::Test {
protected:
    void SetUp() override {
        dbs_.AttachTo(provider_);
        records_ = std::filesystem::path(dbs_.web->Path()).parent_path() /
                   ("records-" + std::filesystem::path(dbs_.web->Path()).stem().string());
    }
    void TearDown() override { std::filesystem::remove_all(records_); }

    // São Paulo, as the window's list would leave it chosen.
    void ChooseMunicipio() {
        TQuery& list = provider_.qryConMunicipio;
        for (list.First(); list.FieldByName("id_mun").AsInteger() != 3550308; list.Next()) ASSERT_FALSE(list.Eof());
        provider_.SetMunicipio(3550308);
    }

    test::FiveDatabases dbs_{"driver"};
    TProviderConnection provider_;
    FakeLog log_;
    std::filesystem::path records_;
};

// "[hh:mm:ss] - text"
::testing::AssertionResult Logged(const std::string& line, const std::string& text) {
    static const std::regex prefix(R"(^\[\d\d:\d\d:\d\d\] - )");
    if (std::regex_search(line, prefix) && line.substr(13) == text) return ::testing::AssertionSuccess();
    return ::testing::AssertionFailure() << "\"" << line << "\" is not a log line of \"" << text << "\"";
}

TEST_F(Driver, FailingServiceIsRolledBackAloneAndEndsTheLoopAndTheRunSaysSo) {
    ChooseMunicipio();
    g_depoisDaFalha = 0;
    TConversionDriver driver(provider_, log_, {&Make<TGravaBairro>, &Make<TFalha>, &Make<TDepoisDaFalha>}, records_);
    ASSERT_EQ(driver.Start(), TStartResult::Started);
    const TRunReport report = driver.Wait();

    const auto& lines = log_.Lines();
    ASSERT_EQ(lines.size(), 6u) << ::testing::PrintToString(lines);
    EXPECT_TRUE(Logged(lines[0], "Conversão Iniciada"));
    EXPECT_TRUE(Logged(lines[1], "Bairros: 1 - Registro(s) Convertido(s)!"));
    EXPECT_EQ(lines[2], "Convertendo: Teste Falha");
    EXPECT_NE(lines[3].find("QOR_TABELA_INEXISTENTE"), std::string::npos) << lines[3];
    EXPECT_TRUE(Logged(lines[4], "Conversão Finalizada"));
    EXPECT_TRUE(std::regex_match(lines[5], std::regex(R"(^\[\d\d:\d\d:\d\d\] - Duração total: 00:00:\d\d$)")))
        << lines[5];

    // The front end saw the service line appended, then replaced by its result.
    const auto calls = log_.Calls();
    ASSERT_GE(calls.size(), 4u);
    EXPECT_EQ(calls[0], "clear");
    EXPECT_EQ(calls[1], "title Conversor QOR - São Paulo - SP");
    EXPECT_EQ(calls[3], "append Convertendo: Teste Grava");
    EXPECT_EQ(calls[4].substr(0, 10), "replace 1 ");
    EXPECT_EQ(calls[calls.size() - 2], "disable");
    EXPECT_EQ(calls.back(), "message Conversão finalizada com erro no serviço Teste Falha. Veja o log da conversão.");

    EXPECT_EQ(g_depoisDaFalha, 0);
    EXPECT_EQ(Rows(provider_.ConWeb, "select descricao_bai from qor_bairro"),
              (std::vector<std::vector<std::string>>{{"Centro"}}));
    EXPECT_FALSE(provider_.ConWeb.InTransaction());
    EXPECT_EQ(report.resultado, TRunOutcome::ServiceFailed);

    // The finishing scripts ran after the failure: the carriers are gone.
    EXPECT_TRUE(Rows(provider_.ConWeb,
                     "select 1 from rdb$relation_fields where rdb$relation_name = 'QOR_PESSOA' and "
                     "rdb$field_name = 'ID_DSKP'")
                    .empty());

    // The record on disk: the same lines, and the report per service and script.
    ASSERT_FALSE(report.registro.empty()) << report.falhaRegistro.value_or("");
    std::string expected;
    for (const auto& line : lines) expected += std::regex_replace(line, std::regex("\r\n"), "\n") + "\n";
    std::stringstream recorded;
    recorded << std::ifstream(report.registro / "log.txt").rdbuf();
    EXPECT_EQ(recorded.str(), expected);
    const auto json = nlohmann::json::parse(std::ifstream(report.registro / "relatorio.json"));
    EXPECT_EQ(json["resultado"], "falha_servico");
    ASSERT_EQ(json["servicos"].size(), 2u);
    EXPECT_EQ(json["servicos"][0]["nome"], "Teste Grava");
    EXPECT_EQ(json["servicos"][0]["linhas"], 1);
    EXPECT_TRUE(json["servicos"][0]["falha"].is_null());
    EXPECT_EQ(json["servicos"][1]["nome"], "Teste Falha");
    EXPECT_NE(json["servicos"][1]["falha"].get<std::string>().find("QOR_TABELA_INEXISTENTE"), std::string::npos);
    ASSERT_EQ(json["scripts"].size(), 2u);
    EXPECT_EQ(json["scripts"][0]["nome"], "BeforeConvert");
    EXPECT_TRUE(json["scripts"][1]["falha"].is_null());
}

TEST_F(Driver, StartIsRefusedWithoutMunicipalityAndOnAWebDatabaseWithCaseRecords) {
    TConversionDriver driver(provider_, log_, {&Make<TGravaBairro>}, records_);
    EXPECT_EQ(driver.Start(), TStartResult::SemMunicipio);
    EXPECT_EQ(log_.Calls(), (std::vector<std::string>{"clear", "message Informe um município para iniciar a conversão"}));

    ChooseMunicipio();
    provider_.ConWeb.ExecSQL("insert into qor_prontuario (id_pes_pro) values (1)");
    EXPECT_EQ(driver.Start(), TStartResult::BaseNaoEmBranco);
    EXPECT_EQ(log_.Calls().back(),
              "message A base de dados do QOR Web não está em branco ou já foi convertida. Para iniciar o "
              "processo de conversão, informe uma base em branco!");
    EXPECT_TRUE(Rows(provider_.ConWeb, "select 1 from qor_bairro").empty());
    EXPECT_FALSE(std::filesystem::exists(records_));
}

TEST_F(Driver, SecondStartWhileARunIsUnderWayIsRefusedWithoutTouchingTheLog) {
    ChooseMunicipio();
    g_liberado = false;
    TConversionDriver driver(provider_, log_, {&Make<TEspera>}, records_);
    ASSERT_EQ(driver.Start(), TStartResult::Started);
    while (log_.Lines().size() < 2 || log_.Lines().back() != "Convertendo: Teste Espera")
        std::this_thread::sleep_for(std::chrono::milliseconds(5));
    const std::size_t callsBefore = log_.Calls().size();

    EXPECT_EQ(driver.Start(), TStartResult::EmAndamento);
    const auto calls = log_.Calls();
    ASSERT_EQ(calls.size(), callsBefore + 1);
    EXPECT_EQ(calls.back(), "message Uma conversão já está em andamento. Aguarde o seu término.");

    g_liberado = true;
    const TRunReport report = driver.Wait();
    EXPECT_EQ(report.resultado, TRunOutcome::Clean);
    EXPECT_EQ(log_.Calls().back(), "message Conversão finalizada com sucesso!");
}

TEST_F(Driver, PreparationFailureSkipsTheServicesAndStillEndsTheRun) {
    ChooseMunicipio();
    dbs_.web->Exec({"alter table qor_pessoa add id_dskp integer"});
    TConversionDriver driver(provider_, log_, {&Make<TGravaBairro>}, records_);
    ASSERT_EQ(driver.Start(), TStartResult::Started);
    const TRunReport report = driver.Wait();

    const auto& lines = log_.Lines();
    ASSERT_EQ(lines.size(), 4u) << ::testing::PrintToString(lines);
    EXPECT_TRUE(Logged(lines[0], "Conversão Iniciada"));
    EXPECT_NE(lines[1].find("Erro nos scripts de preparação: "), std::string::npos);
    EXPECT_NE(lines[1].find("qor_pessoa.id_dskp"), std::string::npos) << lines[1];
    EXPECT_NE(lines[1].find("qor-conversor recover"), std::string::npos) << lines[1];
    EXPECT_TRUE(Logged(lines[2], "Conversão Finalizada"));
    EXPECT_EQ(log_.Calls().back(),
              "message Conversão finalizada com erro nos scripts de preparação. Veja o log da conversão.");
    EXPECT_EQ(report.resultado, TRunOutcome::ScriptFailed);
    EXPECT_TRUE(report.servicos.empty());
    EXPECT_TRUE(Rows(provider_.ConWeb, "select 1 from qor_bairro").empty());
}

}  // namespace
}  // namespace qor
