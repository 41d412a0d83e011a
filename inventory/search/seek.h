#pragma once

#include "inventory/search/textarray.h"

#include <QString>

#include <cstdint>
#include <functional>
#include <initializer_list>
#include <vector>

class QWidget;
namespace records {
class DataControl;
}
namespace forms {
class ListBox;
class Timer;
} // namespace forms

// The search box both windows share: Enter or the search button arms the window's timer,
// its tick searches the window's arrays, and the hits fill the window's list. Each window
// keeps its own arrays and state and shows its own controls around the list.
namespace search {

// A window's search state; hitPositions[k] is the record position of list entry k-1.
struct SeekState
{
    forms::ListBox& list;
    forms::Timer& timer;
    std::vector<std::int32_t>& hitPositions;
    std::int32_t& hitCount;
    bool& searchReady;
};

enum class SeekResult
{
    NoText,   // the box is empty: nothing searched
    Armed,    // the timer will run the search
    Found,    // the list shows the hits, the first chosen
    NotFound, // the user has been told so
};

// One press of the search: the list shrinks and hides, then, with text, the timer is armed
// or (when its tick asked) the arrays' first `records` positions are searched.
SeekResult seek(const SeekState& state, const QString& text, int records,
                std::initializer_list<const TextArray*> arrays);

// The timer's tick: one arming gives one search, even when a tick comes while the search
// (or its message box) still runs. A failed search leaves the next press to arm again.
void seekOnTick(const SeekState& state, bool& running, const std::function<void()>& search);

// A read-only or damaged inventory is there to look at and search; says once why nothing
// will be saved. The file's check runs while the user looks at the first record.
void noticeWhyNothingIsSaved(QWidget& window, records::DataControl& data);

} // namespace search
