#include "platform/list_view.h"

#include <QAbstractItemModelTester>
#include <functional>
#include <QApplication>
#include <QBrush>
#include <QFont>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QLineEdit>
#include <QMimeData>
#include <QMouseEvent>
#include <QSignalSpy>
#include <QStyle>
#include <QStyleOptionViewItem>
#include <QTest>
#include <QTreeView>
#include <QUrl>

#include <gtest/gtest.h>

#include <memory>
#include <vector>

using tulvane::platform::ListView;

namespace {

QtMessageHandler previousHandler = nullptr;

// The model tester reports through this category; any report is a fault of the model.
void failOnModelTesterReport(QtMsgType type, const QMessageLogContext& context, const QString& text)
{
    if (context.category != nullptr && QByteArray(context.category) == "qt.modeltest"
        && type != QtDebugMsg && type != QtInfoMsg)
        ADD_FAILURE() << "QAbstractItemModelTester: " << text.toStdString();
    else if (previousHandler != nullptr)
        previousHandler(type, context, text);
}

const QStringList kPlayListCaptions = {"Nom du fichier", "Auteur", "Titre", "Album", "Style",
                                       "Kbps", "Emplacement", "Durée", "Commentaires"};

class ListViewTest : public ::testing::Test {
protected:
    void SetUp() override
    {
        previousHandler = qInstallMessageHandler(failOnModelTesterReport);
        for (const QString& caption : kPlayListCaptions)
            list.addColumn(caption, 60);
        list.resize(700, 400);
        tester = std::make_unique<QAbstractItemModelTester>(
            tree()->model(), QAbstractItemModelTester::FailureReportingMode::Warning);
    }

    void TearDown() override
    {
        tester.reset();
        qInstallMessageHandler(previousHandler);
    }

    QTreeView* tree() const { return list.findChild<QTreeView*>(); }
    QModelIndex cell(int item, int column = 1) const
    {
        return tree()->model()->index(item - 1, column - 1);
    }

    void addRows(const QStringList& texts)
    {
        for (const QString& t : texts)
            list.add(t);
    }

    void showList()
    {
        list.show();
        tree()->doItemsLayout();
    }

    QPoint centreOf(int item) const { return tree()->visualRect(cell(item)).center(); }

    void click(int item, Qt::KeyboardModifiers modifiers = {})
    {
        QTest::mouseClick(tree()->viewport(), Qt::LeftButton, modifiers, centreOf(item));
    }

    // The rows the view paints as selected, to compare with the rows' own flags.
    std::vector<int> viewSelection() const
    {
        std::vector<int> items;
        for (int r = 0; r < list.count(); ++r) {
            if (tree()->selectionModel()->isRowSelected(r, {}))
                items.push_back(r + 1);
        }
        return items;
    }

    std::vector<int> selectedItems() const
    {
        std::vector<int> items;
        for (int i = 1; i <= list.count(); ++i) {
            if (list.isSelected(i))
                items.push_back(i);
        }
        return items;
    }

    std::vector<QString> texts() const
    {
        std::vector<QString> all;
        for (int i = 1; i <= list.count(); ++i)
            all.push_back(list.text(i));
        return all;
    }

    std::vector<int> positions() const
    {
        std::vector<int> all;
        for (int c = 1; c <= list.columnCount(); ++c)
            all.push_back(list.columnPosition(c));
        return all;
    }

