#include "inventory/datatool/csv.h"

#include "inventory/datatool/errors.h"
#include "inventory/datatool/inventory_file.h"
#include "inventory/datatool/names.h"
#include "inventory/store/inventory.h"
#include "platform/data/database.h"

#include <QCoreApplication>
#include <QDir>
#include <QFile>
#include <QFileDevice>
#include <QIODevice>

#include <array>
#include <cstring>
#include <future>
#include <optional>

namespace datatool {

namespace {

constexpr std::size_t kFlushAt = 1 << 20;
// The longest text a spreadsheet formula may hold as one literal.
constexpr int kLiteralUnits = 255;

char lower(char c)
{
    return c >= 'A' && c <= 'Z' ? static_cast<char>(c - 'A' + 'a') : c;
}

bool isDigit(char c)
{
    return c >= '0' && c <= '9';
}

bool isLetter(char c)
{
    return (c >= 'a' && c <= 'z') || (c >= 'A' && c <= 'Z');
}

bool equalsFolded(std::string_view text, std::string_view lowerWord)
{
    if (text.size() != lowerWord.size())
        return false;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (lower(text[i]) != lowerWord[i])
            return false;
    return true;
}

// Month names a spreadsheet reads in a date, in English and in Portuguese, and the
// halves of the day in a time.
bool isDateWord(std::string_view word)
{
    static constexpr std::array<std::string_view, 42> words = {
        "jan",   "feb",    "mar",       "apr",     "may",      "jun",       "jul",   "aug",   "sep",
        "sept",  "oct",    "nov",       "dec",     "january",  "february",  "march", "april", "june",
        "july",  "august", "september", "october", "november", "december",  "fev",   "abr",   "mai",
        "ago",   "set",    "out",       "dez",     "janeiro",  "fevereiro", "abril", "maio",  "junho",
        "julho", "agosto", "setembro",  "outubro", "am",       "pm"};
    for (std::string_view w : words)
        if (equalsFolded(word, w))
            return true;
    return false;
}

std::string_view trimmed(std::string_view text)
{
    while (!text.empty() && (text.front() == ' ' || text.front() == '\t'))
        text.remove_prefix(1);
    while (!text.empty() && (text.back() == ' ' || text.back() == '\t'))
        text.remove_suffix(1);
    return text;
}

bool needsQuotes(std::string_view text)
{
    for (const char c : text)
        if (c == ',' || c == '"' || c == '\n' || c == '\r')
            return true;
    return false;
}

void appendQuoted(std::string& out, std::string_view text)
{
    out.push_back('"');
    // Runs between quotes go in whole; each quote is doubled.
    for (std::size_t quote = text.find('"'); quote != std::string_view::npos; quote = text.find('"')) {
        out.append(text.substr(0, quote + 1));
        out.push_back('"');
        text.remove_prefix(quote + 1);
    }
    out.append(text);
    out.push_back('"');
}

// The text as a spreadsheet formula that yields it: ="..." with quotes doubled, in pieces
// of at most 255 characters joined by &, as spreadsheets limit one literal's length.
std::string asFormula(std::string_view text)
{
    std::string formula = "=\"";
    int units = 0;
    for (std::size_t i = 0; i < text.size();) {
        const auto lead = static_cast<unsigned char>(text[i]);
        std::size_t length = lead < 0x80 ? 1 : lead >= 0xF0 ? 4 : lead >= 0xE0 ? 3 : lead >= 0xC0 ? 2 : 1;
        length = std::min(length, text.size() - i);
        const int charUnits = length == 4 ? 2 : 1; // as UTF-16 counts it
        if (units + charUnits > kLiteralUnits) {
            formula += "\"&\"";
            units = 0;
        }
        if (text[i] == '"')
            formula.push_back('"');
        formula.append(text.substr(i, length));
        units += charUnits;
        i += length;
    }
    formula.push_back('"');
    return formula;
}

// A device as a message names it: the file's name in quotes, or what stands for it.
QString deviceName(const QIODevice& device, const QString& unnamed)
{
    const auto* file = qobject_cast<const QFileDevice*>(&device);
    return file && !file->fileName().isEmpty()
               ? QStringLiteral("'%1'").arg(QDir::toNativeSeparators(file->fileName()))
               : unnamed;
}

void writeAll(QIODevice& out, const std::string& bytes)
{
    const auto size = static_cast<qint64>(bytes.size());
    if (size > 0 && out.write(bytes.data(), size) != size)
        throw ToolError(
            OutputFailed,
            QCoreApplication::translate("Companion", "The CSV could not be written to %1 (%2). Check that "
                                                     "the disk has room and that you may write there.")
                .arg(deviceName(out, QCoreApplication::translate("Companion", "the standard output")),
                     out.errorString()));
}

// Writes blocks on another thread while the next one is being filled, so the reading
// and the writing of a large export overlap. One block is written at a time, in order.
class BlockWriter
{
public:
    explicit BlockWriter(QIODevice& out) : out_(out) {}
    ~BlockWriter()
    {
        if (pending_.valid())
            pending_.wait();
    }
    BlockWriter(const BlockWriter&) = delete;
    BlockWriter& operator=(const BlockWriter&) = delete;

