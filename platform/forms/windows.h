#pragma once

#include <QPointer>
#include <QWidget>

namespace forms {

// Shows a modeless window, loading it on first use and bringing it to the front when it
// is already loaded. The window deletes itself when closed, which clears the holder.
template <class W, class Make> W* showModeless(QPointer<W>& holder, Make&& make)
{
    if (!holder) {
        holder = make();
        holder->setAttribute(Qt::WA_DeleteOnClose);
    }
    holder->show();
    holder->raise();
    holder->activateWindow();
    return holder.data();
}

} // namespace forms
