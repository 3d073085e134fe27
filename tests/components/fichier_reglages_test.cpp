#include "components/fichier_reglages.h"

#include "support/bytes.h"
#include "support/temp_folder.h"

#include <QSettings>
#include <QString>

#include <gtest/gtest.h>

#include <string>

using namespace tulvane::components;
using tulvane::test::readFile;
using tulvane::test::TempFolder;
using tulvane::test::writeFile;

namespace {

// Values QSettings escapes in every way it has: quotes, C escapes, "\x" followed by a hex
// digit, a NUL, a leading "@", blanks at the ends, characters beyond the first 256.
const ValeursReglages kValeursDifficiles = {
    {"k00", "plain"},
    {"k01", ""},
    {"k02", " lead"},
    {"k03", "trail "},
    {"k04", "a,b"},
    {"k05", "a;b"},
    {"k06", "a=b"},
    {"k07", "q\"x"},
    {"k08", "back\\slash"},
    {"k09", "@Variant(1)"},
    {"k10", "@@x"},
    {"k11", "été € \xF0\x9F\x8E\xB5"},
    {"k12", "tab\tnl\ncr\r\a\b\f\v"},
    {"k13", std::string("nul\0" "7 \x01" "a\x1F" "F", 10)},
    {"k14", "#hash [br] 'x' %41 a  b \x7F"},
    {"k15", "C:\\Musique\\liste.tvl4"},
    {"ListeAdresse", "/home/ana/Mes listes/été, hiver; 1=2 \\ \"x\".tvl4"},
};

// Keys as QSettings escapes them, groups included.
const ValeursReglages kClesDifficiles = {
    {"with space", "1"},  {"é", "2"},      {"ŝ", "3"},         {"a%b", "4"},   {"semi;colon=eq", "5"},
    {"br[ack]", "6"},     {"\xF0\x9F\x8E\xB5", "7"},          {"General", "8"}, {"General/x", "9"},
    {"Gr/sub", "10"},     {"Gr/sub/deep", "11"}, {"%General/y", "12"},
};

std::string texteDe(const std::filesystem::path& chemin)
{
    const auto octets = readFile(chemin);
    return {octets.begin(), octets.end()};
}

// What QSettings writes for these values, in a file of its own (QSettings keeps what it
// read of a path for the life of the process).
std::string ecritParQSettings(const ValeursReglages& valeurs)
{
    TempFolder dossier;
    const QString fichier = QString::fromStdString((dossier / "r.conf").string());
    {
        QSettings reglages(fichier, QSettings::IniFormat);
        for (const auto& [cle, valeur] : valeurs)
            reglages.setValue(QString::fromStdString(cle), QString::fromStdString(valeur));
    }
    return texteDe(dossier / "r.conf");
}

ValeursReglages luParQSettings(const std::string& texte)
{
    TempFolder dossier;
    writeFile(dossier / "r.conf", tulvane::test::bytesOf(texte));
    QSettings reglages(QString::fromStdString((dossier / "r.conf").string()), QSettings::IniFormat);
    ValeursReglages valeurs;
    for (const QString& cle : reglages.allKeys())
        valeurs[cle.toStdString()] = reglages.value(cle).toString().toStdString();
    return valeurs;
}

}  // namespace

TEST(FichierReglages, ReadsWhatQSettingsWrites)
{
    EXPECT_EQ(lireReglages(ecritParQSettings(kValeursDifficiles)), kValeursDifficiles);
    EXPECT_EQ(lireReglages(ecritParQSettings(kClesDifficiles)), kClesDifficiles);
}

TEST(FichierReglages, WritesWhatQSettingsReads)
{
    EXPECT_EQ(luParQSettings(ecrireReglages(kValeursDifficiles)), kValeursDifficiles);
    EXPECT_EQ(luParQSettings(ecrireReglages(kClesDifficiles)), kClesDifficiles);
}

// Keys outside groups come out byte for byte as QSettings writes them.
TEST(FichierReglages, WritesTheSameBytesAsQSettings)
{
    EXPECT_EQ(ecrireReglages(kValeursDifficiles), ecritParQSettings(kValeursDifficiles));
    const ValeursReglages sept = {{"Affichage1", "Vrai"}, {"Affichage2", "Vrai"}, {"Affichage3", "Faux"},
                                  {"ListeAdresse", ""},   {"ListePose", "0"},      {"PremierPlan", "Faux"},
                                  {"Radio", "-1"}};
    EXPECT_EQ(ecrireReglages(sept), "[General]\nAffichage1=Vrai\nAffichage2=Vrai\nAffichage3=Faux\nListeAdresse=\n"
                                    "ListePose=0\nPremierPlan=Faux\nRadio=-1\n");
}

// A file edited by hand: comments, blanks, CR LF, a value cut over two lines, a key given
// twice, lines that are nothing, Windows-1252 as the text layer decodes it.
TEST(FichierReglages, ReadsAHandEditedFile)
{
    const std::string texte = "; réglages\r\n"
                              "  [ General ]  \r\n"
                              "Radio = 2   ; la deuxième\r\n"
                              "Radio=3\r\n"
                              "ListeAdresse=/home/ana/deux \\\r\n"
                              "  lignes.tvl4\r\n"
                              "rien ici\r\n"
                              "=sans nom\r\n"
                              "PremierPlan=  \"  Vrai  \"  \r\n"
                              "[Autre]\r\n"
                              "Cle=\\x41\\102\\q\r\n";
    EXPECT_EQ(lireReglages(texte), (ValeursReglages{{"Radio", "3"},
                                                    {"ListeAdresse", "/home/ana/deux   lignes.tvl4"},
                                                    {"PremierPlan", "  Vrai  "},
                                                    {"Autre/Cle", "AB"}}));
    EXPECT_EQ(lireReglages(""), ValeursReglages{});
}
