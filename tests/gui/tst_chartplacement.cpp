// Where the chart window opens: beside the main window (right where the screen has room,
// else left, else cascaded), back where the user left it, and beside the main window again
// when that place is on no screen any more. The desktop is two screens side by side (the
// offscreen platform's own configuration), with real frame margins.

#include "editingtesting.h"

#include "ui/chart/chartwindow.h"
#include "ui/chart/inflationchart.h"
#include "ui/chart/windowplacement.h"

#include <QFile>
#include <QScreen>
#include <QTemporaryDir>

using namespace edtest;

namespace {

const QRect Left(0, 0, 1920, 1080);
const QRect Right(1920, 0, 1280, 1024);
const QString PositionKey = QStringLiteral("PLUMBLINE/CHART/WindowPosition");

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments({{QStringLiteral("Growth Fund"), QStringLiteral("First Bank")}});
    app.writeHistory(
        {historyLine(1, "2001-01-02", "1000", "1000", "2"), historyLine(1, "2002-01-02", "1000", "1100", "-1")});
    return app.startMainWindow();
}

ChartWindow *openChart(frmInvestData *w)
{
    w->mnuViewChart->trigger();
    ChartWindow *chart = ChartWindow::instance();
    if (chart && QTest::qWaitForWindowExposed(chart, 2000))
        settle();
    return chart;
}

void closeChart(ChartWindow *chart)
{
    chart->close();
    settle();
}

// The main window's frame with its top left at `at`.
bool moveMain(frmInvestData *w, const QPoint &at)
{
    w->move(at);
    settle();
    return w->frameGeometry().topLeft() == at;
}

} // namespace

class tst_ChartPlacement : public QObject
{
    Q_OBJECT

private slots:
    void initTestCase();
    void placeBesideMain_data();
    void placeBesideMain();
    void reachablePlaces_data();
    void reachablePlaces();
    void opensBesideTheMainWindow_data();
    void opensBesideTheMainWindow();
    void placeIsKeptAndRestored();
    void placeOnNoScreenIsNotRestored_data();
    void placeOnNoScreenIsNotRestored();
    void unwritableSettingsDoNotStopTheClose();
};

void tst_ChartPlacement::initTestCase()
{
    const QList<QScreen *> screens = QGuiApplication::screens();
    QCOMPARE(screens.size(), 2);
    QCOMPARE(screens[0]->availableGeometry(), Left);
    QCOMPARE(screens[1]->availableGeometry(), Right);
}

void tst_ChartPlacement::placeBesideMain_data()
{
    QTest::addColumn<QRect>("main");
    QTest::addColumn<QSize>("size");
    QTest::addColumn<QRect>("screen");
    QTest::addColumn<QPoint>("expected");
    const QSize chart(820, 560);
    // The gap between the two frames is 8 pixels; a cascade steps 40 down and right.
    QTest::newRow("right, tops level") << QRect(100, 150, 600, 400) << chart << Left << QPoint(708, 150);
    QTest::newRow("right, just fits") << QRect(100, 150, 992, 400) << chart << Left << QPoint(1100, 150);
    QTest::newRow("right a pixel short: left") << QRect(930, 150, 983, 400) << chart << Left << QPoint(102, 150);
    QTest::newRow("left, just fits") << QRect(828, 150, 900, 400) << chart << Left << QPoint(0, 150);
    QTest::newRow("no room either side: cascaded") << QRect(500, 100, 1000, 700) << chart << Left << QPoint(540, 140);
    QTest::newRow("cascade kept on the screen")
        << QRect(1300, 700, 600, 370) << QSize(1400, 560) << Left << QPoint(520, 520);
    QTest::newRow("low main window: raised to fit") << QRect(100, 800, 600, 250) << chart << Left << QPoint(708, 520);
    QTest::newRow("taller than the screen: at its top")
        << QRect(100, 150, 600, 400) << QSize(820, 1200) << Left << QPoint(708, 0);
    QTest::newRow("second screen, its own edges") << QRect(1920, 40, 400, 300) << chart << Right << QPoint(2328, 40);
    // Left of the main window would be the other screen: the cascade stays on this one.
    QTest::newRow("second screen, cascaded") << QRect(2600, 40, 500, 300) << chart << Right << QPoint(2380, 80);
}

