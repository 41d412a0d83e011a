// An old Access-format file: any bytes. The reader refuses it with a numbered error, or
// hands over every row its table counts, each text value valid UTF-8: it never skips a
// row, reads past a page or crashes on what a damaged or hostile file holds.
#include "inventory/legacy/errors.h"
#include "inventory/legacy/jetreader.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <cstdint>
#include <cstdlib>

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // libmdb reads a file by its name: one is written for every input, in memory where
    // the machine has it.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/qb_fuzz_jet-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/qb_fuzz_jet-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("old.mdb"));
    {
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate))
            std::abort();
        file.write(reinterpret_cast<const char*>(data), static_cast<qint64>(size));
    }

    try {
        legacy::JetReader reader(path);
        const QStringList tables = reader.tables();
        if (tables.isEmpty())
            return 0;
        const QString inventory = reader.findTable(QStringLiteral("TOLMIREKS"));
        reader.openTable(inventory.isEmpty() ? tables.first() : inventory);
        std::int64_t rows = 0;
        while (reader.next()) {
            ++rows;
            for (int c = 0; c < reader.columns().size(); ++c) {
                if (reader.isNull(c) || reader.isBinaryColumn(c))
                    continue;
                const QByteArray& text = reader.text(c);
                if (QString::fromUtf8(text).toUtf8() != text)
                    std::abort();
            }
        }
        if (rows != reader.rowCount())
            std::abort();
    } catch (const legacy::LegacyError&) {
    }
    return 0;
}
