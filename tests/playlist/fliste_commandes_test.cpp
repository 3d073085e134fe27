// The tool bar, the command table and the small commands of the play-list window's menus.
#include "components/station_cipher.h"
#include "fakes/contexte_test.h"
#include "platform/list_view.h"
#include "player/finterface.h"
#include "player/module3.h"
#include "playlist/barre_outils.h"
#include "playlist/fliste.h"
#include "support/bytes.h"

#include <QAction>
#include <QMenu>
#include <QNetworkProxy>
#include <QTcpServer>
#include <QTcpSocket>
#include <QToolBar>
#include <QToolButton>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using platform::MessageButtons;
using platform::MessageIcon;
using test::ScriptedDialogs;

namespace {

// ---- The tool bar's table ----

TEST(BarreOutils, EveryIndexRunsItsCommand)
{
    const std::vector<std::pair<int, const char*>> attendu = {
        {-1, ""}, {0, ""}, {1, ""}, {2, "nouvelle"}, {3, "Ouvrir"}, {4, "Enregistrer"}, {5, "Exporter"}, {6, ""},
        {7, "Importation"}, {8, "infos_fichier"}, {9, "editeur_tag"}, {10, "Supprimer"}, {11, "Actualiser"},
        {12, ""}, {13, "vModeLect0"}, {14, "Atteindre"}, {15, ""}, {16, "marquer_selec0"},
        {17, "Informations_selec"}, {18, "Renommer_fichier"}, {19, ""}, {20, "Support"}, {21, ""}};
    for (const auto& [index, commande] : attendu)
        EXPECT_EQ(playlist::commandeDuBouton(index), commande) << index;
}

TEST(BarreOutils, EveryKeyRunsItsCommandAndNoOtherKeyDoes)
{
    const std::vector<std::pair<const char*, const char*>> attendu = {
        {"k91", "editeur_tag"}, {"k92", "editeur_tag_global"}, {"k101", "Supprimer"}, {"k102", "suppr_doublons"},
        {"k103", "Supprimer_source"}, {"k131", "vModeLect0"}, {"k132", "vModeLect1"}, {"k133", "vModeLect2"},
        {"k134", "vModeLect3"}, {"k181", "Renommer_fichier"}, {"k182", "Renommer"},
        {"K91", ""}, {"k93", ""}, {"k1311", ""}, {" k91", ""}, {"", ""}};
    for (const auto& [cle, commande] : attendu)
        EXPECT_EQ(playlist::commandeDeLaCle(cle), commande) << cle;
}

class CommandesTest : public testing::Test {
protected:
    test::ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    void remplir(int n)
    {
        for (int i = 1; i <= n; ++i)
            liste.fnAjouterFichierLite(t.fichier(QString("piste%1.wav").arg(i)));
    }

