// libFuzzer harness for the RTF codec: every input is read as plain text and
// into a document (the two must show the same text), written back and read
// again (to the same text); a crash, a sanitizer report, a hang or a broken
// invariant stops the run.
//
// Built only with -DYERBALIA_FUZZ=ON and clang, in a build directory of its own:
//   CC=clang CXX=clang++ cmake -S . -B /tmp/fuzz-build -G Ninja -DCMAKE_BUILD_TYPE=RelWithDebInfo \
//       -DYERBALIA_SANITIZE=ON -DYERBALIA_BENCH=OFF -DYERBALIA_FUZZ=ON
//   cmake --build /tmp/fuzz-build -j2 --target fuzz_rtf
// Run (a corpus folder to keep what it finds, seeded with a few RTF texts):
//   mkdir -p /tmp/rtf-corpus && cp some/*.rtf /tmp/rtf-corpus/
//   ASAN_OPTIONS=detect_leaks=0 /tmp/fuzz-build/tests/formats/fuzz_rtf -max_total_time=600 \
//       -max_len=4096 -timeout=5 /tmp/rtf-corpus
// libFuzzer prints the executions it ran ("#N DONE ... exec/s") and leaves a
// crash-* file with the input that failed, to be replayed by passing it as argument.
#include "formats/Rtf.h"

#include "TextosComparables.h"

#include <QGuiApplication>
#include <QTextDocument>
#include <cstdint>
#include <cstdlib>

namespace {

QString sinControles(QString s)
{
    s.removeIf([](QChar c) { return c.unicode() < 0x20 && c != u'\t'; });
    return s;
}

void comprobar(bool condicion)
{
    if (!condicion)
        std::abort();
}

void probar(const QString &entrada)
{
    const QString plano = yb::Rtf::textoPlano(entrada);
    comprobar(plano.size() <= entrada.size());
    QTextDocument doc;
    yb::Rtf::leer(entrada, doc);
    if (yb::Rtf::esRtf(entrada)) { // what a search reads is what the panel shows
        const yb::Rtf::prueba::TextosComparables textos = yb::Rtf::prueba::comparables(doc, plano);
        comprobar(textos.documento == textos.plano);
    }
    const QString escrito = yb::Rtf::escribir(doc);
    comprobar(yb::Rtf::esRtf(escrito));
    for (const QChar c : escrito)
        comprobar(c.unicode() < 0x80);
    QTextDocument leido;
    yb::Rtf::leer(escrito, leido);
    comprobar(sinControles(leido.toRawText()) == sinControles(doc.toRawText()));
}

} // namespace

extern "C" int LLVMFuzzerInitialize(int *, char ***)
{
    qputenv("QT_QPA_PLATFORM", "offscreen");
    static int argc = 1;
    static char nombre[] = "fuzz_rtf";
    static char *argv[] = {nombre, nullptr};
    static QGuiApplication app(argc, argv); // documents want the font database
    return 0;
}

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *datos, size_t tamano)
{
    // Bytes as the single-byte characters of a stored text; also behind an RTF
    // header, so that inputs without one still reach the reader.
    const QString texto = QString::fromLatin1(reinterpret_cast<const char *>(datos), qsizetype(tamano));
    probar(texto);
    probar(QStringLiteral("{\\rtf1 ") + texto);
    return 0;
}
