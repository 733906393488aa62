#pragma once

#include <QList>
#include <memory>

namespace yb {

class Database;
class Sesion;
class TDM;
class TFBuscar;
class TFCalco;
class TFFiltroProp;
class TFFuentes;
class TFGlo;
class TFPlanRep;
class TFPlantas;
class TFSelArch;
class TFSelClase;
class TFSinonimos;
class TFUsos;
class TVentana;

// Every window besides the main one: created once, in the order of the
// start-up, owned here and reached by its type. A new window is a member,
// an accessor and one line of the constructor.
class Ventanas {
public:
    Ventanas(Sesion &sesion, Database &db, TDM &dm, TFPlantas &plantas);
    ~Ventanas();

    TFGlo &glo() const { return *m_glo; }
    TFUsos &usos() const { return *m_usos; }
    TFPlanRep &planRep() const { return *m_planRep; }
    TFSelArch &selArch() const { return *m_selArch; }
    TFSelClase &selClase() const { return *m_selClase; }
    TFSinonimos &sinonimos() const { return *m_sinonimos; }
    TFBuscar &buscar() const { return *m_buscar; }
    TFFiltroProp &filtroProp() const { return *m_filtroProp; }
    TFFuentes &fuentes() const { return *m_fuentes; }
    TFCalco &calco() const { return *m_calco; }

    // Every one of them, in creation order.
    QList<TVentana *> todas() const { return m_todas; }

private:
    template <typename T>
    T *alta(std::unique_ptr<T> &miembro, std::unique_ptr<T> ventana);

    std::unique_ptr<TFGlo> m_glo;
    std::unique_ptr<TFUsos> m_usos;
    std::unique_ptr<TFPlanRep> m_planRep;
    std::unique_ptr<TFSelArch> m_selArch;
    std::unique_ptr<TFSelClase> m_selClase;
    std::unique_ptr<TFSinonimos> m_sinonimos;
    std::unique_ptr<TFBuscar> m_buscar;
    std::unique_ptr<TFFiltroProp> m_filtroProp;
    std::unique_ptr<TFFuentes> m_fuentes;
    TFCalco *m_calco = nullptr; // a child of the main window, deleted with it
    QList<TVentana *> m_todas;
};

} // namespace yb
