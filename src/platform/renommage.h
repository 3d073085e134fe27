#pragma once

#include <filesystem>
#include <system_error>

namespace tulvane::platform {

// Renames a file without ever replacing one that stands at the new path, even one that
// appeared after the caller looked. Fails with errc::file_exists in that case; the old file
// is then untouched.
std::error_code renommerSansRemplacer(const std::filesystem::path& ancien, const std::filesystem::path& nouveau);

}  // namespace tulvane::platform
