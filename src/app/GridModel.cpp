#include "app/GridModel.h"

#include "data/Cp1252.h"
#include "data/Numbers.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>
#include <cstring>

namespace {

QString toQString(const std::string& bytes)
{
    return QString::fromStdString(utf8FromCp1252(bytes));
}

// A grid cell as a number: the first comma counts as the decimal point. Cells
// are short, so the copy for the comma case stays on the stack; a cell too
// long for the buffer cannot be a number the grid shows and is parsed as is
// (a comma then leaves it invalid).
ParsedNumber parseCell(const std::string& text)
{
    const size_t comma = text.find(',');
    if (comma == std::string::npos)
        return parseNumber(text);
    char buffer[128];
    if (text.size() > sizeof buffer)
        return parseNumber(text);
    std::memcpy(buffer, text.data(), text.size());
    buffer[comma] = '.';
    return parseNumber(std::string_view(buffer, text.size()));
}

} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
    header_[0] = "[0]";
}

void GridModel::resizeRows(int dataRows)
{
    rows_.resize(static_cast<size_t>(std::max(dataRows, 0)));
}

void GridModel::setGridRowCount(int rowsWithHeader)
{
    const int wanted = std::max(rowsWithHeader - 1, 0);
    const int now = static_cast<int>(rows_.size());
    if (wanted > now) {
        beginInsertRows({}, now, wanted - 1);
        resizeRows(wanted);
        endInsertRows();
    } else if (wanted < now) {
        beginRemoveRows({}, wanted, now - 1);
        resizeRows(wanted);
        endRemoveRows();
    }
}

std::string& GridModel::textAt(int column, int modelRow)
{
    Row& row = rows_[static_cast<size_t>(modelRow)];
    return column == 1 ? row.x : row.y;
}

std::string GridModel::cellText(int column, int row) const
{
    if (column < 0 || column >= kColumns || row < 0 || row >= gridRowCount())
        return {};
    if (row == 0)
        return header_[column];
    const Row& r = rows_[static_cast<size_t>(row - 1)];
    if (column == 0)
        return r.numbered ? std::to_string(row) : std::string();
    return column == 1 ? r.x : r.y;
}

void GridModel::setCellText(int column, int row, std::string_view text)
{
    if (column < 1 || column >= kColumns || row < 1 || row >= gridRowCount())
        return;
    std::string& cell = textAt(column, row - 1);
    if (cell == text)
        return;
    cell.assign(text);
    const QModelIndex i = index(row - 1, column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::setHeaderText(int column, std::string_view text)
{
    if (column < 0 || column >= kColumns || header_[column] == text)
        return;
    header_[column].assign(text);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::showPoints(const double* xs, const double* ys, int n)
{
    n = std::max(n, 0);
    beginResetModel();
    header_[0] = "[" + std::to_string(n) + "]";
    resizeRows(n + kEmptyRowsBelow);
    for (int r = 0; r < n; ++r) {
        Row& row = rows_[static_cast<size_t>(r)];
        row.numbered = true;
        row.x = formatShown(xs[r], 5);
        row.y = formatShown(ys[r], 5);
    }
    for (size_t r = static_cast<size_t>(n); r < rows_.size(); ++r) {
        rows_[r].x.clear();
        rows_[r].y.clear();
    }
    endResetModel();
}

int GridModel::readPoints(double* xs, double* ys, int capacity)
{
    int k = 0;
    bool renumbered = false;
    for (Row& row : rows_) {
        renumbered |= !row.numbered;
        row.numbered = true;
        if (k >= capacity)
            continue;
        const ParsedNumber x = parseCell(row.x);
        if (!x.ok)
            continue;
        const ParsedNumber y = parseCell(row.y);
        if (!y.ok)
            continue;
        xs[k] = x.value;
        ys[k] = y.value;
        ++k;
    }
    if (renumbered && !rows_.empty())
        emit dataChanged(index(0, 0), index(static_cast<int>(rows_.size()) - 1, 0), {Qt::DisplayRole});
    return k;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : static_cast<int>(rows_.size());
}

int GridModel::columnCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : kColumns;
}

QVariant GridModel::data(const QModelIndex& index, int role) const
{
    if (!index.isValid())
        return {};
    const int column = index.column();
    switch (role) {
    case Qt::DisplayRole:
    case Qt::EditRole:
        return toQString(cellText(column, index.row() + 1));
    case Qt::TextAlignmentRole:
        return column == 0 ? QVariant(int(Qt::AlignCenter)) : QVariant(int(Qt::AlignLeft | Qt::AlignVCenter));
    case Qt::BackgroundRole:
        // The fixed column has the face of the fixed header row.
        if (column == 0)
            return QBrush(QGuiApplication::palette().color(QPalette::Button));
        return {};
    case Qt::ForegroundRole:
        // The fixed column is not enabled (the cursor keys skip it), yet its
        // numbers read in the normal text colour.
        if (column == 0)
            return QBrush(QGuiApplication::palette().color(QPalette::Active, QPalette::WindowText));
        return {};
    default:
        return {};
    }
}

bool GridModel::setData(const QModelIndex& index, const QVariant& value, int role)
{
    if (!index.isValid() || role != Qt::EditRole || index.column() == 0)
        return false;
    setCellText(index.column(), index.row() + 1, cp1252FromUtf8(value.toString().toStdString()));
    return true;
}

QVariant GridModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Horizontal && section >= 0 && section < kColumns) {
        if (role == Qt::DisplayRole)
            return toQString(header_[section]);
        if (role == Qt::TextAlignmentRole)
            return int(Qt::AlignCenter);
        return {};
    }
    if (orientation == Qt::Vertical && role == Qt::DisplayRole)
        return section + 1;
    return {};
}

Qt::ItemFlags GridModel::flags(const QModelIndex& index) const
{
    if (!index.isValid() || index.column() == 0)
        return Qt::NoItemFlags;
    return Qt::ItemIsEnabled | Qt::ItemIsSelectable | Qt::ItemIsEditable;
}
