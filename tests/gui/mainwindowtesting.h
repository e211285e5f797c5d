#pragma once

// Helpers shared by the main window's GUI tests.

#include "appfixture.h"
#include "core/plmainmod.h"
#include "platform/locale.h"
#include "ui/linklabel.h"
#include "ui/main/frminvestdata.h"
#include "ui/maskededit.h"
#include "ui/twips.h"

#include <QComboBox>
#include <QDate>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QStringList>
#include <QTest>

#include <tuple>

namespace mwtest {

inline const QStringList Columns = {QStringLiteral("txtRecordNumber"),   QStringLiteral("txtDate"),
                                    QStringLiteral("metOriginalAmount"), QStringLiteral("metCurrentAmount"),
                                    QStringLiteral("metIncDec"),         QStringLiteral("metProfitLoss"),
                                    QStringLiteral("txtInflRate"),       QStringLiteral("metLossToInfl"),
                                    QStringLiteral("metCurAmntAFI"),     QStringLiteral("metProfLossAFI")};

inline QLineEdit *cell(QWidget *w, const QString &column, int row)
{
    return w->findChild<QLineEdit *>(QStringLiteral("%1_%2").arg(column).arg(row));
}

inline QString cellText(QWidget *w, const QString &column, int row)
{
    QLineEdit *c = cell(w, column, row);
    return c ? c->text() : QStringLiteral("<missing %1_%2>").arg(column).arg(row);
}

// The ten texts of a grid row.
inline QStringList rowTexts(QWidget *w, int row)
{
    QStringList texts;
    for (const QString &column : Columns)
        texts << cellText(w, column, row);
    return texts;
}

inline bool rowEmpty(QWidget *w, int row)
{
    for (const QString &text : rowTexts(w, row))
        if (!text.isEmpty())
            return false;
    return true;
}

// The record numbers shown in the grid, top to bottom, stopping at the first empty row.
inline QStringList shownRecordNumbers(QWidget *w)
{
    QStringList numbers;
    for (int row = 0; row < frmInvestData::GridRows; ++row) {
        const QString text = cellText(w, QStringLiteral("txtRecordNumber"), row);
        if (text.isEmpty())
            break;
        numbers << text;
    }
    return numbers;
}

inline QStringList range(int first, int last)
{
    QStringList numbers;
    for (int n = first; n <= last; ++n)
        numbers << QString::number(n);
    return numbers;
}

inline QPushButton *button(QWidget *w, const char *name)
{
    return w->findChild<QPushButton *>(QLatin1String(name));
}

inline QLabel *label(QWidget *w, const char *name)
{
    return w->findChild<QLabel *>(QLatin1String(name));
}

inline void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

// One data record of investment `invest`, numbered `k` within it, with figures that
// change from record to record so every page differs and the carry matters.
inline QString historyLine(int invest, int k)
{
    const QDate date = QDate(2000, 1, 15).addMonths(k - 1);
    const int original = 10000 + 1000 * (invest - 1);
    const int current = original + 125 * k - (k % 3 == 0 ? 400 : 0) + 7 * invest;
    const QString rate = k % 4 == 0 ? QStringLiteral("0") : QString::number(0.4 * (k % 4) + 0.1 * invest, 'f', 1);
    return QStringLiteral("%1,#%2#,%3,%4,%5")
        .arg(invest)
        .arg(date.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(original)
        .arg(current)
        .arg(rate);
}

inline QStringList historyLines(int invest, int count)
{
    QStringList lines;
    for (int k = 1; k <= count; ++k)
        lines << historyLine(invest, k);
    return lines;
}

// The texts the grid must show for record `k` of the lines given (all of one
// investment, in order), worked out independently by running the calculation over
// the records 1..k from a reset state, as every pass does.
inline QStringList expectedRow(const QStringList &lines, int k)
{
    using namespace modPlMainMod;
    // The window's pass may be in the middle of an investment: keep its carry.
    const auto saved =
        std::make_tuple(dtmRecDate, curOriginalAmount, sngInflRate, curCurrentAmount, curPrevAmount, curIncDec,
                        curProfitLoss, sngInflFraction, curLossToInfl, curCurAmntAFI, curPrevAmntAFI, curProfLossAFI);
    ResetCalcState();
    Single rate = 0;
    Date date;
    Currency original, current;
    for (int n = 1; n <= k; ++n) {
        const QStringList f = lines.at(n - 1).split(QLatin1Char(','));
        const QDate d = QDate::fromString(f.at(1).mid(1, 10), QStringLiteral("yyyy-MM-dd"));
        date = Date::fromQDate(d);
        Currency::parse(QStringView(f.at(2)), original);
        Currency::parse(QStringView(f.at(3)), current);
        rate = f.at(4).toFloat();
        dtmRecDate = date;
        curOriginalAmount = original;
        curCurrentAmount = current;
        sngInflRate = rate;
        if (n == 1)
            curPrevAmount = Currency();
        CalculateRecord();
    }
    auto money = [](Currency c) { return platform::LocaleServices::displayFormat(c.toPlainString()); };
    const QStringList row = {QString::number(k),   QDate(date.toQDate()).toString(QStringLiteral("M/d/yyyy")),
                             money(original),      money(current),
                             money(curIncDec),     money(curProfitLoss),
                             singleToText(rate),   money(curLossToInfl),
                             money(curCurAmntAFI), money(curProfLossAFI)};
    std::tie(dtmRecDate, curOriginalAmount, sngInflRate, curCurrentAmount, curPrevAmount, curIncDec, curProfitLoss,
             sngInflFraction, curLossToInfl, curCurAmntAFI, curPrevAmntAFI, curProfLossAFI) = saved;
    return row;
}

} // namespace mwtest
