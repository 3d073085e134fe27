#include "fakes/scripted_dialogs.h"

#include <gtest/gtest-spi.h>
#include <gtest/gtest.h>

using tulvane::platform::MessageAnswer;
using tulvane::platform::MessageButtons;
using tulvane::platform::MessageIcon;
using tulvane::test::ScriptedDialogs;
using Kind = ScriptedDialogs::Kind;
using Question = ScriptedDialogs::Question;

TEST(ScriptedDialogs, AnswersInOrderAndRecordsEveryQuestion)
{
    ScriptedDialogs dialogs;
    dialogs.answerOpen({"/musique/a.tvl4"});
    dialogs.answerText("Rock");
    dialogs.answer(MessageAnswer::No);
    dialogs.answerSave("/musique/export.csv");

    EXPECT_EQ(dialogs.showOpen({.title = "Ajouter une Play-List",
                                .filter = "Play-List Tulvane (*.tvl4)|*.tvl4"}),
              QStringList{"/musique/a.tvl4"});
    EXPECT_EQ(dialogs.inputBox("Veuillez affecter un nom à la Play-List choisie :",
                               "Ajouter une liste", ""),
              "Rock");
    EXPECT_EQ(dialogs.messageBox("Quitter Tulvane Advance ?", "Quitter le programme",
                                 MessageIcon::Question, MessageButtons::YesNo),
              MessageAnswer::No);
    EXPECT_EQ(dialogs.showSave({.title = "Exporter au format CSV",
                                .filter = "Fichier CSV (*.csv)|*.csv", .fileName = "liste.csv"}),
              "/musique/export.csv");

    const std::vector<Question> expected = {
        {.kind = Kind::Open, .title = "Ajouter une Play-List",
         .filter = "Play-List Tulvane (*.tvl4)|*.tvl4"},
        {.kind = Kind::InputBox, .text = "Veuillez affecter un nom à la Play-List choisie :",
         .title = "Ajouter une liste"},
        {.kind = Kind::MessageBox, .text = "Quitter Tulvane Advance ?",
         .title = "Quitter le programme", .icon = MessageIcon::Question,
         .buttons = MessageButtons::YesNo},
        {.kind = Kind::Save, .title = "Exporter au format CSV", .defaultText = "liste.csv",
         .filter = "Fichier CSV (*.csv)|*.csv"},
    };
    EXPECT_EQ(dialogs.questions(), expected);
    EXPECT_EQ(dialogs.pendingAnswers(), 0u);
}

TEST(ScriptedDialogs, AnUnscriptedQuestionFailsWithItsTextAndIsCancelled)
{
    ScriptedDialogs dialogs;
    MessageAnswer button = MessageAnswer::Yes;
    EXPECT_NONFATAL_FAILURE(button = dialogs.messageBox("Quitter Tulvane Advance ?",
                                                        "Quitter le programme",
                                                        MessageIcon::Question,
                                                        MessageButtons::YesNo),
                            "Quitter Tulvane Advance ?");
    EXPECT_EQ(button, MessageAnswer::No);

    QString text = "x";
    EXPECT_NONFATAL_FAILURE(text = dialogs.inputBox("Nom :", "Ajouter une liste", "défaut"),
                            "Nom :");
    EXPECT_EQ(text, "");

    QStringList paths{"x"};
    EXPECT_NONFATAL_FAILURE(paths = dialogs.showOpen({.title = "Ouvrir une Play-List"}),
                            "Ouvrir une Play-List");
    EXPECT_TRUE(paths.isEmpty());

    QString path = "x";
    EXPECT_NONFATAL_FAILURE(path = dialogs.showSave({.title = "Enregistrer sous..."}),
                            "Enregistrer sous...");
    EXPECT_EQ(path, "");
    EXPECT_EQ(dialogs.questions().size(), 4u);
}

TEST(ScriptedDialogs, TheCancelledAnswerOfABoxIsItsEscapeButton)
{
    const std::pair<MessageButtons, MessageAnswer> cases[] = {
        {MessageButtons::Ok, MessageAnswer::Ok},
        {MessageButtons::OkCancel, MessageAnswer::Cancel},
        {MessageButtons::YesNo, MessageAnswer::No},
        {MessageButtons::YesNoCancel, MessageAnswer::Cancel},
    };
    for (const auto& [buttons, expected] : cases) {
        ScriptedDialogs dialogs;
        MessageAnswer button{};
        EXPECT_NONFATAL_FAILURE(button = dialogs.messageBox("?", "t", MessageIcon::None, buttons),
                                "unscripted");
        EXPECT_EQ(button, expected);
    }
}

TEST(ScriptedDialogs, AnAnswerOfTheWrongKindFailsAndWaitsForItsQuestion)
{
    ScriptedDialogs dialogs;
    dialogs.answerText("Rock");
    EXPECT_NONFATAL_FAILURE(dialogs.messageBox("Suppression ?", "Suppression",
                                               MessageIcon::Exclamation, MessageButtons::YesNo),
                            "is for the input box, but the question is: message box");
    EXPECT_EQ(dialogs.inputBox("Nom :", "Ajouter une liste", ""), "Rock");
}

TEST(ScriptedDialogs, AButtonTheBoxDoesNotOfferFails)
{
    ScriptedDialogs dialogs;
    dialogs.answer(MessageAnswer::Yes);
    MessageAnswer button{};
    EXPECT_NONFATAL_FAILURE(button = dialogs.messageBox("Opération effectuée", "t",
                                                        MessageIcon::Information,
                                                        MessageButtons::Ok),
                            "scripted button Yes is not offered");
    EXPECT_EQ(button, MessageAnswer::Ok);
}

TEST(ScriptedDialogs, SeveralPathsForASingleSelectionFail)
{
    ScriptedDialogs dialogs;
    dialogs.answerOpen({"/a.mp3", "/b.mp3"});
    QStringList paths;
    EXPECT_NONFATAL_FAILURE(paths = dialogs.showOpen({.title = "Modifier la source du fichier"}),
                            "single-selection");
    EXPECT_TRUE(paths.isEmpty());

    dialogs.answerOpen({"/a.mp3", "/b.mp3"});
    EXPECT_EQ(dialogs.showOpen({.title = "Importer", .multiSelect = true}).size(), 2);
}

TEST(ScriptedDialogs, AnswersNeverAskedForFailTheTest)
{
    EXPECT_NONFATAL_FAILURE(
        {
            ScriptedDialogs dialogs;
            dialogs.answer(MessageAnswer::Yes);
        },
        "1 scripted answer(s) never asked for; the first is for the message box");
}
