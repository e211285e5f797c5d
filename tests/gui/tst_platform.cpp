#include "core/runtimeerror.h"
#include "platform/clipboard.h"
#include "platform/locale.h"
#include "platform/messagebox.h"
#include "platform/printer.h"
#include "platform/settingsstore.h"

#include "platformdoubles.h"
#include "storage/datafolder.h"
#include "tempdatafolder.h"

#include <QAbstractButton>
#include <QApplication>
#include <QDate>
#include <QFile>
#include <QMessageBox>
#include <QPageLayout>
#include <QPageSize>
#include <QPrinter>
#include <QPushButton>
#include <QSettings>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTimer>
#include <QtTest>

using platform::LocaleServices;
using platform::MessageBoxCall;
using platform::MsgButtons;
using platform::MsgIcon;
using platform::MsgResult;

Q_DECLARE_METATYPE(MsgButtons)
Q_DECLARE_METATYPE(MsgIcon)
Q_DECLARE_METATYPE(MsgResult)

namespace {

QString blanks(int count)
{
    return QString(count, QLatin1Char(' '));
}

// Runs a small script of PrintLine steps separated by "|": "T:text", "N:123" (number),
// "S:1.50" (formatted number), "Z" (next zone), "z:3" (zone 3), "C:20" (column 20).
QString runPrintScript(const QString &script)
{
    platform::PrintLine line;
    const QStringList steps = script.split(QLatin1Char('|'));
    for (const QString &step : steps) {
        const QString argument = step.mid(2);
        if (step.startsWith(QLatin1String("T:")))
            line.text(argument);
        else if (step.startsWith(QLatin1String("N:")))
            line.number(argument.toLongLong());
        else if (step.startsWith(QLatin1String("S:")))
            line.number(argument);
        else if (step == QLatin1String("Z"))
            line.nextZone();
        else if (step.startsWith(QLatin1String("z:")))
            line.zone(argument.toInt());
        else if (step.startsWith(QLatin1String("C:")))
            line.column(argument.toInt());
        else
            qFatal("unknown print step");
    }
    return line.line();
}

// Fixes the program locale for one test function.
class LocaleScope
{
public:
    explicit LocaleScope(const QString &name) { LocaleServices::setLocale(QLocale(name)); }
    ~LocaleScope() { LocaleServices::resetLocale(); }
};

} // namespace

class TestPlatform : public QObject
{
    Q_OBJECT

private slots:
    void printLine_data();
    void printLine();
    void printLineColumnsAfterZones();

    void standardErrorBox_data();
    void standardErrorBox();
    void scriptedAnswers();
    void unscriptedQuestion();
    void systemMessageBox_data();
    void systemMessageBox();

    void doublesRestore();
    void settingsStoreRoundTrip();
    void memorySettings();
    void clipboard();
    void recordingPrinter();
    void renderDocument();
    void tempDataFolder();
};

// ---- PrintLine -----------------------------------------------------------

void TestPlatform::printLine_data()
{
    QTest::addColumn<QString>("script");
    QTest::addColumn<QString>("expected");

    QTest::newRow("plain text") << "T:abc"
                                << "abc";
    QTest::newRow("lead-in zone") << "Z|T:X" << blanks(14) + "X";
    QTest::newRow("two lead-in zones") << "Z|Z|T:X" << blanks(28) + "X";
    QTest::newRow("second zone") << "T:ab|Z|T:cd"
                                 << "ab" + blanks(12) + "cd";
    QTest::newRow("value one short of its zone") << "T:ABCDEFGHIJKLM|Z|T:x"
                                                 << "ABCDEFGHIJKLM" + blanks(1) + "x";
    QTest::newRow("value exactly as wide as its zone") << "T:ABCDEFGHIJKLMN|Z|T:x"
                                                       << "ABCDEFGHIJKLMN" + blanks(14) + "x";
    QTest::newRow("wider value pushes one zone further") << "T:ABCDEFGHIJKLMNOP|Z|T:x"
                                                         << "ABCDEFGHIJKLMNOP" + blanks(12) + "x";
    QTest::newRow("positive number") << "N:5"
                                     << " 5 ";
    QTest::newRow("negative number") << "N:-5"
                                     << "-5 ";
    QTest::newRow("numbers in zones") << "N:12|Z|N:345|Z|N:-7"
                                      << " 12 " + blanks(10) + " 345 " + blanks(9) + "-7 ";
    QTest::newRow("formatted numbers") << "S:1.5|S:-2|S:$3.00"
                                       << " 1.5 -2  $3.00 ";
    QTest::newRow("zone 3 from the start") << "z:3|T:x" << blanks(28) + "x";
    QTest::newRow("zone 1 on an empty line") << "z:1|T:x"
                                             << "x";
    QTest::newRow("at the zone start already") << "T:ABCDEFGHIJKLMN|z:2|T:x"
                                               << "ABCDEFGHIJKLMNx";
    QTest::newRow("zone passed goes to the next") << "T:ABCDEFGHIJKLMNOPQRST|z:2|T:x"
                                                  << "ABCDEFGHIJKLMNOPQRST" + blanks(8) + "x";
    QTest::newRow("column") << "T:ab|C:10|T:x"
                            << "ab" + blanks(7) + "x";
    QTest::newRow("column passed stays") << "T:abcdef|C:3|T:x"
                                         << "abcdefx";
    QTest::newRow("column at the position") << "T:ab|C:3|T:x"
                                            << "abx";
}

