#pragma once
// The program's four-part file version. The build stamps it into the
// executable as a marked text; it is read back from the program file itself,
// so a file without the stamp (or no file) reads "0.0.0.0".

#include <QString>

namespace qor::gui {

inline constexpr const char* kNoVersion = "0.0.0.0";

// "%d.%d.%d.%d" stamped into the file at `path`, or "0.0.0.0".
QString FileVersion(const QString& path);

// The version of the running program file.
QString ProgramVersion();

}  // namespace qor::gui
