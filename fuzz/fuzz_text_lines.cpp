// Any bytes as a text file, as every reader takes it in: cut into lines and decoded line by
// line. The decoded text must be valid UTF-8 with the same lines as the bytes, each line
// kept when it was UTF-8 and read as Windows-1252 otherwise; decoded text (UTF-16 in the
// window) must split at the same places as the bytes did.
#include "metadata/windows1252.h"
#include "platform/text_lines.h"
#include "verifier.h"

#include <cstdint>
#include <string>
#include <string_view>

using namespace tulvane;

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    std::string_view octets(reinterpret_cast<const char*>(data), size);
    const std::string texte = platform::decoderTexte(octets);
    verifier(metadata::isValidUtf8(texte));

    if (octets.starts_with("\xEF\xBB\xBF"))
        octets.remove_prefix(3);
    const auto avant = platform::decouperLignes(octets);
    const auto apres = platform::decouperLignes(texte);
    verifier(avant.size() == apres.size());
    for (std::size_t i = 0; i < avant.size(); ++i) {
        const bool utf8 = metadata::isValidUtf8(avant[i]);
        verifier(utf8 ? apres[i] == avant[i] : apres[i] == metadata::windows1252ToUtf8(avant[i]));
    }

    // The same text widened to 16-bit units keeps its line ends where they were.
    const std::u16string large(octets.begin(), octets.end());
    const auto lignesLarges = platform::decouperLignes(std::u16string_view(large));
    verifier(lignesLarges.size() == avant.size());
    for (std::size_t i = 0; i < avant.size(); ++i)
        verifier(lignesLarges[i].size() == avant[i].size()
                 && lignesLarges[i].data() - large.data() == avant[i].data() - octets.data());
    return 0;
}