void TestPlatform::printLine()
{
    QFETCH(QString, script);
    QFETCH(QString, expected);
    QCOMPARE(runPrintScript(script), expected);
}

void TestPlatform::printLineColumnsAfterZones()
{
    // A report line: label, then amounts in zones 2 to 4, then a note at column 60.
    platform::PrintLine line;
    line.text(QStringLiteral("Stock A")).nextZone().number(100).nextZone().number(QStringLiteral("-2.5"));
    line.zone(4).text(QStringLiteral("end")).column(60).text(QStringLiteral("note"));
    const QString text = line.line();
    QCOMPARE(text.indexOf(QLatin1String(" 100 ")), 14);
    QCOMPARE(text.indexOf(QLatin1String("-2.5 ")), 28);
    QCOMPARE(text.indexOf(QLatin1String("end")), 42);
    QCOMPARE(text.indexOf(QLatin1String("note")), 59);
    QCOMPARE(text.size(), 63);
}

// ---- Formats -------------------------------------------------------------

void TestPlatform::standardErrorBox_data()
{
    QTest::addColumn<int>("number");
    QTest::addColumn<QString>("description");
    QTest::addColumn<QString>("expected");

    QTest::newRow("file not found") << 53 << "File not found"
                                    << "Error Number:53\r\nFile not found";
    QTest::newRow("disk not ready") << 71 << "Disk not ready"
                                    << "Error Number:71\r\nDisk not ready";
    QTest::newRow("own description") << 6 << "Overflow"
                                     << "Error Number:6\r\nOverflow";
}

void TestPlatform::standardErrorBox()
{
    QFETCH(int, number);
    QFETCH(QString, description);
    QFETCH(QString, expected);
    testing::PlatformDoubles doubles;

    platform::showStandardError(number, description);
    platform::showStandardError(RuntimeError(number));
    const QList<MessageBoxCall> calls = doubles.boxes.takeCalls();
    QCOMPARE(calls.size(), 2);
    for (const MessageBoxCall &call : calls) {
        QCOMPARE(call.text, expected);
        QCOMPARE(call.title, QStringLiteral("Plumbline 3.5"));
        QCOMPARE(call.icon, MsgIcon::None);
        QCOMPARE(call.buttons, MsgButtons::OK);
    }
    QVERIFY(!doubles.boxes.unexpectedQuestion());
}

void TestPlatform::scriptedAnswers()
{
    testing::PlatformDoubles doubles;
    doubles.boxes.enqueue(MsgResult::Yes);
    doubles.boxes.enqueue(MsgResult::Cancel);

    QCOMPARE(platform::msgBox(QStringLiteral("Saved."), MsgIcon::Information), MsgResult::OK);
    QCOMPARE(
        platform::msgBox(QStringLiteral("Delete?"), MsgIcon::Question, MsgButtons::YesNo, QStringLiteral("Delete")),
        MsgResult::Yes);
    QCOMPARE(platform::msgBox(QStringLiteral("Continue?"), MsgIcon::Exclamation, MsgButtons::OKCancel),
             MsgResult::Cancel);
    QCOMPARE(doubles.boxes.pendingAnswers(), 0);
    QVERIFY(!doubles.boxes.unexpectedQuestion());
    QVERIFY(!doubles.boxes.answerMismatch());

    QCOMPARE(doubles.boxes.calls().size(), 3);
    const MessageBoxCall first = doubles.boxes.calls().at(0);
    QCOMPARE(first.title, QStringLiteral("Plumbline 3.5"));
    QCOMPARE(first.icon, MsgIcon::Information);
    const MessageBoxCall second = doubles.boxes.calls().at(1);
    QCOMPARE(second.text, QStringLiteral("Delete?"));
    QCOMPARE(second.title, QStringLiteral("Delete"));
    QCOMPARE(second.buttons, MsgButtons::YesNo);
    QCOMPARE(doubles.boxes.lastCall().icon, MsgIcon::Exclamation);
    QCOMPARE(doubles.boxes.texts(), QStringList({"Saved.", "Delete?", "Continue?"}));
}

