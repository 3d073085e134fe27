#pragma once

#include "components/file_work.h"
#include "components/settings_store.h"

#include <QStringList>
#include <QUrl>

#include <chrono>
#include <functional>

namespace tulvane::components {

// What Lancer asks of the desktop; tests give their own so that nothing is started.
struct Bureau {
    // Full path of an installed program, "" when there is none.
    std::function<QString(const QString& programme)> trouverProgramme;
    std::function<bool(const QString& chemin, const QStringList& arguments)> demarrer;
    std::function<bool(const QUrl& adresse)> ouvrirAdresse;
    // The desktop entry of the user's default web browser ("chromium.desktop"), "" when the
    // desktop does not say.
    std::function<QString()> navigateurParDefaut;

    // The search path, detached processes, the desktop's URL handler and its choice of
    // browser.
    static Bureau systeme();
};

class QtFileWork final : public FileWork {
public:
    explicit QtFileWork(SettingsStore& registre, Bureau bureau = Bureau::systeme(),
                        std::chrono::milliseconds delaiTelechargement = std::chrono::seconds(30));

    void DefinirFichier(const QString& chemin) override;
    QString NomFichier() const override;
    QString Dossier() const override;
    bool Existe() const override;

    QString LireRegistre(const QString& cheminValeur) const override;
    ResultatOperation EcrireRegistre(const QString& cheminValeur, const QString& texte) override;

    ResultatOperation Telecharger(const QString& adresse, const QString& cheminLocal) override;
    ResultatOperation Lancer(const QString& cible, int styleFenetre) override;
    ResultatOperation SupprimerCorbeille(const QString& chemin) override;
    ResultatOperation DecoderFichier(int mode, const QString& source, const QString& cible,
                                     const QString& cle) override;

private:
    ResultatOperation lancerControleVolume();
    ResultatOperation ouvrirAdresse(const QString& adresse, int styleFenetre);

    SettingsStore& registre_;
    Bureau bureau_;
    std::chrono::milliseconds delaiTelechargement_;
    QString chemin_;
};

}  // namespace tulvane::components
