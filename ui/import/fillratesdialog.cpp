#include "ui/import/fillratesdialog.h"

#include "platform/locale.h"
#include "ui/import/windowchange.h"
#include "ui/startup/formsupport.h"

#include <QDialogButtonBox>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTableWidget>
#include <QVBoxLayout>

namespace ui::import {

namespace {

QTableWidgetItem *cell(const QString &text, bool number = false)
{
    auto *item = new QTableWidgetItem(text);
    item->setFlags(Qt::ItemIsEnabled | Qt::ItemIsSelectable);
    if (number)
        item->setTextAlignment(Qt::AlignRight | Qt::AlignVCenter);
    return item;
}

} // namespace

FillRatesDialog::FillRatesDialog(QWidget *parent, const MainWindowHooks &hooks, const QString &title,
                                 const QString &seriesName, const storage::RecordChangePlan &plan)
    : QDialog(parent), m_hooks(hooks), m_plan(plan)
{
    setObjectName(QStringLiteral("FillRatesDialog"));
    setWindowTitle(tr("Fill Missing Rates"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    auto *layout = new QVBoxLayout(this);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    const int filled = plan.filledCount();
    lblSummary->setText(plan.fills.empty()
                            ? tr("Every record of %1 after the first has a rate: there is nothing to fill.").arg(title)
                            : //: %1 and %2 are counts of records, %3 the investment, %4 the name of a price index
                            tr("%1 of the %2 records of %3 without a rate get one from %4. Records that have a rate "
                               "are not changed.")
                                .arg(filled)
                                .arg(plan.fills.size())
                                .arg(title, seriesName));
    layout->addWidget(lblSummary);

    tblRates = new QTableWidget(int(plan.fills.size()), 4, this);
    tblRates->setObjectName(QStringLiteral("tblRates"));
    tblRates->setHorizontalHeaderLabels({tr("Record"), tr("Date"), //: column of the time span a rate covers
                                         tr("Interval"), tr("Suggested Rate")});
    tblRates->verticalHeader()->hide();
    tblRates->horizontalHeader()->setStretchLastSection(true);
    tblRates->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblRates->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblRates->setAccessibleName(tr("Records without a rate"));
    for (int i = 0; i < int(plan.fills.size()); ++i) {
        const storage::RateFill &f = plan.fills[size_t(i)];
        const QString date = platform::LocaleServices::shortDate(f.date);
        tblRates->setItem(i, 0, cell(QString::number(f.record), true));
        tblRates->setItem(i, 1, cell(date));
        tblRates->setItem(i, 2,
                          cell(f.since != Date()
                                   //: a time span from date %1 to date %2
                                   ? tr("%1 to %2").arg(platform::LocaleServices::shortDate(f.since), date)
                                   : QString()));
        tblRates->setItem(i, 3, cell(f.filled ? f.rateText + QStringLiteral(" %") : f.reason, f.filled));
    }
    tblRates->resizeColumnsToContents();
    layout->addWidget(tblRates, 1);

    auto *buttons = new QDialogButtonBox(this);
    cmdApply = buttons->addButton(tr("&Apply"), QDialogButtonBox::AcceptRole);
    cmdApply->setObjectName(QStringLiteral("cmdApply"));
    cmdApply->setDefault(true);
    cmdApply->setEnabled(filled > 0);
    cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ui::forms::guard([this] { apply(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);
    resize(560, 420);
}

void FillRatesDialog::apply()
{
    if (applyFromWindow(m_hooks, m_plan))
        accept();
}

} // namespace ui::import
