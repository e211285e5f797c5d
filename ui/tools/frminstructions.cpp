#include "ui/tools/frminstructions.h"

#include "storage/datafolder.h"
#include "ui/main/frminvestdata.h"
#include "ui/startup/formsupport.h"
#include "ui/twips.h"

#include <QCloseEvent>
#include <QCoreApplication>
#include <QDir>
#include <QFileInfo>
#include <QPlainTextEdit>
#include <QPushButton>

namespace {

// Each paragraph is one line that the box wraps; it begins with three blanks.
QString paragraph(const QString &text)
{
    return QStringLiteral("   ") + text;
}

// The last paragraph: where the files are and how to copy them. It runs on after a single
// line break into the backup dialog's second step, so it is one text with that break.
QString dataAndBackupParagraph()
{
#ifdef Q_OS_WIN
    return QCoreApplication::translate(
        "frmInstructions",
        "Files containing the Investment records and the Data records are kept in the program folder, "
        "C:\\Program Files\\Plumbline 3.5. They must stay there: if they are moved or renamed, Plumbline does not "
        "find them and starts again with new, empty files. To keep a copy of your data in a safe place, choose "
        "Backup Data Files from the File menu. The dialog first offers the main file, PlumblineData, to be copied "
        "to drive A unless you type another path; click Save to copy it, then Exit,\n"
        "and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data records of "
        "all your investments are kept together in this one text file). Again you may change the path; click Save, "
        "then Exit to leave the dialog.");
#else
    //: %1 is the path of the program's data folder
    return QCoreApplication::translate(
               "frmInstructions",
               "Files containing the Investment records and the Data records are kept in the program's data folder, "
               "%1. They must stay there: if they are moved or renamed, Plumbline does not find them and starts again "
               "with new, empty files. To keep a copy of your data in a safe place, choose Backup Data Files from the "
               "File menu. The dialog first offers the main file, PlumblineData, to be copied to your home folder "
               "unless you type another path; click Save to copy it, then Exit,\n"
               "and the form changes to offer the file that holds all the Data records, PlDataHist.txt (the Data "
               "records of all your investments are kept together in this one text file). Again you may change the "
               "path; click Save, then Exit to leave the dialog.")
        .arg(QDir::toNativeSeparators(storage::programFolder()));
#endif
}

const QString ExplanationDocument = QStringLiteral("user-guide.md");

} // namespace

QString frmInstructions::explanationDocumentPath()
{
    return explanationDocumentPath(QCoreApplication::applicationDirPath());
}

QString frmInstructions::explanationDocumentPath(const QString &programPath)
{
    // Beside the program, in the shared documentation folder of an installation, or in
    // the source tree's docs folder for a program run from its build folder.
    const QDir programDir(programPath);
    const QStringList candidates = {
        ExplanationDocument,
        QStringLiteral("../share/doc/plumbline/") + ExplanationDocument,
        QStringLiteral("../share/doc/Plumbline/") + ExplanationDocument,
        QStringLiteral("../docs/") + ExplanationDocument,
    };
    for (const QString &candidate : candidates) {
        const QString path = QDir::cleanPath(programDir.absoluteFilePath(candidate));
        if (QFileInfo(path).isFile())
            return QDir::toNativeSeparators(path);
    }
    return QDir::toNativeSeparators(QDir::cleanPath(programDir.absoluteFilePath(candidates.at(1))));
}

