#include "ui/startup/frmenterpassword.h"

#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "platform/passwordhash.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/startup/frmplsplash.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

namespace {

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

frmEnterPassword::frmEnterPassword() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmEnterPassword"));
    setWindowTitle(QStringLiteral("Plumbline 3.5"));
    ui::forms::useLayoutFont(this);
    setFixedSize(ui::twipsSize(5595, 2100));

    lblEnterPassword = new QLabel(tr("Please Enter Your Password"), this);
    lblEnterPassword->setObjectName(QStringLiteral("lblEnterPassword"));
    lblEnterPassword->setTextFormat(Qt::PlainText);
    lblEnterPassword->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    lblEnterPassword->setGeometry(ui::twipsRect(720, 600, 2175, 255));
    ui::forms::fitLabelWidth(lblEnterPassword);
    txtEnterPassword = new QLineEdit(this);
    txtEnterPassword->setObjectName(QStringLiteral("txtEnterPassword"));
    ui::forms::useStarEcho(txtEnterPassword);
    txtEnterPassword->setGeometry(ui::twipsRect(720, 840, 2295, 285));
    cmdEnter = makeButton(this, "cmdEnter", tr("&Enter"), ui::twipsRect(3720, 360, 1095, 375));
    cmdEnter->setDefault(true);
    cmdClear = makeButton(this, "cmdClear", tr("C&lear"), ui::twipsRect(3720, 840, 1095, 375));
    cmdCancel = makeButton(this, "cmdCancel", tr("&Cancel"), ui::twipsRect(3720, 1320, 1095, 375));

    setTabOrder(txtEnterPassword, cmdEnter);
    setTabOrder(cmdEnter, cmdCancel);
    setTabOrder(cmdCancel, cmdClear);

    connect(cmdEnter, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdEnter_Click(); }); });
    connect(cmdClear, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdClear_Click(); }); });
    connect(cmdCancel, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdCancel_Click(); }); });
}

void frmEnterPassword::Form_Load()
{
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();
    txtEnterPassword->setFocus();
}

void frmEnterPassword::cmdEnter_Click()
{
    using platform::MsgButtons;
    using platform::MsgIcon;
    const QString typed = txtEnterPassword->text();
    if (typed.isEmpty()) {
        platform::msgBox(tr("You have not entered a password. Please do so."), MsgIcon::Exclamation, MsgButtons::OK,
                         tr("No Entry"));
        txtEnterPassword->setFocus();
        return;
    }
    const QString stored = frmPlSplash::m_strPlumbline35Password;
    if (!platform::passwordhash::matches(stored, typed)) {
        platform::msgBox(tr("Sorry, the password you've entered is incorrect."), MsgIcon::Exclamation, MsgButtons::OK,
                         tr("Please try again."));
        txtEnterPassword->setFocus();
        return;
    }
    if (!platform::passwordhash::isHash(stored)) {
        // A password an earlier version kept as typed: from now on only its hash is kept.
        // Entry does not depend on it; a failure leaves the old value for the next start.
        try {
            platform::passwordhash::writeSetting(platform::passwordhash::hash(typed));
        } catch (const RuntimeError &) {
        }
    }
    unloadSelf();
    frmInvestData::Load();
}

void frmEnterPassword::cmdClear_Click()
{
    txtEnterPassword->clear();
    txtEnterPassword->setFocus();
}

void frmEnterPassword::cmdCancel_Click()
{
    unloadSelf();
    ui::forms::endProgram();
}

void frmEnterPassword::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // The frame is Cancel: the program ends.
    event->ignore();
    ui::forms::guard([this] { cmdCancel_Click(); });
}

void frmEnterPassword::reject()
{
    ui::forms::guard([this] { cmdCancel_Click(); });
}
