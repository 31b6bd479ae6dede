#include <QDir>
#include <QFile>
#include <QTemporaryDir>
#include <QTest>
#include <QTcpServer>
#include <memory>

#include "gui/inicializacao.h"
#include "gui/zip_archive.h"
#include "helpers/http_test_server.h"
#include "helpers/message_recorder.h"
#include "helpers/zip_maker.h"

namespace qor::gui {

using test::Answer;

class SelfUpdateTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void derived_paths_change_only_the_final_extension_data();
    void derived_paths_change_only_the_final_extension();
    void entry_names_outside_the_folder_are_refused_data();
    void entry_names_outside_the_folder_are_refused();
    void no_update_starts_normally_data();
    void no_update_starts_normally();
    void an_unreachable_service_is_logged_and_shown();
    void a_newer_version_is_downloaded_swapped_and_started();
    void the_next_start_deletes_the_old_program();
    void the_archive_may_carry_the_program_under_its_own_name();
    void a_failed_download_or_archive_leaves_the_old_program_data();
    void a_failed_download_or_archive_leaves_the_old_program();
    void a_failure_after_the_move_puts_the_old_program_back_data();
    void a_failure_after_the_move_puts_the_old_program_back();
    void without_a_service_nothing_is_asked();
    void deleting_the_download_gives_up_after_its_tries();

private:
    TInicializacao Start(const QString& running_version);
    QByteArray Read(const QString& name) const;
    QString Path(const QString& name) const { return folder_->path() + "/" + name; }
    void PublishVersion(const QByteArray& json) { server_->SetAnswer(LatestPath(), {200, json}); }
    static QByteArray LatestPath() { return "/api/systems/" + ProductFileName().toUtf8() + "/latest"; }
    static QByteArray DownloadPath() { return "/api/systems/" + ProductFileName().toUtf8() + "/download"; }

    std::unique_ptr<test::HttpTestServer> server_;
    std::unique_ptr<QTemporaryDir> folder_;  // the program folder
    std::unique_ptr<QTemporaryDir> work_;    // the working folder (error log)
    QString previous_folder_;
    QString program_;
    QStringList restarted_;
};

void SelfUpdateTest::init() {
    server_ = std::make_unique<test::HttpTestServer>();
    folder_ = std::make_unique<QTemporaryDir>();
    work_ = std::make_unique<QTemporaryDir>();
    previous_folder_ = QDir::currentPath();
    QDir::setCurrent(work_->path());
    program_ = Path("conv");
    QFile file(program_);
    QVERIFY(file.open(QIODevice::WriteOnly));
    file.write("old build");
    file.close();
    file.setPermissions(QFile::ReadOwner | QFile::WriteOwner | QFile::ExeOwner | QFile::ReadGroup | QFile::ExeGroup);
    restarted_.clear();
}

void SelfUpdateTest::cleanup() {
    QDir::setCurrent(previous_folder_);
    server_.reset();
}

TInicializacao SelfUpdateTest::Start(const QString& running_version) {
    TUpdateSettings settings;
    settings.baseUrl = (server_->BaseUrl() + "api/").toStdString();
    settings.programFile = program_;
    settings.programVersion = running_version;
    settings.restart = [this](const QString& program) {
        restarted_ << program;
        return true;
    };
    return TInicializacao(settings);
}

QByteArray SelfUpdateTest::Read(const QString& name) const {
    QFile file(Path(name));
    return file.open(QIODevice::ReadOnly) ? file.readAll() : QByteArray("<missing>");
}

