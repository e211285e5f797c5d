// Windows that stay while a handler of theirs runs, and delete questions a held key
// cannot answer.
#include "appfixture.h"

#include "platform/messagebox.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"
#include "ui/tools/frminstructions.h"

#include <QAbstractButton>
#include <QAction>
#include <QApplication>
#include <QComboBox>
#include <QEventLoop>
#include <QKeyEvent>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QTimer>
#include <QtTest>

#include <functional>

using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

namespace {

const QString DeleteInvestText = QStringLiteral("Are you sure you want to Delete this record?\r\n"
                                                "If you delete it, all the corresponding records\r\n"
                                                "In it's data file will be\r\n"
                                                "deleted too.");
const QString DeleteRecordText = QStringLiteral("Are you sure you want to delete this data record?");

constexpr int InvestCount = 4;

QList<QPair<QString, QString>> investments(int count)
{
    QList<QPair<QString, QString>> list;
    for (int n = 1; n <= count; ++n)
        list.append({QStringLiteral("Type %1").arg(n), QStringLiteral("Institution %1").arg(n)});
    return list;
}

// Two lines of every investment, interleaved; without investment `deleted` (and the
// later ones renumbered) when it is given.
QStringList history(int deleted = 0)
{
    QStringList lines;
    for (int round = 0; round < 2; ++round) {
        for (int n = 1; n <= InvestCount; ++n) {
            if (n == deleted)
                continue;
            lines << QStringLiteral("%1,#200%2-0%3-01#,%4,%4,1.5")
                         .arg(deleted && n > deleted ? n - 1 : n)
                         .arg(round)
                         .arg(n)
                         .arg(1000 * n + round);
        }
    }
    return lines;
}

QByteArray bytesOf(const QStringList &lines)
{
    QByteArray bytes;
    for (const QString &line : lines)
        bytes.append(line.toLatin1()).append("\r\n");
    return bytes;
}

QByteArray investBytesWithout(int deleted)
{
    QByteArray bytes;
    int shownAs = 0;
    for (int n = 1; n <= InvestCount; ++n) {
        if (n != deleted)
            bytes.append(testing::investRecordBytes(++shownAs, QStringLiteral("Type %1").arg(n),
                                                    QStringLiteral("Institution %1").arg(n)));
    }
    return bytes;
}

// What a real box does while it is up: its own event loop, where timers fire.
void spinLikeABox(int ms)
{
    QEventLoop loop;
    QTimer::singleShot(ms, &loop, &QEventLoop::quit);
    loop.exec();
    QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
}

void click(QWidget *widget)
{
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
}

// Acts on the real box once it is up, from inside its event loop; whatever happens, the
// box is closed within a few seconds so no test can hang on it.
class RealBoxDriver : public QObject
{
public:
    explicit RealBoxDriver(std::function<void(QMessageBox *)> act) : m_act(std::move(act))
    {
        m_poll.setInterval(20);
        connect(&m_poll, &QTimer::timeout, this, [this] {
            auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
            if (box && box->isVisible() && !m_acting) {
                m_acting = true;
                if (box != m_last) {
                    m_last = box;
                    ++m_boxesSeen;
                }
                m_act(box);
                m_acting = false;
            }
        });
        m_poll.start();
        m_bailOut.setSingleShot(true);
        m_bailOut.setInterval(8000);
        connect(&m_bailOut, &QTimer::timeout, this, [this] {
            m_timedOut = true;
            while (QWidget *modal = QApplication::activeModalWidget())
                modal->close();
        });
        m_bailOut.start();
    }
    int boxesSeen() const { return m_boxesSeen; }
    bool timedOut() const { return m_timedOut; }
    void stop()
    {
        m_poll.stop();
        m_bailOut.stop();
    }

private:
    std::function<void(QMessageBox *)> m_act;
    QTimer m_poll;
    QTimer m_bailOut;
    QPointer<QMessageBox> m_last;
    bool m_acting = false;
    bool m_timedOut = false;
    int m_boxesSeen = 0;
};

// The real message boxes for the life of the object (the fixture's doubles afterwards).
struct RealBoxes
{
    platform::MessageBoxes *doubles = &platform::MessageBoxes::instance();
    RealBoxes() { platform::MessageBoxes::setInstance(nullptr); }
    ~RealBoxes() { platform::MessageBoxes::setInstance(doubles); }
};

void sendKey(QWidget *to, QEvent::Type type, int key, bool autoRepeat)
{
    const QString text = key == Qt::Key_Return ? QStringLiteral("\r") : QString();
    QKeyEvent event(type, key, Qt::NoModifier, text, autoRepeat);
    QApplication::sendEvent(to, &event);
}

} // namespace