    QToolButton* outil(int index)
    {
        return qobject_cast<QToolButton*>(liste.Toolbar1->widgetForAction(liste.bouton(index)));
    }
};

TEST_F(CommandesTest, TheToolBarHoldsItsTwentyButtonsWithTheirTips)
{
    ASSERT_EQ(liste.Toolbar1->actions().size(), 20);
    for (int index = 1; index <= 20; ++index) {
        QAction* b = liste.bouton(index);
        ASSERT_EQ(b, liste.Toolbar1->actions()[index - 1]) << index;
        const playlist::BoutonBarre& attendu = playlist::kBoutonsBarre[std::size_t(index - 1)];
        EXPECT_EQ(b->isSeparator(), attendu.style == playlist::StyleBouton::Separateur) << index;
        if (b->isSeparator())
            continue;
        EXPECT_EQ(b->toolTip(), QString::fromUtf8(attendu.infobulle) + QString(attendu.blancs, ' '));
        EXPECT_FALSE(b->icon().isNull()) << index;
        EXPECT_EQ(outil(index)->popupMode() == QToolButton::MenuButtonPopup,
                  attendu.style == playlist::StyleBouton::Deroulant)
            << index;
    }
    EXPECT_EQ(liste.bouton(7)->toolTip(), "Importation de fichier(s) audio/vidéo  ");
    EXPECT_EQ(liste.bouton(0), nullptr);
    EXPECT_EQ(liste.bouton(21), nullptr);
    EXPECT_EQ(liste.Toolbar1->iconSize(), QSize(16, 16));
}

TEST_F(CommandesTest, TheToolTipsReadAsWritten)
{
    const std::vector<std::pair<int, QString>> bulles = {
        {2, "Nouvelle liste"},
        {3, "Ouvrir"},
        {4, "Enregistrer la Play-List"},
        {5, "Exporter au format CSV"},
        {7, "Importation de fichier(s) audio/vidéo  "},
        {8, "Lire toutes les informations du fichier"},
        {9, "Editeur de TAG-ID3"},
        {10, "Supprimer"},
        {11, "Actualiser la Play-List"},
        {13, "Modes de lecture"},
        {14, "Atteindre le fichier en cours"},
        {16, "Marquer/démarquer la sélection"},
        {17, "Informations tailles et durées"},
        {18, "Renommer des fichiers"},
        {20, "Support technique Online"},
    };
    for (const auto& [index, bulle] : bulles)
        EXPECT_EQ(liste.bouton(index)->toolTip(), bulle) << index;
}

TEST_F(CommandesTest, TheDropDownEntriesCarryTheirCaptions)
{
    const auto legendes = [this](int index) {
        QStringList l;
        for (QAction* a : outil(index)->menu()->actions())
            l << a->text();
        return l;
    };
    EXPECT_EQ(legendes(9), QStringList({"Editeur de TAG-ID3", "Editeur de TAG-ID3 Global"}));
    EXPECT_EQ(legendes(10), QStringList({"Supprimer les fichiers sélectionné", "Supprimer tous les doublons",
                                         "Supprimer la source du fichier"}));
    EXPECT_EQ(legendes(13), QStringList({"Lecture normale des fichiers de la liste", "Lecture en boucle sur le fichier",
                                         "Passer en mode manuel (lect. par fichier)", "Lecture des fichiers marqués"}));
    EXPECT_EQ(legendes(18), QStringList({"Renommer la sélection", "Renommer les fichiers en masse"}));
}

TEST_F(CommandesTest, TheModeButtonsEntriesCheckTheSameModeAsTheMenu)
{
    QMenu* modes = outil(13)->menu();
    for (int mode : {2, 0, 3, 1}) {
        modes->actions()[mode]->trigger();
        EXPECT_EQ(liste.modeLecture(), mode);
        liste.vModeLect_Click(mode == 0 ? 1 : 0);
        liste.Toolbar1_ButtonMenuClick(QString("k13%1").arg(mode + 1));
        EXPECT_EQ(liste.modeLecture(), mode);
        for (int i = 0; i < 4; ++i)
            EXPECT_EQ(liste.menu(QString("vModeLect%1").arg(i))->isChecked(), i == mode);
    }
    // The main part of the button runs the normal mode, not the first entry of its list.
    liste.vModeLect_Click(3);
    liste.bouton(13)->trigger();
    EXPECT_EQ(liste.modeLecture(), 0);
}

TEST_F(CommandesTest, TheButtonsReachTheirHandlers)
{
    remplir(3);
    t.dialogues().answer(MessageAnswer::No);
    liste.Toolbar1_ButtonClick(2);
    t.dialogues().answerOpen({});
    liste.Toolbar1_ButtonClick(3);
    t.dialogues().answerSave("");
    liste.Toolbar1_ButtonClick(4);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Toolbar1_ButtonClick(20);
    const auto& q = t.dialogues().questions();
    ASSERT_EQ(q.size(), 4u);
    EXPECT_EQ(q[0].title, "Attention");
    EXPECT_EQ(q[1].title, "Ouvrir une Play-List");
    EXPECT_EQ(q[2].title, "Enregistrer sous...");
    EXPECT_EQ(q[3].title, "Annulation de procédure");  // the test desktop opens no address
    EXPECT_TRUE(q[3].text.contains(playlist::kAdresseSupport)) << q[3].text.toStdString();

    liste.vModeLect_Click(2);
    liste.Toolbar1_ButtonClick(13);
    EXPECT_EQ(liste.modeLecture(), 0);

    vue.setSelected(2, true);
    liste.Toolbar1_ButtonClick(14);
    EXPECT_TRUE(vue.isSelected(1));
    EXPECT_FALSE(vue.isSelected(2));
}

// Timer2 enables the commands that need rows while the list has some; the rest stay enabled.
TEST_F(CommandesTest, TheCommandsThatNeedRowsFollowTheRowCount)
{
    const std::vector<const char*> avecLignes = {
        "modifier_source", "infos_fichier", "editeur_tag", "Supprimer", "suppr_doublons", "Actualiser",
        "Fonctions", "Sélection", "Exporter", "Atteindre", "editeur_tag_global", "Supprimer_source",
        "Enregistrer_selection", "Sélectionner_tout", "Enregistrer", "Enregistrer_sous"};
    const std::vector<const char*> toujours = {"nouvelle", "Ouvrir", "Importation", "Importation_emplac",
                                               "Live_Update", "vModeLect0", "ordre_tri0", "Ajouter_Favoris",
                                               "a_propos"};
    const std::vector<int> boutonsAvecLignes = {4, 5, 8, 9, 10, 11, 14, 16, 17, 18};
    const std::vector<int> boutonsToujours = {2, 3, 7, 13, 20};

    remplir(2);
    liste.Timer2_Timer();
    for (const char* nom : avecLignes)
        EXPECT_TRUE(liste.menu(QString::fromUtf8(nom))->isEnabled()) << nom;
    for (int index : boutonsAvecLignes)
        EXPECT_TRUE(liste.bouton(index)->isEnabled()) << index;

    vue.clear();
    liste.Timer2_Timer();
    for (const char* nom : avecLignes)
        EXPECT_FALSE(liste.menu(QString::fromUtf8(nom))->isEnabled()) << nom;
    for (int index : boutonsAvecLignes)
        EXPECT_FALSE(liste.bouton(index)->isEnabled()) << index;
    for (const char* nom : toujours)
        EXPECT_TRUE(liste.menu(QString::fromUtf8(nom))->isEnabled()) << nom;
    for (int index : boutonsToujours)
        EXPECT_TRUE(liste.bouton(index)->isEnabled()) << index;
    EXPECT_FALSE(liste.menu("liste_favoris0")->isEnabled());
}

// ---- Small commands ----

TEST_F(CommandesTest, GoingToTheCurrentRowSelectsItAlone)
{
    remplir(5);
    t.piste().setFileName(vue.subItem(4, playlist::kEmplacement));
    for (int i : {1, 2, 5})
        vue.setSelected(i, true);
    liste.Atteindre_Click();
    for (int i = 1; i <= 5; ++i)
        EXPECT_EQ(vue.isSelected(i), i == 4) << i;
    EXPECT_EQ(vue.selectedItem(), 4);
    EXPECT_TRUE(vue.isBold(4));
}

TEST_F(CommandesTest, WithNoCurrentRowGoingToItDeselectsEveryRow)
{
    remplir(3);
    t.piste().setFileName(t.fichier("ailleurs.wav"));
    vue.setSelected(2, true);
    liste.Atteindre_Click();
    for (int i = 1; i <= 3; ++i)
        EXPECT_FALSE(vue.isSelected(i)) << i;
    EXPECT_EQ(vue.selectedItem(), 0);
}

TEST_F(CommandesTest, HidingToTheTrayHidesBothWindows)
{
    t.setZoneNotification(true);
    liste.show();
    t.ctx().fInterface().show();
    liste.menu("cacher")->trigger();
    EXPECT_TRUE(liste.isHidden());
    EXPECT_TRUE(t.ctx().fInterface().isHidden());
}

// Hidden with no icon to bring it back, the player would be out of reach.
TEST_F(CommandesTest, WithoutANotificationAreaThePlayerIsMinimisedInstead)
{
    liste.show();
    player::FInterface& lecteur = t.ctx().fInterface();
    lecteur.show();
    liste.menu("cacher")->trigger();
    EXPECT_TRUE(liste.isHidden());
    EXPECT_TRUE(lecteur.isVisible());
    EXPECT_TRUE(lecteur.isMinimized());
}

TEST_F(CommandesTest, AlwaysOnTopTogglesThePlayerWindowOnly)
{
    player::FInterface& lecteur = t.ctx().fInterface();
    liste.menu("toujour_premier_plan")->trigger();
    EXPECT_TRUE(liste.menu("toujour_premier_plan")->isChecked());
    EXPECT_TRUE(lecteur.windowFlags() & Qt::WindowStaysOnTopHint);
    EXPECT_FALSE(liste.windowFlags() & Qt::WindowStaysOnTopHint);
    liste.toujour_premier_plan_Click();
    EXPECT_FALSE(liste.menu("toujour_premier_plan")->isChecked());
    EXPECT_FALSE(lecteur.windowFlags() & Qt::WindowStaysOnTopHint);
}

// ---- Station-list update ----

// Stands for the network between the program and the station-list server: an HTTP proxy
// on this machine that answers every request with the same bytes.
class ServeurMandataire {
public:
    explicit ServeurMandataire(QByteArray reponse) : reponse_(std::move(reponse)), avant_(QNetworkProxy::applicationProxy())
    {
        serveur_.listen(QHostAddress::LocalHost);
        QObject::connect(&serveur_, &QTcpServer::newConnection, [this] {
            while (QTcpSocket* client = serveur_.nextPendingConnection()) {
                QObject::connect(client, &QTcpSocket::readyRead, client, [this, client] {
                    recu_ += client->readAll();
                    if (!recu_.contains("\r\n\r\n"))
                        return;
                    client->write(reponse_);
                    client->disconnectFromHost();
                });
                QObject::connect(client, &QTcpSocket::disconnected, client, &QObject::deleteLater);
            }
        });
        QNetworkProxy::setApplicationProxy(
            QNetworkProxy(QNetworkProxy::HttpProxy, QStringLiteral("127.0.0.1"), serveur_.serverPort()));
    }
    ~ServeurMandataire() { QNetworkProxy::setApplicationProxy(avant_); }

