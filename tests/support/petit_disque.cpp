#include "support/petit_disque.h"

#include <cerrno>
#include <cstring>
#include <stdexcept>
#include <vector>

#include <fcntl.h>
#include <sys/mount.h>
#include <unistd.h>

namespace tulvane::test {

PetitDisque::PetitDisque(std::filesystem::path dossier, std::size_t octets) : dossier_(std::move(dossier))
{
    std::filesystem::create_directories(dossier_);
    const std::string options = "size=" + std::to_string(octets);
    if (::mount("tmpfs", dossier_.c_str(), "tmpfs", MS_NOSUID | MS_NODEV, options.c_str()) == 0)
        monte_ = true;
    else
        raison_ = "cannot mount a tmpfs here (" + std::string(std::strerror(errno)) + "); run as root to test a full disk";
}

PetitDisque::~PetitDisque()
{
    if (monte_)
        ::umount2(dossier_.c_str(), MNT_DETACH);
}

void PetitDisque::mettreEnLectureSeule()
{
    if (::mount(nullptr, dossier_.c_str(), nullptr, MS_REMOUNT | MS_RDONLY | MS_NOSUID | MS_NODEV, nullptr) != 0)
        throw std::runtime_error("cannot remount " + dossier_.string() + " read-only");
}

DossierLectureSeule::DossierLectureSeule(std::filesystem::path dossier) : dossier_(std::move(dossier))
{
    if (::mount(dossier_.c_str(), dossier_.c_str(), nullptr, MS_BIND, nullptr) != 0)
        return;
    if (::mount(nullptr, dossier_.c_str(), nullptr, MS_REMOUNT | MS_BIND | MS_RDONLY, nullptr) != 0) {
        ::umount2(dossier_.c_str(), MNT_DETACH);
        throw std::runtime_error("cannot make " + dossier_.string() + " read-only");
    }
    monte_ = true;
}

DossierLectureSeule::~DossierLectureSeule()
{
    if (monte_)
        ::umount2(dossier_.c_str(), MNT_DETACH);
}

void PetitDisque::remplir(std::size_t libre)
{
    const std::filesystem::path chemin = dossier_ / "remplissage";
    const int fd = ::open(chemin.c_str(), O_WRONLY | O_CREAT | O_TRUNC | O_CLOEXEC, 0600);
    if (fd < 0)
        throw std::runtime_error("cannot create " + chemin.string());
    const std::vector<char> bloc(4096, 'r');
    off_t total = 0;
    for (;;) {
        const ssize_t n = ::write(fd, bloc.data(), bloc.size());
        if (n <= 0)
            break;
        total += n;
    }
    const bool plein = errno == ENOSPC;
    const bool rendu = ::ftruncate(fd, total > off_t(libre) ? total - off_t(libre) : 0) == 0;
    ::close(fd);
    if (!plein || !rendu)
        throw std::runtime_error("cannot fill " + dossier_.string());
}

}  // namespace tulvane::test
