#pragma once

#include "core/valuetypes.h"
#include "storage/historypass.h"

#include <QLocale>
#include <QString>
#include <QStringList>

namespace render {

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