void tst_ChartPlacement::placeBesideMain()
{
    QFETCH(QRect, main);
    QFETCH(QSize, size);
    QFETCH(QRect, screen);
    QFETCH(QPoint, expected);
    QCOMPARE(windowplacement::besideMain(main, size, screen), expected);
}

void tst_ChartPlacement::reachablePlaces_data()
{
    QTest::addColumn<QRect>("frame");
    QTest::addColumn<bool>("reachable");
    const QSize chart(820, 560);
    QTest::newRow("first screen") << QRect(QPoint(100, 100), chart) << true;
    QTest::newRow("second screen") << QRect(QPoint(2000, 100), chart) << true;
    QTest::newRow("across both") << QRect(QPoint(1800, 100), chart) << true;
    QTest::newRow("100 pixels of title on a screen") << QRect(QPoint(3100, 100), chart) << true;
    QTest::newRow("99 pixels of title on a screen") << QRect(QPoint(3101, 100), chart) << false;
    QTest::newRow("past the last screen") << QRect(QPoint(4000, 100), chart) << false;
    QTest::newRow("left of the first screen") << QRect(QPoint(-900, 100), chart) << false;
    QTest::newRow("title above the top") << QRect(QPoint(100, -10), chart) << false;
    // The first screen is taller: below the second one there is no screen at all.
    QTest::newRow("under the shorter screen") << QRect(QPoint(2000, 1030), chart) << false;
    QTest::newRow("at the foot of the taller one") << QRect(QPoint(1000, 1030), chart) << true;
    QTest::newRow("narrower than the grip, on a screen") << QRect(100, 100, 60, 40) << true;
}

void tst_ChartPlacement::reachablePlaces()
{
    QFETCH(QRect, frame);
    QFETCH(bool, reachable);
    QCOMPARE(windowplacement::onScreen(frame, {Left, Right}), reachable);
}

void tst_ChartPlacement::opensBesideTheMainWindow_data()
{
    QTest::addColumn<QString>("side");
    QTest::newRow("room on the right") << QStringLiteral("right");
    QTest::newRow("room on the left only") << QStringLiteral("left");
    QTest::newRow("room on neither side") << QStringLiteral("cascaded");
}

void tst_ChartPlacement::opensBesideTheMainWindow()
{
    QFETCH(QString, side);
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    const QSize mainFrame = w->frameGeometry().size();
    // Room for the chart right of the main window at 100, and left of it at the screen's edge.
    QVERIFY2(mainFrame.width() <= 1920 - 100 - 828,
             qPrintable(QStringLiteral("main window %1 wide").arg(mainFrame.width())));
    // The frames: the platform draws real margins, so a window is more than its contents.
    QVERIFY(mainFrame != w->size());
    QPoint at(100, 120);
    if (side == QLatin1String("left"))
        at = QPoint(Left.right() - mainFrame.width() - 20, 120);
    else if (side == QLatin1String("cascaded"))
        at = QPoint(Right.left() + (Right.width() - mainFrame.width()) / 2, 100);
    QVERIFY(moveMain(w, at));

    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    const QRect main = w->frameGeometry();
    const QRect placed = chart->frameGeometry();
    QCOMPARE(placed.size(), chart->size() + (mainFrame - w->size()));
    if (side == QLatin1String("right")) {
        QCOMPARE(placed.topLeft(), QPoint(main.right() + 1 + 8, main.top()));
    } else if (side == QLatin1String("left")) {
        QCOMPARE(placed.topLeft(), QPoint(main.left() - 8 - placed.width(), main.top()));
    } else {
        QCOMPARE(placed.topLeft(), main.topLeft() + QPoint(40, 40));
        QVERIFY(Right.contains(placed));
    }
    if (side != QLatin1String("cascaded")) {
        QVERIFY(!placed.intersects(main));
        QVERIFY(Left.contains(placed));
    }
    // Nothing is kept before the window is closed.
    QVERIFY(!app.settings().values().contains(PositionKey));
}

