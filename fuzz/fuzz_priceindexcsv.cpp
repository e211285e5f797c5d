// A user's price index CSV file: any bytes are either refused with a message naming what is
// wrong, or read into a monthly series whose every value is a positive finite level of a real
// month, which goes through the series file form and back unchanged.
#include "core/priceindex.h"
#include "core/priceindexcsv.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PriceIndex series;
    QString error;
    if (!readPriceIndexCsv(bytes, series, error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(!series.values.isEmpty());
    FUZZ_CHECK(series.kind == PriceIndex::Kind::Monthly);
    for (auto it = series.values.cbegin(); it != series.values.cend(); ++it) {
        FUZZ_CHECK(std::isfinite(it.value()) && it.value() > 0);
        FUZZ_CHECK(it.key() >= 0 && it.key() < PriceIndex::monthKey(10000, 1));
    }
    series.name = QStringLiteral("FUZZ");
    PriceIndex again;
    QString againError;
    FUZZ_CHECK(PriceIndex::fromText(series.toText(), again, againError));
    FUZZ_CHECK(again.values == series.values);
    // Any two months give a rate or a reason, never a wrapped number.
    const PriceIndex::RateResult rate =
        series.rate(QDate(series.values.firstKey() / 12, series.values.firstKey() % 12 + 1, 1),
                    QDate(series.values.lastKey() / 12, series.values.lastKey() % 12 + 1, 28));
    FUZZ_CHECK(rate.ok ? !rate.text().isEmpty() : !rate.reason.isEmpty());
    return 0;
}
