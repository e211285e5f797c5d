#pragma once

#include "render/chart/inflationchartpainter.h"

#include <QWidget>

class InflationChart;
class QLabel;
class QPushButton;

// The chart of the investment the main window shows. A window of its own, not a child of
// the main window, so it stays usable while a dialog holds the main window disabled. It
// follows the main window: mainWindowChanged() redraws it for the investment in hand.
class ChartWindow : public QWidget
{
    Q_OBJECT

public:
    // Opens the window, or raises it when it is open. A new window goes where the user last
    // left it, or beside `mainWindow` when that place is no longer on a screen.
    static ChartWindow *open(const QWidget *mainWindow = nullptr);
    static ChartWindow *instance();
    static void closeWindow();
    // The main window shows another investment or has reloaded its records: the chart is
    // drawn again once control is back in the event loop (once, however often it is called).
    static void mainWindowChanged();

    // Reads the investment in hand again and redraws.
    void reload();
    void savePng();
    void savePdf();
    // The figures of a record as the window shows them under the chart.
    QString readoutText(int index) const;

    // Settings store place of the window's size and position ("820x560", "900,120").
    static const QString SettingsSection;
    static const QString SizeKey;
    static const QString PositionKey;

    InflationChart *chart = nullptr;
    QPushButton *cmdSavePng = nullptr;
    QPushButton *cmdSavePdf = nullptr;
    QLabel *lblReadout = nullptr;
    // The investment's returns in a sentence (core/returns.h); not part of a saved picture.
    QLabel *lblReturns = nullptr;

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    ChartWindow();
    ~ChartWindow() override;
    void keepPlace();
    void place(const QWidget *mainWindow);
    // The chart as saved to a file: what it shows, never the record the pointer is on.
    InflationChartPainter picture() const;
    void scheduleReload();
    void showReadout(int index);
    void showReturns(const QString &sentence);
    QString suggestedFileName(const QString &extension) const;

    bool m_reloadQueued = false;
};