    // Takes the block's bytes and leaves block empty for the next ones.
    void write(std::string& block)
    {
        finish();
        std::swap(block, writing_);
        block.clear();
        pending_ = std::async(std::launch::async, [this] { writeAll(out_, writing_); });
    }
    // Waits for the block being written; rethrows its error.
    void finish()
    {
        if (pending_.valid())
            pending_.get();
    }

private:
    QIODevice& out_;
    std::string writing_;
    std::future<void> pending_;
};

} // namespace

// --- Writing -----------------------------------------------------------------------------------

bool spreadsheetWouldConvert(std::string_view text)
{
    if (text.empty())
        return false;
    // Formulas, and the characters that lead into one once the cell is trimmed.
    const char first = text.front();
    if (first == '=' || first == '+' || first == '-' || first == '@' || first == '\t' || first == '\r')
        return true;
    const std::string_view t = trimmed(text);
    if (t.empty())
        return false;
    if (t.front() == '=' || t.front() == '+' || t.front() == '-' || t.front() == '@')
        return true;
    if (equalsFolded(t, "true") || equalsFolded(t, "false") || equalsFolded(t, "verdadeiro") ||
        equalsFolded(t, "falso"))
        return true;

    // Numbers, dates and times: digits with the marks that join them, and at most one word
    // that a date or a time may hold ("3 mar 2024", "Sep2", "12:30 pm"). An exponent's e
    // counts as a mark.
    int digits = 0;
    int words = 0;
    for (std::size_t i = 0; i < t.size();) {
        const char c = t[i];
        if (isDigit(c)) {
            ++digits;
            ++i;
        } else if (isLetter(c)) {
            std::size_t end = i;
            while (end < t.size() && isLetter(t[end]))
                ++end;
            const std::string_view word = t.substr(i, end - i);
            if (!(equalsFolded(word, "e") && digits > 0) && !(isDateWord(word) && ++words == 1))
                return false;
            i = end;
        } else if (std::string_view(" .,:/-+%$()'").find(c) != std::string_view::npos) {
            ++i;
        } else if (t.substr(i, 3) == "\xE2\x82\xAC" || t.substr(i, 2) == "\xC2\xA3") {
            i += t[i] == '\xE2' ? 3 : 2; // euro and pound signs
        } else {
            return false;
        }
    }
    return digits > 0;
}

void appendCell(std::string& out, std::string_view text, bool forSpreadsheet)
{
    if (forSpreadsheet && spreadsheetWouldConvert(text)) {
        appendQuoted(out, asFormula(text));
        return;
    }
    if (needsQuotes(text))
        appendQuoted(out, text);
    else
        out.append(text);
}

namespace {

// Whether the bytes are all ASCII, looked at eight at a time: most cells are, and then
// need no closer look.
bool isAscii(std::string_view text)
{
    std::size_t i = 0;
    for (; i + 8 <= text.size(); i += 8) {
        std::uint64_t block;
        std::memcpy(&block, text.data() + i, 8);
        if (block & 0x8080808080808080ULL)
            return false;
    }
    for (; i < text.size(); ++i)
        if (static_cast<unsigned char>(text[i]) >= 0x80)
            return false;
    return true;
}

} // namespace

std::int64_t exportCsv(records::Database& db, QIODevice& out, const ExportOptions& options)
{
    RecordStream stream(db, {});
    BlockWriter writer(out);
    std::string buffer;
    buffer.reserve(kFlushAt + (kFlushAt >> 2));
    // The byte-order mark tells spreadsheets the file is UTF-8.
    buffer.append("\xEF\xBB\xBF");
    for (const store::Column& c : store::kColumns) {
        if (c.ordinal > 0)
            buffer.push_back(',');
        buffer.append(c.name);
    }
    buffer.append("\r\n");

    std::int64_t written = 0;
    std::string repaired;
    QStringList replacedIn;
    stream.forEach([&](const Record& record) {
        replacedIn.clear();
        for (int i = 0; i < store::kColumnCount; ++i) {
            if (i > 0)
                buffer.push_back(',');
            // Null and empty text are both an empty cell. Bytes that are not UTF-8 (another
            // program may have stored them) become replacement characters: the file is
            // UTF-8 text, which the import and every spreadsheet read back.
            std::string_view text = record.text[static_cast<std::size_t>(i)];
            if (!isAscii(text) && !isUtf8(text)) {
                repaired = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size())).toStdString();
                text = repaired;
                replacedIn.append(QLatin1String(store::kColumns[static_cast<std::size_t>(i)].name));
            }
            appendCell(buffer, text, options.forSpreadsheet);
        }
        if (!replacedIn.isEmpty() && options.onReplaced)
            options.onReplaced(record.null[store::NOME] ? QString() : record.string(store::NOME), replacedIn);
        buffer.append("\r\n");
        ++written;
        if (buffer.size() >= kFlushAt)
            writer.write(buffer);
    });
    writer.write(buffer);
    writer.finish();
    return written;
}

