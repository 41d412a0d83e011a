#pragma once

#include <QString>
#include <QStringList>

#include <cstdint>
#include <functional>
#include <string>
#include <string_view>
#include <vector>

class QIODevice;

namespace records {
class Database;
}

// Inventories as CSV files (RFC 4180) that spreadsheets read without mangling: UTF-8 with
// a byte-order mark so accents survive, CRLF between rows, and line breaks kept inside
// their quoted cells.
namespace datatool {

// --- Writing -----------------------------------------------------------------------------------

// Whether a spreadsheet opening the file would read the text as something other than
// text: a formula (=, +, -, @ first), a number ("0.790", "007", "1,5", "12%"), a date or
// a time ("1-2", "2/3", "7732-18-5", "3 mar", "12:30") or a truth value.
bool spreadsheetWouldConvert(std::string_view text);

// Appends one cell as RFC 4180 has it: quoted when it holds a comma, a quote or a line
// break, quotes doubled. With forSpreadsheet, text a spreadsheet would convert is written
// as the formula ="text", which spreadsheets show as the text itself.
void appendCell(std::string& out, std::string_view text, bool forSpreadsheet);

struct ExportOptions
{
    bool forSpreadsheet = false;
    // Told of each record whose stored text was not UTF-8: its name (null for Null) and
    // the columns whose bytes were written as replacement characters.
    std::function<void(const QString& name, const QStringList& columns)> onReplaced;
};

// Writes the header and every record in the program's order, as UTF-8 whatever the
// stored bytes are. Returns how many records were written. Throws the engine's error, or
// OutputFailed when out refuses the bytes.
std::int64_t exportCsv(records::Database& db, QIODevice& out, const ExportOptions& options);

// --- Reading -----------------------------------------------------------------------------------

// Reads the records of a CSV file one at a time, whatever their size: fields may be quoted,
// and a quoted field may hold commas, doubled quotes and line breaks (kept as they are).
// Records end at LF, CRLF or a CR alone (as old Mac files have them); blank lines are
// skipped.
class CsvReader final
{
public:
    // Cells are separated by the delimiter: a comma, or the semicolon that spreadsheets
    // write where the comma is the decimal mark.
    explicit CsvReader(QIODevice& in, char delimiter = ',');

    // Reads the next record; false at the end of the file. A record that cannot be read
    // still counts: problem() then says why.
    bool next();
    const std::vector<std::string>& fields() const { return fields_; }
    std::vector<std::string>& fields() { return fields_; }
    // The line of the file on which the record starts, counting from 1.
    std::int64_t line() const { return line_; }
    const QString& problem() const { return problem_; }

private:
    bool fill();
    // The byte that many bytes ahead, or -1 past the end of the file.
    int peek(std::size_t ahead = 0);
    int get();

    QIODevice& in_;
    char delimiter_;
    std::string buffer_;
    std::size_t at_ = 0;
    bool eof_ = false;
    bool started_ = false;
    std::int64_t nextLine_ = 1;
    std::int64_t line_ = 0;
    std::vector<std::string> fields_;
    QString problem_;
};

// The delimiter of a file that starts with these bytes: a semicolon when the first line
// has semicolons and no commas outside quotes, a comma otherwise.
char detectDelimiter(std::string_view start);

// Whether bytes are well-formed UTF-8 (no overlong forms, surrogates or values past U+10FFFF).
bool isUtf8(std::string_view bytes);

// --- Importing ---------------------------------------------------------------------------------

struct ImportOptions
{
    bool dryRun = false;
    bool allowDuplicates = false;
};

struct ImportReport
{
    QStringList ignoredColumns; // header cells that name no column of the inventory
    QStringList missingColumns; // columns the file does not have, left Null
    std::int64_t rows = 0;      // rows read after the header
    std::int64_t added = 0;     // added, or that would be with dryRun
    struct Duplicate
    {
        std::int64_t line;
        QString name;
        QString stored; // the name as the inventory has it
    };
    std::vector<Duplicate> duplicates;         // rows whose NOME was already in the inventory
    std::vector<std::int64_t> repeatedHeaders; // lines that repeat the first line's column names
};

// One wrong row of the file.
struct RowProblem
{
    std::int64_t line;
    QString reason;
};

// Adds the rows of the CSV file at path in one transaction: all of them or, when any row
// is wrong, none. Header names are matched to the columns without regard to case; a row
// whose NOME is already in the inventory (as nameKey compares names) is a duplicate, added
// only with allowDuplicates. A row that repeats the column names, as where two exports
// were joined, is no record; a cell the export wrote as ="text" for a spreadsheet is read
// as the text.
// Wrong rows go to onProblem, and then CsvRejected is thrown; each row that is or would be
// added goes to onAdded. Throws the engine's errors and CsvUnreadable, CsvWrongEncoding,
// CsvBadHeader or CsvRejected.
ImportReport importCsv(records::Database& db, const QString& path, const ImportOptions& options,
                       const std::function<void(const RowProblem&)>& onProblem,
                       const std::function<void(std::int64_t line, const QString& name)>& onAdded = {});

} // namespace datatool
