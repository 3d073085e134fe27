#include "components/settings_store.h"

#include <QSettings>
#include <QStringList>

#include <memory>

namespace tulvane::components {

namespace {

// nullptr when the path is not under HKEY_CURRENT_USER\Software or has an empty part.
std::unique_ptr<QSettings> reglagesPour(const QString& cheminValeur, QString& cle)
{
    const QStringList parties = cheminValeur.split(u'\\');
    if (parties.size() < 4 || parties.contains(QString())
        || parties[0].compare(u"HKEY_CURRENT_USER", Qt::CaseInsensitive) != 0
        || parties[1].compare(u"Software", Qt::CaseInsensitive) != 0)
        return nullptr;
    const QString application = parties.size() > 4 ? parties[3] : QString();
    cle = parties.mid(parties.size() > 4 ? 4 : 3).join(u'/');
    auto reglages = std::make_unique<QSettings>(QSettings::NativeFormat, QSettings::UserScope, parties[2], application);
    reglages->setFallbacksEnabled(false);
    return reglages;
}

}  // namespace

QString QtSettingsStore::lireValeur(const QString& cheminValeur) const
{
    QString cle;
    const auto reglages = reglagesPour(cheminValeur, cle);
    return reglages ? reglages->value(cle).toString() : QString();
}

bool QtSettingsStore::ecrireValeur(const QString& cheminValeur, const QString& texte)
{
    QString cle;
    const auto reglages = reglagesPour(cheminValeur, cle);
    if (!reglages)
        return false;
    reglages->setValue(cle, texte);
    reglages->sync();
    return reglages->status() == QSettings::NoError;
}

}  // namespace tulvane::components
