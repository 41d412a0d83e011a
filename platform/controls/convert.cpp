#include "platform/controls/convert.h"

#include "platform/controls/errors.h"

#include <QCoreApplication>
#include <QLocale>

#include <cmath>
#include <limits>
#include <optional>

namespace controls {

namespace {

// The value as the message shows it; a value with no text is named by its type.
QString describe(const QVariant& value)
{
    if (value.typeId() == QMetaType::Bool || value.typeId() == QMetaType::Double ||
        (value.canConvert<QString>() && value.typeId() != QMetaType::QVariantList &&
         value.typeId() != QMetaType::QVariantMap && value.typeId() != QMetaType::QStringList))
        return quoted(toText(value));
    return QCoreApplication::translate("controls", "a value of type %1")
        .arg(QString::fromLatin1(value.typeName()));
}

[[noreturn]] void mismatch(const QVariant& value, const char* type)
{
    throw ControlError(TypeMismatch,
                       QCoreApplication::translate("controls", "Type mismatch: %1 is not a %2 value.")
                           .arg(describe(value), QString::fromLatin1(type)));
}

[[noreturn]] void overflow(const QVariant& value, const char* type)
{
    throw ControlError(Overflow,
                       QCoreApplication::translate("controls", "Overflow: %1 does not fit in a %2 value.")
                           .arg(describe(value), QString::fromLatin1(type)));
}

// "&H" hexadecimal, with an optional trailing "&"; its width decides the sign, so that
// "&HFFFF" is -1 as an Integer and "&H8000000A" a system colour as a Long.
std::optional<double> parseHex(QString text, int bits)
{
    if (!text.startsWith(QLatin1String("&H"), Qt::CaseInsensitive))
        return std::nullopt;
    text = text.mid(2);
    if (text.endsWith(QLatin1Char('&')))
        text.chop(1);
    if (text.isEmpty() || text.size() > 8)
        return std::nullopt;
    bool ok = false;
    const quint32 raw = text.toUInt(&ok, 16);
    if (!ok)
        return std::nullopt;
    if (text.size() <= 4 && bits == 16)
        return static_cast<double>(static_cast<qint16>(static_cast<quint16>(raw)));
    return static_cast<double>(static_cast<qint32>(raw));
}

std::optional<double> parseNumber(const QString& raw, int bits)
{
    const QString text = raw.trimmed();
    if (auto hex = parseHex(text, bits))
        return hex;
    bool ok = false;
    const double d = QLocale::c().toDouble(text, &ok);
    if (ok)
        return d;
    if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
        return -1.0;
    if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
        return 0.0;
    return std::nullopt;
}

// The value as a number, or nullopt for a value that is not one.
std::optional<double> number(const QVariant& value, int bits)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return 0.0;
    case QMetaType::Bool:
        return value.toBool() ? -1.0 : 0.0;
    case QMetaType::QString:
        return parseNumber(value.toString(), bits);
    case QMetaType::Double:
    case QMetaType::Float:
        return value.toDouble();
    case QMetaType::Int:
    case QMetaType::Short:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::Long:
    case QMetaType::LongLong:
        return static_cast<double>(value.toLongLong());
    case QMetaType::UInt:
    case QMetaType::UShort:
    case QMetaType::UChar:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
        return static_cast<double>(value.toULongLong());
    default:
        return std::nullopt;
    }
}

template <class T> T whole(const QVariant& value, const char* type, int bits)
{
    const std::optional<double> d = number(value, bits);
    if (!d)
        mismatch(value, type);
    if (!std::isfinite(*d))
        overflow(value, type);
    const double r = std::nearbyint(*d); // the default rounding mode: half to even
    if (r < static_cast<double>(std::numeric_limits<T>::min()) ||
        r > static_cast<double>(std::numeric_limits<T>::max()))
        overflow(value, type);
    return static_cast<T>(r);
}

} // namespace

QString toText(const QVariant& value)
{
    switch (value.typeId()) {
    case QMetaType::UnknownType:
        return {};
    case QMetaType::Bool:
        return value.toBool() ? QStringLiteral("True") : QStringLiteral("False");
    case QMetaType::Double:
    case QMetaType::Float:
        return QString::number(value.toDouble(), 'g', 15);
    case QMetaType::QVariantList:
    case QMetaType::QVariantMap:
    case QMetaType::QStringList:
        mismatch(value, "text");
    default:
        if (value.canConvert<QString>())
            return value.toString();
        mismatch(value, "text");
    }
}

bool toBoolean(const QVariant& value)
{
    if (value.typeId() == QMetaType::QString) {
        const QString text = value.toString().trimmed();
        if (text.compare(QLatin1String("True"), Qt::CaseInsensitive) == 0)
            return true;
        if (text.compare(QLatin1String("False"), Qt::CaseInsensitive) == 0)
            return false;
    }
    const std::optional<double> d = number(value, 32);
    if (!d)
        mismatch(value, "Boolean");
    return *d != 0.0;
}

qint16 toInteger(const QVariant& value)
{
    return whole<qint16>(value, "16-bit Integer", 16);
}

qint32 toLong(const QVariant& value)
{
    return whole<qint32>(value, "32-bit Long", 32);
}

quint32 toColor(const QVariant& value)
{
    // Colours are written both as signed Longs (system colours negative) and unsigned.
    const std::optional<double> d = number(value, 32);
    if (!d)
        mismatch(value, "colour");
    if (!std::isfinite(*d))
        overflow(value, "colour");
    const double r = std::nearbyint(*d);
    if (r < static_cast<double>(std::numeric_limits<qint32>::min()) ||
        r > static_cast<double>(std::numeric_limits<quint32>::max()))
        overflow(value, "colour");
    return r < 0 ? static_cast<quint32>(static_cast<qint32>(r)) : static_cast<quint32>(r);
}

QVariant coerce(const QVariant& value, VarType type)
{
    switch (type) {
    case VarType::Void:
    case VarType::Variant:
        return value;
    case VarType::Boolean:
        return QVariant(toBoolean(value));
    case VarType::Integer:
        return integerValue(toInteger(value));
    case VarType::Long:
        return longValue(toLong(value));
    case VarType::OleColor:
        return colorValue(toColor(value));
    case VarType::String:
        return QVariant(toText(value));
    }
    return value;
}

} // namespace controls
