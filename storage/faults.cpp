#include "storage/faults.h"

#include "core/runtimeerror.h"

namespace storage::faults {

namespace {
int countdown[4] = {0, 0, 0, 0};
}

void failAt(Step step, int nth)
{
    countdown[int(step)] = nth;
}

void clear()
{
    for (int &c : countdown)
        c = 0;
}

void check(Step step)
{
    int &c = countdown[int(step)];
    if (c > 0 && --c == 0)
        throw RuntimeError(RuntimeError::DeviceIOError);
}

} // namespace storage::faults
