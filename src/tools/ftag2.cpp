#include "tools/ftag2.h"

#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "player/fpiste.h"
#include "playlist/fliste.h"

#include <QCheckBox>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QProgressBar>
#include <QPushButton>

namespace tulvane::tools {

namespace {

constexpr int kGaucheChamps = 555;
constexpr int kLargeurStyle = 3735;

constexpr EditeurTag::Disposition kDisposition{
    "  Editeur de TAG-ID3 Global",
    6105,
    5685,
    {"L'éditeur de TAG-ID3 Global vous permet de modifier les en-têtes",
     "de tous les fichiers audio sélectionnés."},
    kGaucheChamps,
    kLargeurStyle,
    {"&Exécuter", {3375, 4800, 1155, 375}},
    {4710, 4800, 1155, 375},
};

// Check1 (0) to (5), beside Text1, Text2, Text3, Text4, Text5 and right of Combo1.
constexpr std::array<Place, 6> kCoches = {{
    {240, 1290, 255, 255},
    {240, 1950, 255, 255},
    {240, 2610, 255, 255},
    {240, 3270, 255, 255},
    {240, 3930, 255, 255},
    {kGaucheChamps + 1260 + kLargeurStyle + 60, 3270, 255, 255},
}};

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

std::string utf8(const QString& texte)
{
    return texte.toStdString();
}

}  // namespace

FTag2::FTag2(app::Contexte& contexte, QWidget* parent)
    : EditeurTag(contexte, parent, kDisposition)
{
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    for (std::size_t i = 0; i < Check1.size(); ++i)
        Check1[i] = placer(new QCheckBox(this), kCoches[i]);
    Label9 = etiquette(this, {"Sélectionnez les champs à appliquer", {240, 4380}});
    ProgressBar1 = placer(new QProgressBar(this), Place{0, 5445, 6105, 240});
    ProgressBar1->setTextVisible(false);
    ProgressBar1->setValue(0);
    Combo2 = new QComboBox(this);
    Combo2->hide();
    remplirGenres(Combo2);

    const std::array<QLineEdit*, 5> boites = {Text1, Text2, Text3, Text4, Text5};
    for (std::size_t i = 0; i < boites.size(); ++i)
        connect(boites[i], &QLineEdit::textChanged, this, [this, boite = boites[i], i] { Text_Change(boite, i); });

    const platform::ListView& liste = *ctx_.fListe().Liste;
    for (int ligne = 1; ligne <= liste.count(); ++ligne)
        if (liste.isSelected(ligne))
            ++vNbSelection;
}

void FTag2::Text_Change(QLineEdit* boite, std::size_t coche)
{
    if (!boite->text().isEmpty())
        Check1[coche]->setChecked(true);
}

void FTag2::Command3_Click()
{
    if (ctx_.dialogues().messageBox(QString("Les TAG-ID3 du/des %1 fichier(s) sélectionné(s) seront modifiés.\n"
                                            "Souhaitez-vous effectuer la procédure ?")
                                        .arg(vNbSelection),
                                    "Editeur global", platform::MessageIcon::Question,
                                    platform::MessageButtons::YesNo)
        != platform::MessageAnswer::Yes)
        return;

    ProgressBar1->setMaximum(std::max(vNbSelection, 1));
    // An unticked field keeps the file's own bytes.
    const auto coche = [this](std::size_t i) { return Check1[i]->isChecked(); };
    const metadata::ChampsModifies modifies{.titre = coche(1),
                                            .auteur = coche(0),
                                            .album = coche(2),
                                            .annee = coche(3),
                                            .commentaire = coche(4),
                                            .style = coche(5)};
    const QString lecteur = ctx_.fPiste().Piste().FileName();
    platform::ListView& liste = *ctx_.fListe().Liste;
    QStringList echecs;
    int compteur = 0;
    for (int ligne = 1; ligne <= liste.count(); ++ligne) {
        if (!liste.isSelected(ligne))
            continue;
        ProgressBar1->setValue(++compteur);
        const QString chemin = liste.subItem(ligne, playlist::kEmplacement);
        if (chemin == lecteur)
            continue;
        const ValeursTag fichier = lireValeursTag(platform::cheminSysteme(chemin));
        ValeursTag v;
        v.auteur = modifies.auteur ? utf8(Text1->text()) : fichier.auteur;
        v.titre = modifies.titre ? utf8(Text2->text()) : fichier.titre;
        v.album = modifies.album ? utf8(Text3->text()) : fichier.album;
        v.annee = modifies.annee ? utf8(Text4->text()) : fichier.annee;
        v.commentaire = modifies.commentaire ? utf8(Text5->text()) : fichier.commentaire;
        const QString style = modifies.style ? Combo1->currentText() : fichier.style.empty() ? "Other" : texte(fichier.style);
        Combo2->setCurrentIndex(Combo2->findText(style));
        v.style = modifies.style ? utf8(Combo2->currentText()) : styleGarde(fichier);
        // The row changes only when its file did.
        if (const std::optional<QString> raison =
                ecrireTag(chemin, v, static_cast<std::uint8_t>(Combo2->currentData().toInt()), modifies))
            echecs += *raison;
        else
            mettreAJourLigne(ligne, v);
    }
    if (echecs.isEmpty())
        ctx_.dialogues().messageBox("Les Tag-ID3 du/des fichier(s) sélectionné(s) ont été modifiés avec succès !",
                                    "Procédure effectuée", platform::MessageIcon::Information,
                                    platform::MessageButtons::Ok);
    else
        signalerEchecs(echecs);
    Command1_Click();
}

}  // namespace tulvane::tools
