// bench_match: how fast the text matching folds and searches a large body of
// monograph texts, next to glibc memmem searching the same terms in the same
// texts stored one byte per character.
#include "BenchSupport.h"
#include "Random.h"

#include "search/TextMatch.h"

#include <QCommandLineParser>
#include <QCoreApplication>
#include <QTextStream>
#include <cstring>
#include <functional>
#include <string.h>
#include <string>
#include <vector>

using namespace yb;
using bench::duration;
using bench::Samples;

namespace {

QTextStream out(stdout);

// ---- a corpus of Spanish-looking text ------------------------------------------

const char *const kOnsets[] = {"b",  "c", "ch", "d", "f", "g", "h", "j",  "l",  "m",  "n",  "p",  "qu", "r",
                               "rr", "s", "t",  "v", "z", "",  "",  "gu", "tr", "br", "pl", "cl", "gr"};
const char *const kVowels[] = {"a", "e", "i", "o", "u", "a", "e", "o", "ia", "ie", "ua", "ue", "io"};
const char *const kCodas[] = {"", "", "", "", "n", "r", "s", "l", "n", "s"};
const char16_t kAccented[] = {u'á', u'é', u'í', u'ó', u'ú'};

QString syllable(Random &rng)
{
    const QString onset = rng.chance(0.02) ? QStringLiteral("ñ") : QString::fromLatin1(rng.pick(kOnsets));
    QString vowel = QLatin1String(rng.pick(kVowels));
    if (rng.chance(0.08)) {
        const qsizetype at = rng.below(int(vowel.size()));
        vowel[at] = QChar(kAccented[QStringLiteral("aeiou").indexOf(vowel[at])]);
    } else if (rng.chance(0.01) && vowel.contains(u'u')) {
        vowel.replace(u'u', u'ü');
    }
    return onset + vowel + QLatin1String(rng.pick(kCodas));
}

QString word(Random &rng)
{
    QString w;
    for (int i = rng.between(1, 4); i > 0; --i)
        w += syllable(rng);
    return w;
}

// A monograph text of about `chars` characters: sentences of pool words with a
// capital at the start, commas, full stops and CR LF paragraph breaks.
QString document(Random &rng, const QStringList &pool, int chars)
{
    const qsizetype target = qsizetype(chars * (0.75 + 0.5 * rng.uniform()));
    QString s;
    s.reserve(target + 64);
    int sentence = 0, paragraph = rng.between(40, 80);
    bool start = true;
    while (s.size() < target) {
        QString w = pool[rng.below(int(pool.size()))];
        if (start)
            w[0] = w[0].toUpper();
        s += w;
        start = false;
        if (++sentence >= 8 && rng.chance(0.15)) {
            s += rng.chance(0.8) ? QLatin1String(". ") : QLatin1String("; ");
            sentence = 0;
            start = true;
        } else {
            s += rng.chance(0.05) ? QLatin1String(", ") : QLatin1String(" ");
        }
        if (--paragraph == 0) {
            s += QLatin1String("\r\n");
            paragraph = rng.between(40, 80);
            start = true;
        }
    }
    return s;
}

// ---- measuring ------------------------------------------------------------------

// One line of the table: a pass over the whole corpus that returns its hit count.
struct Line {
    QString what;
    std::function<qint64()> pass;
    bool matches = true; // whether the hit count is a count of matching texts
    Samples samples;
    qint64 hits = -1;
};

// One warm-up pass per line, then `runs` rounds in which every line makes one
// timed pass in turn, so that a disturbance of the machine spreads over all lines.
void measure(std::vector<Line> &lines, int runs)
{
    for (Line &l : lines)
        l.hits = l.pass();
    for (int i = 0; i < runs; ++i) {
        for (Line &l : lines) {
            bench::Stopwatch w;
            const qint64 hits = l.pass();
            l.samples.add(w.ns());
            if (hits != l.hits)
                l.hits = -2; // not the same from one run to the next: printed as "varies"
        }
    }
}

bool memmemAny(const std::string &text, const std::vector<QByteArray> &terms)
{
    for (const QByteArray &t : terms) {
        if (memmem(text.data(), text.size(), t.constData(), size_t(t.size())))
            return true;
    }
    return false;
}

std::string latin1(const QString &s)
{
    const QByteArray b = s.toLatin1();
    return std::string(b.constData(), size_t(b.size()));
}

} // namespace

