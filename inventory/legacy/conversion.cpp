#include "inventory/legacy/conversion.h"

#include "inventory/legacy/jetreader.h"
#include "inventory/store/format.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QStorageInfo>

#include <cerrno>
#include <fcntl.h>
#include <sys/stat.h>
#include <unistd.h>

namespace legacy {

namespace {

constexpr std::int64_t kProgressEvery = 500;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

// As the engine judges a folder: the owner's intent counts, so a folder without write
// bits is read-only even to root.
bool writableByIntent(const QFileInfo& info)
{
    const auto writeBits = QFile::WriteOwner | QFile::WriteGroup | QFile::WriteOther;
    return info.isWritable() && (info.permissions() & writeBits);
}

QString selectStatement()
{
    QStringList names;
    for (const store::Column& c : store::kColumns)
        names.append(records::quoteIdentifier(QString::fromLatin1(c.name)));
    return QStringLiteral("SELECT %1 FROM %2 ORDER BY rowid")
        .arg(names.join(QStringLiteral(", ")), records::quoteIdentifier(store::tableName()));
}

Survey survey(JetReader& reader)
{
    Survey s;
    s.path = reader.path();
    s.jetVersion = reader.jetVersion();
    s.fileSize = QFileInfo(reader.path()).size();
    s.table = reader.findTable(store::tableName());
    if (s.table.isEmpty()) {
        const QStringList tables = reader.tables();
        throw LegacyError(
            NoInventoryTable,
            QCoreApplication::translate("Legacy",
                                        "The Access-format file '%1' is not an inventory of the earlier "
                                        "version: it has no table %2 (%3). Put the inventory file "
                                        "QBData.mdb of the earlier version there. Nothing was changed.")
                .arg(native(reader.path()), store::tableName(),
                     tables.isEmpty() ? QCoreApplication::translate("Legacy", "it has no tables at all")
                                      : QCoreApplication::translate("Legacy", "its tables: %1")
                                            .arg(tables.join(QStringLiteral(", ")))));
    }
    reader.openTable(s.table);
    s.records = reader.rowCount();
    const QStringList& old = reader.columns();
    std::vector<bool> used(static_cast<std::size_t>(old.size()), false);
    for (const store::Column& c : store::kColumns) {
        const QString name = QString::fromLatin1(c.name);
        int found = -1;
        for (qsizetype i = 0; i < old.size() && found < 0; ++i)
            if (!used[static_cast<std::size_t>(i)] && old[i].compare(name, Qt::CaseInsensitive) == 0)
                found = static_cast<int>(i);
        s.columns.source[static_cast<std::size_t>(c.ordinal)] = found;
        if (found < 0) {
            s.columns.missing.append(name);
            continue;
        }
        used[static_cast<std::size_t>(found)] = true;
        if (reader.isBinaryColumn(found))
            throw LegacyError(UnsupportedColumn,
                              QCoreApplication::translate(
                                  "Legacy", "The column %1 of the table %2 in '%3' holds binary data "
                                            "(pictures or documents), which an inventory cannot keep. "
                                            "Change it to a text column in Access, then start again. "
                                            "Nothing was changed.")
                                  .arg(old[found], s.table, native(reader.path())));
    }
    // As a CSV without a NOME column is refused: a chemical without a name cannot be found
    // or told apart again.
    if (s.columns.source[store::NOME] < 0)
        throw LegacyError(NoNameColumn,
                          QCoreApplication::translate(
                              "Legacy", "The table %1 in '%2' has no NOME column, and every chemical "
                                        "needs a name. Add the column, or give the column that holds "
                                        "the names that name in Access, then start again. Nothing was "
                                        "changed.")
                              .arg(s.table, native(reader.path())));
    for (qsizetype i = 0; i < old.size(); ++i)
        if (!used[static_cast<std::size_t>(i)])
            s.columns.leftOut.append(old[i]);
    return s;
}

// Reads every row of the surveyed table and hands it over; the number of rows must be
// the one the table's definition counts.
template <class F>
std::int64_t readAll(JetReader& reader, const Survey& s, Phase phase, const Progress& progress, F&& onRow)
{
    std::int64_t n = 0;
    while (reader.next()) {
        onRow(n);
        ++n;
        if (progress && n % kProgressEvery == 0)
            progress(phase, n, s.records);
    }
    if (n != s.records)
        throw LegacyError(DamagedOldFile,
                          QCoreApplication::translate(
                              "Legacy", "The Access-format file '%1' is damaged: its table %2 counts %3 "
                                        "records, but %4 can be read. Nothing was changed. Repair it in "
                                        "Access, or restore it from a backup copy.")
                              .arg(native(s.path), s.table)
                              .arg(s.records)
                              .arg(n));
    if (progress)
        progress(phase, n, s.records);
    return n;
}

void checkInventory(records::Database& target)
{
    try {
        store::checkColumns(target);
    } catch (const records::DataError& e) {
        // The import's own number, which its callers tell apart from a damaged old file.
        throw LegacyError(NotAnInventory, e.text() + QStringLiteral(" Nothing was added."));
    }
}

void syncPath(const QString& path, bool folder)
{
    const int fd = ::open(QFile::encodeName(path).constData(), folder ? (O_RDONLY | O_DIRECTORY) : O_RDONLY);
    if (fd < 0)
        return;
    ::fsync(fd);
    ::close(fd);
}

void removeWithJournals(const QString& path)
{
    for (const char* suffix : {"", "-wal", "-shm", "-journal"})
        QFile::remove(path + QLatin1String(suffix));
}

// One row of the old file against the row read back: the same Null, or the same bytes.
void compareRow(const JetReader& reader, const Survey& s, const records::Statement& back, std::int64_t row,
                const QString& temp)
{
    for (const store::Column& c : store::kColumns) {
        const int from = s.columns.source[static_cast<std::size_t>(c.ordinal)];
        const bool null = from < 0 || reader.isNull(from);
        bool same = false;
        if (null) {
            same = back.columnType(c.ordinal) == SQLITE_NULL;
        } else if (back.columnType(c.ordinal) == SQLITE_TEXT) {
            int size = 0;
            const char* text = back.utf8(c.ordinal, &size);
            same = QByteArrayView(text, size) == QByteArrayView(reader.text(from));
        }
        if (!same)
            throw LegacyError(CheckFailed,
                              QCoreApplication::translate(
                                  "Legacy", "The converted copy '%1' did not read back as '%2' has it "
                                            "(record %3, column %4), so it was not used. Nothing was "
                                            "changed; check the disk and try again.")
                                  .arg(native(temp), native(s.path))
                                  .arg(row + 1)
                                  .arg(QString::fromLatin1(c.name)));
    }
}

void verify(const QString& temp, const Survey& s, const Progress& progress)
{
    JetReader reader(s.path);
    reader.openTable(s.table);
    auto db = store::openInventory(temp);
    records::Statement back(*db, selectStatement());
    records::Statement::Reset done(back);
    readAll(reader, s, Phase::Checking, progress, [&](std::int64_t row) {
        if (!back.step())
            throw LegacyError(CheckFailed, QCoreApplication::translate(
                                               "Legacy", "The converted copy '%1' holds fewer records than "
                                                         "'%2', so it was not used. Nothing was changed; "
                                                         "check the disk and try again.")
                                               .arg(native(temp), native(s.path)));
        compareRow(reader, s, back, row, temp);
    });
    if (back.step())
        throw LegacyError(CheckFailed, QCoreApplication::translate(
                                           "Legacy", "The converted copy '%1' holds more records than '%2', "
                                                     "so it was not used. Nothing was changed.")
                                           .arg(native(temp), native(s.path)));
}

bool sameFile(const QString& a, const QString& b)
{
    struct stat sa
    {
    }, sb{};
    if (::stat(QFile::encodeName(a).constData(), &sa) != 0 ||
        ::stat(QFile::encodeName(b).constData(), &sb) != 0)
        return false;
    if (sa.st_dev == sb.st_dev && sa.st_ino == sb.st_ino)
        return true;
    if (sa.st_size != sb.st_size)
        return false;
    QFile fa(a), fb(b);
    if (!fa.open(QIODevice::ReadOnly) || !fb.open(QIODevice::ReadOnly))
        return false;
    while (!fa.atEnd())
        if (fa.read(1 << 20) != fb.read(1 << 20))
            return false;
    return true;
}

QString backupCandidate(const QString& path, int n)
{
    const QFileInfo info(path);
    const QString number = n > 1 ? QStringLiteral(" %1").arg(n) : QString();
    const QString suffix = info.suffix().isEmpty() ? QString() : QLatin1Char('.') + info.suffix();
    return info.absolutePath() + QLatin1Char('/') + info.completeBaseName() +
           QStringLiteral(" (old Access format)") + number + suffix;
}

[[noreturn]] void cannotKeep(const QString& path, const QString& backup, const QString& why)
{
    throw LegacyError(CannotReplace,
                      QCoreApplication::translate("Legacy",
                                                  "The old file '%1' could not be kept as '%2' (%3). Nothing "
                                                  "was changed.")
                          .arg(native(path), native(backup), why));
}

// Gives the old file its backup name too: a second link to it, or a copy where the file
// system has no links. An earlier attempt may have left that name on the same file.
QString keepOldFile(const QString& path, bool* made)
{
    *made = false;
    for (int n = 1;; ++n) {
        const QString backup = backupCandidate(path, n);
        if (QFileInfo::exists(backup)) {
            if (sameFile(path, backup))
                return backup;
            continue;
        }
        if (::link(QFile::encodeName(path).constData(), QFile::encodeName(backup).constData()) == 0) {
            *made = true;
            return backup;
        }
        if (errno == EEXIST)
            continue;
        const QString part = backup + QStringLiteral(".part");
        QFile::remove(part);
        if (!QFile::copy(path, part)) {
            QFile::remove(part);
            cannotKeep(path, backup, QCoreApplication::translate("Legacy", "the copy could not be written"));
        }
        syncPath(part, false);
        if (::rename(QFile::encodeName(part).constData(), QFile::encodeName(backup).constData()) != 0) {
            QFile::remove(part);
            cannotKeep(path, backup, QString::fromLocal8Bit(strerror(errno)));
        }
        *made = true;
        return backup;
    }
}

// The file itself where the inventory is a link (the Debian package's, into a data
// folder): the new file, the old one's backup and the journals belong beside it, and the
// link stays as it is.
QString inventoryFile(const QString& inventoryPath)
{
    const QString path = records::normalizePath(inventoryPath);
    const QFileInfo info(path);
    return info.isSymLink() && info.exists() ? info.canonicalFilePath() : path;
}

} // namespace

bool isAccessFile(const QString& path)
{
    return JetReader::isAccessFile(path);
}

Survey surveyAccessFile(const QString& path)
{
    JetReader reader(records::normalizePath(path));
    return survey(reader);
}

ImportReport importAccess(records::Database& target, const QString& oldFile, ImportMode mode,
                          const Progress& progress, const Admit& admit)
{
    JetReader reader(records::normalizePath(oldFile));
    ImportReport report;
    report.source = survey(reader);
    const Survey& s = report.source;
    const int nome = s.columns.source[store::NOME];
    auto declined = [&] {
        if (!admit)
            return false;
        const bool refused =
            !admit(nome < 0 || reader.isNull(nome) ? QString() : QString::fromUtf8(reader.text(nome)));
        report.skipped += refused ? 1 : 0;
        return refused;
    };
    if (mode == ImportMode::DryRun) {
        report.records = readAll(reader, s, Phase::Copying, progress, [&](std::int64_t) { declined(); });
        report.records -= report.skipped;
        return report;
    }
    checkInventory(target);
    target.write([&] {
        store::RecordAdder adder(target);
        report.records = readAll(reader, s, Phase::Copying, progress, [&](std::int64_t) {
            if (declined())
                return;
            store::RecordAdder::Values values;
            for (const store::Column& c : store::kColumns) {
                const int from = s.columns.source[static_cast<std::size_t>(c.ordinal)];
                if (from >= 0 && !reader.isNull(from)) {
                    const QByteArray& text = reader.text(from);
                    values[static_cast<std::size_t>(c.ordinal)] =
                        std::string_view(text.constData(), static_cast<std::size_t>(text.size()));
                }
            }
            adder.add(values);
        });
        report.records -= report.skipped;
    });
    return report;
}

QString temporaryPath(const QString& inventoryPath)
{
    return inventoryFile(inventoryPath) + QStringLiteral(".converting");
}

QString backupPath(const QString& inventoryPath)
{
    const QString path = inventoryFile(inventoryPath);
    for (int n = 1;; ++n) {
        const QString backup = backupCandidate(path, n);
        if (!QFileInfo::exists(backup) || sameFile(path, backup))
            return backup;
    }
}

void checkRoom(const Survey& s, const ConversionOptions& options)
{
    const QFileInfo info(inventoryFile(s.path));
    const QString folder = info.absolutePath();
    if (!writableByIntent(QFileInfo(folder)))
        throw LegacyError(FolderNotWritable,
                          QCoreApplication::translate(
                              "Legacy", "The folder '%1' of the inventory '%2' is read-only: the converted "
                                        "inventory is written beside the old one. Allow writing to the "
                                        "folder, or copy the program's folder to a place where you may "
                                        "write. Nothing was changed.")
                              .arg(native(folder), info.fileName()));
    // The new file and its journal each take at most about what the old file takes;
    // text of one byte a character can grow to two.
    const std::int64_t needed = 3 * s.fileSize + (8 << 20);
    const std::int64_t free =
        options.freeBytes ? options.freeBytes(folder) : QStorageInfo(folder).bytesAvailable();
    if (free >= 0 && free < needed)
        throw LegacyError(NotEnoughSpace,
                          QCoreApplication::translate(
                              "Legacy", "There is not enough room on the disk of '%1' to convert the "
                                        "inventory '%2': it needs about %3 MB, and %4 MB are free. Make "
                                        "room and start again. Nothing was changed.")
                              .arg(native(folder), info.fileName())
                              .arg((needed + (1 << 20) - 1) >> 20)
                              .arg(free >> 20));
}

Conversion convertInventory(const QString& rawPath, const ConversionOptions& options)
{
    const QString path = inventoryFile(rawPath);
    const auto step = [&](Step s) {
        if (options.afterStep)
            options.afterStep(s);
    };
    Conversion done;
    done.source = surveyAccessFile(path);
    checkRoom(done.source, options);
    step(Step::Checked);

    // A conversion stopped before its end may have left its temporary file.
    const QString temp = temporaryPath(path);
    removeWithJournals(temp);
    try {
        store::createEmptyInventory(temp);
        {
            auto db = store::openInventory(temp);
            done.records = importAccess(*db, path, ImportMode::Apply, options.progress).records;
        }
        syncPath(temp, false);
        step(Step::Written);
        verify(temp, done.source, options.progress);
        step(Step::Verified);
    } catch (...) {
        removeWithJournals(temp);
        throw;
    }

    bool madeBackup = false;
    try {
        done.backupPath = keepOldFile(path, &madeBackup);
    } catch (...) {
        removeWithJournals(temp);
        throw;
    }
    syncPath(QFileInfo(path).absolutePath(), true);
    step(Step::BackupMade);

    // One rename: the inventory's name is the old file up to here and the new one after.
    if (::rename(QFile::encodeName(temp).constData(), QFile::encodeName(path).constData()) != 0) {
        const QString why = QString::fromLocal8Bit(strerror(errno));
        removeWithJournals(temp);
        if (madeBackup)
            QFile::remove(done.backupPath);
        throw LegacyError(CannotReplace, QCoreApplication::translate(
                                             "Legacy", "The converted inventory could not take the name '%1' "
                                                       "(%2). Nothing was changed.")
                                             .arg(native(path), why));
    }
    syncPath(QFileInfo(path).absolutePath(), true);
    step(Step::Replaced);
    return done;
}

QString conversionNote(const Conversion& done)
{
    QString note = QCoreApplication::translate(
                       "Legacy", "The inventory '%1' was converted to the current format: %2 records.\r\n\r\n"
                                 "The old Access-format file is kept beside it as '%3'.")
                       .arg(native(done.source.path))
                       .arg(done.records)
                       .arg(QFileInfo(done.backupPath).fileName());
    if (!done.source.columns.leftOut.isEmpty())
        note += QCoreApplication::translate(
                    "Legacy", "\r\n\r\nThese columns of the old file are not part of an inventory and were "
                              "left out: %1.")
                    .arg(done.source.columns.leftOut.join(QStringLiteral(", ")));
    if (!done.source.columns.missing.isEmpty())
        note += QCoreApplication::translate(
                    "Legacy", "\r\n\r\nThe old file had no column %1; it is empty in every record.")
                    .arg(done.source.columns.missing.join(QStringLiteral(", ")));
    return note;
}

} // namespace legacy
