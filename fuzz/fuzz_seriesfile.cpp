// A series file of the Price Indexes folder, which a user may have copied, edited or damaged:
// any bytes are refused with a message or read into a series that writes itself back to the
// same values.
#include "core/priceindex.h"
#include "fuzzsupport.h"

#include <cmath>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    PriceIndex series;
    QString error;
    if (!PriceIndex::fromText(bytes, series, error)) {
        FUZZ_CHECK(!error.isEmpty());
        return 0;
    }
    FUZZ_CHECK(PriceIndex::isValidName(series.name));
    for (auto it = series.values.cbegin(); it != series.values.cend(); ++it)
        FUZZ_CHECK(std::isfinite(it.value()));
    PriceIndex again;
    QString againError;
    FUZZ_CHECK(PriceIndex::fromText(series.toText(), again, againError));
    FUZZ_CHECK(again.values == series.values && again.kind == series.kind && again.name == series.name);
    FUZZ_CHECK(again.toText() == series.toText());
    return 0;
}
