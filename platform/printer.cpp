#include "platform/printer.h"

#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QFont>
#include <QFontDatabase>
#include <QFontMetricsF>
#include <QPainter>
#include <QPrintDialog>
#include <QPrinter>
#include <memory>
#include <utility>

namespace platform {

// ---- PrintLine -----------------------------------------------------------

namespace {

// The print column (1-based) where the next character of the line goes.
int currentColumn(const QString &line)
{
    return int(line.size()) + 1;
}

void padToColumn(QString &line, int column)
{
    const int missing = column - currentColumn(line);
    if (missing > 0)
        line += QString(missing, QLatin1Char(' '));
}

int zoneStart(int zoneNumber)
{
    return 1 + (zoneNumber - 1) * PrintLine::ZoneWidth;
}

} // namespace

PrintLine &PrintLine::text(const QString &text)
{
    m_line += text;
    return *this;
}

PrintLine &PrintLine::number(long long value)
{
    // Positive numbers keep a blank where the sign would be; every number ends in a blank.
    if (value >= 0)
        m_line += QLatin1Char(' ');
    m_line += QString::number(value);
    m_line += QLatin1Char(' ');
    return *this;
}

PrintLine &PrintLine::number(const QString &formattedNumber)
{
    if (!formattedNumber.startsWith(QLatin1Char('-')))
        m_line += QLatin1Char(' ');
    m_line += formattedNumber;
    m_line += QLatin1Char(' ');
    return *this;
}

PrintLine &PrintLine::nextZone()
{
    // The smallest zone start strictly right of the position.
    const int column = currentColumn(m_line);
    const int zone = (column - 1) / ZoneWidth + 2;
    padToColumn(m_line, zoneStart(zone));
    return *this;
}

PrintLine &PrintLine::zone(int zoneNumber)
{
    const int start = zoneStart(zoneNumber < 1 ? 1 : zoneNumber);
    if (currentColumn(m_line) <= start)
        padToColumn(m_line, start);
    else
        nextZone();
    return *this;
}

PrintLine &PrintLine::column(int columnNumber)
{
    padToColumn(m_line, columnNumber);
    return *this;
}

// ---- Rendering -----------------------------------------------------------

QFont printFont(QPrinter &printer)
{
    QFont font = QFontDatabase::systemFont(QFontDatabase::FixedFont);
    font.setStyleHint(QFont::TypeWriter);
    font.setFixedPitch(true);
    const QString widest(PrintColumns, QLatin1Char('M'));
    const qreal available = printer.width();
    // Nine points where the page allows it, smaller until the widest line fits.
    for (qreal size = 9.0; size >= 4.0; size -= 0.25) {
        font.setPointSizeF(size);
        if (QFontMetricsF(font, &printer).horizontalAdvance(widest) <= available)
            break;
    }
    return font;
}

int renderDocument(QPrinter &printer, const QStringList &lines)
{
    const QFont font = printFont(printer);
    QPainter painter;
    if (!painter.begin(&printer))
        return 0;
    painter.setFont(font);
    const QFontMetricsF metrics(font, &printer);
    const qreal pageHeight = printer.height();
    const qreal lineHeight = metrics.lineSpacing();
    int pages = 1;
    qreal top = 0.0;
    for (const QString &line : lines) {
        if (top > 0.0 && top + lineHeight > pageHeight) {
            printer.newPage();
            ++pages;
            top = 0.0;
        }
        painter.drawText(QPointF(0.0, top + metrics.ascent()), line);
        top += lineHeight;
    }
    painter.end();
    return pages;
}

// ---- The system printer --------------------------------------------------

namespace {

class SystemPrinter : public Printer
{
public:
    bool showPrintDialog(const QString &title, QWidget *parent) override
    {
        QPrintDialog dialog(&printer(), parent);
        dialog.setWindowTitle(title);
        return dialog.exec() == QDialog::Accepted;
    }

    void printLine(const QString &line) override { m_lines.append(line); }

    void endDoc() override
    {
        const QStringList lines = std::exchange(m_lines, QStringList());
        if (lines.isEmpty())
            return;
        if (renderDocument(printer(), lines) == 0)
            showStandardError(482, QCoreApplication::translate("Printer", "Printer error"));
    }

    void killDoc() override { m_lines.clear(); }

private:
    QPrinter &printer()
    {
        if (!m_printer)
            m_printer = std::make_unique<QPrinter>(QPrinter::HighResolution);
        return *m_printer;
    }

    std::unique_ptr<QPrinter> m_printer;
    QStringList m_lines;
};

Printer *g_installed = nullptr;

} // namespace

Printer &Printer::instance()
{
    // Never destroyed, so its QPrinter is not torn down after the application object.
    static SystemPrinter *system = new SystemPrinter;
    return g_installed ? *g_installed : *system;
}

void Printer::setInstance(Printer *printer)
{
    g_installed = printer;
}

} // namespace platform
