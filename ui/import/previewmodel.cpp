#include "ui/import/previewmodel.h"

#include "platform/locale.h"

namespace ui::import {

void PreviewModel::setRows(std::vector<Row> rows)
{
    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

int PreviewModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PreviewModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

QString PreviewModel::text(const Row &r, int column) const
{
    const recordcsv::ImportRow &row = r.row;
    switch (column) {
    case Line:
        return QString::number(row.line);
    case DateColumn:
        return row.ok() || row.date != Date() ? platform::LocaleServices::shortDate(row.date) : row.dateText;
    case Original:
        return row.ok() ? row.original.toPlainString() : row.originalText;
    case Current:
        return row.ok() ? row.current.toPlainString() : row.currentText;
    case Rate:
        if (!row.ok())
            return row.rateText;
        if (r.taken == 0)
            return QString();
        if (r.placed && row.rate == 0)
            //: %1 is a rate the import filled in from the price index
            return tr("%1 (filled)").arg(singleToText(r.taken));
        return singleToText(r.taken);
    case Problem:
        return r.duplicate ? tr("already present, left out") : row.problem;
    default:
        return QString();
    }
}

QVariant PreviewModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const int column = index.column();
    if (role == Qt::DisplayRole || role == Qt::ToolTipRole)
        return text(m_rows[size_t(index.row())], column);
    if (role == Qt::TextAlignmentRole && column != DateColumn && column != Problem)
        return int(Qt::AlignRight | Qt::AlignVCenter);
    return QVariant();
}

QVariant PreviewModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation != Qt::Horizontal || role != Qt::DisplayRole)
        return QVariant();
    static const char *const names[ColumnCount] = {
        QT_TR_NOOP("Line"),           QT_TR_NOOP("Date"), QT_TR_NOOP("Original Amount"),
        QT_TR_NOOP("Current Amount"), QT_TR_NOOP("Rate"), QT_TR_NOOP("Problem")};
    return section >= 0 && section < ColumnCount ? tr(names[section]) : QVariant();
}

} // namespace ui::import
