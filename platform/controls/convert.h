#pragma once

#include "platform/controls/typeinfo.h"

#include <QString>
#include <QVariant>

// Conversions of a value to a member's type, as a caller who passes text, a number or a
// Boolean expects them: "10" is 10, True is -1, "&H00C0FFFF&" is a colour. A value
// that does not convert raises TypeMismatch, one out of range raises Overflow; an empty
// (invalid) QVariant is the empty text, False or 0.
namespace controls {

QString toText(const QVariant& value);
bool toBoolean(const QVariant& value);
qint16 toInteger(const QVariant& value); // rounds half to even
qint32 toLong(const QVariant& value);
quint32 toColor(const QVariant& value);

// The value converted and carried in the QVariant type of the member type:
// QString, bool, qint16, qint32 or quint32. Variant returns the value as it is.
QVariant coerce(const QVariant& value, VarType type);

// The QVariant of a value of that type, for a value already of it.
inline QVariant integerValue(qint16 v)
{
    return QVariant::fromValue<qint16>(v);
}
inline QVariant longValue(qint32 v)
{
    return QVariant::fromValue<qint32>(v);
}
inline QVariant colorValue(quint32 v)
{
    return QVariant::fromValue<quint32>(v);
}

} // namespace controls
