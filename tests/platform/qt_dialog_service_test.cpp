#include "platform/qt_dialog_service.h"

#include "fakes/scripted_dialogs.h"
#include "support/case_names.h"
#include "support/temp_folder.h"

#include <QAbstractItemView>
#include <QApplication>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFile>
#include <QFileDialog>
#include <QInputDialog>
#include <QLineEdit>
#include <QMessageBox>
#include <QPushButton>
#include <QTest>
#include <QTimer>

#include <gtest/gtest.h>

#include <algorithm>
#include <functional>

using namespace tulvane::platform;
using tulvane::test::ScriptedDialogs;
using tulvane::test::TempFolder;

namespace {

QString qpath(const std::filesystem::path& p)
{
    return QString::fromStdString(p.string());
}

void touch(const QString& path, const QByteArray& content = "x")
{
    QFile file(path);
    ASSERT_TRUE(file.open(QIODevice::WriteOnly));
    file.write(content);
}

// Runs `act` on the dialog of type T once its modal loop shows it. When none shows, the test
// fails and whatever modal dialog there is gets rejected, so the test cannot hang.
template <typename T>
void whenShown(std::function<void(T*)> act)
{
    QTimer::singleShot(0, [act] {
        for (QWidget* widget : QApplication::topLevelWidgets()) {
            if (auto* dialog = qobject_cast<T*>(widget); dialog && dialog->isVisible()) {
                act(dialog);
                return;
            }
        }
        ADD_FAILURE() << "no " << T::staticMetaObject.className() << " was shown";
        if (auto* modal = qobject_cast<QDialog*>(QApplication::activeModalWidget()))
            modal->reject();
    });
}

QStringList captionsOf(const QMessageBox* box)
{
    QStringList captions;
    for (const QAbstractButton* button : box->buttons())
        captions += button->text();
    captions.sort();
    return captions;
}

QAbstractButton* buttonCaptioned(const QMessageBox* box, const QString& caption)
{
    for (QAbstractButton* button : box->buttons())
        if (button->text() == caption)
            return button;
    return nullptr;
}

}  // namespace

// --- filters -------------------------------------------------------------------------------

struct FilterCase {
    const char* nom;
    const char* filter;
    QStringList expected;
};

void PrintTo(const FilterCase& c, std::ostream* out)
{
    *out << '"' << c.filter << '"';
}

class QtNameFilters : public testing::TestWithParam<FilterCase> {};

TEST_P(QtNameFilters, OneQtFilterPerPair)
{
    EXPECT_EQ(qtNameFilters(QString::fromUtf8(GetParam().filter)), GetParam().expected);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtNameFilters,
    testing::Values(
        FilterCase{"everyFileAndTwoPatterns", "Tous les fichiers|*.*|Listes|*.tvl4;*.m3u",
                   {"Tous les fichiers (*)", "Listes (*.[tT][vV][lL]4 *.[mM]3[uU])"}},
        FilterCase{"patternInTheDescription", "Play-List Tulvane (*.tvl4)|*.tvl4",
                   {"Play-List Tulvane (*.tvl4) (*.[tT][vV][lL]4)"}},
        FilterCase{"blanksAndEmptyPatterns", "Fichiers MP3| *.MP3 ; ;*.Mp2v", {"Fichiers MP3 (*.[mM][pP]3 *.[mM][pP]2[vV])"}},
        FilterCase{"bracket", "Crochets|*[1].txt", {"Crochets (*[[]1].[tT][xX][tT])"}},
        FilterCase{"empty", "", {}},
        FilterCase{"noPattern", "Sans motif|", {}},
        FilterCase{"orphanDescription", "A|*.a|Orphelin", {"A (*.[aA])"}}),
    [](const auto& info) { return std::string(info.param.nom); });

TEST(QtNameFilters, PatternsMatchEitherCaseEvenWhereMatchingIsCaseSensitive)
{
    TempFolder folder;
    const QDir dir(qpath(folder.path()));
    for (const char* name : {"a.mp3", "B.MP3", "c.Mp3", "d.mp4", "LISEZMOI", "chanson[1].txt", "chanson1.txt"})
        touch(dir.filePath(name));

    const auto matching = [&dir](const QString& filter) {
        const QString qt = qtNameFilters(filter).constFirst();
        const qsizetype open = qt.lastIndexOf(u'(');
        const QStringList patterns = qt.mid(open + 1, qt.size() - open - 2).split(u' ');
        QStringList names = dir.entryList(patterns, QDir::Files | QDir::CaseSensitive);
        names.sort();
        return names;
    };
    EXPECT_EQ(matching("MP3|*.mp3"), (QStringList{"B.MP3", "a.mp3", "c.Mp3"}));
    EXPECT_EQ(matching("Tous|*.*").size(), 7);
    EXPECT_EQ(matching("Crochets|*[1].TXT"), QStringList{"chanson[1].txt"});
}

