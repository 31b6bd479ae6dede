#pragma once
// The wait overlay: runs a procedure on a worker thread while a small modal,
// borderless, semi-transparent window with an activity indicator keeps the
// operator waiting, and closes itself when the procedure ends.

#include <QDialog>
#include <functional>
#include <memory>

class QLabel;

namespace qor::gui {

class TActivityIndicator;

class TFrmWait : public QDialog {
    Q_OBJECT
    Q_CLASSINFO("Unit", "gui/wait_overlay")
public:
    explicit TFrmWait(QWidget* parent = nullptr);

    QLabel* lblTitle;
    QLabel* lblSubTitle;
    TActivityIndicator* indicator;

    // Lets the overlay close; until then Escape and the window manager cannot.
    void Finish();
    // Places the indicator and the labels for the current size and labels.
    void Arrange();

protected:
    void resizeEvent(QResizeEvent* event) override;
    void closeEvent(QCloseEvent* event) override;
    void reject() override;

private:
    bool finished_ = false;
};

class TWait {
public:
    // Creates the overlay window, centred over the active window or, when
    // there is none, on the screen.
    explicit TWait(const QString& ATitle);
    ~TWait();
    TWait(const TWait&) = delete;
    TWait& operator=(const TWait&) = delete;

    // Each of these may be called from the procedure's thread: the change is
    // made on the GUI thread, and the call returns once it is made.
    TWait& SetTitle(const QString& ATitle);
    TWait& SetSubTitle(const QString& ASubTitle);
    TWait& HideSubTitle();
    // Keeps the window's centre where it was.
    TWait& SetWidth(int AWidth);
    // 0 (invisible) to 255 (opaque).
    TWait& SetAlphaBlendValue(int AValue);

    // Runs AProcess on a worker thread and shows the overlay modally until it
    // ends. An error it raises is shown in an error box. Returns when the
    // overlay has closed; true when the procedure ended without an error.
    bool Start(const std::function<void()>& AProcess);

    TFrmWait& Form() { return *form_; }

private:
    std::unique_ptr<TFrmWait> form_;
};

}  // namespace qor::gui
