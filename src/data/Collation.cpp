#include "data/Collation.h"

#include <QChar>
#include <array>
#include <sqlite3.h>

namespace yb::Collation {
namespace {

// What one character weighs at each level of the order.
struct Weight {
    char32_t primary = 0;   // the base letter, case-folded, doubled: "ñ" fits in after "n"
    char32_t secondary = 0; // 0 without an accent, else the accented letter (a combining mark: itself)
    quint8 tertiary = 0;    // 1 for a capital
    bool ignorable = false; // a combining mark: no weight at the first level
};

constexpr char32_t kFirstTabled = 0x80, kEndTabled = 0x250; // Latin-1 and Latin Extended-A and B
constexpr char32_t kEnye = 0xF1;

bool isCombiningMark(char32_t c) { return c >= 0x300 && c < 0x370; }

// The letter a character is made from: "Ǖ" -> "Ü" -> "U".
char32_t baseLetter(char32_t c)
{
    while (QChar::decompositionTag(c) == QChar::Canonical) {
        const QString d = QChar::decomposition(c);
        const char32_t first =
            d.size() > 1 && d[0].isHighSurrogate() ? QChar::surrogateToUcs4(d[0], d[1]) : d[0].unicode();
        if (first == c)
            break;
        c = first;
    }
    return c;
}

Weight weighOutsideTable(char32_t c)
{
    if (isCombiningMark(c))
        return {0, c, 0, true};
    const char32_t folded = QChar::toCaseFolded(c);
    return {folded << 1, 0, quint8(folded != c), false};
}

std::array<Weight, kEndTabled - kFirstTabled> buildTable()
{
    std::array<Weight, kEndTabled - kFirstTabled> table;
    for (char32_t c = kFirstTabled; c < kEndTabled; ++c) {
        const char32_t folded = QChar::toCaseFolded(c);
        Weight w;
        w.tertiary = quint8(folded != c);
        if (folded == kEnye) {
            w.primary = (char32_t('n') << 1) + 1;
        } else {
            const char32_t base = QChar::toCaseFolded(baseLetter(folded));
            w.primary = base << 1;
            w.secondary = base != folded ? folded : 0;
        }
        table[c - kFirstTabled] = w;
    }
    return table;
}

inline Weight weigh(char32_t c)
{
    if (c < 0x80) {
        if (c >= 'A' && c <= 'Z')
            return {(c + 32) << 1, 0, 1, false};
        return {c << 1, 0, 0, false};
    }
    if (c < kEndTabled) {
        static const auto table = buildTable();
        return table[c - kFirstTabled];
    }
    return weighOutsideTable(c);
}

// The character standing for a whole first-level class: no accent, small.
inline char32_t representative(char32_t c)
{
    if (c < 0x80)
        return (c >= 'A' && c <= 'Z') ? c + 32 : c;
    const Weight w = weigh(c);
    if (w.primary == (char32_t('n') << 1) + 1)
        return kEnye;
    return w.primary >> 1;
}

// Reads code points from UTF-8; malformed bytes read as themselves.
struct Utf8Reader {
    const unsigned char *s;
    int len;
    int i = 0;

    bool atEnd() const { return i >= len; }
    char32_t next()
    {
        const unsigned char c = s[i++];
        if (c < 0x80)
            return c;
        const int extra = c >= 0xF0 ? 3 : c >= 0xE0 ? 2 : c >= 0xC0 ? 1 : 0;
        char32_t cp = extra == 3 ? (c & 0x07) : extra == 2 ? (c & 0x0F) : (c & 0x1F);
        if (extra == 0 || i + extra > len)
            return c;
        for (int k = 0; k < extra; ++k) {
            const unsigned char cc = s[i + k];
            if ((cc & 0xC0) != 0x80)
                return c;
            cp = (cp << 6) | (cc & 0x3F);
        }
        i += extra;
        return cp;
    }
};

struct Utf16Reader {
    QStringView s;
    qsizetype i = 0;

