#include "data/TagBits.h"

namespace yb {

void TTagBits::set(int k, bool on)
{
    if (k < 0)
        return;
    if (k >= m_bits.size())
        m_bits.resize(std::max<qsizetype>(k + 1, m_bits.size() * 2));
    m_bits.setBit(k, on);
}

} // namespace yb
