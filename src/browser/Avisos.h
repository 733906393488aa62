#pragma once

#include "data/DbError.h"

#include <functional>

namespace yb {

class DataSource;

// Tells the user, through the message dialogs and in the interface language,
// that what they typed could not be stored, and why.
void avisarNoGuardado(const DbError &error, bool ingles);

// Every error the controls of a data source meet (a value refused, a record
// that cannot be edited or stored) is told that way; `ingles` gives the
// interface language at that moment.
void avisarFallos(DataSource *source, std::function<bool()> ingles);

} // namespace yb
