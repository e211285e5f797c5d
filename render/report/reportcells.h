#pragma once

#include "core/valuetypes.h"
#include "storage/historypass.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace render {

// An amount in the grid's display form "$#,##0.00;($#,##0.00)", the same text as
// platform::LocaleServices::displayFormat of its plain text, written straight from the value:
// a report writes ten of them for each of up to millions of records.
QString displayAmount(Currency value);

// A record's ten cells in the grid's display forms. It holds the locale and its short date
// format, looked up once instead of for every row; each thread that writes cells has its own.
class RecordCellFormatter
{
public:
    RecordCellFormatter();
    QStringList cells(const RecordFigures &figures) const;

private:
    QLocale m_locale;
    QString m_dateFormat;
};

} // namespace render
