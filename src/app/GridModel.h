#pragma once

// The cells of the data grid SGDATEN. Grid row 0 is the fixed header row
// ("[n]", "Data X", "Data Y"), shown by the view's horizontal header; grid
// rows 1.. are the model's rows 0.. . Column 0 is the fixed column with the row
// numbers, columns 1 and 2 hold the X and Y texts as typed or shown.
//
// Cell texts are kept as byte strings (Windows-1252, as the store's texts), so
// the whole grid can be parsed on every key release without converting to
// QString; only the cells the view paints are converted.

#include <QAbstractTableModel>

#include <string>
#include <string_view>
#include <vector>

class GridModel : public QAbstractTableModel {
    Q_OBJECT
public:
    static constexpr int kColumns = 3;
    static constexpr int kEmptyRowsBelow = 19; // rows after the last point

    explicit GridModel(QObject* parent = nullptr);

    // Row count as the grid counts it: header row included.
    int gridRowCount() const { return static_cast<int>(rows_.size()) + 1; }
    // New rows are empty; removed rows lose their texts.
    void setGridRowCount(int rowsWithHeader);

    // Texts by grid position: column 0..2, row 0 (header) to gridRowCount()-1.
    std::string cellText(int column, int row) const;
    // Columns 1 and 2 of data rows only.
    void setCellText(int column, int row, std::string_view text);
    void setHeaderText(int column, std::string_view text);

    // Header "[n]", n + 20 rows, all X and Y cells emptied, then row r of
    // 1..n numbered and showing point r with the grid's number format.
    void showPoints(const double* xs, const double* ys, int n);

    // Numbers every data row, then takes the rows whose X and Y cells both
    // parse (a first comma read as a point) in row order into xs/ys, at most
    // `capacity` of them. Returns how many were taken.
    int readPoints(double* xs, double* ys, int capacity);

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    struct Row {
        std::string x;
        std::string y;
        bool numbered = false;
    };
    std::string& textAt(int column, int modelRow);
    void resizeRows(int dataRows);

    std::vector<Row> rows_;
    std::string header_[kColumns];
};
