#include "ui/main/frminvestdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/folderlock.h"
#include "storage/rewrites.h"
#include "ui/accessibility.h"
#include "ui/colours.h"
#include "ui/forms.h"
#include "ui/linklabel.h"
#include "ui/main/leftovermessage.h"
#include "ui/maskededit.h"
#include "ui/twips.h"
#include "ui/versions/startuprecovery.h"

#include <QApplication>
#include <QCloseEvent>
#include <QComboBox>
#include <QDir>
#include <QFrame>
#include <QGuiApplication>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QPushButton>
#include <QScreen>
#include <QToolBar>
#include <QWindow>

#include <new>

namespace {

frmInvestData *g_instance = nullptr;

// Quits once the event loop runs, so an end during the start-up (before exec()) is not
// lost; and never while a handler or a box is under way, as quitting ends their loops too.
void defaultQuit()
{
    ui::whenIdle(QCoreApplication::instance(), [] {
        if (QCoreApplication *app = QCoreApplication::instance())
            QMetaObject::invokeMethod(app, &QCoreApplication::quit, Qt::QueuedConnection);
    });
}

void (*g_quitHandler)() = defaultQuit;

const QString LockFileName = QStringLiteral("Plumbline.lock");

const QColor LightPeach(255, 224, 192);
const QColor LightYellow(255, 255, 192);
const QColor LightOrange(255, 192, 128);
const QColor LightGreen(192, 255, 192);
const QColor LightCyan(192, 255, 255);

// Heights the reference layout leaves open: one line of caption text.
constexpr int LabelHeight = 255;
constexpr int ButtonWidth = 855;
constexpr int ButtonHeight = 375;
constexpr int TextBoxHeight = 285;
constexpr int MaskedEditHeight = 255;
constexpr int ComboHeight = 315;

QString folderText()
{
    return QDir::toNativeSeparators(storage::programFolder());
}

void setBackground(QWidget *widget, QPalette::ColorRole role, const QColor &color)
{
    ui::setForcedBackground(widget, role, color);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &caption, const QRect &rect,
                  Qt::Alignment alignment = Qt::AlignLeft | Qt::AlignVCenter)
{
    auto *label = new QLabel(caption, parent);
    label->setObjectName(QLatin1String(name));
    label->setGeometry(rect);
    label->setAlignment(alignment);
    return label;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, int left, int top)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(ui::twipsRect(left, top, ButtonWidth, ButtonHeight));
    // Enter presses the button that has the focus, as in any of the program's windows.
    button->setAutoDefault(true);
    return button;
}

template <typename Edit> Edit *makeCell(QWidget *parent, const char *array, int index, const QRect &rect)
{
    auto *cell = new Edit(parent);
    cell->setObjectName(QStringLiteral("%1_%2").arg(QLatin1String(array)).arg(index));
    cell->setGeometry(rect);
    // The grid is for display only; the focus handlers send the focus on at once.
    cell->setReadOnly(true);
    cell->setFocusPolicy(Qt::ClickFocus);
    return cell;
}

} // namespace

// ---- Loading and unloading ------------------------------------------------

frmInvestData *frmInvestData::Load()
{
    if (g_instance)
        return g_instance;
    g_instance = new frmInvestData();
    ui::accessibility::describe(g_instance);
    g_instance->runTrapped([] { g_instance->Form_Load(); });
    return g_instance; // nullptr when the program could not start
}

frmInvestData *frmInvestData::instance()
{
    return g_instance;
}

void frmInvestData::Unload()
{
    frmInvestData *window = g_instance;
    if (!window)
        return;
    g_instance = nullptr;
    window->m_blnExiting = true;
    window->releaseDataFolder();
    window->hide();
    // Unloading may come from one of the window's own handlers, or from inside a box
    // one of them shows: the window goes once they are all done.
    ui::destroyWhenIdle(window);
}

void frmInvestData::setQuitHandler(void (*handler)())
{
    g_quitHandler = handler ? handler : defaultQuit;
}

