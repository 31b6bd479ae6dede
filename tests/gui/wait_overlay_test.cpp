#include <QLabel>
#include <QTest>
#include <atomic>
#include <stdexcept>

#include "gui/gui_thread.h"
#include "gui/wait_overlay.h"
#include "helpers/message_recorder.h"

namespace qor::gui {

class WaitOverlayTest : public QObject {
    Q_OBJECT
private slots:
    void looks_like_an_overlay();
    void set_width_keeps_the_centre();
    void runs_the_procedure_off_the_gui_thread_behind_a_modal_window();
    void an_error_is_shown_and_the_overlay_closes();
    void a_procedure_that_ends_at_once_still_closes_the_overlay();
    void subtitle_rules();
};

void WaitOverlayTest::looks_like_an_overlay() {
    TWait wait("Atualizando...");
    TFrmWait& form = wait.Form();
    QCOMPARE(form.size(), QSize(400, 110));
    QVERIFY(form.windowFlags().testFlag(Qt::FramelessWindowHint));
    QCOMPARE(qRound(form.windowOpacity() * 255), 150);
    QCOMPARE(form.lblTitle->text(), "Atualizando...");
    QCOMPARE(form.palette().color(QPalette::Window), QColor(Qt::black));
    wait.SetAlphaBlendValue(220);
    QCOMPARE(qRound(form.windowOpacity() * 255), 220);
}

void WaitOverlayTest::set_width_keeps_the_centre() {
    TWait wait("x");
    const int left = wait.Form().x();
    const int centre = wait.Form().geometry().center().x();
    wait.SetWidth(360);
    QCOMPARE(wait.Form().width(), 360);
    QCOMPARE(wait.Form().x(), left + 20);
    QCOMPARE(wait.Form().geometry().center().x(), centre);
}

void WaitOverlayTest::runs_the_procedure_off_the_gui_thread_behind_a_modal_window() {
    test::MessageRecorder messages;
    TWait wait("Atualizando...");
    std::atomic<bool> off_gui_thread = false;
    bool seen_modal = false;
    const bool ok = wait.Start([&] {
        off_gui_thread = !OnGuiThread();
        // Changes from the worker are made on the GUI thread.
        wait.SetWidth(360).SetTitle("Baixando");
        for (int i = 0; i < 200 && !seen_modal; ++i) {
            RunOnGuiThreadAndWait(&wait.Form(), [&] { seen_modal = wait.Form().isVisible() && wait.Form().isModal(); });
            if (!seen_modal) QThread::msleep(10);
        }
    });
    QVERIFY(ok);
    QVERIFY(off_gui_thread);
    QVERIFY(seen_modal);
    QVERIFY(!wait.Form().isVisible());
    QCOMPARE(wait.Form().width(), 360);
    QCOMPARE(wait.Form().lblTitle->text(), "Baixando");
    QVERIFY(messages.errors.isEmpty());
}

void WaitOverlayTest::an_error_is_shown_and_the_overlay_closes() {
    test::MessageRecorder messages;
    TWait wait("x");
    QVERIFY(!wait.Start([] { throw std::runtime_error("falha no download"); }));
    QCOMPARE(messages.errors, QStringList{"falha no download"});
    QVERIFY(!messages.off_gui_thread);
    QVERIFY(!wait.Form().isVisible());
}

void WaitOverlayTest::a_procedure_that_ends_at_once_still_closes_the_overlay() {
    for (int i = 0; i < 20; ++i) {
        TWait wait("x");
        QVERIFY(wait.Start([] {}));
        QVERIFY(!wait.Form().isVisible());
    }
}

void WaitOverlayTest::subtitle_rules() {
    TWait wait("Título");
    wait.SetSubTitle("passo 1");
    QVERIFY(!wait.Form().lblSubTitle->isHidden());
    QCOMPARE(wait.Form().lblSubTitle->text(), "passo 1");
    QCOMPARE(wait.Form().lblTitle->font().pointSize(), 11);
    QCOMPARE(wait.Form().lblTitle->height(), 20);
    wait.HideSubTitle();
    QVERIFY(wait.Form().lblSubTitle->isHidden());
    QCOMPARE(wait.Form().lblTitle->font().pointSize(), 12);
    QCOMPARE(wait.Form().lblTitle->height(), 48);
}

}  // namespace qor::gui

QTEST_MAIN(qor::gui::WaitOverlayTest)
#include "wait_overlay_test.moc"
