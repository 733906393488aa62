#include "SyntheticDatabase.h"
#include <QElapsedTimer>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTextStream>

#include "Random.h"

#include <QFile>
#include <algorithm>
#include <cmath>
#include <string>
#include <vector>

namespace yb {
namespace {

// ---- words --------------------------------------------------------------------

const char *const kOnsets[] = {"b", "c",  "ch", "d", "f", "g", "h", "j",  "k", "l", "m",  "n",  "p",  "qu", "r",
                               "s", "sh", "t",  "v", "x", "y", "z", "zh", "",  "",  "gu", "tr", "br", "pl"};
const char *const kVowels[] = {"a", "e", "i", "o", "u", "a", "e", "o", "ia", "ie", "ua", "ao", "ei", "ou", "ai"};
const char *const kCodas[] = {"", "", "", "", "n", "ng", "r", "s", "l", "n"};
const char16_t kAccented[] = {u'á', u'é', u'í', u'ó', u'ú'};

QString syllable(Random &rng)
{
    const QString onset = rng.chance(0.02) ? QStringLiteral("ñ") : QString::fromLatin1(rng.pick(kOnsets));
    QString vowel = QLatin1String(rng.pick(kVowels));
    if (rng.chance(0.08)) {
        const int at = rng.below(int(vowel.size()));
        const int which = QStringLiteral("aeiou").indexOf(vowel[at]);
        vowel[at] = QChar(kAccented[which]);
    } else if (rng.chance(0.01) && vowel.contains(u'u')) {
        vowel.replace(u'u', u'ü');
    }
    return onset + vowel + QLatin1String(rng.pick(kCodas));
}

QString word(Random &rng, int minSyllables, int maxSyllables)
{
    QString w;
    const int n = rng.between(minSyllables, maxSyllables);
    for (int i = 0; i < n; ++i)
        w += syllable(rng);
    return w;
}

QString capitalized(QString s)
{
    if (!s.isEmpty())
        s[0] = s[0].toUpper();
    return s;
}

// Names come in the mixed spellings real data has: Title Case, Sentence case, UPPER, lower.
QString withSomeCase(Random &rng, const QStringList &words)
{
    const int style = rng.below(10);
    if (style == 0)
        return words.join(u' ').toUpper();
    if (style == 1)
        return words.join(u' ');
    if (style <= 3)
        return capitalized(words.join(u' '));
    QStringList title;
    for (const QString &w : words)
        title << capitalized(w);
    return title.join(u' ');
}

QString name(Random &rng, int minWords, int maxWords, int maxChars, int minSyllables = 1, int maxSyllables = 3)
{
    QStringList words;
    const int n = rng.between(minWords, maxWords);
    for (int i = 0; i < n; ++i)
        words << word(rng, minSyllables, maxSyllables);
    return withSomeCase(rng, words).left(maxChars);
}

// A name field: a few are left empty, as in real data.
QVariant optionalName(Random &rng, int maxChars)
{
    if (rng.chance(0.03))
        return QString();
    return name(rng, 1, 3, maxChars);
}

// ---- RTF ----------------------------------------------------------------------

const char kRtfHeader[] = "{\\rtf1\\ansi\\ansicpg1252\\deff0{\\fonttbl{\\f0\\fswiss Arial;}}\\pard\\f0\\fs20 ";

std::string rtfEscaped(QStringView text)
{
    static const char hex[] = "0123456789abcdef";
    std::string out;
    out.reserve(size_t(text.size()) + 8);
    for (const QChar c : text) {
        const char16_t u = c.unicode();
        if (u == u'\\' || u == u'{' || u == u'}') {
            out += '\\';
            out += char(u);
        } else if (u < 0x80) {
            out += char(u);
        } else if (u <= 0xFF) { // Latin-1 letters are the same in code page 1252
            out += "\\'";
            out += hex[u >> 4];
            out += hex[u & 0xF];
        } else {
            out += "\\u" + std::to_string(qint16(u)) + '?';
        }
    }
    return out;
}

// Monograph texts are made of words from a fixed pool, already written as RTF.
struct WordPool {
    std::vector<std::string> lower, capital;

