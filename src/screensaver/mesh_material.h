#pragma once

// A surface material as the ".x" format describes it: the face colour (with its
// alpha), the specular colour and its power, and the colour the surface emits by
// itself, independent of any light.
struct MeshMaterial
{
    float diffuse[4] = {1.0f, 1.0f, 1.0f, 1.0f};
    float specular[3] = {0.0f, 0.0f, 0.0f};
    float emissive[3] = {0.0f, 0.0f, 0.0f};
    // Specular exponent; 0 turns the highlight off.
    float power = 0.0f;

    bool isEmissive() const
    {
        return emissive[0] > 0.0f || emissive[1] > 0.0f || emissive[2] > 0.0f;
    }
    bool isTransparent() const { return diffuse[3] < 1.0f; }
};
