#include "storage/faults.h"

#include "core/runtimeerror.h"

#include <csignal>
#include <cstdlib>
#include <mutex>

namespace storage::faults {

namespace {
int countdown[4] = {0, 0, 0, 0};
int killCountdown[4] = {0, 0, 0, 0};
long long bytesLeft = -1;
// A report reads the history on a second thread while its pages are written.
std::mutex guard;
} // namespace

void failAt(Step step, int nth)
{
    const std::lock_guard<std::mutex> lock(guard);
    countdown[int(step)] = nth;
}

void killAt(Step step, int nth)
{
    const std::lock_guard<std::mutex> lock(guard);
    killCountdown[int(step)] = nth;
}

void limitBytes(long long bytes)
{
    const std::lock_guard<std::mutex> lock(guard);
    bytesLeft = bytes;
}

void clear()
{
    const std::lock_guard<std::mutex> lock(guard);
    for (int &c : countdown)
        c = 0;
    for (int &c : killCountdown)
        c = 0;
    bytesLeft = -1;
}

void check(Step step)
{
    const std::lock_guard<std::mutex> lock(guard);
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
    const std::lock_guard<std::mutex> lock(guard);
    if (bytesLeft < 0)
        return size;
    const long long allowed = size < bytesLeft ? size : bytesLeft;
    bytesLeft -= allowed;
    return allowed;
}

} // namespace storage::faults
