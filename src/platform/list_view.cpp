#include "platform/list_view.h"

#include "platform/dropped_files.h"
#include "platform/list_view_model.h"

#include <QDir>
#include <QDrag>
#include <QDragEnterEvent>
#include <QDragMoveEvent>
#include <QDropEvent>
#include <QHeaderView>
#include <QItemSelectionModel>
#include <QKeyEvent>
#include <QMimeData>
#include <QMouseEvent>
#include <QScrollBar>
#include <QStyledItemDelegate>
#include <QTreeView>
#include <QUrl>
#include <QVBoxLayout>

namespace tulvane::platform {

// The Qt view that mirrors the rows. It brings pending selection changes of the program up
// to date before the user acts, and reports the user's actions to its ListView.
class ListView::Tree final : public QTreeView
{
public:
    explicit Tree(ListView& owner) : QTreeView(&owner), owner_(owner) {}

    // Selecting from code moves the current item without scrolling, as the platform does.
    bool scrollSuppressed = false;

    void scrollTo(const QModelIndex& index, ScrollHint hint) override
    {
        if (!scrollSuppressed)
            QTreeView::scrollTo(index, hint);
    }

protected:
    void mousePressEvent(QMouseEvent* event) override
    {
        owner_.flushSelection();
        QTreeView::mousePressEvent(event);
        if (!inDoubleClick_) {
            const QPoint p = viewport()->mapTo(&owner_, event->position().toPoint());
            emit owner_.mouseDown(event->button(), event->modifiers(), p.x(), p.y());
        }
    }

    void mouseMoveEvent(QMouseEvent* event) override
    {
        owner_.flushSelection();
        QTreeView::mouseMoveEvent(event);
    }

    void mouseReleaseEvent(QMouseEvent* event) override
    {
        owner_.flushSelection();
        QTreeView::mouseReleaseEvent(event);
    }

    void mouseDoubleClickEvent(QMouseEvent* event) override
    {
        owner_.flushSelection();
        inDoubleClick_ = true;
        QTreeView::mouseDoubleClickEvent(event);
        inDoubleClick_ = false;
        if (event->button() == Qt::LeftButton)
            emit owner_.dblClick();
    }

    void keyPressEvent(QKeyEvent* event) override
    {
        owner_.flushSelection();
        QTreeView::keyPressEvent(event);
        // A key the in-place editor let through (Enter that ends the edit) is not the list's.
        const QString text = event->text();
        if (!text.isEmpty() && state() != EditingState)
            emit owner_.keyPress(text.at(0).unicode());
    }

    // Our own drag never removes anything: what a drop of rows means is the program's call.
    void startDrag(Qt::DropActions) override
    {
        auto* drag = new QDrag(this);
        drag->setMimeData(model()->mimeData({}));
        drag->exec(Qt::MoveAction);
    }

    void dragEnterEvent(QDragEnterEvent* event) override { acceptIfWanted(event); }

    void dragMoveEvent(QDragMoveEvent* event) override
    {
        if (!acceptIfWanted(event))
            return;
        const QPoint p = event->position().toPoint();
        const int margin = autoScrollMargin();
        if (p.y() < margin || p.y() > viewport()->height() - margin)
            startAutoScroll();
    }

    void dropEvent(QDropEvent* event) override
    {
        stopAutoScroll();
        if (!acceptIfWanted(event))
            return;
        owner_.emitDrop(event->mimeData(), event->position().toPoint());
    }

private:
    bool acceptIfWanted(QDropEvent* event)
    {
        const QMimeData* mime = event->mimeData();
        if (owner_.model_->carriesOurRows(mime)) {
            event->setDropAction(Qt::MoveAction);
            event->accept();
            return true;
        }
        if (!droppedLocalPaths(mime).isEmpty()) {
            event->acceptProposedAction();
            return true;
        }
        event->ignore();
        return false;
    }

    ListView& owner_;
    bool inDoubleClick_ = false;
};

// Hands a confirmed edit to the ListView instead of writing it into the model: the
// program's handler decides, once the editor has closed.
class ListView::Delegate final : public QStyledItemDelegate
{
public:
    explicit Delegate(ListView& owner) : QStyledItemDelegate(&owner), owner_(owner) {}