QString frmInstructions::guideText()
{
    const QString blank = QStringLiteral("\n\n");
    QString text = QString(36, QLatin1Char(' ')) + tr("PLUMBLINE 3.5  INSTRUCTIONS") + blank;

    const QStringList paragraphs = {
        tr("Welcome to Plumbline 3.5. Before you enter any data, decide whether the program should be protected "
           "by a password. Choose Password from the File menu: there you can set a password that will be asked for "
           "every time Plumbline starts, change the password you already have, or tick No Password to turn the "
           "protection off."),
        tr("The Plumbline 3.5 main form is divided into two main areas. Your investment records are shown, one at "
           "a time, in the yellow boxes at the top of the form, and the numeric records that belong to the "
           "investment shown are listed in the Data Grid below them. To create your first investment record, click "
           "the 'Add New' button in the top group of buttons."),
        tr("The Investment entry form will appear, ready for you to type in the TYPE OF INVESTMENT: for example a "
           "mutual fund, a stock, a bond, a CD or a savings account. This is the one box that must be filled in; if "
           "you click Done while it is empty, Plumbline asks you to make an entry."),
        tr("Tab over to the INSTITUTION box and type the name of the bank, broker or fund company that holds the "
           "investment. This box is optional and may be left empty. Click Done or press the Enter key to save the "
           "record; you are taken back to the main form, which now shows your new investment at the top."),
        tr("Now go down to the buttons on the bottom of the form and click 'Add New' to create the first Data "
           "record of this investment. In the DATE box type the date of the record, or just press the Tab key and "
           "today's date is entered for you. In the ORIGINAL AMOUNT box type the amount you invested. Never type "
           "commas into any of the amount boxes: the commas are inserted automatically. Leave the INFLATION RATE "
           "box empty in this first record. In the CURRENT AMOUNT box type what the investment is worth now; for a "
           "new investment you may simply copy the original amount into it. Every box except the inflation rate "
           "must be filled in."),
        tr("This is the way we suggest you start Plumbline with every investment. The first record is the starting "
           "point: there is no earlier record and so no interval yet for an inflation rate to cover, which is why "
           "none is entered. Click Done to save the record and return to the main form."),
        //: AFI = adjusted for inflation
        tr("It is in the Data Grid where you can see the figures Plumbline works out for each record. In the first "
           "record every figure beyond the values you entered is zero, as there is nothing yet to compare with. "
           "When you add later records, each with a new current amount and the inflation rate for the interval "
           "since the record before, the grid shows how the investment has done, including the figures adjusted "
           "for inflation (AFI). If prices fell during an interval, enter the deflation rate as a negative number."),
        tr("When creating new records for an investment, it is best to make them at regular intervals, such as "
           "once a year, once a quarter or once a month, so that each record covers a period for which an "
           "inflation rate is published. Such rates are published by the government's statistics office (in the "
           "United States the Bureau of Labor Statistics, with its Consumer Price Index) and can be found in "
           "newspapers, in libraries and on the Internet."),
        tr("If you've had an investment for several years, you can enter its history one year at a time. For each "
           "following year type the date one year after the previous record, leave the original amount as it was "
           "unless you added money to the investment or took some out, type the new current amount, and type the "
           "inflation rate for that interval. We recommend intervals that run from January to January."),
        //: INC/DEC = increase/decrease; the words in capitals are the Data Grid's column headings
        tr("Notice that the INC/DEC number shows how much the current amount has gone up or down since the "
           "previous record; a decrease is shown in brackets. PROFIT/LOSS is the difference between the current "
           "amount and the original amount. INFLATION RATE is the rate you entered for the interval, and LOSS TO "
           "INFLATION is the part of the investment's value that inflation took away during that interval; when "
           "there was deflation it is negative, which means a gain."),
        //: AFI = adjusted for inflation; %1 is the path of the explanation document
        tr("The next figure, CURRENT AMOUNT AFI, is the current amount adjusted for inflation: what the investment "
           "is really worth in the money of the first record, after all the inflation since then. PROFIT/LOSS AFI "
           "is the profit or loss counted in those adjusted amounts. A detailed explanation of the calculations is "
           "given in a separate explanation document in the program folder: %1.")
            .arg(explanationDocumentPath()),
        tr("You can edit the basic information of an investment with the Edit button in the top group of buttons, "
           "and delete the investment with the Delete button beside it. Data records can be edited and deleted "
           "too. Take care: deleting an investment record deletes all of its Data records as well."),
        tr("To edit or delete a Data record, click Edit or Del Rec in the lower group of buttons, then click the "
           "box next to them; it takes the focus and turns blue. Pick the number of the record you want from the "
           "list that drops down."),
        tr("You can insert a new record within a group of Data records. Click Ins New, then choose from the "
           "drop-down list the record after which the new one is to come, and fill in the form as for any new "
           "record."),
        tr("You can also get a printout of your figures. Print prints one page of the Data Grid at a time, the "
           "page that is on the screen. When an investment has more records than fit on one page, PREVIOUS and "
           "NEXT page links appear to the right of the page number; move to the page you want and click Print "
           "again."),
        dataAndBackupParagraph(),
    };
    for (qsizetype i = 0; i < paragraphs.size(); ++i) {
        if (i > 0)
            text += blank;
        text += paragraph(paragraphs.at(i));
    }

    // The fixed buffer: exactly BufferLength characters.
    if (text.size() > BufferLength)
        text.truncate(BufferLength);
    return text.leftJustified(BufferLength, QLatin1Char(' '));
}

frmInstructions::frmInstructions()
    : QDialog(nullptr, Qt::Dialog | Qt::CustomizeWindowHint | Qt::WindowTitleHint | Qt::WindowSystemMenuHint |
                           Qt::WindowMinimizeButtonHint | Qt::WindowCloseButtonHint | Qt::MSWindowsFixedSizeDialogHint)
{
    setObjectName(QStringLiteral("frmInstructions"));
    setWindowTitle(tr("Plumbline 3.5 Instructions"));
    ui::forms::useLayoutFont(this);
    setFixedSize(ui::twipsSize(6510, 6630));

    txtInstructions = new QPlainTextEdit(this);
    txtInstructions->setObjectName(QStringLiteral("txtInstructions"));
    txtInstructions->setGeometry(ui::twipsRect(120, 120, 6255, 5775));
    txtInstructions->setReadOnly(true);
    // Readable and selectable with the mouse, but Tab never stops here.
    txtInstructions->setFocusPolicy(Qt::ClickFocus);
    txtInstructions->setTabChangesFocus(true);
    txtInstructions->setLineWrapMode(QPlainTextEdit::WidgetWidth);
    txtInstructions->setVerticalScrollBarPolicy(Qt::ScrollBarAlwaysOn);
    txtInstructions->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);

    cmdExit = new QPushButton(tr("E&xit"), this);
    cmdExit->setObjectName(QStringLiteral("cmdExit"));
    cmdExit->setGeometry(ui::twipsRect(2828, 6120, 855, 375));
    cmdExit->setDefault(true);

    connect(cmdExit, &QPushButton::clicked, this, [this] { ui::forms::guard([this] { cmdExit_Click(); }); });
}

void frmInstructions::Form_Load()
{
    ui::forms::centreOnScreen(this);
    show();
    activateWindow();
    txtInstructions->setPlainText(guideText());
    txtInstructions->moveCursor(QTextCursor::Start);
    cmdExit->setFocus();
}

void frmInstructions::cmdExit_Click()
{
    unloadSelf();
    // Back to the main window when it can take input (an entry dialog may have it disabled).
    frmInvestData *main = frmInvestData::instance();
    if (main && main->isVisible() && main->isEnabled())
        main->activateWindow();
}

void frmInstructions::closeEvent(QCloseEvent *event)
{
    if (m_closing) {
        event->accept();
        return;
    }
    event->ignore();
    ui::forms::guard([this] { cmdExit_Click(); });
}

void frmInstructions::reject()
{
    // The window has no Cancel button; Esc does nothing.
}
