// Any bytes as "Colonnes.dat", decoded as the window reads it: the reader gives valid
// positions or nothing, and positions it gives are written and read back unchanged.
#include "platform/text_lines.h"
#include "playlist/colonnes.h"
#include "verifier.h"

#include <cstdint>
#include <string_view>

namespace {

constexpr int kColonnes = 9;

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane;
    const std::string texte = platform::decoderTexte({reinterpret_cast<const char*>(data), size});
    const auto positions = playlist::lirePositionsColonnes(texte, kColonnes);
    if (!positions)
        return 0;
    verifier(positions->size() <= kColonnes);
    for (const int position : *positions)
        verifier(position >= 1 && position <= kColonnes);
    verifier(playlist::lirePositionsColonnes(playlist::ecrirePositionsColonnes(*positions), kColonnes) == positions);
    return 0;
}
