#include "ui/startup/frmpassword.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "platform/passwordhash.h"
#include "ui/colours.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/twips.h"

#include <QCheckBox>
#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

bool g_cancelVisible = false;

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry, bool wrap = false)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setWordWrap(wrap);
    label->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    label->setGeometry(geometry);
    if (!wrap)
        ui::forms::fitLabelWidth(label);
    return label;
}

QLineEdit *makePasswordBox(QWidget *parent, const char *name, const QRect &geometry)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    ui::forms::useStarEcho(box);
    box->setGeometry(geometry);
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

void setBackColour(QLineEdit *box, const QColor &colour)
{
    ui::setForcedBackground(box, QPalette::Base, colour);
}

} // namespace

frmPassword::frmPassword() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmPassword"));
    setWindowTitle(tr("Password?"));
    ui::forms::useLayoutFont(this);
    setFixedSize(ui::twipsSize(5520, 3195));

    lblPasswordQuestion =
        makeLabel(this, "lblPasswordQuestion",
                  tr("Do you want to make Plumbline  password protected, or change an existing password?"),
                  ui::twipsRect(360, 120, 2415, 855), true);
    chkPasswordNo = new QCheckBox(tr("No Password"), this);
    chkPasswordNo->setObjectName(QStringLiteral("chkPasswordNo"));
    chkPasswordNo->setGeometry(ui::twipsRect(3120, 480, 1335, 375));
    lblIfYes =
        makeLabel(this, "lblIfYes", tr("If you do, please enter a password below, and re-enter it for validation."),
                  ui::twipsRect(360, 960, 2295, 615), true);
    lblPassword = makeLabel(this, "lblPassword", tr("Enter Password"), ui::twipsRect(360, 1680, 1215, 255));
    txtPassword = makePasswordBox(this, "txtPassword", ui::twipsRect(360, 1920, 2655, 285));
    lblPasswordAgain =
        makeLabel(this, "lblPasswordAgain", tr("Enter Password Again"), ui::twipsRect(360, 2280, 2535, 255));
    txtPasswordAgain = makePasswordBox(this, "txtPasswordAgain", ui::twipsRect(360, 2520, 2655, 285));
    cmdEnter = makeButton(this, "cmdEnter", tr("&Enter"), ui::twipsRect(3840, 1560, 1095, 375));
    cmdEnter->setDefault(true);
    cmdReset = makeButton(this, "cmdReset", tr("&Reset"), ui::twipsRect(3840, 2040, 1095, 375));
    cmdCancel = makeButton(this, "cmdCancel", tr("&Cancel"), ui::twipsRect(3840, 2520, 1095, 375));
    cmdCancel->setVisible(false);

    setBackColour(txtPassword, QColor(255, 255, 255));
    setBackColour(txtPasswordAgain, QColor(255, 255, 255));

    setTabOrder(txtPassword, txtPasswordAgain);
    setTabOrder(txtPasswordAgain, chkPasswordNo);
    setTabOrder(chkPasswordNo, cmdEnter);
    setTabOrder(cmdEnter, cmdReset);
    setTabOrder(cmdReset, cmdCancel);

    connect(chkPasswordNo, &QCheckBox::stateChanged, this,
            [this] { ui::forms::guard([this] { chkPasswordNo_Click(); }); });
    connect(cmdEnter, &QPushButton::clicked, this, [this] {
        const ui::HandlerScope running;
        cmdEnter_Click();
    });
    connect(cmdReset, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdReset_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdCancel_Click(); }); });
}

void frmPassword::setCancelVisible(bool visible)
{
    g_cancelVisible = visible;
    if (frmPassword *form = instance())
        form->cmdCancel->setVisible(visible);
}

void frmPassword::Form_Load()
{
    m_blnNoPassword = false;
    m_strPassword.clear();
    cmdCancel->setVisible(g_cancelVisible);
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();
    txtPassword->setFocus();
}

