// Rows of every storage class, as another program may have stored them: the input becomes
// a small SQLite file whose untyped columns hold Null, INTEGER, REAL, TEXT (any bytes) and
// BLOB cells, and the engine opens it, orders it by a column and reads every cell. Each
// must read as the text SQLite gives for it, and the cursor must hold every row once.
#include "platform/data/database.h"
#include "platform/data/errors.h"
#include "platform/data/recordset.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>

#include <sqlite3.h>

#include <algorithm>
#include <cstdint>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace {

constexpr int kColumns = 3;

class Input
{
public:
    Input(const std::uint8_t* data, std::size_t size) : data_(data), size_(size) {}
    bool done() const { return at_ >= size_; }
    std::uint8_t byte() { return at_ < size_ ? data_[at_++] : 0; }
    QByteArray bytes(std::size_t n)
    {
        n = std::min(n, size_ - std::min(at_, size_));
        QByteArray out(reinterpret_cast<const char*>(data_ + at_), static_cast<qsizetype>(n));
        at_ += n;
        return out;
    }
    std::uint64_t word()
    {
        std::uint64_t w = 0;
        for (int i = 0; i < 8; ++i)
            w = (w << 8) | byte();
        return w;
    }

private:
    const std::uint8_t* data_;
    std::size_t size_;
    std::size_t at_ = 0;
};

// One cell from the input, bound to the statement.
void bindCell(Input& in, sqlite3_stmt* insert, int index)
{
    switch (in.byte() % 5) {
    case 0:
        sqlite3_bind_null(insert, index);
        break;
    case 1:
        sqlite3_bind_int64(insert, index, static_cast<sqlite3_int64>(in.word()));
        break;
    case 2: {
        const std::uint64_t bits = in.word();
        double d = 0;
        std::memcpy(&d, &bits, sizeof d);
        sqlite3_bind_double(insert, index, d);
        break;
    }
    case 3: {
        const QByteArray text = in.bytes(in.byte() % 64);
        sqlite3_bind_text(insert, index, text.constData(), static_cast<int>(text.size()), SQLITE_TRANSIENT);
        break;
    }
    default: {
        const QByteArray blob = in.bytes(in.byte() % 64);
        sqlite3_bind_blob(insert, index, blob.constData(), static_cast<int>(blob.size()), SQLITE_TRANSIENT);
        break;
    }
    }
}

// A row as the user reads it: per column, Null or the text.
using Row = std::vector<QVariant>;

bool lessRow(const Row& a, const Row& b)
{
    for (std::size_t i = 0; i < a.size(); ++i) {
        if (a[i].isNull() != b[i].isNull())
            return a[i].isNull();
        const QString x = a[i].toString(), y = b[i].toString();
        if (x != y)
            return x < y;
    }
    return false;
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t* data, std::size_t size)
{
    // In memory where the machine has it: a file is made for every input.
    static QTemporaryDir dir(QFileInfo(QStringLiteral("/dev/shm")).isWritable()
                                 ? QStringLiteral("/dev/shm/qb_fuzz_rows-XXXXXX")
                                 : QDir::tempPath() + QStringLiteral("/qb_fuzz_rows-XXXXXX"));
    const QString path = dir.filePath(QStringLiteral("rows.db"));
    QFile::remove(path);

    // The file, as another tool makes it.
    Input in(data, size);
    std::vector<Row> expected;
    {
        sqlite3* raw = nullptr;
        sqlite3_open_v2(QFile::encodeName(path).constData(), &raw, SQLITE_OPEN_READWRITE | SQLITE_OPEN_CREATE,
                        nullptr);
        sqlite3_exec(raw, "PRAGMA synchronous=OFF; PRAGMA journal_mode=OFF; CREATE TABLE T (A, B, C); BEGIN",
                     nullptr, nullptr, nullptr);
        sqlite3_stmt* insert = nullptr;
        sqlite3_prepare_v2(raw, "INSERT INTO T VALUES (?1, ?2, ?3)", -1, &insert, nullptr);
        for (int row = 0; row < 300 && !in.done(); ++row) {
            for (int c = 1; c <= kColumns; ++c)
                bindCell(in, insert, c);
            sqlite3_step(insert);
            sqlite3_reset(insert);
        }
        sqlite3_finalize(insert);
        sqlite3_exec(raw, "COMMIT", nullptr, nullptr, nullptr);
        // What SQLite says each cell reads as.
        sqlite3_stmt* all = nullptr;
        sqlite3_prepare_v2(raw, "SELECT A, B, C FROM T", -1, &all, nullptr);
        while (sqlite3_step(all) == SQLITE_ROW) {
            Row r;
            for (int c = 0; c < kColumns; ++c) {
                if (sqlite3_column_type(all, c) == SQLITE_NULL) {
                    r.emplace_back();
                    continue;
                }
                const auto* text = reinterpret_cast<const char*>(sqlite3_column_text(all, c));
                r.emplace_back(QString::fromUtf8(text, sqlite3_column_bytes(all, c)));
            }
            expected.push_back(r);
        }
        sqlite3_finalize(all);
        sqlite3_close(raw);
    }

    // The engine's reading of it, ordered by the column the input names, with and without
    // the read bursts a window uses.
    const char* order[] = {"A", "B", "C"};
    const QString source = QStringLiteral("SELECT * FROM T ORDER BY %1").arg(QLatin1String(order[size % 3]));
    try {
        auto db = records::Database::open(path);
        for (const bool bursts : {false, true}) {
            if (bursts)
                db->setReadBursts([] {});
            records::Recordset rs(*db, source);
            std::vector<Row> read;
            for (int p = 0; p < rs.RecordCount(); ++p) {
                rs.setAbsolutePosition(p);
                Row r;
                for (int c = 0; c < kColumns; ++c)
                    r.push_back(rs.Fields(c).Value());
                read.push_back(r);
            }
            db->endReadBurst();
            std::sort(read.begin(), read.end(), lessRow);
            std::vector<Row> want = expected;
            std::sort(want.begin(), want.end(), lessRow);
            if (read.size() != want.size())
                std::abort();
            for (std::size_t i = 0; i < read.size(); ++i)
                for (int c = 0; c < kColumns; ++c)
                    if (read[i][static_cast<std::size_t>(c)].isNull() !=
                            want[i][static_cast<std::size_t>(c)].isNull() ||
                        read[i][static_cast<std::size_t>(c)].toString() !=
                            want[i][static_cast<std::size_t>(c)].toString())
                        std::abort();
        }
    } catch (const records::DataError&) {
        std::abort();
    }
    return 0;
}
