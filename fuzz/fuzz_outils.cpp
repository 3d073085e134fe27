// Any bytes as the texts the file tools work on: play-list row texts for the totals, a mask
// and old names for the renamer, labels and values for the text export. Nothing may crash,
// and the renamer's verification must refuse every name that is not a plain file name.
#include "tools/informations_fichier.h"
#include "tools/masque_renommage.h"
#include "tools/totaux_selection.h"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace {

std::vector<std::string> lignes(std::string_view texte)
{
    std::vector<std::string> resultat;
    std::size_t debut = 0;
    for (std::size_t fin; (fin = texte.find('\n', debut)) != std::string_view::npos; debut = fin + 1)
        resultat.emplace_back(texte.substr(debut, fin - debut));
    resultat.emplace_back(texte.substr(debut));
    return resultat;
}

}  // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    using namespace tulvane::tools;
    if (size < 2)
        return 0;
    const std::vector<std::string> textes = lignes({reinterpret_cast<const char*>(data + 2), size - 2});

    std::vector<LigneTotaux> rangees;
    for (std::size_t i = 0; i + 1 < textes.size(); i += 2)
        rangees.push_back({textes[i], textes[i + 1], i * 1000});
    formaterTotaux(totaliser(rangees));

    ReglagesMasque reglages{textes[0], double(data[0] % 50), 1 + data[1] % 10, 1 + data[1] % 15};
    std::vector<FichierApercu> fichiers;
    for (std::size_t i = 1; i < textes.size(); ++i)
        fichiers.push_back({textes[i], "20240102", "030405"});
    double r = 0;
    const std::vector<std::string> noms = nouveauxNoms(reglages, fichiers, [&] { return r = r < 0.9 ? r + 0.1 : 0; });
    const std::vector<std::string> dossiers(noms.size(), "/m/");
    const std::vector<bool> fautifs = nomsFautifs(dossiers, noms, [](const std::string&) { return false; });
    for (std::size_t i = 0; i < noms.size(); ++i)
        if (!fautifs[i] && !nomAcceptable(noms[i]))
            std::abort();

    std::vector<LigneInformation> informations;
    for (std::size_t i = 0; i + 1 < textes.size(); i += 2)
        informations.push_back({textes[i], textes[i + 1]});
    ExportTXT(informations);
    return 0;
}
