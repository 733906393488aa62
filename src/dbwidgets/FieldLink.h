#pragma once

#include "dbwidgets/ConnectionSet.h"
#include "dbwidgets/DataSource.h"

#include <QPointer>

namespace yb {

// Binds one control to one field of a data source's cursor: reads the field of
// the current record, writes it under the editing rule, and says when to show it again.
class FieldLink : public QObject {
    Q_OBJECT
public:
    explicit FieldLink(QObject *parent = nullptr);

    DataSource *dataSource() const { return m_source; }
    void setDataSource(DataSource *source);
    QString field() const { return m_field; }
    void setField(const QString &field);

    // The cursor when it is open and has the field, else null.
    Cursor *cursor() const;
    int fieldIndex() const; // -1 without an open cursor that has the field
    FieldType fieldType() const;
    int fieldSize() const; // characters of an Alpha field, else 0

    QVariant value() const; // of the current record; null without one
    // A stored field the user may type, not a key numbered by the table nor a
    // looked-up or calculated field, which take no typing.
    bool isTypeable() const;

    // Assigns the field, starting editing when the data source allows it.
    // False, with nothing changed, when the record may not be edited or the value is refused.
    bool setValue(const QVariant &value);

signals:
    // The field's value may have changed: show it again.
    void changed();

private:
    void notify();

    QPointer<DataSource> m_source;
    ConnectionSet m_connections;
    QString m_field;
    bool m_writing = false;
};

} // namespace yb
