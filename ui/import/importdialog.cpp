#include "ui/import/importdialog.h"

#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/historyreader.h"
#include "storage/priceindexstore.h"
#include "storage/recordimport.h"
#include "ui/import/previewmodel.h"
#include "ui/import/windowchange.h"
#include "ui/index/priceindexchoice.h"
#include "ui/startup/formsupport.h"

#include <QCheckBox>
#include <QComboBox>
#include <QDialogButtonBox>
#include <QDir>
#include <QFormLayout>
#include <QGridLayout>
#include <QGroupBox>
#include <QHash>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QTableView>
#include <QVBoxLayout>

namespace ui::import {

namespace {

QString lineList(const QList<int> &lines)
{
    QStringList texts;
    for (int i = 0; i < lines.size() && i < 10; ++i)
        texts << QString::number(lines[i]);
    if (lines.size() > 10)
        texts << QStringLiteral("…");
    return texts.join(QStringLiteral(", "));
}

} // namespace

ImportRecordsDialog::ImportRecordsDialog(QWidget *parent, const MainWindowHooks &hooks, const QString &path,
                                         const recordcsv::CsvTable &table, recordcsv::DateOrder order)
    : QDialog(parent), m_hooks(hooks), m_path(path), m_table(table)
{
    setObjectName(QStringLiteral("ImportRecordsDialog"));
    setWindowTitle(tr("Import Records"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowFlags(windowFlags() & ~Qt::WindowContextHelpButtonHint);
    m_shown = m_hooks.shownInvestment ? m_hooks.shownInvestment() : 0;

    auto *layout = new QVBoxLayout(this);
    lblFile = new QLabel(tr("File: %1").arg(QDir::toNativeSeparators(path)), this);
    lblFile->setObjectName(QStringLiteral("lblFile"));
    lblFile->setTextFormat(Qt::PlainText);
    lblFile->setWordWrap(true);
    layout->addWidget(lblFile);

    // Where the records go.
    auto *target = new QGroupBox(tr("Import into"), this);
    target->setObjectName(QStringLiteral("fraTarget"));
    auto *targetLayout = new QGridLayout(target);
    const QString shownName = m_shown > 0 ? investmentName(m_shown) : QString();
    optShown = new QRadioButton(
        m_shown > 0 ? tr("The investment shown: %1").arg(shownName) : tr("The investment shown (none is)"), target);
    optShown->setObjectName(QStringLiteral("optShown"));
    optNew = new QRadioButton(tr("A &new investment"), target);
    optNew->setObjectName(QStringLiteral("optNew"));
    txtNewType = new QLineEdit(target);
    txtNewType->setObjectName(QStringLiteral("txtNewType"));
    txtNewType->setMaxLength(50);
    txtNewType->setPlaceholderText(tr("Investment (required)"));
    txtNewType->setAccessibleName(tr("Investment"));
    txtNewInstitution = new QLineEdit(target);
    txtNewInstitution->setObjectName(QStringLiteral("txtNewInstitution"));
    txtNewInstitution->setMaxLength(50);
    txtNewInstitution->setPlaceholderText(tr("Institution"));
    txtNewInstitution->setAccessibleName(tr("Institution"));
    targetLayout->addWidget(optShown, 0, 0, 1, 2);
    targetLayout->addWidget(optNew, 1, 0, 1, 2);
    targetLayout->addWidget(txtNewType, 2, 0);
    targetLayout->addWidget(txtNewInstitution, 2, 1);
    layout->addWidget(target);
    optShown->setEnabled(m_shown > 0);
    (m_shown > 0 ? optShown : optNew)->setChecked(true);

    // The columns, as found by the header, each open to a choice by hand.
    auto *columns = new QGroupBox(tr("Columns"), this);
    columns->setObjectName(QStringLiteral("fraColumns"));
    auto *columnLayout = new QFormLayout(columns);
    const recordcsv::ColumnMap found = recordcsv::detectColumns(m_table);
    static const char *const names[recordcsv::FieldCount] = {"cboDate", "cboOriginal", "cboCurrent", "cboRate"};
    for (int f = 0; f < recordcsv::FieldCount; ++f) {
        auto *box = new QComboBox(columns);
        box->setObjectName(QLatin1String(names[f]));
        box->addItem(tr("(none)"), -1);
        for (int c = 0; c < m_table.columnCount; ++c) {
            const QString header = c < m_table.header.size() ? m_table.header[c] : QString();
            box->addItem(header.isEmpty() ? tr("Column %1").arg(c + 1)
                                          : tr("Column %1: %2").arg(c + 1).arg(visibleText(header, 30)),
                         c);
        }
        box->setCurrentIndex(found.column[f] + 1);
        box->setAccessibleName(recordcsv::fieldName(recordcsv::Field(f)));
        cboColumn[size_t(f)] = box;
        columnLayout->addRow(recordcsv::fieldName(recordcsv::Field(f)) + QLatin1Char(':'), box);
    }
    cboDateOrder = new QComboBox(columns);
    cboDateOrder->setObjectName(QStringLiteral("cboDateOrder"));
    cboDateOrder->addItem(tr("Month/Day/Year"), int(recordcsv::DateOrder::MonthFirst));
    cboDateOrder->addItem(tr("Day/Month/Year"), int(recordcsv::DateOrder::DayFirst));
    cboDateOrder->setCurrentIndex(order == recordcsv::DateOrder::DayFirst ? 1 : 0);
    cboDateOrder->setAccessibleName(tr("Dates with slashes"));
    const bool slashDates = recordcsv::findDateOrder(m_table, found).order != recordcsv::DateOrder::IsoOnly;
    columnLayout->addRow(tr("Dates with slashes:"), cboDateOrder);
    cboDateOrder->setVisible(slashDates);
    columnLayout->labelForField(cboDateOrder)->setVisible(slashDates);
    layout->addWidget(columns);

    // Rates from the chosen price index.
    m_seriesName = ui::index::currentPriceIndexName();
    QString seriesError;
    m_seriesLoaded = storage::loadPriceIndex(m_seriesName, m_series, seriesError);
    chkFillRates = new QCheckBox(tr("&Fill missing rates from %1").arg(m_seriesName), this);
    chkFillRates->setObjectName(QStringLiteral("chkFillRates"));
    chkFillRates->setEnabled(m_seriesLoaded);
    chkFillRates->setToolTip(m_seriesLoaded ? tr("Rows without a rate get the rate %1 gives since the "
                                                 "investment's last record with both amounts above 0")
                                                  .arg(m_seriesName)
                                            : seriesError);
    layout->addWidget(chkFillRates);

    m_preview = new PreviewModel(this);
    tblPreview = new QTableView(this);
    tblPreview->setObjectName(QStringLiteral("tblPreview"));
    tblPreview->setModel(m_preview);
    tblPreview->verticalHeader()->hide();
    tblPreview->horizontalHeader()->setStretchLastSection(true);
    tblPreview->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPreview->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPreview->setAccessibleName(tr("Rows of the file"));
    layout->addWidget(tblPreview, 1);

    lblSummary = new QLabel(this);
    lblSummary->setObjectName(QStringLiteral("lblSummary"));
    lblSummary->setTextFormat(Qt::PlainText);
    lblSummary->setWordWrap(true);
    layout->addWidget(lblSummary);

    auto *buttons = new QDialogButtonBox(this);
    cmdImport = buttons->addButton(tr("&Import"), QDialogButtonBox::AcceptRole);
    cmdImport->setObjectName(QStringLiteral("cmdImport"));
    cmdImport->setDefault(true);
    cmdCancel = buttons->addButton(tr("&Cancel"), QDialogButtonBox::RejectRole);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    layout->addWidget(buttons);
    connect(buttons, &QDialogButtonBox::accepted, this, [this] { ui::forms::guard([this] { import(); }); });
    connect(buttons, &QDialogButtonBox::rejected, this, &QDialog::reject);

    for (QComboBox *box : cboColumn)
        connect(box, &QComboBox::currentIndexChanged, this, &ImportRecordsDialog::refresh);
    connect(cboDateOrder, &QComboBox::currentIndexChanged, this, &ImportRecordsDialog::refresh);
    connect(optShown, &QRadioButton::toggled, this, &ImportRecordsDialog::refresh);
    connect(chkFillRates, &QCheckBox::toggled, this, &ImportRecordsDialog::refresh);
    connect(optNew, &QRadioButton::toggled, this, [this](bool on) {
        txtNewType->setEnabled(on);
        txtNewInstitution->setEnabled(on);
    });
    txtNewType->setEnabled(optNew->isChecked());
    txtNewInstitution->setEnabled(optNew->isChecked());
    resize(720, 560);
    refresh();
}

recordcsv::ColumnMap ImportRecordsDialog::chosenColumns() const
{
    recordcsv::ColumnMap map;
    for (int f = 0; f < recordcsv::FieldCount; ++f)
        map.column[f] = cboColumn[size_t(f)]->currentData().toInt();
    return map;
}

recordcsv::DateOrder ImportRecordsDialog::chosenOrder() const
{
    return recordcsv::DateOrder(cboDateOrder->currentData().toInt());
}

void ImportRecordsDialog::refresh()
{
    const recordcsv::ColumnMap columns = chosenColumns();
    std::vector<recordcsv::ImportRow> rows;
    if (columns.complete())
        rows = recordcsv::readRows(m_table, columns, chosenOrder(), recordcsv::findNumberForm(m_table, columns));
    QList<int> badLines;
    for (const recordcsv::ImportRow &row : rows)
        if (!row.ok())
            badLines << row.line;

    // The plan, once every row reads: where each goes, which are there already, the rates.
    storage::RecordChangePlan plan;
    QString planError;
    const bool ready = columns.complete() && !rows.empty() && badLines.isEmpty();
    if (ready) {
        storage::RecordChangeRequest request;
        request.investment = optShown->isChecked() ? m_shown : 0;
        request.newType = QStringLiteral("-"); // named on Import
        for (const recordcsv::ImportRow &row : rows)
            request.records.push_back({row.line, row.date, row.original, row.current, row.rate});
        if (chkFillRates->isChecked() && m_seriesLoaded) {
            request.series = &m_series;
            request.fillIncoming = true;
        }
        try {
            plan = storage::planRecordChanges(storage::programFolder(), request);
        } catch (const storage::HistoryPassError &failure) {
            planError = failure.message();
        } catch (const RuntimeError &error) {
            planError = tr("Error %1: %2").arg(error.number()).arg(error.description());
        }
    }
    QHash<int, const storage::RecordChangePlan::Placed *> added;
    for (const auto &placed : plan.added)
        added.insert(placed.record.line, &placed);

    std::vector<PreviewModel::Row> shown;
    shown.reserve(rows.size());
    for (const recordcsv::ImportRow &row : rows) {
        PreviewModel::Row r;
        r.row = row;
        const auto *placed = added.value(row.line);
        r.placed = placed != nullptr;
        r.taken = placed ? placed->record.rate : row.rate;
        r.duplicate = row.ok() && ready && planError.isEmpty() && !placed;
        shown.push_back(std::move(r));
    }
    m_preview->setRows(std::move(shown));
    tblPreview->resizeColumnsToContents();

    QString summary;
    bool canImport = false;
    if (!columns.complete()) {
        summary = tr("Choose the columns that hold the Date, the Original Amount and the Current Amount.");
    } else if (rows.empty()) {
        summary = tr("The file holds no records.");
    } else if (!badLines.isEmpty()) {
        //: %1 and %2 are counts of rows, %3 a list of line numbers of the file
        if (rows.size() == 1)
            summary = tr("%1 of %2 row cannot be read (line %3): nothing is imported until the file is mended.");
        else if (badLines.size() == 1)
            summary = tr("%1 of %2 rows cannot be read (line %3): nothing is imported until the file is mended.");
        else
            summary = tr("%1 of %2 rows cannot be read (lines %3): nothing is imported until the file is mended.");
        summary = summary.arg(badLines.size()).arg(qsizetype(rows.size())).arg(lineList(badLines));
    } else if (!planError.isEmpty()) {
        summary = planError;
    } else if (plan.added.empty()) {
        summary = rows.size() == 1 ? tr("Nothing to import: the row is already present.")
                                   : tr("Nothing to import: all %1 rows are already present.").arg(rows.size());
    } else {
        //: %1 records in all, %2 of them added after the last record, %3 merged in by their dates
        summary = (plan.added.size() == 1 ? tr("%1 record to import: %2 after the last record, %3 merged by date.")
                                          : tr("%1 records to import: %2 after the last record, %3 merged by date."))
                      .arg(qsizetype(plan.added.size()))
                      .arg(plan.appended)
                      .arg(plan.merged);
        if (plan.duplicates > 0)
            summary += QLatin1Char(' ') +
                       (plan.duplicates == 1 ? tr("%1 row already present.") : tr("%1 rows already present."))
                           .arg(plan.duplicates);
        if (!plan.fills.empty())
            //: %3 is the name of a price index
            summary += QLatin1Char(' ') + tr("%1 of %2 missing rates filled from %3.")
                                              .arg(plan.filledCount())
                                              .arg(plan.fills.size())
                                              .arg(m_seriesName);
        canImport = true;
    }
    lblSummary->setText(summary);
    cmdImport->setEnabled(canImport);
}

void ImportRecordsDialog::import()
{
    if (optNew->isChecked() && txtNewType->text().isEmpty()) {
        // As the investment entry dialog asks for it.
        platform::msgBox(tr("Sorry, there is no entry in 'Investment'. You must make an entry."),
                         platform::MsgIcon::Exclamation);
        txtNewType->setFocus();
        return;
    }
    const recordcsv::ColumnMap columns = chosenColumns();
    storage::RecordChangeRequest request;
    request.investment = optShown->isChecked() ? m_shown : 0;
    request.newType = txtNewType->text();
    request.newInstitution = txtNewInstitution->text();
    for (const recordcsv::ImportRow &row :
         recordcsv::readRows(m_table, columns, chosenOrder(), recordcsv::findNumberForm(m_table, columns))) {
        if (!row.ok())
            return; // the button is off then
        request.records.push_back({row.line, row.date, row.original, row.current, row.rate});
    }
    if (chkFillRates->isChecked() && m_seriesLoaded) {
        request.series = &m_series;
        request.fillIncoming = true;
    }
    storage::RecordChangePlan plan;
    try {
        plan = storage::planRecordChanges(storage::programFolder(), request);
    } catch (const storage::HistoryPassError &failure) {
        platform::msgBox(failure.message(), platform::MsgIcon::Exclamation, platform::MsgButtons::OK,
                         tr("Import Records"));
        return;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return;
    }
    if (applyFromWindow(m_hooks, plan))
        accept();
}

} // namespace ui::import
