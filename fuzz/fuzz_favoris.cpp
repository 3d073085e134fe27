// Any bytes as "Favoris.dat": the reader must not crash, and what it reads must come back
// the same once written and read again.
#include "playlist/favoris.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane::playlist;
    const LectureFavoris lecture = lireFavoris({reinterpret_cast<const char*>(data), size});
    std::vector<Favori> favoris;
    for (const FavoriLu& f : lecture.favoris)
        favoris.push_back(f.favori);
    const LectureFavoris relue = lireFavoris(ecrireFavoris(favoris));
    if (relue.favoris.size() != favoris.size() || relue.paires != static_cast<int>(favoris.size()))
        std::abort();
    for (std::size_t i = 0; i < favoris.size(); ++i)
        if (relue.favoris[i].favori.nom != favoris[i].nom || relue.favoris[i].favori.chemin != favoris[i].chemin)
            std::abort();
    return 0;
}
