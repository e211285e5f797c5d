// Menus, toolbar and clipboard of the main window.
#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmpassword.h"
#include "ui/tools/frmbackupfiles.h"
#include "ui/tools/frminstructions.h"

#include <QAction>
#include <QHash>
#include <QIcon>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPainter>
#include <QPainterPath>
#include <QPixmap>
#include <QToolBar>
#include <functional>

using namespace modPlMainMod;

namespace {

// ---- The image list: nine small pictures, from the icon theme where the desktop has
// one, otherwise drawn here.

using Drawing = std::function<void(QPainter &)>;

void drawPage(QPainter &p, qreal x, qreal y)
{
    QPainterPath page;
    page.moveTo(x, y);
    page.lineTo(x + 7, y);
    page.lineTo(x + 10, y + 3);
    page.lineTo(x + 10, y + 13);
    page.lineTo(x, y + 13);
    page.closeSubpath();
    p.setPen(QPen(QColor(70, 70, 70), 1));
    p.setBrush(Qt::white);
    p.drawPath(page);
    p.drawLine(QPointF(x + 7, y), QPointF(x + 7, y + 3));
    p.drawLine(QPointF(x + 7, y + 3), QPointF(x + 10, y + 3));
    p.setPen(QPen(QColor(150, 150, 170), 1));
    for (qreal line = y + 5.5; line < y + 12; line += 2)
        p.drawLine(QPointF(x + 2, line), QPointF(x + 8, line));
}

const QHash<QString, Drawing> &drawings()
{
    static const QHash<QString, Drawing> table = {
        {QStringLiteral("New"), [](QPainter &p) { drawPage(p, 2.5, 1.5); }},
        {QStringLiteral("Open"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(120, 90, 10), 1));
             p.setBrush(QColor(240, 200, 80));
             p.drawRect(QRectF(1.5, 4.5, 12, 9));
             p.drawRect(QRectF(1.5, 3.5, 5, 2));
             p.setBrush(QColor(255, 225, 120));
             p.drawPolygon(QPolygonF({QPointF(3.5, 7.5), QPointF(15.5, 7.5), QPointF(13.5, 13.5), QPointF(1.5, 13.5)}));
         }},
        {QStringLiteral("Save"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(20, 30, 80), 1));
             p.setBrush(QColor(40, 70, 160));
             p.drawRect(QRectF(1.5, 1.5, 13, 13));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(3.5, 1.5, 9, 6));
             p.setBrush(QColor(190, 190, 200));
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
             p.setBrush(QColor(40, 70, 160));
             p.drawRect(QRectF(9.5, 11.5, 1, 2));
         }},
        {QStringLiteral("Print"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(60, 60, 60), 1));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 1.5, 7, 6));
             p.setBrush(QColor(170, 170, 170));
             p.drawRect(QRectF(1.5, 6.5, 13, 6));
             p.setBrush(Qt::white);
             p.drawRect(QRectF(4.5, 10.5, 7, 4));
             p.setPen(QPen(QColor(0, 160, 0), 1));
             p.drawPoint(QPointF(12.5, 8.5));
         }},
        {QStringLiteral("Cut"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(60, 60, 60), 1.2));
             p.drawLine(QPointF(4, 1), QPointF(10.5, 10));
             p.drawLine(QPointF(12, 1), QPointF(5.5, 10));
             p.setBrush(Qt::NoBrush);
             p.setPen(QPen(QColor(160, 0, 0), 1.4));
             p.drawEllipse(QPointF(4.5, 12), 2.5, 2.5);
             p.drawEllipse(QPointF(11.5, 12), 2.5, 2.5);
         }},
        {QStringLiteral("Copy"),
         [](QPainter &p) {
             drawPage(p, 1.5, 0.5);
             drawPage(p, 5.5, 2.5);
         }},
        {QStringLiteral("Paste"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(90, 60, 20), 1));
             p.setBrush(QColor(180, 130, 60));
             p.drawRect(QRectF(1.5, 2.5, 10, 12));
             p.setBrush(QColor(200, 200, 200));
             p.drawRect(QRectF(4.5, 1.5, 4, 2));
             drawPage(p, 6.5, 4.5);
         }},
        {QStringLiteral("Delete"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(200, 0, 0), 2.6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(3.5, 3.5), QPointF(12.5, 12.5));
             p.drawLine(QPointF(12.5, 3.5), QPointF(3.5, 12.5));
         }},
        {QStringLiteral("Help"),
         [](QPainter &p) {
             p.setPen(QPen(QColor(0, 50, 140), 1));
             p.setBrush(QColor(40, 100, 210));
             p.drawEllipse(QPointF(8, 8), 6.5, 6.5);
             QFont font = p.font();
             font.setBold(true);
             font.setPixelSize(11);
             p.setFont(font);
             p.setPen(Qt::white);
             p.drawText(QRectF(1.5, 1.5, 13, 13), Qt::AlignCenter, QStringLiteral("?"));
         }},
    };
    return table;
}

QIcon drawnIcon(const QString &key)
{
    QIcon icon;
    const Drawing draw = drawings().value(key);
    if (!draw)
        return icon;
    for (int size : {16, 32}) {
        QPixmap pixmap(size, size);
        pixmap.fill(Qt::transparent);
        QPainter painter(&pixmap);
        painter.setRenderHint(QPainter::Antialiasing);
        painter.scale(size / 16.0, size / 16.0);
        draw(painter);
        painter.end();
        icon.addPixmap(pixmap);
    }
    return icon;
}

