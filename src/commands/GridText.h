#pragma once

// The grid's cells in plain memory: what the grid model of the main window
// keeps behind its view, and what a script runs its grid commands on.

#include "commands/GridRows.h"

#include <string>
#include <vector>

class GridText : public GridRows {
public:
    GridText();

    int gridRowCount() const override { return static_cast<int>(rows_.size()) + 1; }
    void setGridRowCount(int rowsWithHeader) override;
    std::string cellText(int column, int row) const override;
    void setCellText(int column, int row, std::string_view text) override;
    void setHeaderText(int column, std::string_view text) override;
    void showPoints(const double* xs, const double* ys, int n) override;
    int readPoints(double* xs, double* ys, int capacity) override;

    // Whether the last readPoints numbered a row that had no number yet.
    bool lastReadNumberedNewRows() const { return numberedNewRows_; }
    // The text of a data cell without a copy (column 1 or 2, data row from 1).
    const std::string& dataText(int column, int row) const;

private:
    struct Row {
        std::string x;
        std::string y;
        bool numbered = false;
    };
    std::vector<Row> rows_;
    std::string header_[kColumns];
    bool numberedNewRows_ = false;
};
