#pragma once
#include <ostream>
#include <string>

namespace qor::app {

// qor-conversor recover: drops the temporary columns that a run which did
// not reach its end left in the web database, so that a new run can add
// them again. Refused once case records have been written.
int RunRecover(const std::string& AConfigFile, std::ostream& AOut, std::ostream& AErr);

}  // namespace qor::app
