#include "ui/portfolio/portfoliowindow.h"

#include "core/runtimeerror.h"
#include "platform/documentopener.h"
#include "platform/filechooser.h"
#include "platform/messagebox.h"
#include "platform/settingsstore.h"
#include "storage/csvwriter.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/historyreader.h"
#include "storage/priceindexstore.h"
#include "storage/returnsrows.h"
#include "storage/safesavefile.h"
#include "ui/accessibility.h"
#include "ui/chart/inflationchart.h"
#include "ui/forms.h"
#include "ui/index/priceindexchoice.h"
#include "ui/main/frminvestdata.h"
#include "ui/portfolio/portfoliomodel.h"
#include "ui/tools/frminstructions.h"
#include "ui/windowplace.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDir>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScrollBar>
#include <QSplitter>
#include <QStackedWidget>
#include <QTableView>
#include <QTimer>
#include <QVBoxLayout>

#include <algorithm>

namespace {

PortfolioWindow *g_instance = nullptr;

const QString AppName = QStringLiteral("PLUMBLINE");
const QSize DefaultSize(1180, 700);

// The wait cursor while a large folder is read; the window is not drawn meanwhile anyway.
class WaitCursor
{
public:
    WaitCursor() { QApplication::setOverrideCursor(Qt::WaitCursor); }
    ~WaitCursor() { QApplication::restoreOverrideCursor(); }
    WaitCursor(const WaitCursor &) = delete;
    WaitCursor &operator=(const WaitCursor &) = delete;
};

} // namespace

const QString PortfolioWindow::SettingsSection = QStringLiteral("PORTFOLIO");
const QString PortfolioWindow::SizeKey = QStringLiteral("WindowSize");
const QString PortfolioWindow::PositionKey = QStringLiteral("WindowPosition");

PortfolioWindow::Reading PortfolioWindow::readDataFolder()
{
    Reading reading;
    const QString name = ui::index::currentPriceIndexName();
    PriceIndex index;
    QString error;
    const bool haveSeries = storage::loadPriceIndex(name, index, error);
    if (!haveSeries)
        reading.seriesProblem = error;
    try {
        reading.portfolio = storage::readPortfolio(haveSeries ? &index : nullptr);
    } catch (const storage::HistoryPassError &failure) {
        reading.portfolio = storage::Portfolio();
        reading.message = failure.line > 0
                              ? tr("The data history cannot be read: line %1 of \"%2\" gives error %3 (%4).")
                                    .arg(failure.line)
                                    .arg(QDir::toNativeSeparators(failure.file))
                                    .arg(failure.error.number())
                                    .arg(failure.error.description())
                              : tr("The data history \"%1\" cannot be read: error %2 (%3).")
                                    .arg(QDir::toNativeSeparators(failure.file))
                                    .arg(failure.error.number())
                                    .arg(failure.error.description());
    } catch (const RuntimeError &failure) {
        reading.portfolio = storage::Portfolio();
        reading.message = tr("The data files in \"%1\" cannot be read: error %2 (%3).")
                              .arg(QDir::toNativeSeparators(storage::programFolder()))
                              .arg(failure.number())
                              .arg(failure.description());
    }
    if (reading.message.isEmpty() && reading.portfolio.investments.empty())
        reading.message = tr("There are no investments yet. Add one with the New Investment Record "
                             "command of the main window.");
    return reading;
}

PortfolioWindow *PortfolioWindow::open(const QWidget *mainWindow)
{
    if (!g_instance) {
        g_instance = new PortfolioWindow();
        g_instance->place(mainWindow);
        g_instance->reload(true);
    }
    g_instance->QWidget::show();
    g_instance->raise();
    g_instance->activateWindow();
    return g_instance;
}

PortfolioWindow *PortfolioWindow::instance()
{
    return g_instance;
}

void PortfolioWindow::closeWindow()
{
    PortfolioWindow *window = std::exchange(g_instance, nullptr);
    if (!window)
        return;
    window->hide();
    window->deleteLater();
}

void PortfolioWindow::mainWindowChanged()
{
    if (g_instance)
        g_instance->scheduleReload();
}

