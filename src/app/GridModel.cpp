#include "app/GridModel.h"

#include "data/Cp1252.h"

#include <QBrush>
#include <QGuiApplication>
#include <QPalette>

#include <algorithm>

namespace {

QString toQString(const std::string& bytes)
{
    return QString::fromStdString(utf8FromCp1252(bytes));
}

} // namespace

GridModel::GridModel(QObject* parent)
    : QAbstractTableModel(parent)
{
}

void GridModel::setGridRowCount(int rowsWithHeader)
{
    const int wanted = std::max(rowsWithHeader - 1, 0);
    const int now = rowCount();
    if (wanted > now) {
        beginInsertRows({}, now, wanted - 1);
        text_.setGridRowCount(rowsWithHeader);
        endInsertRows();
    } else if (wanted < now) {
        beginRemoveRows({}, wanted, now - 1);
        text_.setGridRowCount(rowsWithHeader);
        endRemoveRows();
    }
}

void GridModel::setCellText(int column, int row, std::string_view text)
{
    if (column < 1 || column >= kColumns || row < 1 || row >= gridRowCount() || text_.cellText(column, row) == text)
        return;
    text_.setCellText(column, row, text);
    const QModelIndex i = index(row - 1, column);
    emit dataChanged(i, i, {Qt::DisplayRole, Qt::EditRole});
}

void GridModel::setHeaderText(int column, std::string_view text)
{
    if (column < 0 || column >= kColumns || text_.cellText(column, 0) == text)
        return;
    text_.setHeaderText(column, text);
    emit headerDataChanged(Qt::Horizontal, column, column);
}

void GridModel::showPoints(const double* xs, const double* ys, int n)
{
    beginResetModel();
    text_.showPoints(xs, ys, n);
    endResetModel();
}

int GridModel::readPoints(double* xs, double* ys, int capacity)
{
    const int k = text_.readPoints(xs, ys, capacity);
    if (text_.lastReadNumberedNewRows() && rowCount() > 0)
        emit dataChanged(index(0, 0), index(rowCount() - 1, 0), {Qt::DisplayRole});
    return k;
}

int GridModel::rowCount(const QModelIndex& parent) const
{
    return parent.isValid() ? 0 : text_.gridRowCount() - 1;
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
        return toQString(text_.cellText(column, index.row() + 1));
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
            return toQString(text_.cellText(section, 0));
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
