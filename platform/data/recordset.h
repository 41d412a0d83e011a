#pragma once

#include "platform/data/connection.h"
#include "platform/data/database.h"
#include "platform/data/rowcache.h"

#include <QString>
#include <QStringList>
#include <QVariant>

#include <cstdint>
#include <memory>
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
    // The same as a text that may share the engine's copy of the column.
    TextRef text() const;
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
    // readAhead names the columns the owner will read for every record (a window filling its
    // arrays): they are read with the keyset, in one scan of the table.
    Recordset(Connection& db, const QString& source, const QStringList& readAhead = {});
    ~Recordset();
    Recordset(const Recordset&) = delete;
    Recordset& operator=(const Recordset&) = delete;

    int RecordCount() const { return rows_->count(); }
    // -1 when no stored record is current (empty, past the end, a new or a deleted one).
    int AbsolutePosition() const;
    void setAbsolutePosition(int position);
    // The position of the record with the row id; -1 when the cursor does not hold it.
    int positionOf(std::int64_t rowid) const;

    int FieldCount() const { return static_cast<int>(columns_.size()); }
    Field Fields(int ordinal) const;
    Field Fields(const QString& name) const;
    // The ordinal of a column, matched without regard to case; -1 when there is none.
    int ordinalOf(const QString& name) const;
    const QStringList& fieldNames() const { return columns_; }
    const QString& table() const { return table_; }
    Connection& database() const { return db_; }

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
    // Writes the values into the current record; a new record is inserted. For a stored
    // record, shown holds what some of its columns read when the user saw them: when
    // another window or program has changed one since (to other than what is written
    // now), nothing is written and RecordChanged is thrown, so no one's edit is lost.
    void writeCurrent(const std::vector<FieldValue>& values, const std::vector<FieldValue>& shown = {});

    void setListener(CursorListener* listener) { listener_ = listener; }

    // For Field.
    QVariant value(int ordinal) const;
    TextRef text(int ordinal) const;
    // The value at another position, without moving there: what a grid shows of the rows
    // it paints. Throws RecordDeleted for a row deleted since the cursor was opened.
    QVariant valueAt(int position, int ordinal) const;
    // The same as a text; for a column the engine holds for every record, a reference into it
    // that stands for the column at every position (TextRef::column and order).
    TextRef textAt(int position, int ordinal) const;

private:
    void leave(int action);
    void arrive();
    int checkedOrdinal(int ordinal) const;
    void checkUnchanged(const std::vector<QVariant>& now, const std::vector<FieldValue>& values,
                        const std::vector<FieldValue>& shown) const;

    Connection& db_;
    QString table_;
    QStringList columns_;
    std::unique_ptr<RowCache> rows_;
    CursorListener* listener_ = nullptr;

    int pos_ = -1;
    int posBeforeNew_ = -1;
    bool newRecord_ = false;
    bool currentDeleted_ = false;
};

} // namespace records
