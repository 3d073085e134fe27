#pragma once

// What the tests of the file tools share: a play list of real files over fakes, tagged and
// MPEG fixtures, and a hand on the modal dialog a command opens.
#include "fakes/contexte_test.h"
#include "metadata/id3v1.h"
#include "platform/list_view.h"
#include "playlist/fliste.h"
#include "support/bytes.h"

#include <QApplication>
#include <QDialog>
#include <QTimer>
#include <gtest/gtest.h>

#include <functional>
#include <memory>

namespace tulvane::test {

// `taille` bytes ending in a tag with these fields.
inline Bytes avecTag(std::size_t taille, std::string_view titre, std::string_view auteur, std::string_view album,
                     std::string_view annee, std::string_view commentaire, std::uint8_t genre)
{
    Bytes octets(taille - metadata::kTailleTag, 0);
    const auto tag = metadata::composerTag(titre, auteur, album, annee, genre, commentaire);
    octets.insert(octets.end(), tag.begin(), tag.end());
    return octets;
}

// An MPEG-1 Layer III file at 64 kbit/s, 44100 Hz, joint stereo: 208-byte frames, three of
// them at the start, then zeros up to `taille` bytes.
inline Bytes mp3a64(std::size_t taille)
{
    Bytes octets(taille, 0);
    for (std::size_t debut : {0u, 208u, 416u})
        put(octets, debut, bytes({0xFF, 0xFB, 0x50, 0x64}));
    return octets;
}

// The texts of a tag as the reader gives them back.
inline metadata::TagID3 tagDe(const std::filesystem::path& chemin)
{
    metadata::TagID3 tag;
    std::string style;
    std::int32_t numero = -1;
    metadata::fnLireTag(chemin, tag.titre, tag.auteur, tag.album, tag.annee, style, tag.commentaire, numero);
    tag.noStyle = static_cast<std::uint8_t>(numero);
    return tag;
}

// A play list over fakes whose rows are real files of the temporary folder.
class ListeOutilsTest : public testing::Test {
protected:
    ContexteDeTest t;
    playlist::FListe& liste = t.ctx().fListe();
    platform::ListView& vue = *liste.Liste;

    std::filesystem::path chemin(const std::string& nom) const { return t.dossier() / nom; }
    QString qchemin(const std::string& nom) const { return QString::fromStdString(chemin(nom).string()); }

    // Writes the file and adds its row; returns the row.
    int ajouter(const std::string& nom, const Bytes& contenu)
    {
        writeFile(chemin(nom), contenu);
        liste.fnAjouterFichierLite(qchemin(nom));
        return vue.count();
    }
    int ajouter(const std::string& nom, std::size_t taille = 2000) { return ajouter(nom, Bytes(taille, 0)); }

    void selectionner(std::initializer_list<int> lignes)
    {
        for (int i = 1; i <= vue.count(); ++i)
            vue.setSelected(i, false);
        for (int ligne : lignes)
            vue.setSelected(ligne, true);
    }

    const ScriptedDialogs::Question& question(std::size_t i = 0) { return t.dialogues().questions().at(i); }
    std::size_t questions() { return t.dialogues().questions().size(); }
};

// Runs `action` on the modal dialog that the next call opens, once its event loop runs; the
// action closes it. The returned flag says whether a dialog came.
template <class Dialogue>
std::shared_ptr<bool> pendantDialogue(std::function<void(Dialogue&)> action)
{
    auto vu = std::make_shared<bool>(false);
    QTimer::singleShot(0, [action, vu] {
        auto* dialogue = dynamic_cast<Dialogue*>(QApplication::activeModalWidget());
        if (!dialogue)
            return;
        *vu = true;
        action(*dialogue);
    });
    return vu;
}

}  // namespace tulvane::test
