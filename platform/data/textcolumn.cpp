#include "platform/data/textcolumn.h"

#include <algorithm>
#include <cstring>
#include <functional>
#include <limits>

#if defined(__SSE2__)
#include <emmintrin.h>
#endif

namespace records {

namespace {

// A chunk holds this many cells, or fewer when their text is long; a change copies one.
constexpr std::size_t kChunkCells = 4096;
constexpr std::size_t kChunkBytes = std::size_t(1) << 28;
// A chunk begins at a boundary only once it holds this many cells: where row ids are
// sparse, chunks do not shrink to a few cells each.
constexpr std::size_t kBoundaryCells = 1024;

// The largest byte of the text. Below 0xC4 it holds only characters up to U+00FF, and
// such text is in normal form C whatever it says.
unsigned char largestByte(std::string_view bytes)
{
    std::size_t i = 0;
    unsigned char largest = 0;
#if defined(__SSE2__)
    __m128i acc = _mm_setzero_si128();
    for (; i + 16 <= bytes.size(); i += 16)
        acc = _mm_max_epu8(acc, _mm_loadu_si128(reinterpret_cast<const __m128i*>(bytes.data() + i)));
    alignas(16) unsigned char lanes[16];
    _mm_store_si128(reinterpret_cast<__m128i*>(lanes), acc);
    for (unsigned char lane : lanes)
        largest = std::max(largest, lane);
#endif
    for (; i < bytes.size(); ++i)
        largest = std::max(largest, static_cast<unsigned char>(bytes[i]));
    return largest;
}

constexpr unsigned char kBeyondLatin1 = 0xC4;

// What a chunk knows of itself once it will not change.
void seal(TextColumn::Chunk& chunk)
{
    const std::string_view lengths(reinterpret_cast<const char*>(chunk.ends.data()),
                                   chunk.ends.size() * sizeof(std::uint32_t));
    chunk.digest = std::hash<std::string_view>()(lengths) ^ (chunk.bytes.size() * 0x9E3779B97F4A7C15ull);
    chunk.nfc = true;
    if (largestByte(chunk.bytes) < kBeyondLatin1)
        return;
    for (std::size_t i = 0; i < chunk.size() && chunk.nfc; ++i)
        chunk.nfc = isNfc(chunk.text(i));
}

bool sameCells(const TextColumn::Chunk& a, const TextColumn::Chunk& b)
{
    return a.ends == b.ends && a.bytes == b.bytes;
}

void appendCell(TextColumn::Chunk& chunk, TextColumn::Cell cell)
{
    if (cell)
        chunk.bytes.append(*cell);
    chunk.ends.push_back((static_cast<std::uint32_t>(chunk.bytes.size()) << 1) | (cell ? 0u : 1u));
}

} // namespace

bool isNfc(std::string_view utf8)
{
    if (largestByte(utf8) < kBeyondLatin1)
        return true;
    const QString text = QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()));
    return text.normalized(QString::NormalizationForm_C) == text;
}

std::string toNfc(std::string_view utf8)
{
    if (largestByte(utf8) < kBeyondLatin1)
        return std::string(utf8);
    return QString::fromUtf8(utf8.data(), static_cast<qsizetype>(utf8.size()))
        .normalized(QString::NormalizationForm_C)
        .toStdString();
}

void TextColumn::Builder::reuse(const TextColumn& earlier)
{
    for (const std::shared_ptr<const Chunk>& chunk : earlier.chunks_)
        earlier_.emplace(chunk->digest, chunk);
}

void TextColumn::Builder::append(Cell cell, bool boundary)
{
    if (boundary && open_ && open_->size() >= kBoundaryCells)
        seal();
    if (!open_)
        open_ = std::make_unique<Chunk>();
    appendCell(*open_, cell);
    ++size_;
    if (open_->size() >= kChunkCells || open_->bytes.size() >= kChunkBytes)
        seal();
}

