#include "dbwidgets/DataSource.h"

namespace yb {

DataSource::DataSource(QObject *parent) : QObject(parent) {}

DataSource::DataSource(Cursor *cursor, QObject *parent) : QObject(parent) { setCursor(cursor); }

void DataSource::setCursor(Cursor *cursor)
{
    if (cursor == m_cursor)
        return;
    m_connections.disconnectAll();
    m_cursor = cursor;
    if (cursor) {
        m_connections << connect(cursor, &Cursor::rowsChanged, this, &DataSource::rowsChanged)
                      << connect(cursor, &Cursor::currentChanged, this, &DataSource::currentChanged)
                      << connect(cursor, &Cursor::recordChanged, this, &DataSource::recordChanged)
                      << connect(cursor, &QObject::destroyed, this, [this] {
                             m_connections.disconnectAll();
                             m_cursor = nullptr;
                             emit cursorChanged();
                         });
    }
    emit cursorChanged();
}

void DataSource::setAutoEdit(bool on)
{
    if (on == m_autoEdit)
        return;
    m_autoEdit = on;
    emit autoEditChanged(on);
}

bool DataSource::edit()
{
    if (!m_cursor || !m_cursor->isOpen())
        return false;
    const auto editing = [this] {
        return m_cursor->state() == Cursor::State::Edit || m_cursor->state() == Cursor::State::Insert;
    };
    if (!editing() && m_autoEdit) {
        try {
            m_cursor->edit();
        } catch (const DbError &e) {
            reportError(e);
        }
    }
    return editing();
}

} // namespace yb
