#pragma once

#include "storage/filestamp.h"
#include "storage/returnspass.h"

#include <QWidget>

class InflationChart;
class PortfolioModel;
class QLabel;
class QPushButton;
class QSplitter;
class QStackedWidget;
class QTableView;

// Did my savings beat inflation? Every investment's returns and those of all of them, in a
// table, with the amounts of all of them over time in a chart below. A window of its own like
// the chart's, so it stays usable while a dialog holds the main window. It follows the main
// window: mainWindowChanged() reads the data folder again once its files have changed.
class PortfolioWindow : public QWidget
{
    Q_OBJECT

public:
    // What one pass over the data folder gave: the figures, or the sentence that stands in
    // for them (a damaged history, no investments yet).
    struct Reading
    {
        storage::Portfolio portfolio;
        QString message;
        QString seriesProblem; // the chosen price index could not be read
    };
    // The pass itself, with the price index chosen under View, Price Index (else the locale's).
    static Reading readDataFolder();

    // Opens the window, or raises it when it is open; beside `mainWindow` the first time.
    static PortfolioWindow *open(const QWidget *mainWindow = nullptr);
    static PortfolioWindow *instance();
    static void closeWindow();
    // The main window shows another investment or has reloaded its records: once control is
    // back in the event loop the window reads the folder again, if its files changed.
    static void mainWindowChanged();

    // Reads the data folder again when its files or the chosen price index changed since the
    // last reading (always with `force`), keeping the selected row and the scroll position.
    void reload(bool force = false);
    void saveCsv();
    // The user guide, where the section "Returns" explains the figures.
    void openGuide();
    // Shows the investment on a table row in the main window; the row of all does nothing.
    void showInMainWindow(int row);

    // The reading shown; its sums over time have gone to the chart.
    const Reading &reading() const { return m_reading; }

    // Settings store place of the window's size and position.
    static const QString SettingsSection;
    static const QString SizeKey;
    static const QString PositionKey;

    QPushButton *cmdSaveCsv = nullptr;
    QPushButton *cmdAboutFigures = nullptr;
    QStackedWidget *stkTable = nullptr;
    QTableView *tblPortfolio = nullptr;
    QLabel *lblMessage = nullptr;
    QLabel *lblNote = nullptr;
    QSplitter *splitter = nullptr;
    InflationChart *chart = nullptr;
    PortfolioModel *model = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;
    void changeEvent(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    PortfolioWindow();
    ~PortfolioWindow() override;
    void keepPlace();
    void place(const QWidget *mainWindow);
    void scheduleReload();
    void present(Reading reading);
    void fitTableHeight();

    struct Stamps
    {
        storage::FileStamp investments;
        storage::FileStamp history;
        QString series;
        bool operator==(const Stamps &other) const
        {
            return investments == other.investments && history == other.history && series == other.series;
        }
    };
    static Stamps currentStamps();

    Reading m_reading;
    Stamps m_stamps;
    bool m_read = false;
    bool m_reloadQueued = false;
};
