#pragma once

#include <QList>
#include <QObject>

namespace yb {

// The connections an object made to its current source (a cursor, a data source),
// dropped together when it follows another source or goes away.
class ConnectionSet {
public:
    ConnectionSet() = default;
    ConnectionSet(const ConnectionSet &) = delete;
    ConnectionSet &operator=(const ConnectionSet &) = delete;
    ~ConnectionSet() { disconnectAll(); }

    ConnectionSet &operator<<(const QMetaObject::Connection &connection)
    {
        m_connections << connection;
        return *this;
    }

    void disconnectAll()
    {
        for (const QMetaObject::Connection &c : std::as_const(m_connections))
            QObject::disconnect(c);
        m_connections.clear();
    }

private:
    QList<QMetaObject::Connection> m_connections;
};

} // namespace yb
