#include "playlist/fliste.h"

#include "app/contexte.h"
#include "components/file_work.h"
#include "components/media_player.h"
#include "metadata/mpeg.h"
#include "platform/chemin_systeme.h"
#include "platform/label_text.h"
#include "platform/list_view.h"
#include "platform/police.h"
#include "platform/shown_text.h"
#include "platform/twips.h"
#include "player/finterface.h"
#include "player/fpiste.h"
#include "player/module3.h"
#include "playlist/barre_outils.h"
#include "playlist/deplacement_lignes.h"
#include "playlist/disposition_liste.h"
#include "playlist/icones_barre.h"
#include "playlist/menus_liste.h"
#include "playlist/textes_fichier.h"

#include <QComboBox>
#include <QFrame>
#include <QKeySequence>
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QProgressBar>
#include <QScreen>
#include <QStatusBar>
#include <QStyle>
#include <QToolBar>
#include <QToolButton>

#include <cmath>

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

QString texte(const std::string& utf8)
{
    return QString::fromStdString(utf8);
}

// Two texts of a row on one label, joined as the label shows them.
QString joindre(const QString& a, const QString& b)
{
    if (!a.isEmpty() && !b.isEmpty())
        return platform::shownText(platform::shownText(a) + " - " + platform::shownText(b));
    return platform::shownText(a.isEmpty() ? b : a);
}

// The client area: Form_Resize places its controls whenever it changes size.
class ZoneClient final : public QWidget {
public:
    ZoneClient(QWidget* parent, std::function<void()> redimensionnee)
        : QWidget(parent), redimensionnee_(std::move(redimensionnee))
    {
    }

protected:
    void resizeEvent(QResizeEvent*) override { redimensionnee_(); }

private:
    std::function<void()> redimensionnee_;
};

QLabel* etiquette(QWidget* parent, const QString& texte, int gauche, int haut, int largeur, int hauteur)
{
    using platform::twipsEnPixels;
    auto* label = new QLabel(texte, parent);
    label->setGeometry(twipsEnPixels(gauche), twipsEnPixels(haut), twipsEnPixels(largeur), twipsEnPixels(hauteur));
    label->setWordWrap(true);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QString legende(const char* texte, int blancs)
{
    return QString::fromUtf8(texte) + QString(blancs, ' ');
}

}  // namespace

FListe::FListe(app::Contexte& contexte)
    : ctx_(contexte)
{
    using platform::twipsEnPixels;
    setWindowTitle("Tulvane ADV v.4.2");
    zone_ = new ZoneClient(this, [this] { Form_Resize(); });
    zone_->setMinimumSize(twipsEnPixels(int(kLargeurMinimale - kCadreLargeur)),
                          twipsEnPixels(int(kHauteurMinimale - kCadreHauteur)));
    setCentralWidget(zone_);

    Liste = new platform::ListView(zone_);
    for (const ColonneListe& colonne : kColonnes)
        Liste->addColumn(QString::fromUtf8(colonne.titre), twipsEnPixels(colonne.largeur), colonne.alignement);
    Liste->setMultiSelect(true);
    Liste->setCheckboxes(false);
    // Rows one band high, so that a drag of rows is measured in the rows the user sees.
    Liste->setStyleSheet(QString("QTreeView::item { height: %1px; }").arg(std::lround(kHauteurBande / 15)));
    Liste->setGeometry(0, twipsEnPixels(360), twipsEnPixels(10035), twipsEnPixels(6255));

    brancherCommandes();
    creerMenus();
    creerBarreOutils();
    creerBarreRecherche();
    creerBarreEtat();
    creerAide();
    ProgressBar1 = new QProgressBar(zone_);
    ProgressBar1->setGeometry(0, twipsEnPixels(6240), twipsEnPixels(2280), twipsEnPixels(255));
    ProgressBar1->hide();

    connect(Liste, &platform::ListView::dblClick, this, [this] { Liste_DblClick(); });
    connect(Liste, &platform::ListView::keyPress, this, [this](int code) { Liste_KeyPress(code); });
    connect(Liste, &platform::ListView::mouseDown, this,
            [this](Qt::MouseButton, Qt::KeyboardModifiers, int, int y) { Liste_MouseDown(platform::pixelsEnTwips(y)); });
    connect(Liste, &platform::ListView::filesDropped, this, [this](const QStringList& fichiers, int, int, int y) {
        Liste_OLEDragDrop(fichiers, platform::pixelsEnTwips(y));
    });
    connect(Liste, &platform::ListView::itemsDropped, this,
            [this](int, int, int y) { Liste_OLEDragDrop(std::nullopt, platform::pixelsEnTwips(y)); });
    connect(Liste, &platform::ListView::columnClick, this, [this](int colonne) { Liste_ColumnClick(colonne); });
    Liste->setAfterLabelEditHandler(
        [this](int ligne, const QString& texte, bool& annuler) { Liste_AfterLabelEdit(ligne, annuler, texte); });

    Timer1.setInterval(100);
    Timer2.setInterval(100);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    connect(&Timer2, &QTimer::timeout, this, [this] { Timer2_Timer(); });
    Timer1.start();
    Timer2.start();

    // The client area starts at 10140 x 7500, the window centred on the screen.
    resize(twipsEnPixels(10140), twipsEnPixels(7500) + menuBar()->sizeHint().height());
    if (const QScreen* ecran = screen())
        move(ecran->availableGeometry().center() - rect().center());
    Form_Load();
}