// --- save confirmation ---------------------------------------------------------------------

class ConfirmSavePath : public testing::Test {
protected:
    // Each call of the dialog records the name it was opened on and gives the next choice.
    QString run(QStringList choices)
    {
        return confirmSavePath(request, dialogs, [this, choices](const QString& proposed) mutable {
            proposals += proposed;
            return choices.isEmpty() ? QString() : choices.takeFirst();
        });
    }

    TempFolder folder;
    QString existing = qpath(folder / "liste.csv");
    QString fresh = qpath(folder / "nouvelle.csv");
    SaveRequest request{.title = "Exporter au format CSV", .filter = "Fichier CSV (*.csv)|*.csv",
                        .fileName = "proposé.csv"};
    ScriptedDialogs dialogs;
    QStringList proposals;

    void SetUp() override { touch(existing); }

    QString replaceQuestion() const
    {
        return "Le fichier '" + existing + "' existe déjà.\nVoulez-vous le remplacer ?";
    }
};

TEST_F(ConfirmSavePath, ANewFileIsTakenWithoutAQuestion)
{
    EXPECT_EQ(run({fresh}), fresh);
    EXPECT_EQ(proposals, QStringList{"proposé.csv"});
    EXPECT_TRUE(dialogs.questions().empty());
}

TEST_F(ConfirmSavePath, CancelGivesAnEmptyName)
{
    EXPECT_EQ(run({}), "");
    EXPECT_TRUE(dialogs.questions().empty());
}

TEST_F(ConfirmSavePath, AnExistingFileIsReplacedOnlyAfterYes)
{
    dialogs.answer(MessageAnswer::Yes);
    EXPECT_EQ(run({existing}), existing);
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0],
              (ScriptedDialogs::Question{.text = replaceQuestion(), .title = "Exporter au format CSV",
                                         .icon = MessageIcon::Exclamation,
                                         .buttons = MessageButtons::YesNo}));
}

TEST_F(ConfirmSavePath, NoGoesBackToTheDialogOnTheChosenName)
{
    dialogs.answer(MessageAnswer::No);
    EXPECT_EQ(run({existing, fresh}), fresh);
    EXPECT_EQ(proposals, (QStringList{"proposé.csv", existing}));
}

TEST_F(ConfirmSavePath, AReadOnlyFileIsRefusedAndTheDialogOpensAgain)
{
    QFile::setPermissions(existing, QFile::ReadOwner | QFile::ReadGroup | QFile::ReadOther);
    dialogs.answer(MessageAnswer::Ok);
    EXPECT_EQ(run({existing}), "");
    EXPECT_EQ(proposals, (QStringList{"proposé.csv", existing}));
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_EQ(dialogs.questions()[0].text,
              "Impossible d'enregistrer le fichier '" + existing +
                  "' : il est en lecture seule.\nVeuillez choisir un autre nom.");
    EXPECT_EQ(dialogs.questions()[0].buttons, MessageButtons::Ok);
}

TEST_F(ConfirmSavePath, ANameInAMissingFolderIsRefused)
{
    const QString lost = qpath(folder / "absent" / "liste.csv");
    dialogs.answer(MessageAnswer::Ok);
    EXPECT_EQ(run({lost, fresh}), fresh);
    ASSERT_EQ(dialogs.questions().size(), 1u);
    EXPECT_TRUE(dialogs.questions()[0].text.contains("le dossier n'existe pas"));
}

// --- the Qt dialogs themselves -------------------------------------------------------------

struct BoxCase {
    MessageButtons buttons;
    QStringList captions;  // sorted
    QString press;         // a caption, or "Escape"
    MessageAnswer expected;
};

void PrintTo(const BoxCase& c, std::ostream* out)
{
    *out << c.captions.join(u'/').toStdString() << ", press " << c.press.toStdString();
}

std::string boxCaseName(const testing::TestParamInfo<BoxCase>& info)
{
    const char* buttons[] = {"Ok", "OkCancel", "YesNo", "YesNoCancel"};
    return buttons[static_cast<int>(info.param.buttons)] + ("_" + tulvane::test::caseName(info.param.press.toStdString()));
}

