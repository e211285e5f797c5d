#include "ui/startup/frmplsplash.h"

#include "platform/passwordhash.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/twips.h"

#include <QApplication>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QTimer>
#include <utility>

namespace {

long g_waitPasses = frmPlSplash::DefaultWaitPasses;
std::function<void()> g_afterWaitHook;

// The product logo: a plumb bob hanging true beside a rising line of value, drawn
// in a 200 x 90 design and stretched to the control, as a picture in an image
// control would be.
class PlumbLogo : public QWidget
{
public:
    explicit PlumbLogo(QWidget *parent) : QWidget(parent) {}

protected:
    void paintEvent(QPaintEvent *) override
    {
        QPainter p(this);
        p.setRenderHint(QPainter::Antialiasing);
        p.scale(width() / 200.0, height() / 90.0);

        // Plate.
        QLinearGradient plate(0, 0, 0, 90);
        plate.setColorAt(0.0, QColor(250, 246, 232));
        plate.setColorAt(1.0, QColor(214, 204, 170));
        p.setPen(QPen(QColor(90, 70, 30), 1.5));
        p.setBrush(plate);
        p.drawRoundedRect(QRectF(1, 1, 198, 88), 8, 8);

        // Grid of the chart.
        p.setPen(QPen(QColor(190, 178, 140), 0.6));
        for (int y = 20; y <= 80; y += 15)
            p.drawLine(QPointF(70, y), QPointF(190, y));

        // Value against inflation: the value line climbs, the eroded line lags.
        QPainterPath eroded;
        eroded.moveTo(72, 76);
        eroded.cubicTo(110, 72, 140, 62, 188, 52);
        p.setPen(QPen(QColor(192, 0, 0), 2.0, Qt::DashLine, Qt::RoundCap));
        p.setBrush(Qt::NoBrush);
        p.drawPath(eroded);

        QPainterPath value;
        value.moveTo(72, 76);
        value.lineTo(96, 62);
        value.lineTo(118, 66);
        value.lineTo(142, 44);
        value.lineTo(162, 48);
        value.lineTo(188, 18);
        p.setPen(QPen(QColor(0, 110, 60), 3.0, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
        p.drawPath(value);
        p.setBrush(QColor(0, 110, 60));
        p.drawPolygon(QPolygonF({QPointF(188, 12), QPointF(193, 23), QPointF(183, 21)}));

        // Beam and line of the plumb.
        p.setPen(QPen(QColor(60, 40, 20), 4.0, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(14, 10), QPointF(62, 10));
        p.setPen(QPen(QColor(60, 40, 20), 1.2));
        p.drawLine(QPointF(38, 10), QPointF(38, 48));

        // The bob: a brass drop with its point straight down.
        QPainterPath bob;
        bob.moveTo(38, 48);
        bob.cubicTo(26, 50, 24, 62, 30, 68);
        bob.lineTo(38, 84);
        bob.lineTo(46, 68);
        bob.cubicTo(52, 62, 50, 50, 38, 48);
        QLinearGradient brass(26, 0, 50, 0);
        brass.setColorAt(0.0, QColor(150, 110, 20));
        brass.setColorAt(0.45, QColor(250, 215, 110));
        brass.setColorAt(1.0, QColor(140, 100, 15));
        p.setPen(QPen(QColor(90, 60, 10), 1.0));
        p.setBrush(brass);
        p.drawPath(bob);
    }
};

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QFont &font, const QRect &geometry)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setFont(font);
    label->setGeometry(geometry);
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    return label;
}

QFont makeFont(const QString &family, qreal points, bool bold, bool italic)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setItalic(italic);
    return f;
}

void setBackColour(QLabel *label, const QColor &colour)
{
    label->setAutoFillBackground(true);
    QPalette palette = label->palette();
    palette.setColor(QPalette::Window, colour);
    label->setPalette(palette);
}

void setForeColour(QLabel *label, const QColor &colour)
{
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
}

} // namespace

