#pragma once

#include "platform/data/database.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <memory>
#include <string>
#include <vector>

namespace records {

// Why the current record is about to be left, as the data control's Validate reports it.
enum Action : int
{
    ActionCancel = 0,
    ActionMoveFirst = 1,
    ActionMovePrevious = 2,
    ActionMoveNext = 3,
    ActionMoveLast = 4,
    ActionAddNew = 5,
    ActionUpdate = 6,
    ActionDelete = 7,
    ActionFind = 8,
    ActionBookmark = 9,
    ActionClose = 10,
    ActionUnload = 11,
};

// A record source: a bare table name, or SELECT * FROM table [ORDER BY column].
struct RecordSource
{
    QString table;
    QString orderBy; // empty: the table's own order
};
RecordSource parseRecordSource(const QString& text);

// Told of every move of a cursor; the data control is the one listener.
class CursorListener
{
public:
    virtual ~CursorListener() = default;
    // Before the current record is left. It may write the record; throwing stops the move.
    virtual void leaving(int action) = 0;
    // After another record (or none) became current.
    virtual void arrived() = 0;
};

class Recordset;

class Field final
{
public:
    // The column's value in the current record; a null QVariant for Null.
    QVariant Value() const;
    QString Name() const;
    int ordinal() const { return ordinal_; }

private:
    friend class Recordset;
    Field(const Recordset* rs, int ordinal) : rs_(rs), ordinal_(ordinal) {}
    const Recordset* rs_;
    int ordinal_;
};

struct FieldValue
{
    int ordinal;
    QVariant value;
};

// An updatable keyset cursor. Opening fixes the ordered list of row ids; moves fetch the
// row afresh, so changes made through other cursors show, and a row deleted elsewhere
// reads as RecordDeleted. Positions are 0-based indices into that list.
class Recordset final
{
public:
    Recordset(Database& db, const QString& source);
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int RecordCount() const { return static_cast<int>(rowids_.size()); }
    // -1 when no stored record is current (empty, past the end, a new or a deleted one).
    int AbsolutePosition() const;
    void setAbsolutePosition(int position);

    int FieldCount() const { return static_cast<int>(columns_.size()); }
    Field Fields(int ordinal) const;
    Field Fields(const QString& name) const;
    // The ordinal of a column, matched without regard to case; -1 when there is none.
    int ordinalOf(const QString& name) const;
    const QStringList& fieldNames() const { return columns_; }
    const QString& table() const { return table_; }
    const Database& database() const { return db_; }

    // Starts a new, empty record that becomes current. It joins the table when it is
    // written, and then stands at the end of this cursor until the next open.
    void AddNew();
    void Delete();
    void MoveNext();
    bool Eof() const;

    bool isNewRecord() const { return newRecord_; }
    // A stored record is current.
    bool hasCurrentRecord() const;
    // A stored or new record is current, which a move would leave.
    bool hasRecordToLeave() const { return newRecord_ || hasCurrentRecord(); }

    // A move to a position with the given action code.
    void moveTo(int position, int action);
    // The data control's buttons: ActionMoveFirst, -Previous, -Next or -Last. Stays
    // within the records: next on the last record keeps it current.
    void moveBy(int action);
    // Writes the values into the current record; a new record is inserted.
    void writeCurrent(const std::vector<FieldValue>& values);

    void setListener(CursorListener* listener) { listener_ = listener; }

    // For Field.
    QVariant value(int ordinal) const;

private:
    struct Cell
    {
        int type = SQLITE_NULL;
        std::size_t offset = 0;
        std::uint32_t size = 0;
        std::int64_t integer = 0;
        double real = 0;
    };

    void buildKeyset(const QString& orderColumn);
    std::shared_ptr<Database::Snapshot> readSnapshot(const QString& orderColumn, std::int64_t stamp) const;
    bool snapshotValid() const;
    void loadColumns(const std::vector<int>& ordinals) const;
    QVariant cellValue(const Cell& c, const char* bytes) const;
    void load() const;
    void fillBatch(std::uint64_t burst) const;
    void keysetChanged();
    void leave(int action);
    void arrive();
    int checkedOrdinal(int ordinal) const;

    Database& db_;
    QString table_;
    QStringList columns_;
    std::vector<std::int64_t> rowids_;
    std::unique_ptr<Statement> fetch_; // a batch of rows by row id
    CursorListener* listener_ = nullptr;

    int pos_ = -1;
    int posBeforeNew_ = -1;
    bool newRecord_ = false;
    bool currentDeleted_ = false;

    // Rows are fetched in batches of the positions ahead, kept for the read burst they
    // were read in; a loop over the positions costs one statement per batch.
    struct Batch
    {
        int start = 0;
        int size = 0;
        std::uint64_t burst = 0;
        std::vector<int> rowAt; // per position in the batch: its row, or -1 when deleted
        std::vector<Cell> cells;
        std::string bytes;
    };
    mutable Batch batch_;
    std::shared_ptr<Database::Snapshot> snapshot_;
    bool keysetDirty_ = false; // rows added or deleted since the snapshot
    // Reads of each column in the current read burst: a loop that reads one column of
    // many rows has that column read for the whole table at once.
    mutable std::vector<int> sweepReads_;
    mutable std::uint64_t sweepBurst_ = 0;
    std::vector<Cell> blankRow_;

    // The current row, found on first read after a move.
    mutable bool loaded_ = false;
    mutable bool missing_ = false;
    mutable const Cell* current_ = nullptr;
    mutable const char* currentBytes_ = "";
};

} // namespace records
