// File, Import Records… and a CSV file dropped on the main window: the preview, the columns
// chosen by hand, the question about dates that read both ways, the investment the records
// go to, the refusals that leave both data files alone, and the page the main window shows
// afterwards. Edit, Fill Missing Rates…: the preview and the one write.
#include "editingtesting.h"
#include "filechooserdouble.h"
#include "palettetesting.h"

#include "storage/priceindexstore.h"
#include "ui/import/fillratesdialog.h"
#include "ui/import/importdialog.h"
#include "ui/index/priceindexchoice.h"

#include <QCheckBox>
#include <QComboBox>
#include <QMimeData>
#include <QRadioButton>
#include <QTableView>
#include <QTableWidget>
#include <QUrl>

#include <sys/stat.h>

using namespace edtest;
using ui::import::FillRatesDialog;
using ui::import::ImportRecordsDialog;

namespace {

const QString ImportTitle = QStringLiteral("Import Records");

// Investment 1 holds 14 records (two pages), investment 2 one; their lines interleave.
QStringList exampleHistory()
{
    QStringList lines;
    for (int m = 1; m <= 14; ++m) {
        lines << QStringLiteral("1,#%1-%2-15#,1000,%3,0")
                     .arg(2020 + (m - 1) / 12)
                     .arg((m - 1) % 12 + 1, 2, 10, QLatin1Char('0'))
                     .arg(1000 + m);
        if (m == 3)
            lines << QStringLiteral("2,#2020-03-01#,500,500,0");
    }
    return lines;
}

frmInvestData *startWithExample(testing::AppFixture &app)
{
    app.writeInvestments(
        {{QStringLiteral("Fund A"), QStringLiteral("Bank A")}, {QStringLiteral("Fund B"), QStringLiteral("Bank B")}});
    app.writeHistory(exampleHistory());
    return app.startMainWindow();
}

QString cellText(QAbstractItemView *table, int row, int column)
{
    const QModelIndex index = table->model()->index(row, column);
    return index.isValid() ? index.data().toString() : QStringLiteral("<none>");
}

QStringList rowTexts(QAbstractItemView *table, int row)
{
    QStringList texts;
    for (int c = 0; c < table->model()->columnCount(); ++c)
        texts << cellText(table, row, c);
    return texts;
}

ImportRecordsDialog *importDialog(frmInvestData *w)
{
    auto *dialog = w->findChild<ImportRecordsDialog *>();
    if (dialog && !QTest::qWaitForWindowExposed(dialog))
        return nullptr;
    return dialog;
}

// Picks an item of a combo box as a user does: focus, then the arrow keys.
void pick(QComboBox *box, int index)
{
    box->setFocus();
    while (box->currentIndex() < index)
        QTest::keyClick(box, Qt::Key_Down);
    while (box->currentIndex() > index)
        QTest::keyClick(box, Qt::Key_Up);
}

// A tick box or option button is pressed on its mark, not beside its caption.
void clickMark(QAbstractButton *button)
{
    QVERIFY(button && button->isVisible());
    QTest::mouseClick(button, Qt::LeftButton, Qt::NoModifier, QPoint(6, button->height() / 2));
}

class ImportFixture
{
public:
    QString write(const QString &name, const QByteArray &bytes)
    {
        const QString path = m_dir.filePath(name);
        QFile file(path);
        if (file.open(QIODevice::WriteOnly))
            file.write(bytes);
        return path;
    }
    QString path(const QString &name) const { return m_dir.filePath(name); }

private:
    QTemporaryDir m_dir;
};

} // namespace

