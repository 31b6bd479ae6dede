#include "gui/zip_archive.h"

#include <zip.h>

#include <algorithm>
#include <fstream>
#include <memory>
#include <string_view>

namespace qor::gui {
namespace {

std::string Describe(const std::filesystem::path& file, const std::string& what) {
    return "Arquivo de atualização inválido (" + file.string() + "): " + what;
}

}  // namespace

bool IsSafeEntryName(const std::string& name) {
    if (name.empty() || name.front() == '/' || name.front() == '\\') return false;
    if (name.find(':') != std::string::npos) return false;  // drive letters and streams
    const std::string_view text(name);
    for (std::size_t start = 0; start <= text.size();) {
        const std::size_t end = std::min(text.find_first_of("/\\", start), text.size());
        if (text.substr(start, end - start) == "..") return false;
        start = end + 1;
    }
    return true;
}

TZipArchive::TZipArchive(const std::filesystem::path& file) : file_(file) {
    int error = 0;
    const std::u8string utf8 = file.u8string();  // libzip takes UTF-8 file names
    archive_ = zip_open(reinterpret_cast<const char*>(utf8.c_str()), ZIP_RDONLY | ZIP_CHECKCONS, &error);
    if (!archive_) {
        zip_error_t detail;
        zip_error_init_with_code(&detail, error);
        const std::string message = zip_error_strerror(&detail);
        zip_error_fini(&detail);
        throw TZipError(Describe(file, message));
    }
    const zip_int64_t count = zip_get_num_entries(archive_, 0);
    for (zip_int64_t i = 0; i < count; ++i) {
        const char* name = zip_get_name(archive_, static_cast<zip_uint64_t>(i), 0);
        if (!name || !IsSafeEntryName(name)) {
            zip_close(archive_);
            throw TZipError(Describe(file, std::string("entrada fora da pasta do programa: ") + (name ? name : "?")));
        }
        names_.emplace_back(name);
    }
}

TZipArchive::~TZipArchive() {
    if (archive_) zip_discard(archive_);
}

bool TZipArchive::Contains(const std::string& name) const {
    return std::find(names_.begin(), names_.end(), name) != names_.end();
}

void TZipArchive::ExtractAll(const std::filesystem::path& folder) const {
    namespace fs = std::filesystem;
    for (std::size_t i = 0; i < names_.size(); ++i) {
        const std::string& name = names_[i];
        const fs::path target = folder / fs::path(std::u8string(name.begin(), name.end())).make_preferred();
        if (name.back() == '/' || name.back() == '\\') {
            fs::create_directories(target);
            continue;
        }
        fs::create_directories(target.parent_path());
        std::unique_ptr<zip_file_t, decltype(&zip_fclose)> entry(zip_fopen_index(archive_, i, 0), &zip_fclose);
        if (!entry) throw TZipError(Describe(file_, name + ": " + zip_strerror(archive_)));

        fs::path part = target;
        part += ".part";
        {
            std::ofstream out(part, std::ios::binary | std::ios::trunc);
            if (!out) throw TZipError("Não foi possível gravar " + part.string());
            char buffer[64 * 1024];
            zip_int64_t read = 0;
            while ((read = zip_fread(entry.get(), buffer, sizeof buffer)) > 0) {
                out.write(buffer, read);
            }
            if (read < 0) {
                out.close();
                fs::remove(part);
                throw TZipError(Describe(file_, name + ": " + zip_file_strerror(entry.get())));
            }
            out.close();
            if (!out) throw TZipError("Não foi possível gravar " + part.string());
        }
        std::error_code ec;
        fs::rename(part, target, ec);
        if (ec) {
            fs::remove(part);
            throw TZipError("Não foi possível gravar " + target.string() + ": " + ec.message());
        }
    }
}

}  // namespace qor::gui
