#include "ui/report/reportdialog.h"

#include "core/runtimeerror.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "render/report/reportwriter.h"
#include "storage/datafolder.h"
#include "storage/reportsummary.h"
#include "ui/accessibility.h"
#include "ui/report/reportrun.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QStandardPaths>
#include <QVBoxLayout>

namespace ui::report {

namespace {

QPointer<ReportDialog> g_instance;

// The documents folder as xdg-user-dirs names it for the desktop ("$HOME/..." or a full path),
// empty when no such name is given (or on systems without it).
QString xdgDocumentsFolder()
{
#if defined(Q_OS_UNIX) && !defined(Q_OS_MACOS)
    QString config = qEnvironmentVariable("XDG_CONFIG_HOME");
    if (config.isEmpty())
        config = QDir::homePath() + QStringLiteral("/.config");
    QFile file(config + QStringLiteral("/user-dirs.dirs"));
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text))
        return QString();
    QString folder;
    const QString key = QStringLiteral("XDG_DOCUMENTS_DIR=");
    while (!file.atEnd()) {
        QString value = QString::fromUtf8(file.readLine()).trimmed();
        if (!value.startsWith(key))
            continue;
        value = value.mid(key.size());
        if (value.size() >= 2 && value.startsWith(QLatin1Char('"')) && value.endsWith(QLatin1Char('"')))
            value = value.mid(1, value.size() - 2);
        if (value.startsWith(QStringLiteral("$HOME")))
            value = QDir::homePath() + value.mid(5);
        // A relative name is not a valid entry; the desktop ignores it too.
        if (QDir::isAbsolutePath(value))
            folder = QDir::cleanPath(value);
    }
    return folder;
#else
    return QString();
#endif
}

// "Savings account, First Bank"; empty when the investment has neither name.
QString investmentName(int investment)
{
    QString name;
    try {
        const storage::InvestmentSummary one = storage::investmentNames(investment);
        name = one.type.trimmed();
        const QString institution = one.institution.trimmed();
        if (!name.isEmpty() && !institution.isEmpty())
            name += QStringLiteral(", ");
        name += institution;
    } catch (const RuntimeError &) {
        // The number alone still says which one is meant.
    }
    // A '&' of the name is shown, not taken as the button's access key.
    return name.replace(QLatin1Char('&'), QStringLiteral("&&"));
}

} // namespace

ReportDialog *ReportDialog::open(QWidget *mainWindow, int shownInvestment)
{
    if (!g_instance)
        g_instance = new ReportDialog(mainWindow, shownInvestment);
    if (mainWindow)
        mainWindow->setEnabled(false);
    g_instance->show();
    g_instance->raise();
    g_instance->activateWindow();
    return g_instance;
}

ReportDialog *ReportDialog::instance()
{
    return g_instance;
}