frmInvestData::frmInvestData() : QMainWindow(nullptr)
{
    setObjectName(QStringLiteral("frmInvestData"));
    setWindowTitle(QStringLiteral("Plumbline 3.5"));
    // Fixed single border: no resizing, no maximise button.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                   Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint);
    // The reference layout is drawn for the 8-point system font of its day; a font of
    // the same widths keeps the captions inside their controls.
    QFont f = font();
    f.setFamilies({QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif"), QStringLiteral("Arial"),
                   QStringLiteral("Liberation Sans"), QStringLiteral("Nimbus Sans"), QStringLiteral("Helvetica"),
                   f.family()});
    f.setPointSize(8);
    setFont(f);

    createControls();
    createMenusAndToolbar();
    if (tbToolBar) {
        if (tbToolBar->parentWidget() == this)
            removeToolBar(tbToolBar);
        tbToolBar->setParent(centralWidget());
        tbToolBar->setMovable(false);
        tbToolBar->setFloatable(false);
        tbToolBar->setGeometry(ui::twipsRect(0, 0, 10815, 360));
        tbToolBar->show();
        tbToolBar->raise();
    }
    connectControls();
    installGridFocusHandlers();
    installStandardKeys();
    layout()->setSizeConstraint(QLayout::SetFixedSize);

    connect(qGuiApp, &QGuiApplication::focusWindowChanged, this, &frmInvestData::onFocusWindowChanged);
    installEventFilter(this); // hide events and the Enter key (gridfocus.cpp)
}

frmInvestData::~frmInvestData()
{
    if (g_instance == this)
        g_instance = nullptr;
}

void frmInvestData::createControls()
{
    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twipsSize(10815, 6165));
    setCentralWidget(client);
    client->installEventFilter(this);

    Line1 = new QFrame(client);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::NoFrame);
    Line1->setGeometry(ui::px(0), ui::px(360), ui::px(10800), 1);
    setBackground(Line1, QPalette::Window, Qt::black);

    lblInvestRecord =
        makeLabel(client, "lblInvestRecord", tr("Investment Record #:"), ui::twipsRect(360, 600, 1695, TextBoxHeight));
    setBackground(lblInvestRecord, QPalette::Window, LightPeach);
    lblInvestRecNum =
        makeLabel(client, "lblInvestRecNum", QString(), ui::twipsRect(2160, 600, 345, TextBoxHeight), Qt::AlignCenter);
    setBackground(lblInvestRecNum, QPalette::Window, LightYellow);

    txtInvestment = new QLineEdit(client);
    txtInvestment->setObjectName(QStringLiteral("txtInvestment"));
    txtInvestment->setGeometry(ui::twipsRect(2520, 600, 3735, TextBoxHeight));
    txtInstitution = new QLineEdit(client);
    txtInstitution->setObjectName(QStringLiteral("txtInstitution"));
    txtInstitution->setGeometry(ui::twipsRect(6360, 600, 4335, TextBoxHeight));
    for (QLineEdit *box : {txtInvestment, txtInstitution}) {
        box->setReadOnly(true);
        box->setMaxLength(50);
        setBackground(box, QPalette::Base, LightYellow);
    }

    //: The buttons of the top row go through the investments; "&" marks the access key
    cmdFirst = makeButton(client, "cmdFirst", tr("&First"), 3600, 960);
    cmdPrevious = makeButton(client, "cmdPrevious", tr("&Previous"), 4440, 960);
    cmdNext = makeButton(client, "cmdNext", tr("&Next"), 5280, 960);
    cmdLast = makeButton(client, "cmdLast", tr("&Last"), 6120, 960);
    //: Adds a new investment (the data records' button below is "&Add New")
    cmdAddNewRec = makeButton(client, "cmdAddNewRec", tr("Add &New"), 4080, 1335);
    //: Edits the investment shown
    cmdEditRec = makeButton(client, "cmdEditRec", tr("Edi&t"), 4920, 1335);
    //: Deletes the investment shown with its data records
    cmdDeleteRec = makeButton(client, "cmdDeleteRec", tr("&Delete"), 5760, 1335);

    createGrid();

    //: Caption before the number of the grid page shown
    lblPage = makeLabel(client, "lblPage", tr("Page"), ui::twipsRect(0, 5400, 495, LabelHeight),
                        Qt::AlignRight | Qt::AlignVCenter);
    lblPageNum = makeLabel(client, "lblPageNum", QString(), ui::twipsRect(600, 5400, 375, LabelHeight));

    lblPreviousPg = new ui::LinkLabel(
        //: Link to the grid's previous page
        tr("Previous"), client);
    lblPreviousPg->setObjectName(QStringLiteral("lblPreviousPg"));
    lblPreviousPg->setGeometry(ui::twipsRect(240, 5760, 975, LabelHeight));
    lblNextPg = new ui::LinkLabel(
        //: Link to the grid's next page
        tr("Next"), client);
    lblNextPg->setObjectName(QStringLiteral("lblNextPg"));
    lblNextPg->setGeometry(ui::twipsRect(1200, 5760, 975, LabelHeight));
    for (ui::LinkLabel *link : {lblPreviousPg, lblNextPg}) {
        link->setBackgroundColor(LightOrange);
        link->setAlignment(Qt::AlignCenter);
    }
    lblPreviousPg->hide();

    //: Adds a data record at the end of the investment's data
    cmdAddNew = makeButton(client, "cmdAddNew", tr("&Add New"), 2880, 5520);
    //: Short for "Insert New": inserts a data record after the one chosen
    cmdInsertNew = makeButton(client, "cmdInsertNew", tr("&Ins New"), 3720, 5520);
    //: Short for "Delete Record": deletes the data record chosen
    cmdDelete = makeButton(client, "cmdDelete", tr("Del &Rec"), 4560, 5520);
    Record = new QComboBox(client);
    Record->setObjectName(QStringLiteral("Record"));
    Record->setEditable(false);
    Record->setGeometry(ui::twipsRect(5535, 5520, 750, ComboHeight));
    Record->setEnabled(false);
    //: Edits the data record chosen
    cmdEdit = makeButton(client, "cmdEdit", tr("&Edit"), 6375, 5520);
    cmdPrint = makeButton(client, "cmdPrint", tr("&Print"), 7220, 5520);
    cmdDone = makeButton(client, "cmdDone", tr("E&xit"), 8050, 5520);
    cmdDone->setDefault(true);
}

