#include "ui/tools/frmbackupfiles.h"

#include "core/plmainmod.h"
#include "core/runtimeerror.h"
#include "platform/messagebox.h"
#include "storage/datafolder.h"
#include "storage/filetable.h"
#include "storage/rewrites.h"
#include "ui/boxtext.h"
#include "ui/dialogs/frminvestentry.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/tools/backuptarget.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QDir>
#include <QFileInfo>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>

using namespace modPlMainMod;

namespace {

QString liveFileText(const QString &name)
{
    return QDir::toNativeSeparators(storage::programFile(name));
}

// The copies read every record through the shared variables; the investment and the
// data record in hand are put back afterwards, so the main window goes on with the
// investment it shows.
struct InHand
{
    Integer investRecNum = intInvestRecNum;
    QString investType = strInvestType;
    QString institution = strInstitution;
    InvestRecord investRec = InvestRec;
    Integer tempRecNum = intTempRecNum;
    Integer histInvestNum = intHistInvestNum;
    Date recDate = dtmRecDate;
    Currency originalAmount = curOriginalAmount;
    Currency currentAmount = curCurrentAmount;
    Single inflRate = sngInflRate;

    void restore() const
    {
        intInvestRecNum = investRecNum;
        strInvestType = investType;
        strInstitution = institution;
        InvestRec = investRec;
        intTempRecNum = tempRecNum;
        intHistInvestNum = histInvestNum;
        dtmRecDate = recDate;
        curOriginalAmount = originalAmount;
        curCurrentAmount = currentAmount;
        sngInflRate = inflRate;
    }
};

// Leading and trailing blanks removed (blanks only, as the path box gets them).
QString trimBlanks(const QString &text)
{
    qsizetype begin = 0;
    qsizetype end = text.size();
    while (begin < end && text.at(begin) == QLatin1Char(' '))
        ++begin;
    while (end > begin && text.at(end - 1) == QLatin1Char(' '))
        --end;
    return text.mid(begin, end - begin);
}

QLabel *makeLabel(QWidget *parent, const char *name, const QString &text, const QRect &geometry,
                  Qt::Alignment alignment)
{
    auto *label = new QLabel(text, parent);
    label->setObjectName(QLatin1String(name));
    label->setTextFormat(Qt::PlainText);
    label->setAlignment(alignment | Qt::AlignTop);
    label->setGeometry(geometry);
    // Right-aligned captions end where the layout puts them.
    const int needed = label->sizeHint().width();
    if (needed > label->width()) {
        const int grow = needed - label->width();
        label->setGeometry(alignment & Qt::AlignRight ? label->x() - grow : label->x(), label->y(), needed,
                           label->height());
    }
    return label;
}

QLineEdit *makeBox(QWidget *parent, const char *name, const QRect &geometry, bool readOnly)
{
    auto *box = new QLineEdit(parent);
    box->setObjectName(QLatin1String(name));
    box->setGeometry(geometry);
    if (readOnly) {
        box->setReadOnly(true);
        box->setFocusPolicy(Qt::ClickFocus);
    }
    return box;
}

QPushButton *makeButton(QWidget *parent, const char *name, const QString &caption, const QRect &geometry)
{
    auto *button = new QPushButton(caption, parent);
    button->setObjectName(QLatin1String(name));
    button->setGeometry(geometry);
    return button;
}

} // namespace

frmBackupFiles::frmBackupFiles() : QDialog(nullptr, Qt::Dialog | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmBackupFiles"));
    setWindowTitle(tr("Backup Data Files"));
    ui::forms::useLayoutFont(this);
    setFixedSize(ui::twipsSize(5880, 1920));

    lblBackupDesc = makeLabel(this, "lblBackupDesc", QString(), ui::twipsRect(960, 120, 3855, 255), Qt::AlignLeft);
    lblBackup = makeLabel(this, "lblBackup", tr("Copying:"), ui::twipsRect(120, 360, 735, 255), Qt::AlignRight);
    txtOrigFile = makeBox(this, "txtOrigFile", ui::twipsRect(960, 360, 3855, 285), true);
    lblPath = makeLabel(this, "lblPath", tr("In (Path):"), ui::twipsRect(1080, 840, 735, 255), Qt::AlignRight);
    txtBackupPath = makeBox(this, "txtBackupPath", ui::twipsRect(1920, 840, 1455, 285), false);
    txtFileName = makeBox(this, "txtFileName", ui::twipsRect(3360, 840, 1455, 285), true);
    cmdSave = makeButton(this, "cmdSave", tr("&Save"), ui::twipsRect(1990, 1440, 855, 375));
    cmdSave->setDefault(true);
    cmdExit = makeButton(this, "cmdExit", tr("E&xit"), ui::twipsRect(3036, 1440, 855, 375));

    ui::setBoxText(txtOrigFile, liveFileText(storage::InvestFileName));
    txtOrigFile->setToolTip(txtOrigFile->text());

    setTabOrder(txtBackupPath, cmdSave);
    setTabOrder(cmdSave, cmdExit);

    connect(cmdSave, &QPushButton::clicked, this, [this] {
        const ui::HandlerScope running;
        cmdSave_Click();
    });
    connect(cmdExit, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdExit_Click(); }); });
}

