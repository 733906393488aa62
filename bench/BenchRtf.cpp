// bench_rtf: how long the RTF codec takes over one monograph text: its plain
// text (what a full-text search reads), reading it into a document (what the
// text panel shows) and writing a document back, each next to the nearest
// thing Qt does without RTF.
#include "BenchSupport.h"
#include "Random.h"

#include "formats/Rtf.h"

#include <QAbstractTextDocumentLayout>
#include <QCommandLineParser>
#include <QGuiApplication>
#include <QTextDocument>
#include <QTextStream>
#include <functional>
#include <memory>
#include <numeric>
#include <vector>

using namespace yb;
using bench::duration;
using bench::Samples;
using bench::Stopwatch;

namespace {

QTextStream out(stdout);

// ---- monographs as a Windows rich-text control writes them ------------------------

const char *const kOnsets[] = {"b", "c",  "ch", "d", "f", "g", "l", "m",  "n",
                               "p", "qu", "r",  "s", "t", "v", "",  "tr", "pl"};
const char *const kVowels[] = {"a", "e", "i", "o", "u", "a", "e", "o", "ia", "ue"};
const char *const kCodas[] = {"", "", "", "n", "r", "s", "l"};
const char *const kAccented[] = {"\\'e1", "\\'e9", "\\'ed", "\\'f3", "\\'fa", "\\'f1"};

std::string word(Random &rng, bool capital)
{
    std::string w;
    for (int i = rng.between(1, 4); i > 0; --i) {
        w += rng.pick(kOnsets);
        w += rng.chance(0.08) ? rng.pick(kAccented) : rng.pick(kVowels);
        w += rng.pick(kCodas);
    }
    if (capital && !w.empty() && w[0] >= 'a' && w[0] <= 'z')
        w[0] = char(w[0] - 'a' + 'A');
    return w;
}

// About `bytes` bytes of RTF: sentences with accented words, a few bold, italic and
// coloured words, tabs, an en dash and paragraphs ended by \par and CR LF.
QString monograph(Random &rng, int bytes)
{
    std::string s = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss\\fcharset0 Arial;}"
                    "{\\f1\\froman\\fcharset0 Times New Roman;}}\r\n{\\colortbl ;\\red255\\green0\\blue0;}\r\n"
                    "{\\*\\generator Riched20 10.0.19041}\\viewkind4\\uc1\\pard\\f0\\fs20 ";
    const size_t target = size_t(bytes * (0.9 + 0.2 * rng.uniform()));
    bool start = true;
    int inSentence = 0;
    while (s.size() < target) {
        const std::string w = word(rng, start);
        const double style = rng.uniform();
        if (style < 0.03)
            s += "\\b " + w + "\\b0 ";
        else if (style < 0.045)
            s += "{\\i " + w + "}";
        else if (style < 0.05)
            s += "\\cf1 " + w + "\\cf0 ";
        else if (style < 0.052)
            s += "\\f1 " + w + "\\f0 ";
        else
            s += w;
        start = false;
        if (++inSentence > 6 && rng.chance(0.15)) {
            inSentence = 0;
            start = true;
            if (rng.chance(0.2)) {
                s += ".\\par\r\n";
                if (rng.chance(0.3))
                    s += "\\tab ";
            } else {
                s += ". ";
            }
        } else {
            s += rng.chance(0.03) ? " \\'96 " : rng.chance(0.06) ? ", " : " ";
        }
    }
    s += ".\\par\r\n}";
    return QString::fromLatin1(s.data(), qsizetype(s.size()));
}

// ---- measuring ------------------------------------------------------------------

struct Line {
    QString what;
    QString reference;
    std::function<void(int)> ours, plain;
    Samples oursNs, plainNs;
    qint64 target = 0; // nanoseconds; 0 for none
    int perCall = 1;   // texts handled by one call: the samples are per text
};

} // namespace

