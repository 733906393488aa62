#include "app/Ventanas.h"

#include "browser/Calco.h"
#include "browser/Plantas.h"
#include "browser/SelClase.h"
#include "browser/Sinonimos.h"
#include "dialogs/Sesion.h"
#include "reference/Fuentes.h"
#include "reference/Glo.h"
#include "repertory/PlanRep.h"
#include "repertory/SelArch.h"
#include "repertory/Usos.h"
#include "search/Buscar.h"
#include "search/FiltroProp.h"

namespace yb {

template <typename T>
T *Ventanas::alta(std::unique_ptr<T> &miembro, std::unique_ptr<T> ventana)
{
    miembro = std::move(ventana);
    m_todas << miembro.get();
    return miembro.get();
}

Ventanas::Ventanas(Sesion &sesion, Database &db, TDM &dm, TFPlantas &plantas)
{
    alta(m_glo, std::make_unique<TFGlo>());
    alta(m_usos, std::make_unique<TFUsos>());
    alta(m_planRep, std::make_unique<TFPlanRep>());
    alta(m_selArch, std::make_unique<TFSelArch>());
    alta(m_selClase, std::make_unique<TFSelClase>(db, sesion));
    alta(m_sinonimos, std::make_unique<TFSinonimos>());
    alta(m_buscar, std::make_unique<TFBuscar>(db, dm.tagBits, sesion));
    alta(m_filtroProp, std::make_unique<TFFiltroProp>());
    alta(m_fuentes, std::make_unique<TFFuentes>());
    m_calco = new TFCalco(&plantas);
    m_todas << m_calco;
    for (TVentana *ventana : std::as_const(m_todas))
        ventana->seguirSesion(sesion);
}

Ventanas::~Ventanas() = default;

} // namespace yb
