#pragma once

#include "dbwidgets/FieldLink.h"
#include "dbwidgets/FormatosVista.h"

#include <QTextEdit>

namespace yb {

// A rich-text editor bound to a Memo field stored as RTF: it shows the
// current record's text and, while the data source lets controls edit,
// stores what the user changes as RTF. Showing, marking and sizing the text
// never store it.
class DBRichEdit : public QTextEdit {
    Q_OBJECT
public:
    // The text size at which texts show at their own sizes.
    static constexpr qreal kTamanoBase = 10;

    explicit DBRichEdit(QWidget *parent = nullptr);

    FieldLink &link() { return m_link; }
    void setDataSource(DataSource *source) { m_link.setDataSource(source); }
    void setDataField(const QString &field) { m_link.setField(field); }
    QString dataField() const { return m_link.field(); }

    // Marks laid over the shown text, for display only; null clears them.
    void setMarcador(FormatosVista::Marcador marcador) { m_vista->setMarcador(std::move(marcador)); }
    // How much larger than its own sizes the text shows: the widget's font size over kTamanoBase.
    qreal escala() const { return m_vista->escala(); }

signals:
    // The text was loaded again: another record, another field, or a change from elsewhere.
    void cargado();

protected:
    void changeEvent(QEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void insertFromMimeData(const QMimeData *source) override;

private:
    // Which text is shown: a text of another record or field is always loaded anew.
    struct Origen {
        const Cursor *cursor = nullptr;
        QString campo;
        qint64 fila = 0;
        bool operator==(const Origen &) const = default;
    };

    void cargar();
    void escrito();
    void ajustarEscala();
    bool puedeEscribir() const;
    Origen origen() const;

    FieldLink m_link;
    FormatosVista *m_vista;
    Origen m_origen;
    QVariant m_cargado;  // the stored value as last loaded
    QVariant m_guardado; // the value last loaded or written to the record
    bool m_cargando = false;
    bool m_hayTexto = false; // something was loaded
};

} // namespace yb
