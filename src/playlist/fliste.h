#pragma once

#include <QHash>
#include <QMainWindow>
#include <QString>
#include <QTimer>

#include <array>
#include <cstdint>

class QAction;
class QActionGroup;
class QLabel;
class QMenu;

namespace tulvane::app {
class Contexte;
}
namespace tulvane::platform {
class ListView;
}

namespace tulvane::playlist {

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

// The play-list window: the list of files, its menus, status bar and the two timers that
// keep it and the player window in step with the file player.
class FListe : public QMainWindow {
public:
    explicit FListe(app::Contexte& contexte);
    ~FListe() override;

    platform::ListView* Liste;
    std::array<QLabel*, 6> StatusBar1{};  // the six panels, left to right
    QWidget* Picture1;                    // help panel shown while the list is empty
    QTimer Timer1;
    QTimer Timer2;

    // The menu entry of that name ("nouvelle", "vcmd_a", "vModeLect0"...), or null.
    QAction* menu(const QString& nom) const;

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

    // What the player commands read of the list.
    int nombreLignes() const;
    QString cheminLigne(int ligne) const;
    bool estMarquee(int ligne) const;
    int modeLecture() const;

    // Paints bold and blue every row whose path is `fichier`, the others plain; returns the
    // last such row, 0 for none.
    int marquerLignesDe(const QString& fichier);

private:
    void creerMenus();
    void creerBarreEtat();
    QAction* ajouterEntree(QMenu* menu, const QString& nom, const QString& legende,
                           const QString& raccourci, void (FListe::*gestionnaire)());
    void peindreLigne(int ligne, bool courante);
    void ecrireLignes(const QString& chemin, bool seulementSelection);
    void ecrireFichierOuSignaler(const QString& chemin, const QByteArray& contenu, const QString& succes);

    app::Contexte& ctx_;
    QHash<QString, QAction*> menus_;
    QActionGroup* modes_;

    // What the last marking painted, so that an append repaints only the new row.
    struct Marquage {
        QString fichier;
        int derniere = 0;
        std::uint64_t revision = ~std::uint64_t{0};
    };
    Marquage marquage_;
};

}  // namespace tulvane::playlist
