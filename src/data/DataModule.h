#pragma once

#include "data/Cursor.h"
#include "data/TagBits.h"

#include <QStringList>
#include <array>
#include <functional>
#include <optional>

namespace yb {

// The current record as the refresh after every move tells it: its kind, whether
// it has a photo, how many links it has, which of its names are to be shown, and
// its three profiles.
struct RegistroActual {
    bool esFormula = false;
    bool tieneFoto = false;
    // Its actions, its indications, and the ingredients of a formula or the formulas a herb is in.
    struct Cuentas {
        int acciones = 0, indicaciones = 0, formulas = 0;
    };
    std::optional<Cuentas> cuentas; // absent when they could not be counted
    // Nom0 … Nom10 to be shown: those of more than one letter, every one in editor mode.
    // Absent when the counts are.
    std::optional<std::array<bool, 11>> nombres;
    QString meridianos, sabor, energia;
    // A formula's profile is worked out from its ingredients (editing the whole list), not read.
    bool perfilDeIngredientes = false;
};

// Who shows the current record: told after every move, with the record's
// facts before its notes row is found, and again once the refresh has ended.
class TDMVista {
public:
    virtual ~TDMVista() = default;
    virtual void mostrarRegistro(const RegistroActual &registro) = 0;
    virtual void registroMostrado() = 0;
};

// The data module: the shared cursors, their lookups and record events, the
// refresh after every move of the current record, the search-hit set and
// the message table in use.
class TDM {
public:
    TDM(Database &db, const QStringList &listaEsp);
    ~TDM();

    Database &database() const { return m_db; }
    // Who shows the current record; without one the refresh does nothing.
    void setVista(TDMVista *vista) { m_vista = vista; }

    // The list's state, set by the window: the kind of records (0 herbs, 1 formulas,
    // 2 both), the modes, and the filters of the record test.
    int tipo = 2;
    bool modoEditor = false;
    bool editando = false;
    bool filtroBusqueda = false; // only the search's hits pass
    // The properties test on the three profiles (meridians, nature, taste); none: off.
    using FiltroPropiedades = std::function<bool(const QString &, const QString &, const QString &)>;
    FiltroPropiedades filtroPropiedades;
    // How the module shows an information message (the message dialogs in the application).
    std::function<void(const QString &)> informar;
    // Shows or hides the hourglass pointer around long operations.
    std::function<void(bool)> reloj;
    // How the module says that what the user typed could not be stored.
    std::function<void(const DbError &)> guardadoFallido;

    // Cursors
    Cursor TPlan, TAuxPlan, TEsp, TClases, TUsos, TSint, TComp;
    Cursor TRel, TRelSint, TRelComp, TRelFormPl, TRelPlForm, TNotas, TFuentes, TGlo;

    TTagBits tagBits;     // the search-hit set
    QStringList mensajes; // the message table in use
    QString mensaje(int n) const { return mensajes.value(n); }

    // Lookup result fields in the interface language.
    void setEnglish(bool english);

    // Opens the shared cursors in the order of the first showing; closes them.
    // When the data directory's database could not be opened, opening reports that error.
    void abrir();
    void setErrorApertura(const DbError &error) { m_errorApertura = error; }
    void cerrar();

    // What the user typed in the current record and in its notes: stored
    // (throws the engine's error when it cannot be, the typed text staying in
    // the record buffers), or dropped when the user leaves without it.
    void guardarPendientes();
    void descartarPendientes();
    // Stores it and, when it cannot be stored, tells guardadoFallido: false then.
    // TPlan's BeforeScroll: the current record is never left with it unstored.
    bool guardarLoEscrito();

    // Record events.
    void TPlanAfterScroll();
    bool TPlanFilterRecord(const Record &record) const;
    // Puts the record test on TPlan while a search or properties filter is on,
    // and takes it off otherwise: without one it passes every record, so the
    // list need not read every record's profiles. Called when a filter changes.
    void ajustarPruebaDeRegistro();
    void TPlanAfterInsert(Cursor &cursor);
    static void TPlanAfterPost(Cursor &cursor);
    Cursor::PostErrorAction TRelPostError(Cursor &cursor, const DbError &error);
    static void TRelPlFormCalcFields(Cursor &cursor);

    // Orders a cursor by one field through the index "Por" + field, creating it when missing.
    // False for a field the table does not have; any other failure of the engine
    // throws its DbError. Either way the cursor keeps its order, open or closed as before.
    bool UsarIndice(Cursor &cursor, const QString &field);
    static QString indexNameFor(const QString &field);

    // The current record's key; 0 when the list is empty.
    int claveActual() const { return TPlan.asInt(u"Clave"); }

private:
    void declareLookups();
    void refreshNotes();
    void guardarNotas();

    Database &m_db;
    TDMVista *m_vista = nullptr;
    std::optional<DbError> m_errorApertura;
    struct CamposPrueba {
        int clave = 0, meridianos = 0, energia = 0, sabor = 0;
    } m_camposPrueba; // where the record test finds its fields
};

} // namespace yb
