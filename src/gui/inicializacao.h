#pragma once
// The start-up step: before the wizard appears the program asks the update
// service whether a newer build exists and, when one does, downloads it as a
// zip archive, puts it in place of its own program file and starts it.

#include <QString>
#include <chrono>
#include <functional>
#include <string>

namespace qor::gui {

// The name the program bears towards the update service, and the name of
// the program inside the downloaded archive.
QString ProductFileName();

struct TUpdateSettings {
    // Ends with "/" ("https://host:2096/api/"); empty: the service is never asked.
    std::string baseUrl;
    // The running program file and its file version.
    QString programFile;
    QString programVersion;
    // Starts the program file anew; false when it could not be started.
    std::function<bool(const QString&)> restart;

    // From the build settings and the running program.
    static TUpdateSettings FromBuild();
};

// Files beside the program, derived from its real name: only the final
// extension is ever changed ("conv" -> "conv_old", "conv.zip"; "Conv.exe"
// -> "Conv_old.exe", "Conv.zip").
QString OldProgramFile(const QString& programFile);
QString DownloadFile(const QString& programFile);
QString ProgramFolder(const QString& programFile);

// Deletes a file, trying again `tries` times `interval` apart while it
// cannot be deleted (a file still held by another program); true once it is
// gone.
bool DeleteWithRetries(const QString& file, int tries, std::chrono::milliseconds interval);

class TInicializacao {
public:
    explicit TInicializacao(TUpdateSettings ASettings) : FSettings(std::move(ASettings)) {}

    // True: start normally; false: a new build was installed and started,
    // and this program must end.
    bool Inicializar();
    // True when the service names a version other than the running one.
    // Errors are logged and shown, and count as "no update".
    bool VerificarAtualizacao();
    // Downloads the new build and puts it in place behind the wait overlay;
    // false when that failed (the operator has been told and the old program
    // is in place).
    bool AtualizarExecutavel();
    // Puts the archive's program in place of the program file; raises when
    // the archive is unusable or the swap failed, with the old program back
    // in place. The download is deleted in the background either way.
    void DescompactarArquivo(const QString& ADownloadFile);

private:
    std::string Url(const char* resource) const;

    TUpdateSettings FSettings;
};

}  // namespace qor::gui
