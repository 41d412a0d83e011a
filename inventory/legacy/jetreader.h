#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>

#include <cstdint>
#include <memory>
#include <vector>

namespace legacy {

// Reads the rows of one table of an Access-format (Jet 3 or Jet 4) file, read-only.
// The file is never written. Every value is handed over as text in UTF-8, or as Null;
// an empty text stays apart from Null.
//
// Errors are LegacyError: a file that is password-protected, encrypted, of a later
// Access version or damaged is refused with a text that names it. Damage is looked for
// before a page is used: a file that is not a whole number of pages, a page it refers to
// past its end or of the wrong kind, or a table whose pages hold another number of rows
// than its definition counts.
//
// libmdb reports what it meets on the standard output and error streams; while it runs
// for the reader, both go nowhere, so the user sees only our numbered errors.
class JetReader final
{
public:
    // True when the file begins as an Access (Jet or ACE) database does.
    static bool isAccessFile(const QString& path);

    explicit JetReader(const QString& path);
    ~JetReader();
    JetReader(const JetReader&) = delete;
    JetReader& operator=(const JetReader&) = delete;

    const QString& path() const { return path_; }
    int jetVersion() const; // 3 or 4
    // The user tables, in the order of the file's catalog.
    QStringList tables() const;
    // The table's name as the file spells it, matched without regard to case; empty
    // when there is no such table.
    QString findTable(const QString& name) const;

    // Starts reading a table from its first row, once its pages are checked and its
    // rows counted.
    void openTable(const QString& name);
    const QStringList& columns() const { return columns_; }
    // True for a column of binary data (OLE object, binary), which has no text.
    bool isBinaryColumn(int column) const;
    // The number of rows of the table: what its definition counts and its pages hold.
    std::int64_t rowCount() const { return rowCount_; }

    // Moves to the next row; false after the last. A row that cannot be read throws.
    bool next();
    bool isNull(int column) const { return nulls_[static_cast<std::size_t>(column)]; }
    const QByteArray& text(int column) const { return values_[static_cast<std::size_t>(column)]; }

private:
    struct Impl;
    [[noreturn]] void damaged(const QString& what) const;
    const unsigned char* checkedPage(std::uint32_t page, const QString& whose) const;
    std::vector<std::uint32_t> mapPages(std::uint32_t definition, const QString& whose) const;
    bool readDataPage(std::uint32_t page);
    void readRow(int row, int hops);
    void readValues(int rowStart, std::size_t rowSize);

    QString path_;
    std::unique_ptr<Impl> d_;
    QStringList columns_;
    std::vector<bool> nulls_;
    std::vector<QByteArray> values_;
    std::int64_t rowCount_ = 0;
};

} // namespace legacy
