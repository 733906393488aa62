#include "app/Aplicacion.h"

#include "browser/Calco.h"
#include "browser/Plantas.h"
#include "browser/SelClase.h"
#include "browser/Textos.h"
#include "browser/TextosError.h"
#include "browser/Ventanas.h"
#include "dialogs/Mensajes.h"
#include "reference/Ventanas.h"
#include "repertory/Ventanas.h"
#include "search/Buscar.h"
#include "search/Ventanas.h"

#include <QApplication>
#include <QDir>
#include <QFont>
#include <QToolButton>

namespace yb {
namespace {

// An error is kept in the user's words: the start-up shows it as it is.
std::unique_ptr<Database> abrirDatos(std::optional<DbError> &error, bool ingles)
{
    const QString directorio = QDir::currentPath();
    try {
        return Database::open(directorio);
    } catch (const DbError &e) {
        const DbError paraElUsuario(e.code(), textoError(e, directorio, ingles));
        if (e.code() == DbError::Code::NoDatabase)
            throw paraElUsuario;
        error = paraElUsuario; // shown by the first showing; nothing is written to that file
        return Database::createInMemory();
    }
}

} // namespace

Aplicacion::Aplicacion(const QStringList &argumentos)
{
    // The language is fixed first, so that every message of the start-up is in it.
    m_ajustes.ingles = interfazInglesa();
    Mensajes::setEnglish(m_ajustes.ingles);
    std::optional<DbError> error;
    m_db = abrirDatos(error, m_ajustes.ingles);
    m_plantas = std::make_unique<TFPlantas>(m_ajustes, argumentos);
    m_dm = std::make_unique<TDM>(*m_db, m_plantas->ListaEsp);
    if (error)
        m_dm->setErrorApertura(*error);
    m_plantas->setDataModule(m_dm.get());

    const auto crear = [&](const char *nombre, TVentana *ventana) {
        m_ventanas << ventana;
        m_plantas->setVentana(QLatin1String(nombre), ventana);
    };
    crear("TFGlo", new TFGlo);
    crear("TFUsos", new TFUsos);
    crear("TFPlanRep", new TFPlanRep);
    crear("TFSelArch", new TFSelArch);
    crear("TFSelClase", new TFSelClase(*m_db));
    crear("TFSinonimos", new TFSinonimos);
    crear("TFBuscar", new TFBuscar({m_db.get(), &m_dm->tagBits, [a = &m_ajustes] { return a->ingles; },
                                    [p = m_plantas.get()] { return p->editorMode(); },
                                    [p = m_plantas.get()] { p->ComponerFiltro(); }}));
    crear("TFFiltroProp", new TFFiltroProp);
    crear("TFFuentes", new TFFuentes);
    crear("TFCalco", new TFCalco(m_plantas.get()));

    if (auto *buscar = dynamic_cast<TFBuscar *>(m_plantas->ventana(QStringLiteral("TFBuscar"))))
        m_plantas->terminosBusqueda = [buscar] { return buscar->terminos(); };
    if (auto *selClase = dynamic_cast<TFSelClase *>(m_plantas->ventana(QStringLiteral("TFSelClase")))) {
        TFPlantas *plantas = m_plantas.get();
        TDM *dm = m_dm.get();
        selClase->setContexto({[dm](int n) { return dm->mensaje(n); },
                               [plantas] { return plantas->Modificar->isVisibleTo(plantas); },
                               [plantas] { return plantas->editando(); }});
    }
    if (m_ajustes.ingles)
        m_plantas->TextosIngles();
}

Aplicacion::~Aplicacion()
{
    for (TVentana *v : std::as_const(m_ventanas))
        if (!v->parent())
            delete v;
    m_plantas.reset();
    m_dm.reset();
}

void registrarFuentes()
{
    QFont::insertSubstitution(QStringLiteral("Arial"), QStringLiteral("Liberation Sans"));
    QFont::insertSubstitution(QStringLiteral("Verdana"), QStringLiteral("DejaVu Sans"));
    QApplication::setFont(QFont(QStringLiteral("Arial"), 9));
}

} // namespace yb
