#include "core/conversion_driver.h"

#include <algorithm>
#include <cctype>
#include <cstdio>
#include <ctime>
#include <functional>

#include "core/dataset_factory.h"
#include "core/recording_log.h"
#include "core/run_record.h"
#include "services/service_list.h"

namespace qor {
namespace {

using Clock = std::chrono::steady_clock;

constexpr const char* kSemMunicipio = "Informe um município para iniciar a conversão";
constexpr const char* kNaoEmBranco =
    "A base de dados do QOR Web não está em branco ou já foi convertida. Para iniciar o processo de "
    "conversão, informe uma base em branco!";
constexpr const char* kEmAndamento = "Uma conversão já está em andamento. Aguarde o seu término.";
constexpr const char* kSucesso = "Conversão finalizada com sucesso!";

// Names of the run's steps in its report.
constexpr const char* kPreparacao = "BeforeConvert";
constexpr const char* kFinalizacao = "AfterConvert";
constexpr const char* kConducao = "Driver";

// Local time of day, as the log lines show it.
std::string HoraAtual() {
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    char text[16];
    std::strftime(text, sizeof text, "%H:%M:%S", &local);
    return text;
}

// "[hh:mm:ss] - message"
std::string LinhaDeLog(const std::string& AHora, const std::string& AMensagem) {
    std::string linha = "[";
    linha += AHora;
    linha += "] - ";
    linha += AMensagem;
    return linha;
}

void Logar(IRunLog& ALog, const std::string& AMensagem) { ALog.Append(LinhaDeLog(HoraAtual(), AMensagem)); }

double Segundos(Clock::time_point ADesde) {
    return std::chrono::duration<double>(Clock::now() - ADesde).count();
}

// The number a count message states ("Bairros: 12 - Registro(s) Convertido(s)!").
std::optional<std::uint64_t> NumeroDaMensagem(const std::string& AMensagem) {
    const std::size_t at = AMensagem.find(": ");
    if (at == std::string::npos) return std::nullopt;
    std::size_t end = at + 2;
    while (end < AMensagem.size() && std::isdigit(static_cast<unsigned char>(AMensagem[end]))) ++end;
    if (end == at + 2) return std::nullopt;
    return std::stoull(AMensagem.substr(at + 2, end - at - 2));
}

std::string MensagemDeErro(std::exception_ptr AErro) {
    try {
        std::rethrow_exception(AErro);
    } catch (const std::exception& e) {
        return e.what();
    } catch (...) {
        return "erro desconhecido";
    }
}

// Runs one of the scripts; a failure is logged and reported, never raised.
bool RodarScript(IRunLog& ALog, TRunReport& AReport, const char* ANome, const char* AContexto,
                 const std::function<void()>& AScript) {
    TScriptResult result{ANome, 0, std::nullopt};
    const auto inicio = Clock::now();
    try {
        AScript();
    } catch (...) {
        result.falha = MensagemDeErro(std::current_exception());
    }
    result.segundos = Segundos(inicio);
    AReport.scripts.push_back(result);
    if (!result.falha) return true;
    Logar(ALog, std::string(AContexto) + *result.falha);
    return false;
}

std::string MensagemFinal(const TRunReport& AReport) {
    // Where the run failed, in the order the run met the failures.
    std::vector<std::string> onde;
    const auto falhou = [&](const char* ANome) {
        return std::any_of(AReport.scripts.begin(), AReport.scripts.end(),
                           [&](const TScriptResult& s) { return s.nome == ANome && s.falha; });
    };
    if (falhou(kPreparacao)) onde.push_back("nos scripts de preparação");
    for (const auto& s : AReport.servicos)
        if (s.falha) onde.push_back("no serviço " + s.nome);
    if (falhou(kFinalizacao)) onde.push_back("nos scripts de finalização");
    if (falhou(kConducao)) onde.push_back("na condução da conversão");
    if (onde.empty()) return kSucesso;
    std::string text = "Conversão finalizada com erro ";
    for (std::size_t i = 0; i < onde.size(); ++i) text += (i ? " e " : "") + onde[i];
    return text + ". Veja o log da conversão.";
}

}  // namespace

std::string FormatarDuracao(std::chrono::seconds ADuracao) {
    const long long total = ADuracao.count();
    char text[32];
    std::snprintf(text, sizeof text, "%02lld:%02lld:%02lld", total / 3600, total / 60 % 60, total % 60);
    return text;
}

TConversionDriver::TConversionDriver(TProviderConnection& AProvider, IRunLog& ALog,
                                     std::filesystem::path ARecordsFolder)
    : TConversionDriver(AProvider, ALog, ServiceList(), std::move(ARecordsFolder)) {}

TConversionDriver::TConversionDriver(TProviderConnection& AProvider, IRunLog& ALog,
                                     std::vector<TServiceFactory> AServices, std::filesystem::path ARecordsFolder)
    : FProvider(AProvider),
      FLog(ALog),
      FServices(std::move(AServices)),
      FRecordsFolder(std::move(ARecordsFolder)) {}

TConversionDriver::~TConversionDriver() {
    if (FWorker.joinable()) FWorker.join();
}

TStartResult TConversionDriver::Start() {
    std::lock_guard lock(FStartLock);
    // Checked before anything else: the checks below would use the web
    // connection while the worker does.
    if (FRunning) {
        FLog.ShowMessage(kEmAndamento);
        return TStartResult::EmAndamento;
    }
    if (FWorker.joinable()) FWorker.join();

    FLog.Clear();
    bool emBranco = false;
    {
        // Released before the worker starts: it owns the connections from then on.
        auto factory = TDataSetFactory::GetInstance(&FProvider.ConWeb);
        emBranco = factory->OpenQuery("select 1 from qor_prontuario").IsEmpty();
    }
    if (FProvider.Municipio() == 0) {
        FLog.ShowMessage(kSemMunicipio);
        return TStartResult::SemMunicipio;
    }
    if (!emBranco) {
        FLog.ShowMessage(kNaoEmBranco);
        return TStartResult::BaseNaoEmBranco;
    }
    FReport = TRunReport{};
    FReport.municipio = FProvider.Municipio();
    FReport.descricaoMunicipio = FProvider.qryConMunicipio.FieldByName("descricao_mun").AsString();
    FLog.SetTitle(FLog.Title() + " - " + FReport.descricaoMunicipio);

    FRunning = true;
    FWorker = std::thread(&TConversionDriver::Run, this);
    return TStartResult::Started;
}

std::optional<std::string> TConversionDriver::DesfazerServico() {
    try {
        if (FProvider.ConWeb.InTransaction()) FProvider.ConWeb.Rollback();
        return std::nullopt;
    } catch (...) {
        return MensagemDeErro(std::current_exception());
    }
}

TRunReport TConversionDriver::Wait() {
    if (FWorker.joinable()) FWorker.join();
    return FReport;
}

void TConversionDriver::Run() {
    TRecordingLog log(FLog);
    TRunReport& report = FReport;
    try {
        Logar(log, "Conversão Iniciada");
        report.inicio = std::chrono::system_clock::now();
        const auto inicio = Clock::now();

        const bool preparado = RodarScript(log, report, kPreparacao, "Erro nos scripts de preparação: ",
                                           [this] { FProvider.BeforeConvert(); });
        // Without the carriers no service can run, and the finishing
        // scripts would have nothing to finish.
        if (preparado) {
            std::vector<std::unique_ptr<TServiceBase>> servicos;
            for (TServiceFactory criar : FServices) servicos.push_back(criar(FProvider));
            for (const auto& servico : servicos) {
                TServiceResult result{servico->GetNome(), {}, std::nullopt, 0, std::nullopt};
                const auto inicioServico = Clock::now();
                try {
                    FProvider.ConWeb.StartTransaction();
                    const std::size_t linha = log.Append("Convertendo: " + result.nome);
                    const std::string hora = HoraAtual();
                    result.mensagem = servico->Converter();
                    log.ReplaceLine(linha, LinhaDeLog(hora, result.mensagem));
                    FProvider.ConWeb.Commit();
                } catch (...) {
                    result.falha = MensagemDeErro(std::current_exception());
                    const auto falhaAoDesfazer = DesfazerServico();
                    log.Append(*result.falha);
                    if (falhaAoDesfazer) log.Append("Não foi possível desfazer o serviço: " + *falhaAoDesfazer);
                }
                result.linhas = result.falha ? std::nullopt : NumeroDaMensagem(result.mensagem);
                result.segundos = Segundos(inicioServico);
                report.servicos.push_back(result);
                if (result.falha) break;
            }
            servicos.clear();
            RodarScript(log, report, kFinalizacao, "Erro nos scripts de finalização: ",
                        [this] { FProvider.AfterConvert(); });
        }

        report.fim = std::chrono::system_clock::now();
        Logar(log, "Conversão Finalizada");
        Logar(log, "Duração total: " +
                       FormatarDuracao(std::chrono::duration_cast<std::chrono::seconds>(Clock::now() - inicio)));
    } catch (...) {
        // Only the front end or a service's construction can fail here; the
        // run still ends, with the failure in its record.
        report.scripts.push_back({kConducao, 0, MensagemDeErro(std::current_exception())});
        if (report.fim == std::chrono::system_clock::time_point{}) report.fim = std::chrono::system_clock::now();
    }

    const bool scriptFalhou = std::any_of(report.scripts.begin(), report.scripts.end(),
                                          [](const TScriptResult& s) { return s.falha.has_value(); });
    const bool servicoFalhou = std::any_of(report.servicos.begin(), report.servicos.end(),
                                           [](const TServiceResult& s) { return s.falha.has_value(); });
    report.resultado = scriptFalhou    ? TRunOutcome::ScriptFailed
                       : servicoFalhou ? TRunOutcome::ServiceFailed
                                       : TRunOutcome::Clean;
    report.mensagemFinal = MensagemFinal(report);
    report.linhas = log.Lines();
    try {
        report.registro = WriteRunRecord(report, FRecordsFolder);
    } catch (...) {
        report.falhaRegistro = MensagemDeErro(std::current_exception());
    }
    try {
        log.DisableStartAndBack();
        log.ShowMessage(report.mensagemFinal);
    } catch (...) {
        // A front end that is gone cannot be told.
    }
    FRunning = false;
}

}  // namespace qor
