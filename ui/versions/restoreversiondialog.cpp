#include "ui/versions/restoreversiondialog.h"

#include "core/runtimeerror.h"
#include "platform/documentopener.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "ui/accessibility.h"
#include "ui/forms.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/versions/versionmenus.h"
#include "ui/versions/versionrecords.h"

#include <QDialogButtonBox>
#include <QDir>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTreeWidget>
#include <QVBoxLayout>

namespace {

enum Column { TimeColumn, ChangeColumn, InvestmentsColumn, RecordsColumn, StateColumn, ColumnCount };

RestoreVersionDialog *g_instance = nullptr;

} // namespace

RestoreVersionDialog *RestoreVersionDialog::open(frmInvestData *window)
{
    if (!g_instance) {
        g_instance = new RestoreVersionDialog(window);
        ui::accessibility::describe(g_instance);
    }
    g_instance->reload();
    g_instance->show();
    g_instance->raise();
    g_instance->activateWindow();
    return g_instance;
}

RestoreVersionDialog *RestoreVersionDialog::instance()
{
    return g_instance;
}

QString RestoreVersionDialog::timeText(const QDateTime &utc)
{
    const QDateTime local = utc.toLocalTime();
    return platform::LocaleServices::shortDate(Date::fromQDate(local.date())) + QLatin1Char(' ') +
           platform::LocaleServices::locale().toString(local.time(), QLocale::ShortFormat);
}

QString RestoreVersionDialog::dateText(const QDate &date)
{
    return platform::LocaleServices::shortDate(Date::fromQDate(date));
}

RestoreVersionDialog::RestoreVersionDialog(frmInvestData *window)
    : QDialog(window, Qt::Dialog | Qt::WindowTitleHint | Qt::WindowCloseButtonHint), m_window(window)
{
    setObjectName(QStringLiteral("RestoreVersionDialog"));
    setWindowTitle(tr("Restore Earlier Version"));
    setAttribute(Qt::WA_DeleteOnClose);
    setWindowModality(Qt::ApplicationModal);

    lblIntro = new QLabel(tr("Plumbline keeps your data as it was before each change. Choose a "
                             "version and click Restore to make it your data again; Edit, Undo takes "
                             "the restore back. Show opens a version's records in your spreadsheet program, "
                             "and Save Records as CSV writes them to a file, without changing your data."),
                          this);
    lblIntro->setObjectName(QStringLiteral("lblIntro"));
    lblIntro->setWordWrap(true);

    lblNoVersions = new QLabel(tr("No earlier versions are kept yet: each change you make from now "
                                  "on keeps the state before it."),
                               this);
    lblNoVersions->setObjectName(QStringLiteral("lblNoVersions"));
    lblNoVersions->setWordWrap(true);
    lblNoVersions->hide();

    tblVersions = new QTreeWidget(this);
    tblVersions->setObjectName(QStringLiteral("tblVersions"));
    tblVersions->setColumnCount(ColumnCount);
    tblVersions->setHeaderLabels({tr("Time"), tr("Change"), tr("Investments"), tr("Records"), QString()});
    tblVersions->setRootIsDecorated(false);
    tblVersions->setUniformRowHeights(true);
    tblVersions->setAllColumnsShowFocus(true);
    tblVersions->setSelectionMode(QAbstractItemView::SingleSelection);
    tblVersions->setAccessibleName(tr("Kept versions"));
    tblVersions->setAccessibleDescription(
        tr("Newest first: when each change was made, what it was, the investments and records "
           "that version holds, and which is current"));
    tblVersions->header()->setStretchLastSection(false);
    tblVersions->header()->setSectionResizeMode(ChangeColumn, QHeaderView::Stretch);
    for (int column : {TimeColumn, InvestmentsColumn, RecordsColumn, StateColumn})
        tblVersions->header()->setSectionResizeMode(column, QHeaderView::ResizeToContents);

    cmdRestore = new QPushButton(tr("&Restore"), this);
    cmdRestore->setObjectName(QStringLiteral("cmdRestore"));
    cmdShow = new QPushButton(tr("S&how"), this);
    cmdShow->setObjectName(QStringLiteral("cmdShow"));
    cmdSaveCsv = new QPushButton(tr("&Save Records as CSV…"), this);
    cmdSaveCsv->setObjectName(QStringLiteral("cmdSaveCsv"));
    cmdClose = new QPushButton(tr("Close"), this);
    cmdClose->setObjectName(QStringLiteral("cmdClose"));
    auto *buttons = new QDialogButtonBox(this);
    buttons->addButton(cmdRestore, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdShow, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdSaveCsv, QDialogButtonBox::ActionRole);
    buttons->addButton(cmdClose, QDialogButtonBox::RejectRole);

    auto *layout = new QVBoxLayout(this);
    layout->addWidget(lblIntro);
    layout->addWidget(lblNoVersions);
    layout->addWidget(tblVersions, 1);
    layout->addWidget(buttons);
    resize(760, 420);

    const auto trapped = [this](void (RestoreVersionDialog::*handler)()) {
        return [this, handler] { ui::forms::guard([this, handler] { (this->*handler)(); }); };
    };
    connect(cmdRestore, &QPushButton::clicked, this, trapped(&RestoreVersionDialog::restoreChosen));
    connect(cmdShow, &QPushButton::clicked, this, trapped(&RestoreVersionDialog::showChosen));
    connect(cmdSaveCsv, &QPushButton::clicked, this, trapped(&RestoreVersionDialog::saveChosenAsCsv));
    connect(cmdClose, &QPushButton::clicked, this, &QDialog::reject);
    connect(tblVersions, &QTreeWidget::itemSelectionChanged, this, &RestoreVersionDialog::updateButtons);
    connect(tblVersions, &QTreeWidget::itemActivated, this, trapped(&RestoreVersionDialog::restoreChosen));
}