    ListView list;
    std::unique_ptr<QAbstractItemModelTester> tester;
};

TEST_F(ListViewTest, ItemsAreNumberedFromOneAndInsertedWhereAsked)
{
    EXPECT_EQ(list.add("b"), 1);
    EXPECT_EQ(list.add("d"), 2);
    EXPECT_EQ(list.add(1, "a"), 1);
    EXPECT_EQ(list.add(3, "c"), 3);
    EXPECT_EQ(list.add(5, "e"), 5);  // count + 1 appends
    EXPECT_EQ(list.add(0, "f"), 6);  // an index outside the list appends too
    EXPECT_EQ(list.add(99, "g"), 7);
    EXPECT_EQ(texts(), (std::vector<QString>{"a", "b", "c", "d", "e", "f", "g"}));
    EXPECT_EQ(list.count(), 7);
    EXPECT_EQ(tree()->model()->data(cell(1)).toString(), "a");

    list.remove(1);
    list.remove(list.count());
    EXPECT_EQ(texts(), (std::vector<QString>{"b", "c", "d", "e", "f"}));
}

TEST_F(ListViewTest, ItemsOutsideTheListReadEmptyAndIgnoreWrites)
{
    addRows({"a"});
    for (int item : {0, -1, 2}) {
        SCOPED_TRACE(item);
        list.setText(item, "x");
        list.setSubItem(item, 1, "x");
        list.setChecked(item, true);
        list.setSelected(item, true);
        list.setBold(item, true);
        list.setTag(item, "x");
        list.remove(item);
        list.ensureVisible(item);
        EXPECT_EQ(list.text(item), "");
        EXPECT_EQ(list.subItem(item, 1), "");
        EXPECT_FALSE(list.isChecked(item));
        EXPECT_FALSE(list.isSelected(item));
        EXPECT_FALSE(list.isBold(item));
        EXPECT_EQ(list.tag(item), "");
        EXPECT_EQ(list.foreColor(item), ListView::kDefaultForeColor);
    }
    EXPECT_EQ(list.count(), 1);
    EXPECT_EQ(list.text(1), "a");
    EXPECT_EQ(list.selectedItem(), 0);
    EXPECT_EQ(list.columnPosition(0), 0);
    EXPECT_EQ(list.columnPosition(10), 0);
    EXPECT_EQ(list.columnCaption(10), "");
}

TEST_F(ListViewTest, SubItemsFillTheColumnsAfterTheText)
{
    list.add("x.mp3");
    for (int k = 1; k <= 8; ++k)
        list.setSubItem(1, k, QString("s%1").arg(k));
    for (int k = 1; k <= 8; ++k) {
        EXPECT_EQ(list.subItem(1, k), QString("s%1").arg(k));
        EXPECT_EQ(tree()->model()->data(cell(1, k + 1)).toString(), QString("s%1").arg(k));
    }
    EXPECT_EQ(list.subItem(1, 0), "x.mp3");
    // A sub-item past the last column is kept, though nothing shows it.
    list.setSubItem(1, 12, "hidden");
    EXPECT_EQ(list.subItem(1, 12), "hidden");
    EXPECT_EQ(list.subItem(1, 11), "");
    list.setTag(1, "/music/");
    EXPECT_EQ(list.tag(1), "/music/");
}

TEST_F(ListViewTest, ItemsAddedWholeAreFoundByAnyColumn)
{
    list.add("premier.mp3");
    list.addItems({{"a.mp3", "Artiste", "", "", "", "", "/m/a.mp3"}, {"b.mp3", "", "", "", "", "", "/m/b.mp3"},
                   {"a.mp3", "", "", "", "", "", "/m/a.mp3"}});
    ASSERT_EQ(list.count(), 4);
    EXPECT_EQ(list.subItem(2, 1), "Artiste");
    EXPECT_EQ(list.foreColor(3), ListView::kDefaultForeColor);
    EXPECT_EQ(list.find(6, "/m/a.mp3"), 2);
    EXPECT_EQ(list.find(6, "/m/a.mp3", 3), 4);
    EXPECT_EQ(list.find(6, "/M/A.MP3"), 0);  // case counts
    EXPECT_EQ(list.find(0, "b.mp3"), 3);
    EXPECT_EQ(list.find(6, ""), 1);  // the first item has no sub-items at all
}

TEST_F(ListViewTest, RevisionMovesWithTextsAndOrderOnly)
{
    addRows({"b", "a"});
    auto revision = list.revision();
    list.setBold(1, true);
    list.setForeColor(1, 0xFF0000);
    list.setChecked(2, true);
    list.setSelected(2, true);
    EXPECT_EQ(list.revision(), revision);
    for (const std::function<void()>& change : std::vector<std::function<void()>>{
             [&] { list.setSubItem(1, 6, "/x"); }, [&] { list.setText(2, "c"); }, [&] { list.add("d"); },
             [&] { list.setSorted(true); }, [&] { list.remove(1); }, [&] { list.clear(); }}) {
        change();
        EXPECT_NE(list.revision(), revision);
        revision = list.revision();
    }
}

TEST_F(ListViewTest, FlagsSetByCodeBelongToTheirItem)
{
    list.setMultiSelect(true);
    addRows({"a", "b", "c", "d"});
    list.setChecked(1, true);
    list.setSelected(2, true);
    list.setBold(3, true);
    list.setForeColor(4, 0xFF0000);
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_FALSE(list.isSelected(1));
    EXPECT_TRUE(list.isSelected(2));
    EXPECT_FALSE(list.isChecked(2));
    EXPECT_TRUE(list.isBold(3));
    EXPECT_FALSE(list.isBold(4));
    EXPECT_EQ(list.foreColor(4), 0xFF0000u);
    EXPECT_EQ(list.foreColor(3), ListView::kDefaultForeColor);

    // The check flag is kept while the check boxes are hidden.
    list.setCheckboxes(true);
    EXPECT_TRUE(list.hasCheckboxes());
    list.setCheckboxes(false);
    EXPECT_TRUE(list.isChecked(1));
}

TEST_F(ListViewTest, SelectedItemIsTheCurrentSelectedItemOrTheFirstSelected)
{
    list.setMultiSelect(true);
    addRows({"a", "b", "c", "d", "e"});
    EXPECT_EQ(list.selectedItem(), 0);

    list.setSelected(2, true);
    list.setSelected(5, true);
    EXPECT_EQ(list.selectedItem(), 5);  // selecting makes an item current
    list.setSelected(5, false);
    EXPECT_EQ(list.selectedItem(), 2);  // the current item is no longer selected
    list.setSelected(2, false);
    EXPECT_EQ(list.selectedItem(), 0);
}

TEST_F(ListViewTest, SingleSelectionKeepsOneSelectedItem)
{
    addRows({"a", "b", "c"});
    list.setSelected(1, true);
    list.setSelected(3, true);
    EXPECT_EQ(selectedItems(), (std::vector<int>{3}));
    EXPECT_EQ(list.selectedItem(), 3);
}

TEST_F(ListViewTest, SelectionFromCodeReachesTheView)
{
    list.setMultiSelect(true);
    for (int i = 1; i <= 50; ++i)
        list.add(QString::number(i));
    showList();
    for (int i = 1; i <= 50; ++i)
        list.setSelected(i, i % 3 == 0 || (i >= 20 && i <= 25));
    QCoreApplication::processEvents();
    EXPECT_EQ(viewSelection(), selectedItems());
    EXPECT_FALSE(selectedItems().empty());
}

TEST_F(ListViewTest, UserClicksSelectAndMarkItems)
{
    list.setMultiSelect(true);
    list.setCheckboxes(true);
    addRows({"a", "b", "c", "d", "e", "f"});
    showList();

    click(2);
    EXPECT_EQ(selectedItems(), (std::vector<int>{2}));
    EXPECT_EQ(list.selectedItem(), 2);
    click(4, Qt::ControlModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{2, 4}));
    EXPECT_EQ(list.selectedItem(), 4);
    click(6, Qt::ShiftModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{2, 4, 5, 6}));
    click(4, Qt::ControlModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{2, 5, 6}));
    EXPECT_EQ(list.selectedItem(), 2);  // the current item 4 was deselected
    click(3);
    EXPECT_EQ(selectedItems(), (std::vector<int>{3}));

    // A selection made by code just before the user clicks is not lost by the click.
    list.setSelected(1, true);
    click(5, Qt::ControlModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{1, 3, 5}));
    EXPECT_EQ(viewSelection(), selectedItems());

    // A click on the check box marks the item.
    QStyleOptionViewItem option;
    option.initFrom(tree());
    option.rect = tree()->visualRect(cell(4));
    option.features = QStyleOptionViewItem::HasCheckIndicator | QStyleOptionViewItem::HasDisplay;
    option.text = list.text(4);
    const QRect box = tree()->style()->subElementRect(QStyle::SE_ItemViewItemCheckIndicator,
                                                      &option, tree());
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_TRUE(list.isChecked(4));
    EXPECT_FALSE(list.isChecked(3));
    QTest::mouseClick(tree()->viewport(), Qt::LeftButton, {}, box.center());
    EXPECT_FALSE(list.isChecked(4));

    // So does the space bar, on the current item.
    click(4);
    QTest::keyClick(tree(), Qt::Key_Space);
    EXPECT_TRUE(list.isChecked(4));
    EXPECT_FALSE(list.isChecked(5));
}

