// Any bytes as "Radios.sys" must give a list or an error, never a crash; a list that comes
// out must survive enciphering and deciphering again unchanged. The same bytes read as the
// plain three-line text must round-trip through the cipher too.
#include "components/station_cipher.h"
#include "metadata/windows1252.h"

#include <cstdint>
#include <cstdlib>
#include <string_view>

namespace {

using namespace tulvane::components;

void allerRetour(const std::vector<EntreeRadio>& stations)
{
    const auto octets = chiffrerListeRadios(stations, kCleListeRadios);
    const auto relue = dechiffrerListeRadios(octets, kCleListeRadios);
    if (relue.erreur != ErreurListeRadios::aucune || relue.stations != stations)
        std::abort();
    if (!stations.empty() && dechiffrerListeRadios(octets, "###une autre clé###").erreur == ErreurListeRadios::aucune)
        std::abort();
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const std::span<const std::uint8_t> octets(data, size);
    const auto liste = dechiffrerListeRadios(octets, kCleListeRadios);
    if (liste.erreur == ErreurListeRadios::aucune)
        allerRetour(liste.stations);
    else if (!liste.stations.empty())
        std::abort();

    const std::string_view texte(reinterpret_cast<const char*>(data), size);
    const auto lecture = lireTroisLignes(texte);
    if (lecture.valide() && ecrireTroisLignes(lecture.stations).size() <= kTailleMaxTexteRadios) {
        if (tulvane::metadata::isValidUtf8(texte)) {
            allerRetour(lecture.stations);
        } else {
            // Text that is not UTF-8 is refused by the reader, whoever enciphered it.
            const auto octetsChiffres = chiffrerListeRadios(lecture.stations, kCleListeRadios);
            const auto relue = dechiffrerListeRadios(octetsChiffres, kCleListeRadios);
            if (relue.erreur != ErreurListeRadios::texteInvalide)
                std::abort();
        }
    }
    return 0;
}
