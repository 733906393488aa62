#pragma once

#include <utility>

namespace yb {

// When a cursor's notices reach its views. While the display is suspended
// (by the cursor or a master) they wait and go out once on the resume; the
// rows' notice goes out only when the rows changed since the last one.
class CursorNotices {
public:
    void suspend() { ++m_suspensions; }
    // True when this ends the last suspension.
    bool resume() { return m_suspensions > 0 && --m_suspensions == 0; }
    bool isSuspended() const { return m_suspensions > 0; }

    // The rows changed: the next notice tells of them.
    void rowsChanged() { m_rowsChanged = true; }
    // A notice waits for the display.
    void defer() { m_pending = true; }
    bool isPending() const { return m_pending; }

    // A change of the rows or of the current row: true when its notices go out
    // now, and nothing waits any more; with the display `held`, they wait.
    bool announce(bool held)
    {
        if (held) {
            m_pending = true;
            return false;
        }
        m_pending = false;
        return true;
    }
    // An assignment to a field: true when it is told now.
    bool announceAssignment(bool held)
    {
        if (held)
            m_pending = true;
        return !held;
    }
    // Whether the notice going out tells of the rows too (then they are told).
    bool takeRowsChanged() { return std::exchange(m_rowsChanged, false); }

private:
    int m_suspensions = 0;
    bool m_pending = false;
    bool m_rowsChanged = false;
};

} // namespace yb
