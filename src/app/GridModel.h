#pragma once

// The cells of the data grid SGDATEN for its view: the grid's texts
// (commands/GridText.h) with the model signals the view needs. Grid row 0 is
// the fixed header row, shown by the view's horizontal header; grid rows 1..
// are the model's rows 0.. . Column 0 holds the row numbers, columns 1 and 2
// the X and Y texts; only the cells the view paints are converted to QString.

#include "commands/GridText.h"

#include <QAbstractTableModel>

class GridModel : public QAbstractTableModel, public GridRows {
    Q_OBJECT
public:
    explicit GridModel(QObject* parent = nullptr);

    int gridRowCount() const override { return text_.gridRowCount(); }
    void setGridRowCount(int rowsWithHeader) override;
    std::string cellText(int column, int row) const override { return text_.cellText(column, row); }
    void setCellText(int column, int row, std::string_view text) override;
    void setHeaderText(int column, std::string_view text) override;
    void showPoints(const double* xs, const double* ys, int n) override;
    int readPoints(double* xs, double* ys, int capacity) override;

    // QAbstractTableModel
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role) const override;
    bool setData(const QModelIndex& index, const QVariant& value, int role) override;
    QVariant headerData(int section, Qt::Orientation orientation, int role) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;

private:
    GridText text_;
};
