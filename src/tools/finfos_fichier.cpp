#include "tools/finfos_fichier.h"

#include "app/contexte.h"
#include "metadata/mpeg.h"
#include "platform/ansi_text.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"
#include "tools/cadre_outil.h"
#include "tools/informations_fichier.h"

#include <QApplication>
#include <QLabel>
#include <QLocale>
#include <QPushButton>

#include <vector>

namespace tulvane::tools {

namespace {

constexpr int kLargeurLibelles = 1440;

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

}  // namespace

FInfosFichier::FInfosFichier(app::Contexte& contexte, QWidget* parent)
    : QDialog(parent), ctx_(contexte)
{
    preparerCadre(*this, " Informations fichier", 6600, 5175);
    Image1 = image(this, {240, 240, 480, 480});
    Label7 = etiquette(this, {"Voici toutes les informations détaillées relatives au fichier sélectionné. Ces "
                              "données proviennent du fichier physique ainsi que des Tag-ID3.",
                              {840, 240, 5520, 615}});
    ListView1 = placer(new platform::ListView(this), Place{240, 960, 6120, 3555});
    ListView1->addColumn(QString(), platform::twipsEnPixels(kLargeurLibelles));
    ListView1->addColumn(QString(), ListView1->width() * 2);
    ListView1->setColumnHeadersVisible(false);
    Picture1 = placer(new QWidget(this), Place{240, 4695, 195, 135});
    Picture1->setFocusPolicy(Qt::StrongFocus);
    Command3 = bouton(this, {"&Exporter", {3840, 4635, 1155, 375}});
    Command1 = bouton(this, {"&Fermer", {5205, 4635, 1155, 375}});

    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* recoit) {
        if (recoit && (recoit == ListView1 || ListView1->isAncestorOf(recoit)))
            ListView1_GotFocus();
    });
    Form_Load();
}

void FInfosFichier::Form_Load()
{
    const platform::ListView& liste = *ctx_.fListe().Liste;
    const int ligne = liste.selectedItem();
    const QString chemin = liste.subItem(ligne, playlist::kEmplacement);
    const std::filesystem::path systeme = platform::cheminSysteme(chemin);

    SourceInformations source;
    source.emplacement = chemin.toStdString();
    source.nomFichier = liste.text(ligne).toStdString();
    source.taille = tailleFichier(systeme);
    source.tag = lireValeursTag(systeme);
    metadata::InfosMPEG& audio = source.audio;
    metadata::fnAnalyserMP3(systeme, audio.duree, audio.secondes, audio.kbps, audio.canaux);

    const LignesInformation lignes = lignesInformations(source, QLocale().decimalPoint().toStdString());
    std::vector<std::vector<QString>> textes;
    for (const LigneInformation& l : lignes)
        textes.push_back({texte(l.libelle), texte(l.valeur)});
    ListView1->addItems(std::move(textes));
    for (int i = 1; i <= ListView1->count(); ++i)
        ListView1->setBold(i, true);
}

void FInfosFichier::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void FInfosFichier::Form_Resize()
{
    ListView1->setColumnWidth(2, ListView1->width() * 2);
}

void FInfosFichier::ListView1_GotFocus()
{
    Picture1->setFocus();
}

void FInfosFichier::Command3_Click()
{
    const QString fichier = ctx_.dialogues().showSave({"Exporter au format *.TXT", "Fichier texte (*.txt)|*.txt", ""});
    if (fichier.isEmpty())
        return;
    std::vector<LigneInformation> lignes;
    for (int i = 1; i <= ListView1->count(); ++i)
        lignes.push_back({ListView1->text(i).toStdString(), ListView1->subItem(i, 1).toStdString()});
    const std::string contenu = ExportTXT(lignes);
    const platform::TextWrite ecriture =
        platform::writeText(fichier, QByteArray(contenu.data(), static_cast<qsizetype>(contenu.size())));
    if (!ecriture.ok()) {
        ctx_.dialogues().messageBox(ecriture.error, "Annulation de procédure", platform::MessageIcon::Critical,
                                    platform::MessageButtons::Ok);
        return;
    }
    Command1_Click();
}

void FInfosFichier::Command1_Click()
{
    reject();
}

}  // namespace tulvane::tools
