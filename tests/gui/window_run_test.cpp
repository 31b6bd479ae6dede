#include <QComboBox>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <memory>

#include "gui/view_principal.h"
#include "helpers/message_recorder.h"
#include "services/service_list.h"
#include "support/schema_db.h"

namespace qor::gui {

using Page = TViewPrincipal::Page;

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
    const std::unique_ptr<qor::test::TempDatabase> databases[] = {
        qor::test::NewSchemaDatabase(SchemaKind::Desktop, "gui-run-desktop"),
        qor::test::NewSchemaDatabase(SchemaKind::Fotos, "gui-run-fotos"),
        qor::test::NewSchemaDatabase(SchemaKind::Web, "gui-run-web"),
        qor::test::NewSchemaDatabase(SchemaKind::FileServer, "gui-run-fileserver"),
        qor::test::NewSchemaDatabase(SchemaKind::Papyrant, "gui-run-papyrant"),
    };
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
    for (const auto& database : databases) {
        const db::ConnectionParams params = database->Params();
        const char* names[] = {"Database", "User_Name", "Password", "Port"};
        for (int i = 0; i < 4; ++i) {
            window.findChild<QLineEdit*>(fields[page][i])->setText(QString::fromStdString(params.Get(names[i]).value()));
        }
        window.findChild<QPushButton*>("btnProximo")->click();
        QCOMPARE(window.CurrentPage(), static_cast<Page>(++page));
    }
    QVERIFY(messages.errors.isEmpty());

    auto* municipios = window.findChild<QComboBox*>("dblkpcbbMunicipio");
    QVERIFY(municipios->count() > 0);
    municipios->setCurrentIndex(0);
    window.dblkpcbbMunicipioClick(0);
    window.findChild<QPushButton*>("btnConverter")->click();
    QCOMPARE(window.windowTitle(), title + " - " + municipios->itemText(0));
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
    for (const QString& line : lines.mid(1, static_cast<qsizetype>(services))) {
        QVERIFY2(line.contains("Registro(s) Convertido(s)!") || line.contains("Convertido!"), qPrintable(line));
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
