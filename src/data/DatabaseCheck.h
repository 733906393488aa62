#pragma once

#include "data/Database.h"

#include <QStringList>

namespace yb {

// Checks a database for damage and for the invariants the application relies
// on: order numbers set, link order numbers matching their rows, profiles
// made of digits. Returns one line per problem; empty when all is well.
QStringList checkDatabase(Database &db);

} // namespace yb