void frmInvestData::createGrid()
{
    QWidget *client = centralWidget();
    const QColor windowColour = palette().color(QPalette::Window);

    struct Heading
    {
        const char *name;
        const char *caption;
        int left;
        int width;
        int top;
    };
    // Column headings of two lines: the top line and the bottom line are separate labels.
    static const Heading headings[] = {
        //: Grid heading, top line over "Rec" (the data record's number)
        {"lblHist", QT_TRANSLATE_NOOP("frmInvestData", "Data"), 120, 375, 1800},
        //: Grid heading: the data record's number (abbreviation of "Record"), under "Data"
        {"lblRecNumLabel", QT_TRANSLATE_NOOP("frmInvestData", "Rec"), 120, 375, 2040},
        //: Grid heading: the data record's date
        {"Label1", QT_TRANSLATE_NOOP("frmInvestData", "Date"), 480, 975, 2040},
        //: Grid heading, top line of "Original Amount"
        {"lblOriginal", QT_TRANSLATE_NOOP("frmInvestData", "Original"), 1440, 1215, 1800},
        //: Grid heading, bottom line of "Original Amount" and of "Current Amount"
        {"lblOriginalAmount", QT_TRANSLATE_NOOP("frmInvestData", "Amount"), 1440, 1215, 2040},
        //: Grid heading, top line of "Current Amount" and of "Current Amount AFI"
        {"Label2", QT_TRANSLATE_NOOP("frmInvestData", "Current"), 2640, 1215, 1800},
        {"lblCurrentAmount", QT_TRANSLATE_NOOP("frmInvestData", "Amount"), 2640, 1215, 2040},
        //: Grid heading: increase or decrease since the previous record
        {"lblIncDec", QT_TRANSLATE_NOOP("frmInvestData", "Inc/Dec"), 3840, 1215, 2040},
        //: Grid heading: profit or loss
        {"lblProfitLoss", QT_TRANSLATE_NOOP("frmInvestData", "Profit/Loss"), 5040, 1215, 2040},
        //: Grid heading, top line of "Inflation Rate (%)" and bottom line of "Loss To Inflation"
        {"lblInflRate", QT_TRANSLATE_NOOP("frmInvestData", "Inflation"), 6360, 735, 1800},
        //: Grid heading, bottom line of "Inflation Rate (%)"
        {"lblPercent", QT_TRANSLATE_NOOP("frmInvestData", "Rate (%)"), 6360, 735, 2040},
        //: Grid heading, top line of "Loss To Inflation"
        {"lblLossTo", QT_TRANSLATE_NOOP("frmInvestData", "Loss To"), 7080, 1215, 1800},
        {"lblLossToInfl", QT_TRANSLATE_NOOP("frmInvestData", "Inflation"), 7080, 1215, 2040},
        {"lblCurrent", QT_TRANSLATE_NOOP("frmInvestData", "Current"), 8280, 1215, 1800},
        //: Grid heading, bottom line of "Current Amount AFI"; AFI = adjusted for inflation
        {"lblCurAmntAFI", QT_TRANSLATE_NOOP("frmInvestData", "Amount AFI"), 8280, 1215, 2040},
        //: Grid heading; AFI = adjusted for inflation
        {"lblProfLossAFI", QT_TRANSLATE_NOOP("frmInvestData", "Profit/Loss AFI"), 9480, 1215, 2040},
    };
    for (const Heading &h : headings)
        makeLabel(client, h.name, QCoreApplication::translate("frmInvestData", h.caption),
                  ui::twipsRect(h.left, h.top, h.width, 240), Qt::AlignCenter);

    for (int i = 0; i < GridRows; ++i) {
        const int top = 2280 + 240 * i;
        const int maskedHeight = i == GridRows - 1 ? TextBoxHeight : MaskedEditHeight;
        auto masked = [&](const char *name, int left) {
            return makeCell<ui::MaskedEdit>(client, name, i, ui::twipsRect(left, top, 1215, maskedHeight));
        };
        txtRecordNumber[i] = makeCell<QLineEdit>(client, "txtRecordNumber", i, ui::twipsRect(120, top, 375, 285));
        txtDate[i] = makeCell<QLineEdit>(client, "txtDate", i, ui::twipsRect(480, top, 975, 285));
        metOriginalAmount[i] = masked("metOriginalAmount", 1440);
        metCurrentAmount[i] = masked("metCurrentAmount", 2640);
        metIncDec[i] = masked("metIncDec", 3840);
        metProfitLoss[i] = masked("metProfitLoss", 5040);
        txtInflRate[i] = makeCell<QLineEdit>(client, "txtInflRate", i, ui::twipsRect(6360, top, 735, 285));
        metLossToInfl[i] = masked("metLossToInfl", 7080);
        metCurAmntAFI[i] = masked("metCurAmntAFI", 8280);
        metProfLossAFI[i] = masked("metProfLossAFI", 9480);

        // Current Amount and Current Amount AFI in alternating tints; the rest on the window colour.
        const QColor tint = i % 2 == 0 ? LightGreen : LightCyan;
        for (QLineEdit *cell : std::initializer_list<QLineEdit *>{
                 txtRecordNumber[i], txtDate[i], metOriginalAmount[i], metCurrentAmount[i], metIncDec[i],
                 metProfitLoss[i], txtInflRate[i], metLossToInfl[i], metCurAmntAFI[i], metProfLossAFI[i]}) {
            const bool tinted = cell == metCurrentAmount[i] || cell == metCurAmntAFI[i];
            setBackground(cell, QPalette::Base, tinted ? tint : windowColour);
        }
    }
}

