// A data control's record source: any text. What parses names a table (and a column to
// order by) that, written back as a record source, parses to the same.
#include "platform/data/errors.h"
#include "platform/data/recordset.h"

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    const QString text = QString::fromUtf8(reinterpret_cast<const char*>(data), static_cast<qsizetype>(size));
    records::RecordSource parsed;
    try {
        parsed = records::parseRecordSource(text);
    } catch (const records::DataError&) {
        return 0;
    }
    if (parsed.table.isEmpty())
        std::abort();
    auto quoted = [](QString name) {
        return QLatin1Char('"') + name.replace(QLatin1Char('"'), QStringLiteral("\"\"")) + QLatin1Char('"');
    };
    QString again = QStringLiteral("SELECT * FROM ") + quoted(parsed.table);
    if (!parsed.orderBy.isEmpty())
        again += QStringLiteral(" ORDER BY ") + quoted(parsed.orderBy);
    const records::RecordSource back = records::parseRecordSource(again);
    if (back.table != parsed.table || back.orderBy != parsed.orderBy)
        std::abort();
    return 0;
}
