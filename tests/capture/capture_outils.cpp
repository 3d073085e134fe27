// Pictures of the file tools' dialogs on a real display, over a small library of files.
// Usage: capture_outils <output folder>; each dialog is shown in turn and saved as
// outil_<name>.png, cut from the screen at the dialog's place.
#include "fakes/contexte_test.h"
#include "metadata/id3v1.h"
#include "platform/list_view.h"
#include "playlist/extensions.h"
#include "playlist/fliste.h"
#include "support/bytes.h"
#include "tools/fimporter.h"
#include "tools/finfos_fichier.h"
#include "tools/finfos_selec.h"
#include "tools/frenommer.h"
#include "tools/ftag1.h"
#include "tools/ftag2.h"

#include <QApplication>
#include <QComboBox>
#include <QDir>
#include <QLineEdit>
#include <QScreen>
#include <QTest>

#include <cstdio>

using namespace tulvane;

namespace {

struct Morceau {
    const char* fichier;
    const char* titre;
    const char* auteur;
    const char* album;
    const char* annee;
    std::uint8_t genre;
};

constexpr Morceau kMorceaux[] = {
    {"Musique/Jazz/01 - Blue in Green.mp3", "Blue in Green", "Miles Davis", "Kind of Blue", "1959", 8},
    {"Musique/Jazz/02 - So What.mp3", "So What", "Miles Davis", "Kind of Blue", "1959", 8},
    {"Musique/Chanson/La Mer.mp3", "La Mer", "Charles Trenet", "Chansons", "1946", 102},
    {"Musique/Chanson/Ne me quitte pas.mp3", "Ne me quitte pas", "Jacques Brel", "La Valse à mille temps", "1959", 102},
    {"Musique/Classique/Gymnopédie n°1.mp3", "Gymnopédie n°1", "Erik Satie", "Gymnopédies", "1888", 32},
    {"Musique/Classique/Clair de lune.wav", "", "", "", "", 0},
};

// A 128 kbit/s MPEG-1 Layer III file of about `secondes` seconds, tagged unless `titre` is "".
test::Bytes morceau(const Morceau& m, int secondes)
{
    test::Bytes octets(std::size_t(secondes) * 16000, 0);
    for (std::size_t debut : {0u, 417u, 834u})
        test::put(octets, debut, test::bytes({0xFF, 0xFB, 0x90, 0x64}));
    if (*m.titre) {
        const auto tag = metadata::composerTag(m.titre, m.auteur, m.album, m.annee, m.genre, "");
        octets.insert(octets.end(), tag.begin(), tag.end());
    }
    return octets;
}

bool enregistrer(QDialog& dialogue, const QString& dossier, const char* nom)
{
    dialogue.show();
    dialogue.raise();
    dialogue.activateWindow();
    QTest::qWait(400);
    const QRect cadre = dialogue.frameGeometry();
    const QPixmap image = dialogue.screen()->grabWindow(0, cadre.x(), cadre.y(), cadre.width(), cadre.height());
    const QString chemin = dossier + "/outil_" + nom + ".png";
    const bool ok = image.save(chemin);
    std::printf("%s %s (%dx%d)\n", ok ? "Capture :" : "ÉCHEC :", qPrintable(chemin), image.width(), image.height());
    dialogue.hide();
    return ok;
}

}  // namespace

int main(int argc, char** argv)
{
    QApplication application(argc, argv);
    if (argc != 2) {
        std::fprintf(stderr, "usage: capture_outils <dossier>\n");
        return 2;
    }
    const QString sortie = QString::fromLocal8Bit(argv[1]);
    QDir().mkpath(sortie);

    test::ContexteDeTest t;
    playlist::fnInitExtensions(t.ctx());
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;
    int secondes = 150;
    for (const Morceau& m : kMorceaux) {
        const auto chemin = t.dossier() / m.fichier;
        std::filesystem::create_directories(chemin.parent_path());
        test::writeFile(chemin, morceau(m, secondes += 37));
        liste.fnAjouterFichierLite(QString::fromStdString(chemin.string()));
    }
    t.piste().setFileName("");
    for (int ligne = 1; ligne <= vue.count(); ++ligne)
        vue.setSelected(ligne, ligne >= 3);
    vue.setSelected(3, true);

    const QString bibliotheque = QString::fromStdString((t.dossier() / "Musique").string());
    bool ok = true;
    {
        tools::FImporter d(t.ctx(), nullptr, [&] { return QStringList{"/", bibliotheque}; });
        ok &= enregistrer(d, sortie, "importer_ouverture");
        d.Drive1->setCurrentIndex(1);
        d.Command3_Click();
        for (int ligne : {2, 3})
            d.ListView1->setSelected(ligne, true);
        ok &= enregistrer(d, sortie, "importer");
    }
    {
        tools::FTag1 d(t.ctx(), vue.subItem(3, playlist::kEmplacement),
                       tools::lireValeursTag(vue.subItem(3, playlist::kEmplacement).toStdString()));
        ok &= enregistrer(d, sortie, "tag");
    }
    {
        tools::FTag2 d(t.ctx());
        d.Text3->setText("Compilation 2024");
        d.Text4->setText("2024");
        ok &= enregistrer(d, sortie, "tag_global");
    }
    {
        tools::FInfosFichier d(t.ctx());
        ok &= enregistrer(d, sortie, "infos_fichier");
    }
    {
        tools::FInfosSelec d(t.ctx());
        ok &= enregistrer(d, sortie, "infos_selection");
    }
    {
        tools::FRenommer d(t.ctx());
        d.Text1->setText("[C] - [A]");
        ok &= enregistrer(d, sortie, "renommer");
    }
    return ok ? 0 : 1;
}
