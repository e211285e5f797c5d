#pragma once

#include "core/priceindex.h"
#include "core/valuetypes.h"

#include <QWidget>

class QLabel;
class QLineEdit;
class QPushButton;

namespace ui::index {

// The line under the data record dialog's entry boxes that suggests the inflation rate
// since the investment's previous record, from the chosen price index. Nothing reaches
// the rate box unless the user presses Use.
class RateSuggestion : public QWidget
{
    Q_OBJECT

public:
    RateSuggestion(QWidget *parent, QLineEdit *dateBox, QLineEdit *rateBox);

    // Finds the previous record for the mode in hand (strOperation, intInvestRecNum,
    // intSelRecNum), then follows the date box.
    void start();
    void refresh();

    QString text() const;
    bool canUse() const;

    QLabel *lblRateSuggestion = nullptr;
    QPushButton *cmdUseRate = nullptr;

private:
    void use();

    QLineEdit *m_dateBox;
    QLineEdit *m_rateBox;
    bool m_started = false;
    bool m_havePrevious = false;
    Date m_previous;
    QString m_noPrevious; // why there is no previous record to measure from
    PriceIndex m_index;
    QString m_noIndex;  // why the series could not be had
    QString m_rateText; // the figure Use puts into the rate box, empty when none
};

} // namespace ui::index