void frmInvestData::connectControls()
{
    auto wire = [this](QPushButton *button, void (frmInvestData::*handler)()) {
        connect(button, &QPushButton::clicked, this,
                [this, handler] { runTrapped([this, handler] { (this->*handler)(); }); });
    };
    wire(cmdFirst, &frmInvestData::cmdFirst_Click);
    wire(cmdPrevious, &frmInvestData::cmdPrevious_Click);
    wire(cmdNext, &frmInvestData::cmdNext_Click);
    wire(cmdLast, &frmInvestData::cmdLast_Click);
    wire(cmdAddNewRec, &frmInvestData::cmdAddNewRec_Click);
    wire(cmdEditRec, &frmInvestData::cmdEditRec_Click);
    wire(cmdDeleteRec, &frmInvestData::cmdDeleteRec_Click);
    wire(cmdAddNew, &frmInvestData::cmdAddNew_Click);
    wire(cmdInsertNew, &frmInvestData::cmdInsertNew_Click);
    wire(cmdDelete, &frmInvestData::cmdDelete_Click);
    wire(cmdEdit, &frmInvestData::cmdEdit_Click);
    wire(cmdPrint, &frmInvestData::cmdPrint_Click);
    connect(cmdDone, &QPushButton::clicked, this, &frmInvestData::requestExit);
    connect(Record, &QComboBox::activated, this, [this](int) { runTrapped([this] { Record_Click(); }); });
    connect(lblNextPg, &ui::LinkLabel::clicked, this, [this] { runTrapped([this] { lblNextPg_Click(); }); });
    connect(lblPreviousPg, &ui::LinkLabel::clicked, this, [this] { runTrapped([this] { lblPreviousPg_Click(); }); });
}

