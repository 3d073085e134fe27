#include "playlist/menus_liste.h"

#include <array>

namespace tulvane::playlist {

namespace {

using G = GenreEntree;

constexpr EntreeMenu kSeparateur{G::Separateur};
constexpr EntreeMenu kFinSousMenu{G::FinSousMenu};

constexpr EntreeMenu entree(const char* nom, const char* legende, int blancs = 0, const char* raccourci = "",
                            Coche coche = Coche::Aucune)
{
    return {G::Commande, nom, legende, blancs, raccourci, coche};
}

constexpr EntreeMenu sousMenu(const char* nom, const char* legende)
{
    return {G::SousMenu, nom, legende};
}

constexpr std::array kListe = {
    entree("nouvelle", "Nouvelle liste", 0, "Ctrl+N"),
    entree("Ouvrir", "Ouvrir", 0, "Ctrl+O"),
    entree("Enregistrer", "Enregistrer  la Play-List", 0, "Ctrl+S"),
    entree("Enregistrer_sous", "Enregistrer  la Play-List sous...", 10),
    entree("Enregistrer_selection", "Enregistrer la sélection"),
    kSeparateur,
    entree("Sélectionner_tout", "Sélectionner tous les fichiers", 0, "Ctrl+A"),
    entree("Exporter", "Exporter au format CSV", 0, "Ctrl+E"),
    kSeparateur,
    entree("Live_Update", "Live Update des stations radios", 10),
};

constexpr std::array kFichiers = {
    entree("Importation", "Importation de fichier(s) audio/vidéo", 10, "Ctrl+I"),
    entree("Importation_emplac", "Importation depuis emplacement...", 0, "F11"),
    entree("modifier_source", "Modifier la source du fichier"),
    kSeparateur,
    entree("infos_fichier", "Lire toutes les informations du fichier", 0, "Ctrl+M"),
    entree("editeur_tag", "Editeur de TAG-ID3", 0, "Ctrl+T"),
    entree("editeur_tag_global", "Editeur de TAG-ID3 Global", 0, "Ctrl+G"),
    kSeparateur,
    entree("Supprimer", "Supprimer les fichiers sélectionnés", 0, "Del"),
    entree("suppr_doublons", "Supprimer tous les doublons", 0, "Shift+Del"),
    entree("Supprimer_source", "Supprimer la source du fichier"),
    entree("Actualiser", "Actualiser la Play-List", 0, "F5"),
};

constexpr std::array kMode = {
    entree("vModeLect0", "Lecture normale des fichiers de la liste", 0, "Ctrl+F1", Coche::Cochee),
    entree("vModeLect1", "Lecture en boucle sur le fichier", 0, "Ctrl+F2", Coche::Decochee),
    entree("vModeLect2", "Passer en mode manuel (lect. par fichier)", 10, "Ctrl+F3", Coche::Decochee),
    entree("vModeLect3", "Lecture des fichiers marqués", 0, "Ctrl+F4", Coche::Decochee),
    kSeparateur,
    entree("Atteindre", "Atteindre le fichiers en cours", 0, "F3"),
    kSeparateur,
    entree("volumes", "Contrôleur de volumes", 0, "Ctrl+L"),
};

constexpr std::array kCommandes = {
    entree("vcmd_a", "Précédent", 0, "Shift+F1"),
    entree("vcmd_b", "Suivant", 0, "Shift+F2"),
    kSeparateur,
    entree("vcmd_c", "Arrêt", 0, "Shift+F3"),
    entree("vcmd_d", "Lecture", 0, "Shift+F4"),
    entree("vcmd_e", "Pause", 0, "Shift+F5"),
    kSeparateur,
    entree("vcmd_f", "Retour rapide", 0, "Shift+F6"),
    entree("vcmd_g", "Avance rapide", 10, "Shift+F7"),
    kSeparateur,
    entree("vcmd_h", "Silence", 0, "Shift+F8"),
};

constexpr std::array kAffichage = {
    sousMenu("colonnes", "Paramètres des colonnes"),
    entree("Enregistrer_disposition", "Enregistrer la disposition", 5),
    entree("reinitialiser", "Réinitialiser les paramètres", 5),
    kFinSousMenu,
    kSeparateur,
    entree("choix_affichage0", "Afficher la barre d'outils", 0, "", Coche::Cochee),
    entree("choix_affichage1", "Afficher la barre de recherches", 10, "", Coche::Cochee),
    entree("choix_affichage2", "Afficher la barre d'états", 0, "", Coche::Cochee),
    kSeparateur,
    entree("toujour_premier_plan", "Toujour afficher le lecteur au 1er plan", 10, "", Coche::Decochee),
};

constexpr std::array kTrier = {
    entree("ordre_tri0", "Nom du fichier", 0, "Shift+Ctrl+F1"),
    entree("ordre_tri1", "Auteur", 0, "Shift+Ctrl+F2"),
    entree("ordre_tri2", "Titre", 0, "Shift+Ctrl+F3"),
    entree("ordre_tri3", "Album", 0, "Shift+Ctrl+F4"),
    entree("ordre_tri4", "Style", 0, "Shift+Ctrl+F5"),
    entree("ordre_tri5", "Kbps", 0, "Shift+Ctrl+F6"),
    entree("ordre_tri6", "Emplacement", 0, "Shift+Ctrl+F7"),
    entree("ordre_tri7", "Durée", 0, "Shift+Ctrl+F8"),
    entree("ordre_tri8", "Commentaires", 10, "Shift+Ctrl+F9"),
};

constexpr std::array kSelection = {
    entree("Marquer_tout0", "Marquer tous les fichiers de la liste", 5),
    entree("Marquer_tout1", "Démarquer tous les fichiers"),
    entree("Inverser", "Inverser le marquage de la liste"),
    entree("cocher_aléatoirement", "Cocher aléatoirement les fichiers"),
    sousMenu("Paramètres_aléatoires", "Paramètres aléatoires"),
    entree("choixFréquence0", "Fréquence élevée", 0, "", Coche::Cochee),
    entree("choixFréquence1", "Fréquence moyenne", 0, "", Coche::Decochee),
    entree("choixFréquence2", "Fréquence faible", 0, "", Coche::Decochee),
    entree("choixFréquence3", "Fréquence très faible", 5, "", Coche::Decochee),
    kFinSousMenu,
    kSeparateur,
    entree("marquer_selec0", "Marquer/démarquer la sélection"),
    entree("Informations_selec", "Informations tailles et durées", 0, "F4"),
    entree("Renommer_fichier", "Renommer la sélection", 0, "F2"),
    entree("Renommer", "Renommer les fichiers en masse", 10, "Ctrl+R"),
};

constexpr std::array kFavoris = {
    entree("Ajouter_Favoris", "Gestion de la liste des favoris", 10),
    kSeparateur,
    entree("liste_favoris0", "(aucun Favoris)"),
};

constexpr std::array kAide = {
    entree("a_propos", "A propos de Tulvane ©", 5),
    entree("Support", "Support technique Online", 0, "F1"),
    kSeparateur,
    entree("cacher", "Cacher dans le Sys-Tray"),
    entree("voir_lecteur", "Afficher le lecteur Tulvane", 5, "F12"),
};

constexpr std::array<MenuPrincipal, 9> kMenus = {{
    {"menu_liste", "&Liste", kListe},
    {"menu_fichiers", "&Fichiers", kFichiers},
    {"Mode", "&Mode", kMode},
    {"Fonctions", "&Commandes", kCommandes},
    {"Affichage", "&Affichage", kAffichage},
    {"Trier", "&Trier", kTrier},
    {"Sélection", "&Sélection", kSelection},
    {"Playlist", "&Favoris", kFavoris},
    {"menu_aide", "&?", kAide},
}};

}  // namespace

std::span<const MenuPrincipal> menusListe()
{
    return kMenus;
}

}  // namespace tulvane::playlist
