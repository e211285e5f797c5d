#include "ui/dialogs/frminvestentry.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/messagebox.h"
#include "storage/rewrites.h"
#include "ui/boxtext.h"
#include "ui/dialogs/dialogsupport.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/toolbaricons.h"
#include "ui/twips.h"
#include "ui/versions/keptchange.h"

#include <QAction>
#include <QCloseEvent>
#include <QFrame>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QToolBar>

using namespace modPlMainMod;

namespace {

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setAlignment(Qt::AlignLeft | Qt::AlignVCenter);
    // A caption wider than its place in the reference layout (the fonts differ)
    // runs on to the right instead of being cut.
    if (label->sizeHint().width() > rect.width())
        label->resize(label->sizeHint().width(), rect.height());
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, const QRect &rect)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    // As long as the record's text fields.
    box->setMaxLength(50);
    ui::dialogs::setBoxColour(box, ui::dialogs::LightYellow);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &rect)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(rect);
    return button;
}

// The investment file cannot hold a line break inside a text: a record holding one
// would no longer read back.
QString singleLine(QString text)
{
    text.replace(QLatin1String("\r\n"), QLatin1String(" "));
    for (QChar &c : text) {
        if (c == QLatin1Char('\r') || c == QLatin1Char('\n') || c == QChar(0))
            c = QLatin1Char(' ');
    }
    return text;
}

} // namespace

void frmInvestEntry::Unload()
{
    // Deleted at once when nothing is under way, not later as SingleForm does;
    // m_blnLeaving keeps the close from acting as Cancel.
    if (frmInvestEntry *form = takeInstance()) {
        form->m_blnLeaving = true;
        if (ui::handlersBusy()) {
            form->hide();
            ui::destroyWhenIdle(form);
        } else {
            delete form;
        }
    }
}

frmInvestEntry::frmInvestEntry()
    : QMainWindow(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmInvestEntry"));
    setWindowTitle(tr("Investment"));
    setAttribute(Qt::WA_DeleteOnClose, false);
    // The reference layout is drawn for an 8-point system font.
    QFont f = font();
    f.setPointSize(8);
    setFont(f);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twipsSize(7935, 1800));
    setCentralWidget(client);

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCopy = mnuEdit->addAction(tr("&Copy"));
    mnuEditCopy->setObjectName(QStringLiteral("mnuEditCopy"));
    mnuEditPaste = mnuEdit->addAction(tr("&Paste"));
    mnuEditPaste->setObjectName(QStringLiteral("mnuEditPaste"));
    mnuEditPaste->setEnabled(false);

    // An ordinary child along the top edge, not a dock.
    tbToolBar = new QToolBar(client);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar->setGeometry(ui::twipsRect(0, 0, 7935, 360));
    for (const QString &key : {QStringLiteral("Copy"), QStringLiteral("Paste")}) {
        QAction *button = tbToolBar->addAction(ui::imlToolbarIcons(key), ui::toolbarKeyText(key));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(ui::toolbarKeyText(key));
    }

    Line1 = new QFrame(client);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(0, ui::px(360), ui::px(7920), 1);

    lblRecNumLbl = makeLabel(client, "lblRecNumLbl",
                             //: Record number
                             tr("Rec #"), ui::twipsRect(360, 480, 495, 255));
    lblRecNumber = makeLabel(client, "lblRecNumber", QString(), ui::twipsRect(360, 720, 495, 255));
    lblRecNumber->setFrameStyle(QFrame::Panel | QFrame::Sunken);
    lblRecNumber->setLineWidth(1);
    ui::dialogs::setLabelColour(lblRecNumber, ui::dialogs::LightYellow);
    lblInvestType = makeLabel(client, "lblInvestType", tr("Type of Investment"), ui::twipsRect(1080, 480, 1575, 255));
    txtInvestment = makeBox(client, "txtInvestment", ui::twipsRect(1080, 720, 3135, 285));
    lblInsitution = makeLabel(client, "lblInsitution", tr("Institution"), ui::twipsRect(4440, 480, 1575, 255));
    txtInstitution = makeBox(client, "txtInstitution", ui::twipsRect(4440, 720, 3135, 285));
    cmdCancel = makeButton(client, "cmdCancel", tr("&Cancel"), ui::twipsRect(2760, 1200, 1215, 375));
    cmdDone = makeButton(client, "cmdDone", tr("&Done"), ui::twipsRect(3960, 1200, 1215, 375));
    // Drawn as the default button; Enter reaches it through keyPressEvent.
    cmdDone->setDefault(true);

    setTabOrder(txtInvestment, txtInstitution);
    setTabOrder(txtInstitution, cmdCancel);
    setTabOrder(cmdCancel, cmdDone);

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    txtInvestment->installEventFilter(this);
    txtInstitution->installEventFilter(this);

    const auto trapped = [this](void (frmInvestEntry::*handler)()) {
        return [this, handler] { ui::forms::guard([this, handler] { (this->*handler)(); }); };
    };
    connect(cmdDone, &QPushButton::clicked, this, trapped(&frmInvestEntry::cmdDone_Click));
    connect(cmdCancel, &QPushButton::clicked, this, trapped(&frmInvestEntry::cmdCancel_Click));
    connect(mnuEditCopy, &QAction::triggered, this, trapped(&frmInvestEntry::mnuEditCopy_Click));
    connect(mnuEditPaste, &QAction::triggered, this, trapped(&frmInvestEntry::mnuEditPaste_Click));
    connect(tbToolBar, &QToolBar::actionTriggered, this, [this](QAction *button) {
        const QString key = button->data().toString();
        ui::forms::guard([this, key] { tbToolBar_ButtonClick(key); });
    });
}

