#include "tools/ftag1.h"

#include "app/contexte.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"

#include <QComboBox>
#include <QLineEdit>
#include <QPushButton>

namespace tulvane::tools {

namespace {

constexpr EditeurTag::Disposition kDisposition{
    " Editeur de TAG-ID3",
    5790,
    5205,
    {"L'éditeur de TAG-ID3 vous permet de modifier les en-têtes des",
     "fichiers audio. Ces informations sont rattachées au fichier."},
    240,
    4050,
    {"&Sauver", {3060, 4620, 1155, 375}},
    {4395, 4620, 1155, 375},
};

}  // namespace

FTag1::FTag1(app::Contexte& contexte, const QString& vfnAdresse, const ValeursTag& v, QWidget* parent)
    : EditeurTag(contexte, parent, kDisposition), fichier_(v)
{
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    Text6 = vfnAdresse;
    Text1->setText(QString::fromStdString(v.auteur));
    Text2->setText(QString::fromStdString(v.titre));
    Combo1->setCurrentIndex(Combo1->findText(v.style.empty() ? QString("Other") : QString::fromStdString(v.style)));
    Text3->setText(QString::fromStdString(v.album));
    Text4->setText(QString::fromStdString(v.annee));
    Text5->setText(QString::fromStdString(v.commentaire));
    affiches_ = valeursAffichees();
}

ValeursTag FTag1::valeursAffichees() const
{
    return {Text2->text().toStdString(), Text1->text().toStdString(),          Text3->text().toStdString(),
            Text4->text().toStdString(), Combo1->currentText().toStdString(), Text5->text().toStdString()};
}

void FTag1::Command3_Click()
{
    const auto genre = static_cast<std::uint8_t>(Combo1->currentData().toInt());
    ValeursTag valeurs = valeursAffichees();
    const metadata::ChampsModifies modifies{.titre = valeurs.titre != affiches_.titre,
                                            .auteur = valeurs.auteur != affiches_.auteur,
                                            .album = valeurs.album != affiches_.album,
                                            .annee = valeurs.annee != affiches_.annee,
                                            .commentaire = valeurs.commentaire != affiches_.commentaire,
                                            .style = valeurs.style != affiches_.style};
    if (!modifies.style)
        valeurs.style = styleGarde(fichier_);
    // The rows change only when the file did.
    if (const std::optional<QString> raison = ecrireTag(Text6, valeurs, genre, modifies)) {
        signalerEchecs({*raison});
        return;
    }
    platform::ListView& liste = *ctx_.fListe().Liste;
    for (int ligne = 1; ligne <= liste.count(); ++ligne)
        if (liste.subItem(ligne, playlist::kEmplacement) == Text6)
            mettreAJourLigne(ligne, valeurs);
    Command1_Click();
}

}  // namespace tulvane::tools
