#pragma once

#include <QBitArray>

namespace yb {

// The search-hit set: a growable set of bits indexed by record key.
class TTagBits {
public:
    // Sets bit k, growing the set so that it holds k (k is never negative).
    void set(int k, bool on);
    // False for every k at or beyond the current size.
    bool test(int k) const { return k >= 0 && k < m_bits.size() && m_bits.testBit(k); }
    // Empties the set: its size becomes 0.
    void clear() { m_bits.clear(); }
    int size() const { return int(m_bits.size()); }

private:
    QBitArray m_bits;
};

} // namespace yb
