#pragma once

namespace ui {

// At start-up, holding the data folder's lock and before anything is read: finishes an
// interrupted investment delete, removes what an interrupted run left where it cannot be
// the only copy of anything, and otherwise moves it into a "Recovered ..." folder and
// tells the user what that folder holds. false when the program cannot go on.
bool setAsideLeftovers();

} // namespace ui
