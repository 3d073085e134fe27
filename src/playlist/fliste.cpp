#include "playlist/fliste.h"

#include "app/contexte.h"
#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "platform/ansi_text.h"
#include "platform/dialog_service.h"
#include "platform/hourglass.h"
#include "platform/list_view.h"
#include "platform/twips.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/media_player.h"
#include "player/module3.h"
#include "player/time_text.h"
#include "playlist/file_work.h"

#include <QActionGroup>
#include <QFile>
#include <QKeySequence>
#include <QLabel>
#include <QMenuBar>
#include <QStatusBar>

#include <filesystem>

namespace tulvane::playlist {

namespace {

struct ColonneListe {
    const char* titre;
    int largeur;  // twips
    Qt::Alignment alignement;
};

constexpr std::array<ColonneListe, 9> kColonnes = {{
    {"Nom du fichier", 1440, Qt::AlignLeft},
    {"Auteur", 2000, Qt::AlignLeft},
    {"Titre", 2300, Qt::AlignLeft},
    {"Album", 2300, Qt::AlignLeft},
    {"Style", 1300, Qt::AlignHCenter},
    {"Kbps", 1000, Qt::AlignHCenter},
    {"Emplacement", 1440, Qt::AlignLeft},
    {"Durée", 800, Qt::AlignHCenter},
    {"Commentaires", 1440, Qt::AlignLeft},
}};

constexpr std::uint32_t kBleu = 0xFF0000;  // BGR

std::filesystem::path cheminFichier(const QString& chemin)
{
    return std::filesystem::path(QFile::encodeName(chemin).toStdString());
}

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

QString joindre(const QString& a, const QString& b)
{
    if (!a.isEmpty() && !b.isEmpty())
        return a + " - " + b;
    return a.isEmpty() ? b : a;
}

}  // namespace

FListe::FListe(app::Contexte& contexte)
    : ctx_(contexte)
{
    setWindowTitle("Tulvane ADV v.4.2");
    Liste = new platform::ListView(this);
    for (const ColonneListe& colonne : kColonnes)
        Liste->addColumn(QString::fromUtf8(colonne.titre), platform::twipsEnPixels(colonne.largeur),
                         colonne.alignement);
    Liste->setMultiSelect(true);
    Liste->setCheckboxes(false);
    setCentralWidget(Liste);
    Picture1 = new QWidget(Liste);
    Picture1->hide();

    creerMenus();
    creerBarreEtat();

    connect(Liste, &platform::ListView::dblClick, this, [this] { Liste_DblClick(); });
    connect(Liste, &platform::ListView::keyPress, this, [this](int code) { Liste_KeyPress(code); });

    Timer1.setInterval(100);
    Timer2.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    Timer1.start();
    Timer2.start();
}

FListe::~FListe() = default;

QAction* FListe::menu(const QString& nom) const
{
    return menus_.value(nom, nullptr);
}

QAction* FListe::ajouterEntree(QMenu* menu, const QString& nom, const QString& legende,
                               const QString& raccourci, void (FListe::*gestionnaire)())
{
    QAction* action = menu->addAction(legende);
    if (!raccourci.isEmpty())
        action->setShortcut(QKeySequence(raccourci));
    if (gestionnaire)
        connect(action, &QAction::triggered, this, [this, gestionnaire] { (this->*gestionnaire)(); });
    menus_.insert(nom, action);
    return action;
}

void FListe::creerMenus()
{
    QMenu* liste = menuBar()->addMenu("&Liste");
    ajouterEntree(liste, "nouvelle", "Nouvelle liste", "Ctrl+N", &FListe::nouvelle_Click);
    ajouterEntree(liste, "Ouvrir", "Ouvrir", "Ctrl+O", &FListe::Ouvrir_Click);
    ajouterEntree(liste, "Enregistrer", "Enregistrer  la Play-List", "Ctrl+S", &FListe::Enregistrer_Click);
    ajouterEntree(liste, "Enregistrer_sous", "Enregistrer  la Play-List sous..." + QString(10, ' '), "",
                  &FListe::Enregistrer_sous_Click);
    ajouterEntree(liste, "Enregistrer_selection", "Enregistrer la sélection", "",
                  &FListe::Enregistrer_selection_Click);

    QMenu* mode = menuBar()->addMenu("&Mode");
    modes_ = new QActionGroup(this);
    const std::array<QString, 4> legendesModes = {
        "Lecture normale des fichiers de la liste", "Lecture en boucle sur le fichier",
        "Passer en mode manuel (lect. par fichier)" + QString(10, ' '), "Lecture des fichiers marqués"};
    for (int i = 0; i < 4; ++i) {
        QAction* entree = ajouterEntree(mode, QString("vModeLect%1").arg(i), legendesModes[i],
                                        QString("Ctrl+F%1").arg(i + 1), nullptr);
        entree->setCheckable(true);
        entree->setChecked(i == 0);
        modes_->addAction(entree);
        connect(entree, &QAction::triggered, this, [this, i] { vModeLect_Click(i); });
    }
    mode->addSeparator();
    mode->addSeparator();
    ajouterEntree(mode, "volumes", "Contrôleur de volumes", "Ctrl+L", &FListe::volumes_Click);

    QMenu* commandes = menuBar()->addMenu("&Commandes");
    menus_.insert("Fonctions", commandes->menuAction());
    ajouterEntree(commandes, "vcmd_a", "Précédent", "Shift+F1", &FListe::vcmd_a_Click);
    ajouterEntree(commandes, "vcmd_b", "Suivant", "Shift+F2", &FListe::vcmd_b_Click);
    commandes->addSeparator();
    ajouterEntree(commandes, "vcmd_c", "Arrêt", "Shift+F3", &FListe::vcmd_c_Click);
    ajouterEntree(commandes, "vcmd_d", "Lecture", "Shift+F4", &FListe::vcmd_d_Click);
    ajouterEntree(commandes, "vcmd_e", "Pause", "Shift+F5", &FListe::vcmd_e_Click);
    commandes->addSeparator();
    ajouterEntree(commandes, "vcmd_f", "Retour rapide", "Shift+F6", &FListe::vcmd_f_Click);
    ajouterEntree(commandes, "vcmd_g", "Avance rapide" + QString(10, ' '), "Shift+F7", &FListe::vcmd_g_Click);
    commandes->addSeparator();
    ajouterEntree(commandes, "vcmd_h", "Silence", "Shift+F8", &FListe::vcmd_h_Click);

    QMenu* aide = menuBar()->addMenu("&?");
    menus_.insert("menu_aide", aide->menuAction());
    ajouterEntree(aide, "voir_lecteur", "Afficher le lecteur Tulvane" + QString(5, ' '), "F12",
                  &FListe::voir_lecteur_Click);
}

void FListe::creerBarreEtat()
{
    constexpr std::array<int, 5> largeurs = {2300, 1400, 1100, 900, 900};
    for (std::size_t i = 0; i < StatusBar1.size(); ++i) {
        StatusBar1[i] = new QLabel(this);
        if (i < largeurs.size()) {
            StatusBar1[i]->setFixedWidth(platform::twipsEnPixels(largeurs[i]));
            statusBar()->addWidget(StatusBar1[i]);
        } else {
            StatusBar1[i]->setMinimumWidth(platform::twipsEnPixels(1440));
            statusBar()->addWidget(StatusBar1[i], 1);
        }
    }
}

// ---- Rows ----

int FListe::nombreLignes() const
{
    return Liste->count();
}

QString FListe::cheminLigne(int ligne) const
{
    return Liste->subItem(ligne, kEmplacement);
}

bool FListe::estMarquee(int ligne) const
{
    return Liste->isChecked(ligne);
}

int FListe::modeLecture() const
{
    for (int i = 0; i < 4; ++i)
        if (menus_.value(QString("vModeLect%1").arg(i))->isChecked())
            return i;
    return 0;
}

int FListe::marquerLignesDe(const QString& fichier)
{
    int derniere = 0;
    const int n = Liste->count();
    for (int i = 1; i <= n; ++i) {
        const bool courante = Liste->subItem(i, kEmplacement) == fichier;
        peindreLigne(i, courante);
        if (courante)
            derniere = i;
    }
    marquage_ = {fichier, derniere, Liste->revision()};
    return derniere;
}

void FListe::peindreLigne(int ligne, bool courante)
{
    Liste->setBold(ligne, courante);
    Liste->setForeColor(ligne, courante ? kBleu : platform::ListView::kDefaultForeColor);
}

void FListe::fnAjouterFichierLite(const QString& vfnAdresse)
{
    FileWork& fwork = ctx_.FWork1();
    fwork.DefinirFichier(vfnAdresse);
    std::string titre, auteur, album, annee, style, commentaire;
    int noStyle = 0;
    metadata::fnLireTag(cheminFichier(vfnAdresse), titre, auteur, album, annee, style, commentaire, noStyle);
    std::string duree, secondes, kbps, canaux;
    metadata::fnAnalyserMP3(cheminFichier(vfnAdresse), duree, secondes, kbps, canaux);
    if (kbps.empty())
        kbps = "128";
    const std::uint64_t avant = Liste->revision();
    Liste->addItems({{fwork.NomFichier(), texte(auteur), texte(titre), texte(album), texte(style),
                      texte(player::troisChiffres(std::stoll(kbps))) + " kbps", vfnAdresse, texte(duree),
                      texte(commentaire)}});

    // The marking of every row is repainted; when nothing but this append changed since the
    // last painting for the same file, only the new row can differ.
    const QString fichier = ctx_.fPiste().Piste().FileName();
    int courante;
    if (marquage_.fichier == fichier && marquage_.revision == avant) {
        const int nouvelle = Liste->count();
        peindreLigne(nouvelle, vfnAdresse == fichier);
        if (vfnAdresse == fichier)
            marquage_.derniere = nouvelle;
        marquage_.revision = Liste->revision();
        courante = marquage_.derniere;
    } else {
        courante = ctx_.module3().fnMarquerPiste();
    }
    if (courante == 0) {
        Liste->setSelected(1, true);
        ctx_.fPiste().Piste().setFileName(cheminLigne(Liste->selectedItem()));
    }
}

void FListe::fnAfficherInfosPiste(int ligne)
{
    std::string duree, secondes, kbps, canaux;
    metadata::fnAnalyserMP3(cheminFichier(cheminLigne(ligne)), duree, secondes, kbps, canaux);
    if (kbps.empty())
        kbps = "128";
    player::FInterface& f = ctx_.fInterface();
    QString qualite = texte(kbps) + " kbps";
    if (!canaux.empty())
        qualite += " - " + texte(canaux);
    f.Label10->setText(qualite);
    f.Label11->setText(joindre(Liste->subItem(ligne, kAuteur), Liste->subItem(ligne, kTitre)));
    f.Label12->setText(joindre(Liste->subItem(ligne, kAlbum), Liste->subItem(ligne, kStyle).remove('&')));
}

}  // namespace tulvane::playlist
