#include "ui/accessibility.h"

#include <QAbstractButton>
#include <QAction>
#include <QCoreApplication>
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
    {"frmInvestData", "frmInvestData", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Investments and their data records with the figures computed against inflation")},
    {"frmInvestData", "lblInvestRecord", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Caption of the investment record number")},
    {"frmInvestData", "lblInvestRecNum", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Number of the investment shown")},
    {"frmInvestData", "txtInvestment", QT_TRANSLATE_NOOP("frmInvestData", "Type of investment"), QT_TRANSLATE_NOOP("frmInvestData", "Type of the investment shown; select it and use Edit, Copy to copy it")},
    {"frmInvestData", "txtInstitution", QT_TRANSLATE_NOOP("frmInvestData", "Institution"), QT_TRANSLATE_NOOP("frmInvestData", "Institution that holds the investment shown; select it and use Edit, Copy to copy it")},
    {"frmInvestData", "cmdFirst", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Show the first investment")},
    {"frmInvestData", "cmdPrevious", QT_TRANSLATE_NOOP("frmInvestData", "Previous investment"), QT_TRANSLATE_NOOP("frmInvestData", "Show the investment before this one")},
    {"frmInvestData", "cmdNext", QT_TRANSLATE_NOOP("frmInvestData", "Next investment"), QT_TRANSLATE_NOOP("frmInvestData", "Show the investment after this one")},
    {"frmInvestData", "cmdLast", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Show the last investment")},
    {"frmInvestData", "cmdAddNewRec", QT_TRANSLATE_NOOP("frmInvestData", "Add new investment"), QT_TRANSLATE_NOOP("frmInvestData", "Add a new investment record")},
    {"frmInvestData", "cmdEditRec", QT_TRANSLATE_NOOP("frmInvestData", "Edit investment"), QT_TRANSLATE_NOOP("frmInvestData", "Edit the type and institution of the investment shown")},
    {"frmInvestData", "cmdDeleteRec", QT_TRANSLATE_NOOP("frmInvestData", "Delete investment"), QT_TRANSLATE_NOOP("frmInvestData", "Delete the investment shown and all of its data records")},
    {"frmInvestData", "lblHist", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: data record number")},
    {"frmInvestData", "lblRecNumLabel", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: data record number")},
    {"frmInvestData", "Label1", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: date of the data record")},
    {"frmInvestData", "lblOriginal", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: original amount")},
    {"frmInvestData", "lblOriginalAmount", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: original amount")},
    {"frmInvestData", "Label2", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: current amount")},
    {"frmInvestData", "lblCurrentAmount", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: current amount")},
    {"frmInvestData", "lblIncDec", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: increase or decrease since the previous record")},
    {"frmInvestData", "lblProfitLoss", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: profit or loss")},
    {"frmInvestData", "lblInflRate", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: inflation rate in percent")},
    {"frmInvestData", "lblPercent", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: inflation rate in percent")},
    {"frmInvestData", "lblLossTo", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: loss to inflation")},
    {"frmInvestData", "lblLossToInfl", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: loss to inflation")},
    {"frmInvestData", "lblCurrent", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: current amount adjusted for inflation")},
    {"frmInvestData", "lblCurAmntAFI", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: current amount adjusted for inflation")},
    {"frmInvestData", "lblProfLossAFI", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Column heading: profit or loss adjusted for inflation")},
    {"frmInvestData", "lblPage", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Caption of the page number")},
    {"frmInvestData", "lblPageNum", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Number of the grid page shown")},
    {"frmInvestData", "lblPreviousPg", QT_TRANSLATE_NOOP("frmInvestData", "Previous page"), QT_TRANSLATE_NOOP("frmInvestData", "Show the previous twelve data records (Page Up)")},
    {"frmInvestData", "lblNextPg", QT_TRANSLATE_NOOP("frmInvestData", "Next page"), QT_TRANSLATE_NOOP("frmInvestData", "Show the next twelve data records (Page Down)")},
    {"frmInvestData", "cmdAddNew", QT_TRANSLATE_NOOP("frmInvestData", "Add new data record"), QT_TRANSLATE_NOOP("frmInvestData", "Add a data record at the end of this investment's records")},
    {"frmInvestData", "cmdInsertNew", QT_TRANSLATE_NOOP("frmInvestData", "Insert data record"), QT_TRANSLATE_NOOP("frmInvestData", "Insert a data record before the one chosen in the record list")},
    {"frmInvestData", "cmdDelete", QT_TRANSLATE_NOOP("frmInvestData", "Delete data record"), QT_TRANSLATE_NOOP("frmInvestData", "Delete the data record chosen in the record list")},
    {"frmInvestData", "Record", QT_TRANSLATE_NOOP("frmInvestData", "Data record number"), QT_TRANSLATE_NOOP("frmInvestData", "Choose the data record to edit, insert before or delete")},
    {"frmInvestData", "cmdEdit", QT_TRANSLATE_NOOP("frmInvestData", "Edit data record"), QT_TRANSLATE_NOOP("frmInvestData", "Edit the data record chosen in the record list")},
    {"frmInvestData", "cmdPrint", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Print the page of the grid that is on screen")},
    {"frmInvestData", "cmdDone", nullptr, QT_TRANSLATE_NOOP("frmInvestData", "Close the data files and end the program (Ctrl+Q)")},
    {"frmInvestData", "mnuFile", QT_TRANSLATE_NOOP("frmInvestData", "File"), QT_TRANSLATE_NOOP("frmInvestData", "Backup, password and exit")},
    {"frmInvestData", "mnuEdit", QT_TRANSLATE_NOOP("frmInvestData", "Edit"), QT_TRANSLATE_NOOP("frmInvestData", "Copy the type or institution of the investment")},
    {"frmInvestData", "mnuHelp", QT_TRANSLATE_NOOP("frmInvestData", "Help"), QT_TRANSLATE_NOOP("frmInvestData", "Instructions (F1)")},

    // ---- investment entry dialog
    {"frmInvestEntry", "frmInvestEntry", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Type and institution of an investment record")},
    {"frmInvestEntry", "lblRecNumLbl", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Caption of the investment record number")},
    {"frmInvestEntry", "lblRecNumber", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Number of the investment record")},
    {"frmInvestEntry", "lblInvestType", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Caption of the type of investment")},
    {"frmInvestEntry", "txtInvestment", QT_TRANSLATE_NOOP("frmInvestEntry", "Type of investment"), QT_TRANSLATE_NOOP("frmInvestEntry", "Type of the investment, at most 50 characters")},
    {"frmInvestEntry", "lblInsitution", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Caption of the institution")},
    {"frmInvestEntry", "txtInstitution", QT_TRANSLATE_NOOP("frmInvestEntry", "Institution"), QT_TRANSLATE_NOOP("frmInvestEntry", "Institution that holds the investment, at most 50 characters")},
    {"frmInvestEntry", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Close without saving")},
    {"frmInvestEntry", "cmdDone", nullptr, QT_TRANSLATE_NOOP("frmInvestEntry", "Save the investment record and close")},
    {"frmInvestEntry", "mnuEdit", QT_TRANSLATE_NOOP("frmInvestEntry", "Edit"), QT_TRANSLATE_NOOP("frmInvestEntry", "Copy and paste the type or institution")},

    // ---- data record dialog
    {"frmNewEditData", "frmNewEditData", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Date, amounts and inflation rate of a data record")},
    {"frmNewEditData", "txtRecNumber", QT_TRANSLATE_NOOP("frmNewEditData", "Investment record number"), QT_TRANSLATE_NOOP("frmNewEditData", "Number of the investment this data record belongs to")},
    {"frmNewEditData", "txtInvestment", QT_TRANSLATE_NOOP("frmNewEditData", "Type of investment"), QT_TRANSLATE_NOOP("frmNewEditData", "Type of the investment this data record belongs to")},
    {"frmNewEditData", "txtInstitution", QT_TRANSLATE_NOOP("frmNewEditData", "Institution"), QT_TRANSLATE_NOOP("frmNewEditData", "Institution of the investment this data record belongs to")},
    {"frmNewEditData", "Frame1", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "The values of the data record")},
    {"frmNewEditData", "lblDate", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Caption of the date")},
    {"frmNewEditData", "txtDate", QT_TRANSLATE_NOOP("frmNewEditData", "Date"), QT_TRANSLATE_NOOP("frmNewEditData", "Date of the data record")},
    {"frmNewEditData", "lblOriginalAmount", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Caption of the original amount")},
    {"frmNewEditData", "metOriginalAmount", QT_TRANSLATE_NOOP("frmNewEditData", "Original amount"), QT_TRANSLATE_NOOP("frmNewEditData", "Amount originally invested")},
    {"frmNewEditData", "lblInflRate", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Caption of the inflation rate")},
    {"frmNewEditData", "txtInflRate", QT_TRANSLATE_NOOP("frmNewEditData", "Inflation rate"), QT_TRANSLATE_NOOP("frmNewEditData", "Inflation rate in percent since the previous record; may stay empty")},
    {"frmNewEditData", "lblCurrentAmount", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Caption of the current amount")},
    {"frmNewEditData", "metCurrentAmount", QT_TRANSLATE_NOOP("frmNewEditData", "Current amount"), QT_TRANSLATE_NOOP("frmNewEditData", "Current amount of the investment on this date")},
    {"frmNewEditData", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Close without saving")},
    {"frmNewEditData", "cmdDone", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Save the data record and close")},
    {"frmNewEditData", "mnuEdit", QT_TRANSLATE_NOOP("frmNewEditData", "Edit"), QT_TRANSLATE_NOOP("frmNewEditData", "Cut, copy and paste in the boxes")},
    {"frmNewEditData", "RateSuggestion", QT_TRANSLATE_NOOP("frmNewEditData", "Suggested inflation rate"),
     QT_TRANSLATE_NOOP("frmNewEditData", "The price index's rate since the previous record, or why there is none")},
    {"frmNewEditData", "lblRateSuggestion", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "The suggested rate and the series it comes from")},
    {"frmNewEditData", "cmdFinerSeries", QT_TRANSLATE_NOOP("frmNewEditData", "Finer price index"), QT_TRANSLATE_NOOP("frmNewEditData", "Suggest rates from the country's monthly or quarterly price index instead of annual averages")},
    {"frmNewEditData", "cmdUseRate", nullptr, QT_TRANSLATE_NOOP("frmNewEditData", "Put the suggested rate into the inflation rate box")},

    // ---- start-up
    {"frmPlSplash", "frmPlSplash", QT_TRANSLATE_NOOP("frmPlSplash", "Plumbline 3.5"), QT_TRANSLATE_NOOP("frmPlSplash", "Plumbline is starting")},
    {"frmPlSplash", "Frame1", QT_TRANSLATE_NOOP("frmPlSplash", "Plumbline 3.5"), QT_TRANSLATE_NOOP("frmPlSplash", "Product, version and maker")},
    {"frmPlSplash", "lblQuillmoorSoft", nullptr, QT_TRANSLATE_NOOP("frmPlSplash", "Maker of the program")},
    {"frmPlSplash", "lblProductName", nullptr, QT_TRANSLATE_NOOP("frmPlSplash", "Name of the program")},
    {"frmPlSplash", "Label1", QT_TRANSLATE_NOOP("frmPlSplash", "Trademark"), QT_TRANSLATE_NOOP("frmPlSplash", "Trademark sign")},
    {"frmPlSplash", "lblPlatform", nullptr, QT_TRANSLATE_NOOP("frmPlSplash", "Platform of the program")},
    {"frmPlSplash", "lblVersion", QT_TRANSLATE_NOOP("frmPlSplash", "Version 3.5"), QT_TRANSLATE_NOOP("frmPlSplash", "Version of the program")},
    {"frmPlSplash", "lblCompany", nullptr, QT_TRANSLATE_NOOP("frmPlSplash", "Maker of the program")},
    {"frmPlSplash", "imgLogo", QT_TRANSLATE_NOOP("frmPlSplash", "Plumbline logo"), QT_TRANSLATE_NOOP("frmPlSplash", "A plumb line hanging over a declining chart")},
    {"frmPassword", "frmPassword", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Choose whether the program asks for a password at start-up")},
    {"frmPassword", "lblPasswordQuestion", nullptr, QT_TRANSLATE_NOOP("frmPassword", "The question this window asks")},
    {"frmPassword", "chkPasswordNo", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Check to start the program without a password")},
    {"frmPassword", "lblIfYes", nullptr, QT_TRANSLATE_NOOP("frmPassword", "How to set a password")},
    {"frmPassword", "lblPassword", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Caption of the password box")},
    {"frmPassword", "txtPassword", QT_TRANSLATE_NOOP("frmPassword", "Enter password"), QT_TRANSLATE_NOOP("frmPassword", "The new password")},
    {"frmPassword", "lblPasswordAgain", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Caption of the second password box")},
    {"frmPassword", "txtPasswordAgain", QT_TRANSLATE_NOOP("frmPassword", "Enter password again"), QT_TRANSLATE_NOOP("frmPassword", "The new password once more, to check it")},
    {"frmPassword", "cmdEnter", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Save the choice and go on")},
    {"frmPassword", "cmdReset", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Empty both password boxes")},
    {"frmPassword", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("frmPassword", "Leave without a change")},
    {"frmEnterPassword", "frmEnterPassword", nullptr, QT_TRANSLATE_NOOP("frmEnterPassword", "The program asks for its password")},
    {"frmEnterPassword", "lblEnterPassword", nullptr, QT_TRANSLATE_NOOP("frmEnterPassword", "What to type in the box")},
    {"frmEnterPassword", "txtEnterPassword", QT_TRANSLATE_NOOP("frmEnterPassword", "Password"), QT_TRANSLATE_NOOP("frmEnterPassword", "The password of the program")},
    {"frmEnterPassword", "cmdEnter", nullptr, QT_TRANSLATE_NOOP("frmEnterPassword", "Check the password and open the program")},
    {"frmEnterPassword", "cmdClear", nullptr, QT_TRANSLATE_NOOP("frmEnterPassword", "Empty the password box")},
    {"frmEnterPassword", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("frmEnterPassword", "End the program")},

    // ---- backup and instructions
    {"frmBackupFiles", "frmBackupFiles", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Copy the two data files to another folder")},
    {"frmBackupFiles", "lblBackupDesc", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Which of the data files is being copied")},
    {"frmBackupFiles", "lblBackup", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Caption of the file being copied")},
    {"frmBackupFiles", "txtOrigFile", QT_TRANSLATE_NOOP("frmBackupFiles", "File being copied"), QT_TRANSLATE_NOOP("frmBackupFiles", "The data file that is copied")},
    {"frmBackupFiles", "lblPath", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Caption of the backup folder")},
    {"frmBackupFiles", "txtBackupPath", QT_TRANSLATE_NOOP("frmBackupFiles", "Backup folder"), QT_TRANSLATE_NOOP("frmBackupFiles", "Folder the copy is written to")},
    {"frmBackupFiles", "txtFileName", QT_TRANSLATE_NOOP("frmBackupFiles", "Backup file name"), QT_TRANSLATE_NOOP("frmBackupFiles", "Name of the copy in the backup folder")},
    {"frmBackupFiles", "cmdSave", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Copy the file to the backup folder")},
    {"frmBackupFiles", "cmdExit", nullptr, QT_TRANSLATE_NOOP("frmBackupFiles", "Close the backup window")},
    {"frmInstructions", "frmInstructions", nullptr, QT_TRANSLATE_NOOP("frmInstructions", "How to use the program")},
    {"frmInstructions", "txtInstructions", QT_TRANSLATE_NOOP("frmInstructions", "Instructions"), QT_TRANSLATE_NOOP("frmInstructions", "The instructions; read them with the arrow keys")},
    {"frmInstructions", "cmdExit", nullptr, QT_TRANSLATE_NOOP("frmInstructions", "Close the instructions")},

    // ---- the chart (the plot describes itself: what it shows changes with the investment)
    {"ChartWindow", "ChartWindow", nullptr, QT_TRANSLATE_NOOP("ChartWindow", "The shown investment's current amount against its amount adjusted for inflation")},
    {"ChartWindow", "cmdSavePng", nullptr, QT_TRANSLATE_NOOP("ChartWindow", "Save the chart as a PNG picture")},
    {"ChartWindow", "cmdSavePdf", nullptr, QT_TRANSLATE_NOOP("ChartWindow", "Save the chart as a PDF document")},
    {"ChartWindow", "lblReadout", QT_TRANSLATE_NOOP("ChartWindow", "Figures of the picked record"), QT_TRANSLATE_NOOP("ChartWindow", "No record picked")},
    {"ChartWindow", "lblReturns", QT_TRANSLATE_NOOP("ChartWindow", "Returns of the shown investment"), QT_TRANSLATE_NOOP("ChartWindow", "No returns")},
    // ---- the portfolio (its table's cells speak their figures and, when blank, why)
    {"PortfolioWindow", "PortfolioWindow", nullptr, QT_TRANSLATE_NOOP("PortfolioWindow", "Every investment's returns, nominal and after inflation, and those of all of them")},
    {"PortfolioWindow", "cmdSaveCsv", nullptr, QT_TRANSLATE_NOOP("PortfolioWindow", "Save the table's figures as a CSV file, as plumbline-export --returns writes them")},
    {"PortfolioWindow", "cmdAboutFigures", nullptr, QT_TRANSLATE_NOOP("PortfolioWindow", "Open the user guide, whose section Returns explains the figures (F1)")},
    {"PortfolioWindow", "tblPortfolio", QT_TRANSLATE_NOOP("PortfolioWindow", "Returns of each investment"), QT_TRANSLATE_NOOP("PortfolioWindow", "One row per investment and a last row for all of them; Enter shows the investment in the main window")},
    {"PortfolioWindow", "cmdTableCorner", QT_TRANSLATE_NOOP("PortfolioWindow", "Corner of the table"), QT_TRANSLATE_NOOP("PortfolioWindow", "Rows are picked one at a time, with the arrow keys or a click")},
    {"PortfolioWindow", "stkTable", QT_TRANSLATE_NOOP("PortfolioWindow", "Returns"), QT_TRANSLATE_NOOP("PortfolioWindow", "The table of returns, or why there is none")},
    {"PortfolioWindow", "lblMessage", QT_TRANSLATE_NOOP("PortfolioWindow", "Why there is no table"), QT_TRANSLATE_NOOP("PortfolioWindow", "The reason the figures cannot be shown")},
    {"PortfolioWindow", "lblNote", QT_TRANSLATE_NOOP("PortfolioWindow", "Note on the figures"), QT_TRANSLATE_NOOP("PortfolioWindow", "No note")},
    {"PortfolioWindow", "splitter", QT_TRANSLATE_NOOP("PortfolioWindow", "Table and chart"), QT_TRANSLATE_NOOP("PortfolioWindow", "Drag to share the height between the table and the chart")},

    // ---- report
    {"ReportDialog", "ReportDialog", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Write the data records and their figures to a PDF report")},
    {"ReportDialog", "grpScope", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Which investments the report covers")},
    {"ReportDialog", "optShownInvestment", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Report on the investment the main window shows")},
    {"ReportDialog", "optAllInvestments", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Report on every investment")},
    {"ReportDialog", "lblReportFile", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Caption of the report file box")},
    {"ReportDialog", "txtReportFile", QT_TRANSLATE_NOOP("ReportDialog", "Report file"), QT_TRANSLATE_NOOP("ReportDialog", "Path of the PDF file the report is saved as")},
    {"ReportDialog", "cmdBrowse", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Choose the report file in a file chooser")},
    {"ReportDialog", "cmdCreate", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Write the report and close (Enter)")},
    {"ReportDialog", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("ReportDialog", "Close without writing a report, or stop the report being written (Esc)")},
    {"ReportDialog", "lblProgress", QT_TRANSLATE_NOOP("ReportDialog", "Report progress"), QT_TRANSLATE_NOOP("ReportDialog", "The page the report has reached, of how many")},
    {"ReportDialog", "barProgress", QT_TRANSLATE_NOOP("ReportDialog", "Pages written"), QT_TRANSLATE_NOOP("ReportDialog", "How much of the report is written")},

    // ---- price indexes
    {"PriceIndexDialog", "PriceIndexDialog", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "Choose the price index the data record dialog suggests inflation rates from")},
    {"PriceIndexDialog", "lblIntro", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "What the chosen price index is used for")},
    {"PriceIndexDialog", "txtFilter", QT_TRANSLATE_NOOP("PriceIndexDialog", "Find a series or country"), QT_TRANSLATE_NOOP("PriceIndexDialog", "Show only the series whose name, title, frequency, coverage, publisher or country holds this text")},
    {"PriceIndexDialog", "lstSeries", QT_TRANSLATE_NOOP("PriceIndexDialog", "Price indexes"), QT_TRANSLATE_NOOP("PriceIndexDialog", "The shipped and imported price indexes by country, with their series, frequency, coverage and publisher")},
    {"PriceIndexDialog", "lblSource", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "Where the selected price index comes from: publisher, unit and base, frequency, coverage, the day it was taken and its credit line")},
    {"PriceIndexDialog", "lblProblems", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "Price index files that could not be read")},
    {"PriceIndexDialog", "cmdOK", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "Use the selected price index and close (Enter)")},
    {"PriceIndexDialog", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("PriceIndexDialog", "Close without a change (Esc)")},
    {"ImportPriceIndexDialog", "ImportPriceIndexDialog", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Import a monthly price index from a CSV file")},
    {"ImportPriceIndexDialog", "lblFile", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "The file to import")},
    {"ImportPriceIndexDialog", "lblName", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Caption of the name box")},
    {"ImportPriceIndexDialog", "txtName", QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Name"), QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Name the imported series is kept under; a series of the same name is replaced")},
    {"ImportPriceIndexDialog", "lblCountry", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Caption of the country code box")},
    {"ImportPriceIndexDialog", "txtCountry", QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Country code"), QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Two-letter code of the country the series measures")},
    {"ImportPriceIndexDialog", "lblHint", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "What the file may hold")},
    {"ImportPriceIndexDialog", "cmdImport", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Import the file under this name (Enter)")},
    {"ImportPriceIndexDialog", "cmdCancel", nullptr, QT_TRANSLATE_NOOP("ImportPriceIndexDialog", "Close without importing (Esc)")},
    {"AboutDialog", "AboutDialog", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "The program's version and the sources of its price-index data")},
    {"AboutDialog", "lblProduct", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "Name of the program")},
    {"AboutDialog", "lblVersion", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "Version of the program")},
    {"AboutDialog", "lblSourcesCaption", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "Caption of the price-index sources")},
    {"AboutDialog", "lblSources", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "Where the shipped price indexes come from and under which licences")},
    {"AboutDialog", "cmdOK", nullptr, QT_TRANSLATE_NOOP("AboutDialog", "Close this window (Enter or Esc)")},

    // ---- shared by the windows that have them
    {nullptr, "tbToolBar", QT_TRANSLATE_NOOP("Accessibility", "Toolbar"), QT_TRANSLATE_NOOP("Accessibility", "Buttons for the most used commands")},
    {nullptr, "Line1", QT_TRANSLATE_NOOP("Accessibility", "Separator"), QT_TRANSLATE_NOOP("Accessibility", "Line under the toolbar")},
};
// clang-format on

struct Column
{
    const char *array;
    const char *title;
    const char *description;
};

const Column GridColumns[] = {
    //: Data Rec = data record number
    {"txtRecordNumber", QT_TRANSLATE_NOOP("frmInvestData", "Data Rec"),
     QT_TRANSLATE_NOOP("frmInvestData", "Number of the data record within its investment")},
    {"txtDate", QT_TRANSLATE_NOOP("frmInvestData", "Date"),
     QT_TRANSLATE_NOOP("frmInvestData", "Date of the data record")},
    {"metOriginalAmount", QT_TRANSLATE_NOOP("frmInvestData", "Original Amount"),
     QT_TRANSLATE_NOOP("frmInvestData", "Amount originally invested")},
    {"metCurrentAmount", QT_TRANSLATE_NOOP("frmInvestData", "Current Amount"),
     QT_TRANSLATE_NOOP("frmInvestData", "Current amount on this date")},
    //: Inc/Dec = increase or decrease
    {"metIncDec", QT_TRANSLATE_NOOP("frmInvestData", "Inc/Dec"),
     QT_TRANSLATE_NOOP("frmInvestData", "Increase or decrease since the previous record")},
    {"metProfitLoss", QT_TRANSLATE_NOOP("frmInvestData", "Profit/Loss"),
     QT_TRANSLATE_NOOP("frmInvestData", "Current amount less original amount")},
    {"txtInflRate", QT_TRANSLATE_NOOP("frmInvestData", "Inflation Rate (%)"),
     QT_TRANSLATE_NOOP("frmInvestData", "Inflation rate in percent since the previous record")},
    {"metLossToInfl", QT_TRANSLATE_NOOP("frmInvestData", "Loss To Inflation"),
     QT_TRANSLATE_NOOP("frmInvestData", "What inflation took from the amount since the previous record")},
    //: AFI = adjusted for inflation
    {"metCurAmntAFI", QT_TRANSLATE_NOOP("frmInvestData", "Current Amount AFI"),
     QT_TRANSLATE_NOOP("frmInvestData", "Current amount adjusted for inflation")},
    //: AFI = adjusted for inflation
    {"metProfLossAFI", QT_TRANSLATE_NOOP("frmInvestData", "Profit/Loss AFI"),
     QT_TRANSLATE_NOOP("frmInvestData", "Profit or loss adjusted for inflation")},
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
            //: %1 is a column heading of the data grid, %2 the row number on screen
            apply(cell,
                  QCoreApplication::translate("Accessibility", "%1, row %2")
                      .arg(QCoreApplication::translate("frmInvestData", column.title))
                      .arg(row),
                  //: %1 says what the column holds, %2 is the row number on screen
                  QCoreApplication::translate("Accessibility", "%1, data record on row %2 of the page")
                      .arg(QCoreApplication::translate("frmInvestData", column.description))
                      .arg(row));
            return true;
        }
    }
    return false;
}

// What each toolbar button does, by its action's key.
const Text ToolbarTexts[] = {
    {nullptr, "Save", nullptr, QT_TRANSLATE_NOOP("Toolbar", "Copy the two data files to a backup folder")},
    {nullptr, "New", nullptr, QT_TRANSLATE_NOOP("Toolbar", "Add a new investment record")},
    {nullptr, "Copy", nullptr, QT_TRANSLATE_NOOP("Toolbar", "Copy the type or institution of the investment")},
    {nullptr, "Delete", nullptr,
     QT_TRANSLATE_NOOP("Toolbar", "Delete the shown investment and all of its data records")},
    {nullptr, "Help", nullptr, QT_TRANSLATE_NOOP("Toolbar", "Open the instructions (F1)")},
    {nullptr, "Chart", nullptr,
     QT_TRANSLATE_NOOP(
         "Toolbar",
         "Open the chart of the shown investment's amount against its amount adjusted for inflation (Ctrl+G)")},
    {nullptr, "Portfolio", nullptr,
     QT_TRANSLATE_NOOP(
         "Toolbar",
         "Open the returns of every investment and of all of them, nominal and after inflation (Ctrl+Shift+G)")},
};

QString toolbarButtonText(const QString &description)
{
    //: %1 says what the toolbar button does
    return QCoreApplication::translate("Toolbar", "Toolbar button: %1").arg(description);
}

QString toolbarDescription(const QAction *action)
{
    for (const Text &text : ToolbarTexts) {
        if (action->objectName() == QLatin1String(text.object))
            return toolbarButtonText(QCoreApplication::translate("Toolbar", text.description));
    }
    return toolbarButtonText(plainCaption(action->toolTip()));
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
        const char *context = text->window ? text->window : "Accessibility";
        apply(widget, text->name ? QCoreApplication::translate(context, text->name) : QString(),
              QCoreApplication::translate(context, text->description));
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
            apply(button, QCoreApplication::translate("Accessibility", "Clear"),
                  //: %1 is the name of the text box
                  QCoreApplication::translate("Accessibility", "Empty the %1 box")
                      .arg(box->accessibleName().isEmpty() ? box->placeholderText() : box->accessibleName()));
        }
        return;
    }
    if (auto *menu = qobject_cast<QMenu *>(widget); menu && !menu->title().isEmpty()) {
        apply(menu, plainCaption(menu->title()),
              //: %1 is the menu's title, such as File or Edit
              QCoreApplication::translate("Accessibility", "The %1 menu").arg(plainCaption(menu->title())));
        return;
    }
    if (qobject_cast<QMenuBar *>(widget))
        apply(widget, QCoreApplication::translate("Accessibility", "Menu bar"),
              QCoreApplication::translate("Accessibility", "The menus of this window"));
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