    WordPool(Random &rng, int size)
    {
        for (int i = 0; i < size; ++i) {
            const QString w = word(rng, 1, 4);
            lower.push_back(rtfEscaped(w));
            capital.push_back(rtfEscaped(capitalized(w)));
        }
    }

    // An RTF document of about `bytes` bytes: sentences, a few bold words, paragraphs.
    QString document(Random &rng, int bytes) const
    {
        const size_t target = size_t(bytes * (0.75 + 0.5 * rng.uniform()));
        std::string s = kRtfHeader;
        s.reserve(target + 64);
        int sentence = 0, paragraph = rng.between(40, 80);
        bool startOfSentence = true;
        while (s.size() < target) {
            const int i = rng.below(int(lower.size()));
            const std::string &w = startOfSentence ? capital[size_t(i)] : lower[size_t(i)];
            if (rng.chance(0.02)) {
                s += "{\\b ";
                s += w;
                s += '}';
            } else {
                s += w;
            }
            startOfSentence = false;
            if (++sentence >= 8 && rng.chance(0.15)) {
                s += rng.chance(0.8) ? ". " : "; ";
                sentence = 0;
                startOfSentence = true;
            } else {
                s += rng.chance(0.05) ? ", " : " ";
            }
            if (--paragraph == 0) {
                s += "\\par\r\n";
                paragraph = rng.between(40, 80);
                startOfSentence = true;
            }
        }
        s += ".\\par}";
        return QString::fromLatin1(s.data(), qsizetype(s.size()));
    }
};

QString digits(Random &rng, int count)
{
    QString s(count, u'0');
    for (int i = 0; i < count; ++i)
        if (rng.chance(0.45))
            s[i] = QChar(u'0' + rng.between(1, 3));
    return s;
}

// k distinct numbers of 1..n, ascending; popular ones (low numbers) come up more often.
std::vector<int> distinctKeys(Random &rng, int k, int n)
{
    k = std::min(k, n);
    std::vector<int> keys;
    keys.reserve(size_t(k));
    if (k * 2 > n) {
        std::vector<int> all(static_cast<size_t>(n));
        for (int i = 0; i < n; ++i)
            all[size_t(i)] = i + 1;
        for (int i = 0; i < k; ++i)
            std::swap(all[size_t(i)], all[size_t(i + rng.below(n - i))]);
        keys.assign(all.begin(), all.begin() + k);
    } else {
        while (int(keys.size()) < k) {
            const int key = 1 + std::min(n - 1, int(n * std::pow(rng.uniform(), 1.5)));
            if (std::find(keys.begin(), keys.end(), key) == keys.end())
                keys.push_back(key);
        }
    }
    std::sort(keys.begin(), keys.end());
    return keys;
}

// Splits `total` into counts between lo and hi (inclusive) around `total / count`.
std::vector<int> spread(Random &rng, int count, qint64 total, int lo, int hi)
{
    std::vector<int> counts(static_cast<size_t>(count));
    if (count == 0)
        return counts;
    total = std::clamp<qint64>(total, qint64(lo) * count, qint64(hi) * count);
    const double mean = double(total) / count;
    const int from = std::max(lo, int(mean / 3)), to = std::clamp(int(std::ceil(mean * 5 / 3)), from, hi);
    qint64 sum = 0;
    for (int &c : counts)
        sum += (c = rng.between(from, to));
    while (sum != total) {
        int &c = counts[size_t(rng.below(count))];
        if (sum < total && c < hi) {
            ++c;
            ++sum;
        } else if (sum > total && c > lo) {
            --c;
            --sum;
        }
    }
    return counts;
}

// ---- filling ------------------------------------------------------------------

QString insertSql(const char *table, const QStringList &columns)
{
    QStringList marks;
    for (int i = 0; i < columns.size(); ++i)
        marks << QStringLiteral("?");
    return QStringLiteral("INSERT INTO \"%1\" (%2) VALUES (%3)")
        .arg(QLatin1String(table), columns.join(QStringLiteral(", ")), marks.join(QStringLiteral(", ")));
}

// One prepared INSERT per table; every row borrows it from the connection's cache.
void insertRow(Database &db, const QString &sql, const QVariantList &values)
{
    Statement s(db, sql);
    s.bindAll(values);
    s.exec();
}

struct Catalogue {
    const char *table;
    int rows;
    int maxChars;
};

class Generator {
public:
    Generator(Database &db, const SyntheticScale &scale) : m_db(db), m_scale(scale), m_rng(scale.seed) {}

