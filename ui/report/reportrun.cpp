#include "ui/report/reportrun.h"

#include "core/runtimeerror.h"
#include "ui/index/priceindexchoice.h"

#include <QCoreApplication>
#include <QDate>
#include <QDir>
#include <QTimer>

namespace ui::report {

namespace {

QString &toolOverride()
{
    static QString path;
    return path;
}

// How long a cancelled tool has to stop by itself before it is ended outright; it checks
// between pages, and the pass before the first page can take a moment on a long history.
constexpr int CancelGraceMs = 10000;

} // namespace

QString ReportRun::toolPath()
{
    if (!toolOverride().isEmpty())
        return toolOverride();
#ifdef Q_OS_WIN
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plumbline-report.exe"));
#else
    return QDir(QCoreApplication::applicationDirPath()).filePath(QStringLiteral("plumbline-report"));
#endif
}

void ReportRun::setToolPath(const QString &path)
{
    toolOverride() = path;
}

ReportRun::ReportRun(QObject *parent) : QObject(parent), m_process(new QProcess(this)), m_killTimer(new QTimer(this))
{
    m_killTimer->setSingleShot(true);
    m_killTimer->setInterval(CancelGraceMs);
    connect(m_killTimer, &QTimer::timeout, m_process, &QProcess::kill);
    connect(m_process, &QProcess::readyReadStandardOutput, this, &ReportRun::readLines);
    connect(m_process, &QProcess::finished, this, &ReportRun::onFinished);
    connect(m_process, &QProcess::errorOccurred, this, [this](QProcess::ProcessError error) {
        if (error == QProcess::FailedToStart && !m_ended) {
            m_ended = true;
            emit failed(RuntimeError::FileNotFound, RuntimeError::standardDescription(RuntimeError::FileNotFound));
        }
    });
}

ReportRun::~ReportRun()
{
    // A window closed while the tool runs takes it along; it leaves no file behind.
    if (m_process->state() != QProcess::NotRunning) {
        m_process->kill();
        m_process->waitForFinished(5000);
    }
}

void ReportRun::start(const QString &dataFolder, int investment, const QString &outputPath, const QLocale &locale,
                      Date today)
{
    m_cancelRequested = false;
    m_ended = false;
    m_done = -1;
    m_pages = 0;
    m_failureLine.clear();
    QStringList arguments{QStringLiteral("--progress"),
                          QStringLiteral("--data-dir"),
                          dataFolder,
                          QStringLiteral("--out"),
                          outputPath,
                          QStringLiteral("--date"),
                          today.toQDate().toString(Qt::ISODate),
                          QStringLiteral("--locale"),
                          locale.name()};
    if (investment > 0)
        arguments << QStringLiteral("--investment") << QString::number(investment);
    // The series the windows use, whatever the tool would find on its own.
    arguments << QStringLiteral("--series") << ui::index::currentPriceIndexName();
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    // A PDF needs fonts, not the desktop's display.
    environment.insert(QStringLiteral("QT_QPA_PLATFORM"), QStringLiteral("offscreen"));
    m_process->setProcessEnvironment(environment);
    m_process->setProcessChannelMode(QProcess::SeparateChannels);
    m_process->setStandardErrorFile(QProcess::nullDevice());
    m_process->start(toolPath(), arguments);
}

void ReportRun::cancel()
{
    if (m_process->state() == QProcess::NotRunning || m_cancelRequested)
        return;
    m_cancelRequested = true;
    m_process->terminate();
    m_killTimer->start();
}

bool ReportRun::isRunning() const
{
    return m_process->state() != QProcess::NotRunning;
}

qint64 ReportRun::processId() const
{
    return m_process->processId();
}

void ReportRun::readLines()
{
    while (m_process->canReadLine()) {
        const QString line = QString::fromUtf8(m_process->readLine()).trimmed();
        const QString word = line.section(QLatin1Char(' '), 0, 0);
        const QString rest = line.section(QLatin1Char(' '), 1);
        if (word == QLatin1String("pages")) {
            m_pages = rest.toInt();
            emit counted(m_pages);
        } else if (word == QLatin1String("page")) {
            emit pageWritten(rest.toInt(), m_pages);
        } else if (word == QLatin1String("done")) {
            m_done = rest.toInt();
        } else if (word == QLatin1String("error") || word == QLatin1String("refused")) {
            m_failureLine = line;
        }
    }
}

void ReportRun::onFinished(int exitCode, QProcess::ExitStatus status)
{
    m_killTimer->stop();
    readLines();
    if (m_ended)
        return;
    m_ended = true;
    if (m_done >= 0 && status == QProcess::NormalExit && exitCode == 0) {
        emit succeeded(m_done);
    } else if (m_cancelRequested) {
        emit cancelled();
    } else if (m_failureLine.startsWith(QLatin1String("error "))) {
        const QString rest = m_failureLine.mid(6);
        emit failed(rest.section(QLatin1Char(' '), 0, 0).toInt(), rest.section(QLatin1Char(' '), 1));
    } else if (m_failureLine.startsWith(QLatin1String("refused "))) {
        emit refused(m_failureLine.mid(8));
    } else {
        // Ended by something else (killed, out of memory, a crash): nothing was written.
        emit failed(RuntimeError::InternalError, RuntimeError::standardDescription(RuntimeError::InternalError));
    }
}

} // namespace ui::report
