#pragma once

#include <QPersistentModelIndex>
#include <QString>
#include <QStringList>
#include <QWidget>

#include <cstdint>
#include <functional>
#include <vector>

namespace tulvane::platform {

class ListViewModel;

/// A list view in report style: rows of a text and sub-items under column headers.
///
/// Items and columns are numbered from 1. An item number outside 1..count() is ignored by
/// the setters and reads as empty (or false, or 0) from the getters; so is a column number
/// outside 1..columnCount(). Sub-item k of an item is shown in column k + 1.
/// Sizes and coordinates are in pixels of the list view's own widget.
class ListView : public QWidget
{
    Q_OBJECT

public:
    /// The system colour "button text" (0x80000012), the text colour of a new item.
    /// Colours are the platform's numbers: 0x00BBGGRR, or bit 31 set for a system colour,
    /// which paints in the list's normal text colour.
    static constexpr std::uint32_t kDefaultForeColor = 0x80000012u;

    /// Called when an in-place edit of item's text is confirmed, before the text changes.
    /// Setting cancel keeps the old text; otherwise the text becomes newText.
    using AfterLabelEditHandler =
        std::function<void(int item, const QString& newText, bool& cancel)>;

    explicit ListView(QWidget* parent = nullptr);
    ~ListView() override;

    /// Appends a column header; returns its index, which never changes.
    int addColumn(const QString& caption, int width, Qt::Alignment alignment = Qt::AlignLeft);
    int columnCount() const;
    QString columnCaption(int column) const;
    int columnWidth(int column) const;
    void setColumnWidth(int column, int width);
    /// Display slot of a column, 1 = leftmost.
    int columnPosition(int column) const;
    /// Moves a column to the given slot; the columns in between shift by one.
    void setColumnPosition(int column, int position);

    int count() const;
    /// Appends an item; returns its index.
    int add(const QString& text);
    /// Inserts an item at index (1..count() + 1; any other index appends); returns its index.
    int add(int index, const QString& text);
    /// Appends items from their texts: [0] the item text, [k] sub-item k. One insertion for
    /// all, so loading a long list stays linear.
    void addItems(std::vector<std::vector<QString>> items);
    /// The first item from `from` on whose text (k = 0) or sub-item k equals text exactly
    /// (case-sensitive), 0 for none.
    int find(int k, const QString& text, int from = 1) const;
    /// Moves on whenever a text of an item, or the number or order of the items, changes;
    /// weight, colour, check and selection leave it as it is.
    std::uint64_t revision() const;
    void remove(int item);
    /// Removes every item for which doomed(item) holds, in one pass over the list; doomed is
    /// asked about each item in order with its index before the removal. Returns the number
    /// removed. The other items keep their texts and flags.
    int removeIf(const std::function<bool(int item)>& doomed);
    void clear();

    QString text(int item) const;
    void setText(int item, const QString& text);
    QString subItem(int item, int k) const;
    void setSubItem(int item, int k, const QString& text);
    /// Free text the program attaches to an item; never shown.
    QString tag(int item) const;
    void setTag(int item, const QString& tag);

    /// The check box flag; kept whether the check boxes are shown or not.
    bool isChecked(int item) const;
    void setChecked(int item, bool checked);
    bool isSelected(int item) const;
    /// Selecting an item also makes it the current item; in single selection the other
    /// items are deselected.
    void setSelected(int item, bool selected);
    /// Weight and colour of the item's own text (not of its sub-items).
    bool isBold(int item) const;
    void setBold(int item, bool bold);
    std::uint32_t foreColor(int item) const;
    void setForeColor(int item, std::uint32_t color);

    /// The current item when it is selected, else the first selected item, else 0.
    int selectedItem() const;
    /// The item under a point, 0 for none.
    int itemAt(int x, int y) const;
    /// Scrolls the list vertically so that item is in view.
    void ensureVisible(int item);

    bool hasCheckboxes() const;
    void setCheckboxes(bool shown);
    /// Several items selectable at once (off for a new list).
    void setMultiSelect(bool multi);
    /// The column headers shown (on for a new list).
    void setColumnHeadersVisible(bool visible);

    /// Sort key: 0 = the item text, k = sub-item k.
    int sortKey() const;
    void setSortKey(int key);
    bool isSorted() const;
    /// Setting true sorts the items now, ascending by the sort key's text, ignoring case,
    /// equal texts keeping their order. Items added later are not sorted in.
    void setSorted(bool sorted);

    /// Opens the in-place editor on the text of selectedItem(), if any.
    void startLabelEdit();
    void setAfterLabelEditHandler(AfterLabelEditHandler handler);

signals:
    /// Any mouse button pressed over the items; shift holds the keyboard modifiers.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers shift, int x, int y);
    /// A click on a column header; column is the column's index, not its position.
    void columnClick(int column);
    /// A double click with the left button anywhere over the items.
    void dblClick();
    /// A key that gives a character: its code (13 for Enter).
    void keyPress(int keyAscii);
    /// Local files dropped from outside; item is the item under the drop point, 0 for none.
    void filesDropped(const QStringList& paths, int item, int x, int y);
    /// The list's own items dragged and dropped on it; item as for filesDropped.
    void itemsDropped(int item, int x, int y);
    /// The user dragged a column header to a new slot.
    void columnMoved(int column, int position);

private:
    class Tree;
    class Delegate;

    int rowOf(int item) const;
    bool isColumn(int column) const;
    void setCurrentRow(int row);
    void scheduleSelectionFlush();
    void flushSelection();
    void clearViewSelection();
    void labelEdited(const QModelIndex& index, const QString& text);
    void finishLabelEdit();
    void emitDrop(const QMimeData* mime, QPoint viewportPos);

    ListViewModel* model_;
    Tree* tree_;
    AfterLabelEditHandler afterLabelEdit_;
    QPersistentModelIndex pendingEdit_;
    QString pendingEditText_;
    int sortKey_ = 0;
    bool sorted_ = false;
    bool multiSelect_ = false;
    bool selectionDirty_ = false;
    bool flushPosted_ = false;
    bool editPosted_ = false;
    bool syncing_ = false;
    bool movingColumn_ = false;
};

}  // namespace tulvane::platform
