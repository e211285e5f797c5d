#include "ui/chart/chartwindow.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "render/chart/chartexport.h"
#include "storage/chartload.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "ui/accessibility.h"
#include "ui/chart/inflationchart.h"
#include "ui/windowplace.h"

#include <QDir>
#include <QFileInfo>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRegularExpression>
#include <QTimer>
#include <QVBoxLayout>

namespace {

ChartWindow *g_instance = nullptr;

const QString AppName = QStringLiteral("PLUMBLINE");
const QSize DefaultSize(820, 560);
const QSize PngSize(1600, 1000);

QString money(Currency amount)
{
    return platform::LocaleServices::displayFormat(amount.toPlainString());
}

} // namespace

const QString ChartWindow::SettingsSection = QStringLiteral("CHART");
const QString ChartWindow::SizeKey = QStringLiteral("WindowSize");
const QString ChartWindow::PositionKey = QStringLiteral("WindowPosition");

ChartWindow *ChartWindow::open(const QWidget *mainWindow)
{
    if (!g_instance) {
        g_instance = new ChartWindow();
        g_instance->place(mainWindow);
        g_instance->reload();
    }
    g_instance->show();
    g_instance->raise();
    g_instance->activateWindow();
    return g_instance;
}

ChartWindow *ChartWindow::instance()
{
    return g_instance;
}

void ChartWindow::closeWindow()
{
    ChartWindow *window = std::exchange(g_instance, nullptr);
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

void ChartWindow::mainWindowChanged()
{
    if (g_instance)
        g_instance->scheduleReload();
}

ChartWindow::ChartWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("ChartWindow"));
    setAttribute(Qt::WA_DeleteOnClose);

    chart = new InflationChart(this);
    cmdSavePng = new QPushButton(tr("Save as P&NG…"), this);
    cmdSavePng->setObjectName(QStringLiteral("cmdSavePng"));
    cmdSavePdf = new QPushButton(tr("Save as P&DF…"), this);
    cmdSavePdf->setObjectName(QStringLiteral("cmdSavePdf"));
    lblReturns = new QLabel(this);
    lblReturns->setObjectName(QStringLiteral("lblReturns"));
    lblReturns->setWordWrap(true);
    lblReturns->setTextFormat(Qt::PlainText);
    lblReturns->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblReturns->setFocusPolicy(Qt::StrongFocus);
    lblReturns->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblReadout = new QLabel(this);
    lblReadout->setObjectName(QStringLiteral("lblReadout"));
    lblReadout->setWordWrap(true);
    // Reachable with Tab, so the figures can be read and copied without a mouse.
    lblReadout->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblReadout->setFocusPolicy(Qt::StrongFocus);
    lblReadout->setMinimumHeight(lblReadout->fontMetrics().lineSpacing() * 3);
    lblReadout->setAlignment(Qt::AlignLeft | Qt::AlignTop);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSavePng);
    buttons->addWidget(cmdSavePdf);
    buttons->addStretch(1);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(chart, 1);
    layout->addWidget(lblReturns);
    layout->addWidget(lblReadout);

    connect(cmdSavePng, &QPushButton::clicked, this, &ChartWindow::savePng);
    connect(cmdSavePdf, &QPushButton::clicked, this, &ChartWindow::savePdf);
    connect(chart, &InflationChart::currentPointChanged, this, [this](int index) { showReadout(index); });
    setTabOrder(chart, cmdSavePng);
    setTabOrder(cmdSavePng, cmdSavePdf);
    setTabOrder(cmdSavePdf, lblReturns);
    setTabOrder(lblReturns, lblReadout);

    QSize size = DefaultSize;
    const QStringList stored = platform::SettingsStore::instance()
                                   .getSetting(AppName, SettingsSection, SizeKey, QString())
                                   .split(QLatin1Char('x'));
    if (stored.size() == 2) {
        bool wide = false;
        bool high = false;
        const QSize read(stored[0].toInt(&wide), stored[1].toInt(&high));
        // A damaged or absurd value falls back to the default size.
        if (wide && high && read.width() >= 320 && read.height() >= 240 && read.width() <= 10000 &&
            read.height() <= 10000)
            size = read;
    }
    resize(size);
    ui::accessibility::describe(this);
    chart->setFocus();
}

