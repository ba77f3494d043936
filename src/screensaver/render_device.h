#pragma once

// The settings of the retained-mode device that draws the scene.
struct RenderDevice
{
    enum class TextureQuality { Nearest, Linear };
    enum RenderMode {
        BlendedTransparency = 0x1,
        SortedTransparency = 0x2,
    };

    TextureQuality textureQuality = TextureQuality::Nearest;
    // Transparent faces are blended, and drawn after the opaque ones, only when
    // BlendedTransparency is set.
    int renderMode = 0;
    bool hardware = false;
};
