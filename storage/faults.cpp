#include "storage/faults.h"

#include "core/runtimeerror.h"

#include <csignal>
#include <cstdlib>

namespace storage::faults {

namespace {
int countdown[4] = {0, 0, 0, 0};
int killCountdown[4] = {0, 0, 0, 0};
long long bytesLeft = -1;
} // namespace

void failAt(Step step, int nth)
{
    countdown[int(step)] = nth;
}

void killAt(Step step, int nth)
{
    killCountdown[int(step)] = nth;
}

void limitBytes(long long bytes)
{
    bytesLeft = bytes;
}

void clear()
{
    for (int &c : countdown)
        c = 0;
    for (int &c : killCountdown)
        c = 0;
    bytesLeft = -1;
}

void check(Step step)
{
    int &k = killCountdown[int(step)];
    if (k > 0 && --k == 0) {
#ifdef SIGKILL
        std::raise(SIGKILL);
#endif
        std::abort();
    }
    int &c = countdown[int(step)];
    if (c > 0 && --c == 0)
        throw RuntimeError(RuntimeError::DeviceIOError);
}

long long allowedBytes(long long size)
{
    if (bytesLeft < 0)
        return size;
    const long long allowed = size < bytesLeft ? size : bytesLeft;
    bytesLeft -= allowed;
    return allowed;
}

} // namespace storage::faults
