#pragma once

#include "platform/ansi_text.h"
#include "playlist/favoris.h"
#include "playlist/playlist_file.h"

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QStringList>
#include <QTimer>

#include <array>
#include <cstdint>
#include <functional>
#include <optional>
#include <span>
#include <vector>

class QAction;
class QCheckBox;
class QComboBox;
class QLabel;
class QMenu;
class QProgressBar;
class QPushButton;
class QStatusBar;
class QToolBar;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::playlist {

struct EntreeMenu;

// Column indexes of a play-list row: the row text, then its eight sub-items.
enum Colonne {
    kNomFichier = 0,
    kAuteur = 1,
    kTitre = 2,
    kAlbum = 3,
    kStyle = 4,
    kKbps = 5,
    kEmplacement = 6,
    kDuree = 7,
    kCommentaires = 8,
};

// The station-list server and the support site.
inline constexpr const char* kAdresseListeRadios = "http://radios.tulvane.org/stations_radio_tulvane.txt";
inline constexpr const char* kAdresseSupport = "https://www.tulvane.org/support";

// The play-list window: the list of files, its menus, tool bar, search bar, status bar and
// help panel, and the two timers that keep it and the player window in step with the file
// player. Closing it only hides it.
class FListe : public QMainWindow {
public:
    explicit FListe(app::Contexte& contexte);
    ~FListe() override;

    QToolBar* Toolbar1;
    platform::ListView* Liste;
    QWidget* Picture6;               // the search bar
    QComboBox* Combo2;               // the search bar's field list
    QStatusBar* StatusBar1;
    std::array<QLabel*, 6> Panels{};  // the status bar's six panels, left to right
    QWidget* Picture1;               // help panel shown while the list is empty
    QLabel* Image1;                  // the help panel's picture
    std::array<QLabel*, 8> Label3{};  // the help panel's texts; 2 and 6 are unused
    QProgressBar* ProgressBar1;
    QTimer Timer1;
    QTimer Timer2;

    bool vColonnesInit = false;  // the first-time column widths are applied
    int vFrequence = 0;          // divisor of the random marking
    int vLigneClic = 0;          // row band of the last mouse-down in the list

    // The menu entry of that name ("nouvelle", "vcmd_a", "vModeLect0"...), or the action of
    // a menu or submenu ("Fonctions", "colonnes"); null for none.
    QAction* menu(const QString& nom) const;
    // Button 1 to 20 of the tool bar, separators included; null outside.
    QAction* bouton(int index) const;

    // Adding a file and showing the current row's details.
    void fnAjouterFichierLite(const QString& vfnAdresse);
    void fnAfficherInfosPiste(int ligne);

    // Play-list files.
    void fnChargerListe(const QString& vfnAdresse);
    void fnEnregistrerListe(const QString& vfnAdresse);
    void fnEnregistrerSelection(const QString& vfnAdresse);
    void nouvelle_Click();
    void Ouvrir_Click();
    void Enregistrer_Click();
    void Enregistrer_sous_Click();
    void Enregistrer_selection_Click();

    // Timers.
    void Timer1_Timer();
    void Timer2_Timer();

    // Play commands and play mode.
    void Liste_DblClick();
    void Liste_KeyPress(int code);
    void vcmd_a_Click();
    void vcmd_b_Click();
    void vcmd_c_Click();
    void vcmd_d_Click();
    void vcmd_e_Click();
    void vcmd_f_Click();
    void vcmd_g_Click();
    void vcmd_h_Click();
    void vModeLect_Click(int index);
    void voir_lecteur_Click();
    void volumes_Click();

    // Window layout and column layout file.
    void Form_Load();
    void Form_Resize();
    void Form_Unload(bool& Cancel);
    void choix_affichage_Click(int Index);
    // The three bars shown as their entries of the display menu are checked.
    void montrerBarres();
    void Enregistrer_disposition_Click();
    void reinitialiser_Click();

    // Adding files by dialog and drag and drop; moving rows. y in twips from the list's
    // top edge.
    void Importation_emplac_Click();
    void Liste_MouseDown(double y);
    // Files dropped from the desktop, or, without a file list, rows of the list itself.
    void Liste_OLEDragDrop(const std::optional<QStringList>& fichiers, double y);