QString frmBackupFiles::defaultBackupPath()
{
#ifdef Q_OS_WIN
    return QStringLiteral("A:");
#else
    return QDir::toNativeSeparators(QDir::homePath());
#endif
}

QString frmBackupFiles::investFileNameText()
{
    return QDir::separator() + storage::InvestFileName;
}

QString frmBackupFiles::histFileNameText()
{
    return QDir::separator() + storage::HistFileName;
}

void frmBackupFiles::Form_Load()
{
    m_blnHistStage = false;
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();
    lblBackupDesc->setText(tr("The Investment Information file"));
    ui::setBoxText(txtBackupPath, defaultBackupPath());
    ui::setBoxText(txtFileName, investFileNameText());
    txtBackupPath->setFocus();
}

void frmBackupFiles::cmdSave_Click()
{
    const InHand kept;
    try {
        if (!m_blnHistStage)
            SaveInvestCopy();
        else
            SaveHistCopy();
    } catch (const RuntimeError &error) {
        if (error.number() == RuntimeError::DiskNotReady)
            platform::msgBox(tr("There is no disk in the drive.\r\nPlease insert one and try again"));
        else
            platform::showStandardError(error);
        // The copy in progress is dropped; an older copy at the target stays as it was.
        storage::discard(2);
        storage::discard(3);
    } catch (const std::exception &error) {
        platform::showStandardError(51, QString::fromLocal8Bit(error.what()));
        storage::discard(2);
        storage::discard(3);
    }
    blnBackupMode = false;
    kept.restore();
}

void frmBackupFiles::SaveInvestCopy()
{
    intInvestRecCount = storage::recordCount(storage::lof(1));
    strInvestBackupPath = trimBlanks(txtBackupPath->text()) + trimBlanks(txtFileName->text());
    if (!TargetUsable(strInvestBackupPath, trimBlanks(txtBackupPath->text())))
        return;
    intDelInvestNum = 0;
    blnBackupMode = true;
    storage::delDataRec();
    bool everyRecordWritten = true;
    storage::transTempToData([&everyRecordWritten] {
        if (!frmInvestEntry::LoadInDataFile())
            everyRecordWritten = false;
    });
    // The copy replaces an older one only when it is complete; the record that
    // failed has been reported already.
    if (everyRecordWritten)
        storage::close(3);
    else
        storage::discard(3);
    blnBackupMode = false;
}

void frmBackupFiles::SaveHistCopy()
{
    strHistBackupPath = txtBackupPath->text() + txtFileName->text();
    if (!TargetUsable(strHistBackupPath, txtBackupPath->text()))
        return;
    storage::copyHistory(strHistBackupPath);
    blnBackupMode = false;
}

bool frmBackupFiles::TargetUsable(const QString &target, const QString &typedPath)
{
    const QFileInfo info(target);
    const QDir folder = info.absoluteDir();
    // A drive root is left to the copy itself, which reports a drive without a disk.
    if (!folder.isRoot() && !folder.exists()) {
        platform::msgBox(
            //: %1 is the folder path the user typed
            tr("The folder \"%1\" does not exist.\r\n"
               "Please type the path of an existing folder and try again.")
                .arg(typedPath),
            platform::MsgIcon::Exclamation);
        txtBackupPath->setFocus();
        return false;
    }
    // Compared by what the files are, so no link or bind mount of the data folder lets
    // a copy replace the live file the program goes on writing to.
    const ui::backup::TargetClash clash = ui::backup::clashWithLiveData(target, storage::programFolder());
    if (clash != ui::backup::TargetClash::None) {
        platform::msgBox(clash == ui::backup::TargetClash::LiveFile
                             ? tr("The backup copy cannot be written over the program's own data file.\r\n"
                                  "Please choose another folder.")
                             //: %1 is the folder path the user typed
                             : tr("The folder \"%1\" is the program's own data folder; the backup copies "
                                  "cannot go there.\r\n"
                                  "Please choose another folder.")
                                   .arg(typedPath),
                         platform::MsgIcon::Exclamation);
        txtBackupPath->setFocus();
        return false;
    }
    return true;
}

void frmBackupFiles::cmdExit_Click()
{
    if (!m_blnHistStage) {
        m_blnHistStage = true;
        DataHistCopy();
    } else {
        m_blnHistStage = false;
        Finish();
    }
}

void frmBackupFiles::DataHistCopy()
{
    lblBackupDesc->setText(tr("The Investment Data file"));
    ui::setBoxText(txtOrigFile, liveFileText(storage::HistFileName));
    txtOrigFile->setToolTip(txtOrigFile->text());
    ui::setBoxText(txtFileName, histFileNameText());
    txtBackupPath->setFocus();
}

void frmBackupFiles::Finish()
{
    frmInvestData *main = frmInvestData::instance();
    if (main)
        main->setEnabled(true);
    unloadSelf();
    if (main)
        main->activateWindow();
}

void frmBackupFiles::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    // The frame is the final Exit, whichever file is offered.
    event->ignore();
    ui::forms::guard([this] {
        m_blnHistStage = false;
        Finish();
    });
}

void frmBackupFiles::reject()
{
    // Esc is Exit's key.
    ui::forms::guard([this] { cmdExit_Click(); });
}