class QtMessageBox : public testing::TestWithParam<BoxCase> {};

TEST_P(QtMessageBox, OffersFrenchButtonsAndReturnsThePressedOne)
{
    const BoxCase c = GetParam();
    QStringList captions;
    whenShown<QMessageBox>([&c, &captions](QMessageBox* box) {
        captions = captionsOf(box);
        if (c.press == "Escape") {
            QTest::keyClick(box, Qt::Key_Escape);
        } else if (QAbstractButton* button = buttonCaptioned(box, c.press)) {
            button->click();
        } else {
            ADD_FAILURE() << "no button " << c.press.toStdString();
            box->reject();
        }
    });
    QtDialogService dialogs;
    EXPECT_EQ(dialogs.messageBox("Texte", "Titre", MessageIcon::Question, c.buttons), c.expected);
    EXPECT_EQ(captions, c.captions);
}

INSTANTIATE_TEST_SUITE_P(
    Cases, QtMessageBox,
    testing::Values(BoxCase{MessageButtons::Ok, {"OK"}, "OK", MessageAnswer::Ok},
                    BoxCase{MessageButtons::Ok, {"OK"}, "Escape", MessageAnswer::Ok},
                    BoxCase{MessageButtons::OkCancel, {"Annuler", "OK"}, "OK", MessageAnswer::Ok},
                    BoxCase{MessageButtons::OkCancel, {"Annuler", "OK"}, "Annuler", MessageAnswer::Cancel},
                    BoxCase{MessageButtons::YesNo, {"&Non", "&Oui"}, "&Oui", MessageAnswer::Yes},
                    BoxCase{MessageButtons::YesNo, {"&Non", "&Oui"}, "&Non", MessageAnswer::No},
                    BoxCase{MessageButtons::YesNo, {"&Non", "&Oui"}, "Escape", MessageAnswer::No},
                    BoxCase{MessageButtons::YesNoCancel, {"&Non", "&Oui", "Annuler"}, "&Oui", MessageAnswer::Yes},
                    BoxCase{MessageButtons::YesNoCancel, {"&Non", "&Oui", "Annuler"}, "&Non", MessageAnswer::No},
                    BoxCase{MessageButtons::YesNoCancel, {"&Non", "&Oui", "Annuler"}, "Annuler", MessageAnswer::Cancel},
                    BoxCase{MessageButtons::YesNoCancel, {"&Non", "&Oui", "Annuler"}, "Escape", MessageAnswer::Cancel}),
    boxCaseName);

TEST(QtMessageBoxLook, ShowsTextTitleAndIconAsGivenAndTextNeverAsMarkup)
{
    const std::pair<MessageIcon, QMessageBox::Icon> icons[] = {
        {MessageIcon::None, QMessageBox::NoIcon},
        {MessageIcon::Information, QMessageBox::Information},
        {MessageIcon::Question, QMessageBox::Question},
        {MessageIcon::Exclamation, QMessageBox::Warning},
        {MessageIcon::Critical, QMessageBox::Critical},
    };
    const QString text = "Le fichier '<b>a.mp3</b>' sera supprimé vers la corbeille.\nSouhaitez-vous ?";
    for (const auto& [icon, qtIcon] : icons) {
        whenShown<QMessageBox>([&, qtIcon = qtIcon](QMessageBox* box) {
            EXPECT_EQ(box->icon(), qtIcon);
            EXPECT_EQ(box->text(), text);
            EXPECT_EQ(box->textFormat(), Qt::PlainText);
            EXPECT_EQ(box->windowTitle(), "Suppression");
            EXPECT_EQ(box->defaultButton()->text(), "&Oui");
            box->defaultButton()->click();
        });
        QtDialogService dialogs;
        EXPECT_EQ(dialogs.messageBox(text, "Suppression", icon, MessageButtons::YesNo),
                  MessageAnswer::Yes);
    }
}

TEST(QtInputBox, ReturnsTheTypedTextOrEmptyOnCancel)
{
    for (const bool accept : {true, false}) {
        whenShown<QInputDialog>([accept](QInputDialog* dialog) {
            EXPECT_EQ(dialog->windowTitle(), "Ajouter une liste");
            EXPECT_EQ(dialog->labelText(), "Veuillez affecter un nom à la Play-List choisie :");
            EXPECT_EQ(dialog->textValue(), "défaut");
            EXPECT_EQ(dialog->okButtonText(), "OK");
            EXPECT_EQ(dialog->cancelButtonText(), "Annuler");
            dialog->setTextValue("Rock français");
            accept ? dialog->accept() : dialog->reject();
        });
        QtDialogService dialogs;
        EXPECT_EQ(dialogs.inputBox("Veuillez affecter un nom à la Play-List choisie :",
                                   "Ajouter une liste", "défaut"),
                  accept ? "Rock français" : "");
    }
}