FListe::~FListe() = default;

// In twips. The view keeps whole pixels: a column that still has the width it was given is
// that width, not its pixels counted back, so that widths reckoned from it are rounded once.
double FListe::largeurColonne(int colonne) const
{
    const int pixels = Liste->columnWidth(colonne);
    if (colonne >= 1 && colonne <= int(kColonnes.size())) {
        const int donnee = kColonnes[std::size_t(colonne - 1)].largeur;
        if (platform::twipsEnPixels(donnee) == pixels)
            return donnee;
    }
    return platform::pixelsEnTwips(pixels);
}

QAction* FListe::menu(const QString& nom) const
{
    return menus_.value(nom, nullptr);
}

QAction* FListe::bouton(int index) const
{
    return index >= 1 && index <= int(boutons_.size()) ? boutons_[static_cast<std::size_t>(index - 1)] : nullptr;
}

void FListe::creerMenus()
{
    for (const MenuPrincipal& principal : menusListe()) {
        QMenu* racine = menuBar()->addMenu(QString::fromUtf8(principal.legende));
        menus_.insert(QString::fromUtf8(principal.nom), racine->menuAction());
        std::vector<QMenu*> pile{racine};
        for (const EntreeMenu& entree : principal.entrees) {
            switch (entree.genre) {
            case GenreEntree::Commande:
                creerEntree(pile.back(), entree);
                break;
            case GenreEntree::Separateur:
                pile.back()->addSeparator();
                break;
            case GenreEntree::SousMenu: {
                QMenu* sous = pile.back()->addMenu(legende(entree.legende, entree.blancs));
                menus_.insert(QString::fromUtf8(entree.nom), sous->menuAction());
                pile.push_back(sous);
                break;
            }
            case GenreEntree::FinSousMenu:
                pile.pop_back();
                break;
            }
        }
    }
}

void FListe::creerEntree(QMenu* menu, const EntreeMenu& entree)
{
    const QString nom = QString::fromUtf8(entree.nom);
    QAction* action = menu->addAction(legende(entree.legende, entree.blancs));
    if (*entree.raccourci)
        action->setShortcut(QKeySequence(QString::fromLatin1(entree.raccourci)));
    if (entree.coche != Coche::Aucune) {
        action->setCheckable(true);
        action->setChecked(entree.coche == Coche::Cochee);
    }
    menus_.insert(nom, action);
    // The favourites' placeholder is the one entry without a command: it stays disabled.
    if (!commandes_.contains(nom)) {
        action->setEnabled(false);
        return;
    }
    connect(action, &QAction::triggered, this, [this, action, nom] {
        // The handlers set the checks themselves: take back the one Qt has just toggled.
        if (action->isCheckable())
            action->setChecked(!action->isChecked());
        executer(nom);
    });
}

void FListe::creerBarreOutils()
{
    Toolbar1 = new QToolBar(zone_);
    Toolbar1->setIconSize(QSize(16, 16));
    Toolbar1->setMovable(false);
    QHash<int, QMenu*> deroulants;
    for (std::size_t i = 0; i < kBoutonsBarre.size(); ++i) {
        const BoutonBarre& b = kBoutonsBarre[i];
        const int index = int(i) + 1;
        if (b.style == StyleBouton::Separateur) {
            boutons_[i] = Toolbar1->addSeparator();
            continue;
        }
        QAction* action = Toolbar1->addAction(iconeBarre(b.image), QString());
        action->setToolTip(legende(b.infobulle, b.blancs));
        connect(action, &QAction::triggered, this, [this, index] { Toolbar1_ButtonClick(index); });
        boutons_[i] = action;
        auto* outil = qobject_cast<QToolButton*>(Toolbar1->widgetForAction(action));
        outil->setFixedHeight(platform::twipsEnPixels(330));
        if (b.style == StyleBouton::Deroulant) {
            auto* liste = new QMenu(this);
            outil->setMenu(liste);
            outil->setPopupMode(QToolButton::MenuButtonPopup);
            deroulants.insert(index, liste);
        } else {
            outil->setFixedWidth(platform::twipsEnPixels(345));
        }
    }
    for (const EntreeDeroulante& e : kEntreesDeroulantes) {
        QAction* action = deroulants.value(e.bouton)->addAction(QString::fromUtf8(e.legende));
        const QString cle = QString::fromLatin1(e.cle);
        connect(action, &QAction::triggered, this, [this, cle] { Toolbar1_ButtonMenuClick(cle); });
    }
}

