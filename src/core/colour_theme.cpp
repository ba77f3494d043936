#include "core/colour_theme.h"

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
