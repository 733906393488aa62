#include "dbwidgets/DisplayFormat.h"

#include <QLocale>

namespace yb {
namespace {

bool isPlaceholder(QChar c) { return c == u'0' || c == u'#'; }

QString plainNumber(double value) { return QLocale::c().toString(value, 'g', QLocale::FloatingPointShortest); }

} // namespace

QString formatNumber(double value, const QString &format)
{
    // The number pattern runs from the first placeholder to the last placeholder or point.
    qsizetype begin = -1, end = -1;
    for (qsizetype i = 0; i < format.size(); ++i) {
        const QChar c = format[i];
        if (isPlaceholder(c) || (c == u'.' && begin >= 0) || (c == u',' && begin >= 0)) {
            if (begin < 0)
                begin = i;
            end = i + 1;
        } else if (begin >= 0) {
            break;
        }
    }
    if (begin < 0)
        return plainNumber(value);
    const QStringView pattern = QStringView(format).mid(begin, end - begin);
    const qsizetype point = pattern.indexOf(u'.');
    int minIntegers = 0, minDecimals = 0, maxDecimals = 0;
    for (qsizetype i = 0; i < pattern.size(); ++i) {
        const bool decimal = point >= 0 && i > point;
        if (pattern[i] == u'0')
            ++(decimal ? minDecimals : minIntegers);
        if (decimal && isPlaceholder(pattern[i]))
            ++maxDecimals;
    }
    QString number = QLocale::c().toString(value, 'f', maxDecimals);
    // Optional decimals: drop trailing zeros down to the required ones.
    if (maxDecimals > minDecimals) {
        const qsizetype dot = number.indexOf(u'.');
        qsizetype keep = number.size();
        while (keep > dot + 1 + minDecimals && number[keep - 1] == u'0')
            --keep;
        if (keep == dot + 1)
            keep = dot;
        number.truncate(keep);
    }
    // Leading zeros up to the required integer digits; "#.##" writes 0.5 as ".5".
    const bool negative = number.startsWith(u'-');
    QString digits = negative ? number.mid(1) : number;
    qsizetype integers = digits.indexOf(u'.');
    if (integers < 0)
        integers = digits.size();
    if (minIntegers == 0 && integers == 1 && digits.startsWith(u'0') && digits.size() > 1)
        digits.remove(0, 1);
    else if (integers < minIntegers)
        digits.prepend(QString(minIntegers - integers, u'0'));
    return format.left(begin) + (negative ? QStringLiteral("-") : QString()) + digits + format.mid(end);
}

QString displayText(const QVariant &value, FieldType type, const QString &format)
{
    if (!value.isValid() || value.isNull())
        return {};
    switch (type) {
    case FieldType::Number:
        return format.isEmpty() ? plainNumber(value.toDouble()) : formatNumber(value.toDouble(), format);
    case FieldType::Logical: return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case FieldType::Graphic: return QStringLiteral("(Graphic)");
    case FieldType::Long:
    case FieldType::Short:
    case FieldType::AutoInc: return format.isEmpty() ? value.toString() : formatNumber(value.toDouble(), format);
    case FieldType::Alpha:
    case FieldType::Memo: break;
    }
    return value.toString();
}

QString editText(const QVariant &value, FieldType type)
{
    if (!value.isValid() || value.isNull())
        return {};
    if (type == FieldType::Number)
        return plainNumber(value.toDouble());
    if (type == FieldType::Logical)
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    return value.toString();
}

} // namespace yb
