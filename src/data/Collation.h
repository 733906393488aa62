#pragma once

#include <QStringView>

struct sqlite3;

namespace yb {

// The case-insensitive order of every text index: strings compare by their
// Unicode case-folded code points, so "ÁCIDO" equals "ácido".
namespace Collation {

inline constexpr const char *kName = "YBNOCASE";

// Three-way comparison of two texts under the collation.
int compare(QStringView a, QStringView b);

// Same comparison over UTF-8 bytes, as SQLite hands them to a collation.
int compareUtf8(const char *a, int lenA, const char *b, int lenB);

// Registers the collation on a connection.
void registerOn(sqlite3 *db);

} // namespace Collation
} // namespace yb
