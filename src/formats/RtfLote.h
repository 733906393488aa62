#pragma once

#include "formats/RtfLector.h"

#include <QString>
#include <QStringView>
#include <cstring>

namespace yb::Rtf {

// The run of visible text being gathered, handed on to the destination at once:
// text of one format, or of any format when the destination does not care. Text
// never outgrows the RTF it comes from, so the buffer rarely fills, and is handed
// on when it does.
class LoteTexto {
public:
    static constexpr qsizetype kLoteMaximo = 65536;

    // `tamanoRtf`: the length of the RTF read, which bounds the buffer.
    LoteTexto(Destino &destino, qsizetype tamanoRtf)
        : m_destino(destino),
          m_porFormato(destino.usaFormato()),
          m_capacidad(qBound<qsizetype>(16, tamanoRtf, kLoteMaximo))
    {
        m_lote.resize(m_capacidad);
        m_base = reinterpret_cast<char16_t *>(m_lote.data());
    }

    // Adds text in a format; text longer than the whole buffer is handed on by itself.
    void anotar(QStringView s, const Formato &f)
    {
        if (m_usado > 0 && m_porFormato && !(f == m_formatoLote))
            volcar();
        if (m_usado + s.size() > m_capacidad) {
            volcar();
            if (s.size() > m_capacidad) {
                m_destino.texto(s, f);
                return;
            }
        }
        if (m_usado == 0)
            m_formatoLote = f;
        std::memcpy(m_base + m_usado, s.utf16(), size_t(s.size()) * sizeof(char16_t));
        m_usado += s.size();
    }

    // Makes room for text in a format that the caller copies straight into libre(),
    // at most espacio() characters, and then counts with anadidos().
    void preparar(const Formato &f)
    {
        if ((m_usado > 0 && m_porFormato && !(f == m_formatoLote)) || m_usado == m_capacidad)
            volcar();
        if (m_usado == 0)
            m_formatoLote = f;
    }
    char16_t *libre() { return m_base + m_usado; }
    qsizetype espacio() const { return m_capacidad - m_usado; }
    void anadidos(qsizetype n) { m_usado += n; }

    // Hands the run gathered on, if there is one.
    void volcar()
    {
        if (m_usado == 0)
            return;
        m_destino.texto(QStringView(m_base, m_usado), m_formatoLote);
        m_usado = 0;
    }

private:
    Destino &m_destino;
    const bool m_porFormato;
    const qsizetype m_capacidad;
    QString m_lote;
    char16_t *m_base = nullptr;
    qsizetype m_usado = 0;
    Formato m_formatoLote;
};

} // namespace yb::Rtf
