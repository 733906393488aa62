#include "search/Buscar.h"

#include "data/TagBits.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"
#include "search/BusquedaTexto.h"
#include "search/TextMatch.h"

#include <QApplication>
#include <QButtonGroup>
#include <QGroupBox>
#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPlainTextEdit>
#include <QProgressBar>
#include <QPushButton>
#include <QRadioButton>
#include <QScreen>
#include <QTextBlock>
#include <QVBoxLayout>

namespace yb {

namespace {

QPushButton *boton(QWidget *parent, const char *nombre, const QString &texto)
{
    auto *b = new QPushButton(texto, parent);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(true); // Enter on a button with the focus presses that button
    return b;
}

bool esEnter(const QKeyEvent *event) { return event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter; }

} // namespace

TFBuscar::TFBuscar(Database &db, TTagBits &hits, const Sesion &sesion, QWidget *parent)
    : TVentana(parent, Qt::Dialog),
      m_db(db),
      m_hits(hits),
      m_sesion(sesion)
{
    setObjectName(QStringLiteral("FBuscar"));
    setWindowTitle(QStringLiteral("Buscar"));
    setWindowModality(Qt::ApplicationModal);
    crearControles();
    setFixedSize(250, 243);
    MemoChange();
}

TFBuscar::~TFBuscar() = default;

void TFBuscar::crearControles()
{
    Label1 = new QLabel(QStringLiteral("Escriba en cada renglón la palabra  o frase a buscar"), this);
    Label1->setObjectName(QStringLiteral("Label1"));
    Label1->setAlignment(Qt::AlignCenter);
    Label1->setWordWrap(true);

    Memo = new QPlainTextEdit(this);
    Memo->setObjectName(QStringLiteral("Memo"));
    Memo->setLineWrapMode(QPlainTextEdit::NoWrap);
    Memo->setTabChangesFocus(true);
    Memo->installEventFilter(this);
    connect(Memo, &QPlainTextEdit::textChanged, this, &TFBuscar::MemoChange);

    Barra = new QProgressBar(this);
    Barra->setObjectName(QStringLiteral("Barra"));
    Barra->setRange(0, 100);
    Barra->setValue(0);
    Barra->setTextVisible(false);
    Barra->setFixedHeight(14);

    Aceptar = boton(this, "Aceptar", QStringLiteral("Buscar"));
    Limpiar = boton(this, "Limpiar", QStringLiteral("Limpiar"));
    Cancelar = boton(this, "Cancelar", QStringLiteral("Cancelar"));
    Aceptar->setDefault(true);
    connect(Aceptar, &QPushButton::clicked, this, manejador([this] { AceptarClick(); }));
    connect(Limpiar, &QPushButton::clicked, this, manejador([this] { LimpiarClick(); }));
    connect(Cancelar, &QPushButton::clicked, this, manejador([this] { CancelarClick(); }));

    OrAnd = new QGroupBox(this);
    OrAnd->setObjectName(QStringLiteral("OrAnd"));
    m_orAnd = new QButtonGroup(OrAnd);
    auto *opciones = new QHBoxLayout(OrAnd);
    opciones->setContentsMargins(6, 2, 6, 2);
    const QStringList textos{QStringLiteral("Cualquiera (O)"), QStringLiteral("Todos (Y)")};
    for (int i = 0; i < textos.size(); ++i) {
        auto *opcion = new QRadioButton(textos[i], OrAnd);
        opcion->setObjectName(QStringLiteral("OrAnd_%1").arg(i));
        m_orAnd->addButton(opcion, i);
        opciones->addWidget(opcion);
    }
    m_orAnd->button(1)->setChecked(true);

    auto *botones = new QHBoxLayout;
    botones->addWidget(Aceptar);
    botones->addWidget(Limpiar);
    botones->addWidget(Cancelar);

    auto *todo = new QVBoxLayout(this);
    todo->setContentsMargins(6, 6, 6, 6);
    todo->setSpacing(5);
    todo->addWidget(Label1);
    todo->addWidget(Memo, 1);
    todo->addWidget(Barra);
    todo->addLayout(botones);
    todo->addWidget(OrAnd);
}

void TFBuscar::TextosIngles()
{
    setWindowTitle(QStringLiteral("Search"));
    Label1->setText(QStringLiteral("Use different lines to type each word or phrase to search"));
    Aceptar->setText(QStringLiteral("Search"));
    Limpiar->setText(QStringLiteral("Clean"));
    Cancelar->setText(QStringLiteral("Cancel"));
    m_orAnd->button(0)->setText(QStringLiteral("Anyone (Or)"));
    m_orAnd->button(1)->setText(QStringLiteral("Everyone (And)"));
}

QStringList TFBuscar::lineas(const QString &texto)
{
    if (texto.isEmpty())
        return {};
    QStringList partes = texto.split(u'\n');
    if (texto.endsWith(u'\n'))
        partes.removeLast();
    return partes;
}

bool TFBuscar::ejecutar()
{
    if (isVisible())
        return false; // already showing
    // The caret waits after the last term, so that two Enters there start the search.
    Memo->moveCursor(QTextCursor::End);
    MemoChange();
    m_aceptado = false;

    return mostrarModal(Memo, Centro::Pantalla) && m_aceptado;
}

// Enter breaks the line only while the caret is above the memo's last line
// break; on a new empty last line, or in an empty memo, it presses Buscar.
void TFBuscar::MemoChange()
{
    const QString texto = Memo->toPlainText();
    m_enterEnMemo = Memo->textCursor().blockNumber() < lineas(texto).size();
    Limpiar->setEnabled(!texto.isEmpty());
}

void TFBuscar::LimpiarClick()
{
    Memo->clear();
    Memo->setFocus();
    MemoChange();
}

void TFBuscar::AceptarClick()
{
    buscar();
    m_aceptado = true;
    hide();
}

void TFBuscar::CancelarClick()
{
    m_aceptado = false;
    hide();
}

void TFBuscar::buscar()
{
    m_hits.clear();
    QStringList terminos = lineas(Memo->toPlainText());
    if (terminos.isEmpty()) {
        m_terminos.clear();
        return; // nothing is found
    }
    terminos.removeAll(QString());
    for (QString &termino : terminos)
        termino = Texto::plegar(termino);
    Memo->setPlainText(terminos.join(u'\n'));
    m_terminos = terminos;

    const bool todos = m_orAnd->checkedId() == 1;
    try {
        buscarTexto(m_db, terminos, todos, m_sesion.ingles(), m_sesion.editor(), m_hits, [this](int hecho, int total) {
            if (hecho == 0)
                Barra->setMaximum(std::max(total, 1)); // a range of 0 would show a busy bar
            Barra->setValue(hecho);
        });
    } catch (...) {
        Barra->setValue(0);
        throw;
    }
    Barra->setValue(0);
    emit buscado();
}

bool TFBuscar::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Memo && event->type() == QEvent::KeyPress) {
        auto *tecla = static_cast<QKeyEvent *>(event);
        if (esEnter(tecla)) {
            if (!m_enterEnMemo) {
                Aceptar->click();
                return true;
            }
            // A plain line break whatever the modifiers: a line separator would join two terms.
            Memo->insertPlainText(QStringLiteral("\n"));
            return true;
        }
        if (tecla->key() == Qt::Key_Escape) {
            Cancelar->click();
            return true;
        }
    }
    return TVentana::eventFilter(watched, event);
}

// Enter presses Buscar and Esc Cancelar, wherever the focus is but on a button.
void TFBuscar::keyPressEvent(QKeyEvent *event)
{
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if (esEnter(event)) {
            Aceptar->click();
            return;
        }
        if (event->key() == Qt::Key_Escape) {
            Cancelar->click();
            return;
        }
    }
    TVentana::keyPressEvent(event);
}

} // namespace yb
