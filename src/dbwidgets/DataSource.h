#pragma once

#include "data/Cursor.h"
#include "dbwidgets/ConnectionSet.h"

#include <QObject>
#include <QPointer>

namespace yb {

// The link between a cursor and the controls that show it: which cursor, and
// whether those controls may start editing its current record (AutoEdit).
class DataSource : public QObject {
    Q_OBJECT
public:
    explicit DataSource(QObject *parent = nullptr);
    explicit DataSource(Cursor *cursor, QObject *parent = nullptr);

    Cursor *cursor() const { return m_cursor; }
    void setCursor(Cursor *cursor); // may be null

    bool autoEdit() const { return m_autoEdit; }
    void setAutoEdit(bool on);

    // True when the current record is being edited or inserted; puts it into
    // editing first when the controls may start editing. Never throws.
    bool edit();

    // Hands an error of the table engine met by a control (a value refused, a
    // record that cannot be edited or stored) to the window that owns the data
    // source, which tells the user; the control keeps what the user typed.
    void reportError(const DbError &error) { emit errorOccurred(error); }

signals:
    void cursorChanged();
    void autoEditChanged(bool on);
    // The cursor's own signals, forwarded.
    void rowsChanged();
    void currentChanged();
    void recordChanged();
    void errorOccurred(const yb::DbError &error);

private:
    QPointer<Cursor> m_cursor;
    ConnectionSet m_connections;
    bool m_autoEdit = true;
};

} // namespace yb