frmInvestEntry::~frmInvestEntry()
{
    forgetSelf();
}

void frmInvestEntry::Form_Load()
{
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();
    lblRecNumber->setText(QString::number(intInvestRecNum));
    if (blnCopyMade)
        mnuEditPaste->setEnabled(true);
    if (strOperation == QLatin1String("EDITREC")) {
        ui::setBoxText(txtInvestment, strInvestType);
        ui::setBoxText(txtInstitution, strInstitution);
    }
    txtInvestment->setFocus();
    // The box has the focus from the start, whether or not the window is active yet.
    txtInvestment_GotFocus();
}

void frmInvestEntry::cmdDone_Click()
{
    if (txtInvestment->text().isEmpty()) {
        platform::msgBox(tr("Sorry, there is no entry in 'Investment'. You must make an entry."),
                         platform::MsgIcon::Exclamation);
        txtInvestment->setFocus();
        return;
    }
    // A trapped error stops here: nothing more is written and the dialog stays open.
    if (!LoadEntryInVars())
        return;
    // The state before is kept first; a failure there changes nothing.
    ui::versions::KeptChange kept;
    try {
        kept.begin(ui::versions::investmentChange(strOperation == QLatin1String("ADDNEWREC")
                                                      ? storage::ChangeKind::AddInvestment
                                                      : storage::ChangeKind::EditInvestment,
                                                  strInvestType, strInstitution));
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return;
    }
    if (!LoadInDataFile())
        return;
    kept.commit();
    if (frmInvestData *main = frmInvestData::instance())
        main->cmdAddNew->setEnabled(true);
    leave();
}

void frmInvestEntry::cmdCancel_Click()
{
    if (strOperation == QLatin1String("ADDNEWREC") && intInvestRecNum > 1)
        intInvestRecNum -= 1;
    leave();
}

bool frmInvestEntry::LoadEntryInVars()
{
    try {
        strInvestType = txtInvestment->text();
        strInstitution = txtInstitution->text();
        return true;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return false;
    }
}

bool frmInvestEntry::LoadInDataFile()
{
    try {
        storage::writeInvestRecord();
        return true;
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
        return false;
    }
}

void frmInvestEntry::txtInvestment_GotFocus()
{
    ui::selectWholeText(txtInvestment);
    intCopySource = 1;
}

void frmInvestEntry::txtInstitution_GotFocus()
{
    ui::selectWholeText(txtInstitution);
    intCopySource = 2;
}

QLineEdit *frmInvestEntry::copySourceBox() const
{
    if (intCopySource == 1)
        return txtInvestment;
    if (intCopySource == 2)
        return txtInstitution;
    return nullptr;
}

void frmInvestEntry::mnuEditCopy_Click()
{
    mnuEditPaste->setEnabled(true);
    blnCopyMade = true;
    if (QLineEdit *box = copySourceBox())
        platform::Clipboard::instance().setText(box->text());
}

void frmInvestEntry::mnuEditPaste_Click()
{
    if (QLineEdit *box = copySourceBox()) {
        box->clear();
        ui::setBoxText(box, singleLine(platform::Clipboard::instance().text()));
    }
}

void frmInvestEntry::tbToolBar_ButtonClick(const QString &key)
{
    // An error in the command is passed over, as the toolbar always did.
    try {
        if (key == QLatin1String("Copy"))
            mnuEditCopy_Click();
        else if (key == QLatin1String("Paste"))
            mnuEditPaste_Click();
    } catch (const RuntimeError &) {
    }
}

void frmInvestEntry::leave()
{
    if (m_blnLeaving)
        return;
    m_blnLeaving = true;
    forgetSelf();
    ui::dialogs::returnToMainWindow(this);
}

void frmInvestEntry::closeEvent(QCloseEvent *event)
{
    // The frame's close button acts as Cancel.
    if (!m_blnLeaving)
        ui::forms::guard([this] { cmdCancel_Click(); });
    event->accept();
}

void frmInvestEntry::keyPressEvent(QKeyEvent *event)
{
    if (!ui::dialogs::handleDialogKey(this, event, cmdDone, cmdCancel))
        QMainWindow::keyPressEvent(event);
}

bool frmInvestEntry::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::FocusIn && !m_blnLeaving && ui::dialogs::isOwnFocusChange(event)) {
        auto *box = static_cast<QLineEdit *>(watched);
        // The box takes the focus first, then the handler selects its text.
        static_cast<QObject *>(box)->event(event);
        ui::forms::guard([this, box] {
            if (box == txtInvestment)
                txtInvestment_GotFocus();
            else if (box == txtInstitution)
                txtInstitution_GotFocus();
        });
        // Again once a click that gave the focus has placed the cursor.
        QPointer<QLineEdit> guarded(box);
        QMetaObject::invokeMethod(
            this,
            [guarded] {
                if (guarded && guarded->hasFocus())
                    ui::selectWholeText(guarded);
            },
            Qt::QueuedConnection);
        return true;
    }
    return QMainWindow::eventFilter(watched, event);
}