ChartWindow::~ChartWindow()
{
    if (g_instance == this)
        g_instance = nullptr;
}

void ChartWindow::scheduleReload()
{
    if (m_reloadQueued)
        return;
    m_reloadQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadQueued = false;
        reload();
    });
}

void ChartWindow::reload()
{
    using namespace modPlMainMod;
    // A rewrite or a pass of the main window holds the history's file numbers: wait for it.
    if (storage::isOpen(2) || storage::isOpen(3) || storage::isOpen(4)) {
        if (!m_reloadQueued) {
            m_reloadQueued = true;
            QTimer::singleShot(100, this, [this] {
                m_reloadQueued = false;
                reload();
            });
        }
        return;
    }

    ChartSeries series;
    QString message;
    QString returnsLine;
    if (intInvestRecNum < 1 || InvestRec.RecNum < 1) {
        message = tr("There is no investment to chart yet. Add one with the New Investment Record "
                     "command.");
    } else {
        try {
            InvestmentReturns returns;
            series = storage::loadChartSeries(storage::programFile(storage::HistFileName), intInvestRecNum, &returns);
            const QString decimalPoint = platform::LocaleServices::locale().decimalPoint();
            returnsLine = returnsSentence(
                returns, returns.records > 0 ? platform::LocaleServices::shortDate(returns.firstDate) : QString(),
                decimalPoint.isEmpty() ? QLatin1Char('.') : decimalPoint.front());
        } catch (const storage::ChartLoadError &failure) {
            if (failure.line > 0)
                //: %1 a line number, %2 a file, %3 an error number, %4 its description
                message = tr("The data history cannot be read: line %1 of \"%2\" gives error %3 (%4).")
                              .arg(failure.line)
                              .arg(QDir::toNativeSeparators(failure.file))
                              .arg(failure.error.number())
                              .arg(failure.error.description());
            else
                //: %1 a file, %2 an error number, %3 its description
                message = tr("The data history \"%1\" cannot be read: error %2 (%3).")
                              .arg(QDir::toNativeSeparators(failure.file))
                              .arg(failure.error.number())
                              .arg(failure.error.description());
            series = ChartSeries();
        }
        series.setInvestment(intInvestRecNum, strInvestType, strInstitution);
    }
    const QString caption = series.caption();
    //: %1 the investment's type and institution
    setWindowTitle(caption.isEmpty() ? tr("Chart") : tr("Chart: %1").arg(caption));
    chart->setSeries(std::move(series));
    if (!message.isEmpty())
        chart->setMessage(message);
    showReturns(returnsLine);
    showReadout(chart->currentPoint());
}

void ChartWindow::showReturns(const QString &sentence)
{
    lblReturns->setText(sentence);
    // Nothing to say (no investment, an unreadable history: the plot says why) takes no room.
    lblReturns->setVisible(!sentence.isEmpty());
    const QString spoken = sentence.isEmpty() ? tr("No returns") : sentence;
    if (lblReturns->accessibleDescription() != spoken)
        lblReturns->setAccessibleDescription(spoken);
}

void ChartWindow::showReadout(int index)
{
    const QString text = readoutText(index);
    lblReadout->setText(text);
    // The label's name stays what it is; the figures are what a screen reader describes.
    const QString spoken =
        text.isEmpty() ? tr("No record to read") : QString(text).replace(QLatin1Char('\n'), QLatin1Char(' '));
    if (lblReadout->accessibleDescription() != spoken)
        lblReadout->setAccessibleDescription(spoken);
}