    const QByteArray& recu() const { return recu_; }

private:
    QTcpServer serveur_;
    QByteArray reponse_;
    QByteArray recu_;
    QNetworkProxy avant_;
};

QByteArray reponseHttp(const QByteArray& statut, const QByteArray& corps)
{
    return "HTTP/1.1 " + statut + "\r\nContent-Length: " + QByteArray::number(corps.size())
        + "\r\nConnection: close\r\n\r\n" + corps;
}

QByteArray listeChiffree(const std::vector<components::EntreeRadio>& stations)
{
    const auto octets = components::chiffrerListeRadios(stations, components::kCleListeRadios);
    return QByteArray(reinterpret_cast<const char*>(octets.data()), qsizetype(octets.size()));
}

class MiseAJourRadios : public CommandesTest {
protected:
    MiseAJourRadios() { test::writeFile(radios_, ancienne_); }

    void attendreAncienneListe()
    {
        EXPECT_EQ(test::readFile(radios_), ancienne_);
        EXPECT_FALSE(std::filesystem::exists(t.dossier() / "Radios.sys.part"));
    }

    const ScriptedDialogs::Question& question(std::size_t i) { return t.dialogues().questions().at(i); }

    std::filesystem::path radios_ = t.dossier() / "Radios.sys";
    test::Bytes ancienne_ = test::bytesOf(listeChiffree({{"Ancienne", "http://a/1", "http://a/2"}}).toStdString());
};

TEST_F(MiseAJourRadios, AnsweredNoDownloadsNothing)
{
    ServeurMandataire serveur(reponseHttp("200 OK", listeChiffree({{"Nouvelle", "http://n/1", "http://n/2"}})));
    t.dialogues().answer(MessageAnswer::No);
    liste.Live_Update_Click();
    ASSERT_EQ(t.dialogues().questions().size(), 1u);
    EXPECT_EQ(question(0).text, "Souhaitez-vous mettre à jour la liste des radios ?");
    EXPECT_EQ(question(0).title, "Web Radio Player");
    EXPECT_EQ(question(0).icon, MessageIcon::Exclamation);
    EXPECT_EQ(question(0).buttons, MessageButtons::YesNo);
    EXPECT_TRUE(serveur.recu().isEmpty());
    attendreAncienneListe();
}

TEST_F(MiseAJourRadios, ANewListReplacesTheOldOneForTheNextStart)
{
    const std::vector<components::EntreeRadio> nouvelle = {{"Nouvelle", "http://n/1", "http://n/2"},
                                                        {"Autre", "http://o/1", "http://o/2"}};
    ServeurMandataire serveur(reponseHttp("200 OK", listeChiffree(nouvelle)));
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.menu("Live_Update")->trigger();
    EXPECT_TRUE(serveur.recu().startsWith("GET http://radios.tulvane.org/stations_radio_tulvane.txt HTTP/1.1\r\n"))
        << serveur.recu().toStdString();
    EXPECT_EQ(test::readFile(radios_), test::bytesOf(listeChiffree(nouvelle).toStdString()));
    EXPECT_FALSE(std::filesystem::exists(t.dossier() / "Radios.sys.part"));
    ASSERT_EQ(t.dialogues().questions().size(), 2u);
    EXPECT_EQ(question(1).text, "La mise à jours On line de la liste a été effectuée avec succès !\n"
                                "Les modifications seront appliquée au prochain démarrage du logiciel.");
    EXPECT_EQ(question(1).title, "Procédure effectuée");
    EXPECT_EQ(question(1).icon, MessageIcon::Information);
    EXPECT_EQ(question(1).buttons, MessageButtons::Ok);
}

struct CasEchec {
    const char* nom;
    QByteArray reponse;
    const char* raison;
};

class EchecMiseAJour : public MiseAJourRadios, public testing::WithParamInterface<CasEchec> {};

// A failed download is told as a failure and the stations of the old list stay.
TEST_P(EchecMiseAJour, KeepsTheOldListAndSaysSo)
{
    ServeurMandataire serveur(GetParam().reponse);
    t.dialogues().answer(MessageAnswer::Yes);
    t.dialogues().answer(MessageAnswer::Ok);
    liste.Live_Update_Click();
    EXPECT_FALSE(serveur.recu().isEmpty());
    attendreAncienneListe();
    ASSERT_EQ(t.dialogues().questions().size(), 2u);
    EXPECT_EQ(question(1).title, "Annulation de procédure");
    EXPECT_EQ(question(1).icon, MessageIcon::Critical);
    EXPECT_TRUE(question(1).text.contains(QString::fromUtf8(GetParam().raison))) << question(1).text.toStdString();
    EXPECT_TRUE(question(1).text.endsWith("\nLa liste des radios actuelle est conservée."));
}

INSTANTIATE_TEST_SUITE_P(Cases, EchecMiseAJour,
    testing::Values(CasEchec{"notFound", reponseHttp("404 Not Found", "<html>introuvable</html>"), "erreur HTTP 404"},
                    CasEchec{"htmlPage", reponseHttp("200 OK", "<html><body>Bienvenue</body></html>"),
                             "n'a pas envoyé une liste de radios valide"},
                    CasEchec{"damaged", reponseHttp("200 OK", listeChiffree({{"N", "http://n/1", "http://n/2"}}).chopped(1)),
                             "n'a pas envoyé une liste de radios valide"},
                    CasEchec{"noStation", reponseHttp("200 OK", listeChiffree({})), "aucune station"}),
    [](const auto& info) { return std::string(info.param.nom); });

}  // namespace
