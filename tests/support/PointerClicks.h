#pragma once

namespace e2e {

// A place on the screen, in pixels.
struct Point {
    int x = -1;
    int y = -1;
    bool operator==(const Point&) const = default;
};

// The real pointer, as the X server has it.
Point PointerNow();

// Waits until the pointer has moved n times, as automatic scanning moves it once a row, for up
// to limitMs.
bool WaitForPointerMoves(int n, int limitMs);

// A person's click at a place, with the pause a person leaves before the next one.
void ClickAt(Point at, int button = 1);

// The height of a row of the keyboard's tree: the same toolkit, style and design font
// (11 pixels, bold) give the same rows in the test process.
int RowHeight();

}  // namespace e2e
