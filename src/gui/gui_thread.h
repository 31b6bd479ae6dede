#pragma once
// Running a piece of work on the GUI thread from any thread.

#include <QCoreApplication>
#include <QMetaObject>
#include <QThread>
#include <utility>

namespace qor::gui {

inline bool OnGuiThread() {
    auto* app = QCoreApplication::instance();
    return app && QThread::currentThread() == app->thread();
}

// Runs `work` on the thread of `context` (the GUI thread for widgets): at
// once when already there, otherwise as a queued call that this call waits
// for. Calls from one thread are carried out in the order they were made.
template <typename Work>
void RunOnGuiThreadAndWait(QObject* context, Work&& work) {
    if (QThread::currentThread() == context->thread()) {
        work();
    } else {
        QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::BlockingQueuedConnection);
    }
}

// As above, but a call from another thread returns at once.
template <typename Work>
void RunOnGuiThread(QObject* context, Work&& work) {
    if (QThread::currentThread() == context->thread()) {
        work();
    } else {
        QMetaObject::invokeMethod(context, std::forward<Work>(work), Qt::QueuedConnection);
    }
}

}  // namespace qor::gui
