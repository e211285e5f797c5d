#pragma once
// The data record dialog opened through the main window on the worked example.
#include "editingtesting.h"

namespace nedtest {

using namespace edtest;

inline const QString WrongEntryText = QStringLiteral("Sorry, wrong entry. Enter only numbers or decimal point.");
inline const QString WrongEntryTitle = QStringLiteral("Wrong Entry");
inline const QString WrongDateText = QStringLiteral("Wrong entry. Please enter a date.");
inline const QString NoOriginalText = QStringLiteral(
    "There is no entry in 'Original Amount'. Please make an entry if you want to\r\ncreate a new record.");
inline const QString NoCurrentText = QStringLiteral(
    "There is no entry in 'Current Amount'. Please make an entry if you want to\r\ncreate a new record.");

// Investment A = 1 and B = 2 with the lines A1, B1, A2, B2, A3.
inline const QStringList Example = {
    historyLine(1, "2001-01-02", "100", "110", "1"),   historyLine(2, "2001-02-03", "200", "210", "0"),
    historyLine(1, "2002-01-02", "100", "120", "1.5"), historyLine(2, "2002-02-03", "200", "220", "2"),
    historyLine(1, "2003-01-02", "100", "130", "2.5"),
};
inline const QString A1 = Example[0], B1 = Example[1], A2 = Example[2], B2 = Example[3], A3 = Example[4];

inline frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments(
        {{QStringLiteral("Fund A"), QStringLiteral("Bank A")}, {QStringLiteral("Fund B"), QStringLiteral("Bank B")}});
    app.writeHistory(Example);
    return app.startMainWindow();
}

// Chooses the record from the Record list as a user does.
inline void choose(frmInvestData *w, int number)
{
    QVERIFY(w->Record->isEnabled());
    QVERIFY(number >= 1 && number <= w->Record->count());
    w->Record->setCurrentIndex(number - 1);
    emit w->Record->activated(number - 1);
    QCoreApplication::processEvents();
}

inline frmNewEditData *openAddNew(frmInvestData *w)
{
    click(w->cmdAddNew);
    return openedDialog<frmNewEditData>();
}

inline frmNewEditData *openForRecord(frmInvestData *w, QPushButton *command, int number)
{
    click(command);
    choose(w, number);
    return openedDialog<frmNewEditData>();
}

inline void fill(frmNewEditData *d, const QString &date, const QString &original, const QString &rate,
                 const QString &current)
{
    typeInto(d->txtDate, date);
    typeInto(d->metOriginalAmount, original);
    typeInto(d->txtInflRate, rate);
    typeInto(d->metCurrentAmount, current);
}

} // namespace nedtest
