#include "gui/error_log.h"

#include <QApplication>
#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QLocale>
#include <QMetaClassInfo>
#include <QSysInfo>
#include <QWidget>
#include <stdexcept>

#include "gui/gui_thread.h"
#include "gui/messages.h"

#ifdef Q_OS_UNIX
#include <pwd.h>
#include <unistd.h>
#endif

namespace qor::gui {
namespace {

QString UserName() {
#ifdef Q_OS_UNIX
    if (const passwd* pw = ::getpwuid(::geteuid())) return QString::fromLocal8Bit(pw->pw_name);
    return qEnvironmentVariable("USER");
#else
    return qEnvironmentVariable("USERNAME");
#endif
}

// The module that declares a window's class: its "Unit" class info when it
// states one, else the class name.
QString UnitOf(const QWidget* window) {
    const QMetaObject* meta = window->metaObject();
    const int index = meta->indexOfClassInfo("Unit");
    return index >= 0 ? QString::fromLatin1(meta->classInfo(index).value()) : QString::fromLatin1(meta->className());
}

void MakeFolder(const QString& path) {
    if (!QDir().mkpath(path)) throw std::runtime_error("Não foi possível criar a pasta " + path.toStdString());
}

struct Entry {
    QString form;
    QString unit;
    QString control;
};

// What the entry says about the windows, and the picture of the active one;
// read on the GUI thread, which owns the widgets.
Entry Capture(const QString& picture) {
    Entry entry;
    QWidget* window = QApplication::activeWindow();
    if (!window) return entry;  // before any window exists there is nothing to picture
    entry.form = window->objectName();
    entry.unit = UnitOf(window);
    if (QWidget* focus = QApplication::focusWidget()) entry.control = focus->objectName();
    MakeFolder(QFileInfo(picture).path());
    if (!window->grab().save(picture, "JPG")) {
        throw std::runtime_error("Não foi possível gravar a imagem " + picture.toStdString());
    }
    return entry;
}

}  // namespace

std::unique_ptr<ILog> TLog::New() { return std::make_unique<TLog>(); }

void TLog::Write(const QString& AMessage, const QString& AClassName) {
    const QString folder = QDir::currentPath() + "/log";
    MakeFolder(folder);
    QFile file(folder + "/log.txt");
    if (!file.open(QIODevice::Append | QIODevice::Text)) {
        throw std::runtime_error("Não foi possível abrir " + file.fileName().toStdString() + ": " +
                                 file.errorString().toStdString());
    }
    const QDateTime now = QDateTime::currentDateTime();
    const QLocale locale = QLocale::system();
    const QString when =
        locale.toString(now.date(), QLocale::ShortFormat) + ' ' + locale.toString(now.time(), QLocale::LongFormat);
    const QString stamp = now.toString("dd-MM-yyyy_hh-mm-ss");
    const QString picture = QString("%1/img/%2.jpg").arg(folder, stamp);
    Entry entry;
    if (auto* app = QCoreApplication::instance()) {
        RunOnGuiThreadAndWait(app, [&] { entry = Capture(picture); });
    }
    const QString text = "Data/Hora.......: " + when + '\n' +
                         "Mensagem........: " + AMessage + '\n' +
                         "Classe Exceção..: " + AClassName + '\n' +
                         "Formulário......: " + entry.form + '\n' +
                         "Unit............: " + entry.unit + '\n' +
                         "Controle Visual.: " + entry.control + '\n' +
                         "Usuário.........: " + UserName() + '\n' +
                         "Versão Windows..: " + OperatingSystemName() + '\n' +
                         QString(70, '-') + '\n';
    const QByteArray bytes = text.toLocal8Bit();
    if (file.write(bytes) != bytes.size()) {
        throw std::runtime_error("Não foi possível gravar em " + file.fileName().toStdString());
    }
}

void TLog::WriteAndShowMessage(const QString& AMessage, const QString& AClassName) {
    Write(AMessage, AClassName);
    ShowMessage(MessageKind::Error, AMessage);
}

QString OperatingSystemName() {
#ifdef Q_OS_WIN
    const QStringList parts = QSysInfo::kernelVersion().split('.');
    const QString major_minor = parts.size() >= 2 ? parts[0] + '.' + parts[1] : QString();
    static const std::pair<const char*, const char*> names[] = {
        {"5.1", "Windows XP"}, {"6.0", "Windows Vista"}, {"6.1", "Windows 7"},
        {"6.2", "Windows 8"},  {"6.3", "Windows 8.1"},   {"10.0", "Windows 10"}};
    for (const auto& [version, name] : names) {
        if (major_minor == version) return name;
    }
    return {};
#else
    return QSysInfo::prettyProductName();
#endif
}

}  // namespace qor::gui
