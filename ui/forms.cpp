#include "ui/forms.h"

#include "platform/messagebox.h"
#include "ui/chart/chartwindow.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/dialogs/frmneweditdata.h"
#include "ui/main/frminvestdata.h"
#include "ui/portfolio/portfoliowindow.h"
#include "ui/startup/frmenterpassword.h"
#include "ui/startup/frmpassword.h"
#include "ui/startup/frmplsplash.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"

#include <QCoreApplication>
#include <QList>
#include <QPointer>
#include <QWidget>

namespace ui {

namespace {

struct IdleAction
{
    QPointer<QObject> context;
    bool hasContext;
    std::function<void()> action;
};

int g_handlerDepth = 0;
QList<IdleAction> g_idleActions;
bool g_flushQueued = false;

void runIdleActions()
{
    g_flushQueued = false;
    // One at a time: an action may run a handler, show a box or add actions.
    while (!g_idleActions.isEmpty() && !handlersBusy()) {
        const IdleAction next = g_idleActions.takeFirst();
        if (next.hasContext && !next.context)
            continue;
        next.action();
    }
}

// From the event loop, never from inside the handler or box that just ended.
void queueIdleActions()
{
    if (g_flushQueued || g_idleActions.isEmpty() || handlersBusy())
        return;
    QCoreApplication *app = QCoreApplication::instance();
    if (!app)
        return;
    g_flushQueued = true;
    QMetaObject::invokeMethod(app, &runIdleActions, Qt::QueuedConnection);
}

} // namespace

HandlerScope::HandlerScope()
{
    ++g_handlerDepth;
}

HandlerScope::~HandlerScope()
{
    if (--g_handlerDepth == 0)
        queueIdleActions();
}

bool handlersBusy()
{
    return g_handlerDepth > 0 || platform::openMessageBoxes() > 0;
}

void whenIdle(QObject *context, std::function<void()> action)
{
    static const bool hooked = [] {
        platform::setAllBoxesClosedHandler(&queueIdleActions);
        return true;
    }();
    Q_UNUSED(hooked);
    if (!handlersBusy() && g_idleActions.isEmpty()) {
        action();
        return;
    }
    g_idleActions.append(IdleAction{context, context != nullptr, std::move(action)});
    queueIdleActions();
}

void destroyWhenIdle(QWidget *window)
{
    whenIdle(window, [window] { window->deleteLater(); });
}

void UnloadAllForms()
{
    ChartWindow::closeWindow();
    PortfolioWindow::closeWindow();
    frmInstructions::Unload();
    frmBackupFiles::Unload();
    frmNewEditData::Unload();
    frmInvestEntry::Unload();
    frmEnterPassword::Unload();
    frmPassword::Unload();
    frmPlSplash::Unload();
    frmInvestData::Unload();
}

} // namespace ui
