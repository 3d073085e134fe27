#include "tools/totaux_selection.h"

#include <algorithm>
#include <charconv>

namespace tulvane::tools {

namespace {

std::optional<std::uint64_t> nombre(std::string_view chiffres)
{
    if (chiffres.empty() || !std::all_of(chiffres.begin(), chiffres.end(), [](char c) { return c >= '0' && c <= '9'; }))
        return std::nullopt;
    std::uint64_t valeur = 0;
    const auto [fin, erreur] = std::from_chars(chiffres.data(), chiffres.data() + chiffres.size(), valeur);
    if (erreur != std::errc() || fin != chiffres.data() + chiffres.size())
        return std::nullopt;
    return valeur;
}

// numerateur / denominateur rounded to the nearest whole number, a half to the even one.
std::uint64_t arrondiPair(std::uint64_t numerateur, std::uint64_t denominateur)
{
    const std::uint64_t quotient = numerateur / denominateur;
    const std::uint64_t reste = numerateur % denominateur;
    const std::uint64_t autre = denominateur - reste;
    if (reste > autre || (reste == autre && quotient % 2 == 1))
        return quotient + 1;
    return quotient;
}

// At least `chiffres` digits, zeros on the left.
std::string auMoins(std::uint64_t nombre, std::size_t chiffres)
{
    std::string texte = std::to_string(nombre);
    if (texte.size() < chiffres)
        texte.insert(0, chiffres - texte.size(), '0');
    return texte;
}

// "02:30 min. (150 sec.)": the whole minutes of at least two digits, the rest in two.
std::string minutesSecondes(std::uint64_t secondes)
{
    return auMoins(secondes / 60, 2) + ":" + auMoins(secondes % 60, 2) + " min. (" + std::to_string(secondes)
         + " sec.)";
}

}  // namespace

std::optional<std::uint64_t> secondesDeDuree(std::string_view duree)
{
    const std::size_t deuxPoints = duree.find(':');
    if (deuxPoints == std::string_view::npos || duree.size() < 2)
        return std::nullopt;
    const auto minutes = nombre(duree.substr(0, deuxPoints));
    const auto secondes = nombre(duree.substr(duree.size() - 2));
    if (!minutes || !secondes)
        return std::nullopt;
    return *minutes * 60 + *secondes;
}

std::optional<std::uint64_t> kbpsDeTexte(std::string_view kbps)
{
    return nombre(kbps.substr(0, 3));
}

TotauxSelection totaliser(std::span<const LigneTotaux> lignes)
{
    TotauxSelection totaux;
    for (const LigneTotaux& ligne : lignes) {
        ++totaux.fichiers;
        totaux.octets += ligne.taille.value_or(0);
        totaux.secondes += secondesDeDuree(ligne.duree).value_or(0);
        totaux.sommeKbps += kbpsDeTexte(ligne.kbps).value_or(0);
    }
    return totaux;
}

std::string formaterMilliers(std::uint64_t nombre)
{
    std::string chiffres = auMoins(nombre, 4);
    chiffres.insert(chiffres.size() - 3, 1, '\'');
    return chiffres;
}

TextesTotaux formaterTotaux(const TotauxSelection& totaux)
{
    // Kilobytes rounded first to hundredths (a half to even), then to a whole number for
    // the format (a half upward); megabytes to a whole number, a half to even.
    const std::uint64_t centiemesKo = arrondiPair(totaux.octets * 100, 1024);
    const std::uint64_t ko = (centiemesKo + 50) / 100;
    const std::uint64_t mo = arrondiPair(totaux.octets, 1024 * 1024);

    TextesTotaux textes;
    textes.quantite = std::to_string(totaux.fichiers) + " fichiers";
    textes.poids = formaterMilliers(ko) + " ko (" + std::to_string(mo) + " Mo)";
    textes.dureeTotale = minutesSecondes(totaux.secondes);
    const std::uint64_t n = totaux.fichiers;
    textes.qualiteMoyenne = auMoins(n ? arrondiPair(totaux.sommeKbps, n) : 0, 3) + " Kbps";
    textes.dureeMoyenne = minutesSecondes(n ? arrondiPair(totaux.secondes, n) : 0);
    return textes;
}

}  // namespace tulvane::tools
