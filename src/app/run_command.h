#pragma once
#include <ostream>
#include <string>

namespace qor::app {

// qor-conversor run: the conversion without the window. The log lines go to
// AOut; errors that stop the run before it starts go to AErr.
int RunRun(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr);

}  // namespace qor::app
