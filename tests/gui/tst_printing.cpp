// Printing the page of the grid that is on screen.
#include "appfixture.h"

#include "core/plmainmod.h"
#include "platform/messagebox.h"
#include "platform/pdfprinter.h"
#include "platform/printer.h"
#include "ui/linklabel.h"
#include "ui/main/frminvestdata.h"
#include "ui/maskededit.h"

#include <QDate>
#include <QDir>
#include <QLabel>
#include <QLineEdit>
#include <QProcess>
#include <QPushButton>
#include <QRegularExpression>
#include <QStandardPaths>
#include <QtTest>

using platform::MsgButtons;
using platform::MsgIcon;

namespace {

QString sp(int count)
{
    return QString(count, QLatin1Char(' '));
}

QString padded(const QString &text)
{
    return text.leftJustified(50, QLatin1Char(' '));
}

// Record k of an investment: figures that rise and fall, a deflation in record 15.
QString historyLine(int invest, int k)
{
    const QDate date = QDate(2001, 1, 31).addMonths(k - 1);
    const int original = 10000 * invest;
    const int current = original + 150 * k - (k % 4 == 0 ? 900 : 0);
    QString rate = QString::number(0.3 * (k % 5), 'f', 1);
    if (k == 1)
        rate = QStringLiteral("0");
    if (k == 15)
        rate = QStringLiteral("-1.5");
    return QStringLiteral("%1,#%2#,%3,%4,%5")
        .arg(invest)
        .arg(date.toString(QStringLiteral("yyyy-MM-dd")))
        .arg(original)
        .arg(current)
        .arg(rate);
}

const QStringList Columns = {QStringLiteral("txtRecordNumber"),   QStringLiteral("txtDate"),
                             QStringLiteral("metOriginalAmount"), QStringLiteral("metCurrentAmount"),
                             QStringLiteral("metIncDec"),         QStringLiteral("metProfitLoss"),
                             QStringLiteral("txtInflRate"),       QStringLiteral("metLossToInfl"),
                             QStringLiteral("metCurAmntAFI"),     QStringLiteral("metProfLossAFI")};

QStringList rowTexts(QWidget *w, int row)
{
    QStringList texts;
    for (const QString &column : Columns) {
        auto *cell = w->findChild<QLineEdit *>(QStringLiteral("%1_%2").arg(column).arg(row));
        texts << (cell ? cell->text() : QStringLiteral("<missing>"));
    }
    return texts;
}

QList<QStringList> gridTexts(QWidget *w)
{
    QList<QStringList> rows;
    for (int row = 0; row < frmInvestData::GridRows; ++row)
        rows << rowTexts(w, row);
    return rows;
}

// The printed row for the texts a grid row shows, zone by zone: the record number
// and the rate as numbers (sign blank before, blank after), each value at the next
// zone start right of the previous one.
QString expectedRow(const QStringList &cells)
{
    QString line = QStringLiteral("  ");
    for (int i = 0; i < cells.size(); ++i) {
        if (i > 0) {
            const int next = (int(line.size()) / 14 + 1) * 14;
            line += sp(next - int(line.size()));
        }
        const QString &value = cells.at(i);
        if (i == 0 || i == 6)
            line += (value.startsWith(QLatin1Char('-')) ? QString() : QStringLiteral(" ")) + value + QLatin1Char(' ');
        else
            line += value;
    }
    return line;
}

QString headingLine1()
{
    return sp(28) + QStringLiteral("Original") + sp(6) + QStringLiteral("Current") + sp(21) +
           QStringLiteral("Profit/") + sp(7) + QStringLiteral("Inflation") + sp(5) + QStringLiteral("Loss To") + sp(7) +
           QStringLiteral("Current") + sp(7) + QStringLiteral("Profit/");
}

QString headingLine2()
{
    return QStringLiteral("  Record") + sp(6) + QStringLiteral("Date") + sp(10) + QStringLiteral("Amount") + sp(8) +
           QStringLiteral("Amount") + sp(8) + QStringLiteral("Inc/Dec") + sp(7) + QStringLiteral("Loss") + sp(10) +
           QStringLiteral("Rate (%)") + sp(6) + QStringLiteral("Inflation") + sp(5) + QStringLiteral("Amnt AFI") +
           sp(6) + QStringLiteral("Loss AFI");
}

QStringList expectedHeadings(int invest, const QString &type, const QString &institution)
{
    return {QString(),
            QString(),
            sp(14) + QStringLiteral("Investment Record  %1 :  ").arg(invest) + padded(type) + QStringLiteral("  ") +
                padded(institution),
            QString(),
            headingLine1(),
            headingLine2(),
            QString()};
}

void click(QWidget *widget)
{
    QVERIFY(widget);
    QVERIFY(widget->isVisible());
    QTest::mouseClick(widget, Qt::LeftButton, Qt::NoModifier, widget->rect().center());
    QCoreApplication::processEvents();
}

struct PrintFixture
{
    testing::AppFixture app;
    frmInvestData *main = nullptr;