TEST_F(ListViewTest, SelectAllByTheUserSelectsEveryItem)
{
    list.setMultiSelect(true);
    addRows({"a", "b", "c"});
    showList();
    click(1);
    QTest::keyClick(tree(), Qt::Key_A, Qt::ControlModifier);
    EXPECT_EQ(selectedItems(), (std::vector<int>{1, 2, 3}));
}

struct SortCase {
    const char* name;
    int key;
    QStringList column;     // the texts of the sort column, in row order
    QStringList expected;   // the same texts after the sort
};

void PrintTo(const SortCase& c, std::ostream* os)
{
    *os << c.name;
}

class ListViewSortTest : public ListViewTest, public ::testing::WithParamInterface<SortCase> {};

TEST_P(ListViewSortTest, SortsAscendingByTheKeyColumn)
{
    const SortCase& c = GetParam();
    for (int i = 0; i < c.column.size(); ++i) {
        const int item = list.add(QString("row%1").arg(i));
        if (c.key == 0)
            list.setText(item, c.column[i]);
        else
            list.setSubItem(item, c.key, c.column[i]);
    }
    list.setSortKey(c.key);
    list.setSorted(true);
    EXPECT_TRUE(list.isSorted());
    QStringList got;
    for (int i = 1; i <= list.count(); ++i)
        got.append(list.subItem(i, c.key));
    EXPECT_EQ(got, c.expected);
}

