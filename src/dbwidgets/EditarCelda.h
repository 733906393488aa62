#pragma once

namespace yb {

class DBGrid;

// Edits the grid's selected cell in place and stores it: true when the value
// was changed and stored; false for a key or read-only field, or on cancel.
bool EditarCelda(DBGrid *grid);

} // namespace yb
