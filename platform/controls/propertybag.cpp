#include "platform/controls/propertybag.h"

#include "platform/controls/convert.h"
#include "platform/controls/errors.h"

#include <QCoreApplication>
#include <QFile>
#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <QSaveFile>

#include <cmath>

namespace controls {

namespace {

QString typeName(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return QStringLiteral("Boolean");
    case QMetaType::Short:
        return QStringLiteral("Integer");
    case QMetaType::Int:
    case QMetaType::UInt:
        return QStringLiteral("Long");
    case QMetaType::Double:
        return QStringLiteral("Double");
    default:
        return QStringLiteral("String");
    }
}

// Bags hold a few plain types only, so that what is saved reads back the same.
QVariant normalised(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
    case QMetaType::Short:
    case QMetaType::Int:
    case QMetaType::Double:
    case QMetaType::QString:
        return v;
    case QMetaType::UInt: // a colour, saved as the 32 bits it is
        return longValue(static_cast<qint32>(v.toUInt()));
    case QMetaType::Float:
        return QVariant(v.toDouble());
    case QMetaType::UnknownType:
        return QVariant(QString());
    case QMetaType::Long:
    case QMetaType::LongLong:
    case QMetaType::ULong:
    case QMetaType::ULongLong:
    case QMetaType::UShort:
    case QMetaType::Char:
    case QMetaType::SChar:
    case QMetaType::UChar:
        return longValue(toLong(v));
    default:
        return QVariant(toText(v));
    }
}

QJsonValue jsonValue(const QVariant& v)
{
    switch (v.typeId()) {
    case QMetaType::Bool:
        return v.toBool();
    case QMetaType::Short:
    case QMetaType::Int:
        return v.toInt();
    case QMetaType::Double:
        return v.toDouble();
    default:
        return v.toString();
    }
}

[[noreturn]] void invalid(const QString& source, const QString& what)
{
    throw ControlError(
        DesignFileInvalid,
        QCoreApplication::translate(
            "controls", "The design file %1 is not valid: %2. Correct the file or save the design again.")
            .arg(quoted(source), what));
}

QVariant jsonToVariant(const QJsonValue& raw, const QString& type, const QString& name, const QString& source)
{
    auto wrong = [&](const QString& why) -> QVariant {
        invalid(source, QCoreApplication::translate("controls", "the value of %1 %2").arg(quoted(name), why));
    };
    QVariant value = raw.toVariant();
    if (raw.isNull() || raw.isUndefined() || raw.isArray() || raw.isObject())
        return wrong(QCoreApplication::translate("controls", "is missing or not a plain value"));
    try {
        if (type.isEmpty()) {
            if (raw.isBool())
                return QVariant(raw.toBool());
            if (raw.isString())
                return QVariant(raw.toString());
            const double d = raw.toDouble();
            if (std::floor(d) == d)
                return longValue(toLong(value));
            return QVariant(d);
        }
        if (type.compare(QLatin1String("String"), Qt::CaseInsensitive) == 0)
            return QVariant(toText(value));
        if (type.compare(QLatin1String("Boolean"), Qt::CaseInsensitive) == 0)
            return QVariant(toBoolean(value));
        if (type.compare(QLatin1String("Integer"), Qt::CaseInsensitive) == 0)
            return integerValue(toInteger(value));
        if (type.compare(QLatin1String("Long"), Qt::CaseInsensitive) == 0)
            return longValue(toLong(value));
        if (type.compare(QLatin1String("Double"), Qt::CaseInsensitive) == 0) {
            if (!raw.isDouble())
                return wrong(QCoreApplication::translate("controls", "is not a number"));
            return QVariant(raw.toDouble());
        }
    } catch (const ControlError& e) {
        return wrong(
            QCoreApplication::translate("controls", "does not fit its type %1 (%2)").arg(type, e.text()));
    }
    return wrong(QCoreApplication::translate("controls", "has the unknown type %1").arg(quoted(type)));
}

} // namespace