int main(int argc, char **argv)
{
    QCoreApplication app(argc, argv);
    QCommandLineParser parser;
    parser.addHelpOption();
    const QCommandLineOption textsOpt("texts", "Texts in the corpus.", "N", "20000");
    const QCommandLineOption charsOpt("chars", "Mean characters per text.", "N", "2048");
    const QCommandLineOption runsOpt("runs", "Timed passes over the corpus per line.", "N", "9");
    const QCommandLineOption seedOpt("seed", "Generator seed.", "N", "1");
    parser.addOptions({textsOpt, charsOpt, runsOpt, seedOpt});
    parser.process(app);
    const int textCount = std::max(1, parser.value(textsOpt).toInt());
    const int chars = std::max(16, parser.value(charsOpt).toInt());
    const int runs = std::max(1, parser.value(runsOpt).toInt());

    // The corpus, three times: as the program holds it (UTF-16), folded, and one
    // byte per character (Latin-1, as the original single-byte texts) raw and folded.
    Random rng(parser.value(seedOpt).toULongLong());
    QStringList pool;
    for (int i = 0; i < 4096; ++i)
        pool << word(rng);
    std::vector<QString> texts, folded;
    std::vector<std::string> bytes, foldedBytes;
    qint64 totalChars = 0;
    for (int i = 0; i < textCount; ++i) {
        texts.push_back(document(rng, pool, chars));
        folded.push_back(Texto::plegar(texts.back()));
        bytes.push_back(latin1(texts.back()));
        foldedBytes.push_back(latin1(folded.back()));
        totalChars += texts.back().size();
    }

    // What a user would type: two words of the texts and one that is not there.
    const auto longWord = [&](int from) {
        while (pool[from].size() < 7 && from + 1 < pool.size())
            ++from;
        return Texto::plegar(pool[from]);
    };
    const QStringList terms{longWord(100), longWord(2000), QStringLiteral("GINSENG")};
    std::vector<QByteArray> termBytes;
    for (const QString &t : terms)
        termBytes.push_back(t.toLatin1());

    QString buffer;
    std::vector<Line> lines;
    const auto add = [&](const char *what, bool matches, std::function<qint64()> pass) {
        Line l;
        l.what = QString::fromUtf8(what);
        l.pass = std::move(pass);
        l.matches = matches;
        lines.push_back(std::move(l));
    };
    add("copy each text into one buffer (memcpy)", false, [&] {
        qint64 n = 0;
        for (const QString &t : texts) {
            buffer.resize(t.size());
            std::memcpy(buffer.data(), t.constData(), size_t(t.size()) * sizeof(QChar));
            n += buffer.at(0) == u'X';
        }
        return n;
    });
    add("fold into one buffer (plegarEn)", false, [&] {
        qint64 n = 0;
        for (const QString &t : texts) {
            Texto::plegarEn(t, buffer);
            n += buffer.at(0) == u'X';
        }
        return n;
    });
    add("fold to a new string (plegar)", false, [&] {
        qint64 n = 0;
        for (const QString &t : texts)
            n += Texto::plegar(t).at(0) == u'X';
        return n;
    });
    add("fold char by char through the table", false, [&] {
        qint64 n = 0;
        for (const QString &t : texts) {
            buffer.resize(t.size());
            char16_t *d = reinterpret_cast<char16_t *>(buffer.data());
            const char16_t *s = reinterpret_cast<const char16_t *>(t.constData());
            for (qsizetype i = 0, e = t.size(); i < e; ++i)
                d[i] = Texto::plegarCaracter(s[i]);
            n += buffer.at(0) == u'X';
        }
        return n;
    });
    add("match alone: algunTermino on folded texts", true, [&] {
        qint64 n = 0;
        for (const QString &t : folded)
            n += Texto::algunTermino(terms, t);
        return n;
    });
    add("match alone: QStringView::indexOf, any of 3", true, [&] {
        qint64 n = 0;
        for (const QString &t : folded) {
            for (const QString &term : terms) {
                if (QStringView(t).indexOf(term) >= 0) {
                    ++n;
                    break;
                }
            }
        }
        return n;
    });
    add("fold + match: plegarEn + algunTermino", true, [&] {
        qint64 n = 0;
        for (const QString &t : texts) {
            Texto::plegarEn(t, buffer);
            n += Texto::algunTermino(terms, buffer);
        }
        return n;
    });
    add("memmem, any of 3, folded Latin-1 bytes", true, [&] {
        qint64 n = 0;
        for (const std::string &t : foldedBytes)
            n += memmemAny(t, termBytes);
        return n;
    });
    add("memmem, 3 full scans, raw Latin-1 bytes", true, [&] {
        qint64 n = 0;
        for (const std::string &t : bytes)
            n += memmemAny(t, termBytes);
        return n;
    });

    measure(lines, runs);

    const auto mbPerSecond = [&](qint64 ns) { return ns > 0 ? double(totalChars) * 1e3 / double(ns) : 0.0; };
    out << QStringLiteral("\n%1 texts, %2 characters (%3 MB as single-byte text), terms %4; median of %5 runs\n")
               .arg(textCount)
               .arg(totalChars)
               .arg(double(totalChars) / 1e6, 0, 'f', 1)
               .arg(terms.join(u' '))
               .arg(runs);
    out << "MB/s counts one character as one byte of the single-byte text.\n";
    out << (qEnvironmentVariableIsEmpty("YB_TEXTO_SSE2")
                ? "Vector loops: AVX2 where the processor has it, else SSE2.\n\n"
                : "Vector loops: SSE2 (YB_TEXTO_SSE2 is set).\n\n");
    out << QStringLiteral("%1 %2 %3 %4\n").arg("operation", -46).arg("median", 10).arg("MB/s", 8).arg("texts hit", 10);
    for (const Line &l : lines) {
        out << QStringLiteral("%1 %2 %3 %4\n")
                   .arg(l.what, -46)
                   .arg(duration(l.samples.median()), 10)
                   .arg(mbPerSecond(l.samples.median()), 8, 'f', 0)
                   .arg(!l.matches    ? QStringLiteral("-")
                        : l.hits >= 0 ? QString::number(l.hits)
                                      : QStringLiteral("varies"),
                        10);
    }
    const qint64 ours = lines[6].samples.median(), plain = lines[7].samples.median();
    const double ratio = double(plain) / double(ours);
    out << QStringLiteral("\nfold + match / memmem (folded bytes) throughput: %1 (target >= 0.33: %2)\n")
               .arg(ratio, 0, 'f', 2)
               .arg(ratio >= 1.0 / 3.0 ? "met" : "NOT met");
    if (lines[4].hits != lines[7].hits || lines[5].hits != lines[7].hits || lines[6].hits != lines[7].hits)
        out << "note: the matches found differ from memmem's\n";
    return 0;
}
