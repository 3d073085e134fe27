#include "fakes/contexte_test.h"
#include "platform/qt_dialog_service.h"
#include "playlist/extensions.h"

#include <QRegularExpression>
#include <gtest/gtest.h>

using namespace tulvane;

namespace {

class Extensions : public testing::Test {
protected:
    Extensions() { playlist::fnInitExtensions(t.ctx()); }

    test::ContexteDeTest t;
};

TEST_F(Extensions, TheTableHoldsTheTypesInOrderAndRoomForMore)
{
    const QStringList& table = t.ctx().vExtensions;
    ASSERT_EQ(table.size(), 51);
    EXPECT_EQ(table[0], "AIF");
    EXPECT_EQ(table[11], "MP3");
    EXPECT_EQ(table[18], "WM");
    EXPECT_EQ(table[26], "WVX");
    for (int i = 27; i < 51; ++i)
        EXPECT_TRUE(table[i].isEmpty()) << i;
    QStringList triee = table.mid(0, 27);
    triee.sort();
    EXPECT_EQ(triee, table.mid(0, 27));
}

TEST_F(Extensions, TheFilterHasItsTwentyEightEntriesInTableOrder)
{
    const QString filtre = playlist::filtreMedias(t.ctx().vExtensions);
    const QStringList parties = filtre.split('|');
    ASSERT_EQ(parties.size(), 56);
    EXPECT_EQ(parties[0], "Tous les types");
    EXPECT_EQ(parties[1], "*.AIF;*.AIFC;*.AIFF;*.ASF;*.ASX;*.AU;*.AVI;*.IVF;*.M1V;*.MIDI;*.MP2V;*.MP3;*.MPE;*.MPEG;"
                          "*.MPG;*.SND;*.WAV;*.WAX;*.WM;*.WMA;*.WMD;*.WMP;*.WMS;*.WMV;*.WMX;*.WMZ;*.WVX");
    for (int i = 0; i < 27; ++i) {
        const QString& extension = t.ctx().vExtensions[i];
        EXPECT_EQ(parties[2 + 2 * i], "Fichiers " + extension);
        EXPECT_EQ(parties[3 + 2 * i], "*." + extension);
    }
}

// What the open dialog shows: each pattern matches its type in any letter case, and no
// other type.
TEST_F(Extensions, TheDialogMatchesThePatternsWithoutRegardToCase)
{
    const QStringList filtres = platform::qtNameFilters(playlist::filtreMedias(t.ctx().vExtensions));
    ASSERT_EQ(filtres.size(), 28);
    const auto trouve = [](const QString& filtre, const QString& fichier) {
        const QString motifs = filtre.section('(', 1).chopped(1);
        for (const QString& motif : motifs.split(' ')) {
            const auto expression = QRegularExpression::fromWildcard(motif, Qt::CaseSensitive);
            if (expression.match(fichier).hasMatch())
                return true;
        }
        return false;
    };
    const QString& mp3 = filtres[1 + 11];
    EXPECT_TRUE(mp3.startsWith("Fichiers MP3 ("));
    for (const char* fichier : {"chanson.mp3", "CHANSON.MP3", "chanson.Mp3"})
        EXPECT_TRUE(trouve(mp3, fichier)) << fichier;
    EXPECT_FALSE(trouve(mp3, "chanson.mp4"));
    EXPECT_FALSE(trouve(mp3, "chanson.mp3.txt"));
    EXPECT_TRUE(trouve(filtres[0], "clip.wmv"));
    EXPECT_TRUE(trouve(filtres[0], "son.aiff"));
    EXPECT_FALSE(trouve(filtres[0], "notes.txt"));
}

}  // namespace