    void setModelData(QWidget* editor, QAbstractItemModel*, const QModelIndex& index) const override
    {
        owner_.labelEdited(index, editor->property("text").toString());
    }

private:
    ListView& owner_;
};

ListView::ListView(QWidget* parent)
    : QWidget(parent), model_(new ListViewModel(kDefaultForeColor, this)), tree_(new Tree(*this))
{
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(tree_);
    setFocusProxy(tree_);

    tree_->setModel(model_);
    tree_->setItemDelegate(new Delegate(*this));
    tree_->setRootIsDecorated(false);
    tree_->setItemsExpandable(false);
    tree_->setUniformRowHeights(true);
    tree_->setAllColumnsShowFocus(true);
    tree_->setSelectionBehavior(QAbstractItemView::SelectRows);
    tree_->setSelectionMode(QAbstractItemView::SingleSelection);
    tree_->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tree_->setDragEnabled(true);
    tree_->setAcceptDrops(true);
    tree_->setDragDropMode(QAbstractItemView::DragDrop);
    tree_->setDropIndicatorShown(false);

    QHeaderView* header = tree_->header();
    header->setStretchLastSection(false);
    header->setSectionsMovable(true);
    header->setFirstSectionMovable(true);
    header->setSectionsClickable(true);
    header->setSectionResizeMode(QHeaderView::Interactive);
    connect(header, &QHeaderView::sectionClicked, this,
            [this](int logical) { emit columnClick(logical + 1); });
    connect(header, &QHeaderView::sectionMoved, this, [this](int logical, int, int to) {
        if (!movingColumn_)
            emit columnMoved(logical + 1, to + 1);
    });

    connect(tree_->selectionModel(), &QItemSelectionModel::selectionChanged, this,
            [this](const QItemSelection& selected, const QItemSelection& deselected) {
                if (syncing_)
                    return;
                // The user changed the selection: write it back into the rows.
                for (const QItemSelectionRange& range : deselected) {
                    for (int r = range.top(); r <= range.bottom(); ++r)
                        model_->setSelectedFlag(r, false);
                }
                for (const QItemSelectionRange& range : selected) {
                    for (int r = range.top(); r <= range.bottom(); ++r)
                        model_->setSelectedFlag(r, true);
                }
            });
}

ListView::~ListView() = default;

int ListView::rowOf(int item) const
{
    return item >= 1 && item <= count() ? item - 1 : -1;
}

bool ListView::isColumn(int column) const
{
    return column >= 1 && column <= columnCount();
}

int ListView::addColumn(const QString& caption, int width, Qt::Alignment alignment)
{
    model_->addColumn(caption, alignment);
    const int column = columnCount();
    tree_->header()->resizeSection(column - 1, width);
    return column;
}

int ListView::columnCount() const
{
    return model_->columnCount();
}

QString ListView::columnCaption(int column) const
{
    return isColumn(column) ? model_->headerData(column - 1, Qt::Horizontal, Qt::DisplayRole).toString()
                            : QString();
}

int ListView::columnWidth(int column) const
{
    return isColumn(column) ? tree_->header()->sectionSize(column - 1) : 0;
}

void ListView::setColumnWidth(int column, int width)
{
    if (isColumn(column))
        tree_->header()->resizeSection(column - 1, width);
}

int ListView::columnPosition(int column) const
{
    return isColumn(column) ? tree_->header()->visualIndex(column - 1) + 1 : 0;
}

void ListView::setColumnPosition(int column, int position)
{
    if (!isColumn(column) || position < 1 || position > columnCount())
        return;
    QHeaderView* header = tree_->header();
    movingColumn_ = true;
    header->moveSection(header->visualIndex(column - 1), position - 1);
    movingColumn_ = false;
}

int ListView::count() const
{
    return model_->rowCount();
}

int ListView::add(const QString& text)
{
    return add(count() + 1, text);
}

int ListView::add(int index, const QString& text)
{
    if (index < 1 || index > count() + 1)
        index = count() + 1;
    model_->insertRowAt(index - 1, text);
    return index;
}

void ListView::addItems(std::vector<std::vector<QString>> items)
{
    model_->appendRows(std::move(items));
}

int ListView::find(int k, const QString& text, int from) const
{
    return model_->findRow(k, text, from - 1) + 1;
}

std::uint64_t ListView::revision() const
{
    return model_->revision();
}

void ListView::remove(int item)
{
    const int r = rowOf(item);
    if (r >= 0)
        model_->removeRowAt(r);
}

int ListView::removeIf(const std::function<bool(int item)>& doomed)
{
    // The model is reset, which forgets the view's current item, selection and scroll
    // position: carry them over.
    const QModelIndex current = tree_->selectionModel()->currentIndex();
    const int currentRow = current.isValid() ? current.row() : -1;
    int newCurrentRow = currentRow;
    const int scroll = tree_->verticalScrollBar()->value();
    const int removed = model_->removeRowsWhere([&](int r) {
        const bool gone = doomed(r + 1);
        if (gone && r < currentRow)
            --newCurrentRow;
        else if (gone && r == currentRow)
            newCurrentRow = -1;
        return gone;
    });
    if (removed == 0)
        return 0;
    tree_->doItemsLayout();
    tree_->verticalScrollBar()->setValue(scroll);
    if (newCurrentRow >= 0)
        setCurrentRow(newCurrentRow);
    selectionDirty_ = true;
    flushSelection();
    return removed;
}

void ListView::clear()
{
    model_->clearRows();
    selectionDirty_ = false;
}

QString ListView::text(int item) const
{
    return subItem(item, 0);
}

void ListView::setText(int item, const QString& text)
{
    setSubItem(item, 0, text);
}

QString ListView::subItem(int item, int k) const
{
    const int r = rowOf(item);
    if (r < 0 || k < 0)
        return {};
    const auto& cells = model_->row(r).cells;
    return static_cast<std::size_t>(k) < cells.size() ? cells[static_cast<std::size_t>(k)] : QString();
}

void ListView::setSubItem(int item, int k, const QString& text)
{
    const int r = rowOf(item);
    if (r >= 0 && k >= 0)
        model_->setCell(r, k, text);
}

QString ListView::tag(int item) const
{
    const int r = rowOf(item);
    return r >= 0 ? model_->row(r).tag : QString();
}

void ListView::setTag(int item, const QString& tag)
{
    const int r = rowOf(item);
    if (r >= 0)
        model_->setTag(r, tag);
}

bool ListView::isChecked(int item) const
{
    const int r = rowOf(item);
    return r >= 0 && model_->row(r).checked;
}

void ListView::setChecked(int item, bool checked)
{
    const int r = rowOf(item);
    if (r >= 0)
        model_->setChecked(r, checked);
}

bool ListView::isSelected(int item) const
{
    const int r = rowOf(item);
    return r >= 0 && model_->row(r).selected;
}

void ListView::setSelected(int item, bool selected)
{
    const int r = rowOf(item);
    if (r < 0)
        return;
    if (selected && !multiSelect_)
        model_->clearSelectedFlags();
    model_->setSelectedFlag(r, selected);
    scheduleSelectionFlush();
    if (selected)
        setCurrentRow(r);
}

bool ListView::isBold(int item) const
{
    const int r = rowOf(item);
    return r >= 0 && model_->row(r).bold;
}

void ListView::setBold(int item, bool bold)
{
    const int r = rowOf(item);
    if (r >= 0)
        model_->setBold(r, bold);
}

std::uint32_t ListView::foreColor(int item) const
{
    const int r = rowOf(item);
    return r >= 0 ? model_->row(r).foreColor : kDefaultForeColor;
}

void ListView::setForeColor(int item, std::uint32_t color)
{
    const int r = rowOf(item);
    if (r >= 0)
        model_->setForeColor(r, color);
}

int ListView::selectedItem() const
{
    const QModelIndex current = tree_->selectionModel()->currentIndex();
    if (current.isValid() && model_->row(current.row()).selected)
        return current.row() + 1;
    const auto& rows = model_->rows();
    for (std::size_t r = 0; r < rows.size(); ++r) {
        if (rows[r].selected)
            return static_cast<int>(r) + 1;
    }
    return 0;
}

int ListView::itemAt(int x, int y) const
{
    const QModelIndex index = tree_->indexAt(tree_->viewport()->mapFrom(this, QPoint(x, y)));
    return index.isValid() ? index.row() + 1 : 0;
}

void ListView::ensureVisible(int item)
{
    const int r = rowOf(item);
    if (r < 0 || columnCount() == 0)
        return;
    // Only vertically: the item's own column may stand anywhere once columns have moved.
    QScrollBar* across = tree_->horizontalScrollBar();
    const int x = across->value();
    tree_->scrollTo(model_->index(r, 0), QAbstractItemView::EnsureVisible);
    across->setValue(x);
}

bool ListView::hasCheckboxes() const
{
    return model_->hasCheckboxes();
}

void ListView::setCheckboxes(bool shown)
{
    model_->setCheckboxes(shown);
}

void ListView::setColumnHeadersVisible(bool visible)
{
    tree_->header()->setVisible(visible);
}

void ListView::setMultiSelect(bool multi)
{
    multiSelect_ = multi;
    tree_->setSelectionMode(multi ? QAbstractItemView::ExtendedSelection
                                  : QAbstractItemView::SingleSelection);
}

int ListView::sortKey() const
{
    return sortKey_;
}

void ListView::setSortKey(int key)
{
    sortKey_ = key;
}

bool ListView::isSorted() const
{
    return sorted_;
}

void ListView::setSorted(bool sorted)
{
    sorted_ = sorted;
    if (!sorted)
        return;
    // Rebuilding the view's selection from the rows afterwards is linear; letting the
    // selection model carry every selected row through the new order is not.
    clearViewSelection();
    model_->sortByColumn(sortKey_);
    selectionDirty_ = true;
    flushSelection();
}

void ListView::startLabelEdit()
{
    const int item = selectedItem();
    if (item == 0 || columnCount() == 0)
        return;
    flushSelection();
    const QModelIndex index = model_->index(item - 1, 0);
    setCurrentRow(item - 1);
    tree_->setFocus();
    tree_->edit(index);
}

void ListView::setAfterLabelEditHandler(AfterLabelEditHandler handler)
{
    afterLabelEdit_ = std::move(handler);
}

void ListView::setCurrentRow(int row)
{
    if (columnCount() == 0)
        return;
    tree_->scrollSuppressed = true;
    tree_->selectionModel()->setCurrentIndex(model_->index(row, 0), QItemSelectionModel::NoUpdate);
    tree_->scrollSuppressed = false;
}

void ListView::scheduleSelectionFlush()
{
    // Code may change the selection item by item; the view catches up once, in one pass,
    // before the next event is handled.
    selectionDirty_ = true;
    if (flushPosted_)
        return;
    flushPosted_ = true;
    QMetaObject::invokeMethod(
        this,
        [this] {
            flushPosted_ = false;
            flushSelection();
        },
        Qt::QueuedConnection);
}

void ListView::flushSelection()
{
    if (!selectionDirty_)
        return;
    selectionDirty_ = false;
    QItemSelection selection;
    const int last = columnCount() - 1;
    const auto& rows = model_->rows();
    const int n = static_cast<int>(rows.size());
    for (int r = 0; last >= 0 && r < n; ++r) {
        if (!rows[static_cast<std::size_t>(r)].selected)
            continue;
        int end = r;
        while (end + 1 < n && rows[static_cast<std::size_t>(end + 1)].selected)
            ++end;
        selection.append(QItemSelectionRange(model_->index(r, 0), model_->index(end, last)));
        r = end;
    }
    // Clearing first keeps Qt from comparing the old and the new selection range by range.
    clearViewSelection();
    if (!selection.isEmpty()) {
        syncing_ = true;
        tree_->selectionModel()->select(selection, QItemSelectionModel::Select);
        syncing_ = false;
    }
}

void ListView::clearViewSelection()
{
    syncing_ = true;
    tree_->selectionModel()->clearSelection();
    syncing_ = false;
}

void ListView::labelEdited(const QModelIndex& index, const QString& text)
{
    pendingEdit_ = index;
    pendingEditText_ = text;
    if (editPosted_)
        return;
    editPosted_ = true;
    // The handler may ask the user a question; by then the editor must be gone, or its
    // loss of focus would confirm the edit a second time.
    QMetaObject::invokeMethod(this, [this] { finishLabelEdit(); }, Qt::QueuedConnection);
}

void ListView::finishLabelEdit()
{
    editPosted_ = false;
    const QPersistentModelIndex edited = pendingEdit_;
    pendingEdit_ = QPersistentModelIndex();
    if (!edited.isValid())
        return;
    bool cancel = false;
    if (afterLabelEdit_)
        afterLabelEdit_(edited.row() + 1, pendingEditText_, cancel);
    if (!cancel && edited.isValid())
        model_->setCell(edited.row(), 0, pendingEditText_);
}

void ListView::emitDrop(const QMimeData* mime, QPoint viewportPos)
{
    const QPoint p = tree_->viewport()->mapTo(this, viewportPos);
    const int item = itemAt(p.x(), p.y());
    if (model_->carriesOurRows(mime))
        emit itemsDropped(item, p.x(), p.y());
    else
        emit filesDropped(droppedLocalPaths(mime), item, p.x(), p.y());
}

}  // namespace tulvane::platform
