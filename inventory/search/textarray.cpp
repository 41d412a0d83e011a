#include "inventory/search/textarray.h"

#include <algorithm>

namespace search {

void TextArray::reset(std::size_t count)
{
    size_ = count;
    shared_ = {};
    order_.reset();
    source_ = nullptr;
    orderSource_ = nullptr;
    sharedCount_ = 0;
    own_.clear();
}

void TextArray::take(std::size_t i, const records::TextRef& text)
{
    if (i >= size_)
        return;
    const records::TextColumn* column = text.column();
    const records::CellOrder empty;
    const records::CellOrder& order = text.order() ? *text.order() : empty;
    if (column && text.position() == i && i >= sharedCount_ && !own_.count(i) &&
        (!source_ || (column == source_ && order.get() == orderSource_)) &&
        sameAsColumn(*column, order, sharedCount_, i)) {
        // The elements read before the engine kept the column hold what it holds: they
        // are shared too.
        for (std::size_t j = sharedCount_; j < i; ++j)
            own_.erase(j);
        if (!source_) {
            source_ = column;
            orderSource_ = order.get();
            shared_ = *column;
            order_ = order;
        }
        sharedCount_ = i + 1;
        return;
    }
    if (text.isNull() || text.utf8().empty())
        return;
    own_[i] = std::string(text.utf8());
}

bool TextArray::takeColumn(const records::TextRef& text, std::size_t count)
{
    const records::TextColumn* column = text.column();
    if (!column || sharedCount_ != 0 || !own_.empty() || count > size_)
        return false;
    const records::CellOrder empty;
    const records::CellOrder& order = text.order() ? *text.order() : empty;
    if ((order ? order->size() : column->size()) < count)
        return false;
    source_ = column;
    orderSource_ = order.get();
    shared_ = *column;
    order_ = order;
    sharedCount_ = count;
    return true;
}

bool TextArray::sameAsColumn(const records::TextColumn& column, const records::CellOrder& order,
                             std::size_t from, std::size_t to) const
{
    for (std::size_t j = from; j < to; ++j) {
        const std::size_t cell = order ? (*order)[j] : j;
        if (cell >= column.size())
            return false;
        const auto own = own_.find(j);
        const std::string_view mine = own != own_.end() ? std::string_view(own->second) : std::string_view();
        if (mine != column.text(cell))
            return false;
    }
    return true;
}

void TextArray::set(std::size_t i, const QString& text)
{
    if (i >= size_)
        return;
    own_[i] = text.toStdString();
}

void TextArray::truncate(std::size_t count)
{
    if (count >= size_)
        return;
    size_ = count;
    sharedCount_ = std::min(sharedCount_, count);
    std::erase_if(own_, [count](const auto& element) { return element.first >= count; });
}

std::string_view TextArray::utf8(std::size_t i) const
{
    if (i >= size_)
        return {};
    if (const auto own = own_.find(i); own != own_.end())
        return own->second;
    if (i < sharedCount_)
        return shared_.text(sharedCell(i));
    return {};
}

QString TextArray::at(std::size_t i) const
{
    const std::string_view t = utf8(i);
    return QString::fromUtf8(t.data(), static_cast<qsizetype>(t.size()));
}

std::vector<std::size_t> TextArray::ownElements() const
{
    std::vector<std::size_t> out;
    out.reserve(own_.size());
    for (const auto& element : own_)
        out.push_back(element.first);
    return out;
}

std::vector<QString> TextArray::toVector() const
{
    std::vector<QString> out;
    out.reserve(size_);
    for (std::size_t i = 0; i < size_; ++i)
        out.push_back(at(i));
    return out;
}

} // namespace search
