#pragma once

#include <QString>

// The main window's four colour themes, chosen at start by the parities of two
// random draws in 0..999; the last one is the window's designed colours.
struct ColourTheme
{
    struct Rgb
    {
        int r, g, b;
        bool operator==(const Rgb&) const = default;
    };
    Rgb background;
    Rgb title; // Edit1
    Rgb list;  // ListBox1

    static ColourTheme fromDraws(int a, int b);
    static ColourTheme designed();
};

// The application title scrolls through a 73-character text, 25 characters at a
// time: 25 blanks, "Corvalto 3.0 by Virmosk", 25 blanks.
namespace titlescroll {

constexpr int Width = 25;
QString text();
// The position after one tick: it runs 1, 2, ..., 48, 0, 1, ...
int next(int pos);
QString window(int pos);

} // namespace titlescroll
