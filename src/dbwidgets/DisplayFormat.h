#pragma once

#include "data/Schema.h"

#include <QString>
#include <QVariant>

namespace yb {

// A number written by a display format such as "0.0 %": literal text around one
// number pattern, '0' a digit always written, '#' a decimal written only when not zero.
// The number is not scaled: 12.5 with "0.0 %" is "12.5 %".
QString formatNumber(double value, const QString &format);

// The text a control shows for a field value; numbers follow `format` when one is given.
QString displayText(const QVariant &value, FieldType type, const QString &format = {});

// The text an editor starts from: the plain value, without display format.
QString editText(const QVariant &value, FieldType type);

} // namespace yb
