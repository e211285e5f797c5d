#pragma once

// Failure injection for the file layer, so tests can make a rewrite fail at each of
// its steps and check that the old files survive.
namespace storage::faults {

enum class Step { Open, Write, Flush, Rename };

// The `nth` (1-based) time the step runs from now on, it fails with error 57.
void failAt(Step step, int nth);
void clear();
// Called by the file layer; throws when a failure is due.
void check(Step step);

} // namespace storage::faults