void frmInvestData::runTrapped(const std::function<void()> &handler)
{
    const ui::HandlerScope running;
    try {
        handler();
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
    } catch (const std::bad_alloc &) {
        platform::showStandardError(RuntimeError(RuntimeError::OutOfMemory));
    } catch (const std::exception &e) {
        platform::showStandardError(RuntimeError(51, QString::fromLocal8Bit(e.what())));
    }
}

// ---- Form_Load ------------------------------------------------------------

void frmInvestData::Form_Load()
{
    using namespace modPlMainMod;

    if (!storage::ensureProgramFolder()) {
        //: %1 is the data folder's path
        platform::msgBox(tr("The data folder \"%1\" cannot be created.\r\n"
                            "Plumbline 3.5 cannot run without it and ends now.")
                             .arg(folderText()),
                         platform::MsgIcon::Critical);
        endProgram();
        return;
    }
    if (!lockDataFolder()) {
        endProgram();
        return;
    }
    // Holding the folder alone: an interrupted run's work is finished or set aside,
    // and the user told, before anything is read.
    if (!ui::setAsideLeftovers()) {
        endProgram();
        return;
    }
    ui::versions::recoverVersions();

    // Shown before anything is read, so the user sees it while the files are read.
    if (QScreen *screen = QGuiApplication::primaryScreen()) {
        adjustSize();
        move(screen->availableGeometry().center() - rect().center());
    }
    show();

    try {
        storage::open(1, storage::programFile(storage::InvestFileName), storage::OpenMode::Random);
        intInvestRecCount = storage::recordCount(storage::lof(1));
    } catch (const RuntimeError &e) {
        storage::discard(1);
        //: %1 is the investment file's name, %2 the data folder's path, %3 the error's description
        platform::msgBox(tr("The investment file \"%1\" in the data folder \"%2\" cannot be opened:\r\n"
                            "%3\r\n"
                            "Plumbline 3.5 cannot run without it and ends now.")
                             .arg(storage::InvestFileName, folderText(), e.description()),
                         platform::MsgIcon::Critical);
        endProgram();
        return;
    }

    if (intInvestRecCount != 0) {
        intInvestRecNum = 1;
        cmdFirst->setEnabled(false);
        cmdPrevious->setEnabled(false);
        if (intInvestRecCount == 1) {
            cmdNext->setEnabled(false);
            cmdLast->setEnabled(false);
        }
        GetRecord();
        LoadParInfoInVars();
        LoadParVarsInLbls();
    } else {
        for (QPushButton *button : {cmdFirst, cmdPrevious, cmdNext, cmdLast, cmdEditRec, cmdDeleteRec, cmdAddNew,
                                    cmdInsertNew, cmdDelete, cmdEdit, cmdPrint})
            button->setEnabled(false);
    }
    intPageNum = 1;
    GetHistRecs();
}

// One copy of the program per data folder: the lock file is recovered when the copy
// that held it is gone, and never taken over from a copy that still runs.
bool frmInvestData::lockDataFolder()
{
    m_lockFile = std::make_unique<storage::FolderLock>(storage::programFile(LockFileName));
    const storage::FolderLock::Result result = m_lockFile->tryLock();
    if (result == storage::FolderLock::Result::Locked)
        return true;
    if (result == storage::FolderLock::Result::HeldByRunningCopy) {
        //: %1 is the data folder's path
        platform::msgBox(tr("Plumbline 3.5 is already running and using the data folder \"%1\".\r\n"
                            "Only one copy of the program can use it at a time; this copy ends now.")
                             .arg(folderText()),
                         platform::MsgIcon::Exclamation);
    } else if (result == storage::FolderLock::Result::IsFolder) {
        //: %1 is the data folder's path, %2 the lock file's name
        platform::msgBox(tr("The data folder \"%1\" cannot be used: \"%2\" there is a folder, where "
                            "Plumbline 3.5 keeps the file that shows it is running.\r\n"
                            "Move or rename that folder. Plumbline 3.5 ends now.")
                             .arg(folderText(), LockFileName),
                         platform::MsgIcon::Critical);
    } else {
        //: %1 is the data folder's path, %2 the lock file's name
        platform::msgBox(tr("The data folder \"%1\" cannot be used: the lock file \"%2\" cannot be "
                            "written there.\r\n"
                            "Plumbline 3.5 cannot run without it and ends now.")
                             .arg(folderText(), LockFileName),
                         platform::MsgIcon::Critical);
    }
    m_lockFile.reset();
    return false;
}

