#include "ui/dialogs/frmneweditdata.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/rewrites.h"
#include "ui/boxtext.h"
#include "ui/dialogs/dialogsupport.h"
#include "ui/index/ratesuggestion.h"
#include "ui/main/frminvestdata.h"
#include "ui/maskededit.h"
#include "ui/startup/formsupport.h"
#include "ui/toolbaricons.h"
#include "ui/twips.h"
#include "ui/versions/keptchange.h"

#include <QAction>
#include <QApplication>
#include <QCloseEvent>
#include <QCoreApplication>
#include <QFile>
#include <QFocusEvent>
#include <QFrame>
#include <QGroupBox>
#include <QKeyEvent>
#include <QLabel>
#include <QLayout>
#include <QLineEdit>
#include <QMenu>
#include <QMenuBar>
#include <QPointer>
#include <QPushButton>
#include <QRegularExpression>
#include <QToolBar>

#include <cmath>
#include <limits>

using namespace modPlMainMod;
using platform::LocaleServices;

namespace {

// Copy-source codes of the four entry boxes.
constexpr int SourceDate = 2;
constexpr int SourceOriginal = 3;
constexpr int SourceRate = 4;
constexpr int SourceCurrent = 5;

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

template <typename Box> Box *makeBox(QWidget *parent, const char *name, const QRect &rect)
{
    auto *box = new Box(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(rect);
    return box;
}

// A box of the top row: shows the investment, takes no entry and no Tab stop.
QLineEdit *makeLockedBox(QWidget *parent, const char *name, const QRect &rect)
{
    auto *box = makeBox<QLineEdit>(parent, name, rect);
    box->setReadOnly(true);
    box->setFocusPolicy(Qt::ClickFocus);
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

// The whole message for each empty box, so a translation can word each on its own.
void noEntryMessg(const QString &message)
{
    platform::msgBox(message, platform::MsgIcon::Exclamation, platform::MsgButtons::OK,
                     QCoreApplication::translate("frmNewEditData", "No Entry"));
}

void wrongDateMessg()
{
    platform::msgBox(QCoreApplication::translate("frmNewEditData", "Wrong entry. Please enter a date."),
                     platform::MsgIcon::Exclamation, platform::MsgButtons::OK,
                     QCoreApplication::translate("frmNewEditData", "Date"));
}

frmInvestData &mainWindow()
{
    frmInvestData *main = frmInvestData::instance();
    if (!main)
        throw RuntimeError(
            91, QCoreApplication::translate("frmNewEditData", "Object variable or With block variable not set"));
    return *main;
}

} // namespace

void frmNewEditData::Unload()
{
    // Deleted at once when nothing is under way, not later as SingleForm does;
    // m_blnLeaving keeps the close from acting as Cancel.
    if (frmNewEditData *form = takeInstance()) {
        form->m_blnLeaving = true;
        if (ui::handlersBusy()) {
            form->hide();
            ui::destroyWhenIdle(form);
        } else {
            delete form;
        }
    }
}

frmNewEditData::frmNewEditData()
    : QMainWindow(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowCloseButtonHint |
                               Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmNewEditData"));
    setWindowTitle(tr("Data Record"));
    QFont f = font();
    f.setPointSize(8);
    setFont(f);

    auto *client = new QWidget(this);
    client->setObjectName(QStringLiteral("client"));
    client->setFixedSize(ui::twipsSize(8025, 3195));
    setCentralWidget(client);

    mnuEdit = menuBar()->addMenu(tr("&Edit"));
    mnuEdit->setObjectName(QStringLiteral("mnuEdit"));
    mnuEditCut = mnuEdit->addAction(tr("Cu&t"));
    mnuEditCut->setObjectName(QStringLiteral("mnuEditCut"));
    mnuEditCopy = mnuEdit->addAction(tr("&Copy"));
    mnuEditCopy->setObjectName(QStringLiteral("mnuEditCopy"));
    mnuEditPaste = mnuEdit->addAction(tr("&Paste"));
    mnuEditPaste->setObjectName(QStringLiteral("mnuEditPaste"));
    mnuEditPaste->setEnabled(false);

    tbToolBar = new QToolBar(client);
    tbToolBar->setObjectName(QStringLiteral("tbToolBar"));
    tbToolBar->setMovable(false);
    tbToolBar->setFloatable(false);
    tbToolBar->setIconSize(QSize(16, 16));
    tbToolBar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    tbToolBar->setGeometry(ui::twipsRect(0, 0, 8025, 360));
    for (const QString &key : {QStringLiteral("Cut"), QStringLiteral("Copy"), QStringLiteral("Paste")}) {
        QAction *button = tbToolBar->addAction(ui::imlToolbarIcons(key), ui::toolbarKeyText(key));
        button->setObjectName(key);
        button->setData(key);
        button->setToolTip(ui::toolbarKeyText(key));
    }

    Line1 = new QFrame(client);
    Line1->setObjectName(QStringLiteral("Line1"));
    Line1->setFrameShape(QFrame::HLine);
    Line1->setFrameShadow(QFrame::Plain);
    Line1->setGeometry(0, ui::px(360), ui::px(8040), 1);

    txtRecNumber = makeLockedBox(client, "txtRecNumber", ui::twipsRect(360, 480, 495, 285));
    txtInvestment = makeLockedBox(client, "txtInvestment", ui::twipsRect(1080, 480, 3135, 285));
    txtInstitution = makeLockedBox(client, "txtInstitution", ui::twipsRect(4440, 480, 3135, 285));

    Frame1 = new QGroupBox(tr("Investment Data"), client);
    Frame1->setObjectName(QStringLiteral("Frame1"));
    Frame1->setGeometry(ui::twipsRect(360, 960, 7215, 1335));
    lblDate = makeLabel(Frame1, "lblDate", tr("Date"), ui::twipsRect(600, 360, 735, 255));
    txtDate = makeBox<QLineEdit>(Frame1, "txtDate", ui::twipsRect(600, 600, 1095, 285));
    lblOriginalAmount =
        makeLabel(Frame1, "lblOriginalAmount", tr("Original Amount"), ui::twipsRect(1920, 360, 1575, 255));
    metOriginalAmount = makeBox<ui::MaskedEdit>(Frame1, "metOriginalAmount", ui::twipsRect(1920, 600, 1815, 255));
    lblInflRate = makeLabel(Frame1, "lblInflRate",
                            //: Inflation rate in per cent
                            tr("Infl Rate"), ui::twipsRect(3960, 360, 615, 255));
    txtInflRate = makeBox<QLineEdit>(Frame1, "txtInflRate", ui::twipsRect(3960, 600, 615, 285));
    lblCurrentAmount = makeLabel(Frame1, "lblCurrentAmount", tr("Current Amount"), ui::twipsRect(4800, 360, 1575, 255));
    metCurrentAmount = makeBox<ui::MaskedEdit>(Frame1, "metCurrentAmount", ui::twipsRect(4800, 600, 1815, 255));
    // In the frame's free space under the boxes, so no control of the dialog moves.
    rateSuggestion = new ui::index::RateSuggestion(Frame1, txtDate, txtInflRate);
    rateSuggestion->setGeometry(ui::twipsRect(600, 945, 6495, 330));

    cmdCancel = makeButton(client, "cmdCancel", tr("&Cancel"), ui::twipsRect(2760, 2520, 1335, 375));
    cmdDone = makeButton(client, "cmdDone", tr("&Done"), ui::twipsRect(4080, 2520, 1335, 375));
    cmdDone->setDefault(true);

    setTabOrder(txtDate, metOriginalAmount);
    setTabOrder(metOriginalAmount, txtInflRate);
    setTabOrder(txtInflRate, metCurrentAmount);
    setTabOrder(metCurrentAmount, cmdCancel);
    setTabOrder(cmdCancel, cmdDone);

    layout()->setSizeConstraint(QLayout::SetFixedSize);

    for (QWidget *box : std::initializer_list<QWidget *>{txtDate, metOriginalAmount, txtInflRate, metCurrentAmount})
        box->installEventFilter(this);

    const auto trapped = [this](void (frmNewEditData::*handler)()) {
        return [this, handler] { ui::forms::guard([this, handler] { (this->*handler)(); }); };
    };
    // A click on Done that took the focus from a refused entry is no Done: the
    // entry's message has been shown and the focus is back in the box.
    connect(cmdDone, &QPushButton::pressed, this, [this] {
        m_blnEntryRefused = m_blnSwallowClick;
        m_blnSwallowClick = false;
    });
    connect(cmdDone, &QPushButton::clicked, this, [this] {
        if (m_blnEntryRefused) {
            m_blnEntryRefused = false;
            return;
        }
        ui::forms::guard([this] { cmdDone_Click(); });
    });
    connect(cmdCancel, &QPushButton::clicked, this, trapped(&frmNewEditData::cmdCancel_Click));
    connect(mnuEditCut, &QAction::triggered, this, trapped(&frmNewEditData::mnuEditCut_Click));
    connect(mnuEditCopy, &QAction::triggered, this, trapped(&frmNewEditData::mnuEditCopy_Click));
    connect(mnuEditPaste, &QAction::triggered, this, trapped(&frmNewEditData::mnuEditPaste_Click));
    connect(tbToolBar, &QToolBar::actionTriggered, this, [this](QAction *button) {
        const QString key = button->data().toString();
        ui::forms::guard([this, key] { tbToolBar_ButtonClick(key); });
    });
}

frmNewEditData::~frmNewEditData()
{
    forgetSelf();
}

namespace {

// The number the added record gets: one past the records of the investment shown, which the
// main window's page file holds (none while there is no history).
int newRecordNumber()
{
    if (!QFile::exists(storage::programFile(storage::HistFileName)))
        return 1;
    return ui::versions::recordCountIn(storage::programFile(storage::PageFileName)) + 1;
}

} // namespace

bool frmNewEditData::isNumericEntry(const QString &text)
{
    static const QRegularExpression plain(
        QStringLiteral("^[ \\t]*[-+]?([0-9]+\\.?[0-9]*|\\.[0-9]+)([eEdD][-+]?[0-9]+)?[ \\t]*$"));
    return plain.match(text).hasMatch();
}

void frmNewEditData::Form_Load()
{
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();

    const bool split = strOperation == QLatin1String("EDIT") || strOperation == QLatin1String("INSERT");
    if (strOperation == QLatin1String("ADDNEW"))
        setWindowTitle(tr("Add New Record"));
    else if (strOperation == QLatin1String("EDIT"))
        setWindowTitle(tr("Edit Record"));
    else if (strOperation == QLatin1String("INSERT"))
        setWindowTitle(tr("Insert New Record"));
    if (split) {
        try {
            // Fills the entry boxes with the chosen record for an edit.
            mainWindow().CreateTwoFiles();
        } catch (const RuntimeError &error) {
            // Without the work files there is nothing to edit or insert into.
            platform::showStandardError(error);
            leave();
            return;
        }
    }

    rateSuggestion->start();

    ui::setBoxText(txtRecNumber, QString::number(intInvestRecNum));
    ui::setBoxText(txtInvestment, strInvestType);
    ui::setBoxText(txtInstitution, strInstitution);
    if (blnDataCopyMade)
        mnuEditPaste->setEnabled(true);

    txtDate->setFocus();
    // The box has the focus from the start, whether or not the window is active yet.
    txtDate_GotFocus();
}

void frmNewEditData::cmdDone_Click()
{
    // 1. Date.
    if (!LocaleServices::isDate(txtDate->text())) {
        if (!txtDate->text().isEmpty()) {
            wrongDateMessg();
            refocus(txtDate);
            return;
        }
        ui::setBoxText(txtDate, LocaleServices::shortDate(LocaleServices::today()));
    }
    // 2. Original amount.
    const QString original = metOriginalAmount->plainText();
    if (!isNumericEntry(original)) {
        if (original.isEmpty())
            noEntryMessg(tr("There is no entry in 'Original Amount'. Please make an entry if you want to\r\n"
                            "create a new record."));
        else
            WrongEntryMessg();
        refocus(metOriginalAmount);
        return;
    }
    // 3. Inflation rate: empty is 0.
    const QString rate = txtInflRate->text();
    if (!rate.isEmpty() && !isNumericEntry(rate)) {
        WrongEntryMessg();
        refocus(txtInflRate);
        return;
    }
    // 4. Current amount.
    const QString current = metCurrentAmount->plainText();
    if (!isNumericEntry(current)) {
        if (current.isEmpty())
            noEntryMessg(tr("There is no entry in 'Current Amount'. Please make an entry if you want to\r\n"
                            "create a new record."));
        else
            WrongEntryMessg();
        refocus(metCurrentAmount);
        return;
    }

    // 5. Any failure from here on has been reported; nothing is written and the
    // dialog stays open.
    if (strOperation == QLatin1String("ADDNEW")) {
        if (!LoadValues())
            return;
        // The state before is kept first; a failure there changes nothing.
        ui::versions::KeptChange kept;
        try {
            kept.begin(ui::versions::recordChange(storage::ChangeKind::AddRecord, strInvestType, strInstitution,
                                                  newRecordNumber(), dtmRecDate.toQDate()));
            AppendHistRec();
        } catch (const RuntimeError &error) {
            platform::showStandardError(error);
            return;
        }
        kept.commit();
    } else if (strOperation == QLatin1String("EDIT") || strOperation == QLatin1String("INSERT")) {
        // The values are read once before the rebuild starts, so a value that cannot
        // be read stops Done before any file is touched.
        if (!LoadValues())
            return;
        m_blnValuesTrapped = false;
        try {
            if (!storage::splitFilesExist()) {
                // A rebuild that failed before removed the work files: split again,
                // keeping what the user typed.
                const QString date = txtDate->text();
                const QString typedRate = txtInflRate->text();
                mainWindow().CreateTwoFiles();
                ui::setBoxText(txtDate, date);
                metOriginalAmount->setPlainText(original);
                ui::setBoxText(txtInflRate, typedRate);
                metCurrentAmount->setPlainText(current);
            }
            mainWindow().CreateHistFile();
        } catch (const RuntimeError &error) {
            if (!m_blnValuesTrapped)
                platform::showStandardError(error);
            return;
        }
    }
    // 6.
    leave();
}

void frmNewEditData::cmdCancel_Click()
{
    if (strOperation == QLatin1String("INSERT") || strOperation == QLatin1String("EDIT"))
        storage::deleteSplitFiles(); // "SuccesToHist.txt", then "RecsDisplayed.txt"
    leave();
}

bool frmNewEditData::LoadValues()
{
    m_blnValuesTrapped = false;
    try {
        Date date;
        if (!LocaleServices::dateValue(txtDate->text(), date))
            throw RuntimeError(RuntimeError::TypeMismatch);
        dtmRecDate = date;
        curOriginalAmount = LocaleServices::currencyVal(metOriginalAmount->plainText());
        const double rate = LocaleServices::val(txtInflRate->text());
        if (!std::isfinite(rate) || std::fabs(rate) > double(std::numeric_limits<Single>::max()))
            throw RuntimeError(RuntimeError::Overflow);
        sngInflRate = Single(rate);
        curCurrentAmount = LocaleServices::currencyVal(metCurrentAmount->plainText());
        return true;
    } catch (const RuntimeError &error) {
        m_blnValuesTrapped = true;
        platform::showStandardError(error);
        return false;
    }
}

void frmNewEditData::AppendHistRec()
{
    storage::appendHistRecord();
}

void frmNewEditData::WrongEntryMessg()
{
    platform::msgBox(tr("Sorry, wrong entry. Enter only numbers or decimal point."), platform::MsgIcon::Exclamation,
                     platform::MsgButtons::OK, tr("Wrong Entry"));
}

void frmNewEditData::refocus(QWidget *box)
{
    box->setFocus();
    auto *edit = static_cast<QLineEdit *>(box);
    if (box->hasFocus()) {
        // Back at once (or never gone, Done by the Enter key): select the entry for retyping.
        ui::selectWholeText(edit);
        m_refusedBox = nullptr;
    } else {
        // The message took the window's activation: the focus comes back with the window.
        m_refusedBox = box;
    }
}

// ---- Leaving and entering the boxes

void frmNewEditData::txtDate_LostFocus()
{
    if (LocaleServices::isDate(txtDate->text()))
        return;
    if (txtDate->text().isEmpty()) {
        ui::setBoxText(txtDate, LocaleServices::shortDate(LocaleServices::today()));
        return;
    }
    m_blnSwallowClick = m_blnClickingDone;
    wrongDateMessg();
    refocus(txtDate);
}

void frmNewEditData::metOriginalAmount_LostFocus()
{
    const QString text = metOriginalAmount->plainText();
    if (isNumericEntry(text) || text.isEmpty())
        return;
    m_blnSwallowClick = m_blnClickingDone;
    WrongEntryMessg();
    refocus(metOriginalAmount);
}

void frmNewEditData::txtInflRate_LostFocus()
{
    const QString text = txtInflRate->text();
    if (isNumericEntry(text) || text.isEmpty())
        return;
    m_blnSwallowClick = m_blnClickingDone;
    WrongEntryMessg();
    refocus(txtInflRate);
}

void frmNewEditData::metCurrentAmount_LostFocus()
{
    const QString text = metCurrentAmount->plainText();
    if (isNumericEntry(text) || text.isEmpty())
        return;
    m_blnSwallowClick = m_blnClickingDone;
    WrongEntryMessg();
    refocus(metCurrentAmount);
}

void frmNewEditData::txtDate_GotFocus()
{
    ui::selectWholeText(txtDate);
    intCopySource = SourceDate;
}

void frmNewEditData::metOriginalAmount_GotFocus()
{
    ui::selectWholeText(metOriginalAmount);
    intCopySource = SourceOriginal;
}

void frmNewEditData::txtInflRate_GotFocus()
{
    ui::selectWholeText(txtInflRate);
    intCopySource = SourceRate;
}

void frmNewEditData::metCurrentAmount_GotFocus()
{
    ui::selectWholeText(metCurrentAmount);
    intCopySource = SourceCurrent;
}

// ---- Edit commands: on the whole text of the box intCopySource names

bool frmNewEditData::copySourceText(QString &text) const
{
    switch (intCopySource) {
    case SourceDate:
        text = txtDate->text();
        return true;
    case SourceOriginal:
        text = metOriginalAmount->plainText();
        return true;
    case SourceRate:
        text = txtInflRate->text();
        return true;
    case SourceCurrent:
        text = metCurrentAmount->plainText();
        return true;
    default:
        return false;
    }
}

void frmNewEditData::setCopySourceText(const QString &text)
{
    switch (intCopySource) {
    case SourceDate:
        ui::setBoxText(txtDate, text);
        break;
    case SourceOriginal:
        metOriginalAmount->setPlainText(text);
        break;
    case SourceRate:
        ui::setBoxText(txtInflRate, text);
        break;
    case SourceCurrent:
        metCurrentAmount->setPlainText(text);
        break;
    default:
        break;
    }
}

void frmNewEditData::mnuEditCopy_Click()
{
    mnuEditPaste->setEnabled(true);
    blnDataCopyMade = true;
    QString text;
    if (copySourceText(text))
        platform::Clipboard::instance().setText(text);
}

void frmNewEditData::mnuEditCut_Click()
{
    mnuEditCopy_Click();
    setCopySourceText(QString());
}

void frmNewEditData::mnuEditPaste_Click()
{
    setCopySourceText(QString());
    setCopySourceText(platform::Clipboard::instance().text());
}

void frmNewEditData::tbToolBar_ButtonClick(const QString &key)
{
    // An error in the command is passed over, as the toolbar always did.
    try {
        if (key == QLatin1String("Cut"))
            mnuEditCut_Click();
        else if (key == QLatin1String("Copy"))
            mnuEditCopy_Click();
        else if (key == QLatin1String("Paste"))
            mnuEditPaste_Click();
    } catch (const RuntimeError &) {
    }
}

// ---- Window

void frmNewEditData::leave()
{
    if (m_blnLeaving)
        return;
    m_blnLeaving = true;
    forgetSelf();
    ui::dialogs::returnToMainWindow(this);
}

void frmNewEditData::closeEvent(QCloseEvent *event)
{
    // The frame's close button acts as Cancel.
    if (!m_blnLeaving)
        ui::forms::guard([this] { cmdCancel_Click(); });
    event->accept();
}

void frmNewEditData::keyPressEvent(QKeyEvent *event)
{
    if (!ui::dialogs::handleDialogKey(this, event, cmdDone, cmdCancel))
        QMainWindow::keyPressEvent(event);
}

bool frmNewEditData::eventFilter(QObject *watched, QEvent *event)
{
    const QEvent::Type type = event->type();
    if (type == QEvent::FocusIn && watched == m_refusedBox && !m_blnLeaving) {
        // A refused entry is selected whole again, whichever way the focus returns.
        m_refusedBox = nullptr;
        if (!ui::dialogs::isOwnFocusChange(event)) {
            auto *box = static_cast<QLineEdit *>(watched);
            static_cast<QObject *>(box)->event(event);
            ui::selectWholeText(box);
            return true;
        }
    }
    if ((type != QEvent::FocusIn && type != QEvent::FocusOut) || m_blnLeaving || !ui::dialogs::isOwnFocusChange(event))
        return QMainWindow::eventFilter(watched, event);
    if (type == QEvent::FocusIn)
        m_refusedBox = nullptr;

    auto *box = static_cast<QLineEdit *>(watched);
    // The box handles the change first (a masked box switches between the plain
    // text and its display form), then the program's handler runs.
    static_cast<QObject *>(box)->event(event);

    if (type == QEvent::FocusIn) {
        ui::forms::guard([this, box] {
            if (box == txtDate)
                txtDate_GotFocus();
            else if (box == metOriginalAmount)
                metOriginalAmount_GotFocus();
            else if (box == txtInflRate)
                txtInflRate_GotFocus();
            else if (box == metCurrentAmount)
                metCurrentAmount_GotFocus();
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

    // Leaving for another of this window's controls. Cancel is let through without
    // a check, so a wrong entry never keeps the user from cancelling.
    QWidget *next = QApplication::focusWidget();
    if (!next || next->window() != this || next == cmdCancel)
        return true;
    m_blnClickingDone = next == cmdDone && static_cast<QFocusEvent *>(event)->reason() == Qt::MouseFocusReason;
    ui::forms::guard([this, box] {
        if (box == txtDate)
            txtDate_LostFocus();
        else if (box == metOriginalAmount)
            metOriginalAmount_LostFocus();
        else if (box == txtInflRate)
            txtInflRate_LostFocus();
        else if (box == metCurrentAmount)
            metCurrentAmount_LostFocus();
    });
    m_blnClickingDone = false;
    return true;
}
