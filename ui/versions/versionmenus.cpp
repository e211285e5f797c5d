#include "ui/versions/versionmenus.h"

#include "core/runtimeerror.h"
#include "storage/datafolder.h"
#include "storage/versions.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/versions/restorebackup.h"
#include "ui/versions/restoreversiondialog.h"

#include <QAction>
#include <QCoreApplication>
#include <QEvent>
#include <QMenu>
#include <QPointer>

#include <optional>

namespace ui::versions {

namespace {

const QString MenusObjectName = QStringLiteral("versionMenus");

// A name with "&" in it must not give the entry an access key. `withChange` holds %1 for the change.
QString menuText(const QString &verb, const QString &withChange,
                 const std::optional<storage::ChangeDescription> &change)
{
    if (!change)
        return verb;
    QString title = storage::changeTitle(*change);
    title.replace(QLatin1Char('&'), QLatin1String("&&"));
    return withChange.arg(title);
}

// Keeps the entries up to date as the main window is enabled and disabled around its
// dialogs and becomes active again.
class VersionMenus : public QObject
{
public:
    VersionMenus(frmInvestData *window, QAction *undoAction, QAction *redoAction)
        : QObject(window), m_window(window), m_undo(undoAction), m_redo(redoAction)
    {
        setObjectName(MenusObjectName);
        window->installEventFilter(this);
    }

    void refresh()
    {
        std::optional<storage::ChangeDescription> undoable;
        std::optional<storage::ChangeDescription> redoable;
        try {
            const storage::VersionStore store(storage::programFolder());
            undoable = store.undoChange();
            redoable = store.redoChange();
        } catch (const RuntimeError &) {
            // Versions that cannot be read offer nothing; start-up recovery says why.
        }
        const bool free = m_window->isEnabled();
        m_undo->setText(menuText(QCoreApplication::translate("Versions", "&Undo"),
                                 //: %1 is the change, as "Delete Investment 'Savings'"
                                 QCoreApplication::translate("Versions", "&Undo %1"), undoable));
        m_undo->setEnabled(free && undoable.has_value());
        m_redo->setText(menuText(QCoreApplication::translate("Versions", "&Redo"),
                                 //: %1 is the change, as "Delete Investment 'Savings'"
                                 QCoreApplication::translate("Versions", "&Redo %1"), redoable));
        m_redo->setEnabled(free && redoable.has_value());
    }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (watched == m_window && (event->type() == QEvent::EnabledChange || event->type() == QEvent::WindowActivate))
            refresh();
        return QObject::eventFilter(watched, event);
    }

private:
    frmInvestData *m_window;
    QAction *m_undo;
    QAction *m_redo;
};

VersionMenus *menusOf(frmInvestData *window)
{
    return window ? window->findChild<VersionMenus *>(MenusObjectName, Qt::FindDirectChildrenOnly) : nullptr;
}

// Undo and redo put other files in place of both data files: the main window shows them
// as after any change.
void replaceWith(frmInvestData *window, void (storage::VersionStore::*step)(),
                 std::optional<storage::ChangeDescription> (storage::VersionStore::*pending)() const)
{
    if (!window->isEnabled())
        return;
    storage::VersionStore store(storage::programFolder());
    if ((store.*pending)()) {
        try {
            window->ReplaceDataFiles([&store, step] { (store.*step)(); });
        } catch (...) {
            refreshVersionMenus();
            throw;
        }
    }
    refreshVersionMenus();
}

} // namespace

void addVersionMenus(frmInvestData *window, QMenu *fileMenu, QAction *beforeInFile, QMenu *editMenu)
{
    const auto guarded = [window](void (*handler)(frmInvestData *)) {
        return [window, handler] { ui::forms::guard([window, handler] { handler(window); }); };
    };

    QAction *firstInEdit = editMenu->actions().isEmpty() ? nullptr : editMenu->actions().constFirst();
    auto *undoAction = new QAction(QCoreApplication::translate("Versions", "&Undo"), editMenu);
    undoAction->setObjectName(QStringLiteral("mnuEditUndo"));
    undoAction->setShortcut(QKeySequence(Qt::CTRL | Qt::Key_Z));
    auto *redoAction = new QAction(QCoreApplication::translate("Versions", "&Redo"), editMenu);
    redoAction->setObjectName(QStringLiteral("mnuEditRedo"));
    redoAction->setShortcuts({QKeySequence(Qt::CTRL | Qt::Key_Y), QKeySequence(Qt::CTRL | Qt::SHIFT | Qt::Key_Z)});
    editMenu->insertAction(firstInEdit, undoAction);
    editMenu->insertAction(firstInEdit, redoAction);
    if (firstInEdit)
        editMenu->insertSeparator(firstInEdit);
    QObject::connect(undoAction, &QAction::triggered, window, guarded(&undo));
    QObject::connect(redoAction, &QAction::triggered, window, guarded(&redo));

    auto *restoreVersion = new QAction(QCoreApplication::translate("Versions", "Restore Earlier &Version…"), fileMenu);
    restoreVersion->setObjectName(QStringLiteral("mnuFileRestoreVersion"));
    auto *restoreBackup = new QAction(QCoreApplication::translate("Versions", "Restore from Bac&kup…"), fileMenu);
    restoreBackup->setObjectName(QStringLiteral("mnuFileRestoreBackup"));
    fileMenu->insertAction(beforeInFile, restoreVersion);
    fileMenu->insertAction(beforeInFile, restoreBackup);
    QObject::connect(restoreVersion, &QAction::triggered, window,
                     guarded([](frmInvestData *w) { RestoreVersionDialog::open(w); }));
    QObject::connect(restoreBackup, &QAction::triggered, window, guarded(&restoreFromBackup));

    auto *menus = new VersionMenus(window, undoAction, redoAction);
    QObject::connect(editMenu, &QMenu::aboutToShow, menus, [menus] { menus->refresh(); });
    // Nothing is read before the window holds the folder's lock: the first activation says.
    undoAction->setEnabled(false);
    redoAction->setEnabled(false);
}

void refreshVersionMenus()
{
    if (VersionMenus *menus = menusOf(frmInvestData::instance()))
        menus->refresh();
}

void undo(frmInvestData *window)
{
    replaceWith(window, &storage::VersionStore::undo, &storage::VersionStore::undoChange);
}

void redo(frmInvestData *window)
{
    replaceWith(window, &storage::VersionStore::redo, &storage::VersionStore::redoChange);
}

} // namespace ui::versions
