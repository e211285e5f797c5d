#include "ui/portfolio/portfoliomodel.h"

#include "core/returns.h"
#include "platform/locale.h"

#include <QCoreApplication>
#include <QFont>

namespace {

//: F1 is the key; About These Figures is a button of the portfolio window
const char *const GuideHint =
    QT_TRANSLATE_NOOP("PortfolioModel", "See “Returns” in the user guide (F1 or About These Figures).");

// The table's numbers in the locale's form; the rounding is the export's.
QString localised(QString plain)
{
    const QString point = platform::LocaleServices::locale().decimalPoint();
    if (point != QLatin1String("."))
        plain.replace(QLatin1Char('.'), point);
    return plain;
}

QString blankBecause(const QString &reason)
{
    if (reason.isEmpty())
        return QString();
    //: %1 why a figure cannot be given
    return QCoreApplication::translate("PortfolioModel", "No figure: %1.").arg(reason);
}

// The first reason that applies, in the order the engine gives them.
QString firstOf(std::initializer_list<const QString *> reasons)
{
    for (const QString *reason : reasons) {
        if (!reason->isEmpty())
            return *reason;
    }
    return QString();
}

} // namespace

PortfolioModel::PortfolioModel(QObject *parent) : QAbstractTableModel(parent) {}

void PortfolioModel::clear()
{
    beginResetModel();
    m_rows.clear();
    endResetModel();
}

void PortfolioModel::setPortfolio(const storage::Portfolio &portfolio)
{
    std::vector<Row> rows;
    rows.reserve(portfolio.returns.size() + 1);
    const QString noRecord = tr("No figure: no record with both amounts above zero.");
    const auto percent = [](Cell &cell, const std::optional<double> &figure, const QString &reason) {
        cell.text = localised(percentText(figure));
        if (cell.text.isEmpty())
            cell.toolTip = blankBecause(reason);
    };

    for (size_t i = 0; i < portfolio.returns.size(); ++i) {
        const InvestmentReturns &r = portfolio.returns[i];
        const storage::InvestmentInfo &info = portfolio.investments[i];
        Row row;
        row.investment = info.number;
        auto &c = row.cells;
        c[Type].text = info.type;
        c[Institution].text = info.institution;
        if (!info.readable)
            c[Type].toolTip = tr("The investment record cannot be read.");
        if (r.records > 0) {
            c[FirstDate].text = platform::LocaleServices::shortDate(r.firstDate);
            c[LastDate].text = platform::LocaleServices::shortDate(r.lastDate);
            c[LastCurrent].text = platform::LocaleServices::displayAmount(r.lastCurrent);
            c[LossToInflation].text = platform::LocaleServices::displayAmount(r.lossToInflation);
        } else {
            for (int column : {FirstDate, LastDate, LastCurrent, LossToInflation})
                c[size_t(column)].toolTip = noRecord;
        }
        if (r.records >= 2 && r.takesPart())
            c[Years].text = localised(yearsText(r.years));
        else
            c[Years].toolTip = blankBecause(r.nominalReason);
        percent(c[TwrAnnual], r.twrAnnual, firstOf({&r.nominalReason, &r.annualReason}));
        percent(c[RealTwrAnnual], r.realTwrAnnual, firstOf({&r.nominalReason, &r.realReason, &r.annualReason}));
        percent(c[MwrAnnual], r.mwrAnnual, firstOf({&r.nominalReason, &r.mwrReason}));
        percent(c[RealMwrAnnual], r.realMwrAnnual, firstOf({&r.nominalReason, &r.realMwrReason}));
        rows.push_back(std::move(row));
    }

    const PortfolioReturns &all = portfolio.all;
    Row row;
    auto &c = row.cells;
    c[Type].text = tr("All investments");
    //: %1 and %2 numbers of investments
    c[Type].toolTip = tr("The %1 of %2 investments that have figures of their own, taken together.")
                          .arg(all.investments)
                          .arg(portfolio.investments.size());
    if (all.investments > 0) {
        c[FirstDate].text = platform::LocaleServices::shortDate(all.firstDate);
        c[LastDate].text = platform::LocaleServices::shortDate(all.lastDate);
        c[Years].text = localised(yearsText(all.years));
        c[LastCurrent].text = platform::LocaleServices::displayAmount(all.lastCurrent);
        c[LossToInflation].text = platform::LocaleServices::displayAmount(all.lossToInflation);
        const QString sum = tr("The sum over the investments that have figures of their own.");
        c[LastCurrent].toolTip = sum;
        c[LossToInflation].toolTip = sum;
    } else {
        for (int column : {FirstDate, LastDate, Years, LastCurrent, LossToInflation})
            c[size_t(column)].toolTip = blankBecause(all.mwrReason);
    }
    c[TwrAnnual].toolTip = noTimeWeightedForAll();
    c[RealTwrAnnual].toolTip = noTimeWeightedForAll();
    percent(c[MwrAnnual], all.mwrAnnual, all.mwrReason);
    percent(c[RealMwrAnnual], all.realMwrAnnual, all.realReason);
    if (!c[RealMwrAnnual].text.isEmpty())
        //: %1 a date, %2 the name of a price index
        c[RealMwrAnnual].toolTip = tr("Each sum of money counted in prices of %1 by the price index %2.")
                                       .arg(platform::LocaleServices::shortDate(all.firstDate), all.series);
    else if (!all.series.isEmpty())
        c[RealMwrAnnual].toolTip += QLatin1Char(' ') + tr("Price index: %1.").arg(all.series);
    rows.push_back(std::move(row));

    beginResetModel();
    m_rows = std::move(rows);
    endResetModel();
}

