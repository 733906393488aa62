#include "browser/SelClase.h"

#include "browser/Avisos.h"
#include "browser/Textos.h"
#include "dbwidgets/DBGrid.h"
#include "dbwidgets/DataSource.h"
#include "dbwidgets/EditarCelda.h"
#include "dialogs/Mensajes.h"
#include "dialogs/PoliticaErrores.h"
#include "dialogs/Sesion.h"

#include <QApplication>
#include <QFontDatabase>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QScreen>
#include <QStyle>
#include <QVBoxLayout>

namespace yb {

namespace {

QPushButton *boton(QWidget *parent, const char *nombre, const QString &texto)
{
    auto *b = new QPushButton(texto, parent);
    b->setObjectName(QLatin1String(nombre));
    b->setAutoDefault(false);
    return b;
}

// The width a title bar needs to show a window's caption whole: the caption as the
// platform writes it (followed by the application's name), in the bold title font,
// beside the window's icon and its three buttons.
int anchoParaTitulo(const QWidget *ventana)
{
    QString titulo = ventana->windowTitle();
    const QString aplicacion = QGuiApplication::applicationDisplayName();
    if (!aplicacion.isEmpty() && !titulo.endsWith(aplicacion))
        titulo += QStringLiteral(" \u2014 ") + aplicacion;
    QFont fuente = QFontDatabase::systemFont(QFontDatabase::TitleFont);
    fuente.setBold(true);
    const int boton = ventana->style()->pixelMetric(QStyle::PM_TitleBarHeight, nullptr, ventana);
    return QFontMetrics(fuente).horizontalAdvance(titulo) + 4 * boton;
}

} // namespace

TFSelClase::TFSelClase(Database &db, const Sesion &sesion, QWidget *parent)
    : TVentana(parent, Qt::Dialog),
      m_clases(db, QStringLiteral("Clases")),
      SClases(new DataSource(this)),
      m_sesion(sesion)
{
    setObjectName(QStringLiteral("FSelClase"));
    setWindowModality(Qt::ApplicationModal);
    m_clases.setIndexName(QStringLiteral("PorNom"));
    SClases->setObjectName(QStringLiteral("SClases"));
    SClases->setAutoEdit(false);
    avisarFallos(SClases, [this] { return m_sesion.ingles(); });
    crearControles();
    resize(280, 340);
}

TFSelClase::~TFSelClase() = default;

void TFSelClase::crearControles()
{
    Gr = new DBGrid(this);
    Gr->setObjectName(QStringLiteral("Gr"));
    Gr->setReadOnly(true);
    Gr->setSelectionBehavior(QAbstractItemView::SelectRows);
    Gr->horizontalHeader()->hide();
    Gr->setColumns({DBGrid::Column(QStringLiteral("NomEsp"))});
    Gr->setDataSource(SClases);
    Gr->installEventFilter(this);
    connect(Gr, &QAbstractItemView::doubleClicked, this, manejador([this] { GrDblClick(); }));

    LabBus = new QLabel(this);
    LabBus->setObjectName(QStringLiteral("LabBus"));

    Modificar = boton(this, "Modificar", QStringLiteral("Modificar"));
    Modificar->setCheckable(true);
    Modificar->setFocusPolicy(Qt::NoFocus);
    QPalette rojo = Modificar->palette();
    rojo.setColor(QPalette::ButtonText, Qt::red);
    Modificar->setPalette(rojo);
    connect(Modificar, &QPushButton::clicked, this, manejador([this] { ModificarClick(); }));

    PanBot = new QWidget(this);
    PanBot->setObjectName(QStringLiteral("PanBot"));
    Ninguna = boton(PanBot, "Ninguna", QStringLiteral("Ninguna"));
    Aceptar = boton(PanBot, "Aceptar", QStringLiteral("Aceptar"));
    Cancelar = boton(PanBot, "Cancelar", QStringLiteral("Cancelar"));
    connect(Ninguna, &QPushButton::clicked, this, manejador([this] { NingunaClick(); }));
    connect(Aceptar, &QPushButton::clicked, this, manejador([this] { AceptarClick(); }));
    connect(Cancelar, &QPushButton::clicked, this, manejador([this] { CancelarClick(); }));

    auto *botones = new QHBoxLayout(PanBot);
    botones->setContentsMargins(0, 0, 0, 0);
    botones->addWidget(Ninguna);
    botones->addWidget(Aceptar);
    botones->addWidget(Cancelar);

    auto *pie = new QHBoxLayout;
    pie->addWidget(Modificar);
    pie->addStretch();
    pie->addWidget(PanBot);

    auto *todo = new QVBoxLayout(this);
    todo->setContentsMargins(4, 4, 4, 4);
    todo->addWidget(Gr, 1);
    todo->addWidget(LabBus);
    todo->addLayout(pie);
}

QString TFSelClase::mensaje(int numero) const { return (m_sesion.ingles() ? listaIng() : listaEsp()).value(numero); }

QString TFSelClase::campoNombre() const
{
    return m_sesion.ingles() ? QStringLiteral("NomIng") : QStringLiteral("NomEsp");
}

void TFSelClase::TextosIngles()
{
    Gr->setColumns({DBGrid::Column(campoNombre())});
    m_clases.setIndexName(QStringLiteral("PorNomIng"));
    Ninguna->setText(QStringLiteral("None"));
    Aceptar->setText(QStringLiteral("Ok"));
    Cancelar->setText(QStringLiteral("Cancel"));
}

bool TFSelClase::elegir(int padre, int &clave)
{
    if (isVisible())
        return false; // already choosing
    QString palabra = mensaje(5);
    if (padre > 0)
        palabra = QStringLiteral("Sub-") + palabra;
    LabBus->clear();
    setWindowTitle(mensaje(6) + palabra);
    if (const int ancho = anchoParaTitulo(this); width() < ancho)
        resize(ancho, height()); // the caption is never cut short

    m_padre = padre;
    m_clases.close();
    m_clases.setFilter(QStringLiteral("Padre=%1").arg(padre));
    m_clases.setFiltered(true);
    m_clases.open();
    if (m_clases.isEmpty() && !m_sesion.editando()) {
        Mensajes::informar(mensaje(7));
        cerrarCursor();
        return false;
    }
    m_clases.locate({QStringLiteral("Num")}, {clave});
    SClases->setCursor(&m_clases);
    ajustarColumna(Gr);

    if (!m_sesion.editor())
        Modificar->setChecked(false);
    Modificar->setVisible(m_sesion.editor());
    Ninguna->setVisible(m_sesion.editando());
    ModificarClick();

    m_resultado = Resultado::Ninguno;
    if (!mostrarModal(Gr, Centro::VentanaActiva))
        return false;

    bool elegido = false;
    if (m_resultado == Resultado::Aceptado) {
        clave = m_elegida;
        elegido = true;
    } else if (m_resultado == Resultado::SinClase) {
        clave = 0;
        elegido = true;
    }
    cerrarCursor();
    return elegido;
}

void TFSelClase::cerrarCursor()
{
    SClases->setCursor(nullptr);
    m_clases.cancel();
    m_clases.close();
}

void TFSelClase::ModificarClick()
{
    PanBot->setVisible(!Modificar->isChecked());
    Gr->setFocus();
}

void TFSelClase::AceptarClick()
{
    m_elegida = m_clases.isOpen() && !m_clases.isEmpty() ? m_clases.asInt(u"Num") : 0;
    m_resultado = Resultado::Aceptado;
    hide();
}

void TFSelClase::NingunaClick()
{
    m_resultado = Resultado::SinClase;
    hide();
}

void TFSelClase::CancelarClick()
{
    m_resultado = Resultado::Ninguno;
    hide();
}

void TFSelClase::GrDblClick()
{
    if (PanBot->isVisible())
        AceptarClick();
}

void TFSelClase::GrExit() { LabBus->clear(); }

// Enter chooses and Esc cancels, as long as the buttons are showing.
void TFSelClase::keyPressEvent(QKeyEvent *event)
{
    const bool eligiendo = !PanBot->isHidden();
    if (event->modifiers() == Qt::NoModifier || event->modifiers() == Qt::KeypadModifier) {
        if ((event->key() == Qt::Key_Return || event->key() == Qt::Key_Enter) && eligiendo) {
            PoliticaErrores::ejecutar([this] { AceptarClick(); });
            return;
        }
        if (event->key() == Qt::Key_Escape && eligiendo) {
            PoliticaErrores::ejecutar([this] { CancelarClick(); });
            return;
        }
    }
    TVentana::keyPressEvent(event);
}

bool TFSelClase::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == Gr) {
        const bool usada = PoliticaErrores::ejecutar(
            [&] {
                if (event->type() == QEvent::KeyPress && GrKeyDown(static_cast<QKeyEvent *>(event)))
                    return true;
                if (event->type() == QEvent::FocusOut)
                    GrExit();
                if (event->type() == QEvent::Resize)
                    ajustarColumna(Gr);
                return false;
            },
            true);
        if (usada)
            return true;
    }
    return TVentana::eventFilter(watched, event);
}

