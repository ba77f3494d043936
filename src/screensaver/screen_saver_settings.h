#pragma once

#include <QString>

// What the settings window hands to the renderer at each start. All values are
// doubles here; the scene receives them as floats.
struct ScreenSaverSettings
{
    struct Triple
    {
        double x = 0.0;
        double y = 0.0;
        double z = 0.0;
    };
    struct Colour
    {
        double red = 0.0;
        double green = 0.0;
        double blue = 0.0;
    };

    // Relative to the program folder, written with "/".
    QString meshFile;
    Triple meshScale;
    Triple cameraPosition;
    // Directional light, each component 0..1.
    Colour objectLight;
    // Ambient light, each component 0..1.
    Colour ambientLight;
    // Radians the object turns per display tick.
    double rotationSpeed = 0.0;
};

// What starting the display asks of it: the settings, the resolution item of
// the settings window (-1 when its text names no item: the display keeps its
// size) and the Z-buffer choice.
struct ScreenSaverStart
{
    ScreenSaverSettings settings;
    int resolutionItem = -1;
    bool zBuffer = true;
};
