#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <cstdlib>
#include <memory>
#include <stdexcept>
#include <vector>

#include "gui/view_principal.h"
#include "helpers/message_recorder.h"
#include "services/service_list.h"
#include "support/schema_db.h"

namespace qor::gui {

using Page = TViewPrincipal::Page;

namespace {

// The five databases of the run, in page order.
class RunDatabases {
public:
    RunDatabases();
    ~RunDatabases();
    const std::vector<db::ConnectionParams>& Params() const { return params_; }
    // The municipality to convert, as the list shows it; empty: the first.
    QString Municipio() const { return municipio_; }

private:
    std::vector<db::ConnectionParams> params_;
    std::vector<std::unique_ptr<qor::test::TempDatabase>> blank_;
    QString municipio_;
};

#ifdef QOR_SAMPLE_PROGRAM
// The small sample municipality, made by the sample generator.
RunDatabases::RunDatabases() : municipio_("Bauru - SP") {
    const std::string folder = qor::test::Env("QOR_FB_DATA", "/tmp");
    const std::string name = "gui-run-" + std::to_string(QCoreApplication::applicationPid());
    QProcess sample;
    sample.start(QOR_SAMPLE_PROGRAM, {"--size", "small", "--dir", QString::fromStdString(folder), "--name",
                                      QString::fromStdString(name)});
    if (!sample.waitForFinished(300000) || sample.exitCode() != 0) {
        throw std::runtime_error("qor-sample failed: " + sample.readAllStandardError().toStdString());
    }
    for (SchemaKind kind : kAllSchemas) {
        const std::string path = folder + "/" + name + "-" + std::string(SchemaName(kind)) + ".fdb";
        params_.push_back(qor::test::ServerParams(path, kind != SchemaKind::Desktop, kind != SchemaKind::Fotos));
    }
}

RunDatabases::~RunDatabases() {
    if (std::getenv("QOR_KEEP_TEST_DB")) return;
    for (const auto& params : params_) {
        try {
            db::Connection::DropDatabase(params);
        } catch (...) {
            // Left behind; the next run of the sample replaces it.
        }
    }
}
#else
// Without the sample generator: blank databases made from the DDL scripts.
RunDatabases::RunDatabases() {
    for (SchemaKind kind : kAllSchemas) {
        blank_.push_back(qor::test::NewSchemaDatabase(kind, "gui-run-" + std::string(SchemaName(kind))));
        params_.push_back(blank_.back()->Params());
    }
}

RunDatabases::~RunDatabases() = default;
#endif

}  // namespace

// A whole conversion started from the window: the five pages filled as an
// operator would, a municipality chosen, "Converter" pressed.
class WindowRunTest : public QObject {
    Q_OBJECT
private slots:
    void a_run_fills_the_log_list_in_order();
};

void WindowRunTest::a_run_fills_the_log_list_in_order() {
    QTemporaryDir work;  // the run's record goes under the working folder
    const QString previous = QDir::currentPath();
    QDir::setCurrent(work.path());
    const RunDatabases databases;
    test::MessageRecorder messages;
    TViewPrincipal window;
    const QString title = window.windowTitle();

    const char* fields[][4] = {
        {"edtBaseDektop", "edtDskpUserFB", "edtDskpSenhaFB", "edtDskpPortFB"},
        {"edtBaseFotos", "edtFtsUserFB", "edtFtsSenhaFB", "edtFtsPortFB"},
        {"edtBaseWeb", "edtWebUserFB", "edtWebSenhaFB", "edtWebPortFB"},
        {"edtBaseFileserver", "edtFlsUserFB", "edtFlsSenhaFB", "edtFlsPortFB"},
        {"edtBaseFluxo", "edtFlxUserFB", "edtFlxSenhaFB", "edtFlxPortFB"},
    };
    int page = 0;
    for (const db::ConnectionParams& params : databases.Params()) {
        const char* names[] = {"Database", "User_Name", "Password", "Port"};
        for (int i = 0; i < 4; ++i) {
            window.findChild<QLineEdit*>(fields[page][i])->setText(QString::fromStdString(params.Get(names[i]).value()));
        }
        window.findChild<QPushButton*>("btnProximo")->click();
        QCOMPARE(window.CurrentPage(), static_cast<Page>(++page));
    }
    QVERIFY(messages.errors.isEmpty());

    auto* municipios = window.findChild<QComboBox*>("dblkpcbbMunicipio");
    const int chosen = databases.Municipio().isEmpty() ? 0 : municipios->findText(databases.Municipio());
    QVERIFY(chosen >= 0 && chosen < municipios->count());
    municipios->setCurrentIndex(chosen);
    window.dblkpcbbMunicipioClick(chosen);
    window.findChild<QPushButton*>("btnConverter")->click();
    QCOMPARE(window.windowTitle(), title + " - " + municipios->itemText(chosen));
    // Nothing may change the municipality or the web connection under the run.
    QVERIFY(!window.findChild<QPushButton*>("btnVoltar")->isEnabled());
    QVERIFY(!municipios->isEnabled());

    QTRY_VERIFY_WITH_TIMEOUT(!messages.informations.isEmpty(), 240000);
    QCOMPARE(messages.informations, QStringList{"Conversão finalizada com sucesso!"});
    QVERIFY(!window.findChild<QPushButton*>("btnConverter")->isEnabled());
    QVERIFY(!window.findChild<QPushButton*>("btnVoltar")->isEnabled());

    // The list shows the driver's lines in the order it wrote them: the start,
    // one count message per service (each in place of its "Convertendo"
    // line), the end and the duration.
    const QStringList lines = window.findChild<QPlainTextEdit*>("mmoLog")->toPlainText().split('\n');
    QCOMPARE(static_cast<std::size_t>(lines.size()), window.LineCount());
    const std::size_t services = ServiceList().size();
    QCOMPARE(static_cast<std::size_t>(lines.size()), services + 3);
    static const QRegularExpression stamped(R"(^\[\d{2}:\d{2}:\d{2}\] - )");
    for (const QString& line : lines) QVERIFY2(stamped.match(line).hasMatch(), qPrintable(line));
    QVERIFY(lines.first().endsWith(" - Conversão Iniciada"));
    static const QRegularExpression counted(R"(^\[\d{2}:\d{2}:\d{2}\] - \S)");
    for (const QString& line : lines.mid(1, static_cast<qsizetype>(services))) {
        QVERIFY2(counted.match(line).hasMatch() && !line.contains("Convertendo: "), qPrintable(line));
    }
    QVERIFY(lines[lines.size() - 2].endsWith(" - Conversão Finalizada"));
    QVERIFY(lines.last().contains(QRegularExpression(R"( - Duração total: \d{2}:\d{2}:\d{2}$)")));

    // The run's own record of its log agrees with the window, line for line.
    const QStringList records = QDir(work.path()).entryList({"conversao-*"}, QDir::Dirs);
    QCOMPARE(records.size(), 1);
    QFile record(work.path() + "/" + records.first() + "/log.txt");
    QVERIFY(record.open(QIODevice::ReadOnly | QIODevice::Text));
    QCOMPARE(QString::fromUtf8(record.readAll()).trimmed().split('\n'), lines);

    window.show();
    QVERIFY(QTest::qWaitForWindowExposed(&window));
    QVERIFY(window.grab().save(QString(QOR_TEST_OUTPUT_DIR) + "/conversao-concluida.png"));
    QDir::setCurrent(previous);
}

}  // namespace qor::gui

QTEST_MAIN(qor::gui::WindowRunTest)
#include "window_run_test.moc"
