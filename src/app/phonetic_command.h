#pragma once
// `qor-conversor phonetic`: reads names from standard input, one per line,
// and prints "name<TAB>phonetic text<TAB>codes" for each.

#include <istream>
#include <ostream>

namespace qor::app {

// Returns the process exit status: 0, or 1 after reporting a failure on
// standard error. For speed the caller should have turned off the stdio sync.
int RunPhoneticCommand(std::istream& in, std::ostream& out);

}  // namespace qor::app
