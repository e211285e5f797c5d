#pragma once

// Failure injection for the file layer, so tests can make a rewrite fail at each of
// its steps and check that the old files survive.
namespace storage::faults {

enum class Step { Open, Write, Flush, Rename };

// The `nth` (1-based) time the step runs from now on, it fails with error 57.
void failAt(Step step, int nth);
// The `nth` time the step runs from now on, the process is killed outright, as a power
// loss or a kill would end it (for a child process whose folder a test then looks at).
void killAt(Step step, int nth);
// From now on writes put out at most `bytes` more bytes: the write that reaches the
// limit writes what fits and then fails, as on a full disk. Negative: no limit.
void limitBytes(long long bytes);
void clear();
// Called by the file layer; throws when a failure is due.
void check(Step step);
// Called by the file layer before a write: how many of `size` bytes may go out.
long long allowedBytes(long long size);

} // namespace storage::faults
