#pragma once

#include "screensaver/screen_saver_settings.h"

#include <QString>

#include <array>
#include <functional>

// The fixed choices of the screen saver settings and how each becomes a value of
// ScreenSaverSettings or of the display configuration.
namespace saver {

struct ObjectChoice
{
    QString itemText;
    QString meshFile;
    double scale;
    ScreenSaverSettings::Triple camera;
};

struct ResolutionChoice
{
    QString itemText;
    int width;
    int height;
    // Left edge of the right-hand overlay texts at this resolution.
    int overlayColumn;
};

enum class LightMode { Definite, Random, Normal };

const std::array<ObjectChoice, 3>& objectChoices();
const std::array<ResolutionChoice, 6>& resolutionChoices();

// Sets MeshFile, MeshScale and CameraPosition; an item outside 0..2 changes nothing.
void applyObject(ScreenSaverSettings& settings, int item);

// The resolution item whose width is the given screen width, or -1.
int resolutionItemForWidth(int width);

// The overlay column for a resolution item; 0 when no item is selected.
int overlayColumn(int item);

// A light colour: "Normali" gives normalLevel for each component, "Casuali" draws
// red, green, blue in that order, each a tenth of draw(9), "Definite" takes the
// field values 1..10 as tenths.
ScreenSaverSettings::Colour lightColour(LightMode mode, double normalLevel, int red, int green,
                                        int blue, const std::function<int(int)>& draw);

// Normal level of the object light and of the ambient light.
inline constexpr double NormalObjectLevel = 0.9;
inline constexpr double NormalAmbientLevel = 0.1;

// The speed setting 1..10 as radians per tick.
double rotationSpeed(int speed);

} // namespace saver