QString PortfolioModel::noTimeWeightedForAll()
{
    return tr("No time-weighted figure for all investments together: the investments' records fall on "
              "different dates, so there are no common intervals to link. The money-weighted figures "
              "cover them all.");
}

int PortfolioModel::rowCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : int(m_rows.size());
}

int PortfolioModel::columnCount(const QModelIndex &parent) const
{
    return parent.isValid() ? 0 : ColumnCount;
}

int PortfolioModel::investmentAt(int row) const
{
    return row >= 0 && row < int(m_rows.size()) ? m_rows[size_t(row)].investment : 0;
}

QString PortfolioModel::text(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= ColumnCount)
        return QString();
    return m_rows[size_t(row)].cells[size_t(column)].text;
}

QString PortfolioModel::toolTip(int row, int column) const
{
    if (row < 0 || row >= int(m_rows.size()) || column < 0 || column >= ColumnCount)
        return QString();
    return m_rows[size_t(row)].cells[size_t(column)].toolTip;
}

QVariant PortfolioModel::data(const QModelIndex &index, int role) const
{
    if (!index.isValid() || index.row() >= int(m_rows.size()))
        return QVariant();
    const Row &row = m_rows[size_t(index.row())];
    const Cell &cell = row.cells[size_t(index.column())];
    switch (role) {
    case Qt::DisplayRole:
        return cell.text;
    case Qt::ToolTipRole:
        return cell.toolTip.isEmpty() ? QVariant() : QVariant(cell.toolTip);
    case Qt::TextAlignmentRole:
        return index.column() <= Institution ? QVariant(Qt::AlignLeft | Qt::AlignVCenter)
                                             : QVariant(Qt::AlignRight | Qt::AlignVCenter);
    case Qt::FontRole:
        if (row.investment == 0) {
            QFont bold;
            bold.setBold(true);
            return bold;
        }
        return QVariant();
    case Qt::AccessibleDescriptionRole:
        return cell.toolTip.isEmpty() ? QVariant() : QVariant(cell.toolTip);
    default:
        return QVariant();
    }
}

QString PortfolioModel::headerText(int column)
{
    switch (column) {
    case Type:
        return tr("Type");
    case Institution:
        return tr("Institution");
    case FirstDate:
        return tr("First Date");
    case LastDate:
        return tr("Last Date");
    case Years:
        return tr("Years");
    case LastCurrent:
        return tr("Last Current\nAmount");
    case LossToInflation:
        return tr("Total Loss\nto Inflation");
    case TwrAnnual:
        return tr("Time-Weighted\nPer Year (%)");
    case RealTwrAnnual:
        return tr("Time-Weighted\nAfter Inflation (%)");
    case MwrAnnual:
        return tr("Money-Weighted\nPer Year (%)");
    case RealMwrAnnual:
        return tr("Money-Weighted\nAfter Inflation (%)");
    default:
        return QString();
    }
}

QString PortfolioModel::headerToolTip(int column)
{
    QString text;
    switch (column) {
    case Type:
        text = tr("The type of investment, as entered in its investment record.");
        break;
    case Institution:
        text = tr("The institution that holds the investment.");
        break;
    case FirstDate:
        text = tr("The date of the first record with both amounts above zero: the records the "
                  "figures count.");
        break;
    case LastDate:
        text = tr("The date of the last record with both amounts above zero.");
        break;
    case Years:
        text = tr("The time from the first to the last date, in years of 365.25 days.");
        break;
    case LastCurrent:
        text = tr("The current amount of the last record counted. For all investments, the sum of "
                  "those amounts.");
        break;
    case LossToInflation:
        text = tr("What inflation took, added up over the records: each record's Loss To Inflation, "
                  "counted once (a record without an inflation rate adds nothing).");
        break;
    case TwrAnnual:
        text = tr("How much the investment itself grew a year, leaving out the money you added or took "
                  "out: the return of each interval between records, linked together and spread over "
                  "the years. Given for a year or more of records.");
        break;
    case RealTwrAnnual:
        text = tr("The same growth a year once the inflation rates of the records are taken out. Above "
                  "zero, the investment beat inflation; below zero, inflation won.");
        break;
    case MwrAnnual:
        text = tr("The yearly rate your money earned, counting when you added or took out money, as a "
                  "bank quotes interest on a savings account.");
        break;
    case RealMwrAnnual:
        text = tr("The same rate after inflation: above zero, your savings beat inflation. For all "
                  "investments, every sum is counted in prices of the first date by the price index "
                  "chosen under View, Price Index.");
        break;
    default:
        return QString();
    }
    return text + QLatin1Char('\n') + tr(GuideHint);
}

QVariant PortfolioModel::headerData(int section, Qt::Orientation orientation, int role) const
{
    if (orientation == Qt::Vertical) {
        if (role == Qt::DisplayRole && section >= 0 && section < int(m_rows.size())) {
            const int investment = m_rows[size_t(section)].investment;
            return investment > 0 ? QVariant(QString::number(investment)) : QVariant(QString());
        }
        if (role == Qt::ToolTipRole && section >= 0 && section < int(m_rows.size()) &&
            m_rows[size_t(section)].investment > 0)
            //: %1 the investment's number
            return tr("Investment record %1: Enter or a double click shows it in the main window.")
                .arg(m_rows[size_t(section)].investment);
        return QVariant();
    }
    if (role == Qt::DisplayRole)
        return headerText(section);
    if (role == Qt::ToolTipRole)
        return headerToolTip(section);
    return QVariant();
}
