#include "platform/renommage.h"

#include "support/temp_folder.h"

#include <gtest/gtest.h>

#include <fstream>

using tulvane::platform::renommerSansRemplacer;
using tulvane::test::TempFolder;

namespace {

std::string contenu(const std::filesystem::path& chemin)
{
    std::ifstream in(chemin, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), {}};
}

void ecrire(const std::filesystem::path& chemin, const std::string& texte)
{
    std::ofstream(chemin, std::ios::binary) << texte;
}

}  // namespace

TEST(Renommage, MovesTheFileToAFreeName)
{
    TempFolder dossier;
    const auto ancien = dossier.path() / "a.mp3";
    const auto nouveau = dossier.path() / "b.mp3";
    ecrire(ancien, "son");
    EXPECT_FALSE(renommerSansRemplacer(ancien, nouveau));
    EXPECT_FALSE(std::filesystem::exists(ancien));
    EXPECT_EQ(contenu(nouveau), "son");
}

TEST(Renommage, NeverReplacesAFileAtTheNewName)
{
    TempFolder dossier;
    const auto ancien = dossier.path() / "a.mp3";
    const auto nouveau = dossier.path() / "b.mp3";
    ecrire(ancien, "premier");
    ecrire(nouveau, "second");
    EXPECT_EQ(renommerSansRemplacer(ancien, nouveau), std::errc::file_exists);
    EXPECT_EQ(contenu(ancien), "premier");
    EXPECT_EQ(contenu(nouveau), "second");
}

TEST(Renommage, AMissingFileIsAnError)
{
    TempFolder dossier;
    EXPECT_EQ(renommerSansRemplacer(dossier.path() / "absent", dossier.path() / "b"),
              std::errc::no_such_file_or_directory);
}
