#include "components/corbeille.h"

#include "platform/ansi_text.h"

#include <QDateTime>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStandardPaths>
#include <QUrl>

#include <cerrno>
#include <climits>
#include <cstdio>
#include <optional>

#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace tulvane::components {

namespace {

QString entreGuillemets(const QByteArray& chemin)
{
    return QStringLiteral("« %1 »").arg(QFile::decodeName(chemin));
}

QString echecCreation(const QByteArray& chemin, int erreur)
{
    return QStringLiteral("Impossible de créer %1 : %2.").arg(entreGuillemets(chemin), platform::causeOf(erreur));
}

QString inutilisable(const QByteArray& dossier)
{
    return QStringLiteral("Le dossier %1 ne peut pas servir de corbeille.").arg(entreGuillemets(dossier));
}

// A trash folder, and the folder that the paths of its ".trashinfo" files are relative to
// ("" for the home trash, whose paths are absolute).
struct Corbeille {
    QByteArray dossier;
    QByteArray racine;
};

// A trash, or why none can be had.
struct CorbeilleTrouvee {
    std::optional<Corbeille> corbeille;
    QString raison;
};

QByteArray parentDe(const QByteArray& chemin)
{
    const qsizetype barre = chemin.lastIndexOf('/');
    return barre <= 0 ? QByteArray("/") : chemin.left(barre);
}

// The device of the nearest folder on the way to `chemin` that exists.
std::optional<dev_t> disqueDe(QByteArray chemin)
{
    for (struct stat etat {};; chemin = parentDe(chemin)) {
        if (::stat(chemin.constData(), &etat) == 0)
            return etat.st_dev;
        if (chemin == "/")
            return std::nullopt;
    }
}

// The highest folder above `dossier` (a path without links) that is still on `disque`.
QByteArray sommetDuDisque(QByteArray dossier, dev_t disque)
{
    for (struct stat etat {}; dossier != "/"; dossier = parentDe(dossier))
        if (::stat(parentDe(dossier).constData(), &etat) != 0 || etat.st_dev != disque)
            break;
    return dossier;
}

QString dossierDeCorbeille(const QByteArray& dossier)
{
    for (const char* sousDossier : {"/files", "/info"}) {
        const QByteArray chemin = dossier + sousDossier;
        if (::mkdir(chemin.constData(), 0700) != 0 && errno != EEXIST)
            return echecCreation(chemin, errno);
        struct stat etat {};
        if (::stat(chemin.constData(), &etat) != 0 || !S_ISDIR(etat.st_mode))
            return inutilisable(chemin);
    }
    return {};
}

QByteArray dossierCorbeilleMaison()
{
    const QString donnees = QStandardPaths::writableLocation(QStandardPaths::GenericDataLocation);
    return donnees.isEmpty() ? QByteArray() : QFile::encodeName(donnees) + "/Trash";
}

// $XDG_DATA_HOME/Trash, made with the folders above it when missing.
CorbeilleTrouvee corbeilleMaison(const QByteArray& dossier)
{
    for (qsizetype barre = dossier.indexOf('/', 1);; barre = dossier.indexOf('/', barre + 1)) {
        const QByteArray chemin = barre < 0 ? dossier : dossier.left(barre);
        if (::mkdir(chemin.constData(), 0700) != 0 && errno != EEXIST)
            return {std::nullopt, echecCreation(chemin, errno)};
        if (barre < 0)
            break;
    }
    if (QString raison = dossierDeCorbeille(dossier); !raison.isEmpty())
        return {std::nullopt, raison};
    return {Corbeille{dossier, {}}, {}};
}

// A folder of this user's, made when missing, that is not a link.
QString dossierPrive(const QByteArray& dossier)
{
    if (::mkdir(dossier.constData(), 0700) != 0 && errno != EEXIST)
        return echecCreation(dossier, errno);
    struct stat etat {};
    if (::lstat(dossier.constData(), &etat) != 0 || !S_ISDIR(etat.st_mode) || etat.st_uid != ::geteuid())
        return inutilisable(dossier);
    return dossierDeCorbeille(dossier);
}

// The trash at the top of a file system other than the home trash's: $topdir/.Trash/$uid
// when the administrator made $topdir/.Trash (a folder with the sticky bit, not a link),
// else $topdir/.Trash-$uid.
CorbeilleTrouvee corbeilleDuDisque(const QByteArray& sommet)
{
    const QByteArray base = sommet == "/" ? QByteArray() : sommet;
    const QByteArray utilisateur = QByteArray::number(::geteuid());
    struct stat partagee {};
    if (::lstat((base + "/.Trash").constData(), &partagee) == 0 && S_ISDIR(partagee.st_mode)
        && (partagee.st_mode & S_ISVTX) != 0) {
        const QByteArray dossier = base + "/.Trash/" + utilisateur;
        if (dossierPrive(dossier).isEmpty())
            return {Corbeille{dossier, sommet}, {}};
    }
    const QByteArray dossier = base + "/.Trash-" + utilisateur;
    if (QString raison = dossierPrive(dossier); !raison.isEmpty())
        return {std::nullopt, raison};
    return {Corbeille{dossier, sommet}, {}};
}

// The n-th name tried for the file in the trash: its own, then "name.2", "name.3", ...,
// cut where needed so that its ".trashinfo" name still fits, without splitting a character.
QByteArray nomDansLaCorbeille(const QByteArray& nom, int n)
{
    const QByteArray suffixe = n == 1 ? QByteArray() : '.' + QByteArray::number(n);
    qsizetype longueur = NAME_MAX - qsizetype(sizeof ".trashinfo" - 1) - suffixe.size();
    if (nom.size() <= longueur)
        return nom + suffixe;
    while (longueur > 0 && (static_cast<unsigned char>(nom[longueur]) & 0xC0) == 0x80)
        --longueur;
    return nom.left(longueur) + suffixe;
}

// 0, or the error; a file already under the new name is never replaced.
int deplacerSansEcraser(const QByteArray& source, const QByteArray& cible)
{
    if (::renameat2(AT_FDCWD, source.constData(), AT_FDCWD, cible.constData(), RENAME_NOREPLACE) == 0)
        return 0;
    if (errno != EINVAL)
        return errno;
    // A file system that does not know the flag: the name was free a moment ago.
    struct stat deja {};
    if (::lstat(cible.constData(), &deja) == 0)
        return EEXIST;
    return ::rename(source.constData(), cible.constData()) == 0 ? 0 : errno;
}

}  // namespace

