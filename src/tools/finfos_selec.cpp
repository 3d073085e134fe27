#include "tools/finfos_selec.h"

#include "app/contexte.h"
#include "platform/chemin_systeme.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"
#include "tools/cadre_outil.h"
#include "tools/totaux_selection.h"

#include <QFrame>
#include <QLabel>
#include <QPushButton>

#include <vector>

namespace tulvane::tools {

namespace {

// Each caption and the index of the label that faces it, top to bottom.
struct Ligne {
    std::size_t legende;
    std::size_t valeur;
    const char* texte;
};

constexpr std::array<Ligne, 5> kLignes = {{
    {0, 9, "Quantité de fichiers :"},
    {1, 8, "Poid total :"},
    {2, 7, "Durée totale :"},
    {3, 6, "Qualité moyenne :"},
    {4, 5, "Durée moyenne :"},
}};

constexpr int kHautLigne = 120;
constexpr int kPasLigne = 300;

}  // namespace

FInfosSelec::FInfosSelec(app::Contexte& contexte, QWidget* parent)
    : QDialog(parent), ctx_(contexte)
{
    preparerCadre(*this, " Informations sélection", 5085, 3480);
    Image1 = image(this, {240, 240, 480, 480});
    Label7 = etiquette(this, {"Ce système vous informe sur le poid ainsi que la durée totale des fichiers "
                              "sélectionnés au sein de la liste.",
                              {840, 240, 4005, 615}});
    Picture1 = placer(new QFrame(this), Place{240, 960, 4605, 1695});
    Picture1->setFrameShape(QFrame::StyledPanel);
    for (std::size_t i = 0; i < kLignes.size(); ++i) {
        const int haut = kHautLigne + int(i) * kPasLigne;
        Label1[kLignes[i].legende] = etiquette(Picture1, {kLignes[i].texte, {120, haut, 1800, 255}});
        Label1[kLignes[i].valeur] = etiquette(Picture1, {"", {2040, haut, 2445, 255}});
    }
    Command1 = bouton(this, {"&Fermer", {3690, 2880, 1155, 375}});
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Form_Load();
}

void FInfosSelec::Form_Load()
{
    const platform::ListView& liste = *ctx_.fListe().Liste;
    std::vector<LigneTotaux> lignes;
    const int n = liste.count();
    for (int ligne = 1; ligne <= n; ++ligne) {
        if (!liste.isSelected(ligne))
            continue;
        lignes.push_back({liste.subItem(ligne, playlist::kKbps).toStdString(),
                          liste.subItem(ligne, playlist::kDuree).toStdString(),
                          tailleFichier(platform::cheminSysteme(liste.subItem(ligne, playlist::kEmplacement)))});
    }
    const TextesTotaux textes = formaterTotaux(totaliser(lignes));
    const std::array<const std::string*, 5> valeurs = {&textes.quantite, &textes.poids, &textes.dureeTotale,
                                                       &textes.qualiteMoyenne, &textes.dureeMoyenne};
    for (std::size_t i = 0; i < kLignes.size(); ++i)
        Label1[kLignes[i].valeur]->setText(QString::fromStdString(*valeurs[i]));
}

void FInfosSelec::Command1_Click()
{
    reject();
}

}  // namespace tulvane::tools
