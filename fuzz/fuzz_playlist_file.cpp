// Any bytes as a play-list file, decoded as the window reads it: the reader must neither
// crash nor lose the nine-line alignment, and the rows it gives are written and read back
// unchanged.
#include "platform/text_lines.h"
#include "playlist/playlist_file.h"
#include "verifier.h"

#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane;
    const std::string texte = platform::decoderTexte({reinterpret_cast<const char*>(data), size});
    const auto lecture = playlist::lireFichierPlayList(texte);
    verifier(lecture.entete == !texte.empty());
    std::vector<const playlist::TextesLigne*> lignes;
    for (const auto& l : lecture.lignes)
        lignes.push_back(&l);
    const auto relue = playlist::lireFichierPlayList(playlist::ecrireFichierPlayList(lignes));
    verifier(relue.complet && relue.lignes == lecture.lignes);
    return 0;
}