// --- Reading -----------------------------------------------------------------------------------

CsvReader::CsvReader(QIODevice& in, char delimiter) : in_(in), delimiter_(delimiter) {}

char detectDelimiter(std::string_view start)
{
    bool quoted = false;
    int commas = 0, semicolons = 0;
    for (const char c : start) {
        if (c == '"')
            quoted = !quoted;
        else if (!quoted && (c == '\n' || c == '\r'))
            break;
        else if (!quoted && c == ',')
            ++commas;
        else if (!quoted && c == ';')
            ++semicolons;
    }
    return semicolons > 0 && commas == 0 ? ';' : ',';
}

bool CsvReader::fill()
{
    // Reads on, keeping what has not been read yet.
    if (eof_)
        return false;
    buffer_.erase(0, at_);
    at_ = 0;
    const std::size_t kept = buffer_.size();
    buffer_.resize(kept + kFlushAt);
    const qint64 n = in_.read(buffer_.data() + kept, static_cast<qint64>(kFlushAt));
    if (n < 0)
        throw ToolError(CsvUnreadable, QCoreApplication::translate(
                                           "Companion", "The CSV file %1 could not be read to the end (%2).")
                                           .arg(deviceName(in_, QStringLiteral("given")), in_.errorString()));
    buffer_.resize(kept + static_cast<std::size_t>(n));
    eof_ = n == 0;
    return !eof_;
}

inline int CsvReader::peek(std::size_t ahead)
{
    while (at_ + ahead >= buffer_.size())
        if (!fill())
            return -1;
    return static_cast<unsigned char>(buffer_[at_ + ahead]);
}

inline int CsvReader::get()
{
    const int c = peek();
    if (c >= 0) {
        ++at_;
        // A line ends at LF, at CRLF or at a CR alone; CR CR LF is one end too.
        if (c == '\n' || (c == '\r' && peek() != '\n' && !(peek() == '\r' && peek(1) == '\n')))
            ++nextLine_;
    }
    return c;
}

bool CsvReader::next()
{
    fields_.clear();
    problem_.clear();
    if (!started_) {
        started_ = true;
        if (peek(0) == 0xEF && peek(1) == 0xBB && peek(2) == 0xBF)
            at_ += 3;
    }
    // Blank lines between records are not records.
    for (;;) {
        const int c = peek();
        if (c < 0)
            return false;
        if (c == '\n' || c == '\r') {
            get();
            continue;
        }
        break;
    }
    line_ = nextLine_;

    std::string field;
    for (;;) {
        field.clear();
        bool endOfRecord = false;
        if (peek() == '"') {
            get();
            for (;;) {
                const int c = get();
                if (c < 0) {
                    problem_ = QCoreApplication::translate(
                                   "Companion", "a cell opened with a quote on line %1 is never closed; "
                                                "check that every quote in a cell is doubled")
                                   .arg(line_);
                    fields_.push_back(field);
                    return true;
                }
                if (c == '"') {
                    if (peek() != '"')
                        break;
                    get();
                }
                field.push_back(static_cast<char>(c));
            }
            // After the closing quote: the next cell, the end of the line, or a mistake.
            const int c = peek();
            if (c != delimiter_ && c != '\n' && c != '\r' && c >= 0 && problem_.isEmpty())
                problem_ = QCoreApplication::translate(
                               "Companion", "cell %1 has text after its closing quote; a quote inside a "
                                            "cell must be doubled")
                               .arg(fields_.size() + 1);
        }
        // Unquoted text, or what follows a closing quote up to the cell's end.
        for (;;) {
            const int c = get();
            if (c < 0 || c == '\n') {
                endOfRecord = true;
                break;
            }
            if (c == delimiter_)
                break;
            if (c == '\r') {
                // CRLF, a CR alone (old Mac files) and a doubled CR all end the record.
                while (peek() == '\r')
                    get();
                if (peek() == '\n')
                    get();
                endOfRecord = true;
                break;
            }
            field.push_back(static_cast<char>(c));
        }
        fields_.push_back(field);
        if (endOfRecord)
            return true;
    }
}

