#include "tools/frenommer.h"

#include "app/contexte.h"
#include "components/file_work.h"
#include "platform/chemin_systeme.h"
#include "platform/dialog_service.h"
#include "platform/list_view.h"
#include "platform/renommage.h"
#include "playlist/fliste.h"
#include "tools/cadre_outil.h"
#include "tools/masque_renommage.h"

#include <QComboBox>
#include <QDateTime>
#include <QEvent>
#include <QFileInfo>
#include <QGroupBox>
#include <QLabel>
#include <QLineEdit>
#include <QLocale>
#include <QProgressBar>
#include <QPushButton>
#include <QSignalBlocker>

#include <cmath>
#include <limits>
#include <vector>

namespace tulvane::tools {

namespace {

constexpr std::uint32_t kTexteFenetre = 0x80000008u;  // the system's window-text colour
constexpr std::uint32_t kRouge = 0x0000FFu;           // BGR

constexpr int kHauteurBoite = 315;

// The counter start as a number, none when the text does not read as one.
std::optional<double> nombreDe(const QString& texte)
{
    bool ok = false;
    double valeur = QLocale().toDouble(texte.trimmed(), &ok);
    if (!ok)
        valeur = QLocale::c().toDouble(texte.trimmed(), &ok);
    if (!ok || !std::isfinite(valeur))
        return std::nullopt;
    return valeur;
}

QComboBox* listeDeNombres(QWidget* parent, int jusqua, const Place& place)
{
    auto* liste = placer(new QComboBox(parent), place);
    for (int i = 1; i <= jusqua; ++i)
        liste->addItem(QString("%1").arg(i, 2, 10, QChar('0')));
    return liste;
}

bool existeDeja(const std::string& chemin)
{
    std::error_code erreur;
    return std::filesystem::symlink_status(platform::cheminSysteme(QString::fromStdString(chemin)), erreur).type()
        != std::filesystem::file_type::not_found;
}

}  // namespace

FRenommer::FRenommer(app::Contexte& contexte, QWidget* parent)
    : QDialog(parent), ctx_(contexte)
{
    preparerCadre(*this, " Renommer les fichiers en masse", 6585, 5595);
    Image1 = image(this, {240, 240, 480, 480});
    Label7 = etiquette(this, {"Vous pouvez renommer en masse les fichiers sélectionnés. Veuillez définir le masque "
                              "de saisie et consultez l'apercu de la liste située ci-dessous.",
                              {840, 240, 5505, 615}});
    Frame1 = placer(new QGroupBox(this), Place{240, 900, 6105, 1590});

    // Created in their tab order.
    Label1 = etiquette(Frame1, {"Masque de saisie :", {120, 300}});
    Text1 = placer(new QLineEdit(Frame1), Place{1560, 240, 4425, kHauteurBoite});
    Text1->setMaxLength(std::numeric_limits<int>::max());
    Label2 = etiquette(Frame1, {"Fonctionnalités :", {120, 720}});
    Combo1 = placer(new QComboBox(Frame1), Place{1560, 660, 3105, kHauteurBoite});
    for (const std::string_view entree : kFonctionnalites)
        Combo1->addItem(QString::fromUtf8(entree.data(), qsizetype(entree.size())));
    Command1[2] = bouton(Frame1, {"Insérer", {4785, 660, 1200, kHauteurBoite}});
    Label3[0] = etiquette(Frame1, {"A partir de :", {120, 1140}});
    Text2 = placer(new QLineEdit("1", Frame1), Place{1560, 1080, 735, kHauteurBoite});
    Label3[1] = etiquette(Frame1, {"Incrémenter :", {2475, 1140}});
    Combo2[1] = listeDeNombres(Frame1, 10, {3525, 1080, 735, kHauteurBoite});
    Label3[2] = etiquette(Frame1, {"Chiffres :", {4410, 1140}});
    Combo2[2] = listeDeNombres(Frame1, 15, {5250, 1080, 735, kHauteurBoite});

    ListView1 = placer(new platform::ListView(this), Place{240, 2640, 6105, 2235});
    ListView1->addColumn("Anciens noms", 0);
    ListView1->addColumn("Nouveaux noms", 0);
    ProgressBar1 = placer(new QProgressBar(this), Place{240, 5055, 3255, 255});
    ProgressBar1->setRange(0, 100);
    ProgressBar1->setValue(0);
    ProgressBar1->setTextVisible(false);
    Command1[1] = bouton(this, {"&Exécuter", {3840, 5010, 1155, 375}});
    Command1[0] = bouton(this, {"&Annuler", {5190, 5010, 1155, 375}});

    connect(Text1, &QLineEdit::textChanged, this, [this] { Text1_Change(); });
    Text1->installEventFilter(this);
    connect(Text2, &QLineEdit::textChanged, this, [this] { Text2_Change(); });
    for (const int i : {1, 2})
        connect(Combo2[std::size_t(i)], &QComboBox::currentIndexChanged, this, [this, i] { Combo2_Click(i); });
    for (const int i : {0, 1, 2})
        connect(Command1[std::size_t(i)], &QPushButton::clicked, this, [this, i] { Command1_Click(i); });
    Timer1.setInterval(50);
    connect(&Timer1, &QTimer::timeout, this, [this] { Timer1_Timer(); });
    Timer1.start();
    Form_Load();
    Form_Resize();
}

void FRenommer::Form_Load()
{
    Combo1->setCurrentIndex(0);
    Combo2[1]->setCurrentIndex(0);
    Combo2[2]->setCurrentIndex(1);
    const platform::ListView& liste = *ctx_.fListe().Liste;
    components::FileWork& fwork = ctx_.FWork1();
    for (int ligne = 1; ligne <= liste.count(); ++ligne) {
        if (!liste.isSelected(ligne))
            continue;
        fwork.DefinirFichier(liste.subItem(ligne, playlist::kEmplacement));
        const int apercu = ListView1->add(fwork.NomFichier());
        ListView1->setSubItem(apercu, 1, QString());
        ListView1->setTag(apercu, fwork.Dossier());
    }
}

void FRenommer::resizeEvent(QResizeEvent* event)
{
    QDialog::resizeEvent(event);
    Form_Resize();
}

void FRenommer::Form_Resize()
{
    const int largeur = platform::twipsEnPixels((platform::pixelsEnTwips(ListView1->width()) - 320) / 2);
    ListView1->setColumnWidth(1, largeur);
    ListView1->setColumnWidth(2, largeur);
}

bool FRenommer::eventFilter(QObject* objet, QEvent* evenement)
{
    if (objet == Text1 && evenement->type() == QEvent::FocusIn)
        Text1_GotFocus();
    return QDialog::eventFilter(objet, evenement);
}

void FRenommer::Text1_GotFocus()
{
    // After the click that gave the focus has placed the caret.
    QTimer::singleShot(0, Text1, &QLineEdit::selectAll);
}

void FRenommer::Text1_Change()
{
    ReglagesMasque reglages;
    reglages.masque = Text1->text().toStdString();
    reglages.debut = nombreDe(Text2->text()).value_or(1);
    reglages.increment = Combo2[1]->currentText().toInt();
    reglages.chiffres = Combo2[2]->currentText().toInt();

    std::vector<FichierApercu> fichiers;
    const int n = ListView1->count();
    fichiers.reserve(std::size_t(n));
    for (int i = 1; i <= n; ++i) {
        const QFileInfo infos(ListView1->tag(i) + ListView1->text(i));
        const QDateTime modifie = infos.exists() ? infos.lastModified() : QDateTime();
        fichiers.push_back({ListView1->text(i).toStdString(), modifie.toString("yyyyMMdd").toStdString(),
                            modifie.toString("HHmmss").toStdString()});
    }
    const std::vector<std::string> noms =
        nouveauxNoms(reglages, fichiers, [this] { return ctx_.aleatoire().suivant(); });
    for (int i = 1; i <= n; ++i)
        ListView1->setSubItem(i, 1, QString::fromStdString(noms[std::size_t(i - 1)]));
}

void FRenommer::Text2_Change()
{
    const std::optional<double> debut = nombreDe(Text2->text());
    if (!debut || *debut < 0) {
        const QSignalBlocker silence(Text2);
        Text2->setText("1");
    }
    Text1_Change();
}

void FRenommer::Combo2_Click(int)
{
    Text1_Change();
}

void FRenommer::Command1_Click(int Index)
{
    switch (Index) {
    case 0:
        reject();
        break;
    case 1:
        fnExecuter();
        break;
    case 2:
        fnInsérer();
        break;
    default:
        break;
    }
}

void FRenommer::Timer1_Timer()
{
    Command1[1]->setEnabled(!Text1->text().isEmpty());
}

void FRenommer::fnInsérer()
{
    const std::string entree = Combo1->currentText().toStdString();
    Text1->setText(Text1->text() + QString::fromStdString(std::string(jetonDe(entree))));
}

bool FRenommer::fnVerifier()
{
    const int n = ListView1->count();
    std::vector<std::string> dossiers, noms;
    for (int i = 1; i <= n; ++i) {
        dossiers.push_back(ListView1->tag(i).toStdString());
        noms.push_back(ListView1->subItem(i, 1).toStdString());
    }
    const std::vector<bool> fautifs = nomsFautifs(dossiers, noms, existeDeja);
    bool resultat = true;
    for (int i = 1; i <= n; ++i) {
        const bool fautif = fautifs[std::size_t(i - 1)];
        ListView1->setForeColor(i, fautif ? kRouge : kTexteFenetre);
        resultat = resultat && !fautif;
    }
    if (!resultat)
        ctx_.dialogues().messageBox("Vérifiez les nouveaux noms que vous tentez d'affecter, car certains fichiers "
                                    "existent déjà ou sont constitués de boublons (les noms erronés sont mentionnés "
                                    "en rouge).",
                                    "Annulation de procédure", platform::MessageIcon::Exclamation,
                                    platform::MessageButtons::Ok);
    return resultat;
}

void FRenommer::fnExecuter()
{
    if (!fnVerifier())
        return;
    const platform::ListView& liste = *ctx_.fListe().Liste;
    lignesDuChemin_.clear();
    for (int ligne = 1; ligne <= liste.count(); ++ligne)
        lignesDuChemin_[liste.subItem(ligne, playlist::kEmplacement)].append(ligne);

    int renommes = 0;
    const int n = ListView1->count();
    ProgressBar1->setMaximum(std::max(n, 1));
    for (int i = 1; i <= n; ++i) {
        const QString dossier = ListView1->tag(i);
        const QString nouveauNom = ListView1->subItem(i, 1);
        const QString ancien = dossier + ListView1->text(i);
        const QString nouveau = dossier + nouveauNom;
        if (fnRenommer(ancien, nouveau)) {
            ++renommes;
            fnRenommerListe(ancien, nouveau, nouveauNom);
        }
        ProgressBar1->setValue(i);
    }
    ctx_.dialogues().messageBox(QString("%1 fichier(s) ont été renommés avec succès !").arg(renommes),
                                "Procédure effectuée", platform::MessageIcon::Information,
                                platform::MessageButtons::Ok);
    reject();
}

bool FRenommer::fnRenommer(const QString& vfnAnom, const QString& vfnNnom)
{
    return !platform::renommerSansRemplacer(platform::cheminSysteme(vfnAnom), platform::cheminSysteme(vfnNnom));
}

void FRenommer::fnRenommerListe(const QString& vfnAnom, const QString& vfnNnom, const QString& vfnNomSeul)
{
    platform::ListView& liste = *ctx_.fListe().Liste;
    const QList<int> lignes = lignesDuChemin_.take(vfnAnom);
    for (const int ligne : lignes) {
        liste.setText(ligne, vfnNomSeul);
        liste.setSubItem(ligne, playlist::kEmplacement, vfnNnom);
    }
    lignesDuChemin_[vfnNnom].append(lignes);
}

}  // namespace tulvane::tools
