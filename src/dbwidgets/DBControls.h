#pragma once

#include "dbwidgets/FieldLink.h"

#include <QLabel>
#include <QLineEdit>
#include <QPlainTextEdit>

namespace yb {

// An edit box bound to a field: shows the current record's value; typing assigns
// the field while the record may be edited, and changes nothing otherwise.
class DBEdit : public QLineEdit {
    Q_OBJECT
public:
    explicit DBEdit(QWidget *parent = nullptr);
    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }

private:
    void load();
    void typed(const QString &text);

    FieldLink m_link;
};

// A label showing a field of the current record, numbers with an optional display format.
class DBText : public QLabel {
    Q_OBJECT
public:
    explicit DBText(QWidget *parent = nullptr);
    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }
    void setDisplayFormat(const QString &format);

private:
    void load();

    FieldLink m_link;
    QString m_format;
};

// A memo box bound to a text field, under the same editing rule as DBEdit.
class DBMemo : public QPlainTextEdit {
    Q_OBJECT
public:
    explicit DBMemo(QWidget *parent = nullptr);
    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }

private:
    void load();
    void typed();

    FieldLink m_link;
    bool m_loading = false;
};

// A picture box showing a Graphic field; an empty field shows no picture.
class DBImage : public QLabel {
    Q_OBJECT
public:
    explicit DBImage(QWidget *parent = nullptr);
    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }

private:
    void load();

    FieldLink m_link;
    QByteArray m_bytes;
    bool m_loaded = false;
};

} // namespace yb
