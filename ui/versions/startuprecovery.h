#pragma once

namespace ui::versions {

// At start-up, holding the data folder's lock, after the leftovers of an interrupted run
// are settled: brings the kept versions in line with the data files (a change, undo or
// restore a kill interrupted) and tells the user what was done when there is something to
// say. Never stops the program: without usable versions there is only nothing to undo.
void recoverVersions();

} // namespace ui::versions
