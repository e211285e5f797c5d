#pragma once

#include "core/valuetypes.h"

#include <QLocale>
#include <QObject>
#include <QProcess>
#include <QString>

class QTimer;

namespace ui::report {

// One report written by plumbline-report in a process of its own, so the window stays
// responsive, shows the pages as they are written and can stop it. The tool tells its
// progress a line at a time (--progress); what ends the run comes back as one signal.
class ReportRun : public QObject
{
    Q_OBJECT

public:
    // The tool run; by default plumbline-report beside the program.
    static QString toolPath();
    static void setToolPath(const QString &path); // empty restores the default

    explicit ReportRun(QObject *parent = nullptr);
    ~ReportRun() override;

    // Starts the report of `investment` (0: all) of the data folder into `outputPath`, dated
    // `today`, with dates in `locale`'s form.
    void start(const QString &dataFolder, int investment, const QString &outputPath, const QLocale &locale, Date today);
    // Asks the tool to stop (it leaves nothing behind); ends it outright if it does not.
    void cancel();
    bool isRunning() const;
    qint64 processId() const;

signals:
    void counted(int pages);
    void pageWritten(int page, int pages);
    void succeeded(int pages);
    // A numbered error, as the standard error box shows it.
    void failed(int number, const QString &description);
    // A refusal without a number (a change pending in the data folder, say).
    void refused(const QString &message);
    void cancelled();

private:
    void readLines();
    void onFinished(int exitCode, QProcess::ExitStatus status);

    QProcess *m_process;
    QTimer *m_killTimer;
    bool m_cancelRequested = false;
    bool m_ended = false;
    int m_pages = 0;
    int m_done = -1; // pages, once the tool said the report is written
    QString m_failureLine;
};

} // namespace ui::report
