#include "inventory/datatool/storagereport.h"

#include "inventory/safety/storagecheck.h"

#include <QCoreApplication>
#include <QIODevice>
#include <QStringList>

namespace datatool {

namespace {

using safety::Group;
using safety::Scheme;

QString chemicals(std::int64_t n)
{
    return n == 1 ? QCoreApplication::translate("Companion", "1 chemical")
                  : QCoreApplication::translate("Companion", "%1 chemicals").arg(n);
}

QString placeName(const safety::PlaceReport& place)
{
    return place.none ? QCoreApplication::translate("Companion", "(no location)") : place.name;
}

QString nameOrNone(const QString& name)
{
    return name.trimmed().isEmpty() ? QCoreApplication::translate("Companion", "(no name)") : name;
}

// Text for a terminal: a line break inside a place or a name would break the layout.
QString oneLine(QString text)
{
    for (QChar& c : text)
        if (c == QLatin1Char('\n') || c == QLatin1Char('\r') || c == QLatin1Char('\t'))
            c = QLatin1Char(' ');
    return text;
}

void write(QIODevice& out, const QString& line)
{
    out.write(line.toUtf8());
}

QString csvCell(const QString& value)
{
    if (!value.contains(QLatin1Char(',')) && !value.contains(QLatin1Char('"')) &&
        !value.contains(QLatin1Char('\n')) && !value.contains(QLatin1Char('\r')))
        return value;
    QString quoted = value;
    quoted.replace(QLatin1String("\""), QLatin1String("\"\""));
    return QLatin1Char('"') + quoted + QLatin1Char('"');
}

void csvRow(QIODevice& out, const QStringList& cells)
{
    QStringList quoted;
    for (const QString& c : cells)
        quoted.append(csvCell(c));
    write(out, quoted.join(QLatin1Char(',')) + QStringLiteral("\r\n"));
}

} // namespace

void writeStorageText(const safety::StorageReport& report, const QString& inventory, QIODevice& out)
{
    const Scheme& scheme = Scheme::builtIn();
    write(out,
          QCoreApplication::translate("Companion", "Storage check of '%1': %2 in %3.\n")
              .arg(inventory, chemicals(report.records))
              .arg(report.places.size() == 1
                       ? QCoreApplication::translate("Companion", "1 place")
                       : QCoreApplication::translate("Companion", "%1 places").arg(report.places.size())));
    auto members = [&](const safety::PlaceReport& place, Group g) {
        const safety::GroupTally& tally = place.tally(g);
        for (const safety::Chemical& c : tally.examples)
            write(out,
                  QStringLiteral("    %1  %2: %3\n")
                      .arg(Scheme::letter(g), oneLine(nameOrNone(c.name)), scheme.explain(c.assignment)));
        const std::int64_t more = tally.count - static_cast<std::int64_t>(tally.examples.size());
        if (more > 0)
            write(out, QCoreApplication::translate("Companion", "    %1  ... and %2 more of group %1\n")
                           .arg(Scheme::letter(g))
                           .arg(more));
    };
    for (const safety::PlaceReport& place : report.places) {
        if (place.conflicts.empty() && place.unknown() == 0)
            continue;
        write(out, QStringLiteral("\n%1\n").arg(oneLine(placeName(place))));
        for (const safety::Conflict& c : place.conflicts) {
            write(out, QCoreApplication::translate("Companion", "  Keep apart: %1\n")
                           .arg(scheme.whyApart(c.first, c.second)));
            members(place, c.first);
            members(place, c.second);
        }
        if (place.unknown() > 0) {
            write(out, place.none ? QCoreApplication::translate(
                                        "Companion", "  Storage group unknown (no place recorded, so not "
                                                     "checked against the others):\n")
                                  : QCoreApplication::translate("Companion", "  Storage group unknown:\n"));
            members(place, Group::Unknown);
        }
    }
    const int places = report.placesWithConflicts();
    write(out,
          QCoreApplication::translate("Companion", "\n%1 %2; %3 of unknown group.\n")
              .arg(places == 0   ? QCoreApplication::translate("Companion", "No place holds")
                   : places == 1 ? QCoreApplication::translate("Companion", "1 place holds")
                                 : QCoreApplication::translate("Companion", "%1 places hold").arg(places),
                   QCoreApplication::translate("Companion", "chemicals that must be kept apart"),
                   chemicals(report.unknown())));
    if (report.unknown() > 0)
        write(out, QCoreApplication::translate(
                       "Companion", "A line \"Storage group: F\" in a chemical's hazards sets its group.\n"));
    write(out, QCoreApplication::translate(
                   "Companion", "Storage groups and chart: Prudent Practices in the Laboratory (National "
                                "Research Council, 2011), chapter 5, Figure 5.1 and Table 5.1.\n"));
}

void writeStorageCsv(const safety::StorageReport& report, QIODevice& out)
{
    const Scheme& scheme = Scheme::builtIn();
    csvRow(out, {QStringLiteral("place"), QStringLiteral("problem"), QStringLiteral("group"),
                 QStringLiteral("keep apart from"), QStringLiteral("chemical"), QStringLiteral("reason")});
    auto members = [&](const safety::PlaceReport& place, const QString& problem, Group g,
                       const QString& other) {
        const safety::GroupTally& tally = place.tally(g);
        for (const safety::Chemical& c : tally.examples)
            csvRow(out, {placeName(place), problem, Scheme::letter(g), other, nameOrNone(c.name),
                         scheme.explain(c.assignment)});
        const std::int64_t more = tally.count - static_cast<std::int64_t>(tally.examples.size());
        if (more > 0)
            csvRow(out, {placeName(place), problem, Scheme::letter(g), other,
                         QCoreApplication::translate("Companion", "(%1 more)").arg(more), QString()});
    };
    for (const safety::PlaceReport& place : report.places) {
        for (const safety::Conflict& c : place.conflicts) {
            members(place, QStringLiteral("keep apart"), c.first, Scheme::letter(c.second));
            members(place, QStringLiteral("keep apart"), c.second, Scheme::letter(c.first));
        }
        if (place.unknown() > 0)
            members(place, QStringLiteral("unknown group"), Group::Unknown, QString());
    }
}

} // namespace datatool