RestoreVersionDialog::~RestoreVersionDialog()
{
    if (g_instance == this)
        g_instance = nullptr;
}

void RestoreVersionDialog::done(int result)
{
    QDialog::done(result);
    m_window->activateWindow();
}

void RestoreVersionDialog::reload()
{
    const storage::VersionInfo *before = chosen();
    const int chosenId = before ? before->id : 0;
    m_versions.clear();
    try {
        const storage::VersionStore store(storage::programFolder());
        m_versions = store.list();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    }

    tblVersions->clear();
    QTreeWidgetItem *select = nullptr;
    for (const storage::VersionInfo &version : std::as_const(m_versions)) {
        auto *item = new QTreeWidgetItem(tblVersions);
        item->setText(TimeColumn, timeText(version.time));
        item->setText(ChangeColumn, storage::changeSentence(version.change, &RestoreVersionDialog::dateText));
        item->setText(InvestmentsColumn, platform::LocaleServices::locale().toString(version.investments));
        item->setText(RecordsColumn, platform::LocaleServices::locale().toString(version.records));
        item->setTextAlignment(InvestmentsColumn, Qt::AlignRight | Qt::AlignVCenter);
        item->setTextAlignment(RecordsColumn, Qt::AlignRight | Qt::AlignVCenter);
        if (version.current) {
            item->setText(StateColumn, tr("Current"));
            QFont bold = item->font(TimeColumn);
            bold.setBold(true);
            for (int column = 0; column < ColumnCount; ++column)
                item->setFont(column, bold);
        } else if (version.undone) {
            item->setText(StateColumn, tr("Undone"));
        }
        if (version.id == chosenId || (!chosenId && version.current))
            select = item;
    }
    lblNoVersions->setVisible(m_versions.isEmpty());
    if (!select && tblVersions->topLevelItemCount() > 0)
        select = tblVersions->topLevelItem(0);
    if (select) {
        tblVersions->setCurrentItem(select);
        select->setSelected(true);
    }
    updateButtons();
}

