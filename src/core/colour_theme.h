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

    // Text that sits on a colour of the program's own must keep this contrast ratio
    // against it, whatever the system palette.
    static constexpr double MinContrast = 4.5;
    // The contrast ratio of two colours as WCAG 2 defines it: 1 (the same) to 21.
    static double contrast(Rgb a, Rgb b);
    // Black or white, whichever reads better on the background.
    static Rgb textOn(Rgb background);
    // The text colour itself where it reads on the background, else moved towards
    // black or white, whichever the background favours, just far enough that it does.
    static Rgb readableOn(Rgb text, Rgb background);
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
