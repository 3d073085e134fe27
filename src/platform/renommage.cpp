#include "platform/renommage.h"

#include <cerrno>
#include <cstdio>
#include <fcntl.h>
#include <unistd.h>

namespace tulvane::platform {

std::error_code renommerSansRemplacer(const std::filesystem::path& ancien, const std::filesystem::path& nouveau)
{
    if (::renameat2(AT_FDCWD, ancien.c_str(), AT_FDCWD, nouveau.c_str(), RENAME_NOREPLACE) == 0)
        return {};
    if (errno != EINVAL && errno != ENOSYS)
        return {errno, std::generic_category()};
    // File systems without RENAME_NOREPLACE: link() also refuses an existing name.
    if (::link(ancien.c_str(), nouveau.c_str()) != 0)
        return {errno, std::generic_category()};
    if (::unlink(ancien.c_str()) != 0) {
        const int erreur = errno;
        ::unlink(nouveau.c_str());
        return {erreur, std::generic_category()};
    }
    return {};
}

}  // namespace tulvane::platform
