#include "data/FilterExpression.h"

namespace yb::FilterExpression {
namespace {

[[noreturn]] void bad(const QString &text, const QString &why)
{
    throw DbError(DbError::Code::BadFilter,
                  QStringLiteral("The filter \"%1\" is not valid: %2. A filter is made of Field=Value terms "
                                 "joined by \" and \".")
                      .arg(text, why));
}

QVariant typedValue(const QString &text, const QString &raw, bool quoted, const FieldDef &field)
{
    bool ok = true;
    switch (field.type) {
    case FieldType::Logical:
        if (!quoted && raw.compare(u"true", Qt::CaseInsensitive) == 0)
            return true;
        if (!quoted && raw.compare(u"false", Qt::CaseInsensitive) == 0)
            return false;
        bad(text, QStringLiteral("%1 takes True or False").arg(field.name));
    case FieldType::Long:
    case FieldType::Short:
    case FieldType::AutoInc: {
        const int v = raw.toInt(&ok);
        if (!ok || quoted)
            bad(text, QStringLiteral("%1 takes a whole number").arg(field.name));
        return v;
    }
    case FieldType::Number: {
        const double v = raw.toDouble(&ok);
        if (!ok || quoted)
            bad(text, QStringLiteral("%1 takes a number").arg(field.name));
        return v;
    }
    case FieldType::Graphic: bad(text, QStringLiteral("%1 is a picture and cannot be compared").arg(field.name));
    case FieldType::Alpha:
    case FieldType::Memo: return raw;
    }
    return raw;
}

} // namespace

QList<FilterTerm> parse(const QString &text, const TableInfo &table)
{
    QList<FilterTerm> terms;
    qsizetype i = 0;
    const qsizetype n = text.size();
    const auto skipSpaces = [&] {
        while (i < n && text[i].isSpace())
            ++i;
    };
    skipSpaces();
    if (i == n)
        return terms;
    for (;;) {
        // Field name
        const qsizetype nameStart = i;
        while (i < n && (text[i].isLetterOrNumber() || text[i] == u'_'))
            ++i;
        const QString name = text.mid(nameStart, i - nameStart);
        if (name.isEmpty())
            bad(text, QStringLiteral("a field name is expected at position %1").arg(nameStart + 1));
        const int field = table.fieldIndex(name);
        if (field < 0)
            throw DbError(DbError::Code::UnknownField,
                          QStringLiteral("The filter \"%1\" names the field %2, which the table %3 does not have.")
                              .arg(text, name, table.name));
        skipSpaces();
        if (i == n || text[i] != u'=')
            bad(text, QStringLiteral("\"=\" is expected after %1").arg(name));
        ++i;
        skipSpaces();
        // Value: quoted text, or a bare word up to the next space
        QString raw;
        bool quoted = false;
        if (i < n && (text[i] == u'\'' || text[i] == u'"')) {
            const QChar quote = text[i++];
            quoted = true;
            for (;;) {
                if (i == n)
                    bad(text, QStringLiteral("a quoted value is not closed"));
                if (text[i] == quote) {
                    if (i + 1 < n && text[i + 1] == quote) { // doubled quote stands for itself
                        raw += quote;
                        i += 2;
                        continue;
                    }
                    ++i;
                    break;
                }
                raw += text[i++];
            }
        } else {
            const qsizetype start = i;
            while (i < n && !text[i].isSpace())
                ++i;
            raw = text.mid(start, i - start);
            if (raw.isEmpty())
                bad(text, QStringLiteral("a value is expected after %1=").arg(name));
        }
        terms << FilterTerm{field, typedValue(text, raw, quoted, table.fields[field])};
        skipSpaces();
        if (i == n)
            break;
        if (text.mid(i, 3).compare(u"and", Qt::CaseInsensitive) != 0 || i + 3 >= n || !text[i + 3].isSpace())
            bad(text, QStringLiteral("\" and \" is expected at position %1").arg(i + 1));
        i += 3;
        skipSpaces();
    }
    return terms;
}

} // namespace yb::FilterExpression
