#pragma once

#include <QString>

// How to reach the author: the banner's link, the About window's credits and
// the HTML page's closing line all use these.
namespace author {

inline const QString webPage()
{
    return QStringLiteral("https://virmosk.example.org/corvalto");
}
inline const QString email()
{
    return QStringLiteral("virmosk@virmosk.example.org");
}

} // namespace author
