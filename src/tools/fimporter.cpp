#include "tools/fimporter.h"

#include "app/contexte.h"
#include "components/media_player.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/hourglass.h"
#include "platform/list_view.h"
#include "platform/noms_non_utf8.h"
#include "player/fpiste.h"
#include "playlist/fliste.h"
#include "tools/cadre_outil.h"
#include "tools/parcours_disque.h"

#include <QAction>
#include <QApplication>
#include <QCollator>
#include <QComboBox>
#include <QFile>
#include <QFileInfo>
#include <QFrame>
#include <QLabel>
#include <QMenu>
#include <QProgressBar>
#include <QPushButton>
#include <QAbstractItemView>
#include <QStorageInfo>

#include <algorithm>

namespace tulvane::tools {

namespace {

// The explanation panel's texts, inside Picture2.
struct TexteAide {
    std::size_t index;
    Legende legende;
};

constexpr std::array<TexteAide, 3> kAide = {{
    {6, {"Importation de fichiers audio ou vidéo", {840, 240, 4380, 255}}},
    {0, {"Veuillez choisir le type de format audio que vous souhaitez utiliser, puis cliquez sur le bouton de "
         "recherche. Le système va alors parcourir tous les disques installés sur votre machine à la recherche de "
         "fichiers audio.",
         {240, 780, 4935, 855}}},
    {3, {"A noter que la première analyse peut être légèrement plus lente que les suivantes.", {240, 1740, 4935, 435}}},
}};

// The hits in the order of a sorted list box: alphabetical, ignoring case.
void trier(QStringList& chemins)
{
    QCollator collation;
    collation.setCaseSensitivity(Qt::CaseInsensitive);
    std::vector<QCollatorSortKey> cles;
    cles.reserve(std::size_t(chemins.size()));
    for (const QString& chemin : chemins)
        cles.push_back(collation.sortKey(chemin));
    std::vector<int> ordre(std::size_t(chemins.size()));
    for (std::size_t i = 0; i < ordre.size(); ++i)
        ordre[i] = int(i);
    std::stable_sort(ordre.begin(), ordre.end(),
                     [&](int a, int b) { return cles[std::size_t(a)].compare(cles[std::size_t(b)]) < 0; });
    QStringList tries;
    tries.reserve(chemins.size());
    for (const int i : ordre)
        tries.append(chemins[i]);
    chemins = std::move(tries);
}

}  // namespace

QStringList lecteursMontes()
{
    std::vector<Volume> volumes;
    for (const QStorageInfo& volume : QStorageInfo::mountedVolumes()) {
        if (!volume.isValid() || !volume.isReady())
            continue;
        volumes.push_back({QFile::encodeName(volume.rootPath()).toStdString(), volume.fileSystemType().toStdString(),
                           volume.device().toStdString(), QFileInfo(volume.rootPath()).isDir()});
    }
    QStringList lecteurs;
    for (const std::string& lecteur : lecteursReels(volumes))
        lecteurs.append(QFile::decodeName(QByteArray::fromStdString(lecteur)));
    return lecteurs;
}

FImporter::FImporter(app::Contexte& contexte, QWidget* parent, std::function<QStringList()> lecteurs)
    : QDialog(parent), ctx_(contexte), lecteurs_(std::move(lecteurs))
{
    preparerCadre(*this, " Importation de fichier(s) audio/vidéo", 8460, 6375);

    ListView1 = placer(new platform::ListView(this), Place{240, 240, 7935, 5295});
    ListView1->addColumn("Liste de tous les fichiers trouvés", 0);
    ListView1->setMultiSelect(true);

    Picture2 = panneauGris(this, {1523, 1740, 5415, 2415});
    image(Picture2, {240, 240, 480, 480});
    for (const TexteAide& texte : kAide)
        Label3[texte.index] = etiquette(Picture2, texte.legende);
    QFont gras = Label3[6]->font();
    gras.setBold(true);
    Label3[6]->setFont(gras);

    Picture1 = panneauGris(this, {1793, 2760, 4875, 375});
    Label2 = etiquette(Picture1, {"Recherche de tous les fichier de type XXX sur tous les lecteurs", {120, 75, 4635, 255}});
    Label2->setAlignment(Qt::AlignCenter);
    Picture1->hide();

    Picture3 = panneauGris(this, {833, 2580, 6795, 795});
    Label3[5] = etiquette(Picture3, {"Analyse et importation du/des fichier(s) sélectionné(s). Veuillez patienter...",
                                     {120, 120, 6510, 255}});
    ProgressBar1 = placer(new QProgressBar(Picture3), Place{120, 420, 6510, 195});
    ProgressBar1->setTextVisible(false);
    Picture3->hide();

    Label1 = etiquette(this, {"Format audio :", {300, 5880}});
    Combo1 = placer(new QComboBox(this), Place{1380, 5820, 915, 315});
    Label4 = etiquette(this, {"Disque :", {2460, 5880}});
    Drive1 = placer(new QComboBox(this), Place{3120, 5820, 915, 315});
    Command3 = bouton(this, {"&Chercher...", {4200, 5820, 1095, 315}});
    Command2 = bouton(this, {"&Ajouter", {5820, 5820, 1095, 315}});
    Command1 = bouton(this, {"&Fermer", {7080, 5820, 1095, 315}});
    Command2->setEnabled(false);

    menu = new QMenu(this);
    sélectionner = menu->addAction("Tout sélectionner");

    connect(Command1, &QPushButton::clicked, this, [this] { Command1_Click(); });
    connect(Command2, &QPushButton::clicked, this, [this] { Command2_Click(); });
    connect(Command3, &QPushButton::clicked, this, [this] { Command3_Click(); });
    connect(ListView1, &platform::ListView::dblClick, this, [this] { ListView1_DblClick(); });
    connect(ListView1, &platform::ListView::mouseDown, this,
            [this](Qt::MouseButton bouton, Qt::KeyboardModifiers, int x, int y) { ListView1_MouseDown(bouton, x, y); });
    connect(sélectionner, &QAction::triggered, this, [this] { sélectionner_Click(); });
    Timer1.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.start();
    Timer2.setInterval(10);
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    Form_Load();
}

void FImporter::Form_Load()
{
    ListView1->setColumnWidth(1, ListView1->width() * 2);
    for (int i = 0; i < 27 && i < ctx_.vExtensions.size(); ++i)
        Combo1->addItem(ctx_.vExtensions[i]);
    Combo1->setCurrentIndex(Combo1->findText("MP3"));
    Drive1->addItems(lecteurs_());
    Drive1->setCurrentIndex(0);
    // Mount points are longer than a drive letter: the open list shows them whole.
    Drive1->view()->setMinimumWidth(Drive1->view()->sizeHintForColumn(0) + Drive1->view()->frameWidth() * 2);
}

void FImporter::Command3_Click()
{
    Picture2->hide();
    const QString type = Combo1->currentText();
    Label2->setText("Recherche de tous les fichier de type " + type + " sur tous les lecteurs");
    Picture1->show();
    vMasque = "*." + type;
    {
        platform::Hourglass sablier;
        vRecherche = true;
        List1.clear();
        const QString lecteur = Drive1->currentText();
        if (lecteurs_().contains(lecteur)) {
            const auto continuer = [this] {
                QCoreApplication::processEvents();
                return vRecherche;
            };
            parcourirDossier(platform::cheminSysteme(lecteur), vMasque.mid(2).toStdString(), continuer,
                             [this](const std::filesystem::path& chemin) {
                                 List1.append(QFile::decodeName(QByteArray::fromStdString(chemin.string())));
                             });
        }
        vRecherche = false;
    }
    List1 = platform::sansNomsNonUtf8(List1, ctx_.dialogues());
    trier(List1);
    ListView1->clear();
    std::vector<std::vector<QString>> lignes;
    lignes.reserve(std::size_t(List1.size()));
    for (const QString& chemin : List1)
        lignes.push_back({chemin});
    ListView1->addItems(std::move(lignes));
    ListView1->setSelected(1, true);
    Picture1->hide();
}

void FImporter::Command2_Click()
{
    List2.clear();
    for (int ligne = 1; ligne <= ListView1->count(); ++ligne)
        if (ListView1->isSelected(ligne))
            List2.append(ListView1->text(ligne));
    ProgressBar1->setMaximum(std::max<int>(int(List2.size()), 1));
    ProgressBar1->setValue(0);
    Picture3->show();
    Timer2.start();
}

void FImporter::Timer2_Timer()
{
    Timer2.stop();
    playlist::FListe& liste = ctx_.fListe();
    liste.Liste->setVisible(true);
    components::MediaPlayer& piste = ctx_.fPiste().Piste();
    for (int i = 0; i < List2.size(); ++i) {
        ProgressBar1->setValue(i);
        liste.fnAjouterFichierLite(List2[i]);
        piste.Pause();
    }
    Picture3->hide();
    ctx_.dialogues().messageBox(
        QString("%1 fichier(s) audio a/ont été ajouté(s) dans la Play-List active.").arg(List2.size()),
        "Opération terminée", platform::MessageIcon::Information, platform::MessageButtons::Ok);
}

void FImporter::ListView1_DblClick()
{
    Command2_Click();
}

void FImporter::ListView1_MouseDown(Qt::MouseButton Button, int x, int y)
{
    if (Button == Qt::RightButton)
        menu->popup(ListView1->mapToGlobal(QPoint(x, y)));
}

void FImporter::sélectionner_Click()
{
    for (int ligne = 1; ligne <= ListView1->count(); ++ligne)
        ListView1->setSelected(ligne, true);
}

void FImporter::Timer1_Timer()
{
    Command2->setEnabled(!List1.isEmpty());
}

void FImporter::Command1_Click()
{
    reject();
}

void FImporter::done(int resultat)
{
    vRecherche = false;
    QDialog::done(resultat);
}

}  // namespace tulvane::tools
