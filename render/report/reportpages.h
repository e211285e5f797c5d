#pragma once

// The pages of the report: their fonts and tables, the painter side with its footers, and the
// flow of a section's rows down its pages, shared by the count pass and the paint pass.
#include "core/runtimeerror.h"
#include "render/report/reportglyphs.h"
#include "render/report/reporttable.h"
#include "storage/faults.h"
#include "storage/safesavefile.h"

#include <QCoreApplication>
#include <QFont>
#include <QPainter>
#include <QPdfWriter>
#include <QString>

#include <cmath>
#include <functional>

namespace render {

inline const QString FontFamily = QStringLiteral("DejaVu Sans");

inline QFont pointFont(qreal points, bool bold = false)
{
    QFont font(FontFamily);
    font.setPointSizeF(points);
    font.setBold(bold);
    // Any letter spacing turns ligatures off, so text taken from the PDF reads "Profit", not "Proﬁt".
    font.setLetterSpacing(QFont::AbsoluteSpacing, 0.05);
    return font;
}

// Everything about the pages that does not depend on what is on them.
class PageSetup
{
public:
    PageSetup(QPdfWriter &writer, const QList<ReportTable::Column> &summaryColumns,
              const QList<ReportTable::Column> &returnsColumns, const QList<ReportTable::Column> &recordColumns)
        : device(&writer), width(writer.width()), height(writer.height()), title(pointFont(16, true), device),
          heading(pointFont(11.5, true), device), body(pointFont(8.5), device), note(pointFont(7.5), device),
          footer(pointFont(7), device), summary(summaryColumns, pointFont(7.5), pointFont(7, true), device, width),
          returns(returnsColumns, pointFont(7.5), pointFont(7, true), device, width),
          records(recordColumns, pointFont(7.5), pointFont(7, true), device, width)
    {
    }

    qreal pt(qreal points) const { return points * device->logicalDpiY() / 72.0; }

    QPaintDevice *device;
    qreal width;
    qreal height;
    TextWrapper title;
    TextWrapper heading;
    TextWrapper body;
    TextWrapper note;
    TextWrapper footer;
    ReportTable summary;
    ReportTable returns;
    ReportTable records;
};

// The painter side: the page in hand, its footer, the step to the next page.
class Pages
{
public:
    Pages(QPdfWriter &writer, const storage::SafeSaveFile &file, QPainter &painter, const PageSetup &setup, int total,
          QString date, QString folder, std::function<void(int, int)> pageDone)
        : m_writer(writer), m_file(file), m_painter(painter), m_setup(setup), m_total(total),
          m_pageDone(std::move(pageDone)), m_folder(std::move(folder)),
          //: %1 the date the report was made
          m_date(setup.footer, QCoreApplication::translate("Report", "Report of %1").arg(date), setup.width / 2,
                 Qt::AlignLeft),
          m_folderLine(setup.footer, //: %1 a folder
                       QCoreApplication::translate("Report", "Data folder: %1").arg(m_folder), setup.width,
                       Qt::AlignLeft),
          m_footerTop(setup.height - footerHeight(setup, m_folder)),
          m_pageNumberGlyphs(setup.footer.font(), setup.device)
    {
    }

    QPainter &painter() { return m_painter; }
    int number() const { return m_number; }

    void next()
    {
        finishPage();
        if (!m_writer.newPage())
            throw RuntimeError(RuntimeError::DeviceIOError);
        if (m_pageDone)
            m_pageDone(m_number, m_total);
        ++m_number;
    }

    void finishPage()
    {
        // A disk that filled up on an earlier page ends the report here, not pages later.
        m_file.raiseFailure();
        storage::faults::check(storage::faults::Step::Write);
        const qreal top = m_footerTop;
        m_painter.setPen(QPen(Qt::gray, m_setup.pt(0.5)));
        m_painter.drawLine(QPointF(0, top + m_setup.pt(3)), QPointF(m_setup.width, top + m_setup.pt(3)));
        m_painter.setPen(Qt::black);
        const qreal y = top + m_setup.pt(6);
        m_date.draw(m_painter, 0, y);
        drawPageNumber(y);
        m_folderLine.draw(m_painter, 0, y + m_setup.footer.lineHeight());
    }

    static qreal footerHeight(const PageSetup &setup, const QString &folder)
    {
        return setup.pt(6) + setup.footer.lineHeight() +
               setup.footer.height(QCoreApplication::translate("Report", "Data folder: %1").arg(folder), setup.width);
    }

private:
    void drawPageNumber(qreal top)
    {
        //: %1 and %2 page numbers
        const QString text = QCoreApplication::translate("Report", "Page %1 of %2").arg(m_number).arg(m_total);
        const qreal half = m_setup.width / 2;
        // Shaping it on every page took a noticeable share of a long report; the glyph table
        // the record rows use has every character a page number needs.
        const qreal width = m_pageNumberGlyphs.width(text);
        if (width < 0 || width > half) {
            LaidOutText(m_setup.footer, text, half, Qt::AlignRight).draw(m_painter, half, top);
            return;
        }
        QList<quint32> glyphs;
        QList<QPointF> positions;
        m_pageNumberGlyphs.append(text, m_setup.width - width, 0, glyphs, positions);
        m_pageNumberGlyphs.draw(m_painter, QPointF(0, std::round(top + m_setup.footer.metrics().ascent())), glyphs,
                                positions);
    }

    QPdfWriter &m_writer;
    const storage::SafeSaveFile &m_file;
    QPainter &m_painter;
    const PageSetup &m_setup;
    int m_number = 1;
    int m_total;
    std::function<void(int, int)> m_pageDone;
    QString m_folder;
    LaidOutText m_date;
    LaidOutText m_folderLine;
    qreal m_footerTop;
    GlyphCache m_pageNumberGlyphs;
};

// Rows laid down a section's pages. The same code counts the pages (no painter) and paints
// them, so the count in every footer is the count painted.
class SectionFlow
{
public:
    // `continuation` lays the top of a following page from `top` (painting when given a
    // painter) and returns its height.
    using Continuation = std::function<qreal(QPainter *, qreal top)>;

    SectionFlow(Pages *pages, qreal bottom, Continuation continuation)
        : m_pages(pages), m_bottom(bottom), m_continuation(std::move(continuation))
    {
    }

    QPainter *painter() { return m_pages ? &m_pages->painter() : nullptr; }
    qreal y() const { return m_y; }
    void advance(qreal height) { m_y += height; }
    int pages() const { return m_pagesUsed; }

    // The top of a block of `height`, on a new page when it does not fit on this one.
    qreal place(qreal height)
    {
        if (m_y + height > m_bottom && m_rowsOnPage > 0) {
            if (m_pages)
                m_pages->next();
            ++m_pagesUsed;
            m_y = m_continuation(painter(), 0);
            m_rowsOnPage = 0;
        }
        const qreal top = m_y;
        m_y += height;
        ++m_rowsOnPage;
        return top;
    }
    void startRows() { m_rowsOnPage = 0; }
    // A following part of the section tops its pages differently.
    void setContinuation(Continuation continuation) { m_continuation = std::move(continuation); }

private:
    Pages *m_pages;
    qreal m_bottom;
    Continuation m_continuation;
    qreal m_y = 0;
    int m_rowsOnPage = 0;
    int m_pagesUsed = 1;
};

inline qreal drawText(QPainter *painter, const TextWrapper &wrapper, qreal top, qreal width, const QString &text)
{
    if (painter)
        return wrapper.draw(*painter, 0, top, width, text, Qt::AlignLeft);
    return wrapper.height(text, width);
}

} // namespace render
