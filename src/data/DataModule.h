#pragma once

#include "data/Cursor.h"
#include "data/TagBits.h"

#include <QStringList>
#include <functional>
#include <optional>

namespace yb {

// What the data module needs of the main window: the filter state, the
// modes, and the controls its refresh updates, step by step.
class TDMHost {
public:
    virtual ~TDMHost() = default;

    virtual int selPlanForm() const = 0; // 0 herbs, 1 formulas, 2 both
    virtual bool editorMode() const = 0;
    virtual bool editing() const = 0; // the switch Modificar is down
    virtual bool searchFilterOn() const = 0;
    virtual bool propertiesFilterOn() const = 0;
    // The properties test of the properties filter, on the three profiles.
    virtual bool pasaFiltro(const QString &meridianos, const QString &energia, const QString &sabor) const = 0;

    // Refresh steps.
    virtual void showPhotoArea(bool hasPhoto, bool isFormula) = 0;
    virtual void setPageCaptions(const QString &acc, const QString &sint, const QString &formulaPage,
                                 bool isFormula) = 0;
    virtual void firstPhoto() = 0;
    virtual void setNameRowVisible(int nameIndex, bool visible) = 0; // Nom0..Nom10
    virtual void showPropertyPage(bool isFormula) = 0;
    virtual void computeFormulaProfile() = 0;
    virtual void showScales(const QString &meridianos, const QString &sabor, const QString &energia) = 0;
    virtual void switchFormulaPage(bool isFormula) = 0;
    virtual void fichaChange() = 0;
};

// The data module: the shared cursors, their lookups and record events, the
// refresh after every move of the current record, the search-hit set and
// the message table in use.
class TDM {
public:
    TDM(Database &db, const QStringList &listaEsp);
    ~TDM();

    Database &database() const { return m_db; }
    void setHost(TDMHost *host) { m_host = host; }
    // How the module shows an information message (the message dialogs in the application).
    std::function<void(const QString &)> informar;
    // Shows or hides the hourglass pointer around long operations.
    std::function<void(bool)> reloj;
    // How the module says that what the user typed could not be stored.
    std::function<void(const DbError &)> guardadoFallido;

    // Cursors
    Cursor TPlan, TAuxPlan, TEsp, TClases, TUsos, TSint, TComp;
    Cursor TRel, TRelSint, TRelComp, TRelFormPl, TRelPlForm, TNotas, TFuentes, TGlo;

    TTagBits tagBits;       // the search-hit set
    QStringList mensajes;   // the message table in use
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
    // list need not read every record's profiles. Called when a filter flag changes.
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
    TDMHost *m_host = nullptr;
    std::optional<DbError> m_errorApertura;
    struct CamposPrueba {
        int clave = 0, meridianos = 0, energia = 0, sabor = 0;
    } m_camposPrueba; // where the record test finds its fields
};

} // namespace yb