void frmPassword::chkPasswordNo_Click()
{
    if (chkPasswordNo->checkState() == Qt::Checked) {
        m_blnNoPassword = true;
        txtPassword->clear();
        txtPasswordAgain->clear();
        txtPassword->setEnabled(false);
        txtPasswordAgain->setEnabled(false);
        const QColor buttonFace = palette().color(QPalette::Active, QPalette::Button);
        setBackColour(txtPassword, buttonFace);
        setBackColour(txtPasswordAgain, buttonFace);
        lblPassword->setEnabled(false);
        lblPasswordAgain->setEnabled(false);
    } else if (chkPasswordNo->checkState() == Qt::Unchecked) {
        m_blnNoPassword = false;
        txtPassword->setEnabled(true);
        txtPasswordAgain->setEnabled(true);
        setBackColour(txtPassword, QColor(255, 255, 255));
        setBackColour(txtPasswordAgain, QColor(255, 255, 255));
        lblPassword->setEnabled(true);
        lblPasswordAgain->setEnabled(true);
        txtPassword->setFocus();
    }
}

void frmPassword::cmdEnter_Click()
{
    using platform::MsgButtons;
    using platform::MsgIcon;
    try {
        if (m_blnNoPassword) {
            Leaving();
            return;
        }
        if (txtPassword->text().isEmpty()) {
            platform::msgBox(tr("No entry was made in 'Enter Password'."), MsgIcon::Exclamation, MsgButtons::OK,
                             tr("Please make an entry."));
            txtPassword->setFocus();
            return;
        }
        if (txtPasswordAgain->text().isEmpty()) {
            platform::msgBox(tr("No entry was made in 'Enter Password Again'."), MsgIcon::Exclamation, MsgButtons::OK,
                             tr("Please make an entry."));
            txtPasswordAgain->setFocus();
            return;
        }
        if (txtPassword->text() != txtPasswordAgain->text()) {
            platform::msgBox(tr("The second entry was not the same as the first.\r\n"
                                "Please re-enter the second, or both entries."),
                             MsgIcon::Exclamation);
            txtPasswordAgain->setFocus();
            return;
        }
        // Only the hash is kept; a typed sentinel word is hashed like any password,
        // so it protects the program instead of switching protection off.
        m_strPassword = platform::passwordhash::hash(txtPassword->text());
        platform::passwordhash::writeSetting(m_strPassword);
        platform::msgBox(tr("Please write your password down and keep\r\nit in a safe place."), MsgIcon::Information);
        Leaving();
    } catch (const RuntimeError &error) {
        platform::showStandardError(error);
    } catch (const std::exception &error) {
        platform::showStandardError(51, QString::fromLocal8Bit(error.what()));
    }
}

void frmPassword::cmdReset_Click()
{
    txtPassword->clear();
    txtPasswordAgain->clear();
    // Unticking runs chkPasswordNo_Click through the box's change.
    chkPasswordNo->setCheckState(Qt::Unchecked);
    txtPassword->setFocus();
}

void frmPassword::cmdCancel_Click()
{
    Leaving();
}

void frmPassword::Leaving()
{
    if (m_blnNoPassword) {
        m_strPassword = platform::passwordhash::NoPassword;
        platform::passwordhash::writeSetting(m_strPassword);
    }
    frmInvestData *main = frmInvestData::instance();
    if (main)
        main->show();
    else
        main = frmInvestData::Load();
    unloadSelf();
    if (main)
        main->activateWindow();
}

bool frmPassword::cancelShown() const
{
    return cmdCancel->isVisibleTo(const_cast<frmPassword *>(this));
}

void frmPassword::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    ui::forms::guard([this] {
        if (cancelShown()) {
            // From the menu: the frame does what Cancel does.
            cmdCancel_Click();
        } else {
            // First run: leaving without a choice ends the program and writes nothing.
            unloadSelf();
            ui::forms::endProgram();
        }
    });
}

void frmPassword::reject()
{
    // Esc is Cancel's key, and nothing while Cancel is hidden.
    if (cancelShown() && cmdCancel->isEnabled())
        ui::forms::guard([this] { cmdCancel_Click(); });
}
