#pragma once
// Reading a zip archive and unpacking it into a folder. Entry names that
// would land outside the folder (absolute paths, drive letters, "..") are
// refused before anything is written.

#include <filesystem>
#include <stdexcept>
#include <string>
#include <vector>

struct zip;

namespace qor::gui {

class TZipError : public std::runtime_error {
public:
    using std::runtime_error::runtime_error;
};

class TZipArchive {
public:
    // Opens the archive and checks every entry name; raises TZipError.
    explicit TZipArchive(const std::filesystem::path& file);
    ~TZipArchive();
    TZipArchive(const TZipArchive&) = delete;
    TZipArchive& operator=(const TZipArchive&) = delete;

    const std::vector<std::string>& EntryNames() const { return names_; }
    bool Contains(const std::string& name) const;

    // Writes every entry under `folder`, replacing files of the same name.
    // Each file is written beside its target and then renamed onto it, so a
    // file in use (the running program) is replaced, not overwritten.
    void ExtractAll(const std::filesystem::path& folder) const;

private:
    ::zip* archive_ = nullptr;
    std::filesystem::path file_;
    std::vector<std::string> names_;
};

// True when an entry name stays inside the folder it is unpacked into.
bool IsSafeEntryName(const std::string& name);

}  // namespace qor::gui
