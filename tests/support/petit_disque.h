#pragma once

#include <filesystem>
#include <string>

namespace tulvane::test {

// A small tmpfs mounted over a folder (made when missing) for the life of the object, to make
// a disk full on purpose. Mounting needs root (as in CI); elsewhere `monte()` is false and `raison()` says why.
class PetitDisque {
public:
    PetitDisque(std::filesystem::path dossier, std::size_t octets);
    ~PetitDisque();
    PetitDisque(const PetitDisque&) = delete;
    PetitDisque& operator=(const PetitDisque&) = delete;

    bool monte() const { return monte_; }
    const std::string& raison() const { return raison_; }

    // Fills the disk with one file, "remplissage", leaving about `libre` bytes free.
    void remplir(std::size_t libre = 0);

    // Mounts the disk again read-only, its files kept.
    void mettreEnLectureSeule();

private:
    std::filesystem::path dossier_;
    bool monte_ = false;
    std::string raison_;
};

}  // namespace tulvane::test
