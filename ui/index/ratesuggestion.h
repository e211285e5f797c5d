#pragma once

#include "core/priceindex.h"
#include "storage/histlookup.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui::index {

// The line under the data record dialog's entry boxes that suggests the inflation rate
// since the investment's last record before this one that the calculation counts (both
// amounts above 0; see RateBase), from the chosen price index. Nothing reaches the rate
// box unless the user presses Use, and Use offers only a rate the box can hold. A rate from
// annual averages says so, and the line then offers the country's monthly (or quarterly)
// series with one press; a rate that uses a series' newest figures is marked provisional.
class RateSuggestion : public QWidget
{
    Q_OBJECT

public:
    RateSuggestion(QWidget *parent, QLineEdit *dateBox, QLineEdit *rateBox);

    // Reads the records before the one in hand for the mode (strOperation, intInvestRecNum,
    // intSelRecNum), then follows the date box.
    void start();
    void refresh();

    QString text() const;
    bool canUse() const;

    QLabel *lblRateSuggestion = nullptr;
    QPushButton *cmdFinerSeries = nullptr; // shown only while it has a series to offer
    QPushButton *cmdUseRate = nullptr;

private:
    void use();
    void loadSeries();
    void switchToFiner();

    QLineEdit *m_dateBox;
    QLineEdit *m_rateBox;
    bool m_started = false;
    storage::RateBaseLookup m_before; // the records before the one in hand
    PriceIndex m_index;
    QString m_noIndex;  // why the series could not be had
    QString m_finer;    // the monthly or quarterly series offered instead of an annual one
    QString m_rateText; // the figure Use puts into the rate box, empty when none
};

} // namespace ui::index
