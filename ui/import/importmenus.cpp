#include "ui/import/importmenus.h"

#include "core/runtimeerror.h"
#include "platform/filechooser.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/historyreader.h"
#include "storage/investrecords.h"
#include "storage/priceindexstore.h"
#include "storage/recordimport.h"
#include "storage/regularfile.h"
#include "storage/transaction.h"
#include "storage/versions.h"
#include "ui/import/fillratesdialog.h"
#include "ui/import/importdialog.h"
#include "ui/import/windowchange.h"
#include "ui/index/priceindexchoice.h"
#include "ui/startup/formsupport.h"

#include <QAction>
#include <QCoreApplication>
#include <QDir>
#include <QDragEnterEvent>
#include <QDropEvent>
#include <QFileInfo>
#include <QMainWindow>
#include <QMenu>
#include <QMimeData>
#include <QStandardPaths>
#include <QUrl>

namespace ui::import {

namespace {

QString importTitle()
{
    return QCoreApplication::translate("Import", "Import Records");
}

QString fillTitle()
{
    return QCoreApplication::translate("Import", "Fill Missing Rates");
}

// The one local file a drag carries, when it is one.
QString droppedFile(const QMimeData *data)
{
    if (!data || !data->hasUrls() || data->urls().size() != 1 || !data->urls().first().isLocalFile())
        return QString();
    return data->urls().first().toLocalFile();
}

// A CSV file dropped anywhere on the main window opens its import; other drags pass by.
class DropFilter : public QObject
{
public:
    DropFilter(QMainWindow *window, MainWindowHooks hooks)
        : QObject(window), m_window(window), m_hooks(std::move(hooks))
    {
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        Q_UNUSED(watched);
        switch (event->type()) {
        case QEvent::DragEnter:
        case QEvent::DragMove: {
            auto *drag = static_cast<QDragMoveEvent *>(event);
            if (droppedFile(drag->mimeData()).isEmpty() || !m_window->isEnabled())
                return false;
            drag->acceptProposedAction();
            return true;
        }
        case QEvent::Drop: {
            auto *drop = static_cast<QDropEvent *>(event);
            const QString path = droppedFile(drop->mimeData());
            if (path.isEmpty() || !m_window->isEnabled())
                return false;
            drop->acceptProposedAction();
            // After the drop has returned to the system: the import may ask questions.
            QMetaObject::invokeMethod(
                m_window,
                [window = m_window, hooks = m_hooks, path] {
                    ui::forms::guard([&] { importFile(window, hooks, path); });
                },
                Qt::QueuedConnection);
            return true;
        }
        default:
            return false;
        }
    }

private:
    QMainWindow *m_window;
    MainWindowHooks m_hooks;
};

} // namespace

QString investmentName(int number)
{
    try {
        const auto list = storage::readInvestmentList(storage::programFile(storage::InvestFileName));
        if (number >= 1 && number <= int(list.size()))
            return storage::investmentTitle(list[size_t(number - 1)].type, list[size_t(number - 1)].institution);
    } catch (const RuntimeError &) {
    }
    return QString();
}

bool applyFromWindow(const MainWindowHooks &hooks, const storage::RecordChangePlan &plan)
{
    // The window holds the investment file open; a new investment replaces it.
    if (plan.newInvestment && hooks.releaseInvestFile)
        hooks.releaseInvestFile();
    try {
        storage::VersionStore versions(storage::programFolder());
        storage::VersionStore::Change change = versions.begin(storage::describeChange(plan));
        storage::applyRecordChanges(storage::programFolder(), plan);
        try {
            change.commit();
        } catch (const RuntimeError &error) {
            platform::showStandardError(error); // the records are in; only the version after is not kept yet
        }
    } catch (const storage::CommitLeftPending &error) {
        // Half the files are new: going on could show records beside the wrong investment.
        platform::showStandardError(error);
        platform::msgBox(QCoreApplication::translate(
                             "Import", "The import could not be completed. Plumbline 3.5 completes it when it "
                                       "starts next time, and ends now."),
                         platform::MsgIcon::Critical);
        ui::forms::endProgram();
        return false;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        if (hooks.changed)
            hooks.changed(0);
        return false;
    }
    if (hooks.changed)
        hooks.changed(plan.investment);
    return true;
}

void addImportMenus(QMainWindow *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *editMenu, MainWindowHooks hooks)
{
    auto *import = new QAction(QCoreApplication::translate("Import", "Import Recor&ds…"), fileMenu);
    import->setObjectName(QStringLiteral("mnuFileImportRecords"));
    fileMenu->insertAction(beforeInFile, import);
    QObject::connect(import, &QAction::triggered, window,
                     [window, hooks] { ui::forms::guard([window, hooks] { importRecords(window, hooks); }); });

    QAction *fill = editMenu->addAction(QCoreApplication::translate("Import", "&Fill Missing Rates…"));
    fill->setObjectName(QStringLiteral("mnuEditFillRates"));
    QObject::connect(fill, &QAction::triggered, window,
                     [window, hooks] { ui::forms::guard([window, hooks] { fillMissingRates(window, hooks); }); });

    window->setAcceptDrops(true);
    auto *filter = new DropFilter(window, hooks);
    window->installEventFilter(filter);
    for (QWidget *child : window->findChildren<QWidget *>())
        child->installEventFilter(filter);
}

void importRecords(QMainWindow *window, const MainWindowHooks &hooks)
{
    const QString path = platform::FileChooser::instance().openFileName(
        window, importTitle(), QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation),
        QCoreApplication::translate("Import", "CSV files (*.csv *.txt);;All files (*)"));
    if (!path.isEmpty())
        importFile(window, hooks, path);
}