TEST(QtFileDialogs, OpenShowsTheDescriptionsAndReturnsTheChosenPath)
{
    TempFolder folder;
    const QString list = qpath(folder / "a.tvl4");
    touch(list);
    whenShown<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Ouvrir une Play-List");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFile);
        EXPECT_EQ(dialog->nameFilters(), qtNameFilters("Play-List Tulvane (*.tvl4)|*.tvl4|Tous|*.*"));
        const auto* types = dialog->findChild<QComboBox*>("fileTypeCombo");
        ASSERT_NE(types, nullptr);
        EXPECT_EQ(types->itemText(0), "Play-List Tulvane (*.tvl4)");
        EXPECT_EQ(types->itemText(1), "Tous");
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, which checks the name
    });
    QtDialogService dialogs;
    EXPECT_EQ(dialogs.showOpen({.title = "Ouvrir une Play-List",
                                .filter = "Play-List Tulvane (*.tvl4)|*.tvl4|Tous|*.*",
                                .fileName = list}),
              QStringList{list});
}

TEST(QtFileDialogs, SpeakQtsOwnFrenchAndShowTheNamesAlone)
{
    struct Attendu {
        const char* accept;
        std::function<void(QtDialogService&)> open;
    };
    const Attendu dialogues[] = {
        {"&Ouvrir", [](QtDialogService& d) { d.showOpen({.title = "Importer depuis emplacement...", .multiSelect = true}); }},
        {"&Enregistrer", [](QtDialogService& d) { d.showSave({.title = "Enregistrer sous..."}); }},
    };
    for (const Attendu& attendu : dialogues) {
        whenShown<QFileDialog>([&attendu](QFileDialog* dialog) {
            EXPECT_EQ(dialog->labelText(QFileDialog::LookIn), "Voir dans :");
            EXPECT_EQ(dialog->labelText(QFileDialog::FileName), "&Nom de fichier :");
            EXPECT_EQ(dialog->labelText(QFileDialog::FileType), "Fichiers de type :");
            EXPECT_EQ(dialog->labelText(QFileDialog::Accept), attendu.accept);
            EXPECT_EQ(dialog->labelText(QFileDialog::Reject), "Annuler");
            EXPECT_EQ(dialog->viewMode(), QFileDialog::List);
            dialog->reject();
        });
        QtDialogService dialogs;
        attendu.open(dialogs);
    }
}

TEST(QtFileDialogs, MultipleOpenCancelledGivesNothing)
{
    whenShown<QFileDialog>([](QFileDialog* dialog) {
        EXPECT_EQ(dialog->fileMode(), QFileDialog::ExistingFiles);
        dialog->reject();
    });
    QtDialogService dialogs;
    EXPECT_TRUE(dialogs.showOpen({.title = "Importer depuis emplacement...", .multiSelect = true}).isEmpty());
}

TEST(QtFileDialogs, SaveReturnsANewNameAsTyped)
{
    TempFolder folder;
    const QString target = qpath(folder / "export");
    whenShown<QFileDialog>([&target](QFileDialog* dialog) {
        EXPECT_EQ(dialog->windowTitle(), "Exporter au format *.TXT");
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptSave);
        EXPECT_TRUE(dialog->testOption(QFileDialog::DontConfirmOverwrite));
        dialog->selectFile(target);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, which checks the name
    });
    QtDialogService dialogs;
    EXPECT_EQ(dialogs.showSave({.title = "Exporter au format *.TXT",
                                .filter = "Fichier texte (*.txt)|*.txt"}),
              target);
}

// A folder holding a name with a double quote, which Qt's name field cannot carry.
class QuotedNames : public testing::Test {
protected:
    TempFolder folder;
    QDir dir{qpath(folder.path())};

    void SetUp() override
    {
        for (const char* name : {"a.mp3", "b\"c.mp3", "d.mp3"})
            touch(dir.filePath(name));
    }

