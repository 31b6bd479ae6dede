#include "helpers/message_recorder.h"

namespace qor::gui::test {

MessageRecorder::MessageRecorder()
    : previous_(SetMessageSink([this](MessageKind kind, const QString& text) {
          (kind == MessageKind::Error ? errors : informations) << text;
      })) {}

MessageRecorder::~MessageRecorder() { SetMessageSink(previous_); }

}  // namespace qor::gui::test
