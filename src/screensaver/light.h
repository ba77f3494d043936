#pragma once

// A light of the retained-mode scene. A directional light shines along the z
// axis of the frame it is attached to; an ambient light lights every face
// evenly, wherever it is attached.
struct Light
{
    enum class Type { Directional, Ambient };

    Type type = Type::Ambient;
    float red = 0.0f;
    float green = 0.0f;
    float blue = 0.0f;
};
