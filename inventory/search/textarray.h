#pragma once

#include "platform/data/textcolumn.h"

#include <QString>

#include <string>
#include <string_view>
#include <unordered_map>
#include <vector>

namespace search {

// A window's search array: texts indexed by record position, replaced as a whole and then
// filled element by element from the record set. An element filled from a column the
// engine keeps, at its own position, shares that column's text instead of copying it, so a
// million names cost no more memory than the engine already holds for them.
class TextArray final
{
public:
    std::size_t size() const { return size_; }
    // Replaces every element with count empty texts.
    void reset(std::size_t count);
    // Element i takes the text read for it, unless that is Null or empty.
    void take(std::size_t i, const records::TextRef& text);
    // Elements 0 to count - 1 take the cells of the column that text refers to, in its order,
    // all at once: what take gives them one by one from the same column. False, and nothing
    // taken, when text refers to no column the engine keeps, or the array was filled already.
    bool takeColumn(const records::TextRef& text, std::size_t count);
    // Element i becomes the text.
    void set(std::size_t i, const QString& text);
    // Keeps the first count elements only.
    void truncate(std::size_t count);

    QString at(std::size_t i) const;
    QString operator[](std::size_t i) const { return at(i); }
    std::string_view utf8(std::size_t i) const;

    // Elements [0, sharedCount()) are the shared column's cells in its order (Null read
    // as empty), unless set otherwise.
    std::size_t sharedCount() const { return sharedCount_; }
    const records::TextColumn& shared() const { return shared_; }
    // The shared column's cell of element i, and the order of the cells (null: the cell of
    // element i is cell i).
    std::size_t sharedCell(std::size_t i) const { return order_ ? (*order_)[i] : i; }
    const records::CellOrder& sharedOrder() const { return order_; }
    bool isOwn(std::size_t i) const { return own_.count(i) != 0; }
    // The elements that are not the shared column's, in no order.
    std::vector<std::size_t> ownElements() const;

    std::vector<QString> toVector() const;
    bool operator==(const std::vector<QString>& other) const { return toVector() == other; }

private:
    bool sameAsColumn(const records::TextColumn& column, const records::CellOrder& order, std::size_t from,
                      std::size_t to) const;

    std::size_t size_ = 0;
    records::TextColumn shared_;
    records::CellOrder order_;
    const records::TextColumn* source_ = nullptr;
    const std::vector<std::uint32_t>* orderSource_ = nullptr;
    std::size_t sharedCount_ = 0;
    std::unordered_map<std::size_t, std::string> own_;
};

} // namespace search
