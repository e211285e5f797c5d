#include "ui/report/reportdialog.h"

#include "core/runtimeerror.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "render/report/reportwriter.h"
#include "storage/historypass.h"
#include "storage/reportsummary.h"
#include "ui/accessibility.h"

#include <QApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QGridLayout>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
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

// "Savings account, First Bank"; the number when the investment has neither name.
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
    if (name.isEmpty())
        return QStringLiteral("number %1").arg(investment);
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
    setWindowTitle(QStringLiteral("Report"));

    auto *scope = new QGroupBox(QStringLiteral("Report on"), this);
    scope->setObjectName(QStringLiteral("grpScope"));
    optShownInvestment = new QRadioButton(scope);
    optShownInvestment->setObjectName(QStringLiteral("optShownInvestment"));
    optShownInvestment->setText(shownInvestment > 0
                                    ? QStringLiteral("&Shown investment (%1)").arg(investmentName(shownInvestment))
                                    : QStringLiteral("&Shown investment"));
    optShownInvestment->setEnabled(shownInvestment > 0);
    optAllInvestments = new QRadioButton(QStringLiteral("&All investments"), scope);
    optAllInvestments->setObjectName(QStringLiteral("optAllInvestments"));
    (shownInvestment > 0 ? optShownInvestment : optAllInvestments)->setChecked(true);
    auto *scopeLayout = new QVBoxLayout(scope);
    scopeLayout->addWidget(optShownInvestment);
    scopeLayout->addWidget(optAllInvestments);

    auto *fileLabel = new QLabel(QStringLiteral("Save &as:"), this);
    fileLabel->setObjectName(QStringLiteral("lblReportFile"));
    txtReportFile = new QLineEdit(defaultPath(), this);
    txtReportFile->setObjectName(QStringLiteral("txtReportFile"));
    txtReportFile->setMinimumWidth(fontMetrics().averageCharWidth() * 60);
    fileLabel->setBuddy(txtReportFile);
    cmdBrowse = new QPushButton(QStringLiteral("&Browse..."), this);
    cmdBrowse->setObjectName(QStringLiteral("cmdBrowse"));
    cmdBrowse->setAutoDefault(false);

    cmdCreate = new QPushButton(QStringLiteral("C&reate"), this);
    cmdCreate->setObjectName(QStringLiteral("cmdCreate"));
    cmdCreate->setDefault(true);
    cmdCancel = new QPushButton(QStringLiteral("&Cancel"), this);
    cmdCancel->setObjectName(QStringLiteral("cmdCancel"));
    cmdCancel->setAutoDefault(false);

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
    layout->addLayout(buttons);
    layout->setSizeConstraint(QLayout::SetFixedSize);

    connect(cmdBrowse, &QPushButton::clicked, this, [this] { cmdBrowse_Click(); });
    connect(cmdCreate, &QPushButton::clicked, this, [this] { cmdCreate_Click(); });
    connect(cmdCancel, &QPushButton::clicked, this, &QDialog::reject);
    // Cancel, Esc and the window frame all end in finished().
    connect(this, &QDialog::finished, this, [this] { leave(); });
    ui::accessibility::describe(this);
}

ReportDialog::~ReportDialog() = default;

void ReportDialog::cmdBrowse_Click()
{
    const QString chosen = platform::FileChooser::instance().saveFileName(
        this, QStringLiteral("Save Report As"), txtReportFile->text(), QStringLiteral("PDF files (*.pdf)"));
    if (chosen.isEmpty())
        return;
    txtReportFile->setText(QDir::toNativeSeparators(chosen));
    // The chooser asks before it returns an existing file; the user is not asked twice.
    m_replaceConfirmed = QFileInfo::exists(chosen) ? QFileInfo(chosen).absoluteFilePath() : QString();
}

void ReportDialog::cmdCreate_Click()
{
    render::ReportRequest request;
    request.outputPath = QDir::fromNativeSeparators(txtReportFile->text().trimmed());
    request.investment = optShownInvestment->isChecked() ? m_shownInvestment : 0;
    if (request.outputPath.isEmpty()) {
        platform::msgBox(QStringLiteral("Please enter the name of the report file."), platform::MsgIcon::Exclamation);
        txtReportFile->setFocus();
        return;
    }
    if (QFileInfo(request.outputPath).isRelative())
        request.outputPath = QDir(defaultFolder()).absoluteFilePath(request.outputPath);
    const bool confirmed =
        !m_replaceConfirmed.isEmpty() && QFileInfo(request.outputPath).absoluteFilePath() == m_replaceConfirmed;
    if (QFileInfo::exists(request.outputPath) && !confirmed &&
        platform::msgBox(QStringLiteral("%1 already exists.\r\nDo you want to replace it?")
                             .arg(QDir::toNativeSeparators(request.outputPath)),
                         platform::MsgIcon::Question, platform::MsgButtons::YesNo) != platform::MsgResult::Yes)
        return;

    int pages = 0;
    try {
        QApplication::setOverrideCursor(Qt::WaitCursor);
        pages = render::writeReport(request);
        QApplication::restoreOverrideCursor();
    } catch (const storage::HistoryPassError &failure) {
        QApplication::restoreOverrideCursor();
        platform::showStandardError(failure.error);
        return;
    } catch (const RuntimeError &error) {
        QApplication::restoreOverrideCursor();
        platform::showStandardError(error);
        return;
    }
    platform::msgBox(QStringLiteral("The report (%1 %2) was saved as\r\n%3")
                         .arg(pages)
                         .arg(pages == 1 ? QStringLiteral("page") : QStringLiteral("pages"),
                              QDir::toNativeSeparators(request.outputPath)),
                     platform::MsgIcon::Information);
    accept();
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