frmPlSplash::frmPlSplash()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmPlSplash"));
    // The window system shows the application's name in place of an empty title; a
    // blank one leaves the title bar without text.
    setWindowTitle(QStringLiteral(" "));
    setFixedSize(ui::twipsSize(7320, 4245));

    Frame1 = new QFrame(this);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(ui::twipsRect(120, 0, 7080, 4170));
    Frame1->setFrameShape(QFrame::Box);
    Frame1->setFrameShadow(QFrame::Sunken);
    Frame1->setAutoFillBackground(true);
    QPalette framePalette = Frame1->palette();
    framePalette.setColor(QPalette::Window, QColor(0, 128, 128));
    Frame1->setPalette(framePalette);

    // Behind the product name, as in the reference layout where the two overlap.
    lblQuillmoorSoft =
        makeLabel(Frame1, "lblQuillmoorSoft", QStringLiteral("Quillmoor Software Inc."),
                  makeFont(QStringLiteral("Times New Roman"), 18, true, true), ui::twipsRect(1320, 720, 3255, 495));
    setForeColour(lblQuillmoorSoft, QColor(192, 0, 0));
    // A substitute for a missing font may run wider than the original: the label
    // grows to the right rather than cut the name.
    ui::forms::fitLabelWidth(lblQuillmoorSoft);

    lblProductName =
        makeLabel(Frame1, "lblProductName", QStringLiteral("Plumbline"),
                  makeFont(QStringLiteral("Arial Black"), 27.75, true, true), ui::twipsRect(1920, 900, 3270, 765));
    setForeColour(lblProductName, QColor(0, 0, 0));
    // The label is as tall as a line of Arial Black, whose ascent is unusually high; a
    // substitute font sits on the same baseline when aligned to the bottom.
    lblProductName->setAlignment(Qt::AlignLeft | Qt::AlignBottom);

    Label1 = makeLabel(Frame1, "Label1", QStringLiteral("TM"), makeFont(QStringLiteral("Arial"), 9.75, false, true),
                       ui::twipsRect(5280, 1080, 375, 375));
    Label1->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    setBackColour(Label1, QColor(0, 128, 128));
    setForeColour(Label1, QColor(0, 0, 0));

    lblPlatform =
        makeLabel(Frame1, "lblPlatform", tr("For Windows"), makeFont(QStringLiteral("Arial"), 15.75, true, false),
                  ui::twipsRect(3840, 1740, 1980, 360));
    lblPlatform->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setBackColour(lblPlatform, QColor(255, 192, 192));
    setForeColour(lblPlatform, QColor(0, 0, 0));

    lblVersion = makeLabel(Frame1, "lblVersion", QStringLiteral("               ") + tr("Version 3.5"),
                           makeFont(QStringLiteral("Arial"), 12, true, false), ui::twipsRect(3840, 2100, 2175, 285));
    lblVersion->setAlignment(Qt::AlignRight | Qt::AlignTop);
    setBackColour(lblVersion, QColor(255, 192, 192));
    setForeColour(lblVersion, QColor(0, 0, 0));

    lblCompany = makeLabel(Frame1, "lblCompany", QStringLiteral("Quillmoor Software Inc."),
                           makeFont(QStringLiteral("Arial"), 8.25, false, false), ui::twipsRect(3840, 2670, 1695, 255));
    setForeColour(lblCompany, QColor(0, 0, 0));

    imgLogo = new PlumbLogo(Frame1);
    imgLogo->setObjectName(QStringLiteral("imgLogo"));
    imgLogo->setGeometry(ui::twipsRect(840, 1755, 2655, 1185));

    // No control takes the focus: the window itself receives (and ignores) the keys.
    setFocusPolicy(Qt::StrongFocus);
}

void frmPlSplash::setWaitPasses(long passes)
{
    g_waitPasses = passes < 0 ? DefaultWaitPasses : passes;
}

long frmPlSplash::waitPasses()
{
    return g_waitPasses;
}

void frmPlSplash::setAfterWaitHook(std::function<void()> hook)
{
    g_afterWaitHook = std::move(hook);
}

void frmPlSplash::Form_Load()
{
    ui::forms::centreOnScreen(this);
    show();
    setFocus();
    // The window system exposes the window some time after show(), and the wait below
    // handles no events: events are handled until the splash has been painted once (for
    // a limited time, should the window never be exposed).
    QTimer deadline;
    deadline.setSingleShot(true);
    deadline.start(PaintWaitMs);
    QApplication::processEvents();
    while (!m_blnPainted && deadline.isActive())
        QApplication::processEvents(QEventLoop::WaitForMoreEvents);

    // The delay: a count the compiler must perform, with no event processing.
    const long limit = 2 * g_waitPasses;
    volatile long counter = 1;
    while (counter <= limit)
        counter = counter + 2;

    if (g_afterWaitHook)
        g_afterWaitHook();

    m_strPlumbline35Password = platform::passwordhash::readSetting();

    // The next window is loaded before the splash goes, so one is always open.
    if (m_strPlumbline35Password == platform::passwordhash::NeverConfigured) {
        frmPassword::setCancelVisible(false);
        frmPassword::Load();
    } else if (m_strPlumbline35Password != platform::passwordhash::NoPassword) {
        frmEnterPassword::Load();
    } else {
        frmInvestData::Load();
    }
    unloadSelf();
}

void frmPlSplash::paintEvent(QPaintEvent *event)
{
    QDialog::paintEvent(event);
    m_blnPainted = true;
}

void frmPlSplash::Form_KeyPress(int keyAscii)
{
    Q_UNUSED(keyAscii);
}

void frmPlSplash::keyPressEvent(QKeyEvent *event)
{
    // Esc, Enter and every other key: nothing.
    const QString text = event->text();
    Form_KeyPress(text.isEmpty() ? 0 : int(text.at(0).unicode()));
    event->accept();
}

void frmPlSplash::closeEvent(QCloseEvent *event)
{
    // The splash closes itself once the next window is open, never before.
    if (m_closing)
        event->accept();
    else
        event->ignore();
}

void frmPlSplash::reject()
{
    // Esc does not close the splash.
}