    // Tool bar and the small commands of the menus.
    void Toolbar1_ButtonClick(int index);
    void Toolbar1_ButtonMenuClick(const QString& cle);
    void Atteindre_Click();
    void A_propos_Click();
    void Cacher_Click();
    void toujour_premier_plan_Click();
    void Live_Update_Click();
    void Support_Click();

    // Marks, random marking, selection and sorting.
    void Marquer_tout_Click(int Index);
    void Inverser_Click();
    void cocher_aléatoirement_Click();
    void choixFréquence_Click(int Index);
    void marquer_selec_Click(int Index);
    void Sélectionner_tout_Click();
    void ordre_tri_Click(int Index);
    void Liste_ColumnClick(int colonne);

    // Search bar.
    std::array<QLabel*, 2> Label1{};
    QComboBox* Combo1;  // the query, with the queries of the run as its list
    QPushButton* Command1;
    QCheckBox* Check1;  // the search also sets the marks
    void Combo1_KeyPress(int KeyAscii);
    void Combo1_LostFocus();
    void Command1_Click();

    // Refresh of the play list.
    void Actualiser_Click();

    // Removing rows: duplicates, selected rows, recycle bin.
    void suppr_doublons_Click();
    void Supprimer_Click();
    void Supprimer_source_Click();

    // Renaming a file in place (the edit of row `ligne`) and re-pointing a row.
    void Renommer_fichier_Click();
    void Liste_AfterLabelEdit(int ligne, bool& Cancel, const QString& NewString);
    void modifier_source_Click();

    // CSV export.
    void Exporter_Click();

    // Favourites menu, and its manager, a modal dialog. The manager saves its rows with
    // fnEnregistrerFavoris, which rebuilds the menu entries 1 to n from them once the file is
    // written; a failure leaves file and menu as they were, and is for the manager to show.
    void Ajouter_Favoris_Click();
    void fnChargerFavoris();
    void liste_favoris_Click(int Index);
    void fnDechargerListe();
    platform::TextWrite fnEnregistrerFavoris(std::span<const Favori> favoris);

    // The file tools, each a modal dialog created at opening and destroyed at close.
    void Importation_Click();
    void infos_fichier_Click();
    void editeur_tag_Click();
    void editeur_tag_global_Click();
    void Informations_selec_Click();
    void Renommer_Click();

    // What the player commands read of the list.
    int nombreLignes() const;
    QString cheminLigne(int ligne) const;
    bool estMarquee(int ligne) const;
    int modeLecture() const;

    // Paints bold and blue every row whose path is `fichier`, the others plain; returns the
    // last such row, 0 for none.
    int marquerLignesDe(const QString& fichier);

protected:
    void closeEvent(QCloseEvent* event) override;

private:
    void brancherCommandes();
    void executer(const QString& nom);
    void creerMenus();
    void creerEntree(QMenu* menu, const EntreeMenu& entree);
    void creerBarreOutils();
    void creerBarreRecherche();
    void creerBarreEtat();
    void creerAide();
    void chargerColonnes();
    double largeurColonne(int colonne) const;
    void deplacerSelection(double y);
    void peindreLigne(int ligne, bool courante);
    // The row text and the eight sub-items of a row, as the files take them.
    TextesLigne textesLigne(int ligne) const;
    void ecrireLignes(const QString& chemin, bool seulementSelection);
    void ecrireFichierOuSignaler(const QString& chemin, const QByteArray& contenu, const QString& succes,
                                 const QString& titreSucces = "Procédure effectuée");
    void lancerOuSignaler(const QString& cible, int styleFenetre);
    bool fichierChoisi();

    // The list operations.
    void creerRecherche();
    bool relireLigne(int ligne);
    void repointerLignes(const QString& ancien, const QString& nouveau, const QString& nom);
    void montrerFavoris(const LectureFavoris& lecture);

    app::Contexte& ctx_;
    QWidget* zone_;  // the client area below the menu bar, laid out by Form_Resize
    QHash<QString, std::function<void()>> commandes_;
    QHash<QString, QAction*> menus_;
    std::array<QAction*, 20> boutons_{};

    // What the last marking painted, so that an append repaints only the new row.
    struct Marquage {
        QString fichier;
        int derniere = 0;
        std::uint64_t revision = ~std::uint64_t{0};
    };
    Marquage marquage_;

    std::vector<QAction*> entreesFavoris_;  // the favourites' menu entries, from entry 1
};

}  // namespace tulvane::playlist