qsizetype PropertyBag::indexOf(const QString& name) const
{
    for (qsizetype i = 0; i < entries_.size(); ++i)
        if (entries_[i].name.compare(name, Qt::CaseInsensitive) == 0)
            return i;
    return -1;
}

QVariant PropertyBag::ReadProperty(const QString& name, const QVariant& defaultValue) const
{
    const qsizetype i = indexOf(name);
    return i < 0 ? defaultValue : entries_[i].value;
}

void PropertyBag::WriteProperty(const QString& name, const QVariant& value)
{
    const qsizetype i = indexOf(name);
    if (i < 0)
        entries_.append({name, normalised(value)});
    else
        entries_[i] = {name, normalised(value)};
}

QStringList PropertyBag::names() const
{
    QStringList out;
    for (const Entry& e : entries_)
        out.append(e.name);
    return out;
}

PropertyBag PropertyBag::fromJson(const QByteArray& json, const QString& source)
{
    QJsonParseError error{};
    const QJsonDocument doc = QJsonDocument::fromJson(json, &error);
    if (error.error != QJsonParseError::NoError)
        invalid(source, QCoreApplication::translate("controls", "%1 at character %2")
                            .arg(error.errorString())
                            .arg(error.offset));
    if (!doc.isObject() || !doc.object().value(QLatin1String("properties")).isArray())
        invalid(source, QCoreApplication::translate("controls", "it holds no list \"properties\""));

    PropertyBag bag;
    const QJsonArray list = doc.object().value(QLatin1String("properties")).toArray();
    for (const QJsonValue& item : list) {
        const QJsonObject o = item.toObject();
        const QString name = o.value(QLatin1String("name")).toString();
        if (!item.isObject() || name.isEmpty())
            invalid(source,
                    QCoreApplication::translate("controls", "an entry of \"properties\" has no name"));
        if (bag.contains(name))
            invalid(source,
                    QCoreApplication::translate("controls", "the name %1 appears twice").arg(quoted(name)));
        const QString type = o.value(QLatin1String("type")).toString();
        bag.entries_.append({name, jsonToVariant(o.value(QLatin1String("value")), type, name, source)});
    }
    return bag;
}

PropertyBag PropertyBag::fromFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        throw ControlError(DesignFileAccess, QCoreApplication::translate(
                                                 "controls", "The design file %1 could not be read: %2.")
                                                 .arg(quoted(path), file.errorString()));
    return fromJson(file.readAll(), path);
}

QByteArray PropertyBag::toJson() const
{
    QJsonArray list;
    for (const Entry& e : entries_)
        list.append(QJsonObject{{QStringLiteral("name"), e.name},
                                {QStringLiteral("type"), typeName(e.value)},
                                {QStringLiteral("value"), jsonValue(e.value)}});
    return QJsonDocument(QJsonObject{{QStringLiteral("properties"), list}}).toJson(QJsonDocument::Indented);
}

void PropertyBag::saveToFile(const QString& path) const
{
    QSaveFile file(path);
    if (!file.open(QIODevice::WriteOnly) || file.write(toJson()) < 0 || !file.commit())
        throw ControlError(DesignFileAccess, QCoreApplication::translate(
                                                 "controls", "The design file %1 could not be written: %2.")
                                                 .arg(quoted(path), file.errorString()));
}

bool operator==(const PropertyBag::Entry& a, const PropertyBag::Entry& b)
{
    return a.name == b.name && a.value.typeId() == b.value.typeId() && a.value == b.value;
}

bool operator==(const PropertyBag& a, const PropertyBag& b)
{
    return a.entries_ == b.entries_;
}

int himetricToTwips(int himetric)
{
    return static_cast<int>(std::lround(himetric * 1440.0 / 2540.0));
}

int twipsToHimetric(int twips)
{
    return static_cast<int>(std::lround(twips * 2540.0 / 1440.0));
}

} // namespace controls
