#pragma once

#include <QtGlobal>

// Sizes of the chart in points, shared by the parts of InflationChartPainter.
namespace chartsizes {
constexpr qreal Margin = 8;
constexpr qreal TitleSize = 11;
constexpr qreal TextSize = 8;
constexpr qreal TickLength = 3;
constexpr qreal LineWidth = 1.6;
constexpr qreal MarkerRadius = 2.2;
constexpr qreal SparseSpacing = 5; // points per record from which every record gets a marker
} // namespace chartsizes
