#pragma once

#include <QString>
#include <QStringView>

struct sqlite3;

namespace yb {

// The order of every text index, as a Spanish-language table sorts: accented
// letters sort with their base letters and case is ignored at the first level
// ("Píldora" before "Poria"); "ñ" is a letter of its own, after "n". Texts
// equal at that level are ordered by their accents (none first), then by
// case (small letters first), then by code point, so the order is total.
namespace Collation {

inline constexpr const char *kName = "YBNOCASE";
// Equality of the first level only (accents and case ignored): what a
// case-insensitive search compares with. No index is built on it.
inline constexpr const char *kLettersName = "YBLETTERS";
// The order's version. Version 1 ordered by case-folded code point (accents
// after every letter); indexes built with it are rebuilt once (Database::open).
inline constexpr int kVersion = 2;

// Three-way comparison of two texts in the order.
int compare(QStringView a, QStringView b);
// Same comparison over UTF-8 bytes, as SQLite hands them to a collation.
int compareUtf8(const char *a, int lenA, const char *b, int lenB);

// Three-way comparison of the first level only: "PILDORA" equals "Píldora".
int comparePrimary(QStringView a, QStringView b);
int comparePrimaryUtf8(const char *a, int lenA, const char *b, int lenB);

// The least text in the order that is equal to `text` at the first level:
// the key a search for it starts from, so that "PIL" finds "Píldora" first.
QString searchKey(QStringView text);

// Registers YBNOCASE (in the order of `version`) and YBLETTERS on a connection.
void registerOn(sqlite3 *db, int version = kVersion);

} // namespace Collation
} // namespace yb
