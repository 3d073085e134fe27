#include "platform/list_view_model.h"

#include "platform/shown_text.h"

#include <QBrush>
#include <QCollator>
#include <QColor>
#include <QFont>
#include <QLocale>
#include <QMimeData>

#include <algorithm>
#include <numeric>

namespace tulvane::platform {

namespace {

const QString kRowsMimeType = QStringLiteral("application/x-tulvane-list-view-rows");

// Bit 31 marks the platform's system colours; those paint in the view's own text colour.
bool isSystemColor(std::uint32_t color)
{
    return (color & 0x80000000u) != 0;
}

QColor fromBgr(std::uint32_t bgr)
{
    return QColor(static_cast<int>(bgr & 0xFFu), static_cast<int>((bgr >> 8) & 0xFFu),
                  static_cast<int>((bgr >> 16) & 0xFFu));
}

const QString& cellOf(const ListViewRow& row, int column)
{
    static const QString empty;
    const auto c = static_cast<std::size_t>(column);
    return c < row.cells.size() ? row.cells[c] : empty;
}

QCollator makeCollator()
{
    // The program speaks French: without a locale of the user's own, collate as French.
    QLocale locale;
    if (locale.language() == QLocale::C)
        locale = QLocale(QLocale::French, QLocale::France);
    QCollator collator(locale);
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    return collator;
}

}  // namespace

ListViewModel::ListViewModel(std::uint32_t defaultForeColor, QObject* parent)
    : QAbstractTableModel(parent), defaultForeColor_(defaultForeColor)
{
}

int ListViewModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int ListViewModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(columns_.size());
}

QVariant ListViewModel::data(const QModelIndex& index, int role) const
{
    if (!checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return {};
    const ListViewRow& r = row(index.row());
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
        return shownText(cellOf(r, column));
    case Qt::EditRole:
        return cellOf(r, column);
    case Qt::TextAlignmentRole:
        return static_cast<int>(columnAlignment(column));
    case Qt::CheckStateRole:
        if (column == 0 && checkboxes_)
            return static_cast<int>(r.checked ? Qt::Checked : Qt::Unchecked);
        break;
    // The row's weight and colour belong to its own text, not to its sub-items.
    case Qt::FontRole:
        if (column == 0 && r.bold) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        break;
    case Qt::ForegroundRole:
        if (column == 0 && !isSystemColor(r.foreColor))
            return QBrush(fromBgr(r.foreColor));
        break;
    default:
        break;
    }
    return {};
}

bool ListViewModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    // Only the user's click on a check box comes this way; label edits go through ListView.
    if (role != Qt::CheckStateRole || index.column() != 0 || !checkboxes_
        || !checkIndex(index, CheckIndexOption::IndexIsValid | CheckIndexOption::ParentIsInvalid))
        return false;
    setChecked(index.row(), value.toInt() == Qt::Checked);
    return true;
}

QVariant ListViewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || section < 0 || section >= columnCount())
        return {};
    if (role == Qt::DisplayRole)
        return columns_[static_cast<std::size_t>(section)].caption;
    if (role == Qt::TextAlignmentRole)
        return static_cast<int>(columnAlignment(section));
    return {};
}

Qt::ItemFlags ListViewModel::flags(const QModelIndex& index) const
{
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsDragEnabled
        | Qt::ItemNeverHasChildren;
    if (index.column() == 0) {
        f |= Qt::ItemIsEditable;
        if (checkboxes_)
            f |= Qt::ItemIsUserCheckable;
    }
    return f;
}

QStringList ListViewModel::mimeTypes() const
{
    return {kRowsMimeType};
}

QMimeData* ListViewModel::mimeData(const QModelIndexList&) const
{
    auto* mime = new QMimeData;
    mime->setData(kRowsMimeType, QByteArray::number(reinterpret_cast<quintptr>(this)));
    return mime;
}

Qt::DropActions ListViewModel::supportedDragActions() const
{
    return Qt::MoveAction;
}

bool ListViewModel::carriesOurRows(const QMimeData* mime) const
{
    return mime != nullptr && mime->hasFormat(kRowsMimeType)
        && mime->data(kRowsMimeType) == QByteArray::number(reinterpret_cast<quintptr>(this));
}

void ListViewModel::addColumn(const QString& caption, Qt::Alignment alignment)
{
    const int c = columnCount();
    beginInsertColumns({}, c, c);
    columns_.push_back({caption, alignment});
    endInsertColumns();
}

Qt::Alignment ListViewModel::columnAlignment(int column) const
{
    return columns_[static_cast<std::size_t>(column)].alignment | Qt::AlignVCenter;
}

void ListViewModel::insertRowAt(int r, const QString& text)
{
    ListViewRow fresh;
    fresh.cells.resize(std::max<std::size_t>(1, columns_.size()));
    fresh.cells[0] = text;
    fresh.foreColor = defaultForeColor_;
    beginInsertRows({}, r, r);
    rows_.insert(rows_.begin() + r, std::move(fresh));
    endInsertRows();
    ++revision_;
}

void ListViewModel::appendRows(std::vector<std::vector<QString>> cells)
{
    if (cells.empty())
        return;
    const int first = rowCount();
    beginInsertRows({}, first, first + static_cast<int>(cells.size()) - 1);
    // Grow geometrically: appending one row at a time must stay linear.
    if (const std::size_t needed = rows_.size() + cells.size(); needed > rows_.capacity())
        rows_.reserve(std::max(needed, 2 * rows_.capacity()));
    for (std::vector<QString>& texts : cells) {
        ListViewRow& fresh = rows_.emplace_back();
        fresh.cells = std::move(texts);
        if (fresh.cells.empty())
            fresh.cells.resize(1);
        fresh.foreColor = defaultForeColor_;
    }
    endInsertRows();
    ++revision_;
}

