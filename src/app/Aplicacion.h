#pragma once

#include "browser/Ajustes.h"
#include "data/DataModule.h"

#include <QList>
#include <QString>
#include <QStringList>
#include <memory>

namespace yb {

class TFPlantas;
class TVentana;

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
    TDM &dm() const { return *m_dm; }
    Database &database() const { return *m_db; }
    const Ajustes &ajustes() const { return m_ajustes; }

private:
    Ajustes m_ajustes;
    std::unique_ptr<Database> m_db;
    std::unique_ptr<TFPlantas> m_plantas;
    std::unique_ptr<TDM> m_dm;
    QList<TVentana *> m_ventanas; // owned: deleted before the data module
};

// Registers the fonts the interface names with the ones installed here.
void registrarFuentes();

} // namespace yb