void TestPlatform::unscriptedQuestion()
{
    testing::PlatformDoubles doubles;
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("no answer queued"));
    QCOMPARE(platform::msgBox(QStringLiteral("Really?"), MsgIcon::Question, MsgButtons::YesNo), MsgResult::No);
    QVERIFY(doubles.boxes.unexpectedQuestion());

    doubles.boxes.clear();
    doubles.boxes.enqueue(MsgResult::Yes);
    QTest::ignoreMessage(QtWarningMsg, QRegularExpression("not a button"));
    platform::msgBox(QStringLiteral("Go on?"), MsgIcon::None, MsgButtons::OKCancel);
    QVERIFY(doubles.boxes.answerMismatch());
}

void TestPlatform::systemMessageBox_data()
{
    QTest::addColumn<MsgButtons>("buttons");
    QTest::addColumn<MsgIcon>("icon");
    QTest::addColumn<QString>("title");
    QTest::addColumn<QString>("press"); // a button, "Return" (default button) or "Escape"
    QTest::addColumn<MsgResult>("expected");
    QTest::addColumn<int>("qtIcon");
    QTest::addColumn<int>("buttonCount");

    QTest::newRow("OK by Return") << MsgButtons::OK << MsgIcon::None << ""
                                  << "Return" << MsgResult::OK << int(QMessageBox::NoIcon) << 1;
    QTest::newRow("Yes is default") << MsgButtons::YesNo << MsgIcon::Question << "Confirm"
                                    << "Return" << MsgResult::Yes << int(QMessageBox::Question) << 2;
    QTest::newRow("No") << MsgButtons::YesNo << MsgIcon::Exclamation << ""
                        << "No" << MsgResult::No << int(QMessageBox::Warning) << 2;
    QTest::newRow("OK is default of OK/Cancel") << MsgButtons::OKCancel << MsgIcon::Information << ""
                                                << "Return" << MsgResult::OK << int(QMessageBox::Information) << 2;
    QTest::newRow("Escape cancels") << MsgButtons::OKCancel << MsgIcon::Critical << ""
                                    << "Escape" << MsgResult::Cancel << int(QMessageBox::Critical) << 2;
    QTest::newRow("Cancel of three") << MsgButtons::YesNoCancel << MsgIcon::Question << ""
                                     << "Cancel" << MsgResult::Cancel << int(QMessageBox::Question) << 3;
    QTest::newRow("Yes of three") << MsgButtons::YesNoCancel << MsgIcon::Question << ""
                                  << "Yes" << MsgResult::Yes << int(QMessageBox::Question) << 3;
}

void TestPlatform::systemMessageBox()
{
    QFETCH(MsgButtons, buttons);
    QFETCH(MsgIcon, icon);
    QFETCH(QString, title);
    QFETCH(QString, press);
    QFETCH(MsgResult, expected);
    QFETCH(int, qtIcon);
    QFETCH(int, buttonCount);

    platform::MessageBoxes::setInstance(nullptr);
    QString seenTitle;
    QString seenText;
    int seenIcon = -1;
    int seenButtons = 0;
    int polls = 0;
    QTimer timer;
    timer.setInterval(10);
    connect(&timer, &QTimer::timeout, this, [&] {
        auto *box = qobject_cast<QMessageBox *>(QApplication::activeModalWidget());
        if (!box) {
            // Safety net: never leave a box open if it did not become the modal widget.
            if (++polls > 500) {
                timer.stop();
                const QWidgetList widgets = QApplication::topLevelWidgets();
                for (QWidget *widget : widgets) {
                    if (auto *stray = qobject_cast<QMessageBox *>(widget))
                        stray->reject();
                }
            }
            return;
        }
        timer.stop();
        seenTitle = box->windowTitle();
        seenText = box->text();
        seenIcon = int(box->icon());
        seenButtons = int(box->buttons().size());
        if (press == QLatin1String("Return"))
            QTest::keyClick(box, Qt::Key_Return);
        else if (press == QLatin1String("Escape"))
            QTest::keyClick(box, Qt::Key_Escape);
        else {
            const QList<QAbstractButton *> candidates = box->buttons();
            for (QAbstractButton *button : candidates) {
                if (button->text().remove(QLatin1Char('&')) == press) {
                    button->click();
                    break;
                }
            }
        }
    });
    timer.start();
    const MsgResult result = platform::msgBox(QStringLiteral("Line one\r\nLine two"), icon, buttons, title);

    QCOMPARE(result, expected);
    QCOMPARE(seenTitle, title.isEmpty() ? platform::AppTitle : title);
    QCOMPARE(seenText, QStringLiteral("Line one\nLine two"));
    QCOMPARE(seenIcon, qtIcon);
    QCOMPARE(seenButtons, buttonCount);
}

