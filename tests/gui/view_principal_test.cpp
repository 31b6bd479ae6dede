#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QPlainTextEdit>
#include <QPushButton>
#include <QStackedWidget>
#include <QTest>
#include <memory>
#include <thread>

#include "gui/view_principal.h"
#include "helpers/message_recorder.h"
#include "support/test_db.h"

namespace qor::gui {

using Page = TViewPrincipal::Page;

namespace {

struct PageFields {
    const char* path;
    const char* user;
    const char* password;
    const char* port;
};

const PageFields kFields[] = {
    {"edtBaseDektop", "edtDskpUserFB", "edtDskpSenhaFB", "edtDskpPortFB"},
    {"edtBaseFotos", "edtFtsUserFB", "edtFtsSenhaFB", "edtFtsPortFB"},
    {"edtBaseWeb", "edtWebUserFB", "edtWebSenhaFB", "edtWebPortFB"},
    {"edtBaseFileserver", "edtFlsUserFB", "edtFlsSenhaFB", "edtFlsPortFB"},
    {"edtBaseFluxo", "edtFlxUserFB", "edtFlxSenhaFB", "edtFlxPortFB"},
};

QString Param(const db::ConnectionParams& params, const char* name) {
    return QString::fromStdString(params.Get(name).value_or("<absent>"));
}

}  // namespace

class ViewPrincipalTest : public QObject {
    Q_OBJECT
private slots:
    void initTestCase();
    void cleanupTestCase();
    void init();
    void cleanup();
    void opens_on_page_one_with_the_defaults();
    void pages_and_buttons_follow_the_state_table();
    void an_empty_field_removes_its_parameter();
    void a_wrong_password_is_shown_and_the_fields_stay_enabled();
    void a_connected_page_is_locked_and_passed_again_without_reconnecting();
    void the_municipality_list_is_filled_once_the_web_database_is_open();
    void picking_another_web_database_reconnects_with_the_new_path();
    void a_cancelled_picker_changes_nothing();
    void converter_without_a_municipality_asks_for_one();
    void run_log_calls_from_another_thread_arrive_in_order();
    void screenshots_of_the_six_pages();

private:
    QLineEdit* Field(const char* name) const { return window_->findChild<QLineEdit*>(name); }
    QPushButton* Button(const char* name) const { return window_->findChild<QPushButton*>(name); }
    QComboBox* Municipios() const { return window_->findChild<QComboBox*>("dblkpcbbMunicipio"); }
    // Fills a database page for the test server.
    void Fill(Page page, const QString& path, const QString& password);
    void Fill(Page page, const QString& path) { Fill(page, path, password_); }
    // Fills every database page and moves on to `last`.
    void GoTo(Page last);
    void Next() { Button("btnProximo")->click(); }
    void Back() { Button("btnVoltar")->click(); }