PortfolioWindow::PortfolioWindow() : QWidget(nullptr, Qt::Window)
{
    setObjectName(QStringLiteral("PortfolioWindow"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowTitle(tr("Portfolio: Did My Savings Beat Inflation?"));

    cmdSaveCsv = new QPushButton(tr("Save as &CSV…"), this);
    cmdSaveCsv->setObjectName(QStringLiteral("cmdSaveCsv"));
    cmdAboutFigures = new QPushButton(tr("&About These Figures"), this);
    cmdAboutFigures->setObjectName(QStringLiteral("cmdAboutFigures"));
    cmdAboutFigures->setToolTip(tr("Opens the user guide, whose section “Returns” explains how "
                                   "each figure is worked out (F1)."));

    model = new PortfolioModel(this);
    tblPortfolio = new QTableView(this);
    tblPortfolio->setObjectName(QStringLiteral("tblPortfolio"));
    tblPortfolio->setModel(model);
    tblPortfolio->setSelectionBehavior(QAbstractItemView::SelectRows);
    tblPortfolio->setSelectionMode(QAbstractItemView::SingleSelection);
    tblPortfolio->setEditTriggers(QAbstractItemView::NoEditTriggers);
    tblPortfolio->setAlternatingRowColors(true);
    tblPortfolio->setWordWrap(false);
    tblPortfolio->setTabKeyNavigation(false);
    tblPortfolio->horizontalHeader()->setDefaultAlignment(Qt::AlignCenter);
    tblPortfolio->horizontalHeader()->setHighlightSections(false);
    tblPortfolio->verticalHeader()->setSectionResizeMode(QHeaderView::Fixed);
    tblPortfolio->verticalHeader()->setDefaultSectionSize(tblPortfolio->fontMetrics().height() + 8);
    tblPortfolio->installEventFilter(this);
    // Rows are picked one at a time: the corner's Select All has nothing to do.
    tblPortfolio->setCornerButtonEnabled(false);
    if (auto *corner = tblPortfolio->findChild<QAbstractButton *>())
        corner->setObjectName(QStringLiteral("cmdTableCorner"));

    lblMessage = new QLabel(this);
    lblMessage->setObjectName(QStringLiteral("lblMessage"));
    lblMessage->setWordWrap(true);
    lblMessage->setAlignment(Qt::AlignCenter);
    lblMessage->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblMessage->setFocusPolicy(Qt::StrongFocus);
    lblMessage->setMargin(24);

    stkTable = new QStackedWidget(this);
    stkTable->setObjectName(QStringLiteral("stkTable"));
    stkTable->addWidget(tblPortfolio);
    stkTable->addWidget(lblMessage);

    lblNote = new QLabel(this);
    lblNote->setObjectName(QStringLiteral("lblNote"));
    lblNote->setWordWrap(true);
    lblNote->setTextInteractionFlags(Qt::TextSelectableByMouse | Qt::TextSelectableByKeyboard);
    lblNote->hide();

    chart = new InflationChart(this);

    splitter = new QSplitter(Qt::Vertical, this);
    splitter->setObjectName(QStringLiteral("splitter"));
    splitter->setChildrenCollapsible(false);
    splitter->addWidget(stkTable);
    splitter->addWidget(chart);
    splitter->setStretchFactor(0, 1);
    splitter->setStretchFactor(1, 1);

    auto *buttons = new QHBoxLayout;
    buttons->addWidget(cmdSaveCsv);
    buttons->addStretch(1);
    buttons->addWidget(cmdAboutFigures);
    auto *layout = new QVBoxLayout(this);
    layout->addLayout(buttons);
    layout->addWidget(splitter, 1);
    layout->addWidget(lblNote);

    connect(cmdSaveCsv, &QPushButton::clicked, this, &PortfolioWindow::saveCsv);
    connect(cmdAboutFigures, &QPushButton::clicked, this, &PortfolioWindow::openGuide);
    connect(tblPortfolio, &QTableView::doubleClicked, this,
            [this](const QModelIndex &index) { showInMainWindow(index.row()); });
    setTabOrder(tblPortfolio, chart);
    setTabOrder(chart, cmdSaveCsv);
    setTabOrder(cmdSaveCsv, cmdAboutFigures);

    QSize size = DefaultSize;
    const QStringList stored = platform::SettingsStore::instance()
                                   .getSetting(AppName, SettingsSection, SizeKey, QString())
                                   .split(QLatin1Char('x'));
    if (stored.size() == 2) {
        bool wide = false;
        bool high = false;
        const QSize read(stored[0].toInt(&wide), stored[1].toInt(&high));
        if (wide && high && read.width() >= 400 && read.height() >= 300 && read.width() <= 10000 &&
            read.height() <= 10000)
            size = read;
    }
    resize(size);
    ui::accessibility::describe(this);
    tblPortfolio->setFocus();
}

PortfolioWindow::~PortfolioWindow()
{
    if (g_instance == this)
        g_instance = nullptr;
}

PortfolioWindow::Stamps PortfolioWindow::currentStamps()
{
    return {storage::fileStamp(storage::programFile(storage::InvestFileName)),
            storage::fileStamp(storage::programFile(storage::HistFileName)), ui::index::currentPriceIndexName()};
}

void PortfolioWindow::scheduleReload()
{
    if (m_reloadQueued)
        return;
    m_reloadQueued = true;
    QTimer::singleShot(0, this, [this] {
        m_reloadQueued = false;
        reload();
    });
}

void PortfolioWindow::reload(bool force)
{
    // A rewrite or a pass of the main window holds the history's file numbers: wait for it.
    if (storage::isOpen(2) || storage::isOpen(3) || storage::isOpen(4)) {
        if (!m_reloadQueued) {
            m_reloadQueued = true;
            QTimer::singleShot(100, this, [this, force] {
                m_reloadQueued = false;
                reload(force);
            });
        }
        return;
    }
    // Going from one investment to the next changes nothing here: the files tell.
    const Stamps stamps = currentStamps();
    if (m_read && !force && stamps == m_stamps)
        return;
    Reading reading;
    {
        const WaitCursor waiting;
        reading = readDataFolder();
    }
    m_stamps = stamps;
    m_read = true;
    present(std::move(reading));
}

void PortfolioWindow::present(Reading reading)
{
    // The row in hand and the scroll position outlive the new figures.
    const int row = tblPortfolio->currentIndex().isValid() ? tblPortfolio->currentIndex().row() : -1;
    const int column = tblPortfolio->currentIndex().isValid() ? tblPortfolio->currentIndex().column() : 0;
    const int top = tblPortfolio->verticalScrollBar()->value();
    const int left = tblPortfolio->horizontalScrollBar()->value();
    const bool firstFill = model->rowCount() == 0;

    m_reading = std::move(reading);
    const storage::Portfolio &portfolio = m_reading.portfolio;
    QStringList notes;
    if (m_reading.message.isEmpty()) {
        model->setPortfolio(portfolio);
        if (firstFill) {
            tblPortfolio->resizeColumnsToContents();
            // Once the window is laid out.
            QTimer::singleShot(0, this, [this] { fitTableHeight(); });
        }
        stkTable->setCurrentWidget(tblPortfolio);
        if (row >= 0 && row < model->rowCount())
            tblPortfolio->setCurrentIndex(model->index(row, column));
        tblPortfolio->verticalScrollBar()->setValue(top);
        tblPortfolio->horizontalScrollBar()->setValue(left);
        if (portfolio.unowned.count > 0)
            notes << storage::unownedLinesWarning(portfolio.unowned, storage::programFile(storage::HistFileName),
                                                  int(portfolio.investments.size()), storage::LeftOut::Counted) +
                         QLatin1Char('.');
    } else {
        model->clear();
        lblMessage->setText(m_reading.message);
        stkTable->setCurrentWidget(lblMessage);
    }
    if (!m_reading.seriesProblem.isEmpty())
        notes << tr("No figure after inflation for all investments: %1").arg(m_reading.seriesProblem);
    lblNote->setText(notes.join(QLatin1Char('\n')));
    lblNote->setVisible(!notes.isEmpty());
    lblNote->setAccessibleDescription(notes.isEmpty() ? tr("No note") : notes.join(QLatin1Char(' ')));
    cmdSaveCsv->setEnabled(m_reading.message.isEmpty());

    // The chart keeps the sums over time; a copy of every day's point would cost as much
    // again in fresh memory.
    ChartSeries series = std::move(m_reading.portfolio.overTime);
    m_reading.portfolio.overTime = ChartSeries();
    series.setInvestment(0, tr("All investments"), QString());
    chart->setSeries(std::move(series));
    if (!m_reading.message.isEmpty())
        chart->setMessage(m_reading.message);
}

void PortfolioWindow::fitTableHeight()
{
    // The table as high as its rows need, up to a dozen; the chart takes the rest.
    const int rows = std::min(model->rowCount(), 12);
    const int wanted = tblPortfolio->horizontalHeader()->sizeHint().height() +
                       rows * tblPortfolio->verticalHeader()->defaultSectionSize() +
                       tblPortfolio->horizontalScrollBar()->sizeHint().height() + 2 * tblPortfolio->frameWidth();
    const int total = splitter->height();
    if (rows > 0 && total > 2 * wanted)
        splitter->setSizes({wanted, total - wanted});
}

void PortfolioWindow::showInMainWindow(int row)
{
    const int investment = model->investmentAt(row);
    frmInvestData *main = frmInvestData::instance();
    if (investment < 1 || !main)
        return;
    if (!main->isEnabled() || !main->isVisible()) {
        // A dialog of the main window's is under way: it comes forward instead, as the main
        // window cannot change under it.
        const QList<QWidget *> windows = QApplication::topLevelWidgets();
        for (QWidget *window : windows) {
            if (window != main && window->isVisible() && window->objectName().startsWith(QLatin1String("frm"))) {
                window->raise();
                window->activateWindow();
                return;
            }
        }
        return;
    }
    // Never under a command of the main window's that waits for an answer.
    if (ui::handlersBusy())
        return;
    const ui::HandlerScope running;
    try {
        main->showInvestment(investment);
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
    main->raise();
    main->activateWindow();
}

void PortfolioWindow::saveCsv()
{
    if (!m_reading.message.isEmpty())
        return;
    const QString path = platform::FileChooser::instance().saveFileName(
        this, tr("Save Returns as CSV"), QDir::home().filePath(QStringLiteral("Plumbline returns.csv")),
        tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    try {
        storage::SafeSaveFile file(path);
        if (!file.open(QIODevice::WriteOnly))
            file.raiseFailure();
        {
            CsvWriter out(&file);
            writeReturnsRows(m_reading.portfolio, out);
            if (!out.flush()) {
                file.raiseFailure();
                throw RuntimeError(RuntimeError::DeviceIOError);
            }
        }
        file.commit();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }
}

void PortfolioWindow::openGuide()
{
    const QString path = frmInstructions::explanationDocumentPath();
    if (!platform::DocumentOpener::instance().openFile(path))
        platform::msgBox(tr("The user guide \"%1\" could not be opened. Its section “Returns” "
                            "explains these figures.")
                             .arg(path),
                         platform::MsgIcon::Exclamation);
}

bool PortfolioWindow::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == tblPortfolio && event->type() == QEvent::KeyPress) {
        const auto *key = static_cast<QKeyEvent *>(event);
        if ((key->key() == Qt::Key_Return || key->key() == Qt::Key_Enter) && key->modifiers() == Qt::NoModifier) {
            if (tblPortfolio->currentIndex().isValid())
                showInMainWindow(tblPortfolio->currentIndex().row());
            return true;
        }
    }
    return QWidget::eventFilter(watched, event);
}

void PortfolioWindow::keyPressEvent(QKeyEvent *event)
{
    if (event->key() == Qt::Key_Escape && event->modifiers() == Qt::NoModifier) {
        close();
        return;
    }
    if (event->key() == Qt::Key_F1 && event->modifiers() == Qt::NoModifier) {
        openGuide();
        return;
    }
    QWidget::keyPressEvent(event);
}

void PortfolioWindow::changeEvent(QEvent *event)
{
    // A price index chosen or a folder changed while the window was in the background.
    if (event->type() == QEvent::ActivationChange && isActiveWindow())
        scheduleReload();
    QWidget::changeEvent(event);
}

void PortfolioWindow::hideEvent(QHideEvent *event)
{
    keepPlace();
    QWidget::hideEvent(event);
}

void PortfolioWindow::keepPlace()
{
    ui::keepWindowPlace(*this, SettingsSection);
}

void PortfolioWindow::place(const QWidget *mainWindow)
{
    ui::placeWindow(*this, SettingsSection, mainWindow);
}
