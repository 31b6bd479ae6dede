#pragma once
// Every run leaves its record on disk, whatever its front end: the log lines
// as the run left them (log.txt) and a report per service and script
// (relatorio.json), in a folder named by the run's start time. Neither holds
// connection parameters, so no password can reach them.

#include <filesystem>

#include "core/conversion_driver.h"

namespace qor {

// Writes the record into a new folder "conversao-YYYYMMDD-HHMMSS" under
// AParent and returns the folder.
std::filesystem::path WriteRunRecord(const TRunReport& AReport, const std::filesystem::path& AParent);

}  // namespace qor
