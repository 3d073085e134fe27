// Any bytes as the settings file, decoded as the store reads it: the values read are written
// and read back unchanged, whatever keys and escapes the file held.
#include "components/fichier_reglages.h"
#include "platform/text_lines.h"
#include "verifier.h"

#include <cstdint>
#include <string>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane;
    const std::string texte = platform::decoderTexte({reinterpret_cast<const char*>(data), size});
    const components::ValeursReglages valeurs = components::lireReglages(texte);
    verifier(components::lireReglages(components::ecrireReglages(valeurs)) == valeurs);
    return 0;
}
