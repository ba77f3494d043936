#pragma once

#include "screensaver/matrix4.h"
#include "screensaver/vector3.h"

#include <vector>

struct Light;
class MeshBuilder;

// A frame of the retained-mode scene: a position and an orientation relative to
// its parent, a rotation it performs per unit of animation time, and the lights
// and visuals attached to it. Frames are owned by their Scene.
class Frame
{
public:
    explicit Frame(Frame* parent);
    Frame(const Frame&) = delete;
    Frame& operator=(const Frame&) = delete;

    Frame* parent() const { return m_parent; }
    const std::vector<Frame*>& children() const { return m_children; }

    void setPosition(const Vector3& position);
    Vector3 position() const { return m_position; }
    // The frame's z axis points along direction and its y axis as near to up as
    // is square to it. A degenerate pair leaves the orientation unchanged.
    void setOrientation(const Vector3& direction, const Vector3& up);
    Vector3 direction() const { return m_axes[2]; }
    Vector3 up() const { return m_axes[1]; }

    // Turn per unit of time about an axis through the frame's origin, given in
    // the parent's coordinates.
    void setRotation(const Vector3& axis, float theta);
    // Advances this frame and all below it by delta units of time.
    void move(float delta);

    void addLight(Light* light) { m_lights.push_back(light); }
    void addVisual(MeshBuilder* visual) { m_visuals.push_back(visual); }
    const std::vector<Light*>& lights() const { return m_lights; }
    const std::vector<MeshBuilder*>& visuals() const { return m_visuals; }

    // Local to parent coordinates.
    Matrix4 transform() const;
    // Local to scene coordinates.
    Matrix4 worldTransform() const;

private:
    void orthonormalize();

    Frame* m_parent;
    std::vector<Frame*> m_children;
    std::vector<Light*> m_lights;
    std::vector<MeshBuilder*> m_visuals;
    Vector3 m_position;
    // The frame's x, y and z axes in parent coordinates.
    Vector3 m_axes[3] = {{1, 0, 0}, {0, 1, 0}, {0, 0, 1}};
    Vector3 m_rotationAxis{0, 1, 0};
    float m_rotationTheta = 0.0f;
};
