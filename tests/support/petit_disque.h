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

// A folder mounted over itself read-only (a bind mount) for the life of the object: it stays
// on its own file system, and nothing in it can be written, not even by root.
class DossierLectureSeule {
public:
    explicit DossierLectureSeule(std::filesystem::path dossier);
    ~DossierLectureSeule();
    DossierLectureSeule(const DossierLectureSeule&) = delete;
    DossierLectureSeule& operator=(const DossierLectureSeule&) = delete;

    bool monte() const { return monte_; }

private:
    std::filesystem::path dossier_;
    bool monte_ = false;
};

}  // namespace tulvane::test