    void run()
    {
        WordPool pool(m_rng, 4096);
        m_pool = &pool;
        species();
        classes();
        sources();
        for (const Catalogue &c :
             {Catalogue{"Usos", m_scale.actions, 120}, Catalogue{"Sintomas", m_scale.indications, 120},
              Catalogue{"Componen", m_scale.components, 40}})
            catalogue(c);
        herbs();
        notesAndSynonyms();
        links();
        formulas();
        glossary("Glosario");
        glossary("Glossary");
        m_pool = nullptr;
    }

private:
    void species()
    {
        const QString sql = insertSql("Especies", {"Clave", "Nom", "NomIng"});
        for (int i = 1; i <= kSpecies; ++i)
            insertRow(m_db, sql, {i, name(m_rng, 1, 1, 10), name(m_rng, 1, 1, 10)});
    }

    void classes()
    {
        const QString sql = insertSql("Clases", {"Num", "Padre", "NomEsp", "NomIng"});
        int num = 0;
        for (int c = 0; c < std::max(1, m_scale.classes); ++c) {
            const int parent = ++num;
            insertRow(m_db, sql, {parent, 0, name(m_rng, 3, 6, 80), name(m_rng, 3, 6, 80)});
            std::vector<int> subs;
            for (int s = m_rng.between(1, 5); s > 0; --s) {
                subs.push_back(++num);
                insertRow(m_db, sql, {num, parent, name(m_rng, 2, 5, 80), name(m_rng, 2, 5, 80)});
            }
            m_subClasses.push_back({parent, subs});
        }
    }

    void sources()
    {
        const QString sql = insertSql("Fuentes", {"Clave", "Titulo", "Chino", "Autor", "Dinastia"});
        m_sources = 40;
        for (int i = 1; i <= m_sources; ++i)
            insertRow(m_db, sql,
                      {i, name(m_rng, 2, 5, 120), name(m_rng, 2, 3, 60), name(m_rng, 2, 3, 60), name(m_rng, 1, 1, 60)});
    }

    void catalogue(const Catalogue &c)
    {
        const QString sql = insertSql(c.table, {"Clave", "Orden", "Nom", "NomIng"});
        for (int i = 1; i <= c.rows; ++i)
            insertRow(m_db, sql, {i, i, name(m_rng, 1, 4, c.maxChars), name(m_rng, 1, 4, c.maxChars)});
    }

    void herbs()
    {
        QStringList columns{"Clave", "Cod", "EsFormula", "PinYin"};
        for (int i = 0; i <= 10; ++i)
            columns << QStringLiteral("Nom%1").arg(i);
        columns << "Familia"
                << "Habitat"
                << "Parte"
                << "ParteIng"
                << "KEspecie"
                << "Toxicidad"
                << "Orden"
                << "Meridianos"
                << "Sabor"
                << "Energia"
                << "KClase"
                << "KSubClase"
                << "KFuente";
        const int firstMemo = int(columns.size());
        for (const char *memo : kMonographFields)
            columns << QLatin1String(memo);
        const QString sql = insertSql("Plantas", columns);

        static const char *const kFormulaKinds[] = {"tang", "wan", "san", "yin", "gao", "dan"};
        QVariantList row;
        for (int key = 1; key <= m_scale.herbs; ++key) {
            const bool formula = m_rng.chance(m_scale.formulaShare);
            (formula ? m_formulas : m_singles).push_back(key);
            row.clear();
            QString pinyin = name(m_rng, 2, 3, 50, 1, 1);
            if (formula)
                pinyin = (pinyin + u' ' + QLatin1String(m_rng.pick(kFormulaKinds))).left(50);
            row << key << key * 10 << formula << pinyin;
            for (int i = 0; i <= 10; ++i)
                row << optionalName(m_rng, i <= 3 ? 50 : 35);
            const auto &[klass, subs] = m_subClasses[size_t(m_rng.below(int(m_subClasses.size())))];
            row << (formula ? QVariant() : name(m_rng, 1, 1, 25)) << name(m_rng, 2, 5, 50) << name(m_rng, 1, 2, 40)
                << name(m_rng, 1, 2, 40) << (formula ? kSpecies : m_rng.between(1, kSpecies - 1))
                << QString(QChar(u'0' + m_rng.below(4))) << key << digits(m_rng, formula ? 14 : 12)
                << digits(m_rng, formula ? 10 : 8) << digits(m_rng, formula ? 10 : 5) << klass
                << subs[size_t(m_rng.below(int(subs.size())))]
                << (formula ? QVariant(m_rng.between(1, m_sources)) : QVariant());
            Q_ASSERT(row.size() == firstMemo);
            for (size_t m = 0; m < std::size(kMonographFields); ++m)
                row << m_pool->document(m_rng, m_scale.memoBytes);
            insertRow(m_db, sql, row);
        }
    }

