#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAction>
#include <QLabel>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QRegularExpression>
#include <QToolBar>
#include <QToolButton>

namespace ui::accessibility {

namespace {

struct Text
{
    const char *window; // object name of the window, or nullptr for any window
    const char *object;
    const char *name; // nullptr keeps the caption as the name
    const char *description;
};

// clang-format off
const Text Texts[] = {
    // ---- the investment browser
    {"frmInvestData", "frmInvestData", nullptr, "Investments and their data records with the figures computed against inflation"},
    {"frmInvestData", "lblInvestRecord", nullptr, "Caption of the investment record number"},
    {"frmInvestData", "lblInvestRecNum", nullptr, "Number of the investment shown"},
    {"frmInvestData", "txtInvestment", "Type of investment", "Type of the investment shown; select it and use Edit, Copy to copy it"},
    {"frmInvestData", "txtInstitution", "Institution", "Institution that holds the investment shown; select it and use Edit, Copy to copy it"},
    {"frmInvestData", "cmdFirst", nullptr, "Show the first investment"},
    {"frmInvestData", "cmdPrevious", "Previous investment", "Show the investment before this one"},
    {"frmInvestData", "cmdNext", "Next investment", "Show the investment after this one"},
    {"frmInvestData", "cmdLast", nullptr, "Show the last investment"},
    {"frmInvestData", "cmdAddNewRec", "Add new investment", "Add a new investment record"},
    {"frmInvestData", "cmdEditRec", "Edit investment", "Edit the type and institution of the investment shown"},
    {"frmInvestData", "cmdDeleteRec", "Delete investment", "Delete the investment shown and all of its data records"},
    {"frmInvestData", "lblHist", nullptr, "Column heading: data record number"},
    {"frmInvestData", "lblRecNumLabel", nullptr, "Column heading: data record number"},
    {"frmInvestData", "Label1", nullptr, "Column heading: date of the data record"},
    {"frmInvestData", "lblOriginal", nullptr, "Column heading: original amount"},
    {"frmInvestData", "lblOriginalAmount", nullptr, "Column heading: original amount"},
    {"frmInvestData", "Label2", nullptr, "Column heading: current amount"},
    {"frmInvestData", "lblCurrentAmount", nullptr, "Column heading: current amount"},
    {"frmInvestData", "lblIncDec", nullptr, "Column heading: increase or decrease since the previous record"},
    {"frmInvestData", "lblProfitLoss", nullptr, "Column heading: profit or loss"},
    {"frmInvestData", "lblInflRate", nullptr, "Column heading: inflation rate in percent"},
    {"frmInvestData", "lblPercent", nullptr, "Column heading: inflation rate in percent"},
    {"frmInvestData", "lblLossTo", nullptr, "Column heading: loss to inflation"},
    {"frmInvestData", "lblLossToInfl", nullptr, "Column heading: loss to inflation"},
    {"frmInvestData", "lblCurrent", nullptr, "Column heading: current amount adjusted for inflation"},
    {"frmInvestData", "lblCurAmntAFI", nullptr, "Column heading: current amount adjusted for inflation"},
    {"frmInvestData", "lblProfLossAFI", nullptr, "Column heading: profit or loss adjusted for inflation"},
    {"frmInvestData", "lblPage", nullptr, "Caption of the page number"},
    {"frmInvestData", "lblPageNum", nullptr, "Number of the grid page shown"},
    {"frmInvestData", "lblPreviousPg", "Previous page", "Show the previous twelve data records (Page Up)"},
    {"frmInvestData", "lblNextPg", "Next page", "Show the next twelve data records (Page Down)"},
    {"frmInvestData", "cmdAddNew", "Add new data record", "Add a data record at the end of this investment's records"},
    {"frmInvestData", "cmdInsertNew", "Insert data record", "Insert a data record before the one chosen in the record list"},
    {"frmInvestData", "cmdDelete", "Delete data record", "Delete the data record chosen in the record list"},
    {"frmInvestData", "Record", "Data record number", "Choose the data record to edit, insert before or delete"},
    {"frmInvestData", "cmdEdit", "Edit data record", "Edit the data record chosen in the record list"},
    {"frmInvestData", "cmdPrint", nullptr, "Print the page of the grid that is on screen"},
    {"frmInvestData", "cmdDone", nullptr, "Close the data files and end the program (Ctrl+Q)"},
    {"frmInvestData", "mnuFile", "File", "Backup, password and exit"},
    {"frmInvestData", "mnuEdit", "Edit", "Copy the type or institution of the investment"},
    {"frmInvestData", "mnuHelp", "Help", "Instructions (F1)"},

    // ---- investment entry dialog
    {"frmInvestEntry", "frmInvestEntry", nullptr, "Type and institution of an investment record"},
    {"frmInvestEntry", "lblRecNumLbl", nullptr, "Caption of the investment record number"},
    {"frmInvestEntry", "lblRecNumber", nullptr, "Number of the investment record"},
    {"frmInvestEntry", "lblInvestType", nullptr, "Caption of the type of investment"},
    {"frmInvestEntry", "txtInvestment", "Type of investment", "Type of the investment, at most 50 characters"},
    {"frmInvestEntry", "lblInsitution", nullptr, "Caption of the institution"},
    {"frmInvestEntry", "txtInstitution", "Institution", "Institution that holds the investment, at most 50 characters"},
    {"frmInvestEntry", "cmdCancel", nullptr, "Close without saving"},
    {"frmInvestEntry", "cmdDone", nullptr, "Save the investment record and close"},
    {"frmInvestEntry", "mnuEdit", "Edit", "Copy and paste the type or institution"},

    // ---- data record dialog
    {"frmNewEditData", "frmNewEditData", nullptr, "Date, amounts and inflation rate of a data record"},
    {"frmNewEditData", "txtRecNumber", "Investment record number", "Number of the investment this data record belongs to"},
    {"frmNewEditData", "txtInvestment", "Type of investment", "Type of the investment this data record belongs to"},
    {"frmNewEditData", "txtInstitution", "Institution", "Institution of the investment this data record belongs to"},
    {"frmNewEditData", "Frame1", nullptr, "The values of the data record"},
    {"frmNewEditData", "lblDate", nullptr, "Caption of the date"},
    {"frmNewEditData", "txtDate", "Date", "Date of the data record"},
    {"frmNewEditData", "lblOriginalAmount", nullptr, "Caption of the original amount"},
    {"frmNewEditData", "metOriginalAmount", "Original amount", "Amount originally invested"},
    {"frmNewEditData", "lblInflRate", nullptr, "Caption of the inflation rate"},
    {"frmNewEditData", "txtInflRate", "Inflation rate", "Inflation rate in percent since the previous record; may stay empty"},
    {"frmNewEditData", "lblCurrentAmount", nullptr, "Caption of the current amount"},
    {"frmNewEditData", "metCurrentAmount", "Current amount", "Current amount of the investment on this date"},
    {"frmNewEditData", "cmdCancel", nullptr, "Close without saving"},
    {"frmNewEditData", "cmdDone", nullptr, "Save the data record and close"},
    {"frmNewEditData", "mnuEdit", "Edit", "Cut, copy and paste in the boxes"},
    {"frmNewEditData", "RateSuggestion", "Suggested inflation rate",
     "The price index's rate since the previous record, or why there is none"},
    {"frmNewEditData", "lblRateSuggestion", nullptr, "The suggested rate and the series it comes from"},
    {"frmNewEditData", "cmdFinerSeries", "Finer price index", "Suggest rates from the country's monthly or quarterly price index instead of annual averages"},
    {"frmNewEditData", "cmdUseRate", nullptr, "Put the suggested rate into the inflation rate box"},

    // ---- start-up
    {"frmPlSplash", "frmPlSplash", "Plumbline 3.5", "Plumbline is starting"},
    {"frmPlSplash", "Frame1", "Plumbline 3.5", "Product, version and maker"},
    {"frmPlSplash", "lblQuillmoorSoft", nullptr, "Maker of the program"},
    {"frmPlSplash", "lblProductName", nullptr, "Name of the program"},
    {"frmPlSplash", "Label1", "Trademark", "Trademark sign"},
    {"frmPlSplash", "lblPlatform", nullptr, "Platform of the program"},
    {"frmPlSplash", "lblVersion", "Version 3.5", "Version of the program"},
    {"frmPlSplash", "lblCompany", nullptr, "Maker of the program"},
    {"frmPlSplash", "imgLogo", "Plumbline logo", "A plumb line hanging over a declining chart"},
    {"frmPassword", "frmPassword", nullptr, "Choose whether the program asks for a password at start-up"},
    {"frmPassword", "lblPasswordQuestion", nullptr, "The question this window asks"},
    {"frmPassword", "chkPasswordNo", nullptr, "Check to start the program without a password"},
    {"frmPassword", "lblIfYes", nullptr, "How to set a password"},
    {"frmPassword", "lblPassword", nullptr, "Caption of the password box"},
    {"frmPassword", "txtPassword", "Enter password", "The new password"},
    {"frmPassword", "lblPasswordAgain", nullptr, "Caption of the second password box"},
    {"frmPassword", "txtPasswordAgain", "Enter password again", "The new password once more, to check it"},
    {"frmPassword", "cmdEnter", nullptr, "Save the choice and go on"},
    {"frmPassword", "cmdReset", nullptr, "Empty both password boxes"},
    {"frmPassword", "cmdCancel", nullptr, "Leave without a change"},
    {"frmEnterPassword", "frmEnterPassword", nullptr, "The program asks for its password"},
    {"frmEnterPassword", "lblEnterPassword", nullptr, "What to type in the box"},
    {"frmEnterPassword", "txtEnterPassword", "Password", "The password of the program"},
    {"frmEnterPassword", "cmdEnter", nullptr, "Check the password and open the program"},
    {"frmEnterPassword", "cmdClear", nullptr, "Empty the password box"},
    {"frmEnterPassword", "cmdCancel", nullptr, "End the program"},

    // ---- backup and instructions
    {"frmBackupFiles", "frmBackupFiles", nullptr, "Copy the two data files to another folder"},
    {"frmBackupFiles", "lblBackupDesc", nullptr, "Which of the data files is being copied"},
    {"frmBackupFiles", "lblBackup", nullptr, "Caption of the file being copied"},
    {"frmBackupFiles", "txtOrigFile", "File being copied", "The data file that is copied"},
    {"frmBackupFiles", "lblPath", nullptr, "Caption of the backup folder"},
    {"frmBackupFiles", "txtBackupPath", "Backup folder", "Folder the copy is written to"},
    {"frmBackupFiles", "txtFileName", "Backup file name", "Name of the copy in the backup folder"},
    {"frmBackupFiles", "cmdSave", nullptr, "Copy the file to the backup folder"},
    {"frmBackupFiles", "cmdExit", nullptr, "Close the backup window"},
    {"frmInstructions", "frmInstructions", nullptr, "How to use the program"},
    {"frmInstructions", "txtInstructions", "Instructions", "The instructions; read them with the arrow keys"},
    {"frmInstructions", "cmdExit", nullptr, "Close the instructions"},

    // ---- the chart (the plot describes itself: what it shows changes with the investment)
    {"ChartWindow", "ChartWindow", nullptr, "The shown investment's current amount against its amount adjusted for inflation"},
    {"ChartWindow", "cmdSavePng", nullptr, "Save the chart as a PNG picture"},
    {"ChartWindow", "cmdSavePdf", nullptr, "Save the chart as a PDF document"},
    {"ChartWindow", "lblReadout", "Figures of the picked record", "No record picked"},
    {"ChartWindow", "lblReturns", "Returns of the shown investment", "No returns"},
    // ---- the portfolio (its table's cells speak their figures and, when blank, why)
    {"PortfolioWindow", "PortfolioWindow", nullptr, "Every investment's returns, nominal and after inflation, and those of all of them"},
    {"PortfolioWindow", "cmdSaveCsv", nullptr, "Save the table's figures as a CSV file, as plumbline-export --returns writes them"},
    {"PortfolioWindow", "cmdAboutFigures", nullptr, "Open the user guide, whose section Returns explains the figures (F1)"},
    {"PortfolioWindow", "tblPortfolio", "Returns of each investment", "One row per investment and a last row for all of them; Enter shows the investment in the main window"},
    {"PortfolioWindow", "cmdTableCorner", "Corner of the table", "Rows are picked one at a time, with the arrow keys or a click"},
    {"PortfolioWindow", "stkTable", "Returns", "The table of returns, or why there is none"},
    {"PortfolioWindow", "lblMessage", "Why there is no table", "The reason the figures cannot be shown"},
    {"PortfolioWindow", "lblNote", "Note on the figures", "No note"},
    {"PortfolioWindow", "splitter", "Table and chart", "Drag to share the height between the table and the chart"},

    // ---- report
    {"ReportDialog", "ReportDialog", nullptr, "Write the data records and their figures to a PDF report"},
    {"ReportDialog", "grpScope", nullptr, "Which investments the report covers"},
    {"ReportDialog", "optShownInvestment", nullptr, "Report on the investment the main window shows"},
    {"ReportDialog", "optAllInvestments", nullptr, "Report on every investment"},
    {"ReportDialog", "lblReportFile", nullptr, "Caption of the report file box"},
    {"ReportDialog", "txtReportFile", "Report file", "Path of the PDF file the report is saved as"},
    {"ReportDialog", "cmdBrowse", nullptr, "Choose the report file in a file chooser"},
    {"ReportDialog", "cmdCreate", nullptr, "Write the report and close (Enter)"},
    {"ReportDialog", "cmdCancel", nullptr, "Close without writing a report, or stop the report being written (Esc)"},
    {"ReportDialog", "lblProgress", "Report progress", "The page the report has reached, of how many"},
    {"ReportDialog", "barProgress", "Pages written", "How much of the report is written"},

    // ---- price indexes
    {"PriceIndexDialog", "PriceIndexDialog", nullptr, "Choose the price index the data record dialog suggests inflation rates from"},
    {"PriceIndexDialog", "lblIntro", nullptr, "What the chosen price index is used for"},
    {"PriceIndexDialog", "txtFilter", "Find a series or country", "Show only the series whose name, title, frequency, coverage, publisher or country holds this text"},
    {"PriceIndexDialog", "lstSeries", "Price indexes", "The shipped and imported price indexes by country, with their series, frequency, coverage and publisher"},
    {"PriceIndexDialog", "lblSource", nullptr, "Where the selected price index comes from: publisher, unit and base, frequency, coverage, the day it was taken and its credit line"},
    {"PriceIndexDialog", "lblProblems", nullptr, "Price index files that could not be read"},
    {"PriceIndexDialog", "cmdOK", nullptr, "Use the selected price index and close (Enter)"},
    {"PriceIndexDialog", "cmdCancel", nullptr, "Close without a change (Esc)"},
    {"ImportPriceIndexDialog", "ImportPriceIndexDialog", nullptr, "Import a monthly price index from a CSV file"},
    {"ImportPriceIndexDialog", "lblFile", nullptr, "The file to import"},
    {"ImportPriceIndexDialog", "lblName", nullptr, "Caption of the name box"},
    {"ImportPriceIndexDialog", "txtName", "Name", "Name the imported series is kept under; a series of the same name is replaced"},
    {"ImportPriceIndexDialog", "lblCountry", nullptr, "Caption of the country code box"},
    {"ImportPriceIndexDialog", "txtCountry", "Country code", "Two-letter code of the country the series measures"},
    {"ImportPriceIndexDialog", "lblHint", nullptr, "What the file may hold"},
    {"ImportPriceIndexDialog", "cmdImport", nullptr, "Import the file under this name (Enter)"},
    {"ImportPriceIndexDialog", "cmdCancel", nullptr, "Close without importing (Esc)"},
    {"AboutDialog", "AboutDialog", nullptr, "The program's version and the sources of its price-index data"},
    {"AboutDialog", "lblProduct", nullptr, "Name of the program"},
    {"AboutDialog", "lblVersion", nullptr, "Version of the program"},
    {"AboutDialog", "lblSourcesCaption", nullptr, "Caption of the price-index sources"},
    {"AboutDialog", "lblSources", nullptr, "Where the shipped price indexes come from and under which licences"},
    {"AboutDialog", "cmdOK", nullptr, "Close this window (Enter or Esc)"},

    // ---- shared by the windows that have them
    {nullptr, "tbToolBar", "Toolbar", "Buttons for the most used commands"},
    {nullptr, "Line1", "Separator", "Line under the toolbar"},
};
// clang-format on

struct Column
{
    const char *array;
    const char *title;
    const char *description;
};

const Column GridColumns[] = {
    {"txtRecordNumber", "Data Rec", "Number of the data record within its investment"},
    {"txtDate", "Date", "Date of the data record"},
    {"metOriginalAmount", "Original Amount", "Amount originally invested"},
    {"metCurrentAmount", "Current Amount", "Current amount on this date"},
    {"metIncDec", "Inc/Dec", "Increase or decrease since the previous record"},
    {"metProfitLoss", "Profit/Loss", "Current amount less original amount"},
    {"txtInflRate", "Inflation Rate (%)", "Inflation rate in percent since the previous record"},
    {"metLossToInfl", "Loss To Inflation", "What inflation took from the amount since the previous record"},
    {"metCurAmntAFI", "Current Amount AFI", "Current amount adjusted for inflation"},
    {"metProfLossAFI", "Profit/Loss AFI", "Profit or loss adjusted for inflation"},
};

QString plainCaption(QString caption)
{
    caption.remove(QRegularExpression(QStringLiteral("&(?!&)")));
    return caption.simplified();
}

void apply(QWidget *widget, const QString &name, const QString &description)
{
    if (!name.isEmpty() && widget->accessibleName() != name)
        widget->setAccessibleName(name);
    if (!description.isEmpty() && widget->accessibleDescription() != description)
        widget->setAccessibleDescription(description);
}

// A grid cell "metCurAmntAFI_2" is "Current Amount AFI, row 3" (rows counted from 1 as on screen).
bool describeGridCell(QWidget *cell)
{
    static const QRegularExpression pattern(QStringLiteral("^([A-Za-z]+)_(\\d+)$"));
    const QRegularExpressionMatch match = pattern.match(cell->objectName());
    if (!match.hasMatch())
        return false;
    for (const Column &column : GridColumns) {
        if (match.captured(1) == QLatin1String(column.array)) {
            const int row = match.captured(2).toInt() + 1;
            apply(cell, QStringLiteral("%1, row %2").arg(QLatin1String(column.title)).arg(row),
                  QStringLiteral("%1, data record on row %2 of the page")
                      .arg(QLatin1String(column.description))
                      .arg(row));
            return true;
        }
    }
    return false;
}

// What each toolbar button does, by its action's key.
const Text ToolbarTexts[] = {
    {nullptr, "Save", nullptr, "Copy the two data files to a backup folder"},
    {nullptr, "New", nullptr, "Add a new investment record"},
    {nullptr, "Copy", nullptr, "Copy the type or institution of the investment"},
    {nullptr, "Delete", nullptr, "Delete the shown investment and all of its data records"},
    {nullptr, "Help", nullptr, "Open the instructions (F1)"},
    {nullptr, "Chart", nullptr,
     "Open the chart of the shown investment's amount against its amount adjusted for inflation (Ctrl+G)"},
    {nullptr, "Portfolio", nullptr,
     "Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)"},
};

QString toolbarDescription(const QAction *action)
{
    for (const Text &text : ToolbarTexts) {
        if (action->objectName() == QLatin1String(text.object))
            return QStringLiteral("Toolbar button: %1").arg(QLatin1String(text.description));
    }
    return QStringLiteral("Toolbar button: %1").arg(plainCaption(action->toolTip()));
}

const Text *find(const QString &window, const QString &object)
{
    for (const Text &text : Texts) {
        if ((!text.window || window == QLatin1String(text.window)) && object == QLatin1String(text.object))
            return &text;
    }
    return nullptr;
}

void describeWidget(const QString &window, QWidget *widget)
{
    if (const Text *text = find(window, widget->objectName())) {
        apply(widget, text->name ? QString::fromUtf8(text->name) : QString(), QString::fromUtf8(text->description));
        return;
    }
    if (describeGridCell(widget))
        return;
    // A toolbar button speaks its tooltip ("Backup Copies"), not its key ("Save").
    if (auto *button = qobject_cast<QToolButton *>(widget)) {
        if (QAction *action = button->defaultAction(); action && !action->toolTip().isEmpty()) {
            apply(button, plainCaption(action->toolTip()), toolbarDescription(action));
            return;
        }
        // The clear button Qt adds to a text box says nothing of itself.
        if (auto *box = qobject_cast<QLineEdit *>(button->parentWidget()); box && box->isClearButtonEnabled()) {
            apply(button, QStringLiteral("Clear"),
                  QStringLiteral("Empty the %1 box")
                      .arg(box->accessibleName().isEmpty() ? box->placeholderText() : box->accessibleName()));
        }
        return;
    }
    if (auto *menu = qobject_cast<QMenu *>(widget); menu && !menu->title().isEmpty()) {
        apply(menu, plainCaption(menu->title()), QStringLiteral("The %1 menu").arg(plainCaption(menu->title())));
        return;
    }
    if (qobject_cast<QMenuBar *>(widget))
        apply(widget, QStringLiteral("Menu bar"), QStringLiteral("The menus of this window"));
}

} // namespace

void describe(QWidget *window)
{
    if (!window)
        return;
    const QString name = window->objectName();
    describeWidget(name, window);
    const QList<QWidget *> children = window->findChildren<QWidget *>();
    for (QWidget *child : children)
        describeWidget(name, child);
}

} // namespace ui::accessibility