INSTANTIATE_TEST_SUITE_P(
    Columns, ListViewSortTest,
    ::testing::Values(
        // Case is ignored and equal texts keep their order: the sort is stable.
        SortCase{"CaseIgnoredAndStable", 0,
                 {"beta", "Alpha", "alpha", "Beta", "ALPHA"},
                 {"Alpha", "alpha", "ALPHA", "beta", "Beta"}},
        // Accented letters sort with their base letter, not after z.
        SortCase{"AccentsWithTheirLetter", 1,
                 {"zèbre", "Ecluse", "éclair", "Étang"},
                 {"éclair", "Ecluse", "Étang", "zèbre"}},
        SortCase{"BitratesByTheirDigits", 5,
                 {"320 kbps", "064 kbps", "128 kbps"},
                 {"064 kbps", "128 kbps", "320 kbps"}},
        SortCase{"DurationsByTheirDigits", 7,
                 {"10:00", "03:00", "", "03:59"},
                 {"", "03:00", "03:59", "10:00"}},
        SortCase{"EmptyColumnKeepsTheOrder", 8,
                 {"", "", ""},
                 {"", "", ""}}),
    [](const ::testing::TestParamInfo<SortCase>& info) { return std::string(info.param.name); });

TEST_F(ListViewTest, EqualTextsKeepTheirOrderInALongList)
{
    // Long enough that an unstable sort would shuffle the equal keys.
    const QStringList keys = {"b", "A", "a", "B"};
    for (int i = 0; i < 80; ++i) {
        const int item = list.add(keys[i % keys.size()]);
        list.setTag(item, QString::number(i));
    }
    list.setSorted(true);
    for (int i = 2; i <= list.count(); ++i) {
        if (list.text(i).compare(list.text(i - 1), Qt::CaseInsensitive) == 0) {
            EXPECT_LT(list.tag(i - 1).toInt(), list.tag(i).toInt()) << "item " << i;
        }
    }
    EXPECT_EQ(list.text(40).toLower(), "a");
    EXPECT_EQ(list.text(41).toLower(), "b");
}

TEST_F(ListViewTest, SortingCarriesEveryItemsTextsAndFlags)
{
    list.setMultiSelect(true);
    list.setCheckboxes(true);
    addRows({"c", "a", "d", "b"});
    for (int i = 1; i <= 4; ++i) {
        list.setSubItem(i, 6, "/m/" + list.text(i));
        list.setTag(i, "tag " + list.text(i));
    }
    showList();
    list.setChecked(1, true);   // c
    list.setSelected(3, true);  // d
    list.setSelected(4, true);  // b, current
    list.setBold(2, true);      // a
    list.setForeColor(2, 0xFF0000);

    list.setSortKey(0);
    list.setSorted(true);
    EXPECT_EQ(texts(), (std::vector<QString>{"a", "b", "c", "d"}));
    for (int i = 1; i <= 4; ++i) {
        EXPECT_EQ(list.subItem(i, 6), "/m/" + list.text(i));
        EXPECT_EQ(list.tag(i), "tag " + list.text(i));
    }
    EXPECT_TRUE(list.isBold(1));
    EXPECT_EQ(list.foreColor(1), 0xFF0000u);
    EXPECT_EQ(selectedItems(), (std::vector<int>{2, 4}));
    EXPECT_EQ(viewSelection(), selectedItems());
    EXPECT_EQ(list.selectedItem(), 2);  // b stays current
    EXPECT_TRUE(list.isChecked(3));
    EXPECT_FALSE(list.isChecked(1));

    // Items added while sorted go where they are put; clearing the flag moves nothing.
    list.add(1, "z");
    EXPECT_EQ(list.text(1), "z");
    list.setSorted(false);
    EXPECT_FALSE(list.isSorted());
    EXPECT_EQ(list.text(1), "z");
    list.setSorted(true);  // sorting again sorts anew
    EXPECT_EQ(list.text(5), "z");
}