    PrintFixture()
    {
        app.writeInvestments({{QStringLiteral("Mutual fund"), QStringLiteral("First Bank")},
                              {QStringLiteral("Savings account"), QStringLiteral("Credit Union")},
                              {QStringLiteral("Land"), QStringLiteral("")}});
        QStringList lines;
        for (int k = 1; k <= 30; ++k) {
            lines << historyLine(1, k);
            if (k == 10)
                lines << QStringLiteral("3,#2001-05-01#,123456789012,123456789013.5,2");
        }
        app.writeHistory(lines);
        main = app.startMainWindow();
    }

    ui::LinkLabel *nextLink() { return main->findChild<ui::LinkLabel *>(QStringLiteral("lblNextPg")); }
    ui::LinkLabel *previousLink() { return main->findChild<ui::LinkLabel *>(QStringLiteral("lblPreviousPg")); }
};

} // namespace

class tst_printing : public QObject
{
    Q_OBJECT

private slots:
    void pageTwoOfThirtyRecords();
    void lastPagePrintsItsRows();
    void investmentWithoutRecords();
    void wideAmountPushesTheRowOn();
    void cancelPrintsNothing();
    void realPrintToPdf();
};

void tst_printing::pageTwoOfThirtyRecords()
{
    PrintFixture f;
    QVERIFY(f.main);
    // Page 3 first, so its figures can be compared after the print.
    click(f.nextLink());
    click(f.nextLink());
    QCOMPARE(f.main->lblPageNum->text(), QStringLiteral("3"));
    const QList<QStringList> pageThree = gridTexts(f.main);
    click(f.previousLink());
    QCOMPARE(f.main->lblPageNum->text(), QStringLiteral("2"));
    const QList<QStringList> pageTwo = gridTexts(f.main);
    QCOMPARE(pageTwo.first().first(), QStringLiteral("13"));
    QCOMPARE(pageTwo.last().first(), QStringLiteral("24"));

    click(f.main->cmdPrint);
    QVERIFY(f.app.boxes().calls().isEmpty());
    QCOMPARE(f.app.printer().dialogTitles(), QStringList{QStringLiteral("Print Investment Data History")});
    QCOMPARE(f.app.printer().dialogParents().value(0), f.main);
    QCOMPARE(f.app.printer().documents().size(), 1);
    const QStringList doc = f.app.printer().documents().first();

    QStringList expected = expectedHeadings(1, QStringLiteral("Mutual fund"), QStringLiteral("First Bank"));
    for (const QStringList &row : pageTwo)
        expected << expectedRow(row);
    expected << QString() << QStringLiteral("  Pg 2");
    QCOMPARE(doc.size(), expected.size());
    for (int i = 0; i < expected.size(); ++i)
        QCOMPARE(doc.at(i), expected.at(i));

    // Zones: every value of a row starts at its zone, numbers behind their sign blank.
    const QString row15 = doc.at(7 + 2);
    QCOMPARE(row15.left(6), QStringLiteral("   15 "));
    QCOMPARE(row15.mid(14, 10), QStringLiteral("3/31/2002 "));
    QVERIFY(row15.mid(28).startsWith(QLatin1Char('$')));
    QCOMPARE(row15.mid(84, 5), QStringLiteral("-1.5 "));
    QCOMPARE(doc.at(7).mid(84, 5), QStringLiteral(" 0.9 "));
    // A decrease in the regional negative form.
    const QString row16 = doc.at(7 + 3);
    QVERIFY2(row16.mid(56, 14).trimmed().startsWith(QLatin1String("($")), qPrintable(row16));

    QVERIFY(!modPlMainMod::blnPrintMode);
    // The grid shows the same page with the same links.
    QCOMPARE(gridTexts(f.main), pageTwo);
    QCOMPARE(f.main->lblPageNum->text(), QStringLiteral("2"));
    QVERIFY(f.nextLink()->isVisible());
    QVERIFY(f.previousLink()->isVisible());
    // And goes on from there with the same figures.
    click(f.nextLink());
    QCOMPARE(gridTexts(f.main), pageThree);
    click(f.previousLink());
    QCOMPARE(gridTexts(f.main), pageTwo);
    QVERIFY(f.app.boxes().calls().isEmpty());
}

