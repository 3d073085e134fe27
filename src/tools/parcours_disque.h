#pragma once

#include <filesystem>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

// The disk search of the import dialog, without a window.
namespace tulvane::tools {

// Lets pending events run and says whether the search goes on.
using Continuer = std::function<bool()>;
using FichierTrouve = std::function<void(const std::filesystem::path& chemin)>;

// Walks `dossier` depth first: its own files whose name ends with "." + `extension` (ignoring
// case) first, in the order the system lists them, then each subfolder entirely, in the same
// order. Folders whose name begins with "." are not entered, nor links to folders, nor other
// file systems mounted inside the tree. `continuer` is asked on entering each folder and
// before each file; once it says no, the walk ends at once. Folders that cannot be read give
// nothing.
void parcourirDossier(const std::filesystem::path& dossier, std::string_view extension, const Continuer& continuer,
                      const FichierTrouve& trouve);

// A mounted file system as the system reports it.
struct Volume {
    std::string pointMontage;
    std::string type;
    std::string peripherique;
    bool dossier = true;  // false for a single file mounted over another
};

// The mount points a user may search: the root first, then the file systems kept on a device
// (disks, partitions, removable media), each once; the system's own (proc, sysfs, tmpfs...),
// snap images and files mounted alone are left out.
std::vector<std::string> lecteursReels(const std::vector<Volume>& volumes);

}  // namespace tulvane::tools
