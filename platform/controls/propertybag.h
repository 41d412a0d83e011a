#pragma once

#include <QByteArray>
#include <QList>
#include <QString>
#include <QStringList>
#include <QVariant>

namespace controls {

// The saved properties of one control: typed values under names matched without regard
// to case, in the order they were written.
//
// On disk a bag is JSON, so a host can keep a control's design beside its window:
//   { "properties": [ { "name": "caption", "type": "String", "value": "WebSite: ..." },
//                     { "name": "font_size", "type": "Integer", "value": 10 },
//                     { "name": "color", "type": "Long", "value": "&H00C0FFFF&" } ] }
// Types are String, Boolean, Integer (16-bit), Long (32-bit) and Double; without a type,
// a JSON text is a String, true/false a Boolean and a whole number a Long. Integer and
// Long values may be written as "&H" hexadecimal text.
class PropertyBag
{
public:
    struct Entry
    {
        QString name;
        QVariant value; // QString, bool, qint16, qint32 or double
    };

    // The value saved under the name, or the default when there is none.
    QVariant ReadProperty(const QString& name, const QVariant& defaultValue = {}) const;
    // Saves the value with its type, replacing a value saved under the name in any case.
    void WriteProperty(const QString& name, const QVariant& value);

    bool contains(const QString& name) const { return indexOf(name) >= 0; }
    bool isEmpty() const { return entries_.isEmpty(); }
    const QList<Entry>& entries() const { return entries_; }
    QStringList names() const;

    // Reads a bag; errors name the file (or "source") and what is wrong in it.
    static PropertyBag fromJson(const QByteArray& json, const QString& source = QStringLiteral("(text)"));
    static PropertyBag fromFile(const QString& path);
    QByteArray toJson() const;
    void saveToFile(const QString& path) const;

    friend bool operator==(const PropertyBag& a, const PropertyBag& b);

private:
    qsizetype indexOf(const QString& name) const;
    QList<Entry> entries_;
};

bool operator==(const PropertyBag::Entry& a, const PropertyBag::Entry& b);

// The container's extent keys hold the control's size in hundredths of a millimetre.
inline const QString kExtentX = QStringLiteral("_extentx");
inline const QString kExtentY = QStringLiteral("_extenty");
int himetricToTwips(int himetric);
int twipsToHimetric(int twips);

} // namespace controls