ResultatOperation mettreALaCorbeille(const QString& chemin)
{
    const QFileInfo fichier(chemin);
    const QString dossierReel = QFileInfo(fichier.absolutePath()).canonicalFilePath();
    const QByteArray source = QFile::encodeName(QDir(dossierReel).filePath(fichier.fileName()));
    struct stat etat {};
    if (chemin.isEmpty() || dossierReel.isEmpty() || fichier.fileName().isEmpty()
        || ::lstat(source.constData(), &etat) != 0)
        return ResultatOperation::echec(QStringLiteral("Le fichier « %1 » est introuvable.").arg(chemin));
    const auto echec = [&chemin](const QString& raison) {
        return ResultatOperation::echec(
            QStringLiteral("Le fichier « %1 » n'a pas pu être placé dans la corbeille.\n%2").arg(chemin, raison));
    };

    const QByteArray maison = dossierCorbeilleMaison();
    const CorbeilleTrouvee trouvee =
        !maison.isEmpty() && disqueDe(maison) == etat.st_dev
            ? corbeilleMaison(maison)
            : corbeilleDuDisque(sommetDuDisque(QFile::encodeName(dossierReel), etat.st_dev));
    if (!trouvee.corbeille)
        return echec(trouvee.raison);
    const Corbeille& corbeille = *trouvee.corbeille;

    const QByteArray cheminRendu =
        corbeille.racine.isEmpty() ? source : source.mid(corbeille.racine == "/" ? 1 : corbeille.racine.size() + 1);
    const QByteArray contenu = "[Trash Info]\nPath=" + QUrl::toPercentEncoding(cheminRendu, "/") + "\nDeletionDate="
        + QDateTime::currentDateTime().toString(u"yyyy-MM-ddTHH:mm:ss").toLatin1() + '\n';
    const QByteArray nom = QFile::encodeName(fichier.fileName());
    // Every name passed over is an entry of the trash, so the search ends.
    for (int n = 1;; ++n) {
        const QByteArray nomCorbeille = nomDansLaCorbeille(nom, n);
        const QByteArray cible = corbeille.dossier + "/files/" + nomCorbeille;
        const QByteArray info = corbeille.dossier + "/info/" + nomCorbeille + ".trashinfo";
        struct stat deja {};
        if (::lstat(cible.constData(), &deja) == 0)
            continue;
        // The name is taken in "info" first, so that two programs trashing at once never
        // share it; the text then replaces the empty file whole.
        const int reserve = ::open(info.constData(), O_WRONLY | O_CREAT | O_EXCL | O_NOFOLLOW | O_CLOEXEC, 0600);
        if (reserve < 0 && errno == EEXIST)
            continue;
        if (reserve < 0)
            return echec(echecCreation(info, errno));
        ::close(reserve);
        if (const platform::TextWrite ecrit = platform::writeText(QFile::decodeName(info), contenu); !ecrit.ok()) {
            ::unlink(info.constData());
            return echec(ecrit.error);
        }
        const int erreur = deplacerSansEcraser(source, cible);
        if (erreur == 0)
            return ResultatOperation::succes();
        ::unlink(info.constData());
        if (erreur == EEXIST)
            continue;
        return echec(QStringLiteral("Le déplacement vers %1 a échoué : %2.")
                         .arg(entreGuillemets(cible),
                              erreur == EXDEV ? QStringLiteral("le fichier et la corbeille ne sont pas sur le même disque")
                                              : platform::causeOf(erreur)));
    }
}

}  // namespace tulvane::components