void SelfUpdateTest::derived_paths_change_only_the_final_extension_data() {
    QTest::addColumn<QString>("program");
    QTest::addColumn<QString>("old");
    QTest::addColumn<QString>("download");
    QTest::addColumn<QString>("folder");
    QTest::newRow("no extension") << "/opt/qor/conv" << "/opt/qor/conv_old" << "/opt/qor/conv.zip" << "/opt/qor/";
    QTest::newRow("windows name") << "/opt/q.exe/Conv.exe" << "/opt/q.exe/Conv_old.exe" << "/opt/q.exe/Conv.zip"
                                  << "/opt/q.exe/";
    QTest::newRow("upper-case extension") << "/a/Conv.EXE" << "/a/Conv_old.EXE" << "/a/Conv.zip" << "/a/";
    QTest::newRow("dots in the name") << "/a/conv.v2.bin" << "/a/conv.v2_old.bin" << "/a/conv.v2.zip" << "/a/";
}

void SelfUpdateTest::derived_paths_change_only_the_final_extension() {
    QFETCH(QString, program);
    QFETCH(QString, old);
    QFETCH(QString, download);
    QFETCH(QString, folder);
    QCOMPARE(OldProgramFile(program), old);
    QCOMPARE(DownloadFile(program), download);
    QCOMPARE(ProgramFolder(program), folder);
}

void SelfUpdateTest::entry_names_outside_the_folder_are_refused_data() {
    QTest::addColumn<QString>("name");
    QTest::addColumn<bool>("safe");
    QTest::newRow("file") << "conv" << true;
    QTest::newRow("sub-folder") << "lib/a.so" << true;
    QTest::newRow("folder entry") << "lib/" << true;
    QTest::newRow("dots inside a name") << "a..b/..c" << true;
    QTest::newRow("parent") << "../conv" << false;
    QTest::newRow("parent further in") << "lib/../../conv" << false;
    QTest::newRow("parent with backslashes") << "lib\\..\\..\\conv" << false;
    QTest::newRow("absolute") << "/etc/conv" << false;
    QTest::newRow("absolute with backslash") << "\\conv" << false;
    QTest::newRow("drive letter") << "C:conv" << false;
    QTest::newRow("empty") << "" << false;
}

void SelfUpdateTest::entry_names_outside_the_folder_are_refused() {
    QFETCH(QString, name);
    QFETCH(bool, safe);
    QCOMPARE(IsSafeEntryName(name.toStdString()), safe);
}

void SelfUpdateTest::no_update_starts_normally_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<bool>("reported");
    QTest::newRow("same version") << 200 << QByteArray(R"({"version":"1.0.3.12"})") << false;
    QTest::newRow("same version but for blanks") << 200 << QByteArray(R"({"version":" 1.0.3.12\t"})") << false;
    QTest::newRow("no version published") << 200 << QByteArray(R"({"version":" 0.0.0.0 "})") << false;
    QTest::newRow("member missing") << 200 << QByteArray(R"({"versao":"2.0.0.0"})") << false;
    QTest::newRow("member not text") << 200 << QByteArray(R"({"version":2})") << false;
    QTest::newRow("an array") << 200 << QByteArray(R"(["2.0.0.0"])") << false;
    QTest::newRow("status 404") << 404 << QByteArray(R"({"version":"2.0.0.0"})") << false;
    QTest::newRow("status 500") << 500 << QByteArray("erro") << false;
    QTest::newRow("not JSON") << 200 << QByteArray("<html>manutenção</html>") << true;
    QTest::newRow("broken JSON") << 200 << QByteArray(R"({"version":)") << true;
}

void SelfUpdateTest::no_update_starts_normally() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(bool, reported);
    test::MessageRecorder messages;
    server_->SetAnswer(LatestPath(), {status, body});
    server_->SetAnswer(DownloadPath(), {200, test::MakeZip({{ProductFileName(), "new build"}})});

    QVERIFY(Start("1.0.3.12").Inicializar());

    const QList<test::Request> requests = server_->Requests();
    QCOMPARE(requests.size(), 1);
    QCOMPARE(requests[0].path, LatestPath());
    QCOMPARE(requests[0].accept, QByteArray("application/json"));
    QCOMPARE(Read("conv"), QByteArray("old build"));
    QVERIFY(restarted_.isEmpty());
    QCOMPARE(messages.errors.size(), reported ? 1 : 0);
    QCOMPARE(QFile::exists(work_->path() + "/log/log.txt"), reported);
    if (reported) {
        QVERIFY(messages.errors[0].endsWith(" URL: " + server_->BaseUrl() + "api/systems/" + ProductFileName() + "/latest"));
    }
}

