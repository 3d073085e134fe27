#pragma once

#include <QString>

namespace tulvane::components {

// String values addressed by a registry value path: the key text followed directly by the
// value's name, e.g. "HKEY_CURRENT_USER\Software\Tulvane Adv 4.2\ListeAdresse".
class SettingsStore {
public:
    virtual ~SettingsStore() = default;

    // "" for a value never written, and for a path the store cannot address.
    virtual QString lireValeur(const QString& cheminValeur) const = 0;

    // False when the value could not be kept (bad path, store not writable).
    virtual bool ecrireValeur(const QString& cheminValeur, const QString& texte) = 0;
};

// QSettings in its native format, user scope. The path
//   HKEY_CURRENT_USER\Software\<organisation>[\<application>[\<group>...]]\<name>
// is QSettings(organisation, application) with the key "<group>/.../<name>"; so the
// program's key is the file "Tulvane Adv 4.2.conf" in the user's config folder
// ($XDG_CONFIG_HOME, or what QSettings::setPath gives). Other hives are refused.
class QtSettingsStore final : public SettingsStore {
public:
    QString lireValeur(const QString& cheminValeur) const override;
    bool ecrireValeur(const QString& cheminValeur, const QString& texte) override;
};

}  // namespace tulvane::components
