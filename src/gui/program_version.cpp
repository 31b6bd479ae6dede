#include "gui/program_version.h"

#include <QCoreApplication>
#include <QFile>
#include <QRegularExpression>
#include <string_view>

namespace qor::gui {
namespace {

#ifndef QOR_FILE_VERSION
#define QOR_FILE_VERSION "0.0.0.0"
#endif

// The marker and the stamp are kept apart so the marker text alone (which
// the search below needs) never reads as a version.
constexpr std::string_view kMarker = "QOR-FILE-VERSION:";

}  // namespace

// Lives in the same object as ProgramVersion, so every program that asks
// for its version carries the stamp.
extern const char kFileVersionStamp[];
const char kFileVersionStamp[] = "QOR-FILE-VERSION:" QOR_FILE_VERSION;

QString FileVersion(const QString& path) {
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly) || file.size() == 0) return kNoVersion;
    const uchar* data = file.map(0, file.size());
    if (!data) return kNoVersion;
    const std::string_view bytes(reinterpret_cast<const char*>(data), static_cast<std::size_t>(file.size()));

    static const QRegularExpression version(R"(^(\d{1,5})\.(\d{1,5})\.(\d{1,5})\.(\d{1,5})$)");
    for (auto at = bytes.find(kMarker); at != std::string_view::npos; at = bytes.find(kMarker, at + 1)) {
        const auto start = at + kMarker.size();
        const auto end = bytes.find('\0', start);
        if (end == std::string_view::npos || end - start > 23) continue;
        const QString text = QString::fromLatin1(bytes.data() + start, static_cast<qsizetype>(end - start));
        const auto match = version.match(text);
        if (!match.hasMatch()) continue;
        QStringList words;
        for (int i = 1; i <= 4; ++i) {
            const int word = match.captured(i).toInt();
            if (word > 0xFFFF) return kNoVersion;
            words << QString::number(word);
        }
        return words.join('.');
    }
    return kNoVersion;
}

QString ProgramVersion() {
    return FileVersion(QCoreApplication::applicationFilePath());
}

}  // namespace qor::gui
