#pragma once

#include "components/settings_store.h"

#include <QMap>

namespace tulvane::test {

// Settings values kept in memory, by their full value path.
class MemorySettingsStore final : public components::SettingsStore {
public:
    QString lireValeur(const QString& cheminValeur) const override;
    bool ecrireValeur(const QString& cheminValeur, const QString& texte) override;

    const QMap<QString, QString>& valeurs() const { return valeurs_; }

private:
    QMap<QString, QString> valeurs_;
};

}  // namespace tulvane::test