    void notesAndSynonyms()
    {
        const QString notes = insertSql("Notas", {"KPlanta", "Memo"});
        const QString synonyms = insertSql("Sinonimos", {"KPlanta", "Sinon"});
        for (int key = 1; key <= m_scale.herbs; ++key) {
            if (m_rng.chance(0.1))
                insertRow(m_db, notes, {key, m_pool->document(m_rng, 300)});
            if (m_rng.chance(0.3))
                for (int n = m_rng.between(1, 3); n > 0; --n)
                    insertRow(m_db, synonyms, {key, name(m_rng, 1, 3, 50)});
        }
    }

    void links()
    {
        const int herbs = m_scale.herbs;
        const int most = m_scale.actions + m_scale.indications;
        const std::vector<int> perHerb = spread(m_rng, herbs, m_scale.links, std::min(1, most), most);
        const QString rel = insertSql("Rel", {"KPlanta", "KUso", "OPlanta", "OUso"});
        const QString relSint = insertSql("RelSint", {"KPlanta", "KSint", "Memo", "OPlanta", "OSint"});
        for (int key = 1; key <= herbs; ++key) {
            const int total = perHerb[size_t(key - 1)];
            int toActions = int(std::lround(total * (0.3 + 0.4 * m_rng.uniform())));
            toActions = std::clamp(toActions, total - m_scale.indications, m_scale.actions);
            for (int action : distinctKeys(m_rng, toActions, m_scale.actions))
                insertRow(m_db, rel, {key, action, key, action});
            for (int sint : distinctKeys(m_rng, total - toActions, m_scale.indications))
                insertRow(m_db, relSint,
                          {key, sint, m_rng.chance(0.05) ? QVariant(name(m_rng, 3, 8, 200)) : QVariant(), key, sint});
        }

        const QString relComp = insertSql("RelComp", {"KPlanta", "KComp", "OPlanta", "OComp"});
        const qint64 componentLinks = std::llround(m_scale.links * m_scale.componentLinkShare);
        const std::vector<int> perSingle =
            spread(m_rng, int(m_singles.size()), componentLinks, 0, std::max(1, std::min(12, m_scale.components)));
        for (size_t i = 0; i < m_singles.size(); ++i)
            for (int comp : distinctKeys(m_rng, perSingle[i], m_scale.components))
                insertRow(m_db, relComp, {m_singles[i], comp, m_singles[i], comp});
    }

