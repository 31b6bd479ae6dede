#include "helpers/zip_maker.h"

#include <zip.h>

#include <QFile>
#include <QTemporaryDir>
#include <stdexcept>

namespace qor::gui::test {

QByteArray MakeZip(const QList<QPair<QString, QByteArray>>& entries) {
    QTemporaryDir dir;
    const QString file = dir.path() + "/a.zip";
    int error = 0;
    zip_t* archive = zip_open(file.toUtf8().constData(), ZIP_CREATE | ZIP_TRUNCATE, &error);
    if (!archive) throw std::runtime_error("zip_open failed");
    // libzip reads the buffers when the archive is closed.
    for (const auto& [name, content] : entries) {
        zip_source_t* source =
            zip_source_buffer(archive, content.constData(), static_cast<zip_uint64_t>(content.size()), 0);
        if (!source || zip_file_add(archive, name.toUtf8().constData(), source, ZIP_FL_ENC_UTF_8 | ZIP_FL_OVERWRITE) < 0) {
            throw std::runtime_error("zip_file_add failed");
        }
    }
    if (zip_close(archive) != 0) throw std::runtime_error("zip_close failed");
    QFile out(file);
    out.open(QIODevice::ReadOnly);
    return out.readAll();
}

}  // namespace qor::gui::test