void FListe::creerBarreRecherche()
{
    using platform::twipsEnPixels;
    auto* barre = new QFrame(zone_);
    barre->setFrameShape(QFrame::StyledPanel);
    Picture6 = barre;
    Combo2 = new QComboBox(Picture6);
    Combo2->setFont(platform::policeCompacte(Combo2->font()));
    Combo2->setGeometry(twipsEnPixels(4080), twipsEnPixels(120), twipsEnPixels(1935), twipsEnPixels(315));
    Combo2->addItem("<Tous les champs>");
    creerRecherche();
}

void FListe::creerBarreEtat()
{
    StatusBar1 = new QStatusBar(zone_);
    constexpr std::array<int, 5> largeurs = {2300, 1400, 1100, 900, 900};
    for (std::size_t i = 0; i < Panels.size(); ++i) {
        Panels[i] = new QLabel(StatusBar1);
        Panels[i]->setTextFormat(Qt::PlainText);  // names from files show as typed
        if (i < largeurs.size()) {
            Panels[i]->setFixedWidth(platform::twipsEnPixels(largeurs[i]));
            StatusBar1->addWidget(Panels[i]);
        } else {
            Panels[i]->setMinimumWidth(platform::twipsEnPixels(1440));
            StatusBar1->addWidget(Panels[i], 1);
        }
    }
}

void FListe::creerAide()
{
    using platform::twipsEnPixels;
    auto* panneau = new QFrame(zone_);
    panneau->setFrameShape(QFrame::Panel);
    panneau->setFrameShadow(QFrame::Raised);
    panneau->resize(twipsEnPixels(int(kLargeurAide)), twipsEnPixels(int(kHauteurAide)));
    panneau->setAutoFillBackground(true);
    QPalette palette = panneau->palette();
    palette.setColor(QPalette::Window, QColor(0xE0, 0xE0, 0xE0));
    palette.setColor(QPalette::WindowText, Qt::black);
    panneau->setPalette(palette);
    Picture1 = panneau;
    Picture1->hide();

    Image1 = new QLabel(Picture1);
    Image1->setGeometry(twipsEnPixels(180), twipsEnPixels(180), twipsEnPixels(480), twipsEnPixels(480));
    Image1->setPixmap(style()->standardIcon(QStyle::SP_MessageBoxInformation).pixmap(32, 32));

    struct Texte {
        std::size_t index;
        int gauche, haut, largeur, hauteur;
        const char* texte;
    };
    constexpr std::array<Texte, 6> textes = {{
        {7, 840, 180, 3390, 435, "Informations sur l'importation de fichiers multimédias dans une liste :"},
        {0, 240, 900, 4455, 435,
         "Pour ajouter des fichiers à la Play-List active, utilisez les options suivantes à partir du menu "
         "Fichiers :"},
        {1, 240, 1500, 2670, 195, "> Importation de fichier(s) audio/vidéo"},
        {3, 240, 1740, 2550, 195, "> Importation depuis emplacement..."},
        {4, 240, 2160, 4110, 375, "Vous pouvez également glisser et déposer les fichiers vers la liste de fichiers."},
        {5, 240, 2880, 4305, 195, "Dans le cas contraire, vous devez charger une liste existante"},
    }};
    for (const Texte& t : textes) {
        QLabel* label = etiquette(Picture1, QString::fromUtf8(t.texte), t.gauche, t.haut, t.largeur, t.hauteur);
        label->setFont(platform::arial(11, t.index == 7));
        platform::fitTextToBox(*label);
        Label3[t.index] = label;
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
    components::FileWork& fwork = ctx_.FWork1();
    fwork.DefinirFichier(vfnAdresse);
    const TextesFichier f = lireTextesFichier(vfnAdresse);
    const std::uint64_t avant = Liste->revision();
    Liste->addItems({{fwork.NomFichier(), f.auteur, f.titre, f.album, f.style, f.kbps, vfnAdresse, f.duree,
                      f.commentaire}});

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
    metadata::fnAnalyserMP3(platform::cheminSysteme(cheminLigne(ligne)), duree, secondes, kbps, canaux);
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
