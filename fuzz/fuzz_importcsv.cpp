// A CSV file of records to import: any bytes are refused as a whole with a sentence, or read
// row by row, each row either with a problem that says what is wrong or with a real date and
// amounts; rows read are written back in the program's plain forms and read again unchanged
// (a rate as the history keeps it, to seven significant digits).
#include "core/recordcsv.h"
#include "fuzzsupport.h"

#include <string>

using namespace recordcsv;

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    for (const DateOrder order : {DateOrder::Auto, DateOrder::MonthFirst, DateOrder::DayFirst}) {
        ReadResult result;
        QString error;
        if (!readRecordCsv(bytes, order, result, error)) {
            FUZZ_CHECK(!error.isEmpty());
            continue;
        }
        FUZZ_CHECK(result.columns.complete());
        FUZZ_CHECK(!result.dates.ambiguous || result.dates.exampleLine > 0);
        QByteArray again = "date,original,current,rate\n";
        int previous = 0;
        int ok = 0;
        for (const ImportRow &row : result.rows) {
            FUZZ_CHECK(row.line > previous);
            previous = row.line;
            if (!row.ok())
                continue;
            ++ok;
            int y = 0, m = 0, d = 0;
            row.date.toYmd(y, m, d);
            FUZZ_CHECK(Date::isValidYmd(y, m, d));
            again += QStringLiteral("%1-%2-%3,%4,%5,%6\n")
                         .arg(y, 4, 10, QLatin1Char('0'))
                         .arg(m, 2, 10, QLatin1Char('0'))
                         .arg(d, 2, 10, QLatin1Char('0'))
                         .arg(row.original.toPlainString(), row.current.toPlainString(), singleToText(row.rate))
                         .toUtf8();
        }
        if (ok == 0)
            continue;
        ReadResult back;
        FUZZ_CHECK(readRecordCsv(again, DateOrder::IsoOnly, back, error));
        FUZZ_CHECK(back.problemCount() == 0);
        FUZZ_CHECK(int(back.rows.size()) == ok);
        size_t k = 0;
        for (const ImportRow &row : result.rows) {
            if (!row.ok())
                continue;
            const ImportRow &copy = back.rows[k++];
            FUZZ_CHECK(copy.date == row.date && copy.original == row.original && copy.current == row.current);
            // Rates keep the seven significant digits of the history's form.
            const QByteArray rateText = singleToText(row.rate).toLatin1();
            Single written = 0;
            FUZZ_CHECK(parseSingle(rateText.constData(), rateText.constData() + rateText.size(), written));
            FUZZ_CHECK(copy.rate == written);
        }
    }
    return 0;
}