void TextColumn::Builder::seal()
{
    if (!open_ || open_->size() == 0)
        return;
    open_->ends.shrink_to_fit();
    open_->bytes.shrink_to_fit();
    records::seal(*open_);
    std::shared_ptr<const Chunk> sealed(std::move(open_));
    const auto [from, to] = earlier_.equal_range(sealed->digest);
    for (auto it = from; it != to; ++it)
        if (sameCells(*it->second, *sealed)) {
            sealed = it->second;
            break;
        }
    chunks_.push_back(std::move(sealed));
    if (sealed_)
        sealed_(sealedCells_, chunks_.back());
    sealedCells_ += chunks_.back()->size();
}

TextColumn TextColumn::Builder::finish()
{
    seal();
    TextColumn column;
    column.chunks_ = std::move(chunks_);
    column.recount(0);
    chunks_.clear();
    earlier_.clear();
    size_ = 0;
    sealedCells_ = 0;
    return column;
}

void TextColumn::recount(std::size_t fromChunk)
{
    starts_.resize(chunks_.size());
    std::size_t position = fromChunk == 0 ? 0 : starts_[fromChunk - 1] + chunks_[fromChunk - 1]->size();
    for (std::size_t k = fromChunk; k < chunks_.size(); ++k) {
        starts_[k] = position;
        position += chunks_[k]->size();
    }
    size_ = position;
}

std::pair<std::size_t, std::size_t> TextColumn::locate(std::size_t position) const
{
    const std::size_t k = static_cast<std::size_t>(
                              std::upper_bound(starts_.begin(), starts_.end(), position) - starts_.begin()) -
                          1;
    return {k, position - starts_[k]};
}

bool TextColumn::isNull(std::size_t position) const
{
    const auto [k, i] = locate(position);
    return chunks_[k]->isNull(i);
}

std::string_view TextColumn::text(std::size_t position) const
{
    const auto [k, i] = locate(position);
    return chunks_[k]->text(i);
}

TextColumn::Cell TextColumn::cell(std::size_t position) const
{
    const auto [k, i] = locate(position);
    if (chunks_[k]->isNull(i))
        return std::nullopt;
    return chunks_[k]->text(i);
}

QVariant TextColumn::value(std::size_t position) const
{
    const auto [k, i] = locate(position);
    const Chunk& c = *chunks_[k];
    if (c.isNull(i))
        return QVariant();
    const std::string_view t = c.text(i);
    return QVariant(QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size())));
}

TextColumn::Chunk& TextColumn::writable(std::size_t k)
{
    // Whoever shares the chunk keeps it as it was; this column takes a chunk of its own.
    auto own = std::make_shared<Chunk>();
    Chunk& chunk = *own;
    chunks_[k] = std::move(own);
    return chunk;
}

namespace {

// The chunk's cells with one taken out, put in or changed at i.
TextColumn::Chunk rebuilt(const TextColumn::Chunk& from, std::size_t at, bool drop,
                          std::optional<TextColumn::Cell> put)
{
    TextColumn::Chunk out;
    out.ends.reserve(from.size() + 1);
    out.bytes.reserve(from.bytes.size() + (put && *put ? (*put)->size() : 0));
    for (std::size_t i = 0; i <= from.size(); ++i) {
        if (i == at && put)
            appendCell(out, *put);
        if (i == from.size())
            break;
        if (i == at && drop)
            continue;
        appendCell(out, from.isNull(i) ? TextColumn::Cell() : TextColumn::Cell(from.text(i)));
    }
    seal(out);
    return out;
}

} // namespace

void TextColumn::insert(std::size_t position, Cell cell)
{
    if (chunks_.empty()) {
        auto chunk = std::make_shared<Chunk>();
        appendCell(*chunk, cell);
        seal(*chunk);
        chunks_.push_back(std::move(chunk));
        recount(0);
        return;
    }
    // At the very end the new cell joins the last chunk.
    const auto [k, i] =
        position >= size_ ? std::pair{chunks_.size() - 1, chunks_.back()->size()} : locate(position);
    Chunk grown = rebuilt(*chunks_[k], i, false, cell);
    if (grown.size() < 2 * kChunkCells) {
        writable(k) = std::move(grown);
    } else {
        // A chunk grown to twice its size is split, so that a change goes on copying little.
        auto first = std::make_shared<Chunk>(), second = std::make_shared<Chunk>();
        for (std::size_t j = 0; j < grown.size(); ++j)
            appendCell(j < grown.size() / 2 ? *first : *second,
                       grown.isNull(j) ? Cell() : Cell(grown.text(j)));
        seal(*first);
        seal(*second);
        chunks_[k] = std::move(first);
        chunks_.insert(chunks_.begin() + static_cast<std::ptrdiff_t>(k) + 1, std::move(second));
    }
    recount(k);
}

