#pragma once

#include "platform/printer.h"

#include <QString>
#include <QStringList>

namespace platform {

// Prints to a PDF file without a dialog: the lines are laid out exactly as the
// system printer lays them out, with the output going to the file.
class PdfPrinter : public Printer
{
public:
    explicit PdfPrinter(const QString &fileName);

    // No dialog: the title is kept and the print goes ahead.
    bool showPrintDialog(const QString &title, QWidget *parent) override;
    void printLine(const QString &line) override;
    void endDoc() override;
    void killDoc() override;

    const QString &fileName() const { return m_fileName; }
    const QString &lastTitle() const { return m_lastTitle; }
    // Pages of the last document written, 0 when none was written.
    int pagesWritten() const { return m_pages; }

private:
    QString m_fileName;
    QString m_lastTitle;
    QStringList m_lines;
    int m_pages = 0;
};

} // namespace platform
