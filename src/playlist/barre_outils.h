#pragma once

#include <array>
#include <string_view>

// The play-list window's tool bar: 20 buttons, numbered from 1, each running the handler
// of a menu entry, named as in the menu tree; four of them also open a menu of entries
// identified by key.
namespace tulvane::playlist {

enum class StyleBouton { Separateur, Bouton, Deroulant };

struct BoutonBarre {
    StyleBouton style;
    int image;               // in the tool bar's picture set, 0 for none
    const char* infobulle;
    int blancs;              // after the tool tip
    const char* commande;    // the menu entry whose handler a click runs
};

inline constexpr std::array<BoutonBarre, 20> kBoutonsBarre = {{
    {StyleBouton::Separateur, 0, "", 0, ""},
    {StyleBouton::Bouton, 1, "Nouvelle liste", 0, "nouvelle"},
    {StyleBouton::Bouton, 2, "Ouvrir", 0, "Ouvrir"},
    {StyleBouton::Bouton, 3, "Enregistrer la Play-List", 0, "Enregistrer"},
    {StyleBouton::Bouton, 4, "Exporter au format CSV", 0, "Exporter"},
    {StyleBouton::Separateur, 0, "", 0, ""},
    {StyleBouton::Bouton, 5, "Importation de fichier(s) audio/vidéo", 2, "Importation"},
    {StyleBouton::Bouton, 6, "Lire toutes les informations du fichier", 0, "infos_fichier"},
    {StyleBouton::Deroulant, 7, "Editeur de TAG-ID3", 0, "editeur_tag"},
    {StyleBouton::Deroulant, 8, "Supprimer", 0, "Supprimer"},
    {StyleBouton::Bouton, 9, "Actualiser la Play-List", 0, "Actualiser"},
    {StyleBouton::Separateur, 0, "", 0, ""},
    {StyleBouton::Deroulant, 12, "Modes de lecture", 0, "vModeLect0"},
    {StyleBouton::Bouton, 10, "Atteindre le fichier en cours", 0, "Atteindre"},
    {StyleBouton::Separateur, 0, "", 0, ""},
    {StyleBouton::Bouton, 11, "Marquer/démarquer la sélection", 0, "marquer_selec0"},
    {StyleBouton::Bouton, 13, "Informations tailles et durées", 0, "Informations_selec"},
    {StyleBouton::Deroulant, 14, "Renommer des fichiers", 0, "Renommer_fichier"},
    {StyleBouton::Separateur, 0, "", 0, ""},
    {StyleBouton::Bouton, 15, "Support technique Online", 0, "Support"},
}};

struct EntreeDeroulante {
    int bouton;
    const char* legende;
    const char* cle;
    const char* commande;
};

inline constexpr std::array<EntreeDeroulante, 11> kEntreesDeroulantes = {{
    {9, "Editeur de TAG-ID3", "k91", "editeur_tag"},
    {9, "Editeur de TAG-ID3 Global", "k92", "editeur_tag_global"},
    {10, "Supprimer les fichiers sélectionné", "k101", "Supprimer"},
    {10, "Supprimer tous les doublons", "k102", "suppr_doublons"},
    {10, "Supprimer la source du fichier", "k103", "Supprimer_source"},
    {13, "Lecture normale des fichiers de la liste", "k131", "vModeLect0"},
    {13, "Lecture en boucle sur le fichier", "k132", "vModeLect1"},
    {13, "Passer en mode manuel (lect. par fichier)", "k133", "vModeLect2"},
    {13, "Lecture des fichiers marqués", "k134", "vModeLect3"},
    {18, "Renommer la sélection", "k181", "Renommer_fichier"},
    {18, "Renommer les fichiers en masse", "k182", "Renommer"},
}};

// The buttons Timer2 enables only while the list has rows.
inline constexpr std::array<int, 10> kBoutonsAvecLignes = {4, 5, 8, 9, 10, 11, 14, 16, 17, 18};

// The command of button `index`; "" for a separator or an index outside 1 to 20.
std::string_view commandeDuBouton(int index);

// The command of a drop-down entry by its exact key; "" for any other key.
std::string_view commandeDeLaCle(std::string_view cle);

}  // namespace tulvane::playlist
