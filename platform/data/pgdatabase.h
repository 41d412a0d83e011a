#pragma once

#include "platform/data/connection.h"
#include "platform/data/pgconnection.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <span>
#include <string_view>
#include <vector>

namespace records {

struct FieldValue;

// Records on a PostgreSQL server, given to a record set and its read cache as Database
// gives them a file's (docs/server-design.md lists what both give). A table of records has
// a bigint column "id", the row id the program uses, which the server assigns from a
// sequence and so never gives twice; the other columns are the record's, in their order.
// The database holds the change stamp, a one-row table qb_stamp that a trigger on each
// table of records moves once per transaction that changes the table.
class PgDatabase final : public Connection
{
public:
    // Connects (PgConnection::open) and checks that the database has the change stamp.
    static std::unique_ptr<PgDatabase> open(const QString& conninfo, const PgOptions& options = {});
    explicit PgDatabase(std::unique_ptr<PgConnection> connection);
    ~PgDatabase();
    PgDatabase(const PgDatabase&) = delete;
    PgDatabase& operator=(const PgDatabase&) = delete;

    PgConnection& connection() { return *conn_; }
    QString where() const override { return conn_->where(); }
    // Opened for reading only, as the caller asked: every write is refused.
    bool readOnly() const override { return readOnly_; }
    void setReadOnly(bool on) { readOnly_ = on; }

    // The table's name as the server spells it, matched without regard to case among the
    // schemas of the search path; empty when there is none.
    QString tableName(const QString& name) const override;
    // The record's columns in their order in the table, the id column left out.
    QStringList columns(const QString& table) const override;

    // The line ending most values of the columns that hold several lines use: "\r\n" or
    // "\n" ("\n" when none holds any), so the windows write what the inventory holds.
    QString lineBreakInUse(const QString& table, const QStringList& columns) const override;

    // Why no write to the table can be saved: the user may only read it, or the server
    // takes no changes (a standby). Null when writes may go ahead; every write throws it.
    // Asked of the server once per table and connection.
    const DataError* writeRefusal(const QString& table) const override;

    // Whether the inventory tells which rows changed after a stamp (qb_seq and qb_deleted,
    // which the reader may read); found when connecting, set once an upgrade added them.
    bool tracksChanges() const override { return tracksChanges_; }
    void setTracksChanges(bool on) { tracksChanges_ = on; }
    std::optional<std::int64_t> changesSince(const QString& table, const QStringList& columns,
                                             std::int64_t stamp, std::size_t limit, const RowSink& written,
                                             std::vector<std::int64_t>& deleted) override;

    // Changes whenever this connection or any other commits a change to a table of
    // records.
    std::int64_t changeStamp() const override;
    // The stamp just before this connection's last write and just after it: the write's
    // transaction moved it from the one to the other, and nobody else in between.
    std::int64_t stampBeforeLastWrite() const override { return stampBeforeWrite_; }
    std::int64_t stampAfterLastWrite() const override { return stampAfterWrite_; }

    // Reads of one burst (the work of one event) share one snapshot: a read-only
    // transaction, ended by whoever enabled bursts before control returns to the event
    // loop, so that no transaction stays open between events. A write and a scan outside
    // a burst end or make their own.
    void setReadBursts(std::function<void()> scheduleEnd) override
    {
        scheduleBurstEnd_ = std::move(scheduleEnd);
    }
    void beginReadBurst() override;
    void endReadBurst() noexcept override;
    std::uint64_t burstSerial() const override { return inReadBurst_ ? burstSerial_ : 0; }
    // The stamp as the current burst sees the server, or as it is now outside a burst.
    std::int64_t currentStamp() override;

    // A row as it is read: its id and the columns asked for, each Null or UTF-8 bytes as
    // the server holds them (valid during the call).

    // Every row of the table in id order, in one snapshot, one row in memory at a time.
    // Returns the change stamp the rows stand for.
    std::int64_t scanById(const QString& table, const QStringList& columns, const RowSink& sink) override;
    // The largest id in the table (0 when empty): room to make for a scan.
    std::int64_t largestId(const QString& table) override;
    // The rows that still have these ids, in no particular order.
    void fetchIds(const QString& table, const QStringList& columns, std::span<const std::int64_t> ids,
                  const RowSink& sink) override;

    // Writes, each in a transaction of its own. values name columns by their ordinal in
    // columns. A value the server cannot hold is refused before anything is written,
    // naming its column.
    std::int64_t insertRow(const QString& table, const QStringList& columns,
                           const std::vector<FieldValue>& values) override;
    // The save: reads the checked columns of the row under a row lock (SELECT ... FOR
    // UPDATE), hands them to verify, which throws to write nothing (RecordChanged), then
    // writes. RecordDeleted when the row is gone.
    void updateRow(const QString& table, const QStringList& columns, std::int64_t id,
                   const std::vector<FieldValue>& values, const std::vector<int>& checked,
                   const std::function<void(const std::vector<QVariant>& now)>& verify) override;
    void deleteRow(const QString& table, std::int64_t id) override;

private:
    void write(const QString& table, const std::function<void()>& body);
    void checkValues(const QStringList& columns, const std::vector<FieldValue>& values) const;

    std::unique_ptr<PgConnection> conn_;
    mutable std::map<QString, std::optional<DataError>> refusals_;
    bool readOnly_ = false;
    bool tracksChanges_ = false;
    std::int64_t stampBeforeWrite_ = -1;
    std::int64_t stampAfterWrite_ = -1;
    std::function<void()> scheduleBurstEnd_;
    bool inReadBurst_ = false;
    std::uint64_t burstSerial_ = 0;
    std::int64_t burstStamp_ = -1;
};

} // namespace records
