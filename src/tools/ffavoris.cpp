#include "tools/ffavoris.h"

#include "app/contexte.h"
#include "platform/ansi_text.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "playlist/favoris.h"
#include "playlist/fliste.h"
#include "tools/cadre_outil.h"

#include <QFileInfo>
#include <QLabel>
#include <QPainter>
#include <QPainterPath>
#include <QPushButton>

#include <array>
#include <cmath>
#include <numbers>
#include <vector>

namespace tulvane::tools {

namespace {

constexpr int kLargeur = 7650;
constexpr int kHauteur = 5970;

constexpr Place kImage{120, 120, 480, 480};
constexpr Legende kTexte{
    "Les favoris de Play-List permettent l'accès direct à toutes vos listes de fichiers musicaux préférés. "
    "Il vous suffit d'ajouter des fichiers Tulvane de types TVL de votre choix.",
    {720, 150, 6810, 780}};
constexpr Place kListe{120, 1020, 7410, 4260};

// Left to right along the bottom: Command2, Command3, Command4, then Command1 on its own.
constexpr std::array<Legende, 4> kBoutons = {{
    {"&Ajouter", {120, 5460, 1215, 375}},
    {"&Supprimer", {1455, 5460, 1215, 375}},
    {"&Renommer", {2790, 5460, 1215, 375}},
    {"&Fermer", {6315, 5460, 1215, 375}},
}};

constexpr int kColonneNom = 2300;
constexpr int kColonneEmplacement = 8000;

// A play list with a gold star on it.
QPixmap imageFavoris()
{
    QPixmap toile(32, 32);
    toile.fill(Qt::transparent);
    QPainter p(&toile);
    p.setRenderHint(QPainter::Antialiasing);

    QPainterPath feuille;
    feuille.moveTo(4.5, 1.5);
    feuille.lineTo(18.5, 1.5);
    feuille.lineTo(24.5, 7.5);
    feuille.lineTo(24.5, 28.5);
    feuille.lineTo(4.5, 28.5);
    feuille.closeSubpath();
    p.setPen(QPen(QColor(0x3c, 0x3c, 0x3c), 1));
    p.setBrush(Qt::white);
    p.drawPath(feuille);
    p.setBrush(QColor(0xdd, 0xdd, 0xdd));
    p.drawPolygon(QPolygonF({QPointF(18.5, 1.5), QPointF(18.5, 7.5), QPointF(24.5, 7.5)}));
    p.setPen(QPen(QColor(0x2d, 0x6c, 0xc0), 2, Qt::SolidLine, Qt::RoundCap));
    for (double y : {8.0, 12.5, 17.0})
        p.drawLine(QPointF(8, y), QPointF(y < 10 ? 15 : 20.5, y));

    QPolygonF etoile;
    const QPointF centre(22, 22);
    for (int i = 0; i < 10; ++i) {
        const double angle = (i * 36 - 90) * std::numbers::pi / 180;
        const double rayon = i % 2 == 0 ? 9.5 : 4;
        etoile << centre + QPointF(rayon * std::cos(angle), rayon * std::sin(angle));
    }
    p.setPen(QPen(QColor(0xb0, 0x78, 0x10), 1.2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(QColor(0xf6, 0xc4, 0x2e));
    p.drawPolygon(etoile);
    return toile;
}

}  // namespace

FFavoris::FFavoris(app::Contexte& contexte, QWidget* parent)
    : QDialog(parent), ctx_(contexte)
{
    preparerCadre(*this, " Gestion de la liste des favoris    ", kLargeur, kHauteur);

    Image1 = placer(new QLabel(this), kImage);
    Image1->setPixmap(imageFavoris());
    Label1 = etiquette(this, kTexte);

    ListView1 = placer(new platform::ListView(this), kListe);
    ListView1->addColumn("Nom", platform::twipsEnPixels(kColonneNom));
    ListView1->addColumn("Emplacement", platform::twipsEnPixels(kColonneEmplacement));

    Command2 = bouton(this, kBoutons[0]);
    Command3 = bouton(this, kBoutons[1]);
    Command4 = bouton(this, kBoutons[2]);
    Command1 = bouton(this, kBoutons[3]);
    Command3->setEnabled(false);
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command4, &QPushButton::clicked, this, [this] { Command4_Click(); });

    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });

    Form_Load();
}

// No file is the first opening: an empty list, without a word. A file that is there but
// cannot be read is told, since the next "&Fermer" replaces it.
void FFavoris::Form_Load()
{
    const QString chemin = ctx_.cheminProgramme(playlist::kFichierFavoris);
    const platform::TextContent contenu = platform::readText(chemin);
    if (contenu.ok()) {
        std::vector<std::vector<QString>> lignes;
        for (const playlist::FavoriLu& f : playlist::lireFavoris(contenu.text).favoris)
            lignes.push_back({QString::fromStdString(f.favori.nom), QString::fromStdString(f.favori.chemin)});
        ListView1->addItems(std::move(lignes));
    } else if (QFileInfo(chemin).exists()) {
        ctx_.dialogues().messageBox(contenu.error + "\nLa liste des favoris s'ouvre vide.", "Erreur d'ouverture",
                                    platform::MessageIcon::Exclamation, platform::MessageButtons::Ok);
    }
    Timer1.start();
}

// A failed write leaves the old file and the menu as they were, and the dialog open with
// everything the user did in it, to try again.
void FFavoris::Command1_Click()
{
    std::vector<playlist::Favori> favoris;
    for (int i = 1; i <= ListView1->count(); ++i)
        favoris.push_back({ListView1->text(i).toStdString(), ListView1->subItem(i, 1).toStdString()});
    const platform::TextWrite resultat = ctx_.fListe().fnEnregistrerFavoris(favoris);
    if (!resultat.ok()) {
        ctx_.dialogues().messageBox(resultat.error + "\nLes favoris n'ont pas été enregistrés ; "
                                                     "vos modifications restent dans la liste.",
                                    "Annulation de procédure", platform::MessageIcon::Critical,
                                    platform::MessageButtons::Ok);
        return;
    }
    accept();
}

void FFavoris::Command2_Click()
{
    platform::DialogService& dialogues = ctx_.dialogues();
    const QStringList choix = platform::sansNomsNonUtf8(
        dialogues.showOpen({.title = "Ajouter une Play-List",
                            .filter = "Play-List Tulvane (*.tvl4)|*.tvl4",
                            .fileName = "",
                            .mustExist = false}),
        dialogues);
    if (choix.isEmpty())
        return;
    const QString nom = dialogues.inputBox("Veuillez affecter un nom à la Play-List choisie :", "Ajouter une liste", "");
    if (nom.isEmpty())
        return;
    const int ligne = ListView1->add(nom);
    ListView1->setSubItem(ligne, 1, choix.constFirst());
}

// Without a selected row there is nothing to remove, and nothing is asked.
void FFavoris::Command3_Click()
{
    const int ligne = ListView1->selectedItem();
    if (ligne == 0)
        return;
    if (ctx_.dialogues().messageBox("Souhaitez-vous réellement supprimer la sélection ?", "Suppression",
                                    platform::MessageIcon::Critical, platform::MessageButtons::YesNo)
        == platform::MessageAnswer::Yes)
        ListView1->remove(ligne);
}

void FFavoris::Command4_Click()
{
    ListView1->setFocus();
    ListView1->startLabelEdit();
}

void FFavoris::Timer1_Timer()
{
    const bool lignes = ListView1->count() > 0;
    Command3->setEnabled(lignes);
    Command4->setEnabled(lignes);
}

}  // namespace tulvane::tools
