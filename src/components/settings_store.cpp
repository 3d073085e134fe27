#include "components/settings_store.h"

#include "components/fichier_reglages.h"
#include "platform/ansi_text.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QStringList>

#include <optional>
#include <string>

namespace tulvane::components {

namespace {

struct Emplacement {
    QString fichier;
    std::string cle;
};

// Nothing when the path is not under HKEY_CURRENT_USER\Software or has an empty part.
std::optional<Emplacement> emplacementDe(const QString& cheminValeur)
{
    const QStringList parties = cheminValeur.split(u'\\');
    if (parties.size() < 4 || parties.contains(QString())
        || parties[0].compare(u"HKEY_CURRENT_USER", Qt::CaseInsensitive) != 0
        || parties[1].compare(u"Software", Qt::CaseInsensitive) != 0)
        return std::nullopt;
    const QString dossier = QStandardPaths::writableLocation(QStandardPaths::GenericConfigLocation);
    if (dossier.isEmpty())
        return std::nullopt;
    const bool avecApplication = parties.size() > 4;
    const QString nom = avecApplication ? parties[2] + u'/' + parties[3] : parties[2];
    return Emplacement{dossier + u'/' + nom + QStringLiteral(".conf"),
                       parties.mid(avecApplication ? 4 : 3).join(u'/').toStdString()};
}

// Nothing when a file is there that cannot be read: it must then be kept as it is.
std::optional<ValeursReglages> valeursDuFichier(const QString& fichier)
{
    const QFileInfo info(fichier);
    if (!info.exists() && !info.isSymLink())
        return ValeursReglages{};
    const platform::TextContent contenu = platform::readText(fichier);
    if (!contenu.ok())
        return std::nullopt;
    return lireReglages(contenu.text);
}

}  // namespace

QString QtSettingsStore::lireValeur(const QString& cheminValeur) const
{
    const auto lieu = emplacementDe(cheminValeur);
    const auto valeurs = lieu ? valeursDuFichier(lieu->fichier) : std::nullopt;
    if (!valeurs)
        return {};
    const auto trouvee = valeurs->find(lieu->cle);
    return trouvee == valeurs->end() ? QString() : QString::fromStdString(trouvee->second);
}

bool QtSettingsStore::ecrireValeur(const QString& cheminValeur, const QString& texte)
{
    const auto lieu = emplacementDe(cheminValeur);
    auto valeurs = lieu ? valeursDuFichier(lieu->fichier) : std::nullopt;
    if (!valeurs || !QDir().mkpath(QFileInfo(lieu->fichier).absolutePath()))
        return false;
    (*valeurs)[lieu->cle] = texte.toStdString();
    return platform::writeText(lieu->fichier, QByteArray::fromStdString(ecrireReglages(*valeurs))).ok();
}

}  // namespace tulvane::components
