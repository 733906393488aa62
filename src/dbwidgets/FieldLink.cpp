#include "dbwidgets/FieldLink.h"

#include <QScopedValueRollback>

namespace yb {

FieldLink::FieldLink(QObject *parent) : QObject(parent) {}

void FieldLink::setDataSource(DataSource *source)
{
    if (source == m_source)
        return;
    m_connections.disconnectAll();
    m_source = source;
    if (source) {
        m_connections << connect(source, &DataSource::cursorChanged, this, &FieldLink::notify)
                      << connect(source, &DataSource::rowsChanged, this, &FieldLink::notify)
                      << connect(source, &DataSource::currentChanged, this, &FieldLink::notify)
                      << connect(source, &DataSource::recordChanged, this, &FieldLink::notify)
                      << connect(source, &QObject::destroyed, this, &FieldLink::notify);
    }
    notify();
}

void FieldLink::setField(const QString &field)
{
    if (field == m_field)
        return;
    m_field = field;
    notify();
}

void FieldLink::notify()
{
    if (!m_writing)
        emit changed();
}

Cursor *FieldLink::cursor() const
{
    Cursor *c = m_source ? m_source->cursor() : nullptr;
    return c && c->isOpen() && !m_field.isEmpty() && c->hasField(m_field) ? c : nullptr;
}

int FieldLink::fieldIndex() const
{
    const Cursor *c = cursor();
    return c ? c->fieldIndex(m_field) : -1;
}

FieldType FieldLink::fieldType() const
{
    const Cursor *c = cursor();
    return c ? c->fieldDef(c->fieldIndex(m_field)).type : FieldType::Alpha;
}

int FieldLink::fieldSize() const
{
    const Cursor *c = cursor();
    if (!c)
        return 0;
    const FieldDef &def = c->fieldDef(c->fieldIndex(m_field));
    return def.type == FieldType::Alpha ? def.size : 0;
}

bool FieldLink::isTypeable() const
{
    const Cursor *c = cursor();
    const int f = fieldIndex();
    return c && f < c->storedFieldCount() && fieldType() != FieldType::AutoInc;
}

QVariant FieldLink::value() const
{
    const Cursor *c = cursor();
    if (!c)
        return {};
    try {
        return c->value(m_field);
    } catch (const DbError &) {
        return {};
    }
}

bool FieldLink::setValue(const QVariant &value)
{
    Cursor *c = cursor();
    if (!c)
        return false;
    // Starting the edit and assigning tell every control; this one already shows the value.
    const QScopedValueRollback writing(m_writing, true);
    if (!m_source->edit())
        return false;
    try {
        c->setValue(m_field, value);
    } catch (const DbError &e) {
        m_source->reportError(e);
        return false;
    }
    return true;
}

} // namespace yb
