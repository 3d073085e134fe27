#pragma once

#include <QString>

#include <utility>

namespace tulvane::components {

// The outcome of an operation that can fail, with the French text to show the user.
struct ResultatOperation {
    bool reussi = true;
    QString message;  // "" on success

    static ResultatOperation succes() { return {}; }
    static ResultatOperation echec(QString message) { return {false, std::move(message)}; }
};

// The file-utility component `FWork1`: path parts, settings values, download, starting a
// program, recycle bin and the station list. Every operation runs to its end before it
// returns, as the callers are synchronous handlers.
class FileWork {
public:
    virtual ~FileWork() = default;

    // The path that NomFichier, Dossier and Existe describe until the next call.
    virtual void DefinirFichier(const QString& chemin) = 0;
    // The part after the last "/": "" for a path that ends with "/".
    virtual QString NomFichier() const = 0;
    // Everything up to and with the last "/", "" when the path has none, so that
    // Dossier() + NomFichier() is the path again.
    virtual QString Dossier() const = 0;
    // True when a file, or a link to one, is at the path; false for a folder.
    virtual bool Existe() const = 0;

    // The text of the settings value at "HKEY_CURRENT_USER\Software\...\" + name; "" when it
    // was never written.
    virtual QString LireRegistre(const QString& cheminValeur) const = 0;
    virtual ResultatOperation EcrireRegistre(const QString& cheminValeur, const QString& texte) = 0;

    // HTTP GET of the address into the file; the file is replaced only when the whole
    // answer arrived with a success status, and is left as it was otherwise.
    virtual ResultatOperation Telecharger(const QString& adresse, const QString& cheminLocal) = 0;

    // Opens a web address in the browser, or starts a program by name; "sndvol32" is the
    // desktop's volume control. Style 3 opens a page maximised when the default browser can
    // be asked to (the Chromium family); otherwise, as for style 1 (normal), the desktop
    // decides how the new window opens.
    virtual ResultatOperation Lancer(const QString& cible, int styleFenetre) = 0;

    // Moves the file to the user's trash (see corbeille.h); on failure the file stays where it was.
    virtual ResultatOperation SupprimerCorbeille(const QString& chemin) = 0;

    // Mode 1 (the only one): writes the readable three-line station list at the target from
    // the enciphered one at the source (see station_cipher.h). On failure the target is
    // left as it was.
    virtual ResultatOperation DecoderFichier(int mode, const QString& source, const QString& cible,
                                             const QString& cle) = 0;
};

}  // namespace tulvane::components
