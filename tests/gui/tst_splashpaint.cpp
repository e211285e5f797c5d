// The splash is on the screen, painted, during its wait, and its title bar has no text.
#include "appfixture.h"

#include "ui/forms.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"

#include <QElapsedTimer>
#include <QExposeEvent>
#include <QPointer>
#include <QTimer>
#include <QWindow>
#include <QtTest>

namespace {

void ignoreEnd() {}

// Holds back the splash's expose events, as a window system does that maps a new
// window a while after it was asked to; counts what the splash has painted.
class LateWindowSystem : public QObject
{
public:
    explicit LateWindowSystem(int delayMs) : m_delayMs(delayMs) { qApp->installEventFilter(this); }
    ~LateWindowSystem() override { qApp->removeEventFilter(this); }

    int paints() const { return m_paints; }
    int heldBack() const { return m_heldBack; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        frmPlSplash *splash = frmPlSplash::instance();
        if (!splash)
            return false;
        if (event->type() == QEvent::Paint) {
            auto *widget = qobject_cast<QWidget *>(watched);
            if (widget && widget->window() == splash)
                ++m_paints;
            return false;
        }
        if (event->type() != QEvent::Expose || watched != splash->windowHandle() || m_delivering)
            return false;
        ++m_heldBack;
        if (m_delayMs < 0)
            return true; // never shown
        QPointer<QWindow> window(splash->windowHandle());
        QTimer::singleShot(m_delayMs, this, [this, window] {
            if (!window)
                return;
            QExposeEvent late(QRegion(QRect(QPoint(), window->size())));
            m_delivering = true;
            QCoreApplication::sendEvent(window, &late);
            m_delivering = false;
        });
        return true;
    }

private:
    int m_delayMs;
    int m_paints = 0;
    int m_heldBack = 0;
    bool m_delivering = false;
};

struct Fixture
{
    testing::AppFixture app;
    Fixture()
    {
        frmPlSplash::setWaitPasses(1000);
        frmPlSplash::m_strPlumbline35Password.clear();
        ui::forms::setEndHandler(ignoreEnd);
    }
    ~Fixture()
    {
        frmPlSplash::setAfterWaitHook(nullptr);
        ui::forms::setEndHandler(nullptr);
    }
};

} // namespace

class tst_splashpaint : public QObject
{
    Q_OBJECT

private slots:
    void paintedBeforeTheWait_data();
    void paintedBeforeTheWait();
    void neverExposedStillGoesOn();
    void titleBarHasNoText();
};

void tst_splashpaint::paintedBeforeTheWait_data()
{
    QTest::addColumn<int>("exposeDelayMs");
    QTest::newRow("exposed at once") << 0;
    QTest::newRow("exposed after 100 ms") << 100;
    QTest::newRow("exposed after 600 ms") << 600;
}

void tst_splashpaint::paintedBeforeTheWait()
{
    QFETCH(int, exposeDelayMs);
    Fixture f;
    LateWindowSystem windowSystem(exposeDelayMs);
    int paintsAtWait = -1;
    frmPlSplash::setAfterWaitHook([&] { paintsAtWait = windowSystem.paints(); });
    frmPlSplash::Load();
    QVERIFY(windowSystem.heldBack() > 0);
    QVERIFY2(paintsAtWait > 0, "the splash waited before it had been painted");
    QVERIFY(frmPassword::instance()); // and went on as usual
}

void tst_splashpaint::neverExposedStillGoesOn()
{
    Fixture f;
    LateWindowSystem windowSystem(-1);
    bool waited = false;
    frmPlSplash::setAfterWaitHook([&] { waited = true; });
    QElapsedTimer clock;
    clock.start();
    frmPlSplash::Load();
    QVERIFY(waited);
    QVERIFY(clock.elapsed() >= frmPlSplash::PaintWaitMs - 100);
    QVERIFY(clock.elapsed() < frmPlSplash::PaintWaitMs + 3000);
    QCOMPARE(frmPlSplash::instance(), nullptr);
    QVERIFY(frmPassword::instance());
}

void tst_splashpaint::titleBarHasNoText()
{
    Fixture f;
    QString title;
    QString shownTitle;
    frmPlSplash::setAfterWaitHook([&] {
        frmPlSplash *splash = frmPlSplash::instance();
        QVERIFY(splash);
        title = splash->windowTitle();
        shownTitle = splash->windowHandle()->title();
    });
    frmPlSplash::Load();
    // An empty title would make the window system show the application's name.
    QVERIFY(!title.isEmpty());
    QVERIFY(title.trimmed().isEmpty());
    QCOMPARE(shownTitle, title);
}

QTEST_MAIN(tst_splashpaint)
#include "tst_splashpaint.moc"