void tst_printing::lastPagePrintsItsRows()
{
    PrintFixture f;
    QVERIFY(f.main);
    click(f.nextLink());
    click(f.nextLink());
    const QList<QStringList> pageThree = gridTexts(f.main);
    click(f.main->cmdPrint);
    QCOMPARE(f.app.printer().documents().size(), 1);
    const QStringList doc = f.app.printer().documents().first();
    QCOMPARE(doc.size(), 7 + 6 + 2);
    for (int i = 0; i < 6; ++i)
        QCOMPARE(doc.at(7 + i), expectedRow(pageThree.at(i)));
    QCOMPARE(doc.last(), QStringLiteral("  Pg 3"));
    QCOMPARE(gridTexts(f.main), pageThree);
    QVERIFY(!f.nextLink()->isVisible());
    QVERIFY(f.previousLink()->isVisible());

    // Printed twice, the same page comes out twice.
    click(f.main->cmdPrint);
    QCOMPARE(f.app.printer().documents().size(), 2);
    QCOMPARE(f.app.printer().documents().at(1), doc);
}

void tst_printing::investmentWithoutRecords()
{
    PrintFixture f;
    QVERIFY(f.main);
    click(f.main->cmdNext);
    QCOMPARE(f.main->txtInvestment->text(), padded(QStringLiteral("Savings account")));
    QVERIFY(f.main->cmdPrint->isEnabled());
    click(f.main->cmdPrint);
    QCOMPARE(f.app.printer().documents().size(), 1);
    QStringList expected = expectedHeadings(2, QStringLiteral("Savings account"), QStringLiteral("Credit Union"));
    expected << QString() << QStringLiteral("  Pg 1");
    QCOMPARE(f.app.printer().documents().first(), expected);
    QVERIFY(!modPlMainMod::blnPrintMode);
    QVERIFY(f.app.boxes().calls().isEmpty());
}

void tst_printing::wideAmountPushesTheRowOn()
{
    PrintFixture f;
    QVERIFY(f.main);
    click(f.main->cmdLast);
    const QStringList row = rowTexts(f.main, 0);
    QCOMPARE(row.at(2), QStringLiteral("$123,456,789,012.00"));
    click(f.main->cmdPrint);
    const QStringList doc = f.app.printer().documents().value(0);
    QCOMPARE(doc.size(), 7 + 1 + 2);
    QCOMPARE(doc.at(2), sp(14) + QStringLiteral("Investment Record  3 :  ") + padded(QStringLiteral("Land")) +
                            QStringLiteral("  ") + padded(QString()));
    const QString printed = doc.at(7);
    QCOMPARE(printed, expectedRow(row));
    // The 19 characters of the original amount fill zone 3 and part of zone 4, so the
    // current amount starts in zone 5.
    QCOMPARE(printed.mid(28, 19), QStringLiteral("$123,456,789,012.00"));
    QCOMPARE(printed.mid(47, 9), sp(9));
    QCOMPARE(printed.mid(56, 19), QStringLiteral("$123,456,789,013.50"));
}

void tst_printing::cancelPrintsNothing()
{
    PrintFixture f;
    QVERIFY(f.main);
    click(f.nextLink());
    const QList<QStringList> before = gridTexts(f.main);
    const int histCounter = modPlMainMod::intHistCounter;
    const int rowNum = modPlMainMod::intRowNum;
    const int firstToShow = modPlMainMod::intFirstRecToShow;
    f.app.printer().setDialogAnswer(false);
    click(f.main->cmdPrint);

    QCOMPARE(f.app.boxes().calls().size(), 1);
    const platform::MessageBoxCall box = f.app.boxes().lastCall();
    QCOMPARE(box.text, QStringLiteral("Printout has been canceled"));
    QCOMPARE(box.icon, MsgIcon::Exclamation);
    QCOMPARE(box.buttons, MsgButtons::OK);
    QCOMPARE(box.title, platform::AppTitle);
    QVERIFY(f.app.printer().documents().isEmpty());
    QVERIFY(f.app.printer().currentLines().isEmpty());
    QCOMPARE(int(modPlMainMod::intHistCounter), histCounter);
    QCOMPARE(int(modPlMainMod::intRowNum), rowNum);
    QCOMPARE(int(modPlMainMod::intFirstRecToShow), firstToShow);
    QVERIFY(!modPlMainMod::blnPrintMode);
    QCOMPARE(gridTexts(f.main), before);
    QCOMPARE(f.main->lblPageNum->text(), QStringLiteral("2"));

    // The next print goes through.
    f.app.printer().setDialogAnswer(true);
    click(f.main->cmdPrint);
    QCOMPARE(f.app.printer().documents().size(), 1);
    QCOMPARE(f.app.printer().documents().first().at(7), expectedRow(before.first()));
}

