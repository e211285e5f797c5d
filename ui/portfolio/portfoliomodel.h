#pragma once

#include "storage/returnspass.h"

#include <QAbstractTableModel>
#include <QString>

#include <array>
#include <vector>

// The returns of a portfolio as the portfolio window's table shows them: one row per
// investment, by number, and a last row for all of them. Every text and tooltip is worked out
// when the figures are taken, so painting and scrolling do no work of their own.
class PortfolioModel : public QAbstractTableModel
{
    Q_OBJECT

public:
    enum Column {
        Type,
        Institution,
        FirstDate,
        LastDate,
        Years,
        LastCurrent,
        LossToInflation,
        TwrAnnual,
        RealTwrAnnual,
        MwrAnnual,
        RealMwrAnnual,
        ColumnCount
    };

    explicit PortfolioModel(QObject *parent = nullptr);

    // Takes the figures of one pass over the data folder.
    void setPortfolio(const storage::Portfolio &portfolio);
    void clear();

    int rowCount(const QModelIndex &parent = QModelIndex()) const override;
    int columnCount(const QModelIndex &parent = QModelIndex()) const override;
    QVariant data(const QModelIndex &index, int role = Qt::DisplayRole) const override;
    QVariant headerData(int section, Qt::Orientation orientation, int role = Qt::DisplayRole) const override;

    // The investment on a row, 0 for the row of all of them (or no row).
    int investmentAt(int row) const;
    // The text and the tooltip of a cell, as the table shows them.
    QString text(int row, int column) const;
    QString toolTip(int row, int column) const;

    static QString headerText(int column);
    static QString headerToolTip(int column);
    // What the time-weighted cells of the row of all investments say instead of a figure.
    static QString noTimeWeightedForAll();

private:
    struct Cell
    {
        QString text;
        QString toolTip;
    };
    struct Row
    {
        int investment = 0;
        std::array<Cell, ColumnCount> cells;
    };

    std::vector<Row> m_rows;
};