TEST_F(ListViewTest, ColumnsHaveCaptionsWidthsAndIndexOrderAtFirst)
{
    EXPECT_EQ(list.columnCount(), 9);
    EXPECT_EQ(list.columnCaption(8), "Durée");
    EXPECT_EQ(positions(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
    list.setColumnWidth(2, 133);
    EXPECT_EQ(list.columnWidth(2), 133);

    ListView other;
    EXPECT_EQ(other.addColumn("Kbps", 70, Qt::AlignHCenter), 1);
    other.add("128 kbps");
    QAbstractItemModel* model = other.findChild<QTreeView*>()->model();
    const auto alignment = Qt::Alignment(model->data(model->index(0, 0), Qt::TextAlignmentRole).toInt());
    EXPECT_TRUE(alignment & Qt::AlignHCenter);
    EXPECT_EQ(model->headerData(0, Qt::Horizontal).toString(), "Kbps");
}

TEST_F(ListViewTest, SettingAPositionMovesTheColumnAndShiftsTheOthers)
{
    QSignalSpy moved(&list, &ListView::columnMoved);
    list.setColumnPosition(3, 1);
    EXPECT_EQ(positions(), (std::vector<int>{2, 3, 1, 4, 5, 6, 7, 8, 9}));
    list.setColumnPosition(3, 9);
    EXPECT_EQ(positions(), (std::vector<int>{1, 2, 9, 3, 4, 5, 6, 7, 8}));
    for (int bad : {0, -1, 10})
        list.setColumnPosition(1, bad);
    EXPECT_EQ(list.columnPosition(1), 1);
    EXPECT_EQ(moved.count(), 0);  // moves made by the program are not the user's

    // Putting each column back at its own index restores the index order.
    for (int c = 1; c <= 9; ++c)
        list.setColumnPosition(c, c);
    EXPECT_EQ(positions(), (std::vector<int>{1, 2, 3, 4, 5, 6, 7, 8, 9}));
}

TEST_F(ListViewTest, TheUserDragsAColumnHeaderAndThePositionsFollow)
{
    showList();
    QSignalSpy moved(&list, &ListView::columnMoved);
    QHeaderView* header = tree()->header();
    QWidget* strip = header->viewport();
    const int y = header->height() / 2;
    const QPoint from(header->sectionViewportPosition(2) + header->sectionSize(2) / 2, y);
    const QPoint to(header->sectionViewportPosition(1) + 5, y);  // the left part of "Auteur"

    QTest::mousePress(strip, Qt::LeftButton, {}, from);
    for (const QPoint p : {QPoint(from.x() - 10, y), to}) {
        QMouseEvent move(QEvent::MouseMove, p, strip->mapToGlobal(p), Qt::NoButton,
                         Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(strip, &move);
    }
    QTest::mouseRelease(strip, Qt::LeftButton, {}, to);

    // "Titre" now stands before "Auteur": the layout that would be saved reads 1, 3, 2, ...
    const std::vector<int> layout{1, 3, 2, 4, 5, 6, 7, 8, 9};
    EXPECT_EQ(positions(), layout);
    ASSERT_EQ(moved.count(), 1);
    EXPECT_EQ(moved.at(0).at(0).toInt(), 3);
    EXPECT_EQ(moved.at(0).at(1).toInt(), 2);

    // Applying a saved layout column by column, as the loader does, gives the same order.
    ListView reloaded;
    for (const QString& caption : kPlayListCaptions)
        reloaded.addColumn(caption, 60);
    for (int c = 1; c <= 9; ++c)
        reloaded.setColumnPosition(c, layout[static_cast<std::size_t>(c - 1)]);
    for (int c = 1; c <= 9; ++c)
        EXPECT_EQ(reloaded.columnPosition(c), layout[static_cast<std::size_t>(c - 1)]);
}

class ListViewEditTest : public ListViewTest {
protected:
    void SetUp() override
    {
        ListViewTest::SetUp();
        addRows({"a.mp3", "b.mp3", "c.mp3"});
        list.setSubItem(2, 6, "/music/b.mp3");
        showList();
        list.setAfterLabelEditHandler([this](int item, const QString& newText, bool& cancel) {
            calls.push_back({item, newText});
            cancel = refuse;
        });
    }

    QLineEdit* editor() const { return tree()->viewport()->findChild<QLineEdit*>(); }

    void editSelectedTo(const QString& text, Qt::Key key = Qt::Key_Return)
    {
        list.startLabelEdit();
        QLineEdit* line = editor();
        ASSERT_NE(line, nullptr);
        line->setText(text);
        QTest::keyClick(line, key);
        // The editor confirms through a posted call, and the list answers through another.
        QCoreApplication::processEvents();
        QCoreApplication::processEvents();
    }

    struct Call {
        int item;
        QString text;
    };
    std::vector<Call> calls;
    bool refuse = false;
};

TEST_F(ListViewEditTest, AnAcceptedEditChangesOnlyTheText)
{
    list.setSelected(2, true);
    editSelectedTo("renamed.mp3");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].item, 2);
    EXPECT_EQ(calls[0].text, "renamed.mp3");
    EXPECT_EQ(list.text(2), "renamed.mp3");
    EXPECT_EQ(list.subItem(2, 6), "/music/b.mp3");
}

TEST_F(ListViewEditTest, ACancelledEditKeepsTheOldText)
{
    refuse = true;
    list.setSelected(2, true);
    editSelectedTo("c.mp3");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "c.mp3");
    EXPECT_EQ(list.text(2), "b.mp3");
    EXPECT_EQ(tree()->model()->data(cell(2)).toString(), "b.mp3");
}

