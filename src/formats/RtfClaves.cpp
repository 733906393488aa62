#include "formats/RtfClaves.h"

#include "formats/RtfTablas.h"

namespace yb::Rtf {

const TablaDeClaves &tablaDeClaves()
{
    static const TablaDeClaves tabla = [] {
        const auto alineacion = [](Alineacion a) { return char16_t(a); };
        const auto estilo = [](EstiloLista e) { return char16_t(e); };
        std::vector<Clave> t = {
            {u"ul", Accion::Subrayado},
            {u"b", Accion::Negrita},
            {u"i", Accion::Cursiva},
            {u"ulnone", Accion::SinSubrayado},
            {u"plain", Accion::Simple},
            {u"fs", Accion::Tamano},
            {u"cf", Accion::Color},
            {u"f", Accion::Fuente},
            {u"deff", Accion::FuenteBase},
            {u"uc", Accion::Saltos},
            {u"u", Accion::Unicode},
            {u"par", Accion::Parrafo},
            {u"page", Accion::Parrafo},
            {u"sect", Accion::Parrafo},
            {u"row", Accion::Fila},
            {u"line", Accion::Linea},
            {u"tab", Accion::Tabulador},
            {u"cell", Accion::Celda},
            {u"nestcell", Accion::Tabulador},
            {u"fonttbl", Accion::TablaFuentes},
            {u"fcharset", Accion::JuegoFuente},
            {u"cpg", Accion::PaginaFuente},
            {u"ansicpg", Accion::PaginaDocumento},
            {u"colortbl", Accion::TablaColores},
            {u"red", Accion::Rojo},
            {u"green", Accion::Verde},
            {u"blue", Accion::Azul},
            {u"pard", Accion::ParrafoNuevo},
            {u"ql", Accion::Alinear, alineacion(Alineacion::Izquierda)},
            {u"qc", Accion::Alinear, alineacion(Alineacion::Centro)},
            {u"qr", Accion::Alinear, alineacion(Alineacion::Derecha)},
            {u"qj", Accion::Alinear, alineacion(Alineacion::Justificada)},
            {u"qd", Accion::Alinear, alineacion(Alineacion::Justificada)},
            {u"intbl", Accion::EnTabla},
            {u"ls", Accion::ItemLista},
            {u"ilvl", Accion::NivelItem},
            {u"listtable", Accion::TablaListas},
            {u"list", Accion::Lista},
            {u"listlevel", Accion::NivelLista},
            {u"levelnfc", Accion::FormatoNivel},
            {u"levelnfcn", Accion::FormatoNivel},
            {u"leveltext", Accion::TextoNivel},
            {u"listid", Accion::IdLista},
            {u"listoverridetable", Accion::TablaSustituciones},
            {u"listoverride", Accion::Sustitucion},
            {u"pn", Accion::Numeracion},
            {u"pnlvlblt", Accion::NumeracionNivel, kNumeroVineta},
            {u"pnlvlbody", Accion::NumeracionNivel, kNumeroCuerpo},
            {u"pnlvlcont", Accion::NumeracionNivel, kNumeroContinuacion},
            {u"pnlvl", Accion::NumeracionNivel, kNumeroNivel},
            {u"pndec", Accion::NumeracionEstilo, estilo(EstiloLista::Decimal)},
            {u"pnlcltr", Accion::NumeracionEstilo, estilo(EstiloLista::LetraMinuscula)},
            {u"pnucltr", Accion::NumeracionEstilo, estilo(EstiloLista::LetraMayuscula)},
            {u"pnlcrm", Accion::NumeracionEstilo, estilo(EstiloLista::RomanoMinusculo)},
            {u"pnucrm", Accion::NumeracionEstilo, estilo(EstiloLista::RomanoMayusculo)},
            {u"bullet", Accion::Caracter, 0x2022},
            {u"emdash", Accion::Caracter, 0x2014},
            {u"endash", Accion::Caracter, 0x2013},
            {u"emspace", Accion::Caracter, 0x2003},
            {u"enspace", Accion::Caracter, 0x2002},
            {u"qmspace", Accion::Caracter, 0x2005},
            {u"lquote", Accion::Caracter, 0x2018},
            {u"rquote", Accion::Caracter, 0x2019},
            {u"ldblquote", Accion::Caracter, 0x201C},
            {u"rdblquote", Accion::Caracter, 0x201D},
            {u"zwj", Accion::Caracter, 0x200D},
            {u"zwnj", Accion::Caracter, 0x200C},
        };
        const auto anadir = [&t](std::u16string_view nombres, Accion accion) {
            for (size_t i = 0, fin; i < nombres.size(); i = fin + 1) {
                fin = std::min(nombres.find(u' ', i), nombres.size());
                t.push_back({nombres.substr(i, fin - i), accion});
            }
        };
        anadir(kSubrayados, Accion::Subrayado);
        anadir(kOmitidos, Accion::Omitir);
        std::stable_sort(t.begin(), t.end(), [](const Clave &a, const Clave &b) {
            return std::pair(a.nombre[0], a.nombre.size()) < std::pair(b.nombre[0], b.nombre.size());
        });
        TablaDeClaves r;
        r.claves = std::move(t);
        for (size_t k = 0; k < r.claves.size(); ++k) {
            const std::u16string_view nombre = r.claves[k].nombre;
            Q_ASSERT(nombre.size() < kLongitudMaxima);
            auto &rango = r.rangos[size_t(nombre[0] - u'a')][nombre.size()];
            if (rango.second == 0)
                rango.first = quint16(k);
            rango.second = quint16(k + 1);
        }
        return r;
    }();
    return tabla;
}

// Destinations that \* marks and that the reader reads all the same.
bool seLeeTrasAsterisco(QStringView palabra)
{
    const Clave *clave = buscarClave(palabra);
    if (!clave)
        return false;
    switch (clave->accion) {
    case Accion::TablaFuentes:
    case Accion::TablaColores:
    case Accion::TablaListas:
    case Accion::TablaSustituciones:
    case Accion::Numeracion: return true;
    default: return false;
    }
}

} // namespace yb::Rtf
