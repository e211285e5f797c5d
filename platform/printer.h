#pragma once

#include <QString>
#include <QStringList>

class QFont;
class QPrinter;
class QWidget;

namespace platform {

// Builds one printed line in 14-column print zones (zones start at columns
// 1, 15, 29, ...). Numbers get a sign blank before and a blank after.
class PrintLine
{
public:
    static constexpr int ZoneWidth = 14;

    PrintLine &text(const QString &text);              // joined at the current position
    PrintLine &number(long long value);                // joined, " 5 " or "-5 "
    PrintLine &number(const QString &formattedNumber); // already formatted, gets sign blank rules
    PrintLine &nextZone();                             // to the next zone start right of the position
    PrintLine &zone(int zoneNumber);                   // to the start of zone n (1-based), or the next if passed
    PrintLine &column(int columnNumber);               // to print column n (1-based) if not past it

    const QString &line() const { return m_line; }

private:
    QString m_line;
};

// The printer and its dialog.
class Printer
{
public:
    virtual ~Printer() = default;
    // Shows the print dialog with the given title; false when the user cancels.
    virtual bool showPrintDialog(const QString &title, QWidget *parent) = 0;
    virtual void printLine(const QString &line) = 0;
    virtual void endDoc() = 0;  // sends the document
    virtual void killDoc() = 0; // drops a document in progress

    static Printer &instance();
    static void setInstance(Printer *printer); // nullptr restores the system printer
};

// Widest line a page is laid out for.
constexpr int PrintColumns = 140;

// The fixed-pitch font of printed documents, sized so PrintColumns columns fit the
// printable width of the printer's page.
QFont printFont(QPrinter &printer);
// Prints the lines one per text line from the top of the printable area, starting
// new pages as needed; returns the number of pages, 0 when the printer cannot start.
int renderDocument(QPrinter &printer, const QStringList &lines);

} // namespace platform
