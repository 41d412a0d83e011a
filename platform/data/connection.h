#pragma once

#include "platform/data/errors.h"
#include "platform/data/textcolumn.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <span>
#include <vector>

namespace records {

struct FieldValue;
struct RowSnapshot;
class RowCache;

// What a record set and its read cache need of the place the records are kept: a file
// (Database) or a database on a server (PgDatabase). The operations are coarse, a whole
// write, a whole scan, one batch, so each side keeps its statements, its row ids, its
// locks and its transactions to itself, and a call costs a virtual call per row at most.
class Connection
{
public:
    virtual ~Connection() = default;

    // Where the records are, for messages: the file, or the database on a server.
    virtual QString where() const = 0;
    // Opened for reading only, as asked.
    virtual bool readOnly() const = 0;
    // Why no write to the table can be saved (read-only or damaged file, a role that may
    // only read, a standby); null when writes may go ahead. Every write throws it.
    virtual const DataError* writeRefusal(const QString& table) const = 0;
    // The check of a file's soundness, started when a window has loaded.
    virtual void startCheck() const {}
    virtual bool checkPending() const { return false; }
    // A reading no longer wanted: scans end with Cancelled.
    virtual bool interrupted() const noexcept { return false; }

    // The table's name as the place spells it, matched without regard to case; empty
    // when there is none.
    virtual QString tableName(const QString& name) const = 0;
    // The record's columns in their order, without the row id.
    virtual QStringList columns(const QString& table) const = 0;
    // The line ending most values of the columns use: "\r\n" or "\n".
    virtual QString lineBreakInUse(const QString& table, const QStringList& columns) const = 0;

    // A row as it is read: Null or UTF-8 bytes per column asked for, valid during the call.
    using Cells = std::span<const TextColumn::Cell>;
    using RowSink = std::function<void(std::int64_t id, Cells cells)>;
    // Every row in id order, in one snapshot; returns the change stamp the rows stand for.
    virtual std::int64_t scanById(const QString& table, const QStringList& columns, const RowSink& sink) = 0;
    // The largest row id in the table (0 when empty).
    virtual std::int64_t largestId(const QString& table) = 0;
    // The rows that still have these ids, in no particular order.
    virtual void fetchIds(const QString& table, const QStringList& columns, std::span<const std::int64_t> ids,
                          const RowSink& sink) = 0;

    // Writes, each in a transaction of its own; values name columns by their ordinal in
    // columns. RecordDeleted when the row is gone.
    virtual std::int64_t insertRow(const QString& table, const QStringList& columns,
                                   const std::vector<FieldValue>& values) = 0;
    // The save: reads the checked columns under the write's lock, hands them to verify
    // (which throws to write nothing), then writes.
    virtual void updateRow(const QString& table, const QStringList& columns, std::int64_t id,
                           const std::vector<FieldValue>& values, const std::vector<int>& checked,
                           const std::function<void(const std::vector<QVariant>& now)>& verify) = 0;
    virtual void deleteRow(const QString& table, std::int64_t id) = 0;

    // The rows written since a stamp (their id and the columns asked for, in id order) and
    // the ids deleted since, all from one snapshot; returns the stamp they bring a reading
    // at that stamp up to. Nothing, and no row given, when the place cannot tell: a file,
    // changes older than those it keeps, or more than limit rows.
    virtual bool tracksChanges() const { return false; }
    virtual std::optional<std::int64_t> changesSince(const QString& /*table*/, const QStringList& /*columns*/,
                                                     std::int64_t /*stamp*/, std::size_t /*limit*/,
                                                     const RowSink& /*written*/,
                                                     std::vector<std::int64_t>& /*deleted*/)
    {
        return std::nullopt;
    }

    // Changes whenever anyone commits a change to the records.
    virtual std::int64_t changeStamp() const = 0;
    // The stamp just before and just after this connection's last write, -1 when unknown.
    virtual std::int64_t stampBeforeLastWrite() const = 0;
    virtual std::int64_t stampAfterLastWrite() const = 0;

    // Reads of one event share one snapshot; whoever enables bursts ends each before
    // control returns to the event loop.
    virtual void setReadBursts(std::function<void()> scheduleEnd) = 0;
    virtual void beginReadBurst() = 0;
    virtual void endReadBurst() noexcept = 0;
    virtual std::uint64_t burstSerial() const = 0;
    // The stamp as the current burst sees the records, or as it is now outside a burst.
    virtual std::int64_t currentStamp() = 0;

private:
    // What the last cursor read of a whole table, for the next one at the same stamp.
    friend class RowCache;
    std::shared_ptr<RowSnapshot> rowSnapshot_;
};

} // namespace records
