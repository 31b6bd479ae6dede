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

    void Clear() {
        errors.clear();
        informations.clear();
    }

private:
    MessageSink previous_;
};

}  // namespace qor::gui::test
