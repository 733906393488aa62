#pragma once

#include "data/Database.h"

namespace yb {

// The sample database bundled with the application.
namespace SampleDatabase {

// The sample's SQL: its files in name order (INSERT statements over the schema).
QString script();

// Creates a database in the directory and fills it with the sample.
// Refuses to overwrite an existing database; leaves no file behind on failure.
std::unique_ptr<Database> create(const QString &directory);

} // namespace SampleDatabase
} // namespace yb