// imlToolbarIcons: the picture under each key.
QIcon imlToolbarIcons(const QString &key)
{
    static const QHash<QString, QString> themeNames = {
        {QStringLiteral("New"), QStringLiteral("document-new")},
        {QStringLiteral("Open"), QStringLiteral("document-open")},
        {QStringLiteral("Save"), QStringLiteral("document-save")},
        {QStringLiteral("Print"), QStringLiteral("document-print")},
        {QStringLiteral("Cut"), QStringLiteral("edit-cut")},
        {QStringLiteral("Copy"), QStringLiteral("edit-copy")},
        {QStringLiteral("Paste"), QStringLiteral("edit-paste")},
        {QStringLiteral("Delete"), QStringLiteral("edit-delete")},
        {QStringLiteral("Help"), QStringLiteral("help-contents")},
    };
    return QIcon::fromTheme(themeNames.value(key), drawnIcon(key));
}

} // namespace

void frmInvestData::createMenusAndToolbar()
{
    const auto entry = [this](QMenu *menu, const char *name, const QString &caption, void (frmInvestData::*handler)()) {
        QAction *action = menu->addAction(caption);
        action->setObjectName(QLatin1String(name));
        connect(action, &QAction::triggered, this,
                [this, handler] { ui::forms::guard([this, handler] { (this->*handler)(); }); });
        return action;
    };

    QMenuBar *bar = menuBar();
    mnuFile = bar->addMenu(QStringLiteral("&File"));
    mnuFile->setObjectName(QStringLiteral("mnuFile"));
    mnuFileBackup =
        entry(mnuFile, "mnuFileBackup", QStringLiteral("&Backup Data Files"), &frmInvestData::mnuFileBackup_Click);
    mnuFilePassword =
        entry(mnuFile, "mnuFilePassword", QStringLiteral("Pass&word"), &frmInvestData::mnuFilePassword_Click);
    mnuFileExit = entry(mnuFile, "mnuFileExit", QStringLiteral("E&xit"), &frmInvestData::mnuFileExit_Click);
    mnuEdit = bar->addMenu(QStringLiteral("E&dit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCopy = entry(mnuEdit, "mnuEditCopy", QStringLiteral("&Copy"), &frmInvestData::mnuEditCopy_Click);
    mnuHelp = bar->addMenu(QStringLiteral("&Help"));
    mnuHelp->setObjectName(QStringLiteral("mnuHelp"));
    mnuHelpInstruct =
        entry(mnuHelp, "mnuHelpInstruct", QStringLiteral("&Instructions"), &frmInvestData::mnuHelpInstruct_Click);

    // The toolbar is an ordinary child along the top edge of the form, not a dock.
    tbToolBar = new QToolBar(centralWidget() ? centralWidget() : this);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    const auto button = [this](const QString &key, const QString &toolTip) {
        QAction *action = tbToolBar->addAction(imlToolbarIcons(key), key);
        action->setObjectName(key);
        action->setData(key);
        action->setToolTip(toolTip);
    };
    const auto separator = [this] { tbToolBar->addSeparator()->setData(QString()); };
    button(QStringLiteral("Save"), QStringLiteral("Backup Copies"));
    button(QStringLiteral("New"), QStringLiteral("New Investment Record"));
    separator();
    button(QStringLiteral("Copy"), QStringLiteral("Copy Investment Info"));
    button(QStringLiteral("Delete"), QStringLiteral("Delete Investment Record"));
    separator();
    button(QStringLiteral("Help"), QStringLiteral("Instructions"));
    connect(tbToolBar, &QToolBar::actionTriggered, this,
            [this](QAction *action) { tbToolBar_ButtonClick(action->data().toString()); });
}

void frmInvestData::tbToolBar_ButtonClick(const QString &key)
{
    // Errors are passed over: the button's command has shown what it traps itself.
    try {
        if (key == QLatin1String("Save"))
            mnuFileBackup_Click();
        else if (key == QLatin1String("New"))
            cmdAddNewRec_Click();
        else if (key == QLatin1String("Copy"))
            mnuEditCopy_Click();
        else if (key == QLatin1String("Delete"))
            cmdDeleteRec_Click();
        else if (key == QLatin1String("Help"))
            mnuHelpInstruct_Click();
    } catch (...) {
    }
}

void frmInvestData::mnuFileBackup_Click()
{
    try {
        setEnabled(false);
        frmBackupFiles::Load();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        // Without the dialog nothing would enable the window again.
        if (!frmBackupFiles::instance())
            setEnabled(true);
    }
}

void frmInvestData::mnuFilePassword_Click()
{
    frmPassword::setCancelVisible(true);
    hide();
    try {
        frmPassword::Load();
    } catch (...) {
        // Without the dialog nothing would show the window again.
        if (!frmPassword::instance())
            show();
        throw;
    }
}

void frmInvestData::mnuFileExit_Click()
{
    cmdDone_Click();
}

void frmInvestData::mnuEditCopy_Click()
{
    blnCopyMade = true;
    // The whole text, with the blanks that pad the stored field.
    if (intCopySource == 1)
        platform::Clipboard::instance().setText(txtInvestment->text());
    else if (intCopySource == 2)
        platform::Clipboard::instance().setText(txtInstitution->text());
}

void frmInvestData::mnuHelpInstruct_Click()
{
    frmInstructions::Load();
}