    bool atEnd() const { return i >= s.size(); }
    char32_t next()
    {
        const QChar c = s[i++];
        if (c.isHighSurrogate() && i < s.size() && s[i].isLowSurrogate())
            return QChar::surrogateToUcs4(c, s[i++]);
        return c.unicode();
    }
};

// The next character that weighs at the first level; false at the end.
template <typename Reader>
inline bool nextLetter(Reader &r, Weight &w, bool &skipped)
{
    while (!r.atEnd()) {
        w = weigh(r.next());
        if (!w.ignorable)
            return true;
        skipped = true;
    }
    return false;
}

template <typename Reader>
int compareSecondaries(Reader a, Reader b)
{
    while (!a.atEnd() && !b.atEnd()) {
        const char32_t x = weigh(a.next()).secondary, y = weigh(b.next()).secondary;
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.atEnd() == b.atEnd() ? 0 : (a.atEnd() ? -1 : 1);
}

template <typename Reader>
int compareCodePoints(Reader a, Reader b)
{
    while (!a.atEnd() && !b.atEnd()) {
        const char32_t x = a.next(), y = b.next();
        if (x != y)
            return x < y ? -1 : 1;
    }
    return a.atEnd() == b.atEnd() ? 0 : (a.atEnd() ? -1 : 1);
}

// One pass decides the first level and, when no combining mark is met, the
// accents and the case as well; only texts with combining marks read twice.
template <typename Reader>
int compareTexts(Reader a, Reader b, bool firstLevelOnly)
{
    const Reader startA = a, startB = b;
    int secondary = 0, tertiary = 0;
    bool skipped = false;
    for (;;) {
        Weight x, y;
        const bool moreA = nextLetter(a, x, skipped), moreB = nextLetter(b, y, skipped);
        if (!moreA || !moreB) {
            if (moreA != moreB)
                return moreA ? 1 : -1;
            break;
        }
        if (x.primary != y.primary)
            return x.primary < y.primary ? -1 : 1;
        if (secondary == 0 && x.secondary != y.secondary)
            secondary = x.secondary < y.secondary ? -1 : 1;
        if (tertiary == 0 && x.tertiary != y.tertiary)
            tertiary = x.tertiary < y.tertiary ? -1 : 1;
    }
    if (firstLevelOnly)
        return 0;
    if (skipped)
        secondary = compareSecondaries(startA, startB);
    if (secondary != 0)
        return secondary;
    if (tertiary != 0)
        return tertiary;
    return compareCodePoints(startA, startB);
}

Utf8Reader utf8(const char *s, int len) { return {reinterpret_cast<const unsigned char *>(s), len}; }

// The order of version 1: case-folded code points, for files not yet rebuilt.
int compareVersion1(const char *a, int lenA, const char *b, int lenB)
{
    Utf8Reader x = utf8(a, lenA), y = utf8(b, lenB);
    while (!x.atEnd() && !y.atEnd()) {
        const char32_t p = x.next(), q = y.next();
        const char32_t fp = p < 0x80 ? ((p >= 'A' && p <= 'Z') ? p + 32 : p) : QChar::toCaseFolded(p);
        const char32_t fq = q < 0x80 ? ((q >= 'A' && q <= 'Z') ? q + 32 : q) : QChar::toCaseFolded(q);
        if (fp != fq)
            return fp < fq ? -1 : 1;
    }
    return x.atEnd() == y.atEnd() ? 0 : (x.atEnd() ? -1 : 1);
}

int sqliteCompare(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareUtf8(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

int sqliteCompareVersion1(void *, int lenA, const void *a, int lenB, const void *b)
{
    return compareVersion1(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

int sqliteComparePrimary(void *, int lenA, const void *a, int lenB, const void *b)
{
    return comparePrimaryUtf8(static_cast<const char *>(a), lenA, static_cast<const char *>(b), lenB);
}

} // namespace

int compare(QStringView a, QStringView b) { return compareTexts(Utf16Reader{a}, Utf16Reader{b}, false); }

int compareUtf8(const char *a, int lenA, const char *b, int lenB)
{
    return compareTexts(utf8(a, lenA), utf8(b, lenB), false);
}

int comparePrimary(QStringView a, QStringView b) { return compareTexts(Utf16Reader{a}, Utf16Reader{b}, true); }

int comparePrimaryUtf8(const char *a, int lenA, const char *b, int lenB)
{
    return compareTexts(utf8(a, lenA), utf8(b, lenB), true);
}

QString searchKey(QStringView text)
{
    QString key;
    key.reserve(text.size());
    Utf16Reader r{text};
    while (!r.atEnd()) {
        const char32_t c = r.next();
        if (isCombiningMark(c))
            continue;
        const char32_t k = representative(c);
        if (QChar::requiresSurrogates(k)) {
            key += QChar(QChar::highSurrogate(k));
            key += QChar(QChar::lowSurrogate(k));
        } else {
            key += QChar(char16_t(k));
        }
    }
    return key;
}

void registerOn(sqlite3 *db, int version)
{
    sqlite3_create_collation_v2(db, kName, SQLITE_UTF8, nullptr,
                                version >= kVersion ? &sqliteCompare : &sqliteCompareVersion1, nullptr);
    sqlite3_create_collation_v2(db, kLettersName, SQLITE_UTF8, nullptr, &sqliteComparePrimary, nullptr);
}

} // namespace yb::Collation
