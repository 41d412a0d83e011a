#include "inventory/search/seek.h"

#include "inventory/search/search_text.h"
#include "inventory/store/chemical_table.h"
#include "platform/data/datacontrol.h"
#include "platform/forms/errors.h"
#include "platform/forms/listbox.h"
#include "platform/forms/msgbox.h"
#include "platform/forms/screen.h"
#include "platform/forms/timer.h"
#include "platform/forms/twips.h"

#include <QCoreApplication>
#include <QTimer>
#include <QWidget>

#include <algorithm>

namespace search {

namespace {

void setListHeightTwips(forms::ListBox& list, double twips)
{
    list.resize(list.width(), forms::px(twips));
}

} // namespace

SeekResult seek(const SeekState& state, const QString& text, int records,
                std::initializer_list<const TextArray*> arrays)
{
    state.hitPositions.assign(static_cast<std::size_t>(records) + 1, 0);
    setListHeightTwips(state.list, 286.747);
    state.list.hide();

    if (text.isEmpty())
        return SeekResult::NoText;
    if (!state.searchReady) {
        state.timer.setEnabled(true);
        return SeekResult::Armed;
    }

    state.searchReady = false;
    state.list.clear();
    state.hitCount = 0;
    forms::setMousePointer(forms::Pointer::Hourglass);

    // Arrays read before records were added elsewhere end early: the scan stops there.
    const std::size_t end = std::min(static_cast<std::size_t>(records), (*arrays.begin())->size());
    auto found = findHits(arrays, end, text, twin(text));
    if (found.size() + 1 > state.hitPositions.size())
        found.resize(state.hitPositions.size() - 1);
    // Counted in a local: the count, a number like the positions, would otherwise be read and
    // written through memory at every hit.
    std::int32_t* positions = state.hitPositions.data();
    std::size_t count = 0;
    for (const Hit& hit : found)
        positions[++count] = hit.position;
    state.hitCount = static_cast<std::int32_t>(count);
    // An entry's text is made when it is shown, from the arrays as they are now: a later
    // re-read leaves the list as this search made it.
    std::vector<TextArray> kept;
    kept.reserve(arrays.size());
    for (const TextArray* array : arrays)
        kept.push_back(*array);
    state.list.setEntries(state.hitCount, hitTexts(std::move(kept), std::move(found)));

    setListHeightTwips(state.list, state.hitCount >= 21 ? 4486.747 : 210.0 * state.hitCount + 286.747);
    SeekResult result = SeekResult::Found;
    if (state.hitCount >= 1) {
        state.list.show();
        state.list.setCurrentRow(0);
        state.list.setFocus();
    } else {
        forms::MsgBox(QCoreApplication::translate("search", "No Chemical Found!\r\nTry Another Name"),
                      forms::Critical);
        result = SeekResult::NotFound;
    }
    forms::setMousePointer(forms::Pointer::Default);
    return result;
}

void seekOnTick(const SeekState& state, bool& running, const std::function<void()>& search)
{
    if (running)
        return;
    running = true;
    state.searchReady = true;
    const bool ok = forms::guarded(search);
    running = false;
    state.timer.setEnabled(false);
    if (!ok)
        state.searchReady = false;
}

void noticeWhyNothingIsSaved(QWidget& window, records::DataControl& data)
{
    const store::SaveNotice notice = store::noticeWhyNothingIsSaved(*data.Recordset());
    if (notice.pending)
        QTimer::singleShot(100, &window, [&window, &data] {
            forms::guarded([&window, &data] { noticeWhyNothingIsSaved(window, data); });
        });
    else if (!notice.text.isEmpty())
        forms::MsgBox(notice.text, forms::Exclamation);
}

} // namespace search
