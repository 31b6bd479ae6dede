#pragma once
// Collects the message boxes the code under test would show.

#include <QString>
#include <QStringList>

#include "gui/messages.h"

namespace qor::gui::test {

class MessageRecorder {
public:
    MessageRecorder();
    ~MessageRecorder();

    QStringList errors;
    QStringList informations;
    // Set when a box was asked for off the GUI thread.
    bool off_gui_thread = false;

    void Clear() {
        errors.clear();
        informations.clear();
        off_gui_thread = false;
    }

private:
    MessageSink previous_;
};

}  // namespace qor::gui::test
