#pragma once

namespace forms {

// The screen's mouse pointer, as numbered by the designs.
struct Pointer
{
    enum : int
    {
        Default = 0,
        Arrow = 1,
        Hourglass = 11,
    };
};

int MousePointer();

// Takes effect at once when the pointer turns busy. Going back to the default is
// shown when control returns to the event loop, so a loop of short moves that each
// set and reset the pointer does not make it flicker or cost a cursor change each.
void setMousePointer(int pointer);

} // namespace forms
