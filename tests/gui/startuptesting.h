#pragma once
// What the start-up tests share: the password setting's place, a fixture with a short splash
// wait and an end of program that only counts, and plain clicks and typing.

#include "appfixture.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmplsplash.h"

#include <QAbstractButton>
#include <QLineEdit>
#include <QtTest>

namespace startuptest {

inline const QString App = QStringLiteral("PLUMBLINE");
inline const QString Section = QStringLiteral("STARTUP");
inline const QString Key = QStringLiteral("txtPasswordPL35");

inline int g_ends = 0;
inline void recordEnd()
{
    ++g_ends;
}

// Test-wide set-up for one test function: a fixture plus a short splash wait and an
// end of program that only counts.
struct StartupFixture
{
    testing::AppFixture app;
    StartupFixture()
    {
        g_ends = 0;
        frmPlSplash::setWaitPasses(1000);
        frmPlSplash::setAfterWaitHook(nullptr);
        frmPlSplash::m_strPlumbline35Password.clear();
        ui::forms::setEndHandler(recordEnd);
        app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")}});
    }
    ~StartupFixture()
    {
        frmPlSplash::setAfterWaitHook(nullptr);
        ui::forms::setEndHandler(nullptr);
    }
    QString stored() { return app.settings().getSetting(App, Section, Key, QStringLiteral("<absent>")); }
    void store(const QString &value) { app.settings().saveSetting(App, Section, Key, value); }
};

inline void settle()
{
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
    QCoreApplication::processEvents();
}

inline void click(QAbstractButton *button)
{
    QVERIFY(button);
    QVERIFY(button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, button->rect().center());
}

inline void typeInto(QLineEdit *box, const QString &text)
{
    box->setFocus();
    box->clear();
    QTest::keyClicks(box, text);
}

} // namespace startuptest
