// The play-list window's layout, its bars and the column layout file.
#include "app/contexte.h"
#include "platform/ansi_text.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "player/finterface.h"
#include "playlist/colonnes.h"
#include "playlist/disposition_liste.h"
#include "playlist/fliste.h"

#include <QAction>
#include <QCloseEvent>
#include <QComboBox>
#include <QProgressBar>
#include <QStatusBar>
#include <QToolBar>

#include <cmath>

namespace tulvane::playlist {

namespace {

const QString kFichierColonnes = "Colonnes.dat";

int enPixels(double twips)
{
    return static_cast<int>(std::lround(twips / platform::kTwipsParPixel));
}

double enTwips(int pixels)
{
    return platform::pixelsEnTwips(pixels);
}

QRect enPixels(const Rectangle& r)
{
    return {enPixels(r.gauche), enPixels(r.haut), enPixels(r.largeur), enPixels(r.hauteur)};
}

}  // namespace

void FListe::Form_Load()
{
    for (int colonne = 1; colonne <= Liste->columnCount(); ++colonne)
        Combo2->addItem(Liste->columnCaption(colonne));
    Combo2->setCurrentIndex(0);
    vFrequence = 3;
    chargerColonnes();
    fnChargerFavoris();
}

// A file that is missing or not made of valid positions leaves the columns in index order.
void FListe::chargerColonnes()
{
    const platform::TextContent contenu = platform::readText(ctx_.cheminProgramme(kFichierColonnes));
    if (!contenu.ok())
        return;
    const auto positions = lirePositionsColonnes(contenu.text, Liste->columnCount());
    if (!positions)
        return;
    for (std::size_t i = 0; i < positions->size(); ++i)
        Liste->setColumnPosition(int(i) + 1, (*positions)[i]);
}

void FListe::Form_Resize()
{
    EtatFenetre etat;
    etat.largeur = enTwips(zone_->width()) + kCadreLargeur;
    etat.hauteur = enTwips(zone_->height()) + kCadreHauteur;
    etat.minimisee = isMinimized();
    etat.barreOutils = !Toolbar1->isHidden();
    etat.barreRecherche = !Picture6->isHidden();
    etat.barreEtat = !StatusBar1->isHidden();
    etat.colonnesInit = vColonnesInit;
    etat.gaucheListe = enTwips(Liste->x());
    etat.largeurListe = enTwips(Liste->width());
    etat.largeurColonne2 = largeurColonne(2);
    etat.largeurColonne3 = largeurColonne(3);
    const std::optional<Disposition> d = disposerFenetre(etat);
    if (!d)
        return;

    if (d->largeur != etat.largeur || d->hauteur != etat.hauteur)
        resize(size() + QSize(enPixels(d->largeur - etat.largeur), enPixels(d->hauteur - etat.hauteur)));
    if (d->colonnes) {
        Liste->setColumnWidth(1, enPixels(d->colonnes->colonne1));
        Liste->setColumnWidth(7, enPixels(d->colonnes->colonne7));
        Liste->setColumnWidth(9, enPixels(d->colonnes->colonne9));
        vColonnesInit = true;
    }
    Liste->setGeometry(enPixels(d->liste));
    Picture1->move(enPixels(d->gaucheAide), enPixels(d->hautAide));
    ProgressBar1->move(ProgressBar1->x(), enPixels(d->hautProgression));
    Toolbar1->setGeometry(enPixels(d->barreOutils));
    Picture6->setGeometry(enPixels(d->barreRecherche));
    StatusBar1->setGeometry(enPixels(d->barreEtat));
    Picture1->raise();
    ProgressBar1->raise();
}

void FListe::Form_Unload(bool& Cancel)
{
    Cancel = true;
    hide();
    ctx_.fInterface().raise();
}

void FListe::closeEvent(QCloseEvent* event)
{
    bool annuler = false;
    Form_Unload(annuler);
    event->setAccepted(!annuler);
}

void FListe::choix_affichage_Click(int Index)
{
    QAction* entree = menu(QString("choix_affichage%1").arg(Index));
    if (!entree)
        return;
    entree->setChecked(!entree->isChecked());
    montrerBarres();
    Form_Resize();
}

void FListe::montrerBarres()
{
    Toolbar1->setVisible(menu("choix_affichage0")->isChecked());
    Picture6->setVisible(menu("choix_affichage1")->isChecked());
    StatusBar1->setVisible(menu("choix_affichage2")->isChecked());
}

void FListe::Enregistrer_disposition_Click()
{
    std::vector<int> positions;
    for (int colonne = 1; colonne <= Liste->columnCount(); ++colonne)
        positions.push_back(Liste->columnPosition(colonne));
    ecrireFichierOuSignaler(ctx_.cheminProgramme(kFichierColonnes),
                            QByteArray::fromStdString(ecrirePositionsColonnes(positions)),
                            "La disposition des colonnes a été enregistrée avec succès !");
}

void FListe::reinitialiser_Click()
{
    std::vector<int> positions;
    for (int colonne = 1; colonne <= Liste->columnCount(); ++colonne) {
        Liste->setColumnPosition(colonne, colonne);
        positions.push_back(Liste->columnPosition(colonne));
    }
    ecrireFichierOuSignaler(ctx_.cheminProgramme(kFichierColonnes),
                            QByteArray::fromStdString(ecrirePositionsColonnes(positions)),
                            "La disposition des colonnes a été réinitialisée !");
}

}  // namespace tulvane::playlist