// ---- Doubles, settings, clipboard, printer -------------------------------

void TestPlatform::doublesRestore()
{
    platform::MessageBoxes *boxes = &platform::MessageBoxes::instance();
    platform::Printer *printer = &platform::Printer::instance();
    LocaleServices::setLocale(QLocale(QStringLiteral("de_DE")));
    {
        testing::PlatformDoubles doubles;
        QCOMPARE(&platform::MessageBoxes::instance(), &doubles.boxes);
        QCOMPARE(&platform::Clipboard::instance(), &doubles.clipboard);
        QCOMPARE(&platform::SettingsStore::instance(), &doubles.settings);
        QCOMPARE(&platform::Printer::instance(), &doubles.printer);
        QCOMPARE(LocaleServices::locale(), QLocale(QLocale::English, QLocale::UnitedStates));
        QCOMPARE(LocaleServices::shortDate(Date::fromYmd(2003, 1, 15)), QStringLiteral("1/15/2003"));
    }
    QCOMPARE(&platform::MessageBoxes::instance(), boxes);
    QCOMPARE(&platform::Printer::instance(), printer);
    QCOMPARE(LocaleServices::locale(), QLocale(QStringLiteral("de_DE")));
    LocaleServices::resetLocale();
    {
        testing::PlatformDoubles doubles;
    }
    QVERIFY(!LocaleServices::isLocaleFixed());
}

void TestPlatform::settingsStoreRoundTrip()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    QSettings::setPath(QSettings::IniFormat, QSettings::UserScope, dir.path());
    platform::SettingsStore::setInstance(nullptr);
    platform::SettingsStore &store = platform::SettingsStore::instance();

    const QString app = QStringLiteral("PLUMBLINE");
    QCOMPARE(store.getSetting(app, QStringLiteral("Options"), QStringLiteral("Missing"), QStringLiteral("dflt")),
             QStringLiteral("dflt"));
    store.saveSetting(app, QStringLiteral("Options"), QStringLiteral("LastFile"), QStringLiteral("C:\\Data\\a b.txt"));
    store.saveSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QStringLiteral("1200"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Options"), QStringLiteral("LastFile"), QString()),
             QStringLiteral("C:\\Data\\a b.txt"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QString()), QStringLiteral("1200"));
    store.saveSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QStringLiteral("0"));
    QCOMPARE(store.getSetting(app, QStringLiteral("Window"), QStringLiteral("Top"), QString()), QStringLiteral("0"));

    const QString file = dir.filePath(QStringLiteral("PLUMBLINE/PLUMBLINE.ini"));
    QVERIFY2(QFile::exists(file), qPrintable(file));
    QFile ini(file);
    QVERIFY(ini.open(QIODevice::ReadOnly));
    const QByteArray bytes = ini.readAll();
    QVERIFY(bytes.contains("[Options]"));
    QVERIFY(bytes.contains("[Window]"));
    QVERIFY(bytes.contains("Top=0"));
}

void TestPlatform::memorySettings()
{
    testing::PlatformDoubles doubles;
    platform::SettingsStore &store = platform::SettingsStore::instance();
    store.saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K"), QStringLiteral("v"));
    QCOMPARE(store.getSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K"), QString()),
             QStringLiteral("v"));
    QCOMPARE(
        store.getSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("X"), QStringLiteral("d")),
        QStringLiteral("d"));
    QVERIFY(doubles.settings.contains(QStringLiteral("PLUMBLINE"), QStringLiteral("S"), QStringLiteral("K")));
    QCOMPARE(doubles.settings.values().value(QStringLiteral("PLUMBLINE/S/K")), QStringLiteral("v"));
    QCOMPARE(doubles.settings.saveCount(), 1);
}

void TestPlatform::clipboard()
{
    {
        testing::PlatformDoubles doubles;
        platform::Clipboard::instance().setText(QStringLiteral("copied"));
        QCOMPARE(doubles.clipboard.text(), QStringLiteral("copied"));
        QCOMPARE(platform::Clipboard::instance().text(), QStringLiteral("copied"));
        QCOMPARE(doubles.clipboard.setCount(), 1);
    }
    platform::Clipboard::setInstance(nullptr);
    platform::Clipboard::instance().setText(QStringLiteral("system 1,234.50"));
    QCOMPARE(platform::Clipboard::instance().text(), QStringLiteral("system 1,234.50"));
}