class tst_busywindows : public QObject
{
    Q_OBJECT

private slots:
    void exitWaitsForTheDeleteQuestion_data();
    void exitWaitsForTheDeleteQuestion();
    void enterThenDeleteWithTheRealBox();
    void unloadWaitsForTheHandler();
    void deleteQuestionsAskForAFreshKey_data();
    void deleteQuestionsAskForAFreshKey();
    void heldEnterDoesNotAnswerTheDelete_data();
    void heldEnterDoesNotAnswerTheDelete();
};

void tst_busywindows::exitWaitsForTheDeleteQuestion_data()
{
    QTest::addColumn<QString>("exitBy");
    QTest::addColumn<bool>("answerYes");
    QTest::newRow("Enter, then Delete, Yes") << QStringLiteral("enter") << true;
    QTest::newRow("Enter, then Delete, No") << QStringLiteral("enter") << false;
    QTest::newRow("Exit button under the question") << QStringLiteral("button") << false;
    QTest::newRow("File menu Exit under the question") << QStringLiteral("menu") << true;
    QTest::newRow("window frame under the question") << QStringLiteral("frame") << false;
}

// Enter presses Exit a moment later; a click on Delete in between shows the question,
// in whose event loop Exit then arrives. The window and its files stay until the
// question is answered and the delete is done; then the program ends.
void tst_busywindows::exitWaitsForTheDeleteQuestion()
{
    QFETCH(QString, exitBy);
    QFETCH(bool, answerYes);

    testing::AppFixture app;
    app.writeInvestments(investments(InvestCount));
    app.writeHistory(history());
    const QByteArray investBefore = app.investBytes();
    QPointer<frmInvestData> main = app.startMainWindow();
    QVERIFY(main);

    bool windowStayedUnderTheBox = false;
    bool programStayedUnderTheBox = false;
    bool filesUntouchedUnderTheBox = false;
    app.boxes().enqueue(answerYes ? MsgResult::Yes : MsgResult::No);
    app.boxes().setOnShow([&](const platform::MessageBoxCall &call) {
        if (call.text != DeleteInvestText)
            return;
        if (exitBy == QLatin1String("button"))
            click(main->cmdDone);
        else if (exitBy == QLatin1String("menu"))
            main->mnuFileExit->trigger();
        else if (exitBy == QLatin1String("frame"))
            main->close();
        spinLikeABox(400); // Enter's delayed press of Exit fires in here
        windowStayedUnderTheBox = !main.isNull() && main->isVisible() && frmInvestData::instance() == main;
        programStayedUnderTheBox = !app.quitRequested();
        filesUntouchedUnderTheBox = app.investBytes() == investBefore;
    });

    if (exitBy == QLatin1String("enter"))
        QTest::keyClick(main->centralWidget(), Qt::Key_Return);
    click(main->cmdDeleteRec);

    QVERIFY(windowStayedUnderTheBox);
    QVERIFY(programStayedUnderTheBox);
    QVERIFY(filesUntouchedUnderTheBox);
    // Only the question was shown: no error from a file closed under the delete.
    QCOMPARE(app.boxes().texts(), QStringList{DeleteInvestText});

    // Then Exit goes through, once.
    QTRY_VERIFY(app.quitRequested());
    QTRY_VERIFY(main.isNull());
    QCOMPARE(app.quitCount(), 1);
    QCOMPARE(app.boxes().texts(), QStringList{DeleteInvestText});
    if (answerYes) {
        QCOMPARE(app.investBytes(), investBytesWithout(1));
        QCOMPARE(app.historyBytes(), bytesOf(history(1)));
    } else {
        QCOMPARE(app.investBytes(), investBefore);
        QCOMPARE(app.historyBytes(), bytesOf(history()));
    }
}