class tst_ImportDialog : public QObject
{
    Q_OBJECT

private slots:
    // The whole way through the menu: preview, Import, and the investment's last page.
    void importIntoTheInvestmentShown()
    {
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        QCOMPARE(w->lblPageNum->text(), QStringLiteral("1"));

        // Cancelled in the file chooser: nothing opens.
        menuItem(w, "mnuFileImportRecords")->trigger();
        QCOMPARE(files.captions, QStringList{ImportTitle});
        QVERIFY(!w->findChild<ImportRecordsDialog *>());

        files.answers.enqueue(csv.write(QStringLiteral("bank.csv"),
                                        "Date;Original Amount;Current Amount;Inflation Rate\r\n"
                                        "15.03.2021;1.000,00;(1.010,50);\r\n"
                                        "15.01.2020;1.000;1.001;0\r\n"
                                        "01.06.2020;\"1.000\";1.020,25;1,5\r\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        QVERIFY(dialog->optShown->isChecked());
        QCOMPARE(dialog->optShown->text(), QStringLiteral("The investment shown: Fund A, Bank A"));
        QVERIFY(!dialog->cboDateOrder->isVisible());
        QCOMPARE(dialog->cboColumn[3]->currentText(), QStringLiteral("Column 4: Inflation Rate"));
        QCOMPARE(dialog->tblPreview->model()->rowCount(), 3);
        QCOMPARE(rowTexts(dialog->tblPreview, 0), (QStringList{"2", "3/15/2021", "1000", "-1010.5", "", ""}));
        QCOMPARE(rowTexts(dialog->tblPreview, 1),
                 (QStringList{"3", "1/15/2020", "1000", "1001", "", "already present, left out"}));
        QCOMPARE(rowTexts(dialog->tblPreview, 2), (QStringList{"4", "6/1/2020", "1000", "1020.25", "1.5", ""}));
        QCOMPARE(dialog->lblSummary->text(),
                 QStringLiteral("2 records to import: 1 after the last record, 1 merged by date. 1 row already "
                                "present."));
        palettetest::grabLightAndDark(dialog, QStringLiteral("import-records"));
        QVERIFY(dialog->cmdImport->isEnabled());
        click(dialog->cmdImport);
        EXPECT_NO_BOX(app);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());

        const QStringList lines =
            QString::fromLatin1(app.historyBytes()).split(QStringLiteral("\r\n"), Qt::SkipEmptyParts);
        QCOMPARE(lines.size(), 17);
        QCOMPARE(lines.at(6), QStringLiteral("1,#2020-06-01#,1000,1020.25,1.5")); // before 15 June 2020
        QCOMPARE(lines.last(), QStringLiteral("1,#2021-03-15#,1000,-1010.5,0"));
        // The main window on the investment's last page, with the new last record.
        QTRY_COMPARE(w->lblPageNum->text(), QStringLiteral("2"));
        QVERIFY(w->lblNextPg->isHidden());
        QCOMPARE(w->txtRecordNumber[3]->text(), QStringLiteral("16"));
        QCOMPARE(w->txtDate[3]->text(), QStringLiteral("3/15/2021"));
        QVERIFY(w->txtRecordNumber[4]->text().isEmpty());
    }

    // A row that cannot be read keeps the whole file out; Cancel changes nothing.
    void unreadableRows()
    {
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        const QByteArray invest = app.investBytes();
        const QByteArray history = app.historyBytes();
        files.answers.enqueue(csv.write(QStringLiteral("bad.csv"), "date,original,current\n2021-01-01,1,2\n"
                                                                   "2021-02-30,1,2\n2021-03-01,1,two\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->lblSummary->text(), QStringLiteral("2 of 3 rows cannot be read (lines 3, 4): nothing is "
                                                            "imported until the file is mended."));
        QCOMPARE(cellText(dialog->tblPreview, 1, 5), QStringLiteral("the date \"2021-02-30\" is not a date"));
        QCOMPARE(cellText(dialog->tblPreview, 2, 5), QStringLiteral("the current amount \"two\" is not an amount"));
        QVERIFY(!dialog->cmdImport->isEnabled());
        click(dialog->cmdCancel);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());
        QCOMPARE(app.investBytes(), invest);
        QCOMPARE(app.historyBytes(), history);
    }

