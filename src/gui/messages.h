#pragma once
// Message boxes go through one replaceable sink, so that the tests (which
// run without anyone to press OK) can read what the operator would see.
// The sink is always called on the GUI thread.

#include <QString>
#include <functional>

namespace qor::gui {

enum class MessageKind { Information, Error };

using MessageSink = std::function<void(MessageKind, const QString&)>;

// Shows a message box (modal), from any thread: a call from another thread
// waits until the GUI thread has shown it and it was closed.
void ShowMessage(MessageKind kind, const QString& text);

// Replaces the sink; an empty sink restores the message boxes. Returns the
// previous sink.
MessageSink SetMessageSink(MessageSink sink);

}  // namespace qor::gui
