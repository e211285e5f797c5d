#pragma once
#include "core/recordcsv.h"

#include <QAbstractTableModel>

#include <vector>

namespace ui::import {

// The rows of the import's preview, their texts made when a cell is shown: a file of 100,000
// rows costs no item per cell.
class PreviewModel : public QAbstractTableModel
{
    Q_OBJECT
public:
    enum Column { Line, DateColumn, Original, Current, Rate, Problem, ColumnCount };

    struct Row
    {
        recordcsv::ImportRow row;
        bool placed = false;    // taken by the plan
        bool duplicate = false; // read, but already in the investment
        Single taken = 0;       // the rate it is written with
    };

    using QAbstractTableModel::QAbstractTableModel;
    void setRows(std::vector<Row> rows);

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

private:
    QString text(const Row &r, int column) const;
    std::vector<Row> m_rows;
};

} // namespace ui::import
