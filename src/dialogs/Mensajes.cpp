#include "dialogs/Mensajes.h"
#include "dialogs/MensajesScript.h"

#include <QApplication>
#include <QFont>
#include <QLabel>
#include <QMessageBox>
#include <QPointer>
#include <QPushButton>
#include <QScreen>

namespace yb {

namespace {

bool g_english = false;
Mensajes::Desatendido g_desatendido;

QString &tituloActual()
{
    static QString title = QStringLiteral("Yerbalia");
    return title;
}

// Buttons sit 31 pixels above the client's bottom edge, 25 high; the text label has 3 more
// pixels below it than the buttons need.
constexpr int AltoBoton = 25;
constexpr int ArribaBoton = 31;
constexpr int EspacioBotones = 33;
constexpr int MargenAlto = 30;
constexpr int MargenAncho = 50;
constexpr int AnchoAceptar = 79;
constexpr int AnchoSi = 67;
constexpr int AnchoNo = 67;
constexpr int AnchoCancelar = 79;
constexpr int DesplazamientoSiNo = 43;

QPushButton *crearBoton(QWidget *parent, const char *name)
{
    auto *b = new QPushButton(parent);
    b->setObjectName(QLatin1String(name));
    b->setAutoDefault(true);
    return b;
}

} // namespace

TFMensajes::TFMensajes(int kind, const QString &text, QWidget *parent)
    : QDialog(parent, Qt::Tool | Qt::CustomizeWindowHint | Qt::WindowTitleHint),
      m_tipo(kind)
{
    setObjectName(QStringLiteral("FMensajes"));
    setModal(true);
    setWindowTitle(Mensajes::titulo());
    crearControles();
    ponerTextos();
    ajustarTamano(text);
    colocarBotones();
    centrar();
}

QString TFMensajes::textoVisible(const QString &text)
{
    QString t = text;
    t.replace(QLatin1String("\r\n"), QLatin1String("\n"));
    t.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return t;
}

void TFMensajes::crearControles()
{
    Lab = new QLabel(this);
    Lab->setObjectName(QStringLiteral("Lab"));
    Lab->setTextFormat(Qt::PlainText);
    Lab->setWordWrap(true);
    Lab->setAlignment(Qt::AlignCenter);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(13);
    Lab->setFont(font);
    QPalette pal = Lab->palette();
    pal.setColor(QPalette::WindowText, QColor(55, 33, 7));
    Lab->setPalette(pal);

    Aceptar = crearBoton(this, "Aceptar");
    si = crearBoton(this, "si");
    No = crearBoton(this, "No");
    Cancelar = crearBoton(this, "Cancelar");
    connect(Aceptar, &QPushButton::clicked, this, [this] { responder(Respuesta::Ok); });
    connect(si, &QPushButton::clicked, this, [this] { responder(Respuesta::Yes); });
    connect(No, &QPushButton::clicked, this, [this] { responder(Respuesta::No); });
    connect(Cancelar, &QPushButton::clicked, this, [this] { responder(Respuesta::Cancel); });

    Aceptar->setVisible(m_tipo == Informacion);
    si->setVisible(m_tipo != Informacion);
    No->setVisible(m_tipo != Informacion);
    Cancelar->setVisible(m_tipo == SiNoCancelar);

    QPushButton *def = m_tipo == Informacion ? Aceptar : si;
    def->setDefault(true);
    def->setFocus();
}

void TFMensajes::ponerTextos()
{
    const bool en = Mensajes::english();
    Aceptar->setText(en ? QStringLiteral("OK") : QStringLiteral("Aceptar"));
    si->setText(en ? QStringLiteral("&Yes") : QStringLiteral("&Si"));
    No->setText(QStringLiteral("&No"));
    Cancelar->setText(en ? QStringLiteral("Cancel") : QStringLiteral("Cancelar"));
}

// The label wraps the text at the client width of the narrow window and takes the height of the
// wrapped text; it then keeps that size with a margin round it, and the window fits the label.
void TFMensajes::ajustarTamano(const QString &text)
{
    Lab->setText(textoVisible(text));
    const int w = anchoTexto();
    const int h = Lab->heightForWidth(w);
    Lab->setGeometry(0, 0, w + MargenAncho, h + MargenAlto);
    setFixedSize(Lab->width(), Lab->height() + EspacioBotones);
}

void TFMensajes::colocarBotones()
{
    const int m = width() / 2;
    const int top = height() - ArribaBoton;
    const int shift = m_tipo == SiNo ? DesplazamientoSiNo : 0;
    Aceptar->setGeometry(m - 40, top, AnchoAceptar, AltoBoton);
    si->setGeometry(m - 111 + shift, top, AnchoSi, AltoBoton);
    No->setGeometry(m - 39 + shift, top, AnchoNo, AltoBoton);
    Cancelar->setGeometry(m + 33, top, AnchoCancelar, AltoBoton);
}

void TFMensajes::centrar()
{
    QScreen *screen = parentWidget() ? parentWidget()->screen() : QGuiApplication::primaryScreen();
    if (!screen)
        return;
    // The client area is placed, so the centre holds whatever frame the window system adds.
    const QRect area = screen->availableGeometry();
    setGeometry(area.x() + (area.width() - width()) / 2, area.y() + (area.height() - height()) / 2, width(), height());
}

void TFMensajes::reject()
{
    if (m_tipo == SiNo)
        responder(Respuesta::No);
    else if (m_tipo == SiNoCancelar)
        responder(Respuesta::Cancel);
}

void TFMensajes::responder(Respuesta r)
{
    m_respuesta = r;
    done(QDialog::Accepted);
}

namespace Mensajes {

namespace {

Respuesta mostrar(int kind, const QString &text)
{
    Respuesta scripted = Respuesta::None;
    if (Script::answer(kind, text, scripted))
        return scripted;
    if (g_desatendido) {
        g_desatendido(text);
        return kind == TFMensajes::Informacion ? Respuesta::Ok
               : kind == TFMensajes::SiNo      ? Respuesta::No
                                               : Respuesta::Cancel;
    }
    QPointer<TFMensajes> dlg = new TFMensajes(kind, text, QApplication::activeWindow());
    dlg->exec();
    if (!dlg)
        return Respuesta::None;
    const Respuesta r = dlg->respuesta();
    delete dlg;
    return r;
}

} // namespace

void informar(const QString &text) { mostrar(TFMensajes::Informacion, text); }

bool preguntar(const QString &text) { return mostrar(TFMensajes::SiNo, text) == Respuesta::Yes; }

Respuesta preguntarCancelar(const QString &text) { return mostrar(TFMensajes::SiNoCancelar, text); }

bool confirmar(const QString &text)
{
    Respuesta scripted = Respuesta::None;
    if (Script::answer(kConfirmacion, text, scripted))
        return scripted == Respuesta::Ok;
    if (g_desatendido) {
        g_desatendido(text);
        return false;
    }
    const auto caja = cajaEstandar(QMessageBox::Question, text, QMessageBox::Ok | QMessageBox::Cancel);
    caja->setDefaultButton(QMessageBox::Ok);
    return caja->exec() == QMessageBox::Ok;
}

std::unique_ptr<QMessageBox> cajaEstandar(QMessageBox::Icon icono, const QString &text,
                                          QMessageBox::StandardButtons botones)
{
    // Qt labels these buttons from its translations, which the program does not load.
    struct Rotulo {
        QMessageBox::StandardButton boton;
        const char *esp, *ing;
    };
    static constexpr Rotulo rotulos[] = {{QMessageBox::Ok, "Aceptar", "OK"},
                                         {QMessageBox::Cancel, "Cancelar", "Cancel"},
                                         {QMessageBox::Yes, "Sí", "Yes"},
                                         {QMessageBox::No, "No", "No"}};
    auto caja = std::make_unique<QMessageBox>(icono, titulo(), text, botones, QApplication::activeWindow());
    for (const Rotulo &r : rotulos)
        if (QAbstractButton *b = caja->button(r.boton))
            b->setText(QString::fromUtf8(g_english ? r.ing : r.esp));
    return caja;
}

void setDesatendido(Desatendido alMensaje) { g_desatendido = std::move(alMensaje); }

void setEnglish(bool english) { g_english = english; }

bool english() { return g_english; }

void setTitulo(const QString &title) { tituloActual() = title; }

QString titulo() { return tituloActual(); }

} // namespace Mensajes

} // namespace yb
