#include "platform/noms_non_utf8.h"

#include "fakes/scripted_dialogs.h"
#include "support/bytes.h"
#include "support/temp_folder.h"

#include <QFile>
#include <gtest/gtest.h>

using namespace tulvane;
using platform::MessageAnswer;
using test::ScriptedDialogs;

namespace {

class NomsNonUtf8 : public testing::Test {
protected:
    test::TempFolder dossier;
    ScriptedDialogs dialogues;

    // The file's path as Qt gives it.
    QString creer(const std::string& nom)
    {
        test::writeFile(dossier / nom, test::bytes({1}));
        return QFile::decodeName(QByteArray::fromStdString((dossier / nom).string()));
    }
};

TEST_F(NomsNonUtf8, LeavesOutOnlyTheNamesThatLostTheirBytesAndSaysHowMany)
{
    const QString latin1 = creer("caf\xE9.mp3");
    const QString autre = creer("na\xEFve.mp3");
    const QString accents = creer("été.mp3");
    // U+FFFD written in UTF-8 is a name like any other.
    const QString remplacement = creer("\xEF\xBF\xBD.mp3");
    const QString absent = QString::fromStdString((dossier / "absent.mp3").string());

    dialogues.answer(MessageAnswer::Ok);
    EXPECT_EQ(platform::sansNomsNonUtf8({latin1, accents, autre, remplacement, absent}, dialogues),
              (QStringList{accents, remplacement, absent}));
    ASSERT_EQ(dialogues.questions().size(), 1u);
    const ScriptedDialogs::Question& q = dialogues.questions()[0];
    EXPECT_EQ(q.text, "2 fichiers ont été laissés de côté : leur nom n'est pas écrit en UTF-8, le lecteur ne "
                      "pourrait pas les ouvrir.\nRenommez-les pour les utiliser.");
    EXPECT_EQ(q.title, "Annulation de procédure");
    EXPECT_EQ(q.icon, platform::MessageIcon::Exclamation);
    EXPECT_EQ(q.buttons, platform::MessageButtons::Ok);

    dialogues.answer(MessageAnswer::Ok);
    EXPECT_TRUE(platform::sansNomsNonUtf8({latin1}, dialogues).isEmpty());
    ASSERT_EQ(dialogues.questions().size(), 2u);
    EXPECT_EQ(dialogues.questions()[1].text, "Un fichier a été laissé de côté : son nom n'est pas écrit en UTF-8, le "
                                             "lecteur ne pourrait pas l'ouvrir.\nRenommez-le pour l'utiliser.");

    // Nothing left out, nothing said.
    EXPECT_EQ(platform::sansNomsNonUtf8({accents}, dialogues), QStringList{accents});
    EXPECT_TRUE(platform::sansNomsNonUtf8({}, dialogues).isEmpty());
    EXPECT_EQ(dialogues.questions().size(), 2u);
}

}  // namespace
