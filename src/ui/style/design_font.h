#pragma once

#include <QFont>
#include <QString>

// A font of the family the windows were designed with or, when that family is
// not installed, of the installed family put in its place with
// QFont::insertSubstitution. The pixels are the same either way; asking for an
// absent family directly makes the font matcher sort the whole fallback list
// for it before it tries the family put in its place.
QFont designFont(const QString& family);
