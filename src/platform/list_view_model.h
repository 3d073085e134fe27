#pragma once

#include <QAbstractTableModel>
#include <QString>

#include <cstdint>
#include <functional>
#include <vector>

class QMimeData;

namespace tulvane::platform {

// One row of a ListView. The rows are the list's one source of truth: the view mirrors
// them, and what the user does in the view is written back here.
struct ListViewRow {
    std::vector<QString> cells;  // [0] the row text, [k] sub-item k; a missing cell reads as ""
    QString tag;
    std::uint32_t foreColor = 0;
    bool checked = false;
    bool selected = false;
    bool bold = false;
};

// The table model behind ListView: a contiguous vector of rows, 0-based as Qt wants it.
// ListView translates its 1-based items and keeps the view's selection in step.
class ListViewModel final : public QAbstractTableModel
{
    Q_OBJECT

public:
    explicit ListViewModel(std::uint32_t defaultForeColor, QObject* parent = nullptr);

    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    QStringList mimeTypes() const override;
    // The payload names this model, so a drop can tell our own rows from anything else.
    QMimeData* mimeData(const QModelIndexList& indexes) const override;
    Qt::DropActions supportedDragActions() const override;

    bool carriesOurRows(const QMimeData* mime) const;

    void addColumn(const QString& caption, Qt::Alignment alignment);
    Qt::Alignment columnAlignment(int column) const;

    const std::vector<ListViewRow>& rows() const { return rows_; }
    const ListViewRow& row(int r) const { return rows_[static_cast<std::size_t>(r)]; }

    void insertRowAt(int r, const QString& text);
    // Appends rows of cells ([0] the text, then the sub-items) with one insertion signal.
    void appendRows(std::vector<std::vector<QString>> cells);
    // The first row from `from` on whose cell in `column` equals text exactly, -1 for none.
    int findRow(int column, const QString& text, int from = 0) const;
    // Moves on whenever a text of a row, or the number or order of the rows, changes.
    std::uint64_t revision() const { return revision_; }
    void removeRowAt(int r);
    // Removes every row for which doomed(r) holds, in one pass; the view is reset.
    int removeRowsWhere(const std::function<bool(int)>& doomed);
    void clearRows();

    void setCell(int r, int column, const QString& text);
    void setTag(int r, const QString& tag);
    void setChecked(int r, bool checked);
    void setBold(int r, bool bold);
    void setForeColor(int r, std::uint32_t color);
    void setSelectedFlag(int r, bool selected);
    void clearSelectedFlags();

    bool hasCheckboxes() const { return checkboxes_; }
    void setCheckboxes(bool shown);

    // Stable ascending sort by one column's text, ignoring case, in the user's collation.
    void sortByColumn(int column);

private:
    struct Column {
        QString caption;
        Qt::Alignment alignment;
    };

    ListViewRow& mutableRow(int r) { return rows_[static_cast<std::size_t>(r)]; }
    void emitCellChanged(int r, int column, const QList<int>& roles);

    std::vector<ListViewRow> rows_;
    std::vector<Column> columns_;
    std::uint32_t defaultForeColor_;
    bool checkboxes_ = false;
    std::uint64_t revision_ = 0;
};

}  // namespace tulvane::platform