TFSelClase::Tecleo TFSelClase::teclear(const QString &texto, int key)
{
    switch (key) {
    case Qt::Key_Backspace: return {Tecleo::Buscar, texto.left(texto.size() - 1)};
    case Qt::Key_Shift:
    case Qt::Key_Control:
    case Qt::Key_Alt:
    case Qt::Key_AltGr:
    case Qt::Key_Pause:
    case Qt::Key_CapsLock: return {Tecleo::Nada, texto};
    default: break;
    }
    if (key == Qt::Key_Space || (key >= Qt::Key_0 && key <= Qt::Key_9) || (key >= Qt::Key_A && key <= Qt::Key_Z))
        return {Tecleo::Buscar, texto + QChar(key)};
    return {Tecleo::Vaciar, QString()};
}

bool TFSelClase::GrKeyDown(QKeyEvent *event)
{
    const int key = event->key();
    const bool escribe = key == Qt::Key_Space || key == Qt::Key_Backspace || (key >= Qt::Key_0 && key <= Qt::Key_9) ||
                         (key >= Qt::Key_A && key <= Qt::Key_Z);
    if (Modificar->isChecked()) {
        if (key == Qt::Key_Return || key == Qt::Key_Enter) {
            EditarCelda(Gr); // a name that cannot be stored is reported and stays in the box
            return true;
        }
        if (key == Qt::Key_Insert) {
            agregarClase();
            return true;
        }
        return escribe; // no type-ahead while the names are being edited
    }
    const Tecleo t = teclear(LabBus->text(), key);
    if (t.accion == Tecleo::Nada)
        return false;
    LabBus->setText(t.texto);
    if (t.accion == Tecleo::Buscar) {
        buscar(t.texto);
        return true;
    }
    return false; // the key goes on to the grid and the window
}

void TFSelClase::buscar(const QString &texto)
{
    try {
        m_clases.findNearest({texto});
    } catch (const DbError &) {
        QApplication::beep();
        LabBus->clear();
    }
}

QRect TFSelClase::rectNuevaFila() const
{
    const QAbstractItemModel *modelo = Gr->model();
    const int filas = modelo->rowCount();
    const int alto = Gr->verticalHeader()->defaultSectionSize();
    const int x = Gr->columnViewportPosition(0);
    const int ancho = Gr->columnWidth(0);
    if (filas == 0)
        return QRect(x, 0, ancho, alto);
    const QRect ultima = Gr->visualRect(modelo->index(filas - 1, 0));
    return QRect(x, ultima.bottom() + 1, ancho, alto);
}

void TFSelClase::agregarClase()
{
    Gr->scrollToBottom();
    m_clases.append();
    QString nombre;
    const bool guardada = editarYGuardar(nombre, Gr->viewport(), rectNuevaFila(), *SClases, [this](const QString &n) {
        m_clases.setValue(campoNombre(), n);
        m_clases.setValue(u"Padre", m_padre);
        return m_clases.post();
    });
    if (!guardada)
        m_clases.cancel(); // given up: the new row is dropped
}

} // namespace yb
