#include "storage/histlookup.h"

#include "core/runtimeerror.h"
#include "storage/textrecords.h"

#include <QFile>

namespace storage {

RateBaseLookup findRateBase(const QString &historyPath, int investment, int records)
{
    RateBaseLookup result;
    if (records == 0)
        return result;
    QFile file(historyPath);
    if (!file.open(QIODevice::ReadOnly))
        return result;
    long long lineNo = 0;
    while (!file.atEnd()) {
        const QByteArray line = file.readLine(MaxLineLength + 2);
        ++lineNo;
        if (line.trimmed().isEmpty())
            continue;
        qsizetype length = line.size();
        while (length > 0 && (line.at(length - 1) == '\n' || line.at(length - 1) == '\r'))
            --length;
        HistFields fields;
        try {
            if (length > MaxLineLength)
                throw RuntimeError(RuntimeError::TypeMismatch);
            parseHistLine(line.constData(), line.constData() + length, fields);
        } catch (const RuntimeError &) {
            result.badLine = lineNo;
            return result;
        }
        if (fields.investNum.value() != investment)
            continue;
        result.base.pass(fields.date, fields.original, fields.current);
        if (records > 0 && result.base.recordsPassed() == records)
            return result;
    }
    return result;
}

} // namespace storage
