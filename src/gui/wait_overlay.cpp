#include "gui/wait_overlay.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QScreen>
#include <exception>
#include <thread>

#include "gui/activity_indicator.h"
#include "gui/gui_thread.h"
#include "gui/messages.h"

namespace qor::gui {
namespace {

constexpr int kWidth = 400;
constexpr int kHeight = 110;
constexpr int kIndicatorSide = 48;
constexpr int kMargin = 16;

void SetTitleLook(QLabel* title, int point_size, int height) {
    QFont font = title->font();
    font.setPointSize(point_size);
    title->setFont(font);
    title->setFixedHeight(height);
}

}  // namespace

TFrmWait::TFrmWait(QWidget* parent)
    : QDialog(parent, Qt::Dialog | Qt::FramelessWindowHint),
      lblTitle(new QLabel(this)),
      lblSubTitle(new QLabel(this)),
      indicator(new TActivityIndicator(this)) {
    setObjectName("FrmWait");
    setModal(true);
    setFixedSize(kWidth, kHeight);
    setAutoFillBackground(true);
    QPalette palette = this->palette();
    palette.setColor(QPalette::Window, Qt::black);
    palette.setColor(QPalette::WindowText, Qt::white);
    setPalette(palette);
    setWindowOpacity(150 / 255.0);

    lblTitle->setObjectName("lblTitle");
    lblTitle->setWordWrap(true);
    QFont title_font = lblTitle->font();
    title_font.setWeight(QFont::DemiBold);
    lblTitle->setFont(title_font);
    lblSubTitle->setObjectName("lblSubTitle");
    lblSubTitle->setFixedHeight(20);
    indicator->setFixedSize(kIndicatorSide, kIndicatorSide);
    Arrange();

    const QRect area = parent ? parent->frameGeometry() : QGuiApplication::primaryScreen()->availableGeometry();
    move(area.center() - rect().center());
}

void TFrmWait::Arrange() {
    indicator->move(kMargin, (height() - kIndicatorSide) / 2);
    const int left = kMargin * 2 + kIndicatorSide;
    const int text_width = width() - left - kMargin;
    const int block = lblTitle->height() + (lblSubTitle->isHidden() ? 0 : lblSubTitle->height());
    const int top = (height() - block) / 2;
    lblTitle->setGeometry(left, top, text_width, lblTitle->height());
    lblSubTitle->setGeometry(left, top + lblTitle->height(), text_width, lblSubTitle->height());
}

void TFrmWait::resizeEvent(QResizeEvent* event) {
    QDialog::resizeEvent(event);
    Arrange();
}

void TFrmWait::Finish() {
    finished_ = true;
    done(QDialog::Accepted);
}

void TFrmWait::closeEvent(QCloseEvent* event) {
    if (finished_) {
        QDialog::closeEvent(event);
    } else {
        event->ignore();
    }
}

void TFrmWait::reject() {
    if (finished_) QDialog::reject();
}

TWait::TWait(const QString& ATitle) : form_(std::make_unique<TFrmWait>(QApplication::activeWindow())) {
    SetTitle(ATitle);
}

TWait::~TWait() = default;

TWait& TWait::SetTitle(const QString& ATitle) {
    RunOnGuiThreadAndWait(form_.get(), [&] {
        form_->lblTitle->setText(ATitle);
        form_->lblTitle->repaint();
    });
    return *this;
}

TWait& TWait::SetSubTitle(const QString& ASubTitle) {
    RunOnGuiThreadAndWait(form_.get(), [&] {
        form_->lblSubTitle->setText(ASubTitle);
        form_->lblSubTitle->show();
        SetTitleLook(form_->lblTitle, 11, 20);
        form_->Arrange();
        form_->lblSubTitle->repaint();
    });
    return *this;
}

TWait& TWait::HideSubTitle() {
    RunOnGuiThreadAndWait(form_.get(), [&] {
        form_->lblSubTitle->hide();
        SetTitleLook(form_->lblTitle, 12, 48);
        form_->Arrange();
    });
    return *this;
}

TWait& TWait::SetWidth(int AWidth) {
    RunOnGuiThreadAndWait(form_.get(), [&] {
        const QRect before = form_->geometry();
        form_->setFixedWidth(AWidth);
        form_->move(form_->x() - (AWidth - before.width()) / 2, form_->y());
    });
    return *this;
}

TWait& TWait::SetAlphaBlendValue(int AValue) {
    RunOnGuiThreadAndWait(form_.get(), [&] { form_->setWindowOpacity(qBound(0, AValue, 255) / 255.0); });
    return *this;
}

bool TWait::Start(const std::function<void()>& AProcess) {
    bool ended = false;
    bool failed = false;
    std::thread worker([&] {
        QString error;
        try {
            AProcess();
        } catch (const std::exception& e) {
            error = QString::fromUtf8(e.what());
            failed = true;
        } catch (...) {
            error = "Erro desconhecido";
            failed = true;
        }
        // Queued, so it is taken up inside the modal loop below even when the
        // procedure ends before the window has appeared.
        QMetaObject::invokeMethod(
            form_.get(),
            [this, &ended, failed, error] {
                if (failed) ShowMessage(MessageKind::Error, error);
                ended = true;
                form_->Finish();
            },
            Qt::QueuedConnection);
    });
    HideSubTitle();
    // The flag only changes on this thread, so it cannot change between the
    // test and the loop.
    if (!ended) form_->exec();
    worker.join();
    return !failed;
}

}  // namespace qor::gui
