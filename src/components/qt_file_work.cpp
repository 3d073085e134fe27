#include "components/qt_file_work.h"

#include "components/corbeille.h"
#include "components/station_cipher.h"
#include "platform/ansi_text.h"

#include <QDesktopServices>
#include <QEventLoop>
#include <QFileInfo>
#include <QNetworkAccessManager>
#include <QNetworkReply>
#include <QProcess>
#include <QStandardPaths>
#include <QTimer>

#include <algorithm>
#include <array>
#include <memory>
#include <span>

namespace tulvane::components {

namespace {

QString entreGuillemets(const QString& texte)
{
    return QStringLiteral("« %1 »").arg(texte);
}

// Enough of a stored station list to tell one that is too long from one that is not. It is
// also the most a download may bring: the station list is the one file downloaded.
constexpr qsizetype kOctetsListeRadios = static_cast<qsizetype>(kTailleMaxTexteRadios) + 64;

bool estAdresseWeb(const QString& cible)
{
    return cible.startsWith(u"http://", Qt::CaseInsensitive) || cible.startsWith(u"https://", Qt::CaseInsensitive)
        || cible.startsWith(u"www.", Qt::CaseInsensitive);
}

struct ControleVolume {
    const char* programme;
    const char* argument;  // nullptr when it takes none
};

// What "sndvol32" stands for, in the order they are tried: the PulseAudio/PipeWire mixers,
// then the sound pages of the GNOME, KDE Plasma and MATE settings.
constexpr std::array<ControleVolume, 6> kControlesVolume = {{
    {"pavucontrol", nullptr},
    {"pavucontrol-qt", nullptr},
    {"gnome-control-center", "sound"},
    {"kcmshell6", "kcm_pulseaudio"},
    {"kcmshell5", "kcm_pulseaudio"},
    {"mate-volume-control", nullptr},
}};

constexpr int kFenetreAgrandie = 3;

// The browsers that open their window maximised when asked on their command line, by the
// name of their desktop entry, which is also the name of their program. Firefox has no such
// option: it opens the size it last had.
constexpr std::array<const char*, 9> kNavigateursAgrandissables = {
    "chromium", "chromium-browser", "google-chrome", "google-chrome-stable", "brave-browser",
    "microsoft-edge", "microsoft-edge-stable", "vivaldi-stable", "opera",
};

QString raisonReseau(const QNetworkReply& reponse)
{
    const int statut = reponse.attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (statut != 0 && (statut < 200 || statut > 299))
        return QStringLiteral("le serveur a répondu par l'erreur HTTP %1").arg(statut);
    switch (reponse.error()) {
    case QNetworkReply::ConnectionRefusedError:
        return QStringLiteral("le serveur a refusé la connexion");
    case QNetworkReply::HostNotFoundError:
        return QStringLiteral("le serveur %1 est introuvable").arg(entreGuillemets(reponse.url().host()));
    case QNetworkReply::RemoteHostClosedError:
        return QStringLiteral("le serveur a coupé la connexion");
    case QNetworkReply::TimeoutError:
        return QStringLiteral("le serveur ne répond pas");
    case QNetworkReply::SslHandshakeFailedError:
        return QStringLiteral("la connexion sécurisée a échoué");
    default:
        return QStringLiteral("erreur de réseau n° %1").arg(static_cast<int>(reponse.error()));
    }
}

}  // namespace

Bureau Bureau::systeme()
{
    return {
        [](const QString& programme) { return QStandardPaths::findExecutable(programme); },
        [](const QString& chemin, const QStringList& arguments) { return QProcess::startDetached(chemin, arguments); },
        [](const QUrl& adresse) { return QDesktopServices::openUrl(adresse); },
        [] {
            const QString xdgMime = QStandardPaths::findExecutable(QStringLiteral("xdg-mime"));
            if (xdgMime.isEmpty())
                return QString();
            QProcess requete;
            requete.start(xdgMime, {QStringLiteral("query"), QStringLiteral("default"),
                                    QStringLiteral("x-scheme-handler/https")});
            if (!requete.waitForFinished(2000) || requete.exitCode() != 0)
                return QString();
            return QString::fromLocal8Bit(requete.readAllStandardOutput()).trimmed();
        },
    };
}

QtFileWork::QtFileWork(SettingsStore& registre, Bureau bureau, std::chrono::milliseconds delaiTelechargement)
    : registre_(registre), bureau_(std::move(bureau)), delaiTelechargement_(delaiTelechargement)
{
}

void QtFileWork::DefinirFichier(const QString& chemin)
{
    chemin_ = chemin;
}

QString QtFileWork::NomFichier() const
{
    return chemin_.mid(chemin_.lastIndexOf(u'/') + 1);
}

QString QtFileWork::Dossier() const
{
    return chemin_.left(chemin_.lastIndexOf(u'/') + 1);
}

bool QtFileWork::Existe() const
{
    return !chemin_.isEmpty() && QFileInfo(chemin_).isFile();
}

QString QtFileWork::LireRegistre(const QString& cheminValeur) const
{
    return registre_.lireValeur(cheminValeur);
}

ResultatOperation QtFileWork::EcrireRegistre(const QString& cheminValeur, const QString& texte)
{
    if (registre_.ecrireValeur(cheminValeur, texte))
        return ResultatOperation::succes();
    return ResultatOperation::echec(
        QStringLiteral("Impossible d'enregistrer le réglage %1.").arg(entreGuillemets(cheminValeur)));
}

ResultatOperation QtFileWork::Telecharger(const QString& adresse, const QString& cheminLocal)
{
    const auto echec = [&adresse](const QString& raison) {
        return ResultatOperation::echec(
            QStringLiteral("Le téléchargement de %1 a échoué : %2.").arg(entreGuillemets(adresse), raison));
    };
    const QUrl url(adresse, QUrl::StrictMode);
    const QString schema = url.scheme().toLower();
    if (!url.isValid() || url.host().isEmpty() || (schema != u"http" && schema != u"https"))
        return echec(QStringLiteral("l'adresse n'est pas une adresse web"));

    // No request at all when the file could not be written anyway.
    if (const QString obstacle = platform::writeObstacle(cheminLocal); !obstacle.isEmpty())
        return ResultatOperation::echec(obstacle);

    // The answer is kept whole, then written in one go: the old file is replaced only once
    // everything arrived and reached the disk.
    QNetworkAccessManager reseau;
    const std::unique_ptr<QNetworkReply> reponse(reseau.get(QNetworkRequest(url)));
    QByteArray recu;
    bool tropGrand = false;
    bool delaiDepasse = false;
    const auto garderRecu = [&] {
        if (!reponse->isOpen())  // aborted
            return;
        recu += reponse->readAll();
        if (recu.size() > kOctetsListeRadios) {
            tropGrand = true;
            reponse->abort();
        }
    };
    QObject::connect(reponse.get(), &QNetworkReply::readyRead, garderRecu);
    QTimer minuterie;
    minuterie.setSingleShot(true);
    QObject::connect(&minuterie, &QTimer::timeout, [&] {
        delaiDepasse = true;
        reponse->abort();
    });
    QEventLoop boucle;
    QObject::connect(reponse.get(), &QNetworkReply::finished, &boucle, &QEventLoop::quit);
    minuterie.start(delaiTelechargement_);
    // Timers go on ticking meanwhile; clicks wait, so that no command starts in the middle.
    if (!reponse->isFinished())
        boucle.exec(QEventLoop::ExcludeUserInputEvents);
    garderRecu();

    if (tropGrand)
        return echec(QStringLiteral("la réponse du serveur est trop grande pour une liste de radios"));
    if (delaiDepasse)
        return echec(QStringLiteral("le serveur n'a pas répondu à temps"));
    const int statut = reponse->attribute(QNetworkRequest::HttpStatusCodeAttribute).toInt();
    if (reponse->error() != QNetworkReply::NoError || statut < 200 || statut > 299)
        return echec(raisonReseau(*reponse));
    if (const platform::TextWrite ecrit = platform::writeText(cheminLocal, recu); !ecrit.ok())
        return ResultatOperation::echec(ecrit.error);
    return ResultatOperation::succes();
}

ResultatOperation QtFileWork::ouvrirAdresse(const QString& adresse, int styleFenetre)
{
    const QUrl url = QUrl::fromUserInput(adresse);
    if (styleFenetre == kFenetreAgrandie) {
        QString navigateur = bureau_.navigateurParDefaut();
        if (navigateur.endsWith(u".desktop"))
            navigateur.chop(8);
        const bool agrandissable = std::any_of(kNavigateursAgrandissables.begin(), kNavigateursAgrandissables.end(),
                                               [&navigateur](const char* nom) { return navigateur == QLatin1String(nom); });
        const QString programme = agrandissable ? bureau_.trouverProgramme(navigateur) : QString();
        if (!programme.isEmpty()
            && bureau_.demarrer(programme, {QStringLiteral("--start-maximized"), url.toString()}))
            return ResultatOperation::succes();
    }
    if (bureau_.ouvrirAdresse(url))
        return ResultatOperation::succes();
    return ResultatOperation::echec(
        QStringLiteral("Impossible d'ouvrir l'adresse %1 dans le navigateur.").arg(entreGuillemets(adresse)));
}

ResultatOperation QtFileWork::Lancer(const QString& cible, int styleFenetre)
{
    const QString texte = cible.trimmed();
    if (estAdresseWeb(texte))
        return ouvrirAdresse(texte, styleFenetre);
    if (texte.compare(u"sndvol32", Qt::CaseInsensitive) == 0
        || texte.compare(u"sndvol32.exe", Qt::CaseInsensitive) == 0)
        return lancerControleVolume();
    const QString chemin = bureau_.trouverProgramme(texte);
    if (chemin.isEmpty())
        return ResultatOperation::echec(QStringLiteral("Le programme %1 est introuvable.").arg(entreGuillemets(texte)));
    if (bureau_.demarrer(chemin, {}))
        return ResultatOperation::succes();
    return ResultatOperation::echec(
        QStringLiteral("Le programme %1 n'a pas pu être démarré.").arg(entreGuillemets(texte)));
}

ResultatOperation QtFileWork::lancerControleVolume()
{
    bool trouve = false;
    for (const auto& controle : kControlesVolume) {
        const QString chemin = bureau_.trouverProgramme(QString::fromLatin1(controle.programme));
        if (chemin.isEmpty())
            continue;
        trouve = true;
        const QStringList arguments =
            controle.argument ? QStringList{QString::fromLatin1(controle.argument)} : QStringList{};
        if (bureau_.demarrer(chemin, arguments))
            return ResultatOperation::succes();
    }
    if (trouve)
        return ResultatOperation::echec(QStringLiteral("Le contrôleur de volume n'a pas pu être démarré."));
    return ResultatOperation::echec(QStringLiteral(
        "Aucun contrôleur de volume n'est installé.\nInstallez par exemple le programme « pavucontrol »."));
}

ResultatOperation QtFileWork::SupprimerCorbeille(const QString& chemin)
{
    return mettreALaCorbeille(chemin);
}

ResultatOperation QtFileWork::DecoderFichier(int mode, const QString& source, const QString& cible, const QString& cle)
{
    if (mode != 1)
        return ResultatOperation::echec(QStringLiteral("Mode de décodage inconnu : %1.").arg(mode));
    const std::optional<QByteArray> octets = platform::readBytes(source, kOctetsListeRadios);
    if (!octets)
        return ResultatOperation::echec(
            QStringLiteral("La liste des radios %1 est introuvable ou illisible.").arg(entreGuillemets(source)));
    const QByteArray octetsCle = cle.toUtf8();
    const auto liste = dechiffrerListeRadios(
        std::span(reinterpret_cast<const std::uint8_t*>(octets->constData()), static_cast<std::size_t>(octets->size())),
        std::string_view(octetsCle.constData(), static_cast<std::size_t>(octetsCle.size())));
    if (liste.erreur != ErreurListeRadios::aucune)
        return ResultatOperation::echec(
            QStringLiteral("Impossible de lire la liste des radios %1 :\n%2")
                .arg(entreGuillemets(source), QString::fromStdString(messageErreurRadios(liste.erreur))));

    const platform::TextWrite ecrit =
        platform::writeText(cible, QByteArray::fromStdString(ecrireTroisLignes(liste.stations)));
    if (!ecrit.ok())
        return ResultatOperation::echec(ecrit.error);
    return ResultatOperation::succes();
}

}  // namespace tulvane::components
