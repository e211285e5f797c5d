#pragma once
#include "core/valuetypes.h"
#include <QByteArray>
#include <QString>
#include <QStringList>
#include <vector>

// Data records from a user's CSV file: the text split into fields, the columns found by
// their header, and each row's date and amounts read in the forms people's spreadsheets and
// banks write (plumbline-export's own output among them). No file access: the caller reads
// the bytes (storage/regularfile.h) and decides what to do with the rows.
namespace recordcsv {

// Larger files are refused unread.
inline constexpr qint64 MaxBytes = 64 * 1024 * 1024;

struct CsvRow
{
    int line = 0; // 1-based line of the file the row starts on
    QStringList fields;
};

struct CsvTable
{
    QString source; // the file's text; unquoted fields share it instead of copies
    QChar separator = QLatin1Char(',');
    bool hasHeader = false;
    QStringList header;
    std::vector<CsvRow> rows; // data rows only, blank lines left out
    int columnCount = 0;      // the most fields a row (or the header) has
};

// Splits the file: a UTF-8 byte-order mark, LF, CR LF or CR line ends, quoted fields (with
// "" for a quote, line ends inside), ',' ';' or tab as separator (the one the first line
// uses most). Text that is not UTF-8 is read as Windows-1252 when it holds no control
// characters. False with a sentence for the user for a file that is no text (a NUL, other
// control characters) or a quote left open.
bool splitCsv(const QByteArray &bytes, CsvTable &out, QString &error);

enum class Field { Date, Original, Current, Rate };
inline constexpr int FieldCount = 4;
QString fieldName(Field field); // "Date", "Original Amount", "Current Amount", "Inflation Rate"

// Column index of each field, -1 for none (the rate is optional).
struct ColumnMap
{
    int column[FieldCount] = {-1, -1, -1, -1};
    int &operator[](Field f) { return column[int(f)]; }
    int operator[](Field f) const { return column[int(f)]; }
    bool complete() const { return column[0] >= 0 && column[1] >= 0 && column[2] >= 0; }
};

// The columns by header name ("date", "original_amount", "Current Amount", "inflation rate"
// and a few more spellings); without a header, date, original, current and rate in that order.
ColumnMap detectColumns(const CsvTable &table);

// How dates written with slashes are read; ISO (YYYY-MM-DD) and day-first D.M.YYYY dates are
// read whatever the order.
enum class DateOrder { Auto, IsoOnly, MonthFirst, DayFirst };

struct DateOrderFinding
{
    DateOrder order = DateOrder::IsoOnly; // MonthFirst or DayFirst when slash dates decide it
    bool ambiguous = false;               // slash dates that every one reads both ways
    int exampleLine = 0;                  // when ambiguous: a row whose two readings differ
    QString exampleText;
    Date asMonthFirst;
    Date asDayFirst;
};
DateOrderFinding findDateOrder(const CsvTable &table, const ColumnMap &columns);

// Decimal comma or point, decided once for the file: a ';' or tab file whose amounts hold a
// comma, or amounts such as "1.234,56" or "12,5", use a decimal comma (and points between
// thousands); otherwise the point is the decimal mark and commas part the thousands.
struct NumberForm
{
    QChar decimal = QLatin1Char('.');
    QChar group = QLatin1Char(',');
};
NumberForm findNumberForm(const CsvTable &table, const ColumnMap &columns);

// One field read: "-1,234.50", "(1 234,50 €)", "$1,000", "1.5%" (rates); false when it is none.
bool readAmount(const QString &text, const NumberForm &form, Currency &out);
bool readRate(const QString &text, const NumberForm &form, Single &out);
// A date in one of the forms above; `order` decides slash dates (Auto reads them only when
// one reading is possible).
bool readDate(const QString &text, DateOrder order, Date &out);

struct ImportRow
{
    int line = 0;
    QString dateText, originalText, currentText, rateText;
    Date date;
    Currency original;
    Currency current;
    Single rate = 0; // 0 when the field is empty: no rate
    QString problem; // empty when the row was read
    bool ok() const { return problem.isEmpty(); }
};

std::vector<ImportRow> readRows(const CsvTable &table, const ColumnMap &columns, DateOrder order,
                                const NumberForm &form);

// Everything a command-line import needs in one call. `order` Auto: an ambiguous file is an
// error that says to choose. False with `error` for a file refused as a whole; rows with
// problems come back with their problem.
struct ReadResult
{
    CsvTable table;
    ColumnMap columns;
    DateOrderFinding dates;
    NumberForm numbers;
    std::vector<ImportRow> rows;
    int problemCount() const;
};
bool readRecordCsv(const QByteArray &bytes, DateOrder order, ReadResult &out, QString &error);

// "Line 7: the date "13/13/2020" is not a date" for each row with a problem, in line order.
QStringList problemLines(const std::vector<ImportRow> &rows);

} // namespace recordcsv