void tst_printing::realPrintToPdf()
{
    if (QStandardPaths::findExecutable(QStringLiteral("pdftotext")).isEmpty())
        QSKIP("pdftotext is not installed");
    PrintFixture f;
    QVERIFY(f.main);
    click(f.nextLink());
    const QList<QStringList> pageTwo = gridTexts(f.main);

    QTemporaryDir out;
    QVERIFY(out.isValid());
    const QString pdfPath = out.filePath(QStringLiteral("page.pdf"));
    platform::PdfPrinter pdf(pdfPath);
    platform::Printer::setInstance(&pdf);
    click(f.main->cmdPrint);
    platform::Printer::setInstance(&f.app.printer());

    QVERIFY(f.app.boxes().calls().isEmpty());
    QCOMPARE(pdf.lastTitle(), QStringLiteral("Print Investment Data History"));
    QCOMPARE(pdf.pagesWritten(), 1);
    QVERIFY(QFileInfo(pdfPath).size() > 0);

    QProcess extract;
    extract.start(QStringLiteral("pdftotext"), {QStringLiteral("-layout"), pdfPath, QStringLiteral("-")});
    QVERIFY(extract.waitForFinished(30000));
    QCOMPARE(extract.exitCode(), 0);
    const QStringList text = QString::fromUtf8(extract.readAllStandardOutput()).split(QLatin1Char('\n'));

    // The investment line, the headings and the page line are there.
    const auto find = [&text](const QString &pattern) {
        const QRegularExpression re(pattern);
        for (int i = 0; i < text.size(); ++i) {
            if (re.match(text.at(i)).hasMatch())
                return i;
        }
        return -1;
    };
    QVERIFY(find(QStringLiteral("Investment Record +1 +: +Mutual fund +First Bank")) >= 0);
    const int heading = find(QStringLiteral("^ *Record +Date +Amount +Amount +Inc/Dec +Loss +Rate \\(%\\) +"
                                            "Inflation +Amnt AFI +Loss AFI"));
    QVERIFY(heading >= 0);
    QVERIFY(find(QStringLiteral("^ *Pg 2 *$")) > heading);

    // Each row: the values as on screen, lined up under their headings (the font has
    // a fixed pitch, so the columns of the text are those of the zones).
    const QString headingText = text.at(heading);
    const int dateColumn = int(headingText.indexOf(QLatin1String("Date")));
    const int rateColumn = int(headingText.indexOf(QLatin1String("Rate (%)")));
    for (const QStringList &row : pageTwo) {
        const int at = find(QStringLiteral("^ *%1 +").arg(row.first()));
        QVERIFY2(at > heading, qPrintable(row.first()));
        const QString line = text.at(at);
        // Fields are runs of text separated by two blanks or more; where each begins.
        QStringList fields;
        QList<int> starts;
        QRegularExpressionMatchIterator it = QRegularExpression(QStringLiteral("\\S+(?: \\S+)*")).globalMatch(line);
        while (it.hasNext()) {
            const QRegularExpressionMatch m = it.next();
            fields << m.captured();
            starts << int(m.capturedStart());
        }
        QCOMPARE(fields, row);
        QCOMPARE(starts.at(1), dateColumn);
        QCOMPARE(starts.at(6), rateColumn + (row.at(6).startsWith(QLatin1Char('-')) ? 0 : 1));
    }

    const QString shots = qEnvironmentVariable("PLUMBLINE_SCREENSHOTS_DIR");
    if (!shots.isEmpty() && !QStandardPaths::findExecutable(QStringLiteral("pdftoppm")).isEmpty()) {
        QProcess render;
        render.start(QStringLiteral("pdftoppm"),
                     {QStringLiteral("-png"), QStringLiteral("-r"), QStringLiteral("100"),
                      QStringLiteral("-singlefile"), pdfPath, QDir(shots).filePath(QStringLiteral("printed_page"))});
        QVERIFY(render.waitForFinished(30000));
    }
}

QTEST_MAIN(tst_printing)
#include "tst_printing.moc"
