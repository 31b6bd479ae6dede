#include "helpers/message_recorder.h"

#include "gui/gui_thread.h"

namespace qor::gui::test {

MessageRecorder::MessageRecorder()
    : previous_(SetMessageSink([this](MessageKind kind, const QString& text) {
          (kind == MessageKind::Error ? errors : informations) << text;
          off_gui_thread = off_gui_thread || !OnGuiThread();
      })) {}

MessageRecorder::~MessageRecorder() { SetMessageSink(previous_); }

}  // namespace qor::gui::test
