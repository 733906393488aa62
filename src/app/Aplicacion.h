#pragma once

#include "data/DataModule.h"

#include <QStringList>
#include <memory>

namespace yb {

class Sesion;
class TFPlantas;
class Ventanas;

// The application's start: opens the data directory (the working directory),
// creates every window once in the order the program relies on, and puts
// the English texts in place when the interface is English.
class Aplicacion {
public:
    // Throws DbError(NoDatabase) when the working directory holds no database;
    // any other failure to open it is reported by the main window's first showing.
    explicit Aplicacion(const QStringList &argumentos);
    ~Aplicacion();

    TFPlantas &plantas() const { return *m_plantas; }
    Ventanas &ventanas() const { return *m_ventanas; }
    TDM &dm() const { return *m_dm; }
    Database &database() const { return *m_db; }
    Sesion &sesion() const { return *m_sesion; }

private:
    std::unique_ptr<Sesion> m_sesion;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<TDM> m_dm;
    std::unique_ptr<TFPlantas> m_plantas; // deleted before the data module it leaves
    std::unique_ptr<Ventanas> m_ventanas; // deleted first
};

// Registers the fonts the interface names with the ones installed here.
void registrarFuentes();

} // namespace yb
