#include "fakes/memory_settings.h"

namespace tulvane::test {

QString MemorySettingsStore::lireValeur(const QString& cheminValeur) const
{
    return valeurs_.value(cheminValeur);
}

bool MemorySettingsStore::ecrireValeur(const QString& cheminValeur, const QString& texte)
{
    valeurs_.insert(cheminValeur, texte);
    return true;
}

}  // namespace tulvane::test
