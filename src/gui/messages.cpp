#include "gui/messages.h"

#include <QApplication>
#include <QMessageBox>
#include <iostream>
#include <mutex>

#include "gui/gui_thread.h"

namespace qor::gui {
namespace {

std::mutex sink_mutex;
MessageSink sink;

void ShowBox(MessageKind kind, const QString& text) {
    QWidget* parent = QApplication::activeWindow();
    if (kind == MessageKind::Error) {
        QMessageBox::critical(parent, QApplication::applicationName(), text);
    } else {
        QMessageBox::information(parent, QApplication::applicationName(), text);
    }
}

}  // namespace

void ShowMessage(MessageKind kind, const QString& text) {
    MessageSink current;
    {
        std::lock_guard lock(sink_mutex);
        current = sink;
    }
    auto* app = QCoreApplication::instance();
    if (!app) {
        // Before the application exists there is no one to show a box to.
        std::cerr << text.toStdString() << '\n';
        return;
    }
    RunOnGuiThreadAndWait(app, [&] {
        if (current) {
            current(kind, text);
        } else {
            ShowBox(kind, text);
        }
    });
}

MessageSink SetMessageSink(MessageSink replacement) {
    std::lock_guard lock(sink_mutex);
    return std::exchange(sink, std::move(replacement));
}

}  // namespace qor::gui