void tst_ChartPlacement::placeIsKeptAndRestored()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QVERIFY(moveMain(w, QPoint(100, 120)));
    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    chart->move(2100, 200);
    chart->resize(700, 450);
    settle();
    QCOMPARE(chart->frameGeometry().topLeft(), QPoint(2100, 200));
    QVERIFY(activeNow(chart));
    QTest::keyClick(chart->chart, Qt::Key_Escape);
    settle();
    QVERIFY(!ChartWindow::instance());
    QCOMPARE(app.settings().values().value(PositionKey), QStringLiteral("2100,200"));
    QCOMPARE(app.settings().values().value(QStringLiteral("PLUMBLINE/CHART/WindowSize")), QStringLiteral("700x450"));

    // The main window has moved meanwhile; the chart goes back where the user put it.
    QVERIFY(moveMain(w, QPoint(300, 300)));
    chart = openChart(w);
    QVERIFY(chart);
    QCOMPARE(chart->frameGeometry().topLeft(), QPoint(2100, 200));
    QCOMPARE(chart->size(), QSize(700, 450));
    closeChart(chart);
    QCOMPARE(app.settings().values().value(PositionKey), QStringLiteral("2100,200"));
}

void tst_ChartPlacement::placeOnNoScreenIsNotRestored_data()
{
    QTest::addColumn<QString>("stored");
    QTest::newRow("a screen since taken away") << QStringLiteral("4000,100");
    QTest::newRow("under the shorter screen") << QStringLiteral("2000,1030");
    QTest::newRow("title above every screen") << QStringLiteral("100,-50");
    QTest::newRow("not a position") << QStringLiteral("left,top");
    QTest::newRow("three numbers") << QStringLiteral("1,2,3");
    QTest::newRow("absurdly far") << QStringLiteral("99999999,5");
}

void tst_ChartPlacement::placeOnNoScreenIsNotRestored()
{
    QFETCH(QString, stored);
    testing::AppFixture app;
    app.settings().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("CHART"), QStringLiteral("WindowPosition"),
                               stored);
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    QVERIFY(moveMain(w, QPoint(100, 120)));
    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    const QRect main = w->frameGeometry();
    QCOMPARE(chart->frameGeometry().topLeft(), QPoint(main.right() + 1 + 8, main.top()));
    // Closed, the place it really had replaces the one that could not be used.
    closeChart(chart);
    QCOMPARE(app.settings().values().value(PositionKey),
             QStringLiteral("%1,%2").arg(main.right() + 1 + 8).arg(main.top()));
}

void tst_ChartPlacement::unwritableSettingsDoNotStopTheClose()
{
    testing::AppFixture app;
    frmInvestData *w = startWithExample(app);
    QVERIFY(w);
    ChartWindow *chart = openChart(w);
    QVERIFY(chart);
    chart->move(300, 200);
    settle();
    app.settings().setFailWrites(true);
    QVERIFY(activeNow(chart));
    QTest::keyClick(chart->chart, Qt::Key_Escape);
    settle();
    QVERIFY(!ChartWindow::instance());
    QVERIFY(app.settings().failedWrites() > 0);
    QVERIFY(!app.settings().values().contains(PositionKey));
    QCOMPARE(app.boxes().calls().size(), 0);
    // The program goes on: the chart opens again, beside the main window, not where it was.
    app.settings().setFailWrites(false);
    QVERIFY(moveMain(w, QPoint(100, 120)));
    chart = openChart(w);
    QVERIFY(chart);
    QCOMPARE(chart->frameGeometry().topLeft(), QPoint(w->frameGeometry().right() + 1 + 8, w->frameGeometry().top()));
}

int main(int argc, char **argv)
{
    // Two screens side by side, the first one taller, and frames around the windows.
    QTemporaryDir config;
    if (!config.isValid())
        return 2;
    QFile file(config.filePath(QStringLiteral("screens.json")));
    if (!file.open(QIODevice::WriteOnly))
        return 2;
    file.write(R"({"windowFrameMargins": true, "screens": [
        {"name": "left", "x": 0, "y": 0, "width": 1920, "height": 1080, "logicalDpi": 96, "logicalBaseDpi": 96},
        {"name": "right", "x": 1920, "y": 0, "width": 1280, "height": 1024, "logicalDpi": 96, "logicalBaseDpi": 96}
    ]})");
    file.close();
    qputenv("QT_QPA_PLATFORM", "offscreen:configfile=" + QFile::encodeName(file.fileName()));
    QApplication app(argc, argv);
    tst_ChartPlacement test;
    QTEST_SET_MAIN_SOURCE_PATH
    return QTest::qExec(&test, argc, argv);
}

#include "tst_chartplacement.moc"
