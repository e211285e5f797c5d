#include "ui/index/ratesuggestion.h"

#include "core/plmainmod.h"
#include "platform/locale.h"
#include "storage/datafolder.h"
#include "storage/histlookup.h"
#include "storage/priceindexstore.h"
#include "ui/index/priceindexchoice.h"

#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace modPlMainMod;

namespace ui::index {

RateSuggestion::RateSuggestion(QWidget *parent, QLineEdit *dateBox, QLineEdit *rateBox)
    : QWidget(parent), m_dateBox(dateBox), m_rateBox(rateBox)
{
    setObjectName(QStringLiteral("RateSuggestion"));
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(6);
    lblRateSuggestion = new QLabel(this);
    lblRateSuggestion->setObjectName(QStringLiteral("lblRateSuggestion"));
    lblRateSuggestion->setTextFormat(Qt::PlainText);
    lblRateSuggestion->setSizePolicy(QSizePolicy::Ignored, QSizePolicy::Preferred);
    cmdUseRate = new QPushButton(QStringLiteral("&Use"), this);
    cmdUseRate->setObjectName(QStringLiteral("cmdUseRate"));
    // Outside the dialog's Tab order; Alt+U reaches it.
    cmdUseRate->setFocusPolicy(Qt::NoFocus);
    cmdUseRate->setAutoDefault(false);
    cmdUseRate->setEnabled(false);
    layout->addWidget(lblRateSuggestion, 1);
    layout->addWidget(cmdUseRate, 0);
    connect(cmdUseRate, &QPushButton::clicked, this, &RateSuggestion::use);
}

void RateSuggestion::start()
{
    // The record before the new or edited one in the investment's file order: for Add
    // the last, for Insert the chosen one (the new record goes after it), for Edit the
    // one before the chosen.
    int rank = 0;
    if (strOperation == QLatin1String("INSERT"))
        rank = intSelRecNum;
    else if (strOperation == QLatin1String("EDIT"))
        rank = intSelRecNum - 1;
    const storage::HistRecordLookup previous =
        (strOperation == QLatin1String("EDIT") && rank < 1)
            ? storage::HistRecordLookup()
            : storage::findHistRecord(storage::programFile(storage::HistFileName), intInvestRecNum, rank);
    m_havePrevious = previous.found;
    m_previous = previous.date;
    if (previous.badLine > 0)
        m_noPrevious =
            QStringLiteral("No suggestion: line %1 of the data records cannot be read.").arg(previous.badLine);
    else if (!previous.found)
        m_noPrevious = QStringLiteral("No suggestion for the investment's first record.");

    const QString name = currentPriceIndexName();
    QString error;
    if (!storage::loadPriceIndex(name, m_index, error))
        m_noIndex = QStringLiteral("No suggestion: %1").arg(error);

    if (!m_started) {
        m_started = true;
        connect(m_dateBox, &QLineEdit::textChanged, this, &RateSuggestion::refresh);
    }
    refresh();
}

void RateSuggestion::refresh()
{
    m_rateText.clear();
    QString line;
    Date date;
    if (!m_noIndex.isEmpty()) {
        line = m_noIndex;
    } else if (!m_havePrevious) {
        line = m_noPrevious;
    } else if (!platform::LocaleServices::dateValue(m_dateBox->text(), date)) {
        line = QStringLiteral("No suggestion until the Date box holds a date.");
    } else {
        const QDate from = m_previous.toQDate();
        const QDate to = date.toQDate();
        const QString since = platform::LocaleServices::shortDate(m_previous);
        if (to < from) {
            line = QStringLiteral("No suggestion: the date is before the previous record's, %1.").arg(since);
        } else {
            const PriceIndex::RateResult rate = m_index.rate(from, to);
            if (rate.ok) {
                m_rateText = rate.text();
                line = QStringLiteral("%1: %2 % since %3").arg(m_index.title, m_rateText, since);
            } else {
                line = QStringLiteral("No suggestion: %1").arg(rate.reason);
            }
        }
    }
    lblRateSuggestion->setText(line);
    lblRateSuggestion->setToolTip(line);
    cmdUseRate->setEnabled(!m_rateText.isEmpty());
}

QString RateSuggestion::text() const
{
    return lblRateSuggestion->text();
}

bool RateSuggestion::canUse() const
{
    return !m_rateText.isEmpty();
}

void RateSuggestion::use()
{
    if (m_rateText.isEmpty())
        return;
    m_rateBox->setText(m_rateText);
}

} // namespace ui::index
