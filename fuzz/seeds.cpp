// Writes small real files for each fuzz target to start from, made by the program's own
// writers: play lists, column files, station lists, tagged MP3 files, favourites, mixed text, masks,
// settings files.
// Usage: seeds <seed folder> <plain station list>; each target's files go to
// <seed folder>/<target>/.
#include "components/fichier_reglages.h"
#include "components/station_cipher.h"
#include "metadata/id3v1.h"
#include "playlist/colonnes.h"
#include "playlist/favoris.h"
#include "playlist/playlist_file.h"

#include <algorithm>
#include <cstdint>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <iterator>
#include <string>
#include <string_view>
#include <utility>
#include <vector>

namespace {

using namespace tulvane;
namespace fs = std::filesystem;

class Graines {
public:
    Graines(fs::path dossier, std::string_view cible) : dossier_(std::move(dossier) / cible)
    {
        fs::create_directories(dossier_);
    }

    void ecrire(std::string_view nom, std::string_view octets) const
    {
        std::ofstream(dossier_ / nom, std::ios::binary | std::ios::trunc)
            .write(octets.data(), static_cast<std::streamsize>(octets.size()));
    }

    void ecrire(std::string_view nom, const std::vector<std::uint8_t>& octets) const
    {
        ecrire(nom, std::string_view(reinterpret_cast<const char*>(octets.data()), octets.size()));
    }

private:
    fs::path dossier_;
};

std::string avecFins(std::string texte, std::string_view fin)
{
    std::string sortie;
    for (const char c : texte) {
        if (c == '\n')
            sortie += fin;
        else if (c != '\r')
            sortie += c;
    }
    return sortie;
}

std::string playList(const std::vector<playlist::TextesLigne>& lignes)
{
    std::vector<const playlist::TextesLigne*> pointeurs;
    for (const auto& l : lignes)
        pointeurs.push_back(&l);
    return playlist::ecrireFichierPlayList(pointeurs);
}

const std::vector<playlist::TextesLigne> kLignes = {
    {"été.mp3", "Auteur", "Un, deux \"trois\"", "Album", "Rock", "128 kbps", "/m/été.mp3", "03:07", ""},
    {"b.ogg", "", "", "", "", "000 kbps", "/m/b.ogg", "", "commentaire"},
    {"été.mp3", "Auteur", "Titre", "", "Blues", "320 kbps", "/m/été.mp3", "12:00", "bis"},
};

void grainesPlayList(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_playlist_file");
    const std::string trois = playList(kLignes);
    g.ecrire("vide.tvl4", playList({}));
    g.ecrire("trois.tvl4", trois);
    g.ecrire("trois_lf.tvl4", avecFins(trois, "\n"));
    g.ecrire("trois_cr.tvl4", avecFins(trois, "\r"));
    g.ecrire("coupee.tvl4", trois.substr(0, trois.size() - 20));
    // One line in Windows-1252 among UTF-8 lines, as a file edited on the old platform.
    std::string melange = trois;
    melange.replace(melange.find("été"), std::string_view("été").size(), "\xE9t\xE9");
    g.ecrire("melange.tvl4", melange);
}

void grainesColonnes(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_column_file");
    g.ecrire("ordre.dat", playlist::ecrirePositionsColonnes({1, 2, 3, 4, 5, 6, 7, 8, 9}));
    g.ecrire("inverse.dat", playlist::ecrirePositionsColonnes({9, 8, 7, 6, 5, 4, 3, 2, 1}));
    g.ecrire("deux_cr.dat", avecFins(playlist::ecrirePositionsColonnes({2, 1}), "\r"));
}

void grainesRadios(const fs::path& dossier, const fs::path& listeEnClair)
{
    const Graines g(dossier, "fuzz_station_cipher");
    std::ifstream entree(listeEnClair, std::ios::binary);
    const std::string texte((std::istreambuf_iterator<char>(entree)), std::istreambuf_iterator<char>());
    const auto livree = components::lireTroisLignes(texte).stations;
    const std::vector<components::EntreeRadio> une = {{"Radio Été", "http://a.exemple/1", "http://a.exemple/2"}};
    g.ecrire("Radios.sys", components::chiffrerListeRadios(livree, components::kCleListeRadios));
    g.ecrire("une.sys", components::chiffrerListeRadios(une, components::kCleListeRadios));
    g.ecrire("Radios.tmp", components::ecrireTroisLignes(livree));
    g.ecrire("une_cr.tmp", avecFins(components::ecrireTroisLignes(une), "\r"));
}

void grainesTexte(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_text_lines");
    g.ecrire("utf8_bom.txt", "\xEF\xBB\xBF" "d\xC3\xA9j\xC3\xA0\r\nvu\r\n");
    g.ecrire("melange.txt", "\xC3\xA9t\xC3\xA9\nNo\xEBl\rd\xC3\xA9j\xC3\xA0\r\n\x80 \x9C\x92");
    g.ecrire("coupee.txt", "\xE2\x82\n\xAC\r\xF0\x9F\x8E\xB5");
    g.ecrire("liste.tvl4", playList(kLignes));
}

// 128 kbit/s joint-stereo MPEG-1 Layer III frames of 417 bytes.
std::vector<std::uint8_t> trames(std::size_t nombre)
{
    constexpr std::size_t kTrame = 417;
    std::vector<std::uint8_t> mp3(nombre * kTrame, 0x55);
    for (std::size_t i = 0; i < mp3.size(); i += kTrame) {
        mp3[i] = 0xFF;
        mp3[i + 1] = 0xFB;
        mp3[i + 2] = 0x90;
        mp3[i + 3] = 0x64;
    }
    return mp3;
}

std::vector<std::uint8_t> avecTag(std::vector<std::uint8_t> octets)
{
    const auto tag = metadata::composerTag("Titre", "Auteur", "Album", "1999", 17, "Un commentaire");
    octets.insert(octets.end(), tag.begin(), tag.end());
    return octets;
}

// MP3 starts for the parsers, and whole files around the reading layer's limits: a tag
// within the first bytes read, and one beyond them, read on its own.
void grainesMetadonnees(const fs::path& dossier)
{
    for (const char* cible : {"fuzz_metadata", "fuzz_lecture_fichier"}) {
        const Graines g(dossier, cible);
        g.ecrire("trames.mp3", trames(3));
        g.ecrire("tague.mp3", avecTag(trames(3)));
        g.ecrire("tag_seul.mp3", avecTag({}));
    }
    // As other taggers write it: NUL padding, a track number after the comment, no genre.
    std::vector<std::uint8_t> v11 = trames(3);
    const std::size_t debut = v11.size();
    v11.resize(debut + metadata::kTailleTag, 0);
    for (const auto& [position, texte] : {std::pair<std::size_t, std::string_view>{0, "TAG"}, {3, "Titre"}, {97, "Note"}})
        std::copy(texte.begin(), texte.end(), v11.begin() + std::ptrdiff_t(debut + position));
    v11[debut + 126] = 7;
    v11.back() = 255;
    Graines(dossier, "fuzz_metadata").ecrire("tag_v11.mp3", v11);
    const Graines g(dossier, "fuzz_lecture_fichier");
    std::vector<std::uint8_t> loin(9000, 0);
    const std::vector<std::uint8_t> suite = trames(120);
    loin.insert(loin.end(), suite.begin(), suite.end());
    g.ecrire("tag_au_loin.mp3", avecTag(loin));
    g.ecrire("1025_octets.mp3", avecTag(std::vector<std::uint8_t>(897, 0)));
}

void grainesFavoris(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_favoris");
    const std::vector<playlist::Favori> favoris = {{"Rock", "/m/rock.tvl4"}, {"Été", "/m/été.tvl4"}, {"", "/m/x"}};
    g.ecrire("Favoris.dat", playlist::ecrireFavoris(favoris));
    g.ecrire("Favoris_lf.dat", avecFins(playlist::ecrireFavoris(favoris), "\n"));
}

// Two bytes of settings, then lines: a mask and names, or bitrates and durations by pairs.
void grainesOutils(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_outils");
    g.ecrire("masque.txt", std::string("\x07\x02") + "[A] - [T] [C]\na.mp3\nb.c.mp3\n.x\n03:20\n128 kbps");
    g.ecrire("durees.txt", std::string("\x00\x00", 2) + "128 kbps\n03:20\n192 kbps\n04:05\n320 kbps\n123:05");
}

// The seven settings as the quit writes them, and keys and values in every escape.
void grainesReglages(const fs::path& dossier)
{
    const Graines g(dossier, "fuzz_reglages");
    g.ecrire("Tulvane Adv 4.2.conf",
             components::ecrireReglages({{"Affichage1", "Vrai"}, {"Affichage2", "Vrai"}, {"Affichage3", "Faux"},
                                         {"ListeAdresse", "/m/Mes listes/été, hiver.tvl4"}, {"ListePose", "2"},
                                         {"PremierPlan", "Faux"}, {"Radio", "-1"}}));
    g.ecrire("echappements.conf",
             components::ecrireReglages({{"a b/é%", " x;y "}, {"General/k", "@q\"\\"},
                                         {"\xF0\x9F\x8E\xB5", std::string("\0" "1\t\x01" "f", 5)}}));
}

}  // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "Usage : seeds <dossier des graines> <liste des radios en clair>\n";
        return 2;
    }
    const fs::path dossier = argv[1];
    grainesPlayList(dossier);
    grainesColonnes(dossier);
    grainesRadios(dossier, argv[2]);
    grainesTexte(dossier);
    grainesMetadonnees(dossier);
    grainesFavoris(dossier);
    grainesOutils(dossier);
    grainesReglages(dossier);
    return 0;
}