void TextColumn::erase(std::size_t position)
{
    const auto [k, i] = locate(position);
    if (chunks_[k]->size() == 1) {
        chunks_.erase(chunks_.begin() + static_cast<std::ptrdiff_t>(k));
        recount(k == 0 ? 0 : k - 1);
        return;
    }
    Chunk shrunk = rebuilt(*chunks_[k], i, true, std::nullopt);
    writable(k) = std::move(shrunk);
    recount(k);
}

void TextColumn::replace(std::size_t position, Cell cell)
{
    const auto [k, i] = locate(position);
    Chunk changed = rebuilt(*chunks_[k], i, true, cell);
    writable(k) = std::move(changed);
}

void TextColumn::apply(const std::vector<Edit>& edits)
{
    if (edits.empty())
        return;
    std::vector<std::shared_ptr<const Chunk>> out;
    out.reserve(chunks_.size() + 1);
    // A chunk made anew is split when it grew to twice its size, and left out when empty.
    auto put = [&](Chunk& made) {
        if (made.size() < 2 * kChunkCells) {
            if (made.size() > 0) {
                seal(made);
                out.push_back(std::make_shared<const Chunk>(std::move(made)));
            }
            return;
        }
        for (std::size_t from = 0; from < made.size();) {
            const std::size_t count = made.size() - from < 2 * kChunkCells ? made.size() - from : kChunkCells;
            auto piece = std::make_shared<Chunk>();
            for (std::size_t i = from; i < from + count; ++i)
                appendCell(*piece, made.isNull(i) ? Cell() : Cell(made.text(i)));
            seal(*piece);
            out.push_back(std::move(piece));
            from += count;
        }
    };
    std::size_t e = 0;
    const std::size_t chunks = std::max<std::size_t>(chunks_.size(), 1);
    for (std::size_t k = 0; k < chunks; ++k) {
        const bool real = k < chunks_.size();
        const std::size_t start = real ? starts_[k] : 0;
        // The last chunk also takes what comes after every cell.
        const std::size_t end = k + 1 < chunks ? starts_[k + 1] : std::numeric_limits<std::size_t>::max();
        if (real && (e == edits.size() || edits[e].position >= end)) {
            out.push_back(chunks_[k]);
            continue;
        }
        Chunk made;
        const std::size_t size = real ? chunks_[k]->size() : 0;
        // Changes at the next chunk's first cell are the next chunk's: one may drop it.
        const std::size_t places = k + 1 < chunks ? size : size + 1;
        for (std::size_t i = 0; i < places; ++i) {
            bool drop = false;
            for (; e < edits.size() && edits[e].position == start + i; ++e) {
                if (edits[e].put)
                    appendCell(made, *edits[e].put);
                drop = drop || edits[e].drop;
            }
            if (i < size && !drop) {
                const Chunk& from = *chunks_[k];
                appendCell(made, from.isNull(i) ? Cell() : Cell(from.text(i)));
            }
        }
        put(made);
    }
    chunks_ = std::move(out);
    recount(0);
}

TextRef TextRef::inColumn(const TextColumn& column, const CellOrder& order, std::size_t position)
{
    TextRef ref;
    ref.column_ = &column;
    ref.order_ = &order;
    ref.position_ = position;
    return ref;
}

TextRef TextRef::inColumn(const TextColumn& column, std::size_t position)
{
    TextRef ref;
    ref.column_ = &column;
    ref.position_ = position;
    return ref;
}

TextRef TextRef::text(std::string_view utf8)
{
    TextRef ref;
    ref.own_ = std::string(utf8);
    ref.ownNull_ = false;
    return ref;
}

bool TextRef::isNull() const
{
    return column_ ? column_->isNull(cell()) : ownNull_;
}

std::string_view TextRef::utf8() const
{
    if (column_)
        return column_->text(cell());
    return std::string_view(own_);
}

QString TextRef::toString() const
{
    const std::string_view t = utf8();
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

} // namespace records