void TestPlatform::recordingPrinter()
{
    testing::PlatformDoubles doubles;
    platform::Printer &printer = platform::Printer::instance();
    doubles.printer.setDialogAnswer(false);
    QVERIFY(!printer.showPrintDialog(QStringLiteral("Print Investments"), nullptr));
    doubles.printer.setDialogAnswer(true);
    QVERIFY(printer.showPrintDialog(QStringLiteral("Print History"), nullptr));
    QCOMPARE(doubles.printer.dialogTitles(), QStringList({"Print Investments", "Print History"}));

    printer.printLine(QStringLiteral("dropped"));
    printer.killDoc();
    printer.printLine(platform::PrintLine().text(QStringLiteral("A")).nextZone().number(5).line());
    printer.printLine(QString());
    printer.endDoc();
    QCOMPARE(doubles.printer.killedCount(), 1);
    QCOMPARE(doubles.printer.documents().size(), 1);
    QCOMPARE(doubles.printer.documents().first(), QStringList({"A" + blanks(13) + " 5 ", QString()}));
    QVERIFY(doubles.printer.currentLines().isEmpty());
}

void TestPlatform::renderDocument()
{
    QTemporaryDir dir;
    QVERIFY(dir.isValid());
    const QString pdf = dir.filePath(QStringLiteral("out.pdf"));
    QPrinter printer(QPrinter::HighResolution);
    printer.setOutputFormat(QPrinter::PdfFormat);
    printer.setOutputFileName(pdf);
    printer.setPageSize(QPageSize(QPageSize::Letter));
    printer.setPageOrientation(QPageLayout::Portrait);

    const QFont font = platform::printFont(printer);
    QVERIFY(font.fixedPitch() || QFontInfo(font).fixedPitch());
    QVERIFY(font.pointSizeF() <= 9.0 && font.pointSizeF() >= 4.0);
    const QFontMetricsF metrics(font, &printer);
    QVERIFY(metrics.horizontalAdvance(QString(platform::PrintColumns, QLatin1Char('0'))) <= printer.width());

    QStringList lines;
    for (int i = 1; i <= 200; ++i)
        lines.append(platform::PrintLine().text(QStringLiteral("Line %1").arg(i)).zone(10).number(i).line());
    const int linesPerPage = int(printer.height() / metrics.lineSpacing());
    const int pages = platform::renderDocument(printer, lines);
    QCOMPARE(pages, (200 + linesPerPage - 1) / linesPerPage);
    QVERIFY(pages >= 2);
    QFile file(pdf);
    QVERIFY(file.open(QIODevice::ReadOnly));
    QVERIFY(file.read(5) == "%PDF-");
}

void TestPlatform::tempDataFolder()
{
    QString folder;
    {
        testing::TempDataFolder data;
        QVERIFY(data.isValid());
        folder = data.dir();
        QVERIFY(QStandardPaths::isTestModeEnabled());
        QCOMPARE(storage::programFolder(), folder);
        QCOMPARE(data.path(storage::InvestFileName), storage::programFile(storage::InvestFileName));

        QVERIFY(!data.exists(QStringLiteral("a.txt")));
        QVERIFY(data.readBytes(QStringLiteral("a.txt")).isEmpty());
        const QByteArray bytes("\"Stock A\",100\r\n\x1a", 16);
        QVERIFY(data.writeBytes(QStringLiteral("a.txt"), bytes));
        QVERIFY(data.exists(QStringLiteral("a.txt")));
        QCOMPARE(data.readBytes(QStringLiteral("a.txt")), bytes);
        QVERIFY(data.remove(QStringLiteral("a.txt")));
        QVERIFY(!data.exists(QStringLiteral("a.txt")));

        // The real settings store writes into the folder's own settings place.
        platform::SettingsStore::setInstance(nullptr);
        platform::SettingsStore::instance().saveSetting(QStringLiteral("PLUMBLINE"), QStringLiteral("S"),
                                                        QStringLiteral("K"), QStringLiteral("v"));
        QVERIFY(QFile::exists(data.settingsPath() + QStringLiteral("/PLUMBLINE/PLUMBLINE.ini")));
        QVERIFY(!data.settingsPath().startsWith(folder));
    }
    QVERIFY(!QFile::exists(folder));
    QVERIFY(storage::programFolder() != folder);
}

QTEST_MAIN(TestPlatform)
#include "tst_platform.moc"
