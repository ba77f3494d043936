#include "screensaver/saver_choices.h"

namespace saver {

const std::array<ObjectChoice, 3>& objectChoices()
{
    static const std::array<ObjectChoice, 3> choices{{
        {QStringLiteral("Virmosk (luci proprie)"),
         QStringLiteral("imm/virmosk.x"),
         0.05,
         {-5.5, 10.0, -2.0}},
        {QStringLiteral("Tubi (luci proprie)"),
         QStringLiteral("imm/tubi.x"),
         0.08,
         {-5.5, 8.0, -2.0}},
        {QStringLiteral("Primitive"), QStringLiteral("imm/primitive.x"), 4.0, {-5.3, 8.5, -1.0}},
    }};
    return choices;
}

const std::array<ResolutionChoice, 6>& resolutionChoices()
{
    static const std::array<ResolutionChoice, 6> choices{{
        {QStringLiteral("640x480"), 640, 480, 459},
        {QStringLiteral("800x600"), 800, 600, 619},
        {QStringLiteral("1024x768"), 1024, 768, 832},
        {QStringLiteral("1152x864"), 1152, 864, 900},
        {QStringLiteral("1280x960"), 1280, 960, 1000},
        {QStringLiteral("1600x1200"), 1600, 1200, 1300},
    }};
    return choices;
}

void applyObject(ScreenSaverSettings& settings, int item)
{
    if (item < 0 || item >= int(objectChoices().size()))
        return;
    const ObjectChoice& c = objectChoices()[item];
    settings.meshFile = c.meshFile;
    settings.meshScale = {c.scale, c.scale, c.scale};
    settings.cameraPosition = c.camera;
}

int resolutionItemForWidth(int width)
{
    const auto& choices = resolutionChoices();
    for (int i = 0; i < int(choices.size()); ++i) {
        if (choices[i].width == width)
            return i;
    }
    return -1;
}

int overlayColumn(int item)
{
    if (item < 0 || item >= int(resolutionChoices().size()))
        return 0;
    return resolutionChoices()[item].overlayColumn;
}

ScreenSaverSettings::Colour lightColour(LightMode mode, double normalLevel, int red, int green,
                                        int blue, const std::function<int(int)>& draw)
{
    switch (mode) {
    case LightMode::Normal:
        return {normalLevel, normalLevel, normalLevel};
    case LightMode::Random: {
        // Tenths 0.0..0.9: a full-strength component is never drawn.
        ScreenSaverSettings::Colour c;
        c.red = draw(9) / 10.0;
        c.green = draw(9) / 10.0;
        c.blue = draw(9) / 10.0;
        return c;
    }
    case LightMode::Definite:
        break;
    }
    return {red / 10.0, green / 10.0, blue / 10.0};
}

double rotationSpeed(int speed)
{
    return speed / 100.0;
}

} // namespace saver
