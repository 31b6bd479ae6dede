#pragma once
#include <ostream>
#include <string>

namespace qor::app {

// qor-conversor check: opens the five connections and checks, without
// writing anything, what a run needs: a blank web database without leftover
// temporary columns, the municipality, and every web table and column the
// run writes. One verdict line per check.
int RunCheck(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr);

}  // namespace qor::app
