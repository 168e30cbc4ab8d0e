#pragma once

namespace e2e {

// A place on the screen, in pixels.
struct Point {
    int x = -1;
    int y = -1;
    bool operator==(const Point&) const = default;
};

// The real pointer, as the X server has it, asked over a connection of the tests' own.
Point PointerNow();

// Waits until the pointer has moved n times, as automatic scanning moves it once a row, for up
// to limitMs. The pointer is looked at often enough to see every step of the fastest scan.
bool WaitForPointerMoves(int n, int limitMs);

// Waits until the pointer is at a place, however short its stay there, for up to limitMs.
bool WaitForPointerAt(Point at, int limitMs);

// A person's click at a place, with the pause a person leaves before the next one.
void ClickAt(Point at, int button = 1);

// A switch's press and release where the pointer is, sent at once and with no pause after:
// the scan may take its next step a tenth of a second later.
void ClickHere(int button = 1);

// The height of a row of the keyboard's tree: the same toolkit, style and design font
// (11 pixels, bold) give the same rows in the test process.
int RowHeight();

}  // namespace e2e