    // Opens the dialog on the folder; `act` gets it once the view lists the three files, and
    // whatever message box the dialog shows then is recorded and closed.
    template <typename Act>
    QStringList open(bool multiSelect, Act act)
    {
        whenShown<QFileDialog>([this, act](QFileDialog* dialog) {
            auto* view = dialog->findChild<QAbstractItemView*>("listView");
            ASSERT_NE(view, nullptr);
            const bool listed = QTest::qWaitFor([view] { return view->model()->rowCount(view->rootIndex()) == 3; });
            ASSERT_TRUE(listed);
            QTimer::singleShot(0, [this] {
                if (auto* box = qobject_cast<QMessageBox*>(QApplication::activeModalWidget())) {
                    refused = box->text();
                    box->reject();
                }
            });
            act(dialog, view);
            if (dialog->isVisible())
                dialog->reject();
        });
        QtDialogService dialogs;
        return dialogs.showOpen({.title = "Importer depuis emplacement...", .fileName = dir.path() + "/",
                                 .multiSelect = multiSelect});
    }

    static void press(QFileDialog* dialog, QDialogButtonBox::StandardButton button)
    {
        dialog->findChild<QDialogButtonBox*>("buttonBox")->button(button)->click();
    }

    static QLineEdit* nameField(QFileDialog* dialog) { return dialog->findChild<QLineEdit*>("fileNameEdit"); }

    QString refused;
};

TEST_F(QuotedNames, EveryFileSelectedInTheViewIsChosen)
{
    const QStringList chosen = open(true, [](QFileDialog* dialog, QAbstractItemView* view) {
        // Ctrl+A in the view: the dialog writes each name between quotes in its field.
        QApplication::setActiveWindow(dialog);
        view->setFocus();
        QTest::keyClick(view, Qt::Key_A, Qt::ControlModifier);
        ASSERT_TRUE(nameField(dialog)->text().contains("\"b\"c.mp3\""));
        press(dialog, QDialogButtonBox::Open);
    });
    QStringList sorted = chosen;
    sorted.sort();  // the view's order, which the model sorts when it likes
    EXPECT_EQ(sorted, (QStringList{dir.filePath("a.mp3"), dir.filePath("b\"c.mp3"), dir.filePath("d.mp3")}));
    EXPECT_EQ(refused, "");
}

TEST_F(QuotedNames, ANameTypedAloneIsChosenWhole)
{
    for (const bool multiSelect : {true, false}) {
        refused.clear();
        const QStringList chosen = open(multiSelect, [](QFileDialog* dialog, QAbstractItemView*) {
            nameField(dialog)->setText("b\"c.mp3");
            press(dialog, QDialogButtonBox::Open);  // enabled, though Qt's reading would cut it
        });
        EXPECT_EQ(chosen, QStringList{dir.filePath("b\"c.mp3")}) << multiSelect;
        EXPECT_EQ(refused, "") << multiSelect;
    }
}

TEST_F(QuotedNames, AMissingNameIsRefusedInFrench)
{
    const QStringList chosen = open(true, [](QFileDialog* dialog, QAbstractItemView*) {
        nameField(dialog)->setText("absent.mp3");
        QTest::keyClick(nameField(dialog), Qt::Key_Return);
    });
    EXPECT_TRUE(chosen.isEmpty());
    EXPECT_EQ(refused, "absent.mp3\nFichier introuvable.\nVeuillez vérifier que le nom du fichier est correct.");
}

TEST_F(QuotedNames, ASaveKeepsTheNameAsTyped)
{
    whenShown<QFileDialog>([this](QFileDialog* dialog) {
        dialog->setDirectory(dir);
        nameField(dialog)->setText("liste \"rock\".tvl4");
        press(dialog, QDialogButtonBox::Save);
    });
    QtDialogService dialogs;
    EXPECT_EQ(dialogs.showSave({.title = "Enregistrer sous...", .filter = "Play-List Tulvane (*.tvl4)|*.tvl4"}),
              dir.filePath("liste \"rock\".tvl4"));
}

TEST(QtFileDialogs, OpenCanTakeANameForAFileNotYetThere)
{
    TempFolder folder;
    const QString future = qpath(folder / "prochaine.tvl4");
    whenShown<QFileDialog>([&future](QFileDialog* dialog) {
        EXPECT_EQ(dialog->acceptMode(), QFileDialog::AcceptOpen);
        EXPECT_EQ(dialog->fileMode(), QFileDialog::AnyFile);
        dialog->selectFile(future);
        static_cast<QDialog*>(dialog)->accept();  // QFileDialog::accept, which checks the name
    });
    QtDialogService dialogs;
    EXPECT_EQ(dialogs.showOpen({.title = "Ajouter une Play-List",
                                .filter = "Play-List Tulvane (*.tvl4)|*.tvl4",
                                .mustExist = false}),
              QStringList{future});
}