bool isUtf8(std::string_view bytes)
{
    const auto* s = reinterpret_cast<const unsigned char*>(bytes.data());
    const std::size_t n = bytes.size();
    for (std::size_t i = 0; i < n;) {
        const unsigned char c = s[i];
        if (c < 0x80) {
            ++i;
            continue;
        }
        std::size_t length = 0;
        std::uint32_t cp = 0;
        std::uint32_t min = 0;
        if ((c & 0xE0) == 0xC0) {
            length = 2, cp = c & 0x1F, min = 0x80;
        } else if ((c & 0xF0) == 0xE0) {
            length = 3, cp = c & 0x0F, min = 0x800;
        } else if ((c & 0xF8) == 0xF0) {
            length = 4, cp = c & 0x07, min = 0x10000;
        } else {
            return false;
        }
        if (i + length > n)
            return false;
        for (std::size_t k = 1; k < length; ++k) {
            if ((s[i + k] & 0xC0) != 0x80)
                return false;
            cp = (cp << 6) | (s[i + k] & 0x3F);
        }
        if (cp < min || cp > 0x10FFFF || (cp >= 0xD800 && cp <= 0xDFFF))
            return false;
        i += length;
    }
    return true;
}

// --- Importing ---------------------------------------------------------------------------------

namespace {

struct Header
{
    std::vector<int> ordinalAt; // per cell of a row: the column it fills, or -1
    std::vector<QString> names; // the cells as written, trimmed
    int nomeCell = -1;
};

// Whether a row says again what the first line says, as where two exports were joined
// into one file: the same column names, the second file's byte-order mark allowed.
bool repeatsHeader(const std::vector<std::string>& cells, const Header& header)
{
    if (cells.size() != header.names.size() ||
        !equalsFolded(trimmed(cells[static_cast<std::size_t>(header.nomeCell)]), "nome"))
        return false;
    for (std::size_t i = 0; i < cells.size(); ++i) {
        std::string_view cell = cells[i];
        if (i == 0 && cell.substr(0, 3) == "\xEF\xBB\xBF")
            cell.remove_prefix(3);
        const QString name = QString::fromUtf8(cell.data(), static_cast<qsizetype>(cell.size())).trimmed();
        if (name.compare(header.names[i], Qt::CaseInsensitive) != 0)
            return false;
    }
    return true;
}

// The text of a cell that --for-spreadsheet wrote as the formula ="text" (in pieces of
// ="..."&"..." when long), so that an export comes back as it went out. Only a formula
// that the export itself would have written is unwrapped: one whose text a spreadsheet
// would convert; any other cell stays as it is.
void unwrapFormula(std::string& cell)
{
    if (cell.size() < 3 || cell[0] != '=' || cell[1] != '"')
        return;
    std::string text;
    std::size_t i = 1;
    for (;;) {
        if (i >= cell.size() || cell[i] != '"')
            return;
        for (++i;; ++i) {
            if (i >= cell.size())
                return;
            if (cell[i] == '"') {
                if (i + 1 < cell.size() && cell[i + 1] == '"') {
                    text.push_back('"');
                    ++i;
                    continue;
                }
                ++i;
                break;
            }
            text.push_back(cell[i]);
        }
        if (i == cell.size())
            break;
        if (cell[i] != '&')
            return;
        ++i;
    }
    if (spreadsheetWouldConvert(text))
        cell = std::move(text);
}

// The first character of a name that no name may hold, as U+XXXX: a control character
// such as a NUL, which nobody types and many programs end a text at. Tabs and line breaks
// are white space, printed as spaces. Empty when there is none.
QString controlCharacterIn(std::string_view name)
{
    for (std::size_t i = 0; i < name.size(); ++i) {
        const auto c = static_cast<unsigned char>(name[i]);
        unsigned code = 0x10000;
        if ((c < 0x20 && c != '\t' && c != '\n' && c != '\r') || c == 0x7F)
            code = c;
        else if (c == 0xC2 && i + 1 < name.size() && static_cast<unsigned char>(name[i + 1]) < 0xA0)
            code = static_cast<unsigned char>(name[i + 1]); // U+0080 to U+009F
        if (code < 0x10000)
            return QStringLiteral("U+%1").arg(code, 4, 16, QLatin1Char('0')).toUpper();
    }
    return {};
}

Header readHeader(CsvReader& reader, const QString& file, ImportReport& report)
{
    if (!reader.next())
        throw ToolError(CsvBadHeader,
                        QCoreApplication::translate(
                            "Companion", "The CSV file '%1' is empty. Its first line must name the "
                                         "columns, such as NOME,FORMULA,LOCAL.")
                            .arg(file));
    if (!reader.problem().isEmpty())
        throw ToolError(CsvBadHeader,
                        QCoreApplication::translate("Companion", "The first line of '%1' cannot be read: %2.")
                            .arg(file, reader.problem()));
    Header header;
    std::array<int, store::kColumnCount> cellOf;
    cellOf.fill(-1);
    const std::vector<std::string>& cells = reader.fields();
    for (std::size_t i = 0; i < cells.size(); ++i) {
        if (!isUtf8(cells[i]))
            throw ToolError(CsvWrongEncoding,
                            QCoreApplication::translate(
                                "Companion", "The first line of '%1' is not UTF-8 text. Save the file as CSV "
                                             "UTF-8 and import it again.")
                                .arg(file));
        const QString name =
            QString::fromUtf8(cells[i].data(), static_cast<qsizetype>(cells[i].size())).trimmed();
        int ordinal = -1;
        for (const store::Column& c : store::kColumns)
            if (name.compare(QLatin1String(c.name), Qt::CaseInsensitive) == 0)
                ordinal = c.ordinal;
        if (ordinal >= 0 && cellOf[static_cast<std::size_t>(ordinal)] >= 0)
            throw ToolError(
                CsvBadHeader,
                QCoreApplication::translate(
                    "Companion", "The first line of '%1' names the column %2 twice (cells %3 and %4). "
                                 "Remove one of them.")
                    .arg(file, QLatin1String(store::kColumns[static_cast<std::size_t>(ordinal)].name))
                    .arg(cellOf[static_cast<std::size_t>(ordinal)] + 1)
                    .arg(i + 1));
        header.names.push_back(name);
        if (ordinal >= 0)
            cellOf[static_cast<std::size_t>(ordinal)] = static_cast<int>(i);
        else
            report.ignoredColumns.append(
                name.isEmpty() ? QCoreApplication::translate("Companion", "(cell %1, no name)").arg(i + 1)
                               : name);
        header.ordinalAt.push_back(ordinal);
    }
    header.nomeCell = cellOf[store::NOME];
    if (header.nomeCell < 0)
        throw ToolError(CsvBadHeader,
                        QCoreApplication::translate(
                            "Companion",
                            "The first line of '%1' has no NOME column, and every chemical needs a "
                            "name. The first line must name the columns, such as "
                            "NOME,FORMULA,LOCAL.")
                            .arg(file));
    for (const store::Column& c : store::kColumns)
        if (cellOf[static_cast<std::size_t>(c.ordinal)] < 0)
            report.missingColumns.append(QLatin1String(c.name));
    return header;
}

// Why a row cannot be added; empty when it can.
QString rowProblem(const CsvReader& reader, const Header& header)
{
    if (!reader.problem().isEmpty())
        return reader.problem();
    const std::vector<std::string>& cells = reader.fields();
    if (cells.size() != header.ordinalAt.size())
        return QCoreApplication::translate(
                   "Companion", "it has %1 cells where the first line names %2 columns; a cell that holds a "
                                "comma or a line break must be in quotes")
            .arg(cells.size())
            .arg(header.ordinalAt.size());
    for (std::size_t i = 0; i < cells.size(); ++i)
        if (!isUtf8(cells[i]))
            return QCoreApplication::translate("Companion",
                                               "cell %1 is not UTF-8 text; save the file as CSV UTF-8")
                .arg(i + 1);
    const std::string& nome = cells[static_cast<std::size_t>(header.nomeCell)];
    if (trimmed(nome).empty())
        return QCoreApplication::translate("Companion",
                                           "the NOME cell is empty; every chemical needs a name");
    const QString control = controlCharacterIn(nome);
    if (!control.isEmpty())
        return QCoreApplication::translate(
                   "Companion", "the NOME cell holds the control character %1, which no name holds; "
                                "remove it")
            .arg(control);
    return {};
}

} // namespace

