#include "browser/Textos.h"

#include "formats/Rutas.h"

namespace yb {

bool interfazInglesa()
{
    return existeDirectorio(QDir::current(), QStringLiteral("English"));
}

QStringList listaEsp()
{
    return {
        QStringLiteral("Acciones"),
        QStringLiteral("Indicaciones"),
        QStringLiteral("Ingredientes"),
        QStringLiteral("Fórmulas"),
        QStringLiteral("Nom"),
        QStringLiteral("Clase"),
        QStringLiteral("Seleccione una "),
        QStringLiteral("No hay Sub-Clases"),
        QStringLiteral("Seleccionados"),
        QStringLiteral("Items repertorizados"),
        QStringLiteral("Elementos"),
        QStringLiteral("Elementos almacenados"),
        QStringLiteral("La acción terapéutica"),
        QStringLiteral("Acciones terapéuticas"),
        QStringLiteral("La indicación"),
        QStringLiteral("Indicaciones"),
        QStringLiteral("ya está en la lista"),
        QStringLiteral("17----DISPONIBLE--------"),
        QStringLiteral("18----DISPONIBLE--------"),
        QStringLiteral("19----DISPONIBLE--------"),
        QStringLiteral("Deberá seleccionar una Clase"),
        QStringLiteral("Sin sinónimos"),
        QStringLiteral("El Repertorio fue copiado al portapapeles"),
        QStringLiteral("La planilla fue copiada al portapapeles"),
        QStringLiteral("No hay archivos guardados"),
        QStringLiteral("Desea salir de la aplicación Yerbalia ?"),
        QStringLiteral("Inicia una nueva repertorización ?"),
        QStringLiteral("Guarda los cambios efectuados ?"),
        QStringLiteral("Búsqueda por"),
        QStringLiteral("Seleccione el Repertorio"),
        QStringLiteral("Guardar Repertorio"),
        QStringLiteral("Procesando..."),
        QStringLiteral("Desea cancelar ?"),
        QStringLiteral("33"),
        QStringLiteral("34"),
        QStringLiteral("35"),
        QStringLiteral("36"),
        QStringLiteral("37"),
        QStringLiteral("38"),
        QStringLiteral("39"),
        QStringLiteral("40"),
        QStringLiteral(""),
    };
}

QStringList listaIng()
{
    return {
        QStringLiteral("Actions"),
        QStringLiteral("Indications"),
        QStringLiteral("Ingredients"),
        QStringLiteral("Formulas"),
        QStringLiteral("NomIng"),
        QStringLiteral("Class"),
        QStringLiteral("Select a "),
        QStringLiteral("No sub-classes"),
        QStringLiteral("Selected"),
        QStringLiteral("Repertorized Items"),
        QStringLiteral("Elements"),
        QStringLiteral("Stored elements"),
        QStringLiteral("The action"),
        QStringLiteral("Actions"),
        QStringLiteral("The indication"),
        QStringLiteral("Indications"),
        QStringLiteral("is already in the list"),
        QStringLiteral("17----DISPONIBLE--------"),
        QStringLiteral("18----DISPONIBLE--------"),
        QStringLiteral("19----DISPONIBLE--------"),
        QStringLiteral("You must select a Class"),
        QStringLiteral("No synonyms"),
        QStringLiteral("Repertory has been copied to clipboard"),
        QStringLiteral("Chart has been copied to clipboard"),
        QStringLiteral("No files saved"),
        QStringLiteral("Do you want to exit Yerbalia ?"),
        QStringLiteral("Start a new Repertory ?"),
        QStringLiteral("Save changes ?"),
        QStringLiteral("Search for"),
        QStringLiteral("Select Repertory"),
        QStringLiteral("Save Repertory"),
        QStringLiteral("Processing..."),
        QStringLiteral("Do you want to cancel ?"),
        QStringLiteral("33"),
        QStringLiteral("34"),
        QStringLiteral("35"),
        QStringLiteral("36"),
        QStringLiteral("37"),
        QStringLiteral("38"),
        QStringLiteral("39"),
        QStringLiteral("40"),
        QStringLiteral(""),
    };
}

const QList<TextoIngles> &textosInglesPlantas()
{
    static const QList<TextoIngles> textos{
        {"Label7", TextoIngles::Texto, "Actions"},
        {"Label27", TextoIngles::Texto, "Indications"},
        {"Label23", TextoIngles::Texto, "Formulas"},
        {"Label9", TextoIngles::Texto, "Formula Components"},
        {"MostrarIng", TextoIngles::Texto, "Show"},
        {"MostrarFor", TextoIngles::Texto, "Show"},
        {"BotClase", TextoIngles::Texto, "Class"},
        {"DiagnosticarAcc", TextoIngles::Texto, "Diagnose"},
        {"DiagnosticarInd", TextoIngles::Texto, "Diagnose"},
        {"Salir", TextoIngles::Texto, "Exit"},
        {"Ayuda", TextoIngles::Texto, "Help"},
        {"Enlaces", TextoIngles::Texto, "Links"},
        {"Glosario", TextoIngles::Texto, "Glossary"},
        {"Bibliografia", TextoIngles::Texto, "Bibliography"},
        {"Buscar", TextoIngles::Texto, "Search"},
        {"Label30", TextoIngles::Texto, "     Languages"},
        {"Sinonimos", TextoIngles::Texto, "Synonyms"},
        {"Label2", TextoIngles::Texto, "Pharmac."},
        {"Label11", TextoIngles::Texto, "Scientific"},
        {"Label12", TextoIngles::Texto, "Spanish"},
        {"Label13", TextoIngles::Texto, "English"},
        {"LabNom", TextoIngles::Texto, "Name"},
        {"VerTodo", TextoIngles::Texto, "Show All"},
        {"FiltrarProp", TextoIngles::Texto, "Search"},
        {"LabFic", TextoIngles::Texto, "Properties"},
        {"Label5", TextoIngles::Texto, "Species:"},
        {"Label10", TextoIngles::Texto, "Family:"},
        {"Label8", TextoIngles::Texto, "Part:"},
        {"StaticText3", TextoIngles::Pista, "Non toxic"},
        {"StaticText4", TextoIngles::Pista, "Minimally toxic"},
        {"StaticText2", TextoIngles::Pista, "Moderately toxic"},
        {"StaticText1", TextoIngles::Pista, "Extremely toxic"},
        {"LabAtras", TextoIngles::Texto, "Back"},
        {"Panel10", TextoIngles::Texto, "Channels"},
        {"Panel35", TextoIngles::Texto, "Taste"},
        {"Label26", TextoIngles::Texto, "Sour"},
        {"Label31", TextoIngles::Texto, "Bitter"},
        {"Label32", TextoIngles::Texto, "Pungent"},
        {"Label34", TextoIngles::Texto, "Sweet"},
        {"Label36", TextoIngles::Texto, "Aromatic"},
        {"Label38", TextoIngles::Texto, "Astringent"},
        {"Label39", TextoIngles::Texto, "Salty"},
        {"Label40", TextoIngles::Texto, "Tasteless"},
        {"LabEnergia", TextoIngles::Texto, "Nature"},
        {"Label42", TextoIngles::Texto, "Neutral"},
        {"Label43", TextoIngles::Texto, "Warm"},
        {"Label44", TextoIngles::Texto, "Cool"},
        {"Label45", TextoIngles::Texto, "Cold"},
        {"Label46", TextoIngles::Texto, "Hot"},
        {"Label48", TextoIngles::Texto, "Lu"},
        {"Label48", TextoIngles::Pista, "Lung"},
        {"ProgressBar20", TextoIngles::Pista, "Lung"},
        {"Label49", TextoIngles::Texto, "Sp"},
        {"Label49", TextoIngles::Pista, "Spleen"},
        {"ProgressBar15", TextoIngles::Pista, "Spleen"},
        {"Label50", TextoIngles::Texto, "HT"},
        {"Label50", TextoIngles::Pista, "Heart"},
        {"ProgressBar16", TextoIngles::Pista, "Heart"},
        {"Label51", TextoIngles::Texto, "Ki"},
        {"Label51", TextoIngles::Pista, "Kidney"},
        {"ProgressBar17", TextoIngles::Pista, "Kidney"},
        {"Label52", TextoIngles::Texto, "PC"},
        {"Label52", TextoIngles::Pista, "Pericardium"},
        {"ProgressBar18", TextoIngles::Pista, "Pericardium"},
        {"Label53", TextoIngles::Texto, "LR"},
        {"Label53", TextoIngles::Pista, "Liver"},
        {"ProgressBar19", TextoIngles::Pista, "Liver"},
        {"Label55", TextoIngles::Texto, "LI"},
        {"Label55", TextoIngles::Pista, "Large Intestine"},
        {"ProgressBar27", TextoIngles::Pista, "Large Intestine"},
        {"Label56", TextoIngles::Texto, "St"},
        {"Label56", TextoIngles::Pista, "Stomach"},
        {"ProgressBar22", TextoIngles::Pista, "Stomach"},
        {"Label57", TextoIngles::Texto, "SI"},
        {"Label57", TextoIngles::Pista, "Small Intestine"},
        {"ProgressBar23", TextoIngles::Pista, "Small Intestine"},
        {"Label58", TextoIngles::Texto, "BL"},
        {"Label58", TextoIngles::Pista, "Bladder"},
        {"ProgressBar24", TextoIngles::Pista, "Bladder"},
        {"Label59", TextoIngles::Texto, "TB"},
        {"Label59", TextoIngles::Pista, "Triple Burner"},
        {"ProgressBar25", TextoIngles::Pista, "Triple Burner"},
        {"Label60", TextoIngles::Texto, "GB"},
        {"Label60", TextoIngles::Pista, "Gallbladder"},
        {"ProgressBar26", TextoIngles::Pista, "Gallbladder"},
    };
    return textos;
}

namespace {

// That what was typed was not stored, and why: the first line of both texts.
QString noSeGuardo(const DbError &error, bool ingles)
{
    QString motivo;
    switch (error.code()) {
    case DbError::Code::Busy:
        motivo = ingles ? QStringLiteral("another program is using the database")
                        : QStringLiteral("otro programa está usando la base de datos");
        break;
    case DbError::Code::ReadOnly:
        motivo = ingles ? QStringLiteral("the database cannot be written")
                        : QStringLiteral("la base de datos no se puede escribir");
        break;
    default:
        motivo = (ingles ? QStringLiteral("the database did not take it (%1)")
                         : QStringLiteral("la base de datos no lo aceptó (%1)"))
                     .arg(error.message());
    }
    return (ingles ? QStringLiteral("What you typed could not be saved: %1.")
                   : QStringLiteral("No se pudo guardar lo escrito: %1."))
        .arg(motivo);
}

} // namespace

QString textoNoGuardado(const DbError &error, bool ingles)
{
    return noSeGuardo(error, ingles) +
           (ingles ? QStringLiteral("\r\nIt stays on screen, on its record; try again later.")
                   : QStringLiteral("\r\nSigue en pantalla, en su ficha; vuelva a intentarlo más tarde."));
}

QString preguntaSeguirSinGuardar(const DbError &error, bool ingles)
{
    return noSeGuardo(error, ingles) + (ingles ? QStringLiteral("\r\nStay in Yerbalia so as not to lose it?")
                                               : QStringLiteral("\r\n¿Seguir en Yerbalia para no perderlo?"));
}

} // namespace yb
