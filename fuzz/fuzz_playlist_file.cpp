// Any bytes as a play-list file: the reader must neither crash nor lose the nine-line
// alignment when its result is written and read again.
#include "playlist/playlist_file.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane::playlist;
    const auto lecture = lireFichierPlayList({reinterpret_cast<const char*>(data), size});
    std::vector<const TextesLigne*> lignes;
    for (const auto& l : lecture.lignes)
        lignes.push_back(&l);
    const auto relue = lireFichierPlayList(ecrireFichierPlayList(lignes));
    if (relue.lignes.size() != lecture.lignes.size() || !relue.complet)
        std::abort();
    return 0;
}