void frmInvestData::releaseDataFolder()
{
    if (m_lockFile)
        m_lockFile->unlock();
    m_lockFile.reset();
}

void frmInvestData::endProgram()
{
    m_blnExiting = true;
    releaseDataFolder();
    ui::UnloadAllForms();
    g_quitHandler();
}

// ---- Form_Activate --------------------------------------------------------

void frmInvestData::Form_Activate()
{
    using namespace modPlMainMod;
    try {
        if (strOperation == QLatin1String("ADDNEWREC")) {
            if (intInvestRecNum > 1)
                intInvestRecNum -= 1;
            strNavDirection = QStringLiteral("LAST");
            NavigateRecs();
            GetRecord();
            LoadParInfoInVars();
            LoadParVarsInLbls();
        } else if (strOperation == QLatin1String("EDITREC")) {
            GetRecord();
            LoadParInfoInVars();
            LoadParVarsInLbls();
        } else if (strOperation == QLatin1String("ADDNEW") || strOperation == QLatin1String("INSERT") ||
                   strOperation == QLatin1String("EDIT")) {
            ReloadShownPage();
            if (!cmdDelete->isEnabled())
                cmdDelete->setEnabled(true);
            cmdEdit->setEnabled(true);
            cmdInsertNew->setEnabled(true);
            cmdPrint->setEnabled(true);
            if (strOperation != QLatin1String("ADDNEW")) {
                Record->clear();
                Record->setEnabled(false);
            }
        }
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
    }
}

void frmInvestData::onFocusWindowChanged(QWindow *window)
{
    if (!window || m_blnExiting)
        return; // between two windows, or another application
    QWidget *top = nullptr;
    const QWidgetList windows = QApplication::topLevelWidgets();
    for (QWidget *candidate : windows) {
        if (candidate->windowHandle() == window) {
            top = candidate;
            break;
        }
    }
    if (top == this)
        return; // handled by changeEvent
    // Only the program's own windows count; a message box or the print dialog does not.
    m_blnActivatePending = top && QByteArray(top->metaObject()->className()).startsWith("frm");
}

void frmInvestData::activateIfDue()
{
    if (!m_blnActivatePending || m_blnActivateQueued || m_blnExiting || !isVisible() || !isEnabled())
        return;
    // A window shown again may hold the platform's activation without a new activation event.
    const bool active = isActiveWindow() || (windowHandle() && windowHandle()->isActive());
    if (!active)
        return;
    m_blnActivatePending = false;
    m_blnActivateQueued = true;
    // After the activation has settled, so a box shown by the reload does not nest in it.
    QMetaObject::invokeMethod(
        this,
        [this] {
            m_blnActivateQueued = false;
            if (!m_blnExiting)
                runTrapped([this] { Form_Activate(); });
        },
        Qt::QueuedConnection);
}

void frmInvestData::changeEvent(QEvent *event)
{
    QMainWindow::changeEvent(event);
    if (event->type() == QEvent::ActivationChange || event->type() == QEvent::EnabledChange)
        activateIfDue();
}

// ---- Exit -----------------------------------------------------------------

void frmInvestData::cmdDone_Click()
{
    using namespace modPlMainMod;
    try {
        storage::close(1);
        storage::close(2);
        storage::close(5);
        m_blnPageFileOpen = false;
        intFirstRecToShow = 0;
        curPrevAmount = Currency();
        ResetCalcState();
    } catch (const RuntimeError &e) {
        platform::showStandardError(e);
        return;
    }
    endProgram();
}

void frmInvestData::requestExit()
{
    if (m_blnExiting)
        return;
    if (!ui::handlersBusy()) {
        runTrapped([this] { cmdDone_Click(); });
        return;
    }
    // Pressed while another command is under way (Enter presses Exit a moment later,
    // which may fall inside that command's question): Exit follows once it is done.
    if (m_blnExitPending)
        return;
    m_blnExitPending = true;
    ui::whenIdle(this, [this] {
        m_blnExitPending = false;
        // Not when the command has meanwhile handed the window to a dialog.
        if (g_instance == this && !m_blnExiting && isEnabled())
            runTrapped([this] { cmdDone_Click(); });
    });
}

void frmInvestData::closeEvent(QCloseEvent *event)
{
    if (m_blnExiting) {
        event->accept();
        return;
    }
    // The frame's close button acts as Exit; while a dialog holds the window disabled
    // it takes no input, that one included.
    if (isEnabled())
        requestExit();
    if (m_blnExiting)
        event->accept();
    else
        event->ignore();
}