QString ReportDialog::defaultFolder()
{
    // A documents folder the desktop names is created when missing, as the desktop does at
    // login; one nothing names is not, and then the report goes into the home folder.
    const QString named = xdgDocumentsFolder();
    if (!named.isEmpty())
        return QFileInfo(named).isDir() || QDir().mkpath(named) ? named : QDir::homePath();
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return !documents.isEmpty() && QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ReportDialog::defaultPath()
{
    return QDir(defaultFolder()).filePath(render::defaultReportName(platform::LocaleServices::today()));
}

ReportDialog::ReportDialog(QWidget *mainWindow, int shownInvestment)
    : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                           Qt::CustomizeWindowHint),
      m_mainWindow(mainWindow), m_shownInvestment(shownInvestment)
{
    setObjectName(QStringLiteral("ReportDialog"));
    setWindowTitle(tr("Report"));

    auto *scope = new QGroupBox(tr("Report on"), this);
    scope->setObjectName(QStringLiteral("grpScope"));
    optShownInvestment = new QRadioButton(scope);
    optShownInvestment->setObjectName(QStringLiteral("optShownInvestment"));
    const QString shownName = shownInvestment > 0 ? investmentName(shownInvestment) : QString();
    if (shownInvestment <= 0)
        optShownInvestment->setText(tr("&Shown investment"));
    else if (shownName.isEmpty())
        //: %1 the number of the investment, which has no type or institution
        optShownInvestment->setText(tr("&Shown investment (number %1)").arg(shownInvestment));
    else
        //: %1 the investment's type and institution
        optShownInvestment->setText(tr("&Shown investment (%1)").arg(shownName));
    optShownInvestment->setEnabled(shownInvestment > 0);
    optAllInvestments = new QRadioButton(tr("&All investments"), scope);
    optAllInvestments->setObjectName(QStringLiteral("optAllInvestments"));
    (shownInvestment > 0 ? optShownInvestment : optAllInvestments)->setChecked(true);
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(optShownInvestment);
    scopeLayout->addWidget(optAllInvestments);

    auto *fileLabel = new QLabel(tr("Sa&ve as:"), this);
    fileLabel->setObjectName(QStringLiteral("lblReportFile"));
    txtReportFile = new QLineEdit(defaultPath(), this);
    txtReportFile->setObjectName(QStringLiteral("txtReportFile"));
    txtReportFile->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    fileLabel->setBuddy(txtReportFile);
    cmdBrowse = new QPushButton(tr("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);

    cmdCreate = new QPushButton(tr("C&reate"), this);
    cmdCreate->setObjectName(QStringLiteral("cmdCreate"));
    cmdCreate->setDefault(true);
    cmdCancel = new QPushButton(tr("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

    barProgress = new QProgressBar(this);
    barProgress->setObjectName(QStringLiteral("barProgress"));
    barProgress->setTextVisible(false);
    lblProgress = new QLabel(this);
    lblProgress->setObjectName(QStringLiteral("lblProgress"));
    barProgress->hide();
    lblProgress->hide();

    auto *fileRow = new QHBoxLayout;
    fileRow->addWidget(fileLabel);
    fileRow->addWidget(txtReportFile, 1);
    fileRow->addWidget(cmdBrowse);
    auto *buttons = new QHBoxLayout;
    buttons->addStretch(1);
    buttons->addWidget(cmdCreate);
    buttons->addWidget(cmdCancel);
    auto *layout = new QVBoxLayout(this);
    layout->addWidget(scope);
    layout->addLayout(fileRow);
    layout->addWidget(lblProgress);
    layout->addWidget(barProgress);
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdBrowse, &QPushButton::clicked, this, &ReportDialog::browse);
    connect(cmdCreate, &QPushButton::clicked, this, &ReportDialog::create);
    connect(cmdCancel, &QPushButton::clicked, this, &ReportDialog::cancel);
    // Cancel, Esc and the window frame all end in finished().
    connect(this, &QDialog::finished, this, [this] { leave(); });
    ui::accessibility::describe(this);
}

ReportDialog::~ReportDialog() = default;

void ReportDialog::browse()
{
    const QString chosen = platform::FileChooser::instance().saveFileName(
        this, tr("Save Report As"), txtReportFile->text(), tr("PDF files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    txtReportFile->setText(QDir::toNativeSeparators(chosen));
    // The chooser asks before it returns an existing file; the user is not asked twice.
    m_replaceConfirmed = QFileInfo::exists(chosen) ? QFileInfo(chosen).absoluteFilePath() : QString();
}

void ReportDialog::create()
{
    QString path = QDir::fromNativeSeparators(txtReportFile->text().trimmed());
    const int investment = optShownInvestment->isChecked() ? m_shownInvestment : 0;
    if (path.isEmpty()) {
        platform::msgBox(tr("Please enter the name of the report file."), platform::MsgIcon::Exclamation);
        txtReportFile->setFocus();
        return;
    }
    if (QFileInfo(path).isRelative())
        path = QDir(defaultFolder()).absoluteFilePath(path);
    const bool confirmed = !m_replaceConfirmed.isEmpty() && QFileInfo(path).absoluteFilePath() == m_replaceConfirmed;
    if (QFileInfo::exists(path) && !confirmed &&
        platform::msgBox(
            //: %1 a file
            tr("%1 already exists.\r\nDo you want to replace it?").arg(QDir::toNativeSeparators(path)),
            platform::MsgIcon::Question, platform::MsgButtons::YesNo) != platform::MsgResult::Yes)
        return;

    m_writing = path;
    m_run = new ReportRun(this);
    connect(m_run, &ReportRun::counted, this, [this](int pages) {
        barProgress->setRange(0, pages);
        barProgress->setValue(0);
        //: %1 the number of pages
        lblProgress->setText(tr("Page 0 of %1").arg(pages));
    });
    connect(m_run, &ReportRun::pageWritten, this, [this](int page, int pages) {
        barProgress->setValue(page);
        //: %1 and %2 page numbers
        lblProgress->setText(tr("Page %1 of %2").arg(page).arg(pages));
    });
    connect(m_run, &ReportRun::succeeded, this, [this](int pages) {
        finishRun();
        //: %1 the number of pages, %2 the report's file
        platform::msgBox((pages == 1 ? tr("The report (%1 page) was saved as\r\n%2")
                                     : tr("The report (%1 pages) was saved as\r\n%2"))
                             .arg(pages)
                             .arg(QDir::toNativeSeparators(m_writing)),
                         platform::MsgIcon::Information);
        accept();
    });
    connect(m_run, &ReportRun::failed, this, [this](int number, const QString &description) {
        finishRun();
        platform::showStandardError(RuntimeError(number, description));
        if (m_closeWhenStopped)
            QDialog::reject();
    });
    connect(m_run, &ReportRun::refused, this, [this](const QString &message) {
        finishRun();
        platform::msgBox(message, platform::MsgIcon::Exclamation);
        if (m_closeWhenStopped)
            QDialog::reject();
    });
    connect(m_run, &ReportRun::cancelled, this, [this] {
        finishRun();
        if (m_closeWhenStopped) {
            QDialog::reject();
            return;
        }
        lblProgress->setText(tr("Cancelled: no report was written."));
        lblProgress->show();
    });
    setWriting(true);
    m_run->start(storage::programFolder(), investment, path, platform::LocaleServices::locale(),
                 platform::LocaleServices::today());
}

void ReportDialog::cancel()
{
    // While a report is written, Cancel stops it and the dialog stays for another try.
    if (m_run && m_run->isRunning()) {
        stopWriting();
        return;
    }
    reject();
}

void ReportDialog::reject()
{
    // Esc or the window frame while a report is written stop the report first; the dialog
    // closes once it has stopped.
    if (m_run && m_run->isRunning()) {
        m_closeWhenStopped = true;
        stopWriting();
        return;
    }
    QDialog::reject();
}

void ReportDialog::stopWriting()
{
    lblProgress->setText(tr("Cancelling..."));
    cmdCancel->setEnabled(false);
    m_run->cancel();
}

void ReportDialog::setWriting(bool writing)
{
    for (QWidget *control :
         {static_cast<QWidget *>(optShownInvestment), static_cast<QWidget *>(optAllInvestments),
          static_cast<QWidget *>(txtReportFile), static_cast<QWidget *>(cmdBrowse), static_cast<QWidget *>(cmdCreate)})
        control->setEnabled(!writing && (control != optShownInvestment || m_shownInvestment > 0));
    cmdCancel->setEnabled(true);
    barProgress->setVisible(writing);
    lblProgress->setVisible(writing);
    if (writing) {
        barProgress->setRange(0, 0); // busy until the pages are counted
        lblProgress->setText(tr("Reading the data records..."));
        cmdCancel->setFocus();
    }
}

void ReportDialog::finishRun()
{
    if (m_run)
        m_run->deleteLater();
    m_run = nullptr;
    setWriting(false);
}

void ReportDialog::leave()
{
    if (m_leaving)
        return;
    m_leaving = true;
    if (m_mainWindow) {
        m_mainWindow->setEnabled(true);
        m_mainWindow->activateWindow();
    }
    deleteLater();
}

} // namespace ui::report
