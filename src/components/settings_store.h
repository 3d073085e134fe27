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

// The file QSettings keeps in its native format on Linux, read and written by the program
// itself. The path
//   HKEY_CURRENT_USER\Software\<organisation>[\<application>[\<group>...]]\<name>
// is the file "<organisation>[/<application>].conf" of the user's config folder
// ($XDG_CONFIG_HOME, by default ~/.config) with the key "<group>/.../<name>", as for
// QSettings(organisation, application); so the program's key is the file
// "Tulvane Adv 4.2.conf" there. Other hives are refused.
// Every write replaces the whole file through the one whole-file write, so that a failure
// leaves the old file whole (QSettings' own writing empties it on a nearly full disk). A file
// that is there but cannot be read (not a regular file, no permission) reads as empty and
// is never replaced.
class QtSettingsStore final : public SettingsStore {
public:
    QString lireValeur(const QString& cheminValeur) const override;
    bool ecrireValeur(const QString& cheminValeur, const QString& texte) override;
};

}  // namespace tulvane::components