TEST_F(ListViewEditTest, AnUnchangedTextStillAsksTheHandler)
{
    list.setSelected(1, true);
    editSelectedTo("a.mp3");
    ASSERT_EQ(calls.size(), 1u);
    EXPECT_EQ(calls[0].text, "a.mp3");
}

TEST_F(ListViewEditTest, EscapeEndsTheEditWithoutAsking)
{
    list.setSelected(1, true);
    editSelectedTo("other.mp3", Qt::Key_Escape);
    EXPECT_TRUE(calls.empty());
    EXPECT_EQ(list.text(1), "a.mp3");
}

TEST_F(ListViewEditTest, TheKeyThatEndsAnEditIsNotAKeyOfTheList)
{
    std::vector<int> keys;
    QObject::connect(&list, &ListView::keyPress, [&keys](int key) { keys.push_back(key); });
    list.setSelected(1, true);
    editSelectedTo("x.mp3");
    EXPECT_TRUE(keys.empty());
    EXPECT_EQ(list.text(1), "x.mp3");
}

TEST_F(ListViewEditTest, NoEditorOpensWithoutASelectedItem)
{
    list.startLabelEdit();
    EXPECT_EQ(editor(), nullptr);
}

TEST_F(ListViewTest, RemovingItemsKeepsTheOthersFlags)
{
    list.setMultiSelect(true);
    list.setCheckboxes(true);
    addRows({"1", "2", "3", "4", "5", "6", "7"});
    showList();
    for (int i = 1; i <= 7; ++i) {
        list.setChecked(i, i % 2 == 1);
        list.setBold(i, i == 5);
        list.setForeColor(i, i == 6 ? 0x0000FFu : ListView::kDefaultForeColor);
    }
    list.setSelected(3, true);
    list.setSelected(6, true);
    list.setSelected(4, true);  // current

    list.remove(2);
    EXPECT_EQ(texts(), (std::vector<QString>{"1", "3", "4", "5", "6", "7"}));
    EXPECT_EQ(selectedItems(), (std::vector<int>{2, 3, 5}));
    EXPECT_EQ(list.selectedItem(), 3);
    EXPECT_TRUE(list.isChecked(2));   // "3"
    EXPECT_FALSE(list.isChecked(3));  // "4"
    EXPECT_TRUE(list.isBold(4));      // "5"
    EXPECT_EQ(list.foreColor(5), 0x0000FFu);

    // Scattered removals in one pass: "1", "4" and "7" go.
    const int removed = list.removeIf([this](int item) {
        const QString t = list.text(item);
        return t == "1" || t == "4" || t == "7";
    });
    EXPECT_EQ(removed, 3);
    EXPECT_EQ(texts(), (std::vector<QString>{"3", "5", "6"}));
    EXPECT_EQ(selectedItems(), (std::vector<int>{1, 3}));
    EXPECT_EQ(viewSelection(), selectedItems());
    EXPECT_TRUE(list.isChecked(1));
    EXPECT_TRUE(list.isChecked(2));
    EXPECT_TRUE(list.isBold(2));
    EXPECT_EQ(list.foreColor(3), 0x0000FFu);
    EXPECT_EQ(list.selectedItem(), 1);  // the current item "4" is gone

    list.setSelected(3, true);
    EXPECT_EQ(list.removeIf([](int item) { return item == 1; }), 1);
    EXPECT_EQ(list.selectedItem(), 2);  // the current item "6" stays current
    EXPECT_EQ(list.removeIf([](int) { return false; }), 0);

    list.clear();
    EXPECT_EQ(list.count(), 0);
    EXPECT_EQ(list.selectedItem(), 0);
    EXPECT_TRUE(viewSelection().empty());
}

