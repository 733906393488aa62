#include "data/Collation.h"

#include <QChar>
#include <sqlite3.h>

namespace yb::Collation {
namespace {

inline char32_t foldAscii(char32_t c) { return (c >= 'A' && c <= 'Z') ? c + 32 : c; }

inline char32_t fold(char32_t c)
{
    return c < 0x80 ? foldAscii(c) : QChar::toCaseFolded(c);
}

// Decodes the code point at s[i] (advancing i); malformed bytes read as themselves.
inline char32_t nextUtf8(const unsigned char *s, int len, int &i)
{
    const unsigned char c = s[i++];
    if (c < 0x80)
        return c;
    int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
    char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : (c & 0x1F);
    if (extra == 0 || i + extra > len)
        return c;
    for (int k = 0; k < extra; ++k) {
        const unsigned char cc = s[i];
        if ((cc & 0xC0) != 0x80)
            return c;
        cp = (cp << 6) | (cc & 0x3F);
        ++i;
    }
    return cp;
}

inline char32_t nextUtf16(QStringView s, qsizetype &i)
{
    const QChar c = s[i++];
    if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate())
        return QChar::surrogateToUcs4(c, s[i++]);
    return c.unicode();
}

int sqliteCompare(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareUtf8(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

} // namespace

int compare(QStringView a, QStringView b)
{
    qsizetype i = 0, j = 0;
    while (i < a.size() && j < b.size()) {
        const char32_t x = fold(nextUtf16(a, i));
        const char32_t y = fold(nextUtf16(b, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < a.size())
        return 1;
    if (j < b.size())
        return -1;
    return 0;
}

int compareUtf8(const char *a, int lenA, const char *b, int lenB)
{
    const auto *sa = reinterpret_cast<const unsigned char *>(a);
    const auto *sb = reinterpret_cast<const unsigned char *>(b);
    int i = 0, j = 0;
    while (i < lenA && j < lenB) {
        // ASCII fast path: no decoding, no table look-up.
        if (sa[i] < 0x80 && sb[j] < 0x80) {
            const char32_t x = foldAscii(sa[i++]);
            const char32_t y = foldAscii(sb[j++]);
            if (x != y)
                return x < y ? -1 : 1;
            continue;
        }
        const char32_t x = fold(nextUtf8(sa, lenA, i));
        const char32_t y = fold(nextUtf8(sb, lenB, j));
        if (x != y)
            return x < y ? -1 : 1;
    }
    if (i < lenA)
        return 1;
    if (j < lenB)
        return -1;
    return 0;
}

void registerOn(sqlite3 *db)
{
    sqlite3_create_collation_v2(db, kName, SQLITE_UTF8, nullptr, &sqliteCompare, nullptr);
}

} // namespace yb::Collation
