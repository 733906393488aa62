#pragma once

#include "dbwidgets/FieldLink.h"

#include <QTextEdit>

namespace yb {

// A rich-text editor bound to a Memo field stored as RTF: it shows the
// current record's text and, while the data source lets controls edit,
// stores what is typed as RTF.
class DBRichEdit : public QTextEdit {
    Q_OBJECT
public:
    explicit DBRichEdit(QWidget *parent = nullptr);

    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }
    QString dataField() const { return m_link.field(); }

signals:
    // The text was loaded again: another record, another field, or a change from elsewhere.
    void cargado();

protected:
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    void cargar();
    void escrito();
    bool puedeEscribir() const;

    FieldLink m_link;
    QVariant m_guardado; // the stored value last loaded or written
    bool m_cargando = false;
    bool m_cargado = false;
};

} // namespace yb