// The rows before the first removed one stay where they are, with every cell.
TEST_F(ListViewTest, RemovingLaterRowsKeepsTheFirstOnesWhole)
{
    addRows({"a", "b", "c"});
    list.setSubItem(1, 2, "sous-élément");
    EXPECT_EQ(list.removeIf([](int item) { return item == 3; }), 1);
    EXPECT_EQ(texts(), (std::vector<QString>{"a", "b"}));
    EXPECT_EQ(list.subItem(1, 2), "sous-élément");
}

TEST_F(ListViewTest, BoldColourAndCheckReachTheModelForTheItemTextOnly)
{
    addRows({"a", "b", "c", "d"});
    QAbstractItemModel* model = tree()->model();
    list.setBold(1, true);
    list.setForeColor(1, 0xFF0000);  // blue, as the platform numbers it
    list.setForeColor(2, 0x0000FF);  // red
    list.setForeColor(3, 0x80000008);  // a system colour

    EXPECT_TRUE(qvariant_cast<QFont>(model->data(cell(1), Qt::FontRole)).bold());
    EXPECT_FALSE(model->data(cell(2), Qt::FontRole).isValid());
    EXPECT_FALSE(model->data(cell(1, 2), Qt::FontRole).isValid());
    EXPECT_EQ(qvariant_cast<QBrush>(model->data(cell(1), Qt::ForegroundRole)).color(), QColor(0, 0, 255));
    EXPECT_EQ(qvariant_cast<QBrush>(model->data(cell(2), Qt::ForegroundRole)).color(), QColor(255, 0, 0));
    EXPECT_FALSE(model->data(cell(1, 2), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model->data(cell(3), Qt::ForegroundRole).isValid());
    EXPECT_FALSE(model->data(cell(4), Qt::ForegroundRole).isValid());  // a new item's colour

    list.setChecked(2, true);
    EXPECT_FALSE(model->data(cell(2), Qt::CheckStateRole).isValid());
    EXPECT_FALSE(model->flags(cell(2)) & Qt::ItemIsUserCheckable);
    list.setCheckboxes(true);
    EXPECT_EQ(model->data(cell(2), Qt::CheckStateRole).toInt(), Qt::Checked);
    EXPECT_EQ(model->data(cell(1), Qt::CheckStateRole).toInt(), Qt::Unchecked);
    EXPECT_FALSE(model->data(cell(2, 2), Qt::CheckStateRole).isValid());
    EXPECT_TRUE(model->flags(cell(2)) & Qt::ItemIsUserCheckable);
}

// A huge text (a field of a play list made to freeze the window) stays whole in its row;
// the view gets, and measures, no more of it than one line of a cell can show.
TEST_F(ListViewTest, AHugeTextStaysWholeButTheViewMeasuresOnlyWhatACellShows)
{
    const QString huge(1 << 20, u'x');
    list.addItems({{"a.mp3", "Auteur", huge}, {"deux\r\nlignes.mp3"}});
    list.setSelected(1, true);
    showList();
    QAbstractItemModel* model = tree()->model();

    EXPECT_EQ(list.subItem(1, 2), huge);
    EXPECT_EQ(model->data(cell(1, 3), Qt::EditRole).toString(), huge);
    const QString shown = model->data(cell(1, 3), Qt::DisplayRole).toString();
    EXPECT_LE(shown.size(), 10000);
    EXPECT_TRUE(huge.startsWith(shown));

    QStyleOptionViewItem option;
    option.font = tree()->font();
    option.fontMetrics = tree()->fontMetrics();
    EXPECT_LT(tree()->itemDelegate()->sizeHint(option, cell(1, 3)).width(), 100000);

    // One line per row: a line break shows as a blank.
    EXPECT_EQ(list.text(2), "deux\r\nlignes.mp3");
    EXPECT_EQ(model->data(cell(2), Qt::DisplayRole).toString(), "deux  lignes.mp3");
}

TEST_F(ListViewTest, MouseAndKeyEventsReachTheProgram)
{
    list.setMultiSelect(true);
    addRows({"a", "b", "c"});
    showList();
    QSignalSpy down(&list, &ListView::mouseDown);
    QSignalSpy doubled(&list, &ListView::dblClick);
    QSignalSpy keys(&list, &ListView::keyPress);
    QSignalSpy columns(&list, &ListView::columnClick);

    const QPoint p = centreOf(2);
    QTest::mousePress(tree()->viewport(), Qt::RightButton, Qt::ShiftModifier, p);
    ASSERT_EQ(down.count(), 1);
    const QPoint inList = tree()->viewport()->mapTo(&list, p);
    EXPECT_EQ(down.at(0).at(0).value<Qt::MouseButton>(), Qt::RightButton);
    EXPECT_EQ(down.at(0).at(1).value<Qt::KeyboardModifiers>(), Qt::ShiftModifier);
    EXPECT_EQ(down.at(0).at(2).toInt(), inList.x());
    EXPECT_EQ(down.at(0).at(3).toInt(), inList.y());
    EXPECT_EQ(list.itemAt(inList.x(), inList.y()), 2);
    EXPECT_EQ(list.itemAt(inList.x(), 390), 0);
    QTest::mouseRelease(tree()->viewport(), Qt::RightButton, Qt::ShiftModifier, p);

    QTest::mouseDClick(tree()->viewport(), Qt::LeftButton, {}, centreOf(3));
    EXPECT_EQ(doubled.count(), 1);
    EXPECT_EQ(list.selectedItem(), 3);

    QTest::keyClick(tree(), Qt::Key_Return);
    ASSERT_EQ(keys.count(), 1);
    EXPECT_EQ(keys.at(0).at(0).toInt(), 13);

    // The header click names the column by its index, wherever it stands.
    list.setColumnPosition(3, 1);
    QHeaderView* header = tree()->header();
    QTest::mouseClick(header->viewport(), Qt::LeftButton, {},
                      QPoint(header->sectionViewportPosition(2) + 5, header->height() / 2));
    ASSERT_EQ(columns.count(), 1);
    EXPECT_EQ(columns.at(0).at(0).toInt(), 3);
}

TEST_F(ListViewTest, DroppedFilesAndDroppedItemsAreToldApart)
{
    list.setMultiSelect(true);
    addRows({"a", "b", "c"});
    showList();
    QSignalSpy files(&list, &ListView::filesDropped);
    QSignalSpy items(&list, &ListView::itemsDropped);
    const QPoint p = centreOf(2);
    const auto drop = [&](const QMimeData* mime) {
        // Qt hands a drop only to a widget that took the drag when it entered.
        QDragEnterEvent enter(p, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree()->viewport(), &enter);
        QDropEvent event(p, Qt::CopyAction | Qt::MoveAction, mime, Qt::LeftButton, Qt::NoModifier);
        QApplication::sendEvent(tree()->viewport(), &event);
        return enter.isAccepted() && event.isAccepted();
    };

    QMimeData desktop;
    desktop.setUrls({QUrl::fromLocalFile("/tmp/x.mp3"), QUrl("http://example.org/y.mp3"),
                     QUrl::fromLocalFile("/tmp/z y.wav")});
    EXPECT_TRUE(drop(&desktop));
    ASSERT_EQ(files.count(), 1);
    EXPECT_EQ(files.at(0).at(0).toStringList(), (QStringList{"/tmp/x.mp3", "/tmp/z y.wav"}));
    EXPECT_EQ(files.at(0).at(1).toInt(), 2);
    EXPECT_EQ(files.at(0).at(3).toInt(), tree()->viewport()->mapTo(&list, p).y());

    std::unique_ptr<QMimeData> own(tree()->model()->mimeData({}));
    EXPECT_TRUE(drop(own.get()));
    ASSERT_EQ(items.count(), 1);
    EXPECT_EQ(items.at(0).at(0).toInt(), 2);

    // Rows dragged from another list, or plain text, are not ours to take.
    ListView other;
    other.addColumn("x", 50);
    std::unique_ptr<QMimeData> foreign(other.findChild<QTreeView*>()->model()->mimeData({}));
    QMimeData text;
    text.setText("hello");
    EXPECT_FALSE(drop(foreign.get()));
    EXPECT_FALSE(drop(&text));
    EXPECT_EQ(files.count(), 1);
    EXPECT_EQ(items.count(), 1);
    EXPECT_EQ(texts(), (std::vector<QString>{"a", "b", "c"}));
}

TEST_F(ListViewTest, EnsureVisibleScrollsTheItemIntoView)
{
    // The model tester checks every row after each insertion: keep the list short.
    for (int i = 1; i <= 100; ++i)
        list.add(QString::number(i));
    showList();
    const QRect viewport = tree()->viewport()->rect();
    EXPECT_FALSE(viewport.intersects(tree()->visualRect(cell(80))));
    list.ensureVisible(80);
    EXPECT_TRUE(viewport.contains(tree()->visualRect(cell(80))));

    // Selecting from code does not scroll.
    list.setSelected(1, true);
    QCoreApplication::processEvents();
    EXPECT_FALSE(viewport.intersects(tree()->visualRect(cell(1))));
}

}  // namespace
