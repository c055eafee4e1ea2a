#pragma once

// The cells of the data grid as texts, without a view: grid row 0 is the
// fixed header row ("[n]", "Data X", "Data Y"), data rows are 1..; column 0
// holds the row numbers, columns 1 and 2 the X and Y texts as typed or shown.
// Texts are the store's Windows-1252 bytes.
//
// The main window's grid model and the script runner's plain rows both
// implement it, so the set display and the grid commands are written once.

#include <string>
#include <string_view>

class GridRows {
public:
    static constexpr int kColumns = 3;
    static constexpr int kEmptyRowsBelow = 19; // rows after the last point

    virtual ~GridRows() = default;

    // Row count as the grid counts it: header row included.
    virtual int gridRowCount() const = 0;
    // New rows are empty; removed rows lose their texts.
    virtual void setGridRowCount(int rowsWithHeader) = 0;

    // Texts by grid position: column 0..2, row 0 (header) to gridRowCount()-1.
    virtual std::string cellText(int column, int row) const = 0;
    // Columns 1 and 2 of data rows only.
    virtual void setCellText(int column, int row, std::string_view text) = 0;
    virtual void setHeaderText(int column, std::string_view text) = 0;

    // Header "[n]", n + 20 rows, all X and Y cells emptied, then row r of
    // 1..n numbered and showing point r with the grid's number format.
    virtual void showPoints(const double* xs, const double* ys, int n) = 0;

    // Numbers every data row, then takes the rows whose X and Y cells both
    // parse (a first comma read as a point) in row order into xs/ys, at most
    // `capacity` of them. Returns how many were taken.
    virtual int readPoints(double* xs, double* ys, int capacity) = 0;
};
