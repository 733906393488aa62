#include "data/DataModule.h"

namespace yb {
namespace {

const QString kPlantas = QStringLiteral("Plantas");

} // namespace

TDM::TDM(Database &db, const QStringList &listaEsp)
    : TPlan(db, kPlantas),
      TAuxPlan(db, kPlantas),
      TEsp(db, QStringLiteral("Especies")),
      TClases(db, QStringLiteral("Clases")),
      TUsos(db, QStringLiteral("Usos")),
      TSint(db, QStringLiteral("Sintomas")),
      TComp(db, QStringLiteral("Componen")),
      TRel(db, QStringLiteral("Rel")),
      TRelSint(db, QStringLiteral("RelSint")),
      TRelComp(db, QStringLiteral("RelComp")),
      TRelFormPl(db, QStringLiteral("RelForm")),
      TRelPlForm(db, QStringLiteral("RelForm")),
      TNotas(db, QStringLiteral("Notas")),
      TFuentes(db, QStringLiteral("Fuentes")),
      TGlo(db, QStringLiteral("Glosario")),
      mensajes(listaEsp),
      m_db(db)
{
    // TPlan is always filtered: the list filter's expression plus the record test.
    TPlan.setFiltered(true);
    TAuxPlan.setFiltered(true);
    TPlan.beforeScroll = [this](Cursor &) { return guardarLoEscrito(); };
    TPlan.afterScroll = [this](Cursor &) { TPlanAfterScroll(); };
    TPlan.afterInsert = [this](Cursor &c) { TPlanAfterInsert(c); };
    for (Cursor *c : {&TPlan, &TUsos, &TComp, &TSint})
        c->afterPost = &TDM::TPlanAfterPost;

    const QStringList orden{QStringLiteral("Orden")};
    for (Cursor *c : {&TRel, &TRelSint, &TRelComp, &TRelFormPl}) {
        c->setIndexName(QStringLiteral("PorOPlanta"));
        c->setMasterLink(&TPlan, orden);
    }
    TRelPlForm.setIndexName(QStringLiteral("PorOFormula"));
    TRelPlForm.setMasterLink(&TPlan, orden);
    TFuentes.setMasterLink(&TPlan, {QStringLiteral("KFuente")});
    for (Cursor *c : {&TRel, &TRelSint, &TRelComp, &TRelFormPl, &TRelPlForm})
        c->onPostError = [this](Cursor &cursor, const DbError &e) { return TRelPostError(cursor, e); };
    TRelPlForm.calcFields = &TDM::TRelPlFormCalcFields;
    TGlo.setIndexName(QStringLiteral("PorNom"));
    declareLookups();
}

TDM::~TDM() = default;

void TDM::declareLookups()
{
    const auto lookup = [](const char *name, const char *key, Cursor &source, const char *sourceKey, const char *result,
                           int width) {
        return LookupField{QLatin1String(name),      QLatin1String(key),    &source,
                           QLatin1String(sourceKey), QLatin1String(result), width};
    };
    TPlan.addLookupField(lookup("Especie", "KEspecie", TEsp, "Clave", "Nom", 10));
    TPlan.addLookupField(lookup("Clase", "KClase", TClases, "Num", "NomEsp", 80));
    TPlan.addLookupField(lookup("SubClase", "KSubClase", TClases, "Num", "NomEsp", 80));
    TRel.addLookupField(lookup("Planta", "KPlanta", TPlan, "Clave", "Nom0", 35));
    TRel.addLookupField(lookup("Uso", "KUso", TUsos, "Clave", "Nom", 120));
    TRel.addLookupField(lookup("UsoIng", "KUso", TUsos, "Clave", "NomIng", 120));
    TRelComp.addLookupField(lookup("Comp", "KComp", TComp, "Clave", "Nom", 40));
    TRelSint.addLookupField(lookup("Sint", "KSint", TSint, "Clave", "Nom", 120));
    TRelSint.addLookupField(lookup("SintIng", "KSint", TSint, "Clave", "NomIng", 120));
    TRelFormPl.addLookupField(lookup("Formula", "KFormula", TAuxPlan, "Clave", "PinYin", 50));
    TRelFormPl.addLookupField(lookup("Planta", "KPlanta", TAuxPlan, "Clave", "PinYin", 50));
    TRelPlForm.addLookupField(lookup("Formula", "KFormula", TAuxPlan, "Clave", "PinYin", 50));
    TRelPlForm.addLookupField(lookup("Nom0", "KPlanta", TAuxPlan, "Clave", "Nom0", 50));
    TRelPlForm.addLookupField(lookup("PinYin", "KPlanta", TAuxPlan, "Clave", "PinYin", 50));
    TRelPlForm.addLookupField(lookup("Meridianos", "KPlanta", TPlan, "Clave", "Meridianos", 14));
    TRelPlForm.addLookupField(lookup("Sabor", "KPlanta", TPlan, "Clave", "Sabor", 10));
    TRelPlForm.addLookupField(lookup("Energia", "KPlanta", TPlan, "Clave", "Energia", 10));
    TRelPlForm.addCalcField(QStringLiteral("Planta"), 80);
}

void TDM::setEnglish(bool english)
{
    TPlan.lookupField(u"Especie").resultField = english ? QStringLiteral("NomIng") : QStringLiteral("Nom");
    const QString clase = english ? QStringLiteral("NomIng") : QStringLiteral("NomEsp");
    TPlan.lookupField(u"Clase").resultField = clase;
    TPlan.lookupField(u"SubClase").resultField = clase;
}

void TDM::abrir()
{
    if (m_errorApertura)
        throw *m_errorApertura;
    TPlan.open();
    for (Cursor *c : {&TRel, &TRelComp, &TRelSint, &TRelFormPl, &TRelPlForm, &TNotas, &TFuentes})
        c->open();
}

void TDM::cerrar()
{
    for (Cursor *c : {&TPlan, &TRel, &TRelComp, &TRelSint, &TRelFormPl, &TRelPlForm, &TNotas, &TFuentes})
        c->close();
}

// ---- record events ---------------------------------------------------------------

bool TDM::TPlanFilterRecord(const Record &record) const
{
    const auto &[clave, meridianos, energia, sabor] = m_camposPrueba;
    if (filtroBusqueda && !tagBits.test(record.value(clave).toInt()))
        return false;
    if (filtroPropiedades)
        return filtroPropiedades(record.value(meridianos).toString(), record.value(energia).toString(),
                                 record.value(sabor).toString());
    return true;
}

void TDM::ajustarPruebaDeRegistro()
{
    const bool enUso = filtroBusqueda || filtroPropiedades;
    if (!enUso) {
        TPlan.setFilterPredicate(nullptr);
        return;
    }
    TPlan.setFilterPredicate(
        [this](const Record &r) { return TPlanFilterRecord(r); },
        {QStringLiteral("Clave"), QStringLiteral("Meridianos"), QStringLiteral("Energia"), QStringLiteral("Sabor")});
    // The test runs for every record: its fields are found once, not by name each time.
    m_camposPrueba = {TPlan.fieldIndex(u"Clave"), TPlan.fieldIndex(u"Meridianos"), TPlan.fieldIndex(u"Energia"),
                      TPlan.fieldIndex(u"Sabor")};
}

void TDM::TPlanAfterInsert(Cursor &cursor)
{
    if (tipo == 0 || tipo == 1) {
        cursor.setValue(u"EsFormula", tipo == 1);
        return;
    }
    if (informar)
        informar(QStringLiteral("Deberá seleccionar \"Plantas\" o \"Fórmulas\""));
    cursor.cancel();
}

void TDM::TPlanAfterPost(Cursor &cursor)
{
    // A row stored without an order number takes its key: new rows come after older ones.
    if (!cursor.isNull(u"Orden"))
        return;
    cursor.edit();
    cursor.setValue(u"Orden", cursor.value(cursor.database().tableInfo(cursor.tableName())->rowIdField));
    cursor.post();
}

Cursor::PostErrorAction TDM::TRelPostError(Cursor &cursor, const DbError &error)
{
    // Only a repeated link is one; any other failure (a lock, a full disk) keeps
    // the row being entered and goes on to the caller, who reports it.
    if (error.code() != DbError::Code::KeyViolation)
        return Cursor::PostErrorAction::Fail;
    // The repeated link is dropped and the list shows the record's links again.
    const int position = cursor.recNo();
    cursor.cancel();
    cursor.close();
    cursor.setMasterLink(&TPlan, {QStringLiteral("Orden")});
    cursor.open();
    ignorarErrores([&] {
        if (position > 0 && position <= cursor.recordCount())
            cursor.setRecNo(position);
    });
    if (informar)
        informar(QStringLiteral("Registro repetido"));
    return Cursor::PostErrorAction::Abort;
}

void TDM::TRelPlFormCalcFields(Cursor &cursor)
{
    cursor.setCalcValue(u"Planta", QStringLiteral("%1 (%2)").arg(cursor.asString(u"PinYin"), cursor.asString(u"Nom0")));
}

// ---- the refresh -----------------------------------------------------------------

void TDM::TPlanAfterScroll()
{
    if (!m_vista || !TPlan.isOpen())
        return;
    RegistroActual registro;
    registro.esFormula = TPlan.asBool(u"EsFormula");
    registro.tieneFoto = !TPlan.isNull(u"Foto1");

    // The counts and the names: an error leaves them out, the rest of the refresh still runs.
    ignorarErrores([&] {
        registro.cuentas =
            RegistroActual::Cuentas{TRel.recordCount(), TRelSint.recordCount(),
                                    registro.esFormula ? TRelPlForm.recordCount() : TRelFormPl.recordCount()};
        static const QStringList nombres = [] {
            QStringList n;
            for (int i = 0; i <= 10; ++i)
                n << QStringLiteral("Nom%1").arg(i);
            return n;
        }();
        std::array<bool, 11> mostrados{};
        for (int i = 0; i <= 10; ++i)
            mostrados[i] = modoEditor || TPlan.asString(nombres[i]).size() > 1;
        registro.nombres = mostrados;
    });
    registro.meridianos = TPlan.asString(u"Meridianos");
    registro.sabor = TPlan.asString(u"Sabor");
    registro.energia = TPlan.asString(u"Energia");
    registro.perfilDeIngredientes = registro.esFormula && editando && tipo == 2;

    // The window's steps, in their order: photo area, counts and names, properties, formula pages.
    m_vista->mostrarRegistro(registro);

    // The notes row. Another record's notes that cannot be stored are reported, never dropped.
    try {
        refreshNotes();
    } catch (const DbError &e) {
        if (guardadoFallido)
            guardadoFallido(e);
    }

    // And the window's last step, under the pages.
    m_vista->registroMostrado();
}

void TDM::refreshNotes()
{
    if (!TNotas.isOpen())
        return;
    const int clave = claveActual();
    if (TNotas.state() != Cursor::State::Browse && TNotas.asInt(u"KPlanta") == clave)
        return;     // this record's notes, not stored yet: they stay as typed
    guardarNotas(); // another record's: stored before this record's are shown
    if (TNotas.findKey({clave}))
        return;
    TNotas.append();
    TNotas.setValue(u"KPlanta", clave);
    // A notes row that cannot be created now is created with the notes typed
    // into it: nothing is lost, and this record's notes show empty meanwhile.
    ignorarErrores([&] { TNotas.post(); });
}

void TDM::guardarNotas()
{
    if (!TNotas.isOpen() || TNotas.state() == Cursor::State::Browse)
        return;
    if (TNotas.state() == Cursor::State::Insert && TNotas.isNull(u"Memo")) {
        TNotas.cancel(); // a notes row not created yet, with nothing typed in it: created when shown again
        return;
    }
    TNotas.post();
}

void TDM::guardarPendientes()
{
    guardarNotas();
    if (TPlan.isOpen())
        TPlan.post();
}

void TDM::descartarPendientes()
{
    if (TNotas.isOpen())
        TNotas.cancel();
    if (TPlan.isOpen())
        TPlan.cancel();
}

bool TDM::guardarLoEscrito()
{
    try {
        guardarPendientes();
        return true;
    } catch (const DbError &e) {
        if (guardadoFallido)
            guardadoFallido(e);
        return false;
    }
}

// ---- ordering by a field -----------------------------------------------------------

QString TDM::indexNameFor(const QString &field) { return (QStringLiteral("Por") + field).left(25); }

bool TDM::UsarIndice(Cursor &cursor, const QString &field)
{
    // The hourglass and the held display end however the call ends.
    struct Espera {
        TDM &dm;
        Cursor &cursor;
        Espera(TDM &d, Cursor &c) : dm(d), cursor(c)
        {
            if (dm.reloj)
                dm.reloj(true);
            cursor.disableControls(); // nested: resuming undoes only this call's suspension
        }
        ~Espera()
        {
            cursor.enableControls();
            if (dm.reloj)
                dm.reloj(false);
        }
    } espera(*this, cursor);
    const QString index = indexNameFor(field);
    const bool wasOpen = cursor.isOpen();
    try {
        if (!cursor.hasIndex(index))
            cursor.addIndex(index, field, true);
        cursor.setIndexName(index);
        cursor.open();
    } catch (const DbError &e) {
        // A field the table lacks has no order: false, the cursor as it was. Any
        // other failure (a lock, a damaged or full file) reaches the caller, so
        // that it is shown rather than a list in another order.
        if (e.code() != DbError::Code::UnknownField)
            throw;
        return false;
    }
    if (!wasOpen)
        cursor.close();
    return true;
}

} // namespace yb