int main(int argc, char **argv)
{
    if (qEnvironmentVariableIsEmpty("QT_QPA_PLATFORM"))
        qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption bytesOpt("bytes", "Mean size of a monograph's RTF.", "N", "2048");
    const QCommandLineOption textsOpt("texts", "Different monographs taken in turn.", "N", "64");
    const QCommandLineOption runsOpt("runs", "Timed calls per line.", "N", "2000");
    const QCommandLineOption seedOpt("seed", "Generator seed.", "N", "1");
    parser.addOptions({bytesOpt, textsOpt, runsOpt, seedOpt});
    parser.process(app);
    const int bytes = std::max(64, parser.value(bytesOpt).toInt());
    const int textCount = std::max(1, parser.value(textsOpt).toInt());
    const int runs = std::max(1, parser.value(runsOpt).toInt());

    Random rng(parser.value(seedOpt).toULongLong());
    std::vector<QString> rtf, plain;
    qint64 totalBytes = 0;
    for (int i = 0; i < textCount; ++i) {
        rtf.push_back(monograph(rng, bytes));
        plain.push_back(Rtf::textoPlano(rtf.back()));
        totalBytes += rtf.back().size();
    }
    std::vector<std::unique_ptr<QTextDocument>> read;
    for (const QString &t : rtf) {
        read.push_back(std::make_unique<QTextDocument>());
        Rtf::leer(t, *read.back());
    }

    QTextDocument panel, laidOut;
    laidOut.setTextWidth(600);
    qint64 sink = 0;
    std::vector<Line> lines;
    const auto add = [&](const char *what, const char *reference, std::function<void(int)> ours,
                         std::function<void(int)> plainWay, qint64 target = 0, int perCall = 1) {
        Line l;
        l.what = QString::fromUtf8(what);
        l.reference = QString::fromUtf8(reference);
        l.ours = std::move(ours);
        l.plain = std::move(plainWay);
        l.target = target;
        l.perCall = perCall;
        lines.push_back(std::move(l));
    };
    add(
        "a. textoPlano", "copy of the RTF into a new string",
        [&](int i) { sink += Rtf::textoPlano(rtf[size_t(i)]).size(); },
        [&](int i) { sink += QStringView(rtf[size_t(i)]).toString().size(); });
    add(
        "a2. textoPlano, all in a row", "the same copies",
        [&](int) {
            for (const QString &t : rtf)
                sink += Rtf::textoPlano(t).size();
        },
        [&](int) {
            for (const QString &t : rtf)
                sink += QStringView(t).toString().size();
        },
        0, textCount);
    add(
        "b. leer into a document", "setPlainText of its plain text",
        [&](int i) {
            Rtf::leer(rtf[size_t(i)], panel);
            sink += panel.characterCount();
        },
        [&](int i) {
            panel.setPlainText(plain[size_t(i)]);
            sink += panel.characterCount();
        },
        10'000'000);
    add(
        "c. leer + layout at 600 px", "setPlainText + layout",
        [&](int i) {
            Rtf::leer(rtf[size_t(i)], laidOut);
            sink += qint64(laidOut.documentLayout()->documentSize().height());
        },
        [&](int i) {
            laidOut.setPlainText(plain[size_t(i)]);
            sink += qint64(laidOut.documentLayout()->documentSize().height());
        });
    add(
        "d. escribir", "toHtml of the same document", [&](int i) { sink += Rtf::escribir(*read[size_t(i)]).size(); },
        [&](int i) { sink += read[size_t(i)]->toHtml().size(); });

    // One warm-up pass, then the lines take turns call by call.
    for (Line &l : lines) {
        for (int i = 0; i < textCount; ++i) {
            l.ours(i);
            l.plain(i);
        }
    }
    for (int r = 0; r < runs; ++r) {
        const int i = r % textCount;
        for (Line &l : lines) {
            if (r % l.perCall != 0)
                continue; // a line over every text runs once per round of texts
            Stopwatch a;
            l.ours(i);
            l.oursNs.add(a.ns() / l.perCall);
            Stopwatch b;
            l.plain(i);
            l.plainNs.add(b.ns() / l.perCall);
        }
    }

    out << QStringLiteral(
               "\n%1 monographs of %2 bytes of RTF on average (%3 characters of text); %4 calls per line\n\n")
               .arg(textCount)
               .arg(totalBytes / textCount)
               .arg(std::accumulate(plain.begin(), plain.end(), qint64(0),
                                    [](qint64 n, const QString &s) { return n + s.size(); }) /
                    textCount)
               .arg(runs);
    out << QStringLiteral("%1 %2 %3   %4 %5 %6 %7\n")
               .arg("operation", -28)
               .arg("median", 10)
               .arg("90%", 10)
               .arg("reference", -34)
               .arg("median", 10)
               .arg("ratio", 6)
               .arg("target", 12);
    for (const Line &l : lines) {
        const qint64 ours = l.oursNs.median(), ref = l.plainNs.median();
        const QString target =
            l.target ? QStringLiteral("< %1 %2").arg(duration(l.target), ours < l.target ? "met" : "NOT met")
                     : QStringLiteral("-");
        out << QStringLiteral("%1 %2 %3   %4 %5 %6 %7\n")
                   .arg(l.what, -28)
                   .arg(duration(ours), 10)
                   .arg(duration(l.oursNs.percentile(0.9)), 10)
                   .arg(l.reference, -34)
                   .arg(duration(ref), 10)
                   .arg(ref > 0 ? double(ours) / double(ref) : 0.0, 6, 'f', 1)
                   .arg(target, 12);
    }
    const qint64 perText = lines[1].oursNs.median();
    out << QStringLiteral("\ntextoPlano in a row: %1 MB/s of RTF; 7 fields x 20,000 records would take %2\n")
               .arg(perText > 0 ? double(totalBytes) / textCount * 1e3 / double(perText) : 0.0, 0, 'f', 0)
               .arg(duration(perText * 140000));
    return sink > 0 ? 0 : 1;
}
