#include "core/colour_theme.h"

#include <algorithm>
#include <cmath>

namespace {

double channel(int v)
{
    const double c = v / 255.0;
    return c <= 0.04045 ? c / 12.92 : std::pow((c + 0.055) / 1.055, 2.4);
}

double luminance(ColourTheme::Rgb c)
{
    return 0.2126 * channel(c.r) + 0.7152 * channel(c.g) + 0.0722 * channel(c.b);
}

ColourTheme::Rgb mix(ColourTheme::Rgb from, ColourTheme::Rgb to, double t)
{
    const auto at = [t](int a, int b) { return static_cast<int>(std::lround(a + (b - a) * t)); };
    return {at(from.r, to.r), at(from.g, to.g), at(from.b, to.b)};
}

} // namespace

ColourTheme ColourTheme::fromDraws(int a, int b)
{
    const bool aEven = a % 2 == 0;
    const bool bEven = b % 2 == 0;
    if (aEven && bEven)
        return {{166, 202, 240}, {192, 220, 192}, {240, 202, 166}};
    if (aEven)
        return {{192, 220, 192}, {240, 202, 166}, {166, 202, 240}};
    if (bEven)
        return {{240, 202, 166}, {166, 202, 240}, {192, 220, 192}};
    return designed();
}

ColourTheme ColourTheme::designed()
{
    return {{197, 239, 252}, {197, 255, 138}, {219, 210, 217}};
}

double ColourTheme::contrast(Rgb a, Rgb b)
{
    const double la = luminance(a);
    const double lb = luminance(b);
    return (std::max(la, lb) + 0.05) / (std::min(la, lb) + 0.05);
}

ColourTheme::Rgb ColourTheme::textOn(Rgb background)
{
    const Rgb black{0, 0, 0};
    const Rgb white{255, 255, 255};
    return contrast(black, background) >= contrast(white, background) ? black : white;
}

ColourTheme::Rgb ColourTheme::readableOn(Rgb text, Rgb background)
{
    if (contrast(text, background) >= MinContrast)
        return text;
    const Rgb towards = textOn(background);
    // Twenty steps of 5% find the nearest that reads; black or white always does.
    for (int step = 1; step <= 20; ++step) {
        const Rgb c = mix(text, towards, step / 20.0);
        if (contrast(c, background) >= MinContrast)
            return c;
    }
    return towards;
}

namespace titlescroll {

QString text()
{
    const QString blanks(Width, QLatin1Char(' '));
    return blanks + QStringLiteral("Corvalto 3.0 by Virmosk") + blanks;
}

int next(int pos)
{
    ++pos;
    if (pos > text().size() - Width)
        pos = 0;
    return pos;
}

QString window(int pos)
{
    return text().mid(pos, Width);
}

} // namespace titlescroll
