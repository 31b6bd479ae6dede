#pragma once
// The program without a subcommand: the start-up update, then the wizard.

namespace qor::gui {

int RunWindowProgram(int argc, char** argv);

}  // namespace qor::gui
