#pragma once

// The grid's cells in plain memory: what the grid model of the main window
// keeps behind its view, and what a script runs its grid commands on.
//
// A set display keeps the points' values and formats a row's texts only when
// they are first looked at, typed over or read back: a full set shown costs a
// copy of its values, not 20000 formatted numbers, and every text anybody
// sees is exactly the one formatting all of them would have given.

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
private:
    struct Row {
        std::string x;
        std::string y;
        bool numbered = false;
        bool shown = false; // the texts are those of shownX_/shownY_, not yet formatted
    };
    // Gives a shown row its formatted texts.
    void formatRow(size_t r);

    std::vector<Row> rows_;
    std::vector<double> shownX_, shownY_; // the points of the last set display
    std::string header_[kColumns];
    bool numberedNewRows_ = false;
};