void importFile(QMainWindow *window, const MainWindowHooks &hooks, const QString &path)
{
    const auto refuse = [&path](const QString &why) {
        //: %1 is a file name, %2 the reason
        platform::msgBox(QCoreApplication::translate("Import", "\"%1\" cannot be imported: %2")
                             .arg(QDir::toNativeSeparators(path), why),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, importTitle());
    };
    QByteArray bytes;
    QString error;
    if (!storage::readRegularFile(path, recordcsv::MaxBytes, bytes, error, storage::ReadPurpose::Import))
        return refuse(error);
    recordcsv::CsvTable table;
    if (!recordcsv::splitCsv(bytes, table, error))
        return refuse(error);
    if (table.rows.empty())
        return refuse(QCoreApplication::translate("Import", "The file holds no records."));
    const recordcsv::DateOrderFinding dates = recordcsv::findDateOrder(table, recordcsv::detectColumns(table));
    recordcsv::DateOrder order = dates.order;
    if (dates.ambiguous) {
        //: %1 is a line number, %2 the date as the file writes it, %3 and %4 the two dates it can be
        const QString question =
            QCoreApplication::translate(
                "Import", "Every date of this file can be read month first and day first.\r\n\r\n"
                          "Line %1 holds \"%2\":\r\nYes: month/day/year, %3\r\nNo: day/month/year, %4\r\n\r\n"
                          "Are the dates month first?")
                .arg(dates.exampleLine)
                .arg(dates.exampleText,
                     platform::LocaleServices::locale().toString(dates.asMonthFirst.toQDate(), QLocale::LongFormat),
                     platform::LocaleServices::locale().toString(dates.asDayFirst.toQDate(), QLocale::LongFormat));
        const platform::MsgResult answer =
            platform::msgBox(question, platform::MsgIcon::Question, platform::MsgButtons::YesNoCancel, importTitle());
        if (answer == platform::MsgResult::Cancel)
            return;
        order = answer == platform::MsgResult::Yes ? recordcsv::DateOrder::MonthFirst : recordcsv::DateOrder::DayFirst;
    }
    auto *dialog = new ImportRecordsDialog(window, hooks, path, table, order);
    dialog->open();
}

void fillMissingRates(QMainWindow *window, const MainWindowHooks &hooks)
{
    const int shown = hooks.shownInvestment ? hooks.shownInvestment() : 0;
    if (shown <= 0) {
        platform::msgBox(QCoreApplication::translate("Import", "There is no investment shown to fill rates for."),
                         platform::MsgIcon::Exclamation, platform::MsgButtons::OK, fillTitle());
        return;
    }
    const QString seriesName = ui::index::currentPriceIndexName();
    PriceIndex series;
    QString error;
    if (!storage::loadPriceIndex(seriesName, series, error)) {
        platform::msgBox(error, platform::MsgIcon::Exclamation, platform::MsgButtons::OK, fillTitle());
        return;
    }
    storage::RecordChangeRequest request;
    request.investment = shown;
    request.series = &series;
    request.fillExisting = true;
    storage::RecordChangePlan plan;
    try {
        plan = storage::planRecordChanges(storage::programFolder(), request);
    } catch (const storage::HistoryPassError &failure) {
        platform::msgBox(failure.message(), platform::MsgIcon::Exclamation, platform::MsgButtons::OK, fillTitle());
        return;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return;
    }
    auto *dialog =
        new FillRatesDialog(window, hooks, storage::investmentTitle(plan.type, plan.institution), seriesName, plan);
    dialog->open();
}

} // namespace ui::import
