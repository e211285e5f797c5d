// The CSV reader of the record import: every date and number form it takes and refuses,
// the text forms of files (BOM, line ends, quotes, separators, encodings), the columns found
// by header, the file-wide decisions (date order, decimal comma) and plumbline-export's output.
#include "core/recordcsv.h"

#include <QProcess>
#include <QtTest>

using namespace recordcsv;

Q_DECLARE_METATYPE(recordcsv::DateOrder)

namespace {

QString iso(Date date)
{
    return date.toQDate().toString(Qt::ISODate);
}

CsvTable split(const QByteArray &bytes)
{
    CsvTable table;
    QString error;
    if (!splitCsv(bytes, table, error))
        qWarning("%s", qPrintable(error));
    return table;
}

} // namespace

class tst_RecordCsv : public QObject
{
    Q_OBJECT

private slots:
    void dates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<recordcsv::DateOrder>("order");
        QTest::addColumn<QString>("expected"); // empty: refused
        const auto M = DateOrder::MonthFirst;
        const auto D = DateOrder::DayFirst;
        const auto A = DateOrder::Auto;
        QTest::newRow("iso") << "2020-02-29" << A << "2020-02-29";
        QTest::newRow("iso not a day") << "2021-02-29" << A << "";
        QTest::newRow("iso short month") << "2020-2-09" << A << "";
        QTest::newRow("mdy") << "3/4/2020" << M << "2020-03-04";
        QTest::newRow("dmy") << "3/4/2020" << D << "2020-04-03";
        QTest::newRow("auto day first by 13") << "13/04/2020" << A << "2020-04-13";
        QTest::newRow("auto month first by 13") << "04/13/2020" << A << "2020-04-13";
        QTest::newRow("auto both ways") << "03/04/2020" << A << "";
        QTest::newRow("auto same either way") << "5/5/2020" << A << "2020-05-05";
        QTest::newRow("mdy month 13") << "13/4/2020" << M << "";
        QTest::newRow("dotted day first") << "3.4.2020" << M << "2020-04-03";
        QTest::newRow("dotted padded") << "31.12.1999" << A << "1999-12-31";
        QTest::newRow("dotted not a day") << "31.04.2020" << A << "";
        QTest::newRow("two-digit year") << "3/4/20" << M << "";
        QTest::newRow("iso only refuses slashes") << "3/4/2020" << DateOrder::IsoOnly << "";
        QTest::newRow("iso only takes iso") << "2001-10-19" << DateOrder::IsoOnly << "2001-10-19";
        QTest::newRow("blanks around") << "  2020-01-31 " << A << "2020-01-31";
        QTest::newRow("words") << "yesterday" << A << "";
        QTest::newRow("year 99") << "0099-01-01" << A << "";
        QTest::newRow("long digit runs") << "3333333333/1/2020" << M << "";
    }
    void dates()
    {
        QFETCH(QString, text);
        QFETCH(recordcsv::DateOrder, order);
        QFETCH(QString, expected);
        Date date;
        const bool ok = readDate(text, order, date);
        QCOMPARE(ok, !expected.isEmpty());
        if (ok)
            QCOMPARE(iso(date), expected);
    }

    void amounts_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<QString>("expected"); // empty: refused
        QTest::newRow("plain") << "1234.5" << false << "1234.5";
        QTest::newRow("export form") << "22398.45" << false << "22398.45";
        QTest::newRow("four decimals") << "0.0001" << false << "0.0001";
        QTest::newRow("thousands") << "1,234,567.25" << false << "1234567.25";
        QTest::newRow("negative") << "-300" << false << "-300";
        QTest::newRow("parentheses") << "(12.50)" << false << "-12.5";
        QTest::newRow("dollar") << "$1,000" << false << "1000";
        QTest::newRow("dollar negative") << "-$5.25" << false << "-5.25";
        QTest::newRow("pound in parentheses") << "(£7.5)" << false << "-7.5";
        QTest::newRow("code in front") << "USD 12.00" << false << "12";
        QTest::newRow("decimal comma") << "1.234,56" << true << "1234.56";
        QTest::newRow("euro after") << "1.000,5 €" << true << "1000.5";
        QTest::newRow("blank thousands") << "1 234,5" << true << "1234.5";
        QTest::newRow("no-break thousands") << QString::fromUtf8("12\u00A0345,00") << true << "12345";
        QTest::newRow("leading point") << ".5" << false << "0.5";
        QTest::newRow("bad group") << "1,23.4" << false << "";
        QTest::newRow("two points") << "1.2.3" << false << "";
        QTest::newRow("letters") << "12a" << false << "";
        QTest::newRow("sign twice") << "(-5)" << false << "";
        QTest::newRow("nothing but sign") << "-" << false << "";
        QTest::newRow("too large") << "99999999999999999999" << false << "";
    }
    void amounts()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimalComma);
        QFETCH(QString, expected);
        NumberForm form;
        if (decimalComma) {
            form.decimal = QLatin1Char(',');
            form.group = QLatin1Char('.');
        }
        Currency value;
        const bool ok = readAmount(text, form, value);
        QCOMPARE(ok, !expected.isEmpty());
        if (ok)
            QCOMPARE(value.toPlainString(), expected);
    }

    void rates_data()
    {
        QTest::addColumn<QString>("text");
        QTest::addColumn<bool>("decimalComma");
        QTest::addColumn<bool>("ok");
        QTest::addColumn<float>("expected");
        QTest::newRow("plain") << "1.6" << false << true << 1.6f;
        QTest::newRow("percent") << "2.5%" << false << true << 2.5f;
        QTest::newRow("comma") << "-0,5" << true << true << -0.5f;
        QTest::newRow("not a rate") << "n/a" << false << false << 0.0f;
        QTest::newRow("beyond a Single") << QString(40, QLatin1Char('9')) << false << false << 0.0f;
        // As the history and plumbline-export write a rate of more than seven digits.
        QTest::newRow("exponent") << "3.333333E+09" << false << true << 3.333333e9f;
        QTest::newRow("small exponent") << "1E-05" << false << true << 1e-05f;
        QTest::newRow("exponent with a comma") << "1,5E+09" << true << true << 1.5e9f;
        QTest::newRow("exponent beyond a Single") << "1E+99" << false << false << 0.0f;
        QTest::newRow("exponent without digits") << "2.5E" << false << false << 0.0f;
    }
    void rates()
    {
        QFETCH(QString, text);
        QFETCH(bool, decimalComma);
        QFETCH(bool, ok);
        QFETCH(float, expected);
        NumberForm form;
        if (decimalComma) {
            form.decimal = QLatin1Char(',');
            form.group = QLatin1Char('.');
        }
        Single value = 0;
        QCOMPARE(readRate(text, form, value), ok);
        if (ok)
            QCOMPARE(value, expected);
    }

    // The text forms of a file: each case's rows, fields joined with '|'.
    void textForms_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QStringList>("rows");
        QTest::addColumn<QString>("error");
        QTest::newRow("crlf") << QByteArray("Date,Original,Current\r\n2020-01-01,1,2\r\n2020-02-01,3,4\r\n")
                              << QStringList{"2020-01-01|1|2", "2020-02-01|3|4"} << "";
        QTest::newRow("cr only") << QByteArray("Date,Original,Current\r2020-01-01,1,2\r2020-02-01,3,4")
                                 << QStringList{"2020-01-01|1|2", "2020-02-01|3|4"} << "";
        QTest::newRow("bom and lf") << QByteArray("\xEF\xBB\xBF"
                                                  "Date,Original,Current\n2020-01-01,1,2\n")
                                    << QStringList{"2020-01-01|1|2"} << "";
        QTest::newRow("quoted")
            << QByteArray("Date,Original,Current,Note\r\n\"2020-01-01\",\"1,000.5\",2,\"a \"\"b\"\"\r\nc\"\r\n")
            << QStringList{"2020-01-01|1,000.5|2|a \"b\"\r\nc"} << "";
        QTest::newRow("semicolons") << QByteArray("Datum;Original;Current\n1.2.2020;1.234,5;7\n")
                                    << QStringList{"1.2.2020|1.234,5|7"} << "";
        QTest::newRow("tabs") << QByteArray("date\toriginal\tcurrent\n2020-01-01\t1\t2\n")
                              << QStringList{"2020-01-01|1|2"} << "";
        QTest::newRow("blank lines") << QByteArray("date,original,current\n\n2020-01-01,1,2\n,,\n")
                                     << QStringList{"2020-01-01|1|2"} << "";
        QTest::newRow("latin-1 text") << QByteArray("date,original,current,note\n2020-01-01,1,2,caf\xE9\n")
                                      << QStringList{QString::fromUtf8("2020-01-01|1|2|café")} << "";
        QTest::newRow("nul") << QByteArray("date,original\n2020\0,1\n", 21) << QStringList()
                             << "The file holds binary data (NUL bytes): it is not a CSV text file.";
        QTest::newRow("bom but not utf-8")
            << QByteArray("\xEF\xBB\xBF"
                          "date\n\xE9\n")
            << QStringList() << "The file starts as UTF-8 text but holds bytes that are not UTF-8.";
        QTest::newRow("control characters") << QByteArray("date\x01,x\n") << QStringList()
                                            << "The file holds control characters: it is not a CSV text file.";
        QTest::newRow("quote left open") << QByteArray("date,original,current\n2020-01-01,\"1,2\n") << QStringList()
                                         << "Line 2: a quoted field is not closed.";
    }
    void textForms()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QStringList, rows);
        QFETCH(QString, error);
        CsvTable table;
        QString message;
        QCOMPARE(splitCsv(bytes, table, message), error.isEmpty());
        QCOMPARE(message, error);
        if (!error.isEmpty())
            return;
        QVERIFY(table.hasHeader);
        QStringList got;
        for (const CsvRow &row : table.rows)
            got << row.fields.join(QLatin1Char('|'));
        QCOMPARE(got, rows);
    }

    void tooLarge()
    {
        CsvTable table;
        QString error;
        QVERIFY(!splitCsv(QByteArray(MaxBytes + 1, 'a'), table, error));
        QCOMPARE(error, QStringLiteral("The file is larger than 64 MB, too large to import."));
    }

    void lineNumbersCountQuotedLineEnds()
    {
        const CsvTable table = split("date,original,current,note\r\n2020-01-01,1,2,\"two\r\nlines\"\r\nx,1,2,y\r\n");
        QCOMPARE(table.rows.size(), size_t(2));
        QCOMPARE(table.rows[0].line, 2);
        QCOMPARE(table.rows[1].line, 4);
    }

    void columns_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QList<int>>("expected");
        QTest::newRow("export") << QByteArray("investment,type,institution,record,date,original_amount,current_amount,"
                                              "inc_dec,profit_loss,inflation_rate,loss_to_inflation\r\n1,a,b,1,"
                                              "2020-01-01,1,2,1,1,0,0\r\n")
                                << QList<int>{4, 5, 6, 9};
        QTest::newRow("export with suggestions")
            << QByteArray("investment,type,institution,record,date,original_amount,current_amount,inc_dec,"
                          "profit_loss,inflation_rate,suggested_rate\r\n1,a,b,1,2020-01-01,1,2,1,1,0,\r\n")
            << QList<int>{4, 5, 6, 9};
        QTest::newRow("spaced names, other order")
            << QByteArray("Current Amount,Date,Original Amount\n2,2020-01-01,1\n") << QList<int>{1, 2, 0, -1};
        QTest::newRow("no header") << QByteArray("2020-01-01,1,2\n") << QList<int>{0, 1, 2, -1};
        QTest::newRow("no header with rate") << QByteArray("2020-01-01,1,2,3\n") << QList<int>{0, 1, 2, 3};
        QTest::newRow("unknown names") << QByteArray("when,paid,worth\n2020-01-01,1,2\n") << QList<int>{-1, -1, -1, -1};
    }
    void columns()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QList<int>, expected);
        const ColumnMap map = detectColumns(split(bytes));
        QCOMPARE((QList<int>{map.column[0], map.column[1], map.column[2], map.column[3]}), expected);
    }

    void dateOrder_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<recordcsv::DateOrder>("order");
        QTest::addColumn<bool>("ambiguous");
        QTest::addColumn<int>("exampleLine");
        QTest::newRow("iso") << QByteArray("d,o,c\n2020-01-02,1,2\n") << DateOrder::IsoOnly << false << 0;
        QTest::newRow("every date both ways")
            << QByteArray("date,original,current\n1/1/2020,1,2\n3/4/2020,1,2\n") << DateOrder::Auto << true << 3;
        QTest::newRow("one day above 12")
            << QByteArray("date,original,current\n3/4/2020,1,2\n25/4/2020,1,2\n") << DateOrder::DayFirst << false << 0;
        QTest::newRow("one month position above 12")
            << QByteArray("date,original,current\n3/4/2020,1,2\n4/25/2020,1,2\n") << DateOrder::MonthFirst << false
            << 0;
        QTest::newRow("all the same either way")
            << QByteArray("date,original,current\n1/1/2020,1,2\n") << DateOrder::MonthFirst << false << 0;
    }
    void dateOrder()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(recordcsv::DateOrder, order);
        QFETCH(bool, ambiguous);
        QFETCH(int, exampleLine);
        const CsvTable table = split(bytes);
        const DateOrderFinding finding = findDateOrder(table, detectColumns(table));
        QCOMPARE(finding.order, order);
        QCOMPARE(finding.ambiguous, ambiguous);
        QCOMPARE(finding.exampleLine, exampleLine);
        if (ambiguous) {
            QCOMPARE(iso(finding.asMonthFirst), QStringLiteral("2020-03-04"));
            QCOMPARE(iso(finding.asDayFirst), QStringLiteral("2020-04-03"));
        }
    }

    void numberForm_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<bool>("decimalComma");
        QTest::newRow("points") << QByteArray("d,o,c\n2020-01-01,1234.5,2\n") << false;
        QTest::newRow("thousands only") << QByteArray("d,o,c\n2020-01-01,\"1,234\",2\n") << false;
        QTest::newRow("quoted decimal comma") << QByteArray("d,o,c\n2020-01-01,\"1.234,5\",2\n") << true;
        QTest::newRow("quoted short comma") << QByteArray("d,o,c\n2020-01-01,\"12,5\",2\n") << true;
        QTest::newRow("semicolon file with commas") << QByteArray("d;o;c\n2020-01-01;1,234;2\n") << true;
        QTest::newRow("semicolon file with points") << QByteArray("d;o;c\n2020-01-01;1.5;2\n") << false;
    }
    void numberForm()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(bool, decimalComma);
        const CsvTable table = split(bytes);
        const NumberForm form = findNumberForm(table, ColumnMap{{0, 1, 2, -1}});
        QCOMPARE(form.decimal == QLatin1Char(','), decimalComma);
    }

    // Every problem of every row, with its line, in the order of the file.
    void problems()
    {
        ReadResult result;
        QString error;
        QVERIFY(readRecordCsv("Date,Original Amount,Current Amount,Inflation Rate\r\n"
                              "2020-01-01,100,110,\r\n"
                              "2020-13-01,100,110,1\r\n"
                              "\r\n"
                              "2020-03-01,,abc,x\r\n"
                              "2020-04-01,100\r\n",
                              DateOrder::Auto, result, error));
        QCOMPARE(result.problemCount(), 3);
        QCOMPARE(problemLines(result.rows),
                 (QStringList{QStringLiteral("Line 3: the date \"2020-13-01\" is not a date."),
                              QStringLiteral("Line 5: the original amount is missing; the current amount \"abc\" is "
                                             "not an amount; the inflation rate \"x\" is not a rate."),
                              QStringLiteral("Line 6: the current amount is missing.")}));
        QCOMPARE(result.rows[0].rate, 0.0f);
        QCOMPARE(result.rows[0].current.toPlainString(), QStringLiteral("110"));
    }

    void refusedWholeFiles_data()
    {
        QTest::addColumn<QByteArray>("bytes");
        QTest::addColumn<QString>("error");
        QTest::newRow("no date column") << QByteArray("when,original,current\n2020-01-01,1,2\n")
                                        << "No column of the file is named as Date (its header: when, original, "
                                           "current).";
        QTest::newRow("header only") << QByteArray("date,original,current\r\n") << "The file holds no records.";
    }
    void refusedWholeFiles()
    {
        QFETCH(QByteArray, bytes);
        QFETCH(QString, error);
        ReadResult result;
        QString message;
        QVERIFY(!readRecordCsv(bytes, DateOrder::Auto, result, message));
        QCOMPARE(message, error);
    }

    // plumbline-export's own output reads back to the very values it wrote.
    void exportOutputReads()
    {
        const QByteArray bytes =
            "investment,type,institution,record,date,original_amount,current_amount,inc_dec,profit_loss,"
            "inflation_rate,loss_to_inflation,current_amount_afi,profit_loss_afi\r\n"
            "2,Stock,\"Evergreen, Securities\",1,2001-10-19,22275,22398.45,123.45,123.45,0,0,0,0\r\n"
            "2,Stock,\"Evergreen, Securities\",2,2005-01-08,22275,-22255.9701,-142.48,-19.03,13.41,1,2,3\r\n";
        ReadResult result;
        QString error;
        QVERIFY2(readRecordCsv(bytes, DateOrder::Auto, result, error), qPrintable(error));
        QCOMPARE(result.problemCount(), 0);
        QCOMPARE(result.rows.size(), size_t(2));
        QCOMPARE(iso(result.rows[1].date), QStringLiteral("2005-01-08"));
        QCOMPARE(result.rows[1].original.toPlainString(), QStringLiteral("22275"));
        QCOMPARE(result.rows[1].current.toPlainString(), QStringLiteral("-22255.9701"));
        QCOMPARE(result.rows[1].rate, 13.41f);
        QCOMPARE(result.rows[1].line, 3);
    }

    // An export of every investment is not one investment's records: each row of another
    // investment than the first row's is a problem, so nothing is imported mixed.
    void anExportOfSeveralInvestmentsIsRefused()
    {
        const QByteArray bytes = "investment,type,institution,record,date,original_amount,current_amount\r\n"
                                 "1,Fund,Bank,1,2001-01-01,100,100\r\n"
                                 "1,Fund,Bank,2,2002-01-01,100,110\r\n"
                                 "2,Stock,Broker,1,2001-06-01,50,50\r\n";
        ReadResult result;
        QString error;
        QVERIFY2(readRecordCsv(bytes, DateOrder::Auto, result, error), qPrintable(error));
        QCOMPARE(problemLines(result.rows),
                 QStringList{QStringLiteral("Line 4: the row is of investment \"2\", line 2 of investment \"1\": "
                                            "import one investment at a time.")});
    }
};

QTEST_APPLESS_MAIN(tst_RecordCsv)
#include "tst_recordcsv.moc"