const storage::VersionInfo *RestoreVersionDialog::chosen() const
{
    QTreeWidgetItem *item = tblVersions->currentItem();
    if (!item || !item->isSelected())
        return nullptr;
    const int row = tblVersions->indexOfTopLevelItem(item);
    return row >= 0 && row < m_versions.size() ? &m_versions.at(row) : nullptr;
}

void RestoreVersionDialog::updateButtons()
{
    const storage::VersionInfo *version = chosen();
    cmdRestore->setEnabled(version && !version->current);
    cmdShow->setEnabled(version != nullptr);
    cmdSaveCsv->setEnabled(version != nullptr);
}

void RestoreVersionDialog::restoreChosen()
{
    const storage::VersionInfo *version = chosen();
    if (!version || version->current)
        return;
    const storage::VersionInfo picked = *version;
    if (platform::msgBox(
            //: %1 is the time of the version, %2 the change made then
            tr("Make the version of %1 your data again?\r\n"
               "%2\r\n"
               "Your data as it is now is kept: Edit, Undo brings it back.")
                .arg(timeText(picked.time), storage::changeSentence(picked.change, &RestoreVersionDialog::dateText)),
            platform::MsgIcon::Question, platform::MsgButtons::YesNo,
            tr("Restore Earlier Version")) != platform::MsgResult::Yes)
        return;
    storage::VersionStore store(storage::programFolder());
    try {
        m_window->ReplaceDataFiles([&store, &picked] { store.restore(picked.id); });
    } catch (const RuntimeError &error) {
        ui::versions::refreshVersionMenus();
        platform::showStandardError(error);
        reload();
        return;
    }
    ui::versions::refreshVersionMenus();
    accept();
}

void RestoreVersionDialog::saveChosenAsCsv()
{
    const storage::VersionInfo *version = chosen();
    if (!version)
        return;
    const storage::VersionInfo picked = *version;
    const QString suggested =
        QDir::home().filePath(QStringLiteral("Plumbline records %1.csv")
                                  .arg(picked.time.toLocalTime().toString(QStringLiteral("yyyy-MM-dd hhmm"))));
    const QString path = platform::FileChooser::instance().saveFileName(this, tr("Save Records of the Version as CSV"),
                                                                        suggested, tr("CSV files (*.csv)"));
    if (path.isEmpty())
        return;
    // The version is written out apart from the data folder and read from there.
    QTemporaryDir folder;
    if (!folder.isValid())
        throw RuntimeError(RuntimeError::PathFileAccessError, folder.errorString());
    const storage::VersionStore store(storage::programFolder());
    store.materialize(picked.id, folder.path());
    ui::versions::writeRecordsCsv(folder.path(), path);
}

void RestoreVersionDialog::showChosen()
{
    const storage::VersionInfo *version = chosen();
    if (!version)
        return;
    const int id = version->id;
    // A file of the user's own (0600) outside the data folder, left for the program that shows
    // it; the system's temporary folder is emptied in its own time.
    QTemporaryFile shown(QDir::temp().filePath(QStringLiteral("Plumbline version %1 XXXXXX.csv").arg(id)));
    shown.setAutoRemove(false);
    if (!shown.open())
        throw RuntimeError(RuntimeError::PathFileAccessError, shown.errorString());
    const QString path = shown.fileName();
    shown.close();
    try {
        QTemporaryDir folder;
        if (!folder.isValid())
            throw RuntimeError(RuntimeError::PathFileAccessError, folder.errorString());
        const storage::VersionStore store(storage::programFolder());
        store.materialize(id, folder.path());
        ui::versions::writeRecordsCsv(folder.path(), path);
    } catch (...) {
        QFile::remove(path);
        throw;
    }
    if (!platform::DocumentOpener::instance().openFile(path)) {
        QFile::remove(path);
        platform::msgBox(tr("The desktop has no program to show CSV files. Save Records as CSV writes "
                            "the version's records to a file of your choice."),
                         platform::MsgIcon::Information, platform::MsgButtons::OK, tr("Restore Earlier Version"));
    }
}