    // Every date reads both ways: asked, with one row read both ways; the answer decides,
    // the box in the dialog changes it again; Cancel imports nothing.
    void ambiguousDates_data()
    {
        QTest::addColumn<int>("answer");
        QTest::addColumn<QString>("date");
        QTest::newRow("month first") << int(MsgResult::Yes) << "3/4/2021";
        QTest::newRow("day first") << int(MsgResult::No) << "4/3/2021";
        QTest::newRow("cancel") << int(MsgResult::Cancel) << "";
    }
    void ambiguousDates()
    {
        QFETCH(int, answer);
        QFETCH(QString, date);
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        files.answers.enqueue(
            csv.write(QStringLiteral("slashes.csv"), "Date,Original,Current\n1/1/2021,1,2\n03/04/2021,1,3\n"));
        app.boxes().enqueue(MsgResult(answer));
        menuItem(w, "mnuFileImportRecords")->trigger();
        EXPECT_ONE_BOX(app,
                       QStringLiteral("Every date of this file can be read month first and day first.\r\n\r\n"
                                      "Line 3 holds \"03/04/2021\":\r\nYes: month/day/year, Thursday, March 4, 2021\r\n"
                                      "No: day/month/year, Saturday, April 3, 2021\r\n\r\nAre the dates month first?"),
                       ImportTitle, MsgIcon::Question, MsgButtons::YesNoCancel);
        ImportRecordsDialog *dialog = importDialog(w);
        if (date.isEmpty()) {
            QVERIFY(!dialog);
            return;
        }
        QVERIFY(dialog);
        QVERIFY(dialog->cboDateOrder->isVisible());
        QCOMPARE(cellText(dialog->tblPreview, 1, 1), date);
        pick(dialog->cboDateOrder, 1 - dialog->cboDateOrder->currentIndex());
        QVERIFY(cellText(dialog->tblPreview, 1, 1) != date);
        click(dialog->cmdCancel);
    }

    // Columns no header names are chosen by hand; until then nothing can be imported.
    void columnsByHand()
    {
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        files.answers.enqueue(csv.write(QStringLiteral("named.csv"), "worth,when,paid\n1200,2021-05-05,1000\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->lblSummary->text(),
                 QStringLiteral("Choose the columns that hold the Date, the Original Amount and the Current Amount."));
        QVERIFY(!dialog->cmdImport->isEnabled());
        pick(dialog->cboColumn[0], 2);
        pick(dialog->cboColumn[1], 3);
        QVERIFY(!dialog->cmdImport->isEnabled());
        pick(dialog->cboColumn[2], 1);
        QCOMPARE(rowTexts(dialog->tblPreview, 0), (QStringList{"2", "5/5/2021", "1000", "1200", "", ""}));
        QVERIFY(dialog->cmdImport->isEnabled());
        click(dialog->cmdImport);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());
        QVERIFY(app.historyBytes().endsWith("1,#2021-05-05#,1000,1200,0\r\n"));
    }

