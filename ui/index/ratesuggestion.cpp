#include "ui/index/ratesuggestion.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/locale.h"
#include "storage/datafolder.h"
#include "storage/histlookup.h"
#include "storage/priceindexstore.h"
#include "ui/boxtext.h"
#include "ui/index/priceindexchoice.h"

#include <QFontMetrics>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

#include <algorithm>
#include <cmath>
#include <limits>

using namespace modPlMainMod;

namespace ui::index {

namespace {

// A button as narrow as its caption allows (the style's usual minimum width would take the
// room the line needs to be read whole).
void fitToCaption(QPushButton *button)
{
    const QFontMetrics metrics = button->fontMetrics();
    QString caption = button->text();
    caption.remove(QLatin1Char('&'));
    button->setFixedWidth(metrics.horizontalAdvance(caption) + metrics.averageCharWidth() * 3);
}

} // namespace

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
    cmdFinerSeries = new QPushButton(this);
    cmdFinerSeries->setObjectName(QStringLiteral("cmdFinerSeries"));
    cmdFinerSeries->setFocusPolicy(Qt::NoFocus);
    cmdFinerSeries->setAutoDefault(false);
    cmdFinerSeries->hide();
    cmdUseRate = new QPushButton(tr("&Use"), this);
    cmdUseRate->setObjectName(QStringLiteral("cmdUseRate"));
    // Outside the dialog's Tab order; Alt+U reaches it.
    cmdUseRate->setFocusPolicy(Qt::NoFocus);
    cmdUseRate->setAutoDefault(false);
    cmdUseRate->setEnabled(false);
    fitToCaption(cmdUseRate);
    layout->addWidget(lblRateSuggestion, 1);
    layout->addWidget(cmdFinerSeries, 0);
    layout->addWidget(cmdUseRate, 0);
    connect(cmdUseRate, &QPushButton::clicked, this, &RateSuggestion::use);
    connect(cmdFinerSeries, &QPushButton::clicked, this, &RateSuggestion::switchToFiner);
}

void RateSuggestion::start()
{
    // The records before the new or edited one in the investment's file order: for Add
    // all of them, for Insert up to the chosen one (the new record goes after it), for Edit
    // those before the chosen one.
    int records = -1;
    if (strOperation == QLatin1String("INSERT"))
        records = intSelRecNum;
    else if (strOperation == QLatin1String("EDIT"))
        records = std::max(intSelRecNum - 1, 0);
    m_before = storage::findRateBase(storage::programFile(storage::HistFileName), intInvestRecNum, records);
    loadSeries();

    if (!m_started) {
        m_started = true;
        connect(m_dateBox, &QLineEdit::textChanged, this, &RateSuggestion::refresh);
    }
    refresh();
}

void RateSuggestion::loadSeries()
{
    const QString name = currentPriceIndexName();
    QString error;
    m_noIndex.clear();
    m_finer.clear();
    if (!storage::loadPriceIndex(name, m_index, error))
        //: %1 why the price index cannot be read
        m_noIndex = tr("No suggestion: %1").arg(error);
    else if (m_index.kind == PriceIndex::Kind::Annual)
        m_finer = storage::finerPriceIndexName(m_index.country);

    PriceIndex finer;
    if (!m_finer.isEmpty() && storage::loadPriceIndex(m_finer, finer, error)) {
        const QString frequency = PriceIndex::kindText(finer.kind);
        cmdFinerSeries->setText(finer.kind == PriceIndex::Kind::Monthly ? tr("&Monthly") : tr("&Quarterly"));
        fitToCaption(cmdFinerSeries);
        //: %1 the frequency (monthly, quarterly), %2 the series' title, %3 its name
        cmdFinerSeries->setToolTip(
            tr("Suggest rates from the %1 %2 (%3) instead of annual averages").arg(frequency, finer.title, finer.name));
        //: %1 the frequency (monthly, quarterly), %2 the series' title
        cmdFinerSeries->setAccessibleName(tr("Use the %1 series %2").arg(frequency, finer.title));
        cmdFinerSeries->show();
    } else {
        m_finer.clear();
        cmdFinerSeries->hide();
    }
}

void RateSuggestion::switchToFiner()
{
    if (m_finer.isEmpty())
        return;
    // The same choice View, Price Index makes: the tools and later records follow it too.
    setCurrentPriceIndexName(m_finer);
    loadSeries();
    refresh();
}

namespace {

// What the rate box takes when Done reads it (frmNewEditData::LoadValues): a number that
// fits a Single. A larger one would end in an overflow error, so Use never offers it.
bool fitsRateBox(const QString &text)
{
    try {
        const double value = platform::LocaleServices::val(text);
        return std::isfinite(value) && std::fabs(value) <= double(std::numeric_limits<Single>::max());
    } catch (const RuntimeError &) {
        return false;
    }
}

} // namespace

void RateSuggestion::refresh()
{
    m_rateText.clear();
    QString line;
    QString tip; // when the line leaves out what the tooltip says
    Date date;
    if (!m_noIndex.isEmpty()) {
        line = m_noIndex;
    } else if (m_before.badLine > 0) {
        //: %1 a line number
        line = tr("No suggestion: line %1 of the data records cannot be read.").arg(m_before.badLine);
    } else if (m_before.base.recordsPassed() == 0) {
        line = tr("No suggestion for the investment's first record.");
    } else if (!m_before.base.found()) {
        line = tr("No suggestion: no earlier record has both amounts above 0.");
    } else if (!platform::LocaleServices::dateValue(m_dateBox->text(), date)) {
        line = tr("No suggestion until the Date box holds a date.");
    } else {
        const SuggestedRate suggested = suggestRate(m_index, m_before.base, date);
        const QString since = platform::LocaleServices::shortDate(suggested.since);
        switch (suggested.outcome) {
        case SuggestedRate::Outcome::Rate:
            if (fitsRateBox(suggested.rate.text())) {
                m_rateText = suggested.rate.text();
                if (m_index.kind == PriceIndex::Kind::Annual)
                // Without the series' title, which would push the warning out of sight; the
                // tooltip names it.
                {
                    //: %1 a rate in percent, %2 a date
                    line = tr("About %1 % since %2, from annual averages").arg(m_rateText, since);
                    tip = QStringLiteral("%1: %2").arg(m_index.title, line);
                } else if (suggested.rate.provisional)
                    //: %1 the series' title, %2 a rate in percent, %3 a date
                    line = tr("%1: %2 % since %3, provisional").arg(m_index.title, m_rateText, since);
                else
                    //: %1 the series' title, %2 a rate in percent, %3 a date
                    line = tr("%1: %2 % since %3").arg(m_index.title, m_rateText, since);
            } else {
                //: %1 a rate in percent
                line = tr("No suggestion: %1 % is too large for the rate box.")
                           .arg(QString::number(suggested.rate.exact, 'g', 3));
            }
            break;
        case SuggestedRate::Outcome::BeforeBase:
            //: %1 a date
            line = tr("No suggestion: the date is before %1, where the rate would start.").arg(since);
            break;
        case SuggestedRate::Outcome::NoRate:
            //: %1 why no rate can be given
            line = tr("No suggestion: %1").arg(suggested.rate.reason);
            break;
        case SuggestedRate::Outcome::FirstRecord:
        case SuggestedRate::Outcome::NothingCounted:
            break; // answered above
        }
    }
    lblRateSuggestion->setText(line);
    lblRateSuggestion->setToolTip(tip.isEmpty() ? line : tip);
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
    ui::setBoxText(m_rateBox, m_rateText);
}

} // namespace ui::index
