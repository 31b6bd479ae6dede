#pragma once
#include <ostream>

namespace qor::app {

// Creates a scratch database on the server named by the QOR_FB_* environment
// variables, attaches to it and prints the server's version.
int RunProbe(std::ostream& out, std::ostream& err);

}  // namespace qor::app