    static qor::test::TempDatabase* plain_;
    static qor::test::TempDatabase* web_;
    static qor::test::TempDatabase* other_web_;
    QString password_;
    std::unique_ptr<TViewPrincipal> window_;
    std::unique_ptr<test::MessageRecorder> messages_;
};

qor::test::TempDatabase* ViewPrincipalTest::plain_ = nullptr;
qor::test::TempDatabase* ViewPrincipalTest::web_ = nullptr;
qor::test::TempDatabase* ViewPrincipalTest::other_web_ = nullptr;

void ViewPrincipalTest::initTestCase() {
    plain_ = new qor::test::TempDatabase("gui-plain");
    const auto municipalities = [](qor::test::TempDatabase& db, const char* first, const char* second) {
        db.Exec({"create table qor_estado (id_est integer, sigla_est varchar(2))",
                 "create table qor_municipio (id_mun integer, id_est_mun integer, descricao_mun varchar(60))",
                 "create table qor_prontuario (id_pro integer)", "insert into qor_estado values (1, 'SP')",
                 "insert into qor_estado values (2, 'AC')",
                 std::string("insert into qor_municipio values (10, 1, '") + first + "')",
                 std::string("insert into qor_municipio values (11, 2, '") + second + "')"});
    };
    web_ = new qor::test::TempDatabase("gui-web");
    municipalities(*web_, "Zé Doca", "Acrelândia");
    other_web_ = new qor::test::TempDatabase("gui-web-2");
    municipalities(*other_web_, "Bauru", "Xapuri");
    password_ = QString::fromStdString(qor::test::Env("QOR_FB_SYSDBA_PASSWORD", "plemtu"));
}

void ViewPrincipalTest::cleanupTestCase() {
    delete plain_;
    delete web_;
    delete other_web_;
}

void ViewPrincipalTest::init() {
    messages_ = std::make_unique<test::MessageRecorder>();
    window_ = std::make_unique<TViewPrincipal>();
}

void ViewPrincipalTest::cleanup() {
    window_.reset();
    messages_.reset();
}

void ViewPrincipalTest::Fill(Page page, const QString& path, const QString& password) {
    Field(kFields[page].path)->setText(path);
    Field(kFields[page].user)->setText("SYSDBA");
    Field(kFields[page].password)->setText(password);
    Field(kFields[page].port)->setText(QString::fromStdString(qor::test::Env("QOR_FB_PORT", "3056")));
}

void ViewPrincipalTest::GoTo(Page last) {
    for (int page = Page::tbsDesktop; page < last; ++page) {
        Fill(static_cast<Page>(page), QString::fromStdString(page == Page::tbsWeb ? web_->Path() : plain_->Path()));
        Next();
    }
    QCOMPARE(window_->CurrentPage(), last);
}

void ViewPrincipalTest::opens_on_page_one_with_the_defaults() {
    QCOMPARE(window_->windowTitle(), QString("Conversor QOR (MorvaleqD2W) - Versão: ") + QOR_EXPECTED_VERSION);
    QCOMPARE(QString::fromStdString(window_->Title()), window_->windowTitle());
    QCOMPARE(window_->minimumSize(), QSize(703, 634));
    QCOMPARE(window_->maximumSize(), QSize(703, 634));
    QVERIFY(!window_->windowFlags().testFlag(Qt::WindowMaximizeButtonHint));
    QVERIFY(window_->windowFlags().testFlag(Qt::WindowMinimizeButtonHint));
    QCOMPARE(window_->CurrentPage(), Page::tbsDesktop);
    QVERIFY(Button("btnVoltar")->isHidden());
    QVERIFY(Button("btnProximo")->isEnabled());

    const char* files[] = {"QOR_DESKTOP.FDB", "QOR_FOTOS.FDB", "QOR.FDB", "FILESERVER.FDB", "MORVALEQDOC.FDB"};
    for (int page = 0; page < 5; ++page) {
        QVERIFY(Field(kFields[page].path)->text().endsWith(files[page]));
        QVERIFY(Field(kFields[page].user)->text().isEmpty());
        QVERIFY(Field(kFields[page].password)->text().isEmpty());
        QVERIFY(Field(kFields[page].port)->text().isEmpty());
        QCOMPARE(Field(kFields[page].password)->echoMode(), QLineEdit::Password);
    }
    QCOMPARE(Municipios()->maxVisibleItems(), 12);
    QCOMPARE(Municipios()->count(), 0);
    QCOMPARE(window_->Provider().Municipio(), 0);
}

void ViewPrincipalTest::pages_and_buttons_follow_the_state_table() {
    struct Step {
        char action;  // 'P' "Próximo", 'V' "Voltar"
        Page page;
        bool back_shown;
        bool next_enabled;
    };
    const Step steps[] = {
        {'P', Page::tbsDesktopFoto, true, true}, {'P', Page::tbsWeb, true, true},
        {'P', Page::tbsFileserver, true, true},  {'P', Page::tbsPapyrant, true, true},
        {'P', Page::tbsConversao, true, false},  {'V', Page::tbsPapyrant, true, true},
        {'V', Page::tbsFileserver, true, true},  {'V', Page::tbsWeb, true, true},
        {'V', Page::tbsDesktopFoto, true, true}, {'V', Page::tbsDesktop, false, true},
        {'P', Page::tbsDesktopFoto, true, true}, {'P', Page::tbsWeb, true, true},
        {'P', Page::tbsFileserver, true, true},  {'P', Page::tbsPapyrant, true, true},
        {'P', Page::tbsConversao, true, false},
    };
    for (int page = 0; page < 5; ++page) {
        Fill(static_cast<Page>(page), QString::fromStdString(page == Page::tbsWeb ? web_->Path() : plain_->Path()));
    }
    int n = 0;
    for (const Step& step : steps) {
        step.action == 'P' ? Next() : Back();
        const QByteArray where = "step " + QByteArray::number(++n);
        QVERIFY2(window_->CurrentPage() == step.page, where);
        QVERIFY2(Button("btnVoltar")->isHidden() != step.back_shown, where);
        QVERIFY2(Button("btnProximo")->isEnabled() == step.next_enabled, where);
    }
    QVERIFY(messages_->errors.isEmpty());
    for (db::Connection* c : {&window_->Provider().ConDesktop, &window_->Provider().ConFotos, &window_->Provider().ConWeb,
                              &window_->Provider().ConFileServer, &window_->Provider().ConPapyrant}) {
        QVERIFY(c->IsOpen());
    }
}

void ViewPrincipalTest::an_empty_field_removes_its_parameter() {
    Fill(Page::tbsDesktop, QString::fromStdString(plain_->Path()));
    Field(kFields[0].user)->clear();
    Next();
    const db::ConnectionParams& params = window_->Provider().ConDesktop.Params();
    QCOMPARE(Param(params, "User_Name"), "<absent>");  // not the design-time "VBLMRTQ8"
    QCOMPARE(Param(params, "Database"), QString::fromStdString(plain_->Path()));
    // Without a user the client's own default applies, and the server refuses it.
    QVERIFY(!window_->Provider().ConDesktop.IsOpen());
    QCOMPARE(messages_->errors.size(), 1);
    QCOMPARE(window_->CurrentPage(), Page::tbsDesktop);
}

void ViewPrincipalTest::a_wrong_password_is_shown_and_the_fields_stay_enabled() {
    Fill(Page::tbsDesktop, QString::fromStdString(plain_->Path()), "senha-errada");
    Next();
    QCOMPARE(messages_->errors.size(), 1);
    QVERIFY(!messages_->errors[0].isEmpty());
    QVERIFY(!messages_->errors[0].contains("senha-errada"));
    QCOMPARE(window_->CurrentPage(), Page::tbsDesktop);
    QVERIFY(!window_->Provider().ConDesktop.IsOpen());
    for (const char* name : {kFields[0].path, kFields[0].user, kFields[0].password, kFields[0].port}) {
        QVERIFY(Field(name)->isEnabled());
    }
    // Corrected, the same page connects.
    Field(kFields[0].password)->setText(password_);
    Next();
    QCOMPARE(window_->CurrentPage(), Page::tbsDesktopFoto);
}

void ViewPrincipalTest::a_connected_page_is_locked_and_passed_again_without_reconnecting() {
    GoTo(Page::tbsDesktopFoto);
    Back();
    for (const char* name : {kFields[0].path, kFields[0].user, kFields[0].password, kFields[0].port}) {
        QVERIFY(!Field(name)->isEnabled());
    }
    Field(kFields[0].path)->setText("/nao/existe.fdb");
    Next();
    QCOMPARE(window_->CurrentPage(), Page::tbsDesktopFoto);
    QVERIFY(messages_->errors.isEmpty());
    QCOMPARE(Param(window_->Provider().ConDesktop.Params(), "Database"), QString::fromStdString(plain_->Path()));
    QVERIFY(window_->Provider().ConDesktop.IsOpen());
}

void ViewPrincipalTest::the_municipality_list_is_filled_once_the_web_database_is_open() {
    GoTo(Page::tbsWeb);
    QCOMPARE(Municipios()->count(), 0);
    QVERIFY(!window_->Provider().qryConMunicipio.Active());
    Fill(Page::tbsWeb, QString::fromStdString(web_->Path()));
    Next();
    QCOMPARE(Municipios()->count(), 2);
    QCOMPARE(Municipios()->itemText(0), "Acrelândia - AC");
    QCOMPARE(Municipios()->itemText(1), "Zé Doca - SP");
    QCOMPARE(Municipios()->currentIndex(), -1);
    QCOMPARE(window_->Provider().Municipio(), 0);

    window_->dblkpcbbMunicipioClick(1);
    QCOMPARE(window_->Provider().Municipio(), 10);
    QCOMPARE(window_->Provider().qryConMunicipio.FieldByName("descricao_mun").AsString(), "Zé Doca - SP");
}

void ViewPrincipalTest::picking_another_web_database_reconnects_with_the_new_path() {
    GoTo(Page::tbsFileserver);
    window_->dblkpcbbMunicipioClick(0);
    QCOMPARE(window_->Provider().Municipio(), 11);
    Back();
    QCOMPARE(window_->CurrentPage(), Page::tbsWeb);

    const QString other = QString::fromStdString(other_web_->Path());
    window_->SetFilePicker([other] { return std::optional<QString>(other); });
    Button("btnLoadBaseWeb")->click();
    QCOMPARE(Field(kFields[Page::tbsWeb].path)->text(), other);
    QVERIFY(!window_->Provider().ConWeb.IsOpen());
    QCOMPARE(window_->Provider().Municipio(), 0);  // it belonged to the old database
    QCOMPARE(Municipios()->count(), 0);

    Next();
    QCOMPARE(window_->CurrentPage(), Page::tbsFileserver);
    QVERIFY(window_->Provider().ConWeb.IsOpen());
    QCOMPARE(Param(window_->Provider().ConWeb.Params(), "Database"), other);
    QCOMPARE(Municipios()->count(), 2);
    QCOMPARE(Municipios()->itemText(0), "Bauru - SP");

    // On another page a new path only changes the field.
    Back();
    Back();
    window_->SetFilePicker([] { return std::optional<QString>("/outro/FOTOS.FDB"); });
    Button("btnLoadBaseFts")->click();
    QCOMPARE(Field(kFields[Page::tbsDesktopFoto].path)->text(), "/outro/FOTOS.FDB");
    QVERIFY(window_->Provider().ConFotos.IsOpen());
    QVERIFY(window_->Provider().ConWeb.IsOpen());
}

void ViewPrincipalTest::a_cancelled_picker_changes_nothing() {
    GoTo(Page::tbsFileserver);
    window_->dblkpcbbMunicipioClick(0);
    Back();
    window_->SetFilePicker([] { return std::nullopt; });
    Button("btnLoadBaseWeb")->click();
    QCOMPARE(Field(kFields[Page::tbsWeb].path)->text(), QString::fromStdString(web_->Path()));
    QVERIFY(window_->Provider().ConWeb.IsOpen());
    QCOMPARE(window_->Provider().Municipio(), 11);
}

void ViewPrincipalTest::converter_without_a_municipality_asks_for_one() {
    GoTo(Page::tbsConversao);
    window_->Append("linha antiga");
    Button("btnConverter")->click();
    QCOMPARE(messages_->informations, QStringList{"Informe um município para iniciar a conversão"});
    QCOMPARE(window_->LineCount(), 0u);
    QVERIFY(window_->findChild<QPlainTextEdit*>("mmoLog")->toPlainText().isEmpty());
    QVERIFY(Button("btnConverter")->isEnabled());
}

void ViewPrincipalTest::run_log_calls_from_another_thread_arrive_in_order() {
    window_->Append("linha antiga");
    std::size_t first = 0, converting = 0, error = 0, count = 0;
    std::thread worker([&] {
        IRunLog& log = *window_;
        log.Clear();
        first = log.Append("[10:00:00] - Conversão Iniciada");
        converting = log.Append("Convertendo: Bairro");
        log.ReplaceLine(converting, "[10:00:01] - Bairros: 3 - Registro(s) Convertido(s)!");
        error = log.Append("\nerro do banco");  // a batch error begins with a line break
        count = log.LineCount();
        log.SetTitle("Conversor - Bauru - SP");
        log.DisableStartAndBack();
        log.ShowMessage("Conversão finalizada com sucesso!");
    });
    worker.join();
    QCOMPARE(first, 0u);
    QCOMPARE(converting, 1u);
    QCOMPARE(error, 2u);
    QCOMPARE(count, 4u);  // answered on the worker, before the GUI thread got to any of it
    QVERIFY(Button("btnConverter")->isEnabled());

    QTRY_COMPARE(messages_->informations, QStringList{"Conversão finalizada com sucesso!"});
    QCOMPARE(window_->findChild<QPlainTextEdit*>("mmoLog")->toPlainText().split('\n'),
             (QStringList{"[10:00:00] - Conversão Iniciada", "[10:00:01] - Bairros: 3 - Registro(s) Convertido(s)!", "",
                          "erro do banco"}));
    QCOMPARE(window_->windowTitle(), "Conversor - Bauru - SP");
    QVERIFY(!Button("btnConverter")->isEnabled());
    QVERIFY(!Button("btnVoltar")->isEnabled());
    QVERIFY(!messages_->off_gui_thread);
}

void ViewPrincipalTest::screenshots_of_the_six_pages() {
    window_->show();
    QVERIFY(QTest::qWaitForWindowExposed(window_.get()));
    for (int page = Page::tbsDesktop; page <= Page::tbsConversao; ++page) {
        if (page > Page::tbsDesktop) {
            Fill(static_cast<Page>(page - 1),
                 QString::fromStdString(page - 1 == Page::tbsWeb ? web_->Path() : plain_->Path()));
            Next();
        }
        QCOMPARE(window_->CurrentPage(), static_cast<Page>(page));
        if (page == Page::tbsConversao) {
            Municipios()->setCurrentIndex(0);
            window_->dblkpcbbMunicipioClick(0);
        }
        const QString file = QString("%1/pagina-%2.png").arg(QOR_TEST_OUTPUT_DIR).arg(page + 1);
        QVERIFY(window_->grab().save(file));
    }
}

}  // namespace qor::gui

QTEST_MAIN(qor::gui::ViewPrincipalTest)
#include "view_principal_test.moc"
