#pragma once
// The conversion driver: checks that a run may start, then on a worker thread
// runs the preparation scripts, every service of the run list in its own web
// transaction, and the finishing scripts, reporting through the run log.

#include <atomic>
#include <chrono>
#include <filesystem>
#include <memory>
#include <mutex>
#include <optional>
#include <string>
#include <thread>
#include <vector>

#include "core/provider_connection.h"
#include "core/run_log.h"
#include "core/service.h"

namespace qor {

enum class TStartResult {
    Started,
    SemMunicipio,      // no municipality chosen
    BaseNaoEmBranco,   // the web database already holds case records
    EmAndamento,       // a run is under way
};

enum class TRunOutcome {
    Clean,
    ServiceFailed,  // a service failed; it was rolled back and the rest skipped
    ScriptFailed,   // the preparation or the finishing scripts failed
};

struct TServiceResult {
    std::string nome;
    std::string mensagem;
    // The number the count message states; none when it states none.
    std::optional<std::uint64_t> linhas;
    double segundos = 0;
    std::optional<std::string> falha;
};

struct TScriptResult {
    std::string nome;  // "BeforeConvert" or "AfterConvert"
    double segundos = 0;
    std::optional<std::string> falha;
};

struct TRunReport {
    std::chrono::system_clock::time_point inicio;
    std::chrono::system_clock::time_point fim;
    std::int32_t municipio = 0;
    std::string descricaoMunicipio;
    std::vector<TScriptResult> scripts;
    std::vector<TServiceResult> servicos;
    TRunOutcome resultado = TRunOutcome::Clean;
    std::string mensagemFinal;
    std::vector<std::string> linhas;  // the log as the run left it
    std::filesystem::path registro;   // folder of the run's record; empty if it could not be written
    std::optional<std::string> falhaRegistro;
};

// "Duração total" value: hours, minutes and seconds, two digits each at least;
// the hours keep counting past a day.
std::string FormatarDuracao(std::chrono::seconds ADuracao);

class TConversionDriver {
public:
    // Runs the run list of the program. The record of each run is written
    // into a folder under ARecordsFolder.
    TConversionDriver(TProviderConnection& AProvider, IRunLog& ALog,
                      std::filesystem::path ARecordsFolder = std::filesystem::current_path());
    // Runs the given services instead.
    TConversionDriver(TProviderConnection& AProvider, IRunLog& ALog, std::vector<TServiceFactory> AServices,
                      std::filesystem::path ARecordsFolder = std::filesystem::current_path());
    // Waits for a run under way.
    ~TConversionDriver();
    TConversionDriver(const TConversionDriver&) = delete;
    TConversionDriver& operator=(const TConversionDriver&) = delete;

    // "Converter": the start checks, on the caller's thread; when they pass,
    // the run goes on on a worker thread and this returns at once. A database
    // error of the checks is raised to the caller.
    TStartResult Start();
    bool Running() const { return FRunning; }
    // Waits until the run started last has ended and returns its report.
    TRunReport Wait();

private:
    void Run();
    // Rolls the failed service's web transaction back; the error if that fails.
    std::optional<std::string> DesfazerServico();

    TProviderConnection& FProvider;
    IRunLog& FLog;
    std::vector<TServiceFactory> FServices;
    std::filesystem::path FRecordsFolder;

    std::mutex FStartLock;
    std::atomic<bool> FRunning{false};
    std::thread FWorker;
    TRunReport FReport;
};

}  // namespace qor