int ListViewModel::findRow(int column, const QString& text, int from) const
{
    const auto c = static_cast<std::size_t>(column);
    for (std::size_t r = static_cast<std::size_t>(std::max(0, from)); r < rows_.size(); ++r) {
        const std::vector<QString>& cells = rows_[r].cells;
        if (c < cells.size() ? cells[c] == text : text.isEmpty())
            return static_cast<int>(r);
    }
    return -1;
}

void ListViewModel::removeRowAt(int r)
{
    beginRemoveRows({}, r, r);
    rows_.erase(rows_.begin() + r);
    endRemoveRows();
    ++revision_;
}

int ListViewModel::removeRowsWhere(const std::function<bool(int)>& doomed)
{
    const int n = rowCount();
    std::vector<char> gone(static_cast<std::size_t>(n));
    int removed = 0;
    for (int r = 0; r < n; ++r) {
        gone[static_cast<std::size_t>(r)] = doomed(r) ? 1 : 0;
        removed += gone[static_cast<std::size_t>(r)];
    }
    if (removed == 0)
        return 0;
    // Scattered rows one signal at a time would cost a pass over the list each; a reset
    // costs one pass in all.
    beginResetModel();
    std::size_t kept = 0;
    for (std::size_t r = 0; r < rows_.size(); ++r) {
        if (gone[r])
            continue;
        // A row moved onto itself would lose its cells.
        if (kept != r)
            rows_[kept] = std::move(rows_[r]);
        ++kept;
    }
    rows_.resize(kept);
    endResetModel();
    ++revision_;
    return removed;
}

void ListViewModel::clearRows()
{
    beginResetModel();
    rows_.clear();
    endResetModel();
    ++revision_;
}

void ListViewModel::emitCellChanged(int r, int column, const QList<int>& roles)
{
    if (column < columnCount()) {
        const QModelIndex i = index(r, column);
        emit dataChanged(i, i, roles);
    }
}

void ListViewModel::setCell(int r, int column, const QString& text)
{
    ListViewRow& target = mutableRow(r);
    const auto c = static_cast<std::size_t>(column);
    if (c >= target.cells.size()) {
        if (text.isEmpty())
            return;
        target.cells.resize(c + 1);
    }
    if (target.cells[c] == text)
        return;
    target.cells[c] = text;
    ++revision_;
    emitCellChanged(r, column, {Qt::DisplayRole, Qt::EditRole});
}

void ListViewModel::setTag(int r, const QString& tag)
{
    mutableRow(r).tag = tag;
}

void ListViewModel::setChecked(int r, bool checked)
{
    ListViewRow& target = mutableRow(r);
    if (target.checked == checked)
        return;
    target.checked = checked;
    if (checkboxes_)
        emitCellChanged(r, 0, {Qt::CheckStateRole});
}

void ListViewModel::setBold(int r, bool bold)
{
    ListViewRow& target = mutableRow(r);
    if (target.bold == bold)
        return;
    target.bold = bold;
    emitCellChanged(r, 0, {Qt::FontRole});
}

void ListViewModel::setForeColor(int r, std::uint32_t color)
{
    ListViewRow& target = mutableRow(r);
    if (target.foreColor == color)
        return;
    target.foreColor = color;
    emitCellChanged(r, 0, {Qt::ForegroundRole});
}

void ListViewModel::setSelectedFlag(int r, bool selected)
{
    mutableRow(r).selected = selected;
}

void ListViewModel::clearSelectedFlags()
{
    for (ListViewRow& r : rows_)
        r.selected = false;
}

void ListViewModel::setCheckboxes(bool shown)
{
    if (checkboxes_ == shown)
        return;
    checkboxes_ = shown;
    if (!rows_.empty() && !columns_.empty())
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::CheckStateRole});
}

void ListViewModel::sortByColumn(int column)
{
    const std::size_t n = rows_.size();
    if (n < 2)
        return;
    // One collation key per row, then cheap key comparisons: far faster than collating
    // each pair anew.
    const QCollator collator = makeCollator();
    std::vector<QCollatorSortKey> keys;
    keys.reserve(n);
    for (const ListViewRow& r : rows_)
        keys.push_back(collator.sortKey(cellOf(r, column)));
    std::vector<int> order(n);
    std::iota(order.begin(), order.end(), 0);
    std::stable_sort(order.begin(), order.end(), [&keys](int a, int b) {
        return keys[static_cast<std::size_t>(a)].compare(keys[static_cast<std::size_t>(b)]) < 0;
    });

    emit layoutAboutToBeChanged({}, QAbstractItemModel::VerticalSortHint);
    std::vector<ListViewRow> sorted;
    sorted.reserve(n);
    std::vector<int> newRow(n);
    for (std::size_t i = 0; i < n; ++i) {
        const auto from = static_cast<std::size_t>(order[i]);
        sorted.push_back(std::move(rows_[from]));
        newRow[from] = static_cast<int>(i);
    }
    rows_.swap(sorted);
    ++revision_;
    const QModelIndexList from = persistentIndexList();
    QModelIndexList to;
    to.reserve(from.size());
    for (const QModelIndex& i : from)
        to.append(index(newRow[static_cast<std::size_t>(i.row())], i.column()));
    changePersistentIndexList(from, to);
    emit layoutChanged({}, QAbstractItemModel::VerticalSortHint);
}

}  // namespace tulvane::platform
