#include "inventory/store/record_stream.h"

#include "inventory/store/inventory.h"
#include "platform/data/database.h"
#include "platform/data/sortkeys.h"

#include <QByteArray>
#include <QCoreApplication>
#include <QVariant>

#include <algorithm>
#include <atomic>
#include <unordered_map>

namespace store {

namespace {

// The twelve columns in their order, each with the prefix.
QString columnList(const QString& prefix)
{
    QStringList names;
    for (const Column& c : kColumns)
        names.append(prefix + QString::fromLatin1(c.name));
    return names.join(QLatin1Char(','));
}

QString folded(const QString& text)
{
    // Decomposed, then without the combining marks: "Á" becomes "a".
    const QString decomposed = text.normalized(QString::NormalizationForm_D);
    QString out;
    out.reserve(decomposed.size());
    for (const QChar c : decomposed)
        if (c.category() != QChar::Mark_NonSpacing)
            out.append(c);
    return out.toCaseFolded();
}

bool blankText(std::string_view text)
{
    return std::all_of(text.begin(), text.end(), [](char c) { return c == ' ' || c == '\t'; });
}

const QString kOrderTable = QStringLiteral("temp.qb_datatool_order");

std::atomic<bool> g_stop{false};
static_assert(std::atomic<bool>::is_always_lock_free, "a signal handler sets it");

} // namespace

void requestStop()
{
    g_stop.store(true, std::memory_order_relaxed);
}

void throwIfStopped()
{
    if (g_stop.load(std::memory_order_relaxed))
        throw records::DataError(
            records::Cancelled,
            QCoreApplication::translate("Inventory",
                                        "The command was stopped before it finished; nothing was written."));
}

QString Record::string(int ordinal) const
{
    const std::string_view t = text[static_cast<std::size_t>(ordinal)];
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

// --- TextOrder ---------------------------------------------------------------------------------

// The keys are the cursor's own (records::SortKeys), so the order is the program's.
TextOrder::TextOrder() : keys_(std::make_unique<records::SortKeys>()) {}

TextOrder::~TextOrder() = default;

void TextOrder::key(std::string_view utf8, std::string& key)
{
    key.clear();
    keys_->append(key, utf8.data(), static_cast<int>(utf8.size()));
    // A zero byte, which no collation key holds, then the text that breaks ties.
    key.push_back('\0');
    key.append(utf8);
}

std::string_view TextOrder::textOf(std::string_view key)
{
    const std::size_t zero = key.find('\0');
    return zero == std::string_view::npos ? std::string_view() : key.substr(zero + 1);
}

bool placeMatches(const QString& place, const QString& text)
{
    return folded(place).contains(folded(text));
}

// --- RecordStream ------------------------------------------------------------------------------

class RecordStream::ReadTransaction
{
public:
    explicit ReadTransaction(const records::Database& db) : db_(db) { run(db_, QStringLiteral("BEGIN")); }
    ~ReadTransaction()
    {
        try {
            run(db_, QStringLiteral("DROP TABLE IF EXISTS %1").arg(kOrderTable));
            run(db_, QStringLiteral("COMMIT"));
        } catch (const records::DataError&) {
            // Nothing was written to the inventory; ending the connection ends the read.
        }
    }
    ReadTransaction(const ReadTransaction&) = delete;
    ReadTransaction& operator=(const ReadTransaction&) = delete;

private:
    const records::Database& db_;
};

RecordStream::RecordStream(records::Database& db, const Options& options) : db_(db), options_(options)
{
    transaction_ = std::make_unique<ReadTransaction>(db_);
    collect();
    if (options_.byPlace)
        readPlaces();
}

RecordStream::~RecordStream() = default;

namespace {

// Rows of the order table, added many to a statement: one statement a row would cost
// more than the row itself.
class OrderInserter
{
public:
    static constexpr int kBatch = 128;

    explicit OrderInserter(const records::Database& db) : db_(db), full_(db, sql(kBatch)) {}

    // The next row's fields, to be filled in by the caller.
    struct Row
    {
        std::int64_t rid = 0;
        std::int64_t nowhere = 0;
        bool hasPlace = false;
        std::string place;
        bool hasName = false;
        std::string name;
    };
    Row& next()
    {
        if (used_ == kBatch)
            flush();
        return rows_[static_cast<std::size_t>(used_++)];
    }
    void flush()
    {
        if (used_ == 0)
            return;
        if (used_ == kBatch) {
            insert(full_);
        } else {
            records::Statement last(db_, sql(used_));
            insert(last);
        }
        used_ = 0;
    }

private:
    static QString sql(int rows)
    {
        QStringList values;
        for (int r = 0; r < rows; ++r)
            values.append(QStringLiteral("(?%1,?%2,?%3,?%4)")
                              .arg(4 * r + 1)
                              .arg(4 * r + 2)
                              .arg(4 * r + 3)
                              .arg(4 * r + 4));
        return QStringLiteral("INSERT INTO %1 VALUES %2").arg(kOrderTable, values.join(QLatin1Char(',')));
    }
    static QVariant blob(bool has, const std::string& bytes)
    {
        return has ? QVariant(QByteArray::fromRawData(bytes.data(), static_cast<qsizetype>(bytes.size())))
                   : QVariant();
    }
    void insert(records::Statement& s)
    {
        records::Statement::Reset done(s);
        for (int r = 0; r < used_; ++r) {
            const Row& row = rows_[static_cast<std::size_t>(r)];
            s.bind(4 * r + 1, row.rid);
            s.bind(4 * r + 2, row.nowhere);
            s.bind(4 * r + 3, blob(row.hasPlace, row.place));
            s.bind(4 * r + 4, blob(row.hasName, row.name));
        }
        s.step();
    }

    const records::Database& db_;
    records::Statement full_;
    std::array<Row, kBatch> rows_;
    int used_ = 0;
};

} // namespace

void RecordStream::collect()
{
    // The keys of the order go into a temporary table of this connection, never into the
    // file; SQLite then sorts the records by them without holding them all in memory.
    run(db_, QStringLiteral("DROP TABLE IF EXISTS %1").arg(kOrderTable));
    run(db_,
        QStringLiteral("CREATE TABLE %1 (rid INTEGER PRIMARY KEY, nowhere INTEGER, place BLOB, name BLOB)")
            .arg(kOrderTable));
    OrderInserter inserter(db_);
    // The place is read only when it is sorted or chosen by.
    const bool places = options_.byPlace || !options_.placeContains.isEmpty();
    records::Statement scan(db_,
                            QStringLiteral("SELECT rowid, NOME, %2 FROM main.%1")
                                .arg(tableName(), places ? QStringLiteral("LOCAL") : QStringLiteral("NULL")));
    records::Statement::Reset scanDone(scan);

    TextOrder order;
    // Few places repeat many times: whether each one is chosen, and its key, are kept.
    struct Known
    {
        bool chosen;
        std::string key;
    };
    std::unordered_map<std::string, Known> known;
    const bool filter = !options_.placeContains.isEmpty();
    while (scan.step()) {
        throwIfStopped();
        ++total_;
        int size = 0;
        const char* text = scan.utf8(2, &size);
        const std::string_view place(text, static_cast<std::size_t>(size));
        const bool nowhere = scan.columnType(2) == SQLITE_NULL || blankText(place);
        const Known* placeInfo = nullptr;
        if (places && !nowhere) {
            auto it = known.find(std::string(place));
            if (it == known.end()) {
                // A file whose every place differs keeps the memory small all the same.
                if (known.size() > 4096)
                    known.clear();
                Known k{!filter || placeMatches(QString::fromUtf8(text, size), options_.placeContains), {}};
                order.key(place, k.key);
                it = known.emplace(std::string(place), std::move(k)).first;
            }
            placeInfo = &it->second;
        }
        if (filter && (!placeInfo || !placeInfo->chosen))
            continue;

        OrderInserter::Row& row = inserter.next();
        row.rid = scan.int64(0);
        row.nowhere = options_.byPlace && nowhere ? 1 : 0;
        row.hasPlace = options_.byPlace && placeInfo;
        if (row.hasPlace)
            row.place = placeInfo->key;
        row.hasName = scan.columnType(1) != SQLITE_NULL;
        if (row.hasName) {
            const char* name = scan.utf8(1, &size);
            order.key(std::string_view(name, static_cast<std::size_t>(size)), row.name);
        }
        ++count_;
    }
    inserter.flush();
}

void RecordStream::readPlaces()
{
    records::Statement groups(
        db_, QStringLiteral(
                 "SELECT nowhere, place, count(*) FROM %1 GROUP BY nowhere, place ORDER BY nowhere, place")
                 .arg(kOrderTable));
    records::Statement::Reset done(groups);
    while (groups.step()) {
        Place p;
        p.none = groups.int64(0) != 0;
        if (!p.none) {
            int size = 0;
            const char* key = groups.utf8(1, &size);
            const std::string_view text =
                TextOrder::textOf(std::string_view(key, static_cast<std::size_t>(size)));
            p.name = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
        }
        p.count = groups.int64(2);
        places_.push_back(p);
    }
}

void RecordStream::forEach(const std::function<void(const Record&)>& f)
{
    // A few records are fetched by their ids; most of the file is read front to back and
    // joined to its keys, which is how SQLite reads fastest.
    const QString table = QStringLiteral("main.") + tableName();
    const QString join =
        count_ * 4 < total_
            ? QStringLiteral("%1 AS o CROSS JOIN %2 AS t ON t.rowid = o.rid").arg(kOrderTable, table)
            : QStringLiteral("%2 AS t CROSS JOIN %1 AS o ON o.rid = t.rowid").arg(kOrderTable, table);
    const QString order = options_.byPlace ? QStringLiteral("o.nowhere, o.place, o.name, o.rid")
                                           : QStringLiteral("o.name, o.rid");
    records::Statement rows(
        db_,
        QStringLiteral("SELECT %1 FROM %2 ORDER BY %3").arg(columnList(QStringLiteral("t.")), join, order));
    records::Statement::Reset done(rows);
    Record record;
    while (rows.step()) {
        throwIfStopped();
        for (int i = 0; i < kColumnCount; ++i) {
            const auto at = static_cast<std::size_t>(i);
            record.null[at] = rows.columnType(i) == SQLITE_NULL;
            int size = 0;
            const char* text = rows.utf8(i, &size);
            record.text[at] = std::string_view(text, static_cast<std::size_t>(size));
        }
        f(record);
    }
}

} // namespace store
