#pragma once

#include "platform/data/connection.h"
#include "platform/data/textcolumn.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <string>
#include <string_view>
#include <vector>

namespace records {

// Cells as the user reads them: Null, or text in UTF-8. A number or a blob that another
// program stored reads as its text. The rows around the current one are kept so.
class Cells final
{
public:
    void clear();
    void reserve(std::size_t cells, std::size_t bytes);
    void appendNull();
    void appendText(std::string_view utf8);
    void appendCell(TextColumn::Cell cell);

    std::size_t size() const { return ends_.size(); }
    bool isNull(std::size_t i) const { return (ends_[i] & 1) != 0; }
    std::string_view text(std::size_t i) const;
    // A null QVariant for Null, else the text.
    QVariant value(std::size_t i) const;

private:
    std::vector<std::uint64_t> ends_; // per cell: where its text ends, times two, plus one for Null
    std::string bytes_;
};

struct RowSnapshot;
struct FieldValue;

// One cursor's rows: the row ids in the cursor's order, and their values.
// It exists so that a loop over a million positions reads memory, not the file: the sorted keyset,
// the order column and columns read often are kept per connection, and the program's own writes
// patch them; rows around the current one are read a batch at a time. The shared part is rebuilt
// when another connection changed the file, and a batch lives for one read burst.
class RowCache final
{
public:
    // Reads the keyset of table in the order of orderColumn (empty: the table's own order),
    // or takes the connection's copy when the file has not changed since it was read. The
    // columns to read ahead, which the cursor's owner reads for every record, are read with
    // the keyset in the same scan.
    RowCache(Connection& db, const QString& table, const QStringList& columns, const QString& orderColumn,
             const std::vector<int>& readAhead = {});
    ~RowCache();
    RowCache(const RowCache&) = delete;
    RowCache& operator=(const RowCache&) = delete;

    int count() const { return static_cast<int>(keyset_->size()); }
    std::int64_t rowid(int position) const { return (*keyset_)[static_cast<std::size_t>(position)]; }

    // The value at a position and column ordinal. Throws RecordDeleted when the row is no
    // longer in the file.
    QVariant value(int position, int ordinal);
    // The same as a text that may share the cache's column.
    TextRef text(int position, int ordinal);

    // This cursor's own writes, just committed. The cursor keeps its positions: a new row
    // stands at the end, a deleted one leaves its place. The connection's shared copy takes
    // the change in its own order, unless another program wrote the file meanwhile.
    void appended(std::int64_t rowid, const std::vector<FieldValue>& values);
    void removed(int position);
    void rewritten(int position, const std::vector<FieldValue>& values);

private:
    // The rows around a position, read in one statement and kept for the read burst.
    struct Batch
    {
        int start = 0;
        int size = 0;
        std::uint64_t burst = 0;
        std::vector<int> rowAt; // per position in the batch: its row in cells, or -1 when gone
        Cells cells;            // row after row, every column
    };

    const TextColumn* sharedColumn(int ordinal);
    bool sharedStandsForFile();
    void countRead(int ordinal);
    void loadColumns(const std::vector<int>& ordinals);
    void fillBatch(int position, std::uint64_t burst);
    int batchRow(int position);
    std::vector<std::int64_t>& ownKeyset();

    Connection& db_;
    QString table_;
    QStringList columns_;
    int columnCount_;
    std::shared_ptr<RowSnapshot> shared_;
    std::shared_ptr<const std::vector<std::int64_t>> keyset_;
    Batch batch_;
    // Reads of each column in the current burst: a loop that reads one column of many
    // rows has that column read for the whole table at once.
    std::vector<int> sweepReads_;
    std::uint64_t sweepBurst_ = 0;
};

} // namespace records
