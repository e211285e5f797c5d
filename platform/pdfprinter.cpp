#include "platform/pdfprinter.h"

#include "platform/messagebox.h"

#include <QCoreApplication>
#include <QPrinter>
#include <utility>

namespace platform {

PdfPrinter::PdfPrinter(const QString &fileName) : m_fileName(fileName) {}

bool PdfPrinter::showPrintDialog(const QString &title, QWidget *parent)
{
    Q_UNUSED(parent);
    m_lastTitle = title;
    return true;
}

void PdfPrinter::printLine(const QString &line)
{
    m_lines.append(line);
}

void PdfPrinter::endDoc()
{
    const QStringList lines = std::exchange(m_lines, QStringList());
    m_pages = 0;
    if (lines.isEmpty())
        return;
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(m_fileName);
    printer.setDocName(m_lastTitle);
    m_pages = renderDocument(printer, lines);
    if (m_pages == 0)
        showStandardError(482, QCoreApplication::translate("Printer", "Printer error"));
}

void PdfPrinter::killDoc()
{
    m_lines.clear();
}

} // namespace platform
