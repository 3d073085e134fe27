#include "tools/editeur_tag.h"

#include "app/contexte.h"
#include "metadata/id3v1.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <limits>

namespace tulvane::tools {

namespace {

constexpr int kLargeurChamps = 5310;
constexpr int kLargeurAnnee = 1095;
constexpr int kHauteurBoite = 315;
constexpr int kEcartStyle = 1260;  // from the year's left edge to the genre's

struct Champ {
    const char* legende;
    int haut;  // of the caption; its box stands 240 twips lower
};

// Label1 to Label6, in the order of Text1, Text2, Text3, Text4, Combo1, Text5.
constexpr std::array<Champ, 6> kChamps = {{
    {"Nom(s) de/des auteur(s) :", 1020},
    {"Titre du fichier :", 1680},
    {"Nom de l'album :", 2340},
    {"Année :", 3000},
    {"Style :", 3000},
    {"Commentaires :", 3660},
}};

// Beyond this many, a failure message names no more files but counts them.
constexpr int kEchecsNommes = 20;

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

EditeurTag::EditeurTag(app::Contexte& contexte, QWidget* parent, const Disposition& d)
    : QDialog(parent), ctx_(contexte)
{
    preparerCadre(*this, d.legende, d.largeur, d.hauteur);
    Image1 = image(this, {240, 240, 480, 480});
    Label7 = etiquette(this, {d.aide[0], {840, 300, d.largeur - 1080, 240}});
    Label8 = etiquette(this, {d.aide[1], {840, 540, d.largeur - 1080, 240}});

    const int g = d.gaucheChamps;
    for (std::size_t i = 0; i < kChamps.size(); ++i) {
        const int gauche = i == 4 ? g + kEcartStyle : g;
        Label[i] = etiquette(this, {kChamps[i].legende, {gauche, kChamps[i].haut}});
    }
    // Created in their tab order.
    const auto boite = [this](int gauche, int haut, int largeur) {
        auto* b = placer(new QLineEdit(this), Place{gauche, haut + 240, largeur, kHauteurBoite});
        b->setMaxLength(std::numeric_limits<int>::max());
        return b;
    };
    Text1 = boite(g, kChamps[0].haut, kLargeurChamps);
    Text2 = boite(g, kChamps[1].haut, kLargeurChamps);
    Text3 = boite(g, kChamps[2].haut, kLargeurChamps);
    Text4 = boite(g, kChamps[3].haut, kLargeurAnnee);
    Combo1 = placer(new QComboBox(this), Place{g + kEcartStyle, kChamps[4].haut + 240, d.largeurStyle, kHauteurBoite});
    remplirGenres(Combo1);
    Text5 = boite(g, kChamps[5].haut, kLargeurChamps);
    Command3 = bouton(this, d.action);
    Command1 = bouton(this, {"&Annuler", d.annuler});

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.start();
}

void EditeurTag::Command1_Click()
{
    reject();
}

void EditeurTag::Timer1_Timer()
{
    Command3->setEnabled(!Combo1->currentText().isEmpty());
}

std::optional<QString> EditeurTag::ecrireTag(const QString& chemin, const ValeursTag& v, std::uint8_t genre,
                                             metadata::ChampsModifies modifies)
{
    const auto question = [this](const std::string& texte, const std::string& titre) {
        return ctx_.dialogues().messageBox(QString::fromStdString(texte), QString::fromStdString(titre),
                                           platform::MessageIcon::Question, platform::MessageButtons::OkCancel)
            == platform::MessageAnswer::Ok;
    };
    const metadata::ResultatEcriture resultat = metadata::fnEcrireTag(
        platform::cheminSysteme(chemin), v.titre, v.auteur, v.album, v.annee, genre, v.commentaire, question, modifies);
    switch (resultat.etat) {
    case metadata::ResultatEcriture::Etat::Ecrit:
        return std::nullopt;
    case metadata::ResultatEcriture::Etat::RefuseParUtilisateur:
        return QString("Le fichier « %1 » est resté protégé en écriture.").arg(chemin);
    case metadata::ResultatEcriture::Etat::Echec:
        break;
    }
    return texte(resultat.erreur);
}

void EditeurTag::mettreAJourLigne(int ligne, const ValeursTag& v)
{
    platform::ListView& liste = *ctx_.fListe().Liste;
    liste.setSubItem(ligne, playlist::kAuteur, texte(v.auteur));
    liste.setSubItem(ligne, playlist::kTitre, texte(v.titre));
    liste.setSubItem(ligne, playlist::kAlbum, texte(v.album));
    liste.setSubItem(ligne, playlist::kStyle, texte(v.style));
    liste.setSubItem(ligne, playlist::kCommentaires, texte(v.commentaire));
}

void EditeurTag::signalerEchecs(const QStringList& raisons)
{
    QStringList lignes{raisons.size() == 1
                           ? QString("Le Tag-ID3 d'un fichier n'a pas pu être modifié :")
                           : QString("Les Tag-ID3 de %1 fichiers n'ont pas pu être modifiés :").arg(raisons.size())};
    lignes += raisons.mid(0, kEchecsNommes);
    if (raisons.size() > kEchecsNommes)
        lignes += QString("... et %1 autre(s).").arg(raisons.size() - kEchecsNommes);
    ctx_.dialogues().messageBox(lignes.join('\n'), "Annulation de procédure", platform::MessageIcon::Exclamation,
                                platform::MessageButtons::Ok);
}

}  // namespace tulvane::tools