QString ChartWindow::readoutText(int index) const
{
    const ChartSeries &series = chart->series();
    if (index < 0 || index >= int(series.size())) {
        if (!chart->painter().emptySentence().isEmpty())
            return QString();
        return tr("Point at a record, or use the Left and Right keys, to read its figures.");
    }
    const ChartPoint &p = series.points()[std::size_t(index)];
    //: %1 the record number, %2 its date, %3 to %5 amounts and the rate
    QString text = tr("Record %1, %2: Original Amount %3; Current Amount %4; Inflation Rate (%) %5")
                       .arg(p.record)
                       .arg(platform::LocaleServices::shortDate(p.date), money(p.original), money(p.current),
                            singleToText(p.rate));
    text += QLatin1Char('\n');
    //: AFI = adjusted for inflation
    text += tr("Inc/Dec %1; Profit/Loss %2; Loss To Inflation %3; Current Amount AFI %4; "
               "Profit/Loss AFI %5")
                .arg(money(p.incDec), money(p.profitLoss), money(p.lossToInfl), money(p.currentAfi),
                     money(p.profitLossAfi));
    if (p.state == PointState::Carried)
        text +=
            QLatin1Char('\n') + tr("No inflation rate entered: the loss to inflation and both AFI figures are carried "
                                   "from the record before.");
    else if (p.state == PointState::Skipped)
        text +=
            QLatin1Char('\n') + tr("An amount is at or below 0: nothing is computed for this record; the figures stand "
                                   "as they were.");
    return text;
}

QString ChartWindow::suggestedFileName(const QString &extension) const
{
    QString name = chart->series().caption();
    name.replace(QRegularExpression(QStringLiteral("[\\\\/:*?\"<>|\\x00-\\x1f]")), QStringLiteral(" "));
    name = name.simplified();
    if (name.isEmpty())
        name = QStringLiteral("Plumbline chart");
    return QDir::home().filePath(name + extension);
}

void ChartWindow::savePng()
{
    const QString path = platform::FileChooser::instance().saveFileName(
        this, tr("Save Chart as PNG"), suggestedFileName(QStringLiteral(".png")), tr("PNG pictures (*.png)"));
    if (path.isEmpty())
        return;
    QString error;
    if (!chartexport::writePng(picture(), path, PngSize, &error))
        platform::msgBox(
            //: %1 a file, %2 why
            tr("The chart could not be saved to \"%1\":\r\n%2").arg(QDir::toNativeSeparators(path), error),
            platform::MsgIcon::Exclamation);
}

void ChartWindow::savePdf()
{
    const QString path = platform::FileChooser::instance().saveFileName(
        this, tr("Save Chart as PDF"), suggestedFileName(QStringLiteral(".pdf")), tr("PDF documents (*.pdf)"));
    if (path.isEmpty())
        return;
    // Paper is white whatever the screen's palette.
    InflationChartPainter page = picture();
    page.setColours(InflationChartPainter::Colours::light());
    QString error;
    if (!chartexport::writePdf(page, path, windowTitle(), &error))
        platform::msgBox(
            //: %1 a file, %2 why
            tr("The chart could not be saved to \"%1\":\r\n%2").arg(QDir::toNativeSeparators(path), error),
            platform::MsgIcon::Exclamation);
}

void ChartWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    QWidget::keyPressEvent(event);
}

void ChartWindow::hideEvent(QHideEvent *event)
{
    keepPlace();
    QWidget::hideEvent(event);
}

void ChartWindow::keepPlace()
{
    ui::keepWindowPlace(*this, SettingsSection);
}

void ChartWindow::place(const QWidget *mainWindow)
{
    ui::placeWindow(*this, SettingsSection, mainWindow);
}

InflationChartPainter ChartWindow::picture() const
{
    InflationChartPainter painter = chart->painter();
    painter.setHighlighted(-1);
    return painter;
}
