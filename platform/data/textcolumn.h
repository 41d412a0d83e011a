#pragma once

#include <QString>
#include <QVariant>

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace records {

// One column's cells by position, as the user reads them: Null, or text in UTF-8. The
// cells lie in chunks that are never changed once made: a copy of the column shares every
// chunk, and a change to one cell copies only the chunk it lies in. So a window can keep
// the column it read while the cache goes on with a changed one, at the cost of a chunk.
// Reading is safe from several threads at once.
class TextColumn final
{
public:
    struct Chunk
    {
        std::vector<std::uint32_t> ends; // per cell: where its text ends, times two, plus one for Null
        std::string bytes;
        // Set when the chunk is made (seal): a digest of the cells' lengths, by which an equal
        // chunk of another reading is found; and whether every text is already in Unicode
        // normal form C, as nearly all are, so a comparison in that form can take them as
        // they are.
        std::uint64_t digest = 0;
        bool nfc = true;

        std::size_t size() const { return ends.size(); }
        bool isNull(std::size_t i) const { return (ends[i] & 1) != 0; }
        std::size_t begin(std::size_t i) const { return i == 0 ? 0 : ends[i - 1] >> 1; }
        std::size_t end(std::size_t i) const { return ends[i] >> 1; }
        std::string_view text(std::size_t i) const
        {
            return std::string_view(bytes.data() + begin(i), end(i) - begin(i));
        }
    };
    using Cell = std::optional<std::string_view>; // nullopt: Null

    // Fills a column front to back.
    class Builder
    {
    public:
        // boundary: a good place to begin a chunk. Cells placed the same way (by row id)
        // in two readings then fall into equal chunks where their texts are equal.
        void append(Cell cell, bool boundary = false);
        // A column read before: a chunk equal to one of its chunks shares that one instead,
        // so a new reading of a file that changed in a few rows costs memory for those only.
        void reuse(const TextColumn& earlier);
        TextColumn finish();
        // Called with each chunk once it is full and will not change, and the position of
        // its first cell: work on the cells can start while the rest is still read.
        void onSealed(std::function<void(std::size_t first, std::shared_ptr<const Chunk>)> sealed)
        {
            sealed_ = std::move(sealed);
        }

    private:
        void seal();
        std::function<void(std::size_t, std::shared_ptr<const Chunk>)> sealed_;
        std::unordered_multimap<std::uint64_t, std::shared_ptr<const Chunk>> earlier_;
        std::size_t sealedCells_ = 0;
        std::vector<std::shared_ptr<const Chunk>> chunks_;
        std::unique_ptr<Chunk> open_;
        std::size_t size_ = 0;
    };

    std::size_t size() const { return size_; }
    bool isNull(std::size_t position) const;
    std::string_view text(std::size_t position) const;
    Cell cell(std::size_t position) const;
    // A null QVariant for Null, else the text.
    QVariant value(std::size_t position) const;

    void insert(std::size_t position, Cell cell);
    void erase(std::size_t position);
    void replace(std::size_t position, Cell cell);

    // Many changes at once, each chunk they touch made anew once. Positions are the
    // column's before the changes, in rising order; cells put at a position come before
    // the cell that stands there, and a cell is dropped after them.
    struct Edit
    {
        std::size_t position;
        bool drop;               // the cell at position leaves
        std::optional<Cell> put; // a cell comes in before it
    };
    void apply(const std::vector<Edit>& edits);

    // For scans that read the text chunk by chunk.
    std::size_t chunkCount() const { return chunks_.size(); }
    const Chunk& chunk(std::size_t k) const { return *chunks_[k]; }
    std::size_t chunkStart(std::size_t k) const { return starts_[k]; }

private:
    // The chunk holding a position and the cell's place in it.
    std::pair<std::size_t, std::size_t> locate(std::size_t position) const;
    Chunk& writable(std::size_t k);
    void recount(std::size_t fromChunk);

    std::vector<std::shared_ptr<const Chunk>> chunks_;
    std::vector<std::size_t> starts_; // the first position of each chunk
    std::size_t size_ = 0;
};

// Whether UTF-8 text is in Unicode normal form C; and the text in that form.
bool isNfc(std::string_view utf8);
std::string toNfc(std::string_view utf8);

// Which cell of a column stands at each position: a cursor's order over cells kept in
// another one. Null means the cell at a position is the one of that number.
using CellOrder = std::shared_ptr<const std::vector<std::uint32_t>>;

// A cell's text as the engine holds it, cheap to pass on: a position in a column the cache
// keeps, or a text of its own for a cell read from the file. A loop that copies a column
// into an array of its own can so share the column instead of copying its texts.
class TextRef final
{
public:
    TextRef() = default; // Null
    // The cell at a position of the column taken in order (which must outlive the reference).
    static TextRef inColumn(const TextColumn& column, const CellOrder& order, std::size_t position);
    static TextRef inColumn(const TextColumn& column, std::size_t position);
    static TextRef text(std::string_view utf8);

    bool isNull() const;
    std::string_view utf8() const;
    QString toString() const;

    // The column, its order and the position it refers to; a null column for a text of its own.
    const TextColumn* column() const { return column_; }
    const CellOrder* order() const { return order_; }
    std::size_t position() const { return position_; }

private:
    std::size_t cell() const { return order_ && *order_ ? (**order_)[position_] : position_; }

    const TextColumn* column_ = nullptr;
    const CellOrder* order_ = nullptr;
    std::size_t position_ = 0;
    std::string own_;
    bool ownNull_ = true;
};

} // namespace records
