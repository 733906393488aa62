#include "app/Aplicacion.h"

#include "browser/Calco.h"
#include "browser/Plantas.h"
#include "browser/SelClase.h"
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

std::unique_ptr<Database> abrirDatos(std::optional<DbError> &error)
{
    try {
        return Database::open(QDir::currentPath());
    } catch (const DbError &e) {
        if (e.code() == DbError::Code::NoDatabase)
            throw;
        error = e; // shown by the first showing; nothing is written to that file
        return Database::createInMemory();
    }
}

} // namespace

Aplicacion::Aplicacion(const QStringList &argumentos)
{
    std::optional<DbError> error;
    m_db = abrirDatos(error);
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
    Mensajes::setEnglish(m_ajustes.ingles);
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
