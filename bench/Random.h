#pragma once

#include <QtGlobal>

namespace yb {

// splitmix64: a small, fast generator that gives the same numbers everywhere,
// so a seed always gives the same synthetic data and the same benchmark inputs.
class Random {
public:
    explicit Random(quint64 seed) : m_state(seed) {}

    quint64 next()
    {
        quint64 z = (m_state += 0x9E3779B97F4A7C15ull);
        z = (z ^ (z >> 30)) * 0xBF58476D1CE4E5B9ull;
        z = (z ^ (z >> 27)) * 0x94D049BB133111EBull;
        return z ^ (z >> 31);
    }
    // 0 <= result < n
    int below(int n) { return n <= 0 ? 0 : int(((next() >> 32) * quint64(n)) >> 32); }
    // lo <= result <= hi
    int between(int lo, int hi) { return lo + below(hi - lo + 1); }
    double uniform() { return double(next() >> 11) * 0x1.0p-53; }
    bool chance(double p) { return uniform() < p; }
    template <typename T, size_t N>
    const T &pick(const T (&items)[N])
    {
        return items[below(int(N))];
    }

private:
    quint64 m_state;
};

} // namespace yb
