#include "core/chartseries.h"

#include <algorithm>
#include <cmath>

void ChartSeries::clear()
{
    m_points.clear();
    m_firstAfi = std::size_t(-1);
    m_drawn = 0;
    m_lossRecords = 0;
    m_gainRecords = 0;
}

void ChartSeries::append(const ChartPoint &point)
{
    if (point.state == PointState::Computed && m_firstAfi == std::size_t(-1))
        m_firstAfi = m_points.size();
    if (point.state != PointState::Skipped) {
        ++m_drawn;
        if (m_firstAfi != std::size_t(-1)) {
            m_lossRecords += point.currentAfi < point.current;
            m_gainRecords += point.current < point.currentAfi;
        }
    }
    m_points.push_back(point);
}

void ChartSeries::setInvestment(int number, const QString &type, const QString &institutionText)
{
    investment = number;
    investType = trimFieldPadding(type);
    institution = trimFieldPadding(institutionText);
}

QString ChartSeries::caption() const
{
    if (investType.isEmpty())
        return institution;
    if (institution.isEmpty())
        return investType;
    return investType + QStringLiteral(", ") + institution;
}

ChartSeries::Emptiness ChartSeries::emptiness() const
{
    if (m_points.empty())
        return Emptiness::NoRecords;
    if (m_drawn == 0)
        return Emptiness::NoAmounts;
    if (m_firstAfi == std::size_t(-1))
        return Emptiness::NoAfi;
    return Emptiness::None;
}

bool ChartSeries::hasAfi(std::size_t i) const
{
    return m_firstAfi != std::size_t(-1) && i >= m_firstAfi && m_points[i].state != PointState::Skipped;
}

ValueRange ChartSeries::dateRange() const
{
    ValueRange range;
    bool first = true;
    for (const ChartPoint &p : m_points) {
        const double serial = std::floor(p.date.serial());
        if (first || serial < range.min)
            range.min = serial;
        if (first || serial > range.max)
            range.max = serial;
        first = false;
    }
    return range;
}

ValueRange ChartSeries::amountRange() const
{
    ValueRange range;
    bool first = true;
    const auto take = [&](Currency amount) {
        const double value = amount.toDouble();
        if (first || value < range.min)
            range.min = value;
        if (first || value > range.max)
            range.max = value;
        first = false;
    };
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        if (!isDrawn(i))
            continue;
        take(m_points[i].original);
        take(m_points[i].current);
        if (hasAfi(i))
            take(m_points[i].currentAfi);
    }
    return range;
}

int ChartSeries::nearestPoint(double serial) const
{
    int best = -1;
    double bestDistance = 0;
    for (std::size_t i = 0; i < m_points.size(); ++i) {
        const double distance = std::fabs(std::floor(m_points[i].date.serial()) - serial);
        // Ties go to the later record, the one drawn on top.
        if (best < 0 || distance <= bestDistance) {
            best = int(i);
            bestDistance = distance;
        }
    }
    return best;
}

QString trimFieldPadding(const QString &text)
{
    qsizetype end = text.size();
    while (end > 0 && (text.at(end - 1) == QLatin1Char(' ') || text.at(end - 1) == QChar()))
        --end;
    qsizetype begin = 0;
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    return text.mid(begin, end - begin);
}
