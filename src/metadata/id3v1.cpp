#include "metadata/id3v1.h"

#include "metadata/fichier_lecture.h"
#include "metadata/genres.h"
#include "metadata/windows1252.h"

#include <algorithm>
#include <fstream>
#include <system_error>

namespace tulvane::metadata {

namespace {

struct Champ {
    std::size_t debut;
    std::size_t largeur;
};

// Offsets in the record; the marker takes bytes 0 to 2 and the genre byte 127.
constexpr Champ kTitre{3, 30};
constexpr Champ kAuteur{33, 30};
constexpr Champ kAlbum{63, 30};
constexpr Champ kAnnee{93, 4};
constexpr Champ kCommentaire{97, 30};
constexpr std::size_t kPositionStyle = 127;
// ID3v1.1 keeps a track number in the comment's last byte, after a NUL.
constexpr std::size_t kPositionPiste = 126;
constexpr Champ kCommentaireAvantPiste{97, 28};

constexpr std::string_view kMarqueur = "TAG";

// Other taggers pad with NUL bytes: the text ends at the first one, then blanks are trimmed.
std::string lireChamp(std::span<const std::uint8_t> enregistrement, Champ champ)
{
    std::string_view octets(reinterpret_cast<const char*>(enregistrement.data() + champ.debut), champ.largeur);
    octets = octets.substr(0, octets.find('\0'));
    const std::size_t premier = octets.find_first_not_of(' ');
    if (premier == std::string_view::npos)
        return {};
    octets = octets.substr(premier, octets.find_last_not_of(' ') - premier + 1);
    return windows1252ToUtf8(octets);
}

void ecrireChamp(std::array<std::uint8_t, kTailleTag>& enregistrement, Champ champ, std::string_view utf8)
{
    const std::string octets = fnCompleter(utf8ToWindows1252(utf8), champ.largeur, " ");
    std::copy(octets.begin(), octets.end(), enregistrement.begin() + static_cast<std::ptrdiff_t>(champ.debut));
}

std::string citer(const std::filesystem::path& adresse)
{
    return "'" + adresse.string() + "'";
}

enum class Protection { Libre, Refusee, Echec };

struct Verification {
    Protection protection;
    std::string erreur;
};

Verification verifier(const std::filesystem::path& adresse, const QuestionProtection& question)
{
    namespace fs = std::filesystem;
    std::error_code erreur;
    const fs::file_status etat = fs::status(adresse, erreur);
    if (etat.type() == fs::file_type::not_found)
        return {Protection::Echec, "Le fichier " + citer(adresse) + " est introuvable."};
    if (etat.type() == fs::file_type::none)
        return {Protection::Echec, "Impossible d'accéder au fichier " + citer(adresse) + "."};
    if (!fs::is_regular_file(etat))
        return {Protection::Echec, citer(adresse) + " n'est pas un fichier."};
    if ((etat.permissions() & fs::perms::owner_write) != fs::perms::none)
        return {Protection::Libre, {}};

    const std::string texte = "Le fichier '" + adresse.string() + "' est en protégé en écriture.\r\n"
                              "Voulez-vous oter cet attribut afin de permettre la modification?";
    if (!question || !question(texte, "Enregistrer les modifications"))
        return {Protection::Refusee, {}};
    fs::permissions(adresse, fs::perms::owner_write, fs::perm_options::add, erreur);
    if (erreur)
        return {Protection::Echec, "Impossible d'ôter la protection en écriture du fichier " + citer(adresse) + "."};
    return {Protection::Libre, {}};
}

// The marker and NUL bytes: every field is written over it.
std::array<std::uint8_t, kTailleTag> enregistrementVide()
{
    std::array<std::uint8_t, kTailleTag> enregistrement{};
    std::copy(kMarqueur.begin(), kMarqueur.end(), enregistrement.begin());
    return enregistrement;
}

ResultatEcriture echec(std::string erreur)
{
    return {ResultatEcriture::Etat::Echec, std::move(erreur)};
}

}  // namespace

std::optional<TagID3> analyserTag(std::span<const std::uint8_t> fin, std::uint64_t tailleFichier)
{
    if (tailleFichier <= kTailleMaxSansTag || fin.size() < kTailleTag)
        return std::nullopt;
    const auto enregistrement = fin.last(kTailleTag);
    if (!commenceParMarqueur(enregistrement))
        return std::nullopt;
    TagID3 tag;
    tag.titre = lireChamp(enregistrement, kTitre);
    tag.auteur = lireChamp(enregistrement, kAuteur);
    tag.album = lireChamp(enregistrement, kAlbum);
    tag.annee = lireChamp(enregistrement, kAnnee);
    tag.commentaire = lireChamp(enregistrement, kCommentaire);
    tag.noStyle = enregistrement[kPositionStyle];
    return tag;
}

std::array<std::uint8_t, kTailleTag> composerTag(std::string_view titre, std::string_view auteur,
                                                 std::string_view album, std::string_view annee,
                                                 std::uint8_t style, std::string_view commentaire)
{
    return recomposerTag(enregistrementVide(),
                         {std::string(titre), std::string(auteur), std::string(album), std::string(annee),
                          std::string(commentaire), style},
                         {});
}

std::array<std::uint8_t, kTailleTag> recomposerTag(std::span<const std::uint8_t, kTailleTag> ancien,
                                                   const TagID3& valeurs, ChampsModifies modifies)
{
    std::array<std::uint8_t, kTailleTag> enregistrement{};
    std::copy(ancien.begin(), ancien.end(), enregistrement.begin());
    if (modifies.titre)
        ecrireChamp(enregistrement, kTitre, valeurs.titre);
    if (modifies.auteur)
        ecrireChamp(enregistrement, kAuteur, valeurs.auteur);
    if (modifies.album)
        ecrireChamp(enregistrement, kAlbum, valeurs.album);
    if (modifies.annee)
        ecrireChamp(enregistrement, kAnnee, valeurs.annee);
    if (modifies.commentaire) {
        const bool piste = ancien[kPositionPiste - 1] == 0 && ancien[kPositionPiste] != 0;
        const bool tient = utf8ToWindows1252(valeurs.commentaire).size() <= kCommentaireAvantPiste.largeur;
        ecrireChamp(enregistrement, piste && tient ? kCommentaireAvantPiste : kCommentaire, valeurs.commentaire);
    }
    if (modifies.style)
        enregistrement[kPositionStyle] = valeurs.noStyle;
    return enregistrement;
}

bool commenceParMarqueur(std::span<const std::uint8_t> enregistrement)
{
    return enregistrement.size() >= kMarqueur.size()
        && std::equal(kMarqueur.begin(), kMarqueur.end(), enregistrement.begin());
}

std::string fnCompleter(std::string_view vfnTexte, std::size_t vfnLongueur, std::string_view vfnCar)
{
    std::string texte(vfnTexte.substr(0, vfnLongueur));
    if (!vfnCar.empty())
        texte.resize(vfnLongueur, vfnCar.front());
    return texte;
}

bool fnLireTag(const std::filesystem::path& vfnAdresse, std::string& vfnTitre, std::string& vfnAuteur,
               std::string& vfnAlbum, std::string& vfnAnnee, std::string& vfnStyle,
               std::string& vfnCommentaire, std::int32_t& vfnNoStyle)
{
    for (std::string* texte : {&vfnTitre, &vfnAuteur, &vfnAlbum, &vfnAnnee, &vfnStyle, &vfnCommentaire})
        texte->clear();

    std::array<std::uint8_t, kTailleTag> octets{};
    std::size_t lus = 0;
    const std::optional<std::uint64_t> taille = lireFin(vfnAdresse, octets, lus);
    if (!taille)
        return false;

    std::optional<TagID3> tag = analyserTag(std::span(octets).first(lus), *taille);
    if (tag) {
        vfnTitre = std::move(tag->titre);
        vfnAuteur = std::move(tag->auteur);
        vfnAlbum = std::move(tag->album);
        vfnAnnee = std::move(tag->annee);
        vfnCommentaire = std::move(tag->commentaire);
        vfnNoStyle = tag->noStyle;
        vfnStyle = nomGenre(tag->noStyle);
    }
    return true;
}

bool fnVerifierProtection(const std::filesystem::path& vfnAdresse, const QuestionProtection& question)
{
    return verifier(vfnAdresse, question).protection == Protection::Libre;
}

ResultatEcriture fnEcrireTag(const std::filesystem::path& vfnAdresse, std::string_view vfnTitre,
                             std::string_view vfnAuteur, std::string_view vfnAlbum,
                             std::string_view vfnAnnee, std::uint8_t vfnStyle,
                             std::string_view vfnCommentaire, const QuestionProtection& question,
                             ChampsModifies modifies)
{
    Verification verification = verifier(vfnAdresse, question);
    if (verification.protection == Protection::Refusee)
        return {ResultatEcriture::Etat::RefuseParUtilisateur, {}};
    if (verification.protection == Protection::Echec)
        return echec(std::move(verification.erreur));

    // in | out opens an existing file without truncating it, and never creates one.
    std::fstream flux(vfnAdresse, std::ios::in | std::ios::out | std::ios::binary);
    if (!flux.is_open())
        return echec("Impossible d'ouvrir le fichier " + citer(vfnAdresse) + " en écriture.");
    flux.seekg(0, std::ios::end);
    const std::streamoff fin = flux.tellg();
    if (fin < 0)
        return echec("Impossible de lire le fichier " + citer(vfnAdresse) + ".");
    const auto taille = static_cast<std::uint64_t>(fin);

    // A file shorter than a tag cannot hold one: it gets one appended.
    std::array<std::uint8_t, kTailleTag> ancien{};
    bool dejaBalise = false;
    if (taille >= kTailleTag) {
        flux.seekg(static_cast<std::streamoff>(taille - kTailleTag));
        flux.read(reinterpret_cast<char*>(ancien.data()), ancien.size());
        if (!flux)
            return echec("Impossible de lire le fichier " + citer(vfnAdresse) + ".");
        dejaBalise = commenceParMarqueur(ancien);
    }

    // Only a tag the reader shows has fields to keep; in a shorter file it is rewritten whole.
    const bool garde = dejaBalise && taille > kTailleMaxSansTag;
    const auto enregistrement = recomposerTag(garde ? ancien : enregistrementVide(),
                                              {std::string(vfnTitre), std::string(vfnAuteur), std::string(vfnAlbum),
                                               std::string(vfnAnnee), std::string(vfnCommentaire), vfnStyle},
                                              garde ? modifies : ChampsModifies{});
    flux.seekp(static_cast<std::streamoff>(dejaBalise ? taille - kTailleTag : taille));
    flux.write(reinterpret_cast<const char*>(enregistrement.data()), enregistrement.size());
    flux.flush();
    bool ecrit = !flux.fail();
    flux.close();
    ecrit = ecrit && !flux.fail();
    if (!ecrit) {
        // Never leave part of an appended tag behind.
        if (!dejaBalise) {
            std::error_code ignoree;
            std::filesystem::resize_file(vfnAdresse, taille, ignoree);
        }
        return echec("Impossible d'écrire le Tag-ID3 dans le fichier " + citer(vfnAdresse) + ".");
    }
    return {ResultatEcriture::Etat::Ecrit, {}};
}

}  // namespace tulvane::metadata