void SelfUpdateTest::an_unreachable_service_is_logged_and_shown() {
    test::MessageRecorder messages;
    QTcpServer closed;  // a port that nobody listens on once it is closed
    QVERIFY(closed.listen(QHostAddress::LocalHost, 0));
    const quint16 port = closed.serverPort();
    closed.close();
    TUpdateSettings settings;
    settings.baseUrl = "http://127.0.0.1:" + std::to_string(port) + "/api/";
    settings.programFile = program_;
    settings.programVersion = "1.0.0.0";
    settings.restart = [this](const QString& p) {
        restarted_ << p;
        return true;
    };
    QVERIFY(TInicializacao(settings).Inicializar());
    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(messages.errors[0].contains(" URL: http://127.0.0.1:"));
    QFile log(work_->path() + "/log/log.txt");
    QVERIFY(log.open(QIODevice::ReadOnly));
    QVERIFY(log.readAll().contains("Mensagem........: " + messages.errors[0].toLocal8Bit()));
    QVERIFY(restarted_.isEmpty());
}

void SelfUpdateTest::a_newer_version_is_downloaded_swapped_and_started() {
    test::MessageRecorder messages;
    PublishVersion(R"({"version":"1.0.3.13"})");
    server_->SetAnswer(DownloadPath(), {200, test::MakeZip({{ProductFileName(), "new build"}, {"lib/leia-me.txt", "leia"}})});

    QVERIFY(!Start("1.0.3.12").Inicializar());

    QCOMPARE(restarted_, QStringList{program_});
    QCOMPARE(Read("conv"), QByteArray("new build"));
    QCOMPARE(Read("conv_old"), QByteArray("old build"));
    QCOMPARE(Read("lib/leia-me.txt"), QByteArray("leia"));
    QVERIFY(!QFile::exists(Path(ProductFileName())));
    QVERIFY(QFileInfo(program_).isExecutable());
    QTRY_VERIFY(!QFile::exists(Path("conv.zip")));
    QVERIFY(messages.errors.isEmpty());
    const QList<test::Request> requests = server_->Requests();
    QCOMPARE(requests.size(), 2);
    QCOMPARE(requests[1].path, DownloadPath());
    QCOMPARE(requests[1].accept, QByteArray("application/json, text/plain; q=0.9, text/html;q=0.8,"));
}

void SelfUpdateTest::the_next_start_deletes_the_old_program() {
    QFile old(Path("conv_old"));
    QVERIFY(old.open(QIODevice::WriteOnly));
    old.close();
    PublishVersion(R"({"version":"1.0.3.13"})");
    QVERIFY(Start("1.0.3.13").Inicializar());
    QVERIFY(!QFile::exists(Path("conv_old")));
}

void SelfUpdateTest::the_archive_may_carry_the_program_under_its_own_name() {
    QVERIFY(QFile::rename(program_, Path(ProductFileName())));
    program_ = Path(ProductFileName());
    PublishVersion(R"({"version":"2.0.0.0"})");
    server_->SetAnswer(DownloadPath(), {200, test::MakeZip({{ProductFileName(), "new build"}})});
    QVERIFY(!Start("1.0.3.12").Inicializar());
    QCOMPARE(Read(ProductFileName()), QByteArray("new build"));
    QCOMPARE(Read(ProductFileName() + "_old"), QByteArray("old build"));
    QVERIFY(QFileInfo(program_).isExecutable());
}