// The same with the program's own box: the box, a child of the main window, must not be
// destroyed with it while it is up (this aborted with "free(): invalid pointer").
void tst_busywindows::enterThenDeleteWithTheRealBox()
{
    testing::AppFixture app;
    app.writeInvestments(investments(InvestCount));
    app.writeHistory(history());
    const QByteArray investBefore = app.investBytes();
    QPointer<frmInvestData> main = app.startMainWindow();
    QVERIFY(main);
    RealBoxes real;

    QString shownText;
    bool windowStayed = false;
    int waited = 0;
    RealBoxDriver driver([&](QMessageBox *box) {
        shownText = box->text();
        // Well past Enter's delayed press of Exit.
        if (++waited < 25)
            return;
        windowStayed = !main.isNull() && frmInvestData::instance() == main && !app.quitRequested();
        box->button(QMessageBox::No)->click();
    });

    QTest::keyClick(main->centralWidget(), Qt::Key_Return);
    click(main->cmdDeleteRec);
    driver.stop();

    QVERIFY(!driver.timedOut());
    QCOMPARE(shownText, QString(DeleteInvestText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QVERIFY(windowStayed);
    QTRY_VERIFY(app.quitRequested());
    QTRY_VERIFY(main.isNull());
    QCOMPARE(app.investBytes(), investBefore);
    QCOMPARE(app.historyBytes(), bytesOf(history()));
}

// A window unloaded while a handler's box is up is gone from sight at once, but it is
// destroyed only once the handler is done.
void tst_busywindows::unloadWaitsForTheHandler()
{
    testing::AppFixture app;
    app.writeInvestments(investments(1));
    QPointer<frmInvestData> main = app.startMainWindow();
    QVERIFY(main);
    QPointer<frmInstructions> instructions = frmInstructions::Load();
    QVERIFY(instructions);
    main->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(main));

    bool goneFromSight = false;
    bool stillThere = false;
    app.boxes().setOnShow([&](const platform::MessageBoxCall &) {
        frmInstructions::Unload();
        goneFromSight = frmInstructions::instance() == nullptr && instructions && !instructions->isVisible();
        spinLikeABox(100);
        stillThere = !instructions.isNull();
    });
    // Investment 1 has no data records: Edit shows the "No Data Records" box.
    click(main->cmdEdit);
    QCOMPARE(app.boxes().calls().size(), 1);
    QVERIFY(goneFromSight);
    QVERIFY(stillThere);
    QTRY_VERIFY(instructions.isNull());
    QVERIFY(main);
}

void tst_busywindows::deleteQuestionsAskForAFreshKey_data()
{
    QTest::addColumn<bool>("dataRecord");
    QTest::newRow("investment") << false;
    QTest::newRow("data record") << true;
}

// Both delete questions are asked as questions that a held key does not answer, with
// their texts, icon and buttons as always.
void tst_busywindows::deleteQuestionsAskForAFreshKey()
{
    QFETCH(bool, dataRecord);
    testing::AppFixture app;
    app.writeInvestments(investments(InvestCount));
    app.writeHistory(history());
    frmInvestData *main = app.startMainWindow();
    QVERIFY(main);
    app.boxes().enqueue(MsgResult::No);
    if (dataRecord) {
        click(main->cmdDelete);
        QVERIFY(main->Record->isEnabled());
        main->Record->setCurrentIndex(0);
        emit main->Record->activated(0);
    } else {
        click(main->cmdDeleteRec);
    }
    QCOMPARE(app.boxes().calls().size(), 1);
    const platform::MessageBoxCall call = app.boxes().lastCall();
    QCOMPARE(call.text, dataRecord ? DeleteRecordText : DeleteInvestText);
    QCOMPARE(call.title, platform::AppTitle);
    QCOMPARE(call.icon, MsgIcon::Question);
    QCOMPARE(call.buttons, MsgButtons::YesNo);
    QVERIFY(call.confirmsDelete);
    QCOMPARE(app.historyBytes(), bytesOf(history()));
}

void tst_busywindows::heldEnterDoesNotAnswerTheDelete_data()
{
    QTest::addColumn<bool>("dataRecord");
    QTest::newRow("investment") << false;
    QTest::newRow("data record") << true;
}

// Holding Enter on Delete: the first press asks, the repeats that follow do not answer;
// Yes stays the default button, and a fresh press of Enter takes it.
void tst_busywindows::heldEnterDoesNotAnswerTheDelete()
{
    QFETCH(bool, dataRecord);
    testing::AppFixture app;
    app.writeInvestments(investments(InvestCount));
    app.writeHistory(history());
    const QByteArray investBefore = app.investBytes();
    QPointer<frmInvestData> main = app.startMainWindow();
    QVERIFY(main);
    RealBoxes real;

    bool stayedThroughRepeats = false;
    bool yesStayedDefault = false;
    bool filesUntouched = false;
    QString text;
    RealBoxDriver driver([&](QMessageBox *box) {
        text = box->text();
        QWidget *target = box->focusWidget() ? box->focusWidget() : box;
        for (int i = 0; i < 30; ++i) {
            sendKey(target, QEvent::KeyPress, Qt::Key_Return, true);
            sendKey(target, QEvent::KeyRelease, Qt::Key_Return, true);
            QCoreApplication::processEvents();
        }
        stayedThroughRepeats = box->isVisible() && box->clickedButton() == nullptr;
        yesStayedDefault = box->defaultButton() == box->button(QMessageBox::Yes);
        filesUntouched = app.investBytes() == investBefore && app.historyBytes() == bytesOf(history());
        // The key let go and pressed again.
        sendKey(target, QEvent::KeyRelease, Qt::Key_Return, false);
        sendKey(target, QEvent::KeyPress, Qt::Key_Return, false);
    });

    if (dataRecord) {
        click(main->cmdDelete);
        QVERIFY(main->Record->hasFocus());
        // The first item chosen from the keyboard; Enter is down from here on.
        QTest::keyClick(main->Record, Qt::Key_Down);
    } else {
        main->cmdDeleteRec->setFocus();
        QTest::keyPress(main->cmdDeleteRec, Qt::Key_Return);
    }
    driver.stop();

    QVERIFY(!driver.timedOut());
    QCOMPARE(driver.boxesSeen(), 1);
    QCOMPARE(
        text,
        QString(dataRecord ? DeleteRecordText : DeleteInvestText).replace(QLatin1String("\r\n"), QLatin1String("\n")));
    QVERIFY(stayedThroughRepeats);
    QVERIFY(yesStayedDefault);
    QVERIFY(filesUntouched);
    // One deletion, by the fresh press.
    if (dataRecord) {
        // Record 1 of investment 1 gone; the rewrite puts the investment's other line first.
        QStringList expected;
        for (const QString &line : history())
            if (line.startsWith(QLatin1String("1,")))
                expected << line;
        expected.removeFirst();
        for (const QString &line : history())
            if (!line.startsWith(QLatin1String("1,")))
                expected << line;
        QCOMPARE(app.historyBytes(), bytesOf(expected));
        QCOMPARE(app.investBytes(), investBefore);
    } else {
        QCOMPARE(app.investBytes(), investBytesWithout(1));
        QCOMPARE(app.historyBytes(), bytesOf(history(1)));
    }
    QVERIFY(main);
    QVERIFY(!app.quitRequested());
}

QTEST_MAIN(tst_busywindows)
#include "tst_busywindows.moc"
