#pragma once
// DDL scripts as isql reads them: a statement ends at the current terminator,
// ";" at first; "set term" changes it so that trigger bodies may hold
// semicolons. Terminators inside string literals, quoted names and comments
// do not count. Comments are left out of the statements.

#include <string>
#include <string_view>
#include <vector>

namespace qor {

// The statements of a script, in order, without their terminators. A script
// that ends inside a statement, string, quoted name or comment raises an
// error naming the line where that piece began.
std::vector<std::string> SplitSqlScript(std::string_view script);

}  // namespace qor