    // A new investment: its type is required as in the investment entry dialog; the investment
    // file and the history change together and the main window shows the new investment.
    void intoANewInvestment()
    {
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        files.answers.enqueue(csv.write(QStringLiteral("new.csv"), "date,original,current\n2021-01-01,5,6\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        QVERIFY(!dialog->txtNewType->isEnabled());
        clickMark(dialog->optNew);
        QVERIFY(dialog->optNew->isChecked());
        QVERIFY(dialog->txtNewType->isEnabled());
        QCOMPARE(dialog->txtNewType->maxLength(), 50);
        QCOMPARE(dialog->txtNewInstitution->maxLength(), 50);
        click(dialog->cmdImport);
        EXPECT_ONE_BOX(app, QStringLiteral("Sorry, there is no entry in 'Investment'. You must make an entry."),
                       AppTitle, MsgIcon::Exclamation, MsgButtons::OK);
        QVERIFY(dialog->isVisible());
        typeInto(dialog->txtNewType, QStringLiteral("Gold"));
        typeInto(dialog->txtNewInstitution, QStringLiteral("Vault"));
        click(dialog->cmdImport);
        EXPECT_NO_BOX(app);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());
        QCOMPARE(app.investBytes().size(), 3 * 102);
        QCOMPARE(app.investBytes().mid(204),
                 testing::investRecordBytes(3, QStringLiteral("Gold"), QStringLiteral("Vault")));
        QVERIFY(app.historyBytes().endsWith("3,#2021-01-01#,5,6,0\r\n"));
        QTRY_COMPARE(w->lblInvestRecNum->text(), QStringLiteral("3"));
        QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Gold"));
        QCOMPARE(w->txtDate[0]->text(), QStringLiteral("1/1/2021"));
        QVERIFY(!w->cmdNext->isEnabled());
        // Channel 1 is on the new file: going back and forth still reads it.
        click(w->cmdPrevious);
        QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Fund B"));
        click(w->cmdNext);
        QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Gold"));
    }

    // A write that fails at any step: the standard error box, both data files as they were,
    // the dialog still open, and the main window still reading its investment file.
    void failedWrite_data()
    {
        QTest::addColumn<int>("step");
        QTest::newRow("open") << int(storage::faults::Step::Open);
        QTest::newRow("write") << int(storage::faults::Step::Write);
        QTest::newRow("flush") << int(storage::faults::Step::Flush);
        QTest::newRow("rename") << int(storage::faults::Step::Rename);
    }
    void failedWrite()
    {
        QFETCH(int, step);
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        const QByteArray invest = app.investBytes();
        const QByteArray history = app.historyBytes();
        files.answers.enqueue(csv.write(QStringLiteral("new.csv"), "date,original,current\n2021-01-01,5,6\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        clickMark(dialog->optNew);
        typeInto(dialog->txtNewType, QStringLiteral("Gold"));
        storage::faults::failAt(storage::faults::Step(step), 1);
        click(dialog->cmdImport);
        storage::faults::clear();
        const QList<platform::MessageBoxCall> shown = app.boxes().takeCalls();
        QCOMPARE(shown.size(), 1);
        QVERIFY2(shown.first().text.startsWith(QStringLiteral("Error Number:57\r\n")), qPrintable(shown.first().text));
        QVERIFY(dialog->isVisible());
        QCOMPARE(app.investBytes(), invest);
        QCOMPARE(app.historyBytes(), history);
        click(dialog->cmdCancel);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());
        click(w->cmdNext);
        QCOMPARE(w->txtInvestment->text().trimmed(), QStringLiteral("Fund B"));
        QVERIFY(!w->cmdNext->isEnabled());
    }

    // Refused with a sentence, both data files unchanged.
    void refusedFiles_data()
    {
        QTest::addColumn<QString>("kind");
        QTest::addColumn<QString>("reason");
        QTest::newRow("binary") << "binary"
                                << "The file holds binary data (NUL bytes): it is not a CSV text file.";
        QTest::newRow("not text") << "control"
                                  << "The file holds control characters: it is not a CSV text file.";
        QTest::newRow("over 64 MB") << "large"
                                    << "The file is too large to be imported (more than 64 MB).";
        QTest::newRow("fifo") << "fifo"
                              << "PATH is not a regular file (it is a folder, pipe or device); nothing was read.";
        QTest::newRow("no records") << "empty"
                                    << "The file holds no records.";
    }
    void refusedFiles()
    {
        QFETCH(QString, kind);
        QFETCH(QString, reason);
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        const QByteArray invest = app.investBytes();
        const QByteArray history = app.historyBytes();
        QString path = csv.path(QStringLiteral("refused.csv"));
        if (kind == QLatin1String("fifo")) {
            QCOMPARE(::mkfifo(QFile::encodeName(path).constData(), 0600), 0);
        } else if (kind == QLatin1String("large")) {
            csv.write(QStringLiteral("refused.csv"), "date,original,current\n");
            QVERIFY(QFile::resize(path, 64 * 1024 * 1024 + 1));
        } else {
            csv.write(QStringLiteral("refused.csv"), kind == QLatin1String("binary")    ? QByteArray("date\0x\n", 7)
                                                     : kind == QLatin1String("control") ? QByteArray("date\x02,x\n")
                                                                                        : QByteArray("date,a,b\n"));
        }
        files.answers.enqueue(path);
        menuItem(w, "mnuFileImportRecords")->trigger();
        EXPECT_ONE_BOX(app,
                       QStringLiteral("\"%1\" cannot be imported: %2").arg(path, QString(reason).replace("PATH", path)),
                       ImportTitle, MsgIcon::Exclamation, MsgButtons::OK);
        QVERIFY(!w->findChild<ImportRecordsDialog *>());
        QCOMPARE(app.investBytes(), invest);
        QCOMPARE(app.historyBytes(), history);
    }

    // A file dropped anywhere on the main window, a box included, opens its import; a box
    // never takes the file's address as text.
    void dropOnTheWindow_data()
    {
        QTest::addColumn<QString>("target");
        QTest::newRow("window") << "";
        QTest::newRow("investment box") << "txtInvestment";
        QTest::newRow("grid cell") << "txtDate_2";
    }
    void dropOnTheWindow()
    {
        QFETCH(QString, target);
        testing::AppFixture app;
        ImportFixture csv;
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        const QString path = csv.write(QStringLiteral("dropped.csv"), "date,original,current\n2022-01-01,1,2\n");
        QWidget *on = target.isEmpty() ? static_cast<QWidget *>(w) : w->findChild<QWidget *>(target);
        QVERIFY(on);
        const QString before = w->txtInvestment->text();
        QMimeData data;
        data.setUrls({QUrl::fromLocalFile(path)});
        const QPoint at = on->rect().center();
        QDragEnterEvent enter(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &enter);
        QVERIFY(enter.isAccepted());
        QDropEvent drop(at, Qt::CopyAction, &data, Qt::LeftButton, Qt::NoModifier);
        QCoreApplication::sendEvent(on, &drop);
        QVERIFY(drop.isAccepted());
        QTRY_VERIFY(w->findChild<ImportRecordsDialog *>());
        ImportRecordsDialog *dialog = importDialog(w);
        QCOMPARE(dialog->lblFile->text(), QStringLiteral("File: %1").arg(path));
        QCOMPARE(w->txtInvestment->text(), before);
        click(dialog->cmdCancel);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());

        // Text dragged along is no file: left to the window's own handling.
        QMimeData text;
        text.setText(QStringLiteral("hello"));
        QDragEnterEvent textEnter(at, Qt::CopyAction, &text, Qt::LeftButton, Qt::NoModifier);
        textEnter.setAccepted(false);
        QCoreApplication::sendEvent(w, &textEnter);
        QVERIFY(!textEnter.isAccepted());
    }

    // Edit, Fill Missing Rates…: every record without a rate, the one rate each gets, Apply
    // writes them; records with a rate and the first record stay as they are.
    void fillMissingRates()
    {
        testing::AppFixture app;
        frmInvestData *w = nullptr;
        app.writeInvestments({{QStringLiteral("Fund A"), QStringLiteral("Bank A")}});
        app.writeHistory({QStringLiteral("1,#2010-01-15#,100,100,0"), QStringLiteral("1,#2011-01-15#,0,0,0"),
                          QStringLiteral("1,#2012-01-15#,100,104,3.5"), QStringLiteral("1,#2013-01-15#,100,106,0")});
        ui::index::setCurrentPriceIndexName(QStringLiteral("US-CPI-U"));
        w = app.startMainWindow();
        QVERIFY(w);
        PriceIndex series;
        QString error;
        QVERIFY(storage::loadPriceIndex(QStringLiteral("US-CPI-U"), series, error));
        const QString first = series.rate(QDate(2010, 1, 15), QDate(2011, 1, 15)).text();
        const QString later = series.rate(QDate(2012, 1, 15), QDate(2013, 1, 15)).text();

        menuItem(w, "mnuEditFillRates")->trigger();
        auto *dialog = w->findChild<FillRatesDialog *>();
        QVERIFY(dialog);
        QVERIFY(QTest::qWaitForWindowExposed(dialog));
        QCOMPARE(dialog->lblSummary->text(), QStringLiteral("2 of the 2 records of Fund A, Bank A without a rate get "
                                                            "one from US-CPI-U. Records that have a rate are not "
                                                            "changed."));
        QCOMPARE(dialog->tblRates->rowCount(), 2);
        QCOMPARE(rowTexts(dialog->tblRates, 0),
                 (QStringList{"2", "1/15/2011", "1/15/2010 to 1/15/2011", first + QStringLiteral(" %")}));
        QCOMPARE(rowTexts(dialog->tblRates, 1),
                 (QStringList{"4", "1/15/2013", "1/15/2012 to 1/15/2013", later + QStringLiteral(" %")}));
        palettetest::grabLightAndDark(dialog, QStringLiteral("fill-rates"));
        click(dialog->cmdApply);
        QTRY_VERIFY(!w->findChild<FillRatesDialog *>());
        EXPECT_NO_BOX(app);
        QCOMPARE(QString::fromLatin1(app.historyBytes()),
                 QStringLiteral("1,#2010-01-15#,100,100,0\r\n1,#2011-01-15#,0,0,%1\r\n1,#2012-01-15#,100,104,3.5\r\n"
                                "1,#2013-01-15#,100,106,%2\r\n")
                     .arg(singleToText(first.toFloat()), singleToText(later.toFloat())));
        QCOMPARE(w->txtInflRate[3]->text(), singleToText(later.toFloat()));

        // Nothing left to fill: said, and Apply is off.
        menuItem(w, "mnuEditFillRates")->trigger();
        dialog = w->findChild<FillRatesDialog *>();
        QVERIFY(dialog);
        QCOMPARE(
            dialog->lblSummary->text(),
            QStringLiteral("Every record of Fund A, Bank A after the first has a rate: there is nothing to fill."));
        QVERIFY(!dialog->cmdApply->isEnabled());
        click(dialog->cmdCancel);
    }

    // The tick box of the import fills the rows it brings from the chosen series.
    void importFillsRates()
    {
        testing::AppFixture app;
        testing::ScriptedFileChooser files;
        ImportFixture csv;
        ui::index::setCurrentPriceIndexName(QStringLiteral("US-CPI-U"));
        frmInvestData *w = startWithExample(app);
        QVERIFY(w);
        PriceIndex series;
        QString error;
        QVERIFY(storage::loadPriceIndex(QStringLiteral("US-CPI-U"), series, error));
        const QString rate = singleToText(series.rate(QDate(2021, 2, 15), QDate(2021, 8, 15)).text().toFloat());
        files.answers.enqueue(csv.write(QStringLiteral("rates.csv"), "date,original,current\n2021-08-15,1000,1100\n"));
        menuItem(w, "mnuFileImportRecords")->trigger();
        ImportRecordsDialog *dialog = importDialog(w);
        QVERIFY(dialog);
        QCOMPARE(dialog->chkFillRates->text(), QStringLiteral("&Fill missing rates from US-CPI-U"));
        QCOMPARE(cellText(dialog->tblPreview, 0, 4), QString());
        clickMark(dialog->chkFillRates);
        QVERIFY(dialog->chkFillRates->isChecked());
        QCOMPARE(cellText(dialog->tblPreview, 0, 4), rate + QStringLiteral(" (filled)"));
        QVERIFY(dialog->lblSummary->text().endsWith(QStringLiteral(" 1 of 1 missing rates filled from US-CPI-U.")));
        click(dialog->cmdImport);
        QTRY_VERIFY(!w->findChild<ImportRecordsDialog *>());
        QVERIFY(app.historyBytes().endsWith("1,#2021-08-15#,1000,1100," + rate.toLatin1() + "\r\n"));
    }
};

QTEST_MAIN(tst_ImportDialog)
#include "tst_importdialog.moc"
