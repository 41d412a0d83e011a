// The only file that sees libmdb. libmdb finds the pages, the catalog, the table's
// columns and the values inside a row; this file walks the rows, follows long values
// and turns text into UTF-8 where libmdb 1.0 would lose something:
//  - it reads a deleted row (offset flag 0x8000) as live and skips a row that Access
//    moved to another page (flag 0x4000), so rows are walked here, page by page;
//  - its bound values cannot tell an empty text from Null, so the row's own null mask
//    (through mdb_crack_row) decides;
//  - it decodes Jet 4 text as UCS-2, turning characters outside the Basic Multilingual
//    Plane into "??", and cuts a bound memo at its bind size, so Jet 4 text is decoded
//    here from its UTF-16 (compressed or not) and memos are read whole.
// Jet 3 text is converted by libmdb from the file's code page.
// libmdb trusts the page numbers it finds: a page past the end of a cut file reads as
// whatever its buffer held before. So every page number is checked against the file's
// size here before libmdb or this file reads the page, and the table's pages are walked
// from its map of used pages here too.
#include "inventory/legacy/jetreader.h"

#include "inventory/legacy/errors.h"
#include "platform/base/accessheader.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileInfo>

// glib first: mdbtools.h includes it inside extern "C", where its C++ parts cannot be.
#include <glib.h>

#include <mdbtools.h>

#include <array>
#include <cmath>
#include <cstdio>
#include <cstring>
#include <limits>

namespace legacy {

namespace {

constexpr std::uint16_t kDeletedRow = 0x8000;
constexpr std::uint16_t kMovedRow = 0x4000;
constexpr std::uint16_t kOffsetMask = 0x1fff;
constexpr std::uint32_t kMemoInline = 0x80000000u;
constexpr std::uint32_t kMemoOneLval = 0x40000000u;
constexpr std::uint32_t kMemoLengthMask = 0x3fffffffu;
constexpr int kMemoHeader = 12;
// The catalog's own definition is always on page 2.
constexpr std::uint32_t kCatalogPage = 2;

QString native(const QString& path)
{
    return QDir::toNativeSeparators(path);
}

std::uint16_t u16(const unsigned char* p)
{
    return static_cast<std::uint16_t>(p[0] | (p[1] << 8));
}

std::uint32_t u32(const unsigned char* p)
{
    return static_cast<std::uint32_t>(p[0]) | (static_cast<std::uint32_t>(p[1]) << 8) |
           (static_cast<std::uint32_t>(p[2]) << 16) | (static_cast<std::uint32_t>(p[3]) << 24);
}

// The header area of page 0 is masked with RC4 under a fixed key.
void unmaskHeader(unsigned char* data, int size)
{
    const std::array<unsigned char, 4> key = {0xc7, 0xda, 0x39, 0x6b};
    std::array<unsigned char, 256> s{};
    for (int i = 0; i < 256; ++i)
        s[static_cast<std::size_t>(i)] = static_cast<unsigned char>(i);
    unsigned j = 0;
    for (std::size_t i = 0; i < 256; ++i) {
        j = (j + s[i] + key[i % key.size()]) & 0xff;
        std::swap(s[i], s[j]);
    }
    unsigned a = 0;
    j = 0;
    for (int k = 0; k < size; ++k) {
        a = (a + 1) & 0xff;
        j = (j + s[a]) & 0xff;
        std::swap(s[a], s[j]);
        data[k] ^= s[(s[a] + s[j]) & 0xff];
    }
}

// Jet 4 text: UTF-16LE, or its compressed form (FF FE, then runs of one-byte characters
// and of UTF-16 units, a 00 byte switching between them).
QByteArray jet4Text(const unsigned char* p, std::size_t n)
{
    QString text;
    if (n >= 2 && p[0] == 0xff && p[1] == 0xfe) {
        text.reserve(static_cast<qsizetype>(n));
        bool narrow = true;
        for (std::size_t i = 2; i < n;) {
            if (p[i] == 0) {
                narrow = !narrow;
                ++i;
            } else if (narrow) {
                text.append(QChar(static_cast<char16_t>(p[i])));
                ++i;
            } else if (i + 1 < n) {
                text.append(QChar(u16(p + i)));
                i += 2;
            } else {
                break;
            }
        }
    } else {
        text.resize(static_cast<qsizetype>(n / 2));
        QChar* out = text.data();
        for (std::size_t i = 0; i + 1 < n; i += 2)
            *out++ = QChar(u16(p + i));
    }
    QByteArray utf8 = text.toUtf8();
    if (utf8.isNull())
        utf8 = QByteArray("");
    return utf8;
}

// libmdb writes notes for what it meets with printf and fprintf, unnumbered. glibc lets
// stdout and stderr be pointed elsewhere; doing so for the span of each call into
// libmdb costs nothing, and leaves the descriptors, so our own numbered messages and a
// sanitizer's report still reach the user. The reader runs on one thread, where
// nothing else writes meanwhile.
class QuietLibrary final
{
public:
    QuietLibrary() : out_(stdout), err_(stderr)
    {
        static std::FILE* const sink = std::fopen("/dev/null", "we");
        if (sink) {
            stdout = sink;
            stderr = sink;
        }
    }
    ~QuietLibrary()
    {
        stdout = out_;
        stderr = err_;
    }
    QuietLibrary(const QuietLibrary&) = delete;
    QuietLibrary& operator=(const QuietLibrary&) = delete;

private:
    std::FILE* out_;
    std::FILE* err_;
};

} // namespace

struct JetReader::Impl
{
    MdbHandle* mdb = nullptr;
    MdbTableDef* table = nullptr;
    std::vector<int> types;
    std::int64_t fileSize = 0;
    // Our own handle on the file, for the checks, and the page it last read.
    QFile file;
    int pageBytes = 0;
    std::uint32_t pageCount = 0;
    std::vector<unsigned char> check;
    // The table's pages from its map, the next of them to walk, the page being walked
    // and the next row on it.
    std::vector<std::uint32_t> pages;
    std::size_t nextPage = 0;
    std::uint32_t page = 0;
    int rowsOnPage = 0;
    int nextRow = 0;
    std::vector<MdbField> fields;
    std::vector<char> scratch;
    QByteArray memo;

