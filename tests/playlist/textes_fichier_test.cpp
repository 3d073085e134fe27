// What a row shows of its file, and what the reader makes of paths that are no readable file.
#include "fakes/contexte_test.h"
#include "metadata/id3v1.h"
#include "metadata/mpeg.h"
#include "playlist/textes_fichier.h"
#include "support/media.h"

#include <gtest/gtest.h>

#include <sys/stat.h>

using namespace tulvane;
using Lecture = playlist::TextesFichier::Lecture;

namespace {

// One opening for the tag and the frame reads what the tag reader and the frame analysis read
// each on its own, on both sides of the sizes where the tail is inside the first bytes read.
TEST(LireTextesFichier, ReadsWhatTheTagReaderAndTheFrameAnalysisRead)
{
    test::TempFolder dossier;
    for (const std::size_t taille : {std::size_t(600), std::size_t(1024), std::size_t(1025), std::size_t(4000),
                                     metadata::kOctetsALire - 1, metadata::kOctetsALire, metadata::kOctetsALire + 1,
                                     metadata::kOctetsALire + 127, std::size_t(60000)}) {
        const auto chemin = dossier / ("f" + std::to_string(taille) + ".mp3");
        test::writeFile(chemin, test::mp3Tague(std::max<std::size_t>(taille, 600), "Auteur", "Titre"));
        std::filesystem::resize_file(chemin, taille);
        std::string titre, auteur, album, annee, style, commentaire, duree, secondes, kbps, canaux;
        int noStyle = 0;
        ASSERT_TRUE(metadata::fnLireTag(chemin, titre, auteur, album, annee, style, commentaire, noStyle));
        metadata::fnAnalyserMP3(chemin, duree, secondes, kbps, canaux);
        const auto t = playlist::lireTextesFichier(QString::fromStdString(chemin.string()));
        EXPECT_EQ(t.lecture, Lecture::Lue);
        EXPECT_EQ(QStringList({t.auteur, t.titre, t.album, t.style, t.duree, t.commentaire, t.kbps}),
                  QStringList({QString::fromStdString(auteur), QString::fromStdString(titre),
                               QString::fromStdString(album), QString::fromStdString(style),
                               QString::fromStdString(duree), QString::fromStdString(commentaire),
                               QString::fromStdString(kbps.empty() ? "128" : kbps) + " kbps"}))
            << taille;
    }
}

// Nothing here may wait: a FIFO without a writer would block an ordinary opening for ever.
TEST(LireTextesFichier, WhatIsNoRegularFileIsAbsentAndAnUnreadableFileIsSaid)
{
    test::TempFolder dossier;
    const auto chemin = [&dossier](const char* nom) { return QString::fromStdString((dossier / nom).string()); };
    std::filesystem::create_directory(dossier / "dossier.mp3");
    ASSERT_EQ(::mkfifo((dossier / "tube.mp3").c_str(), 0600), 0);
    std::filesystem::create_symlink(dossier / "nulle-part", dossier / "lien.mp3");
    const std::vector<std::pair<QString, Lecture>> cas = {
        {chemin("absent.mp3"), Lecture::Absent},   {chemin("dossier.mp3"), Lecture::Absent},
        {chemin("tube.mp3"), Lecture::Absent},     {chemin("lien.mp3"), Lecture::Absent},
        {"", Lecture::Absent},                     {"/proc/self/mem", Lecture::Illisible},
    };
    for (const auto& [c, attendu] : cas) {
        const auto textes = playlist::lireTextesFichier(c);
        EXPECT_EQ(textes.lecture, attendu) << c.toStdString();
        EXPECT_EQ(textes.kbps, "128 kbps");
        EXPECT_EQ(textes.auteur, "");
    }
}

}  // namespace
