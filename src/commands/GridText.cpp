#include "commands/GridText.h"

#include "data/Numbers.h"

#include <algorithm>
#include <cstring>

namespace {

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

GridText::GridText()
{
    header_[0] = "[0]";
}

void GridText::setGridRowCount(int rowsWithHeader)
{
    rows_.resize(static_cast<size_t>(std::max(rowsWithHeader - 1, 0)));
}

std::string GridText::cellText(int column, int row) const
{
    if (column < 0 || column >= kColumns || row < 0 || row >= gridRowCount())
        return {};
    if (row == 0)
        return header_[column];
    const auto r = static_cast<size_t>(row - 1);
    const Row& cells = rows_[r];
    if (column == 0)
        return cells.numbered ? std::to_string(row) : std::string();
    if (cells.shown)
        return formatShown(column == 1 ? shownX_[r] : shownY_[r], 5);
    return column == 1 ? cells.x : cells.y;
}

void GridText::formatRow(size_t r)
{
    Row& row = rows_[r];
    if (!row.shown)
        return;
    row.x = formatShown(shownX_[r], 5);
    row.y = formatShown(shownY_[r], 5);
    row.shown = false;
}

void GridText::setCellText(int column, int row, std::string_view text)
{
    if (column < 1 || column >= kColumns || row < 1 || row >= gridRowCount())
        return;
    formatRow(static_cast<size_t>(row - 1));
    Row& r = rows_[static_cast<size_t>(row - 1)];
    (column == 1 ? r.x : r.y).assign(text);
}

void GridText::setHeaderText(int column, std::string_view text)
{
    if (column >= 0 && column < kColumns)
        header_[column].assign(text);
}

void GridText::showPoints(const double* xs, const double* ys, int n)
{
    n = std::max(n, 0);
    header_[0] = "[" + std::to_string(n) + "]";
    rows_.resize(static_cast<size_t>(n + kEmptyRowsBelow));
    shownX_.assign(xs, xs + n);
    shownY_.assign(ys, ys + n);
    for (int r = 0; r < n; ++r) {
        Row& row = rows_[static_cast<size_t>(r)];
        row.numbered = true;
        row.shown = true;
    }
    for (size_t r = static_cast<size_t>(n); r < rows_.size(); ++r) {
        rows_[r].x.clear();
        rows_[r].y.clear();
        rows_[r].shown = false;
    }
}

int GridText::readPoints(double* xs, double* ys, int capacity)
{
    int k = 0;
    numberedNewRows_ = false;
    for (size_t r = 0; r < rows_.size(); ++r) {
        formatRow(r);
        Row& row = rows_[r];
        numberedNewRows_ |= !row.numbered;
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
    return k;
}
