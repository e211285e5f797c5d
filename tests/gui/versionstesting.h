#pragma once

// Helpers shared by the tests of undo, redo and the restores in the windows.

#include "editingtesting.h"

#include "storage/versions.h"
#include "ui/forms.h"
#include "ui/versions/restoreversiondialog.h"

#include <QAction>
#include <QTreeWidget>

namespace vtest {

using namespace edtest;

// Three investments; the second has three records, the others one each.
inline const QList<QPair<QString, QString>> Investments = {
    {QStringLiteral("Savings account"), QStringLiteral("First Bank")},
    {QStringLiteral("Index fund"), QStringLiteral("Second Bank")},
    {QStringLiteral("Bond"), QStringLiteral("Third Bank")},
};

inline const QStringList History = {
    QStringLiteral("1,#2023-01-10#,500,500,0"),        QStringLiteral("2,#2023-02-01#,1000,1000,0"),
    QStringLiteral("2,#2023-06-01#,1000,1040.5,2.5"),  QStringLiteral("3,#2023-07-01#,2000,2000,0"),
    QStringLiteral("2,#2023-12-01#,1000,1100.25,1.5"),
};

struct Pair
{
    QByteArray invest;
    QByteArray history;
    bool operator==(const Pair &other) const { return invest == other.invest && history == other.history; }
    bool operator!=(const Pair &other) const { return !(*this == other); }
};

inline Pair pairIn(const QString &folder)
{
    QFile invest(QDir(folder).filePath(storage::InvestFileName));
    QFile history(QDir(folder).filePath(storage::HistFileName));
    Pair pair;
    if (invest.open(QIODevice::ReadOnly))
        pair.invest = invest.readAll();
    if (history.open(QIODevice::ReadOnly))
        pair.history = history.readAll();
    return pair;
}

inline Pair livePair()
{
    return pairIn(storage::programFolder());
}

inline void writeExample(testing::AppFixture &app)
{
    app.writeInvestments(Investments);
    app.writeHistory(History);
}

inline QAction *undoAction(frmInvestData *w)
{
    return menuItem(w, "mnuEditUndo");
}

inline QAction *redoAction(frmInvestData *w)
{
    return menuItem(w, "mnuEditRedo");
}

// What the main window shows: the investment and every cell of the grid.
inline QString shownState(frmInvestData *w)
{
    QStringList parts{w->lblInvestRecNum->text(), w->txtInvestment->text().trimmed(),
                      w->txtInstitution->text().trimmed()};
    for (int row = 0; row < frmInvestData::GridRows; ++row)
        parts << mwtest::rowTexts(w, row).join(QLatin1Char('|'));
    return parts.join(QLatin1Char('\n'));
}

inline void goTo(frmInvestData *w, int number)
{
    click(w->cmdFirst);
    while (int(modPlMainMod::intInvestRecNum) < number && w->cmdNext->isEnabled())
        click(w->cmdNext);
    QCOMPARE(w->lblInvestRecNum->text(), QString::number(number));
}

inline void chooseRecord(frmInvestData *w, int number)
{
    QVERIFY(w->Record->isEnabled());
    QVERIFY(number >= 1 && number <= w->Record->count());
    w->Record->setCurrentIndex(number - 1);
    emit w->Record->activated(number - 1);
    QCoreApplication::processEvents();
}

inline void pressUndo(frmInvestData *w)
{
    QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier);
    settle();
}

inline void pressRedo(frmInvestData *w, bool shiftZ = false)
{
    if (shiftZ)
        QTest::keyClick(w, Qt::Key_Z, Qt::ControlModifier | Qt::ShiftModifier);
    else
        QTest::keyClick(w, Qt::Key_Y, Qt::ControlModifier);
    settle();
}

// Every window goes and the program starts again on the same folder.
inline frmInvestData *restart(testing::AppFixture &app)
{
    ui::UnloadAllForms();
    settle();
    storage::discardAll();
    modPlMainMod::ResetAll();
    return app.startMainWindow();
}

// The sentence of the newest kept version, dates as the grid writes them.
inline QString newestSentence()
{
    const storage::VersionStore store(storage::programFolder());
    const QList<storage::VersionInfo> versions = store.list();
    return versions.isEmpty() ? QString()
                              : storage::changeSentence(versions.first().change, &RestoreVersionDialog::dateText);
}

} // namespace vtest