ImportReport importCsv(records::Database& db, const QString& path, const ImportOptions& options,
                       const std::function<void(const RowProblem&)>& onProblem,
                       const std::function<void(std::int64_t, const QString&)>& onAdded)
{
    const QString file = QDir::toNativeSeparators(path);
    QFile in(path);
    if (!in.open(QIODevice::ReadOnly))
        throw ToolError(CsvUnreadable,
                        QCoreApplication::translate(
                            "Companion", "The CSV file '%1' cannot be read (%2). Check its name and "
                                         "that you may read it.")
                            .arg(file, in.errorString()));
    const QByteArray start = in.peek(4);
    if (start.startsWith("\xFF\xFE") || start.startsWith("\xFE\xFF") ||
        start.startsWith(QByteArray("\0\0\xFE\xFF", 4)))
        throw ToolError(CsvWrongEncoding,
                        QCoreApplication::translate("Companion",
                                                    "The CSV file '%1' is UTF-16 or UTF-32 text. Save it as "
                                                    "CSV UTF-8 and import it again.")
                            .arg(file));

    // UTF-8 text holds no zero bytes; UTF-16 and UTF-32 have one in every two or four.
    const QByteArray sample = in.peek(4096);
    if (sample.size() >= 2 && 4 * sample.count('\0') >= sample.size())
        throw ToolError(CsvWrongEncoding,
                        QCoreApplication::translate(
                            "Companion", "The CSV file '%1' is not UTF-8 text: many of its bytes are zero, "
                                         "as in UTF-16 or UTF-32 text without a byte-order mark. Save it "
                                         "as CSV UTF-8 and import it again.")
                            .arg(file));

    const QByteArray firstLine = in.peek(1 << 16);
    const char delimiter =
        detectDelimiter(std::string_view(firstLine.constData(), static_cast<std::size_t>(firstLine.size())));
    ImportReport report;
    auto body = [&](store::RecordAdder* adder) {
        CsvReader reader(in, delimiter);
        const Header header = readHeader(reader, file, report);
        ExistingNames existing(db);
        std::int64_t wrong = 0;
        while (reader.next()) {
            throwIfStopped();
            if (reader.problem().isEmpty() && repeatsHeader(reader.fields(), header)) {
                report.repeatedHeaders.push_back(reader.line());
                continue;
            }
            ++report.rows;
            for (std::string& cell : reader.fields())
                unwrapFormula(cell);
            const QString problem = rowProblem(reader, header);
            if (!problem.isEmpty()) {
                ++wrong;
                onProblem({reader.line(), problem});
                continue;
            }
            const std::vector<std::string>& cells = reader.fields();
            const std::string& nome = cells[static_cast<std::size_t>(header.nomeCell)];
            const QString name = QString::fromUtf8(nome.data(), static_cast<qsizetype>(nome.size()));
            if (const std::optional<QString> stored = existing.find(name)) {
                report.duplicates.push_back({reader.line(), name, *stored});
                if (!options.allowDuplicates)
                    continue;
            }
            if (wrong == 0 && adder) {
                store::RecordAdder::Values values;
                for (std::size_t i = 0; i < cells.size(); ++i)
                    if (header.ordinalAt[i] >= 0 && !cells[i].empty())
                        values[static_cast<std::size_t>(header.ordinalAt[i])] = cells[i];
                adder->add(values);
            }
            ++report.added;
            if (onAdded)
                onAdded(reader.line(), name);
        }
        if (wrong > 0)
            throw ToolError(CsvRejected,
                            QCoreApplication::translate(
                                "Companion", "%1 of the %2 rows of '%3' are wrong (listed above), so "
                                             "nothing was added. Correct them and import the file "
                                             "again.")
                                .arg(wrong)
                                .arg(report.rows)
                                .arg(file));
    };
    if (options.dryRun)
        body(nullptr);
    else
        db.write([&] {
            store::RecordAdder adder(db);
            body(&adder);
        });
    return report;
}

} // namespace datatool
