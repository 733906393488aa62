// The main window's list filter, its part of the refresh after every move, and
// the layout of its panels.
#include "browser/Calco.h"
#include "browser/PanelFoto.h"
#include "browser/PanelLista.h"
#include "browser/PanelNombres.h"
#include "browser/PanelPaginas.h"
#include "browser/PanelPropiedades.h"
#include "browser/PanelTextos.h"
#include "browser/Plantas.h"
#include "dbwidgets/DBGrid.h"
#include "search/Buscar.h"

#include <QLabel>

namespace yb {

// ---- the list filter ------------------------------------------------------------------

void TFPlantas::ComponerFiltro()
{
    if (!m_dm->guardarLoEscrito())
        return; // the list stays on the record whose typing is not stored yet
    TFCalco *overlay = m_vecinas.calco;
    if (overlay)
        overlay->setEnVigor(false);
    const QString expresion = m_lista->expresionFiltro();
    Cursor &plan = m_dm->TPlan;
    m_dm->ajustarPruebaDeRegistro();
    if (expresion == plan.filter())
        plan.refresh(); // the record test may have changed
    else
        plan.setFilter(expresion);
    m_filtroEnVigor =
        m_lista->claveClase() != 0 || m_lista->claveSubClase() != 0 || m_filtroBusqueda || m_filtroPropiedades;
    m_lista->mostrarCuenta(m_filtroEnVigor, m_filtroEnVigor
                                                ? QStringLiteral("%1: %2").arg(m_dm->mensaje(8)).arg(plan.recordCount())
                                                : QString());
    if (overlay) {
        overlay->setPintar(m_filtroEnVigor ? TFCalco::Pintar([this] { return PintarCalco(); }) : nullptr);
        overlay->setEnVigor(m_filtroEnVigor);
    }
    MemoChange(); // the search's marks appear or go with its filter
}

void TFPlantas::filtrarPorClase(int clase, int subClase) { m_lista->filtrarPorClase(clase, subClase); }

void TFPlantas::VerTodoClick()
{
    m_lista->LabCant->hide();
    m_filtroBusqueda = false;
    m_filtroPropiedades = false;
    estadoAlModulo();
    m_lista->filtrarPorClase(0, 0);
}

// The full-text search: its window fills the search-hit set; the list shows
// only the hits while the search filter is on, which OK turns on and Cancel off.
void TFPlantas::BuscarClick()
{
    TFBuscar *ventanaBusqueda = m_vecinas.buscar;
    if (!ventanaBusqueda || !m_dm->guardarLoEscrito())
        return; // a search would leave the record whose typing is not stored yet
    m_filtroBusqueda = ventanaBusqueda->ejecutar();
    estadoAlModulo();
    ComponerFiltro();
    m_lista->GrNom->setFocus();
}

QList<QWidget *> TFPlantas::PintarCalco() const
{
    QList<QWidget *> paneles;
    if (m_lista->claveClase() != 0)
        paneles << m_lista->PanClase;
    if (m_lista->claveSubClase() != 0)
        paneles << m_lista->PanSubClase;
    if (m_filtroBusqueda)
        paneles << m_textos;
    if (m_filtroPropiedades)
        paneles << m_propiedades->PanProp;
    paneles << m_lista;
    return paneles;
}

void TFPlantas::MemoChange()
{
    TFBuscar *ventanaBusqueda = m_vecinas.buscar;
    m_textos->marcar(m_filtroBusqueda && ventanaBusqueda ? ventanaBusqueda->terminos() : QStringList());
}

// ---- the refresh's steps ---------------------------------------------------------------

void TFPlantas::mostrarRegistro(const RegistroActual &registro)
{
    // 1. Photo area.
    m_foto->mostrarArea(registro.tieneFoto, registro.esFormula);

    // 2. Page captions, first photo, name rows: only when the counts could be read.
    if (registro.cuentas) {
        const auto rotulo = [&](int message, int cuenta) {
            return QStringLiteral("%1: %2").arg(m_dm->mensaje(message)).arg(cuenta);
        };
        const RegistroActual::Cuentas &c = *registro.cuentas;
        m_paginas->rotular(rotulo(0, c.acciones), rotulo(1, c.indicaciones),
                           registro.esFormula ? rotulo(2, c.formulas) : rotulo(3, c.formulas), registro.esFormula);
        m_foto->primeraFoto();
        if (registro.nombres)
            m_nombres->mostrarFilas(*registro.nombres);
    }

    // 3. Property page.
    m_propiedades->mostrarPagina(registro.esFormula);

    // 4. Property scales.
    if (registro.perfilDeIngredientes)
        calcularPerfilFormula();
    else
        m_propiedades->mostrarEscalas(registro.meridianos, registro.sabor, registro.energia);

    // 5. Formula pages.
    m_paginas->cambiarPaginaFormula(registro.esFormula);
}

void TFPlantas::calcularPerfilFormula()
{
    // The profile computed from the ingredients belongs to the property scales'
    // editing; until then the formula shows its stored profile.
    const Cursor &plan = m_dm->TPlan;
    m_propiedades->mostrarEscalas(plan.asString(u"Meridianos"), plan.asString(u"Sabor"), plan.asString(u"Energia"));
}

// 7. The editor's buttons under the pages.
void TFPlantas::registroMostrado() { m_paginas->FichaChange(); }

// ---- layout ---------------------------------------------------------------------

void TFPlantas::AjustarPaneles()
{
    m_paginas->ajustarColumnas();
    m_lista->ajustarColumnas();
    m_propiedades->ajustarEscalas();
    if (TFCalco *c = m_vecinas.calco)
        c->repintar(); // the frames follow the panels
}

} // namespace yb
