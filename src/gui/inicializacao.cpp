#include "gui/inicializacao.h"

#include <QCoreApplication>
#include <QFile>
#include <QFileInfo>
#include <QProcess>
#include <chrono>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <memory>
#include <nlohmann/json.hpp>
#include <thread>
#include <typeinfo>

#include "gui/error_log.h"
#include "gui/http_client.h"
#include "gui/messages.h"
#include "gui/program_version.h"
#include "gui/wait_overlay.h"
#include "gui/zip_archive.h"

#if defined(__GNUC__)
#include <cxxabi.h>
#endif

namespace qor::gui {
namespace fs = std::filesystem;

namespace {

#ifndef QOR_UPDATE_HOST
#define QOR_UPDATE_HOST ""
#endif

constexpr int kUpdatePort = 2096;
constexpr std::chrono::seconds kQueryTimeout{30};
constexpr std::chrono::seconds kDownloadTimeout{600};
// A download that cannot be deleted is tried again this many times, two
// seconds apart, and then left behind.
constexpr int kDeleteTries = 30;
constexpr std::chrono::milliseconds kDeleteInterval{2000};

class TJsonBodyError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

// The class name the error log records.
QString ClassName(const std::exception& e) {
    const char* name = typeid(e).name();
#if defined(__GNUC__)
    int status = 0;
    std::unique_ptr<char, decltype(&std::free)> demangled(abi::__cxa_demangle(name, nullptr, nullptr, &status),
                                                          &std::free);
    if (status == 0 && demangled) return QString::fromUtf8(demangled.get());
#endif
    return QString::fromUtf8(name);
}

// Leading and trailing blanks and control characters removed.
std::string Trimmed(const std::string& text) {
    const auto blank = [](char c) { return static_cast<unsigned char>(c) <= ' '; };
    std::size_t begin = 0;
    std::size_t end = text.size();
    while (begin < end && blank(text[begin])) ++begin;
    while (end > begin && blank(text[end - 1])) --end;
    return text.substr(begin, end - begin);
}

nlohmann::json ParseJsonBody(const std::string& body) {
    const std::size_t first = body.find_first_not_of(" \t\r\n");
    if (first == std::string::npos || (body[first] != '{' && body[first] != '[')) {
        throw TJsonBodyError("A resposta do serviço de atualização não é um JSON");
    }
    try {
        return nlohmann::json::parse(body);
    } catch (const nlohmann::json::exception& e) {
        throw TJsonBodyError(std::string("A resposta do serviço de atualização não é um JSON válido: ") + e.what());
    }
}

fs::path PathOf(const QString& file) { return fs::path(file.toStdU16String()); }

}  // namespace

bool DeleteWithRetries(const QString& file, int tries, std::chrono::milliseconds interval) {
    for (int attempt = 1;; ++attempt) {
        std::error_code ec;
        fs::remove(PathOf(file), ec);
        if (!ec) return true;
        if (attempt >= tries) return false;
        std::this_thread::sleep_for(interval);
    }
}

QString ProductFileName() {
#ifdef Q_OS_WIN
    return "ConversorMorvaleqD2W.exe";
#else
    return "ConversorMorvaleqD2W";
#endif
}

TUpdateSettings TUpdateSettings::FromBuild() {
    TUpdateSettings settings;
    const std::string host = QOR_UPDATE_HOST;
    if (!host.empty()) settings.baseUrl = "https://" + host + ":" + std::to_string(kUpdatePort) + "/api/";
    settings.programFile = QCoreApplication::applicationFilePath();
    settings.programVersion = FileVersion(settings.programFile);
    settings.restart = [](const QString& program) { return QProcess::startDetached(program, {}); };
    return settings;
}

QString OldProgramFile(const QString& programFile) {
    const QFileInfo info(programFile);
    const QString suffix = info.suffix().isEmpty() ? QString() : "." + info.suffix();
    return info.path() + "/" + info.completeBaseName() + "_old" + suffix;
}

QString DownloadFile(const QString& programFile) {
    const QFileInfo info(programFile);
    return info.path() + "/" + info.completeBaseName() + ".zip";
}

QString ProgramFolder(const QString& programFile) { return QFileInfo(programFile).path() + "/"; }

std::string TInicializacao::Url(const char* resource) const {
    return FSettings.baseUrl + "systems/" + ProductFileName().toStdString() + "/" + resource;
}

bool TInicializacao::Inicializar() {
    QFile::remove(OldProgramFile(FSettings.programFile));
    if (!VerificarAtualizacao()) return true;
    if (!AtualizarExecutavel()) return true;
    // Should the new build not start, this one goes on rather than leave the
    // operator with nothing.
    return !FSettings.restart(FSettings.programFile);
}

bool TInicializacao::VerificarAtualizacao() {
    if (FSettings.baseUrl.empty()) return false;
    const std::string url = Url("latest");
    try {
        const THttpResponse answer = HttpGet(url, "application/json", kQueryTimeout);
        if (answer.status != 200) return false;
        const nlohmann::json json = ParseJsonBody(answer.body);
        if (!json.is_object()) return false;
        const auto member = json.find("version");
        if (member == json.end() || !member->is_string()) return false;
        const std::string version = Trimmed(member->get<std::string>());
        return version != kNoVersion && FSettings.programVersion.toStdString() != version;
    } catch (const std::exception& e) {
        const QString message = QString::fromUtf8(e.what()) + " URL: " + QString::fromStdString(url);
        // Logging is best effort here: the program must start all the same.
        try {
            TLog::New()->WriteAndShowMessage(message, ClassName(e));
        } catch (const std::exception&) {
            ShowMessage(MessageKind::Error, message);
        }
        return false;
    }
}

bool TInicializacao::AtualizarExecutavel() {
    const QString download = DownloadFile(FSettings.programFile);
    const std::string url = Url("download");
    TWait wait("Atualizando...");
    return wait.Start([&] {
        wait.SetWidth(360).SetAlphaBlendValue(220);
        const THttpResponse answer = HttpGet(url, kDefaultAccept, kDownloadTimeout);
        if (answer.status != 200) {
            throw THttpError("O serviço de atualização respondeu " + std::to_string(answer.status) + " URL: " + url);
        }
        {
            std::ofstream out(PathOf(download), std::ios::binary | std::ios::trunc);
            out.write(answer.body.data(), static_cast<std::streamsize>(answer.body.size()));
            out.close();
            if (!out) throw std::runtime_error("Não foi possível gravar " + download.toStdString());
        }
        DescompactarArquivo(download);
    });
}

void TInicializacao::DescompactarArquivo(const QString& ADownloadFile) {
    // Whatever happens below, the download goes: in the background, as it
    // may still be held open for a moment.
    struct DeleteDownload {
        QString file;
        ~DeleteDownload() {
            std::thread([file = file] { DeleteWithRetries(file, kDeleteTries, kDeleteInterval); }).detach();
        }
    } cleanup{ADownloadFile};

    const fs::path program = PathOf(FSettings.programFile);
    const fs::path old = PathOf(OldProgramFile(FSettings.programFile));
    const fs::path folder = PathOf(ProgramFolder(FSettings.programFile));
    const fs::path product = folder / PathOf(ProductFileName());

    // Everything that can be known about the archive is checked before the
    // running program is moved.
    const TZipArchive archive(PathOf(ADownloadFile));
    if (!archive.Contains(ProductFileName().toStdString())) {
        throw TZipError("O arquivo de atualização não contém " + ProductFileName().toStdString());
    }
    const fs::perms permissions = fs::status(program).permissions();
    fs::rename(program, old);
    try {
        archive.ExtractAll(folder);
        if (product != program) fs::rename(product, program);
        fs::permissions(program, permissions);
    } catch (...) {
        std::error_code ec;
        fs::rename(old, program, ec);
        throw;
    }
}

}  // namespace qor::gui
