#include "formats/ConfigDat.h"
#include "formats/EscrituraAtomica.h"

#include <QFile>

namespace yb {
namespace {

// The range each line accepts; anything else falls back to the built-in value.
struct Range {
    int min, max;
};

Range rangeOf(int line)
{
    switch (line) {
    case ConfigDat::Left:
    case ConfigDat::Top:
    case ConfigDat::UsosLeft:
    case ConfigDat::UsosTop: return {-100000, 100000};
    case ConfigDat::ColorScheme:
    case ConfigDat::TextSize: return {0, 255};
    default: return {1, 100000}; // sizes
    }
}

} // namespace

std::array<int, ConfigDat::LineCount> ConfigDat::defaults()
{
    return {kCentred, kCentred, 1024, 700, 217, 257, 265, kCentred, kCentred, 1024, 700, 505, 257, 0, 0};
}

bool ConfigDat::read(const QString &path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    const QList<QByteArray> lines = file.read(64 * 1024).split('\n');
    for (int i = 0; i < LineCount && i < lines.size(); ++i) {
        bool ok = false;
        const int value = lines[i].trimmed().toInt(&ok);
        const Range r = rangeOf(i);
        if (ok && value >= r.min && value <= r.max)
            values[size_t(i)] = value;
    }
    return true;
}

bool ConfigDat::write(const QString &path) const
{
    QByteArray text;
    for (int v : values)
        text += QByteArray::number(v == kCentred ? 0 : v) + "\r\n";
    return escribirAtomico(path, text);
}

} // namespace yb