    // Each formula is made of 3 to 12 single herbs whose percentages add up to 100.
    void formulas()
    {
        const QString sql = insertSql("RelForm", {"KFormula", "KPlanta", "Porcentaje", "OFormula", "OPlanta"});
        const int singles = int(m_singles.size());
        for (int formula : m_formulas) {
            const int n = std::min(m_rng.between(3, 12), singles);
            if (n == 0)
                continue;
            std::vector<int> picks = distinctKeys(m_rng, n, singles);
            std::vector<int> weights(static_cast<size_t>(n));
            int weightSum = 0;
            for (int &w : weights)
                weightSum += (w = m_rng.between(1, 10));
            std::vector<int> percent(static_cast<size_t>(n));
            int given = 0;
            for (int i = 0; i < n; ++i)
                given += (percent[size_t(i)] = std::max(1, 100 * weights[size_t(i)] / weightSum));
            for (int i = 0; given != 100; i = (i + 1) % n) { // hand out (or take back) the rounding
                if (given < 100) {
                    ++percent[size_t(i)];
                    ++given;
                } else if (percent[size_t(i)] > 1) {
                    --percent[size_t(i)];
                    --given;
                }
            }
            for (int i = 0; i < n; ++i) {
                const int herb = m_singles[size_t(picks[size_t(i)] - 1)];
                insertRow(m_db, sql, {formula, herb, double(percent[size_t(i)]), formula, herb});
            }
        }
    }

    void glossary(const char *table)
    {
        const QString sql = insertSql(table, {"Nom", "Memo"});
        const int terms = std::max(1, m_scale.glossaryTerms);
        for (int i = 0; i < terms; ++i)
            insertRow(m_db, sql, {name(m_rng, 1, 2, 30), m_pool->document(m_rng, 400)});
    }

    static constexpr int kSpecies = 5; // the last one is the formulas' species
    static constexpr const char *kMonographFields[] = {"Descripcion",      "Floracion",      "Aplicacion",
                                                       "Administracion",   "DescripcionIng", "FloracionIng",
                                                       "AdministracionIng"};

    Database &m_db;
    const SyntheticScale &m_scale;
    Random m_rng;
    const WordPool *m_pool = nullptr;
    std::vector<std::pair<int, std::vector<int>>> m_subClasses; // class -> its sub-classes
    int m_sources = 0;
    std::vector<int> m_singles, m_formulas;
};

} // namespace

SyntheticScale SyntheticScale::scaled(double factor, quint64 seed)
{
    SyntheticScale s;
    const auto times = [factor](int n) { return std::max(1, int(std::lround(n * factor))); };
    s.herbs = times(s.herbs);
    s.actions = times(s.actions);
    s.indications = times(s.indications);
    s.components = times(s.components);
    s.links = times(s.links);
    s.glossaryTerms = times(s.glossaryTerms);
    s.seed = seed;
    return s;
}

namespace SyntheticDatabase {

std::unique_ptr<Database> create(const QString &directory, const SyntheticScale &scale)
{
    std::unique_ptr<Database> db = Database::create(directory);
    const QString path = db->filePath();
    try {
        // A bigger page cache while filling; the connection gets its own size back afterwards.
        const qint64 previousCache = [&] {
            Statement s(*db, QStringLiteral("PRAGMA cache_size"));
            return s.step() ? s.int64(0) : -2000;
        }();
        db->exec(QStringLiteral("PRAGMA cache_size = -262144"));
        {
            Database::Transaction tx(*db);
            Generator(*db, scale).run();
            tx.commit();
        }
        db->exec(QStringLiteral("PRAGMA cache_size = %1").arg(previousCache));
        db->exec(QStringLiteral("PRAGMA wal_checkpoint(TRUNCATE)"));
        db->touchAll();
    } catch (...) {
        db.reset();
        for (const char *suffix : {"", "-wal", "-shm"})
            QFile::remove(path + QLatin1String(suffix));
        throw;
    }
    return db;
}

std::unique_ptr<Database> openOrGenerate(const QString &directory, double scale, QTemporaryDir &temporary,
                                         QTextStream &log)
{
    QString dir = directory;
    if (dir.isEmpty()) {
        if (!temporary.isValid())
            throw DbError(DbError::Code::ReadOnly, QStringLiteral("Cannot make a temporary directory."));
        dir = temporary.path();
    }
    if (QFileInfo::exists(Database::filePathIn(dir))) {
        auto db = Database::open(dir);
        log << "Using " << db->filePath() << "\n";
        return db;
    }
    QElapsedTimer t;
    t.start();
    auto db = create(dir, SyntheticScale::scaled(scale));
    log << "Generated " << db->filePath() << " (scale " << scale << ") in " << t.elapsed() << " ms\n";
    log.flush();
    return db;
}

} // namespace SyntheticDatabase
} // namespace yb