void SelfUpdateTest::a_failed_download_or_archive_leaves_the_old_program_data() {
    QTest::addColumn<int>("status");
    QTest::addColumn<QByteArray>("body");
    QTest::addColumn<QString>("outside");  // a file the archive must not have written
    QTest::newRow("not found") << 404 << test::MakeZip({{ProductFileName(), "new build"}}) << QString();
    QTest::newRow("not a zip") << 200 << QByteArray("isto não é um zip") << QString();
    QTest::newRow("zip cut short") << 200 << test::MakeZip({{ProductFileName(), "new build"}}).chopped(10)
                                   << QString();
    QTest::newRow("program missing") << 200 << test::MakeZip({{"outro", "new build"}}) << QString();
    QTest::newRow("entry outside the folder")
        << 200 << test::MakeZip({{ProductFileName(), "new build"}, {"../fora.txt", "x"}}) << "../fora.txt";
}

void SelfUpdateTest::a_failed_download_or_archive_leaves_the_old_program() {
    QFETCH(int, status);
    QFETCH(QByteArray, body);
    QFETCH(QString, outside);
    test::MessageRecorder messages;
    PublishVersion(R"({"version":"1.0.3.13"})");
    server_->SetAnswer(DownloadPath(), {status, body});

    QVERIFY(Start("1.0.3.12").Inicializar());

    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(restarted_.isEmpty());
    QCOMPARE(Read("conv"), QByteArray("old build"));
    QVERIFY(!QFile::exists(Path("conv_old")));
    QVERIFY(!QFile::exists(Path(ProductFileName())));
    if (!outside.isEmpty()) QVERIFY(!QFile::exists(Path(outside)));
    QTRY_VERIFY(!QFile::exists(Path("conv.zip")));
}

void SelfUpdateTest::a_failure_after_the_move_puts_the_old_program_back_data() {
    QTest::addColumn<QByteArray>("archive");
    // A folder where the archive has a file.
    QTest::newRow("entry cannot be written") << test::MakeZip({{ProductFileName(), "new build"}, {"dados", "x"}});
    // Damaged data is only found while unpacking.
    QByteArray damaged = test::MakeZip({{"a", QByteArray(2000, 'a')}, {ProductFileName(), "new build"}});
    damaged[30 + 1 + 4] = damaged[30 + 1 + 4] ^ 0x55;
    QTest::newRow("damaged data") << damaged;
}

void SelfUpdateTest::a_failure_after_the_move_puts_the_old_program_back() {
    QFETCH(QByteArray, archive);
    test::MessageRecorder messages;
    QVERIFY(QDir(folder_->path()).mkdir("dados"));
    PublishVersion(R"({"version":"1.0.3.13"})");
    server_->SetAnswer(DownloadPath(), {200, archive});

    QVERIFY(Start("1.0.3.12").Inicializar());

    QCOMPARE(messages.errors.size(), 1);
    QVERIFY(restarted_.isEmpty());
    QCOMPARE(Read("conv"), QByteArray("old build"));
    QVERIFY(QFileInfo(program_).isExecutable());
    QVERIFY(!QFile::exists(Path("conv_old")));
}

void SelfUpdateTest::without_a_service_nothing_is_asked() {
    TUpdateSettings settings;
    settings.programFile = program_;
    settings.programVersion = "1.0.0.0";
    settings.restart = [this](const QString& p) {
        restarted_ << p;
        return true;
    };
    QVERIFY(TInicializacao(settings).Inicializar());
    QVERIFY(server_->Requests().isEmpty());
}

void SelfUpdateTest::deleting_the_download_gives_up_after_its_tries() {
    QVERIFY(DeleteWithRetries(program_, 3, std::chrono::milliseconds(1)));
    QVERIFY(!QFile::exists(program_));
    // A folder with something in it cannot be deleted as a file.
    QVERIFY(QDir(folder_->path()).mkpath("preso/dentro"));
    QVERIFY(!DeleteWithRetries(Path("preso"), 3, std::chrono::milliseconds(1)));
    QVERIFY(QFile::exists(Path("preso")));
}

}  // namespace qor::gui

QTEST_MAIN(qor::gui::SelfUpdateTest)
#include "self_update_test.moc"
