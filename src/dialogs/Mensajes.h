#pragma once

#include <QDialog>
#include <QMessageBox>
#include <QString>
#include <functional>
#include <memory>

class QLabel;
class QPushButton;

namespace yb {

// The answer a message dialog gives back; None while it is still open.
enum class Respuesta { None, Ok, Yes, No, Cancel };

// The one dialog for messages and questions: sizes itself to its text, answers by its buttons.
class TFMensajes : public QDialog {
    Q_OBJECT
public:
    enum Tipo { Informacion = 1, SiNo = 2, SiNoCancelar = 3 };

    // Outer width of the window the text is first wrapped in, and its thin tool-window border.
    static constexpr int AnchoVentana = 200;
    static constexpr int BordeVentana = 3;

    TFMensajes(int kind, const QString &text, QWidget *parent = nullptr);

    int tipo() const { return m_tipo; }
    Respuesta respuesta() const { return m_respuesta; }

    // Client width of an AnchoVentana-wide window: the width the text wraps at.
    static int anchoTexto() { return AnchoVentana - 2 * BordeVentana; }
    // Carriage returns ("\r\n" or a lone "\r") become line breaks.
    static QString textoVisible(const QString &text);

    QLabel *Lab;
    QPushButton *Aceptar;
    QPushButton *si;
    QPushButton *No;
    QPushButton *Cancelar;

public slots:
    // Esc: nothing in the information message, No in the yes/no question, Cancel otherwise.
    void reject() override;

private:
    void crearControles();
    void ponerTextos();
    void ajustarTamano(const QString &text);
    void colocarBotones();
    void centrar();
    void responder(Respuesta r);

    int m_tipo;
    Respuesta m_respuesta = Respuesta::None;
};

namespace Mensajes {

// Information message with one button; returns when it is closed.
void informar(const QString &text);
// Yes/no question; true when the answer is Yes.
bool preguntar(const QString &text);
// Yes/no/cancel question.
Respuesta preguntarCancelar(const QString &text);

// The platform's confirmation box with OK and Cancel (not a message dialog of
// this module: some editor questions use it); true on OK.
inline constexpr int kConfirmacion = 4; // its kind, for scripted answers
bool confirmar(const QString &text);

// A run nobody answers (a screenshot): while set, no dialog shows; each hands
// its text to this function and takes the answer that changes nothing (OK for
// a message, No, Cancel).
using Desatendido = std::function<void(const QString &)>;
void setDesatendido(Desatendido alMensaje);

// The platform's standard box (the error box, the confirmation) with its
// standard buttons labelled in the interface language; shown by the caller.
std::unique_ptr<QMessageBox> cajaEstandar(QMessageBox::Icon icono, const QString &text,
                                          QMessageBox::StandardButtons botones);

// Interface language of the buttons, set once at start (Spanish by default).
void setEnglish(bool english);
bool english();

// Caption of every message dialog (the application's title, "Yerbalia" by default).
void setTitulo(const QString &title);
QString titulo();

} // namespace Mensajes

} // namespace yb
