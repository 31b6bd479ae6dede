#include <QApplication>
#include <QDir>
#include <QFile>
#include <QImage>
#include <QLineEdit>
#include <QRegularExpression>
#include <QTemporaryDir>
#include <QTest>
#include <QVBoxLayout>

#include "gui/error_log.h"
#include "helpers/message_recorder.h"

namespace qor::gui {

class ErrorLogTest : public QObject {
    Q_OBJECT
private slots:
    void init();
    void cleanup();
    void two_entries_append_to_one_file_with_a_picture_each();
    void without_a_window_the_entry_is_still_written();
    void write_and_show_message_shows_the_message();
    void a_folder_that_cannot_be_made_raises();
    void operating_system_line_names_the_distribution();

private:
    QStringList Entries() const;

    std::unique_ptr<QTemporaryDir> work_;
    QString previous_folder_;
};

void ErrorLogTest::init() {
    work_ = std::make_unique<QTemporaryDir>();
    previous_folder_ = QDir::currentPath();
    QVERIFY(QDir::setCurrent(work_->path()));
}

void ErrorLogTest::cleanup() {
    QDir::setCurrent(previous_folder_);
    work_.reset();
}

QStringList ErrorLogTest::Entries() const {
    QFile file(work_->path() + "/log/log.txt");
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromLocal8Bit(file.readAll()).split('\n', Qt::SkipEmptyParts);
}

void ErrorLogTest::two_entries_append_to_one_file_with_a_picture_each() {
    QWidget window;
    window.setObjectName("JanelaTeste");
    auto* field = new QLineEdit(&window);
    field->setObjectName("edtTeste");
    new QVBoxLayout(&window);
    window.layout()->addWidget(field);
    window.resize(200, 80);
    window.show();
    QApplication::setActiveWindow(&window);
    QVERIFY(QTest::qWaitForWindowActive(&window));
    field->setFocus();

    auto log = TLog::New();
    log->Write("primeiro erro", "EPrimeiro");
    QTest::qWait(1100);  // the pictures are named by the second
    log->Write("segundo erro", "ESegundo");

    const QStringList lines = Entries();
    QCOMPARE(lines.size(), 18);
    const QStringList labels = {"Data/Hora.......: ", "Mensagem........: ", "Classe Exceção..: ",
                                "Formulário......: ", "Unit............: ", "Controle Visual.: ",
                                "Usuário.........: ", "Versão Windows..: "};
    for (int entry = 0; entry < 2; ++entry) {
        for (int i = 0; i < labels.size(); ++i) QVERIFY2(lines[entry * 9 + i].startsWith(labels[i]), qPrintable(lines[entry * 9 + i]));
        QCOMPARE(lines[entry * 9 + 8], QString(70, '-'));
        QCOMPARE(lines[entry * 9 + 3], "Formulário......: JanelaTeste");
        QCOMPARE(lines[entry * 9 + 5], "Controle Visual.: edtTeste");
        QVERIFY(lines[entry * 9 + 6].size() > labels[6].size());
    }
    QCOMPARE(lines[1], "Mensagem........: primeiro erro");
    QCOMPARE(lines[2], "Classe Exceção..: EPrimeiro");
    QCOMPARE(lines[10], "Mensagem........: segundo erro");
    QCOMPARE(lines[11], "Classe Exceção..: ESegundo");

    // Under the working folder, not the program's.
    QVERIFY(QDir(work_->path()).canonicalPath() != QDir(QCoreApplication::applicationDirPath()).canonicalPath());
    const QStringList pictures = QDir(work_->path() + "/log/img").entryList(QDir::Files, QDir::Name);
    QCOMPARE(pictures.size(), 2);
    static const QRegularExpression stamp(R"(^\d{2}-\d{2}-\d{4}_\d{2}-\d{2}-\d{2}\.jpg$)");
    for (const QString& name : pictures) {
        QVERIFY2(stamp.match(name).hasMatch(), qPrintable(name));
        const QImage picture(work_->path() + "/log/img/" + name, "JPG");
        QCOMPARE(picture.size(), window.size());
    }
}

void ErrorLogTest::without_a_window_the_entry_is_still_written() {
    TLog::New()->Write("sem janela", "ETeste");
    const QStringList lines = Entries();
    QCOMPARE(lines.size(), 9);
    QCOMPARE(lines[3], "Formulário......: ");
    QCOMPARE(lines[5], "Controle Visual.: ");
    QVERIFY(!QDir(work_->path() + "/log/img").exists() ||
            QDir(work_->path() + "/log/img").entryList(QDir::Files).isEmpty());
}

void ErrorLogTest::write_and_show_message_shows_the_message() {
    test::MessageRecorder messages;
    TLog::New()->WriteAndShowMessage("falhou", "ETeste");
    QCOMPARE(messages.errors, QStringList{"falhou"});
    QCOMPARE(Entries().size(), 9);
}

void ErrorLogTest::a_folder_that_cannot_be_made_raises() {
    QFile blocker(work_->path() + "/log");
    QVERIFY(blocker.open(QIODevice::WriteOnly));
    blocker.close();
    QVERIFY_THROWS_EXCEPTION(std::runtime_error, TLog::New()->Write("x", "E"));
}

void ErrorLogTest::operating_system_line_names_the_distribution() {
    QFile release("/etc/os-release");
    if (!release.open(QIODevice::ReadOnly)) QSKIP("no /etc/os-release");
    static const QRegularExpression pretty("^PRETTY_NAME=\"?([^\"\\n]*)\"?$", QRegularExpression::MultilineOption);
    const auto match = pretty.match(QString::fromUtf8(release.readAll()));
    QVERIFY(match.hasMatch());
    QCOMPARE(OperatingSystemName(), match.captured(1));
}

}  // namespace qor::gui

QTEST_MAIN(qor::gui::ErrorLogTest)
#include "error_log_test.moc"