    ~Impl()
    {
        if (table)
            mdb_free_tabledef(table);
        if (mdb)
            mdb_close(mdb);
    }
    unsigned char* buf() const { return mdb->pg_buf; }
    int pageSize() const { return static_cast<int>(mdb->fmt->pg_size); }
    int rowCountOffset() const { return mdb->fmt->row_count_offset; }
};

bool JetReader::isAccessFile(const QString& path)
{
    QFile file(path);
    if (!file.open(QIODevice::ReadOnly))
        return false;
    return base::isAccessHeader(file.read(19));
}

JetReader::JetReader(const QString& path) : path_(path), d_(std::make_unique<Impl>())
{
    const QFileInfo info(path);
    if (!info.exists() || info.isDir())
        throw LegacyError(
            CannotReadOldFile,
            QCoreApplication::translate("Legacy", "The file '%1' cannot be found.").arg(native(path)));
    QFile& file = d_->file;
    file.setFileName(path);
    if (!file.open(QIODevice::ReadOnly))
        throw LegacyError(
            CannotReadOldFile,
            QCoreApplication::translate("Legacy", "The file '%1' cannot be read (%2). Check its permissions.")
                .arg(native(path), file.errorString()));
    QByteArray head = file.read(2048);
    d_->fileSize = file.size();
    if (!base::isAccessHeader(head))
        throw LegacyError(NotAccessFormat, QCoreApplication::translate(
                                               "Legacy", "The file '%1' is not an Access-format database.")
                                               .arg(native(path)));
    if (head.size() < 2048)
        damaged(QCoreApplication::translate("Legacy", "it is cut short"));
    auto* h = reinterpret_cast<unsigned char*>(head.data());
    const int version = h[0x14];
    if (version > 1)
        throw LegacyError(LaterAccessVersion,
                          QCoreApplication::translate(
                              "Legacy", "The file '%1' was saved by Access 2007 or later. Only the "
                                        "formats of Access 97 and Access 2000 can be converted: save "
                                        "it in Access 2000 format (.mdb) and start again. Nothing was "
                                        "changed.")
                              .arg(native(path)));
    const bool jet4 = version == 1;
    // Access writes whole pages only; a file that ends inside one was cut.
    d_->pageBytes = jet4 ? 4096 : 2048;
    if (d_->fileSize % d_->pageBytes != 0)
        damaged(QCoreApplication::translate("Legacy", "it is cut short: it ends inside its page %1")
                    .arg(d_->fileSize / d_->pageBytes));
    d_->pageCount = static_cast<std::uint32_t>(
        std::min<std::int64_t>(d_->fileSize / d_->pageBytes, std::numeric_limits<std::uint32_t>::max()));
    unmaskHeader(h + 0x18, jet4 ? 128 : 126);
    if (u32(h + 0x3e) != 0)
        throw LegacyError(Encrypted, QCoreApplication::translate(
                                         "Legacy", "The file '%1' is encrypted. Decrypt it in Access, then "
                                                   "start again. Nothing was changed.")
                                         .arg(native(path)));
    // The password area: Jet 4 masks it with the creation date. A blank area, masked or
    // not, means no password.
    const int pwSize = jet4 ? 40 : 20;
    bool blank = true, blankUnmasked = true;
    std::array<unsigned char, 4> mask{};
    if (jet4) {
        double created = 0;
        std::memcpy(&created, h + 0x72, sizeof created);
        if (std::isfinite(created) && std::fabs(created) < std::numeric_limits<std::int32_t>::max()) {
            const auto m = static_cast<std::uint32_t>(static_cast<std::int32_t>(created));
            for (std::size_t i = 0; i < 4; ++i)
                mask[i] = static_cast<unsigned char>(m >> (8 * i));
        }
    }
    for (int i = 0; i < pwSize; ++i) {
        blank = blank && h[0x42 + i] == 0;
        blankUnmasked = blankUnmasked && (h[0x42 + i] ^ mask[static_cast<std::size_t>(i % 4)]) == 0;
    }
    if (!blank && !blankUnmasked)
        throw LegacyError(PasswordProtected,
                          QCoreApplication::translate(
                              "Legacy", "The file '%1' is protected by a password. Remove the password "
                                        "in Access, then start again. Nothing was changed.")
                              .arg(native(path)));

    QuietLibrary quiet;
    d_->mdb = mdb_open(QFile::encodeName(path).constData(), MDB_NOFLAGS);
    if (!d_->mdb)
        damaged(QCoreApplication::translate("Legacy", "its first page cannot be read"));
    if (std::strcmp(mdb_target_charset(d_->mdb), "UTF-8") != 0)
        throw LegacyError(CannotReadOldFile,
                          QCoreApplication::translate(
                              "Legacy", "The file '%1' cannot be read: the environment variable "
                                        "MDBICONV asks for text in %2. Start the program without it.")
                              .arg(native(path), QString::fromLatin1(mdb_target_charset(d_->mdb))));
    // The catalog is a table too, which libmdb walks itself.
    mapPages(kCatalogPage, QCoreApplication::translate("Legacy", "its list of tables"));
    if (!mdb_read_catalog(d_->mdb, MDB_TABLE))
        damaged(QCoreApplication::translate("Legacy", "its list of tables cannot be read"));
}

JetReader::~JetReader() = default;

void JetReader::damaged(const QString& what) const
{
    throw LegacyError(DamagedOldFile, QCoreApplication::translate(
                                          "Legacy", "The Access-format file '%1' is damaged: %2. Nothing was "
                                                    "changed. Repair it in Access, or restore it from a "
                                                    "backup copy.")
                                          .arg(native(path_), what));
}

// Reads a page for a check into d_->check, which the next read replaces.
const unsigned char* JetReader::checkedPage(std::uint32_t page, const QString& whose) const
{
    Impl& d = *d_;
    if (page >= d.pageCount)
        damaged(QCoreApplication::translate("Legacy", "%1 refers to its page %2, past its end")
                    .arg(whose)
                    .arg(page));
    d.check.resize(static_cast<std::size_t>(d.pageBytes));
    if (!d.file.seek(static_cast<qint64>(page) * d.pageBytes) ||
        d.file.read(reinterpret_cast<char*>(d.check.data()), d.pageBytes) != d.pageBytes)
        damaged(QCoreApplication::translate("Legacy", "its page %1 cannot be read").arg(page));
    return d.check.data();
}

// The pages that a table's map of used pages lists, each inside the file. The map is one
// row of a data page, to which the table's definition points: a bitmap of pages from a
// first one (kind 0), or the numbers of map pages, each a bitmap of a span of its own
// (kind 1). The definition's own pages, each pointing to the next, are checked on the way.
std::vector<std::uint32_t> JetReader::mapPages(std::uint32_t definition, const QString& whose) const
{
    Impl& d = *d_;
    const int size = d.pageBytes;
    const int rowsAt = d.mdb->fmt->row_count_offset;
    std::uint32_t mapPointer = 0;
    std::uint32_t count = 0;
    for (std::uint32_t page = definition; page != 0; ++count) {
        const unsigned char* p = checkedPage(page, whose);
        if (p[0] != MDB_PAGE_TABLE || count > d.pageCount)
            damaged(QCoreApplication::translate("Legacy", "the definition of %1 on its page %2 is not one")
                        .arg(whose)
                        .arg(page));
        if (page == definition)
            mapPointer = u32(p + d.mdb->fmt->tab_usage_map_offset);
        page = u32(p + 4);
    }

    const std::uint32_t mapRow = mapPointer & 0xff;
    const unsigned char* p = checkedPage(mapPointer >> 8, whose);
    const std::uint32_t rows = p[0] == MDB_PAGE_DATA ? u16(p + rowsAt) : 0;
    const int table = rowsAt + 2 + 2 * static_cast<int>(rows);
    const int start = mapRow < rows ? u16(p + rowsAt + 2 + 2 * mapRow) & kOffsetMask : 0;
    const int end = mapRow == 0 ? size : u16(p + rowsAt + 2 * mapRow) & kOffsetMask;
    if (mapRow >= rows || table > size || start < table || end > size || end - start < 5)
        damaged(QCoreApplication::translate("Legacy", "the map of the pages of %1 is missing").arg(whose));
    const std::vector<unsigned char> map(p + start, p + end);

    std::vector<std::uint32_t> pages;
    const auto bitmap = [&](const unsigned char* bits, std::size_t bytes, std::uint64_t first) {
        for (std::size_t i = 0; i < bytes; ++i)
            for (unsigned b = 0; b < 8; ++b)
                if (bits[i] & (1u << b)) {
                    const std::uint64_t page = first + 8 * i + b;
                    if (page >= d.pageCount)
                        damaged(QCoreApplication::translate("Legacy", "%1 lists its page %2, past its end")
                                    .arg(whose)
                                    .arg(page));
                    pages.push_back(static_cast<std::uint32_t>(page));
                }
    };
    if (map[0] == 0) {
        bitmap(map.data() + 5, map.size() - 5, u32(map.data() + 1));
    } else if (map[0] == 1) {
        const std::uint64_t span = 8 * static_cast<std::uint64_t>(size - 4);
        for (std::size_t k = 0; 1 + 4 * (k + 1) <= map.size(); ++k) {
            const std::uint32_t mapPage = u32(map.data() + 1 + 4 * k);
            if (mapPage == 0)
                continue;
            const unsigned char* m = checkedPage(mapPage, whose);
            if (m[0] != MDB_PAGE_MAP)
                damaged(QCoreApplication::translate("Legacy", "the map of the pages of %1 is missing")
                            .arg(whose));
            bitmap(m + 4, static_cast<std::size_t>(size - 4), k * span);
        }
    } else {
        damaged(QCoreApplication::translate("Legacy", "the map of the pages of %1 is of an unknown kind")
                    .arg(whose));
    }
    return pages;
}

int JetReader::jetVersion() const
{
    return IS_JET3(d_->mdb) ? 3 : 4;
}

QStringList JetReader::tables() const
{
    QStringList names;
    for (unsigned i = 0; i < d_->mdb->num_catalog; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(d_->mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && mdb_is_user_table(entry))
            names.append(QString::fromUtf8(entry->object_name));
    }
    return names;
}

QString JetReader::findTable(const QString& name) const
{
    for (const QString& table : tables())
        if (table.compare(name, Qt::CaseInsensitive) == 0)
            return table;
    return {};
}

void JetReader::openTable(const QString& name)
{
    if (d_->table) {
        mdb_free_tabledef(d_->table);
        d_->table = nullptr;
    }
    MdbCatalogEntry* found = nullptr;
    for (unsigned i = 0; i < d_->mdb->num_catalog && !found; ++i) {
        auto* entry = static_cast<MdbCatalogEntry*>(g_ptr_array_index(d_->mdb->catalog, i));
        if (entry->object_type == MDB_TABLE && QString::fromUtf8(entry->object_name) == name)
            found = entry;
    }
    if (!found)
        throw LegacyError(NoInventoryTable, QCoreApplication::translate(
                                                "Legacy", "The Access-format file '%1' has no table '%2'.")
                                                .arg(native(path_), name));
    QuietLibrary quiet;
    const QString whose = QCoreApplication::translate("Legacy", "its table %1").arg(name);
    if (found->table_pg >= d_->pageCount)
        damaged(QCoreApplication::translate("Legacy", "%1 refers to its page %2, past its end")
                    .arg(whose)
                    .arg(found->table_pg));
    d_->pages = mapPages(static_cast<std::uint32_t>(found->table_pg), whose);
    d_->table = mdb_read_table(found);
    if (!d_->table || !mdb_read_columns(d_->table))
        damaged(QCoreApplication::translate("Legacy", "the definition of its table '%1' cannot be read")
                    .arg(name));
    columns_.clear();
    d_->types.clear();
    for (unsigned i = 0; i < d_->table->num_cols; ++i) {
        auto* col = static_cast<MdbColumn*>(g_ptr_array_index(d_->table->columns, i));
        columns_.append(QString::fromUtf8(col->name));
        d_->types.push_back(col->col_type);
    }
    nulls_.assign(columns_.size(), true);
    values_.assign(columns_.size(), QByteArray());
    d_->fields.assign(std::max<std::size_t>(MDB_MAX_COLS, columns_.size()), MdbField{});

    // The rows are counted on their pages first, so that a page missing or a count that
    // disagrees is known before any row is used.
    std::int64_t rows = 0;
    for (const std::uint32_t page : d_->pages) {
        if (!readDataPage(page))
            continue;
        for (int r = 0; r < d_->rowsOnPage; ++r)
            if (!(u16(d_->buf() + d_->rowCountOffset() + 2 + 2 * r) & kDeletedRow))
                ++rows;
    }
    if (rows != d_->table->num_rows)
        damaged(QCoreApplication::translate("Legacy", "its table %1 counts %2 records, but its pages hold %3")
                    .arg(name)
                    .arg(d_->table->num_rows)
                    .arg(rows));
    rowCount_ = rows;
    d_->nextPage = 0;
    d_->page = 0;
    d_->rowsOnPage = 0;
    d_->nextRow = 0;
}

bool JetReader::isBinaryColumn(int column) const
{
    const int type = d_->types.at(static_cast<std::size_t>(column));
    return type == MDB_OLE || type == MDB_BINARY || type == MDB_COMPLEX;
}

// Reads one of the table's pages into libmdb's buffer. False for a page of the map that
// holds no rows of the table: libmdb passes over such a page too.
bool JetReader::readDataPage(std::uint32_t page)
{
    Impl& d = *d_;
    if (mdb_read_pg(d.mdb, page) != d.mdb->fmt->pg_size)
        damaged(QCoreApplication::translate("Legacy", "its page %1 cannot be read").arg(page));
    d.page = page;
    d.nextRow = 0;
    d.rowsOnPage = 0;
    if (d.buf()[0] != MDB_PAGE_DATA || u32(d.buf() + 4) != d.table->entry->table_pg)
        return false;
    d.rowsOnPage = u16(d.buf() + d.rowCountOffset());
    if (d.rowCountOffset() + 2 + 2 * d.rowsOnPage > d.pageSize())
        damaged(QCoreApplication::translate("Legacy", "page %1 lists more rows than it can hold").arg(page));
    return true;
}

bool JetReader::next()
{
    QuietLibrary quiet;
    Impl& d = *d_;
    for (;;) {
        if (d.nextRow >= d.rowsOnPage) {
            if (d.nextPage >= d.pages.size())
                return false;
            readDataPage(d.pages[d.nextPage++]);
            continue;
        }
        const int row = d.nextRow++;
        const int slot = d.rowCountOffset() + 2 + 2 * row;
        const std::uint16_t offset = u16(d.buf() + slot);
        if (offset & kDeletedRow)
            continue;
        readRow(row, 0);
        return true;
    }
}

// Reads row `row` of the page in libmdb's page buffer. A moved row leaves a pointer to
// its new place, where it is marked deleted; hops counts the pointers followed.
void JetReader::readRow(int row, int hops)
{
    Impl& d = *d_;
    const std::uint16_t offset = u16(d.buf() + d.rowCountOffset() + 2 + 2 * row);
    if (offset & kMovedRow) {
        const int at = offset & kOffsetMask;
        if (hops > 3 || at + 4 > d.pageSize())
            damaged(QCoreApplication::translate("Legacy", "a moved row on page %1 cannot be followed")
                        .arg(d.page));
        const std::uint32_t pointer = u32(d.buf() + at);
        const std::uint32_t target = pointer >> 8;
        const int targetRow = static_cast<int>(pointer & 0xff);
        if (target >= d.pageCount)
            damaged(QCoreApplication::translate("Legacy", "a row moved from page %1 points past its end")
                        .arg(d.page));
        if (mdb_read_pg(d.mdb, target) != d.mdb->fmt->pg_size || d.buf()[0] != MDB_PAGE_DATA ||
            u32(d.buf() + 4) != d.table->entry->table_pg || targetRow >= u16(d.buf() + d.rowCountOffset()))
            damaged(QCoreApplication::translate("Legacy", "a row moved from page %1 is missing").arg(d.page));
        readRow(targetRow, hops + 1);
        // Back to the page being walked.
        if (mdb_read_pg(d.mdb, d.page) != d.mdb->fmt->pg_size)
            damaged(QCoreApplication::translate("Legacy", "page %1 cannot be read again").arg(d.page));
        return;
    }
    int start = 0;
    std::size_t size = 0;
    if (mdb_find_row(d.mdb, row, &start, &size) != 0)
        damaged(
            QCoreApplication::translate("Legacy", "row %1 of page %2 cannot be found").arg(row).arg(d.page));
    start &= kOffsetMask;
    const int rows = u16(d.buf() + d.rowCountOffset());
    if (size == 0 || size > static_cast<std::size_t>(d.pageSize()) ||
        start < d.rowCountOffset() + 2 + 2 * rows || start + static_cast<int>(size) > d.pageSize())
        damaged(QCoreApplication::translate("Legacy", "row %1 of page %2 runs past its page")
                    .arg(row)
                    .arg(d.page));
    readValues(start, size);
}

void JetReader::readValues(int rowStart, std::size_t rowSize)
{
    Impl& d = *d_;
    const int count = mdb_crack_row(d.table, rowStart, rowSize, d.fields.data());
    if (count < 0)
        damaged(QCoreApplication::translate("Legacy", "a row on page %1 cannot be taken apart").arg(d.page));
    const bool jet4 = !IS_JET3(d.mdb);
    for (qsizetype c = 0; c < columns_.size(); ++c) {
        const std::size_t i = static_cast<std::size_t>(c);
        const MdbField& f = d.fields[i];
        const int type = d.types[i];
        QByteArray& value = values_[i];
        if (type == MDB_BOOL) {
            // A yes/no column keeps its value in the null mask.
            nulls_[i] = false;
            value = f.is_null ? QByteArray("False") : QByteArray("True");
            continue;
        }
        nulls_[i] = f.is_null;
        value.clear();
        if (f.is_null)
            continue;
        if (f.siz < 0 || f.start < 0 || f.start + f.siz > d.pageSize())
            damaged(
                QCoreApplication::translate("Legacy", "a value on page %1 runs past its page").arg(d.page));
        const unsigned char* raw = d.buf() + f.start;
        std::size_t length = static_cast<std::size_t>(f.siz);
        if (type == MDB_MEMO || type == MDB_OLE) {
            if (f.siz < kMemoHeader)
                damaged(QCoreApplication::translate("Legacy", "a memo on page %1 is cut short").arg(d.page));
            const std::uint32_t head = u32(raw);
            const std::uint32_t memoLength = head & kMemoLengthMask;
            if (memoLength > d.fileSize)
                damaged(QCoreApplication::translate("Legacy", "a memo on page %1 is longer than the file")
                            .arg(d.page));
            if ((head & kMemoInline) && (head & kMemoOneLval))
                damaged(QCoreApplication::translate("Legacy", "a memo on page %1 has an unknown form")
                            .arg(d.page));
            d.memo.clear();
            if (head & kMemoInline) {
                if (memoLength > length - kMemoHeader)
                    damaged(
                        QCoreApplication::translate("Legacy", "a memo on page %1 is cut short").arg(d.page));
                d.memo = QByteArray(reinterpret_cast<const char*>(raw + kMemoHeader), memoLength);
            } else {
                // In long-value pages: one row, or a chain of rows each beginning with the
                // pointer to the next.
                const bool chained = !(head & kMemoOneLval);
                std::uint32_t pointer = u32(raw + 4);
                d.memo.reserve(memoLength);
                std::uint32_t steps = 0;
                while (static_cast<std::uint32_t>(d.memo.size()) < memoLength) {
                    void* page = nullptr;
                    int off = 0;
                    std::size_t len = 0;
                    if ((pointer >> 8) >= d.pageCount)
                        damaged(QCoreApplication::translate("Legacy", "a memo on page %1 points past its end")
                                    .arg(d.page));
                    if (pointer == 0 || ++steps > memoLength ||
                        mdb_find_pg_row(d.mdb, static_cast<int>(pointer), &page, &off, &len) != 0)
                        damaged(QCoreApplication::translate("Legacy", "a memo's long-value page is missing"));
                    const auto* lval = static_cast<const unsigned char*>(page);
                    const int lvalRows = u16(lval + d.rowCountOffset());
                    if (lval[0] != MDB_PAGE_DATA || std::memcmp(lval + 4, "LVAL", 4) != 0 ||
                        static_cast<int>(pointer & 0xff) >= lvalRows ||
                        off < d.rowCountOffset() + 2 + 2 * lvalRows ||
                        len > static_cast<std::size_t>(d.pageSize()) ||
                        off + static_cast<int>(len) > d.pageSize() || (chained && len < 4))
                        damaged(QCoreApplication::translate("Legacy", "a memo's long-value page is not one"));
                    const unsigned char* piece = lval + off + (chained ? 4 : 0);
                    std::size_t pieceLength = len - (chained ? 4 : 0);
                    const std::size_t wanted = memoLength - static_cast<std::size_t>(d.memo.size());
                    if (!chained && pieceLength < wanted)
                        damaged(QCoreApplication::translate("Legacy", "a memo's long value is cut short"));
                    d.memo.append(reinterpret_cast<const char*>(piece),
                                  static_cast<qsizetype>(std::min(pieceLength, wanted)));
                    pointer = chained ? u32(lval + off) : 0;
                }
            }
            if (type == MDB_OLE) {
                value = d.memo;
                continue;
            }
            raw = reinterpret_cast<const unsigned char*>(d.memo.constData());
            length = static_cast<std::size_t>(d.memo.size());
        } else if (type != MDB_TEXT) {
            if (type == MDB_BINARY) {
                value = QByteArray(reinterpret_cast<const char*>(raw), static_cast<qsizetype>(length));
                continue;
            }
            // Numbers, dates, money: as libmdb writes them.
            gchar* shown = mdb_col_to_string(d.mdb, d.buf(), f.start, type, f.siz);
            value = QByteArray(shown ? shown : "");
            g_free(shown);
            continue;
        }
        if (jet4) {
            value = jet4Text(raw, length);
        } else {
            d.scratch.resize(4 * length + 16);
            const int n = mdb_unicode2ascii(d.mdb, reinterpret_cast<const char*>(raw), length,
                                            d.scratch.data(), d.scratch.size());
            value = QByteArray(d.scratch.data(), std::max(n, 0));
            if (value.isNull())
                value = QByteArray("");
        }
    }
}

} // namespace legacy
