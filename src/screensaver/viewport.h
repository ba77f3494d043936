#pragma once

#include "screensaver/matrix4.h"

class Frame;

// The view of the scene from a camera frame onto a rectangle of the display
// surface. The camera looks along its frame's z axis with its y axis up.
class Viewport
{
public:
    Viewport(Frame* camera, int x, int y, int width, int height);

    Frame* camera() const { return m_camera; }
    int x() const { return m_x; }
    int y() const { return m_y; }
    int width() const { return m_width; }
    int height() const { return m_height; }

    float front() const { return m_front; }
    float back() const { return m_back; }
    // Half the width of the front clipping window at distance front; the height
    // follows the viewport's aspect ratio.
    float field() const { return m_field; }
    void setFront(float front) { m_front = front; }
    void setBack(float back) { m_back = back; }
    void setField(float field) { m_field = field; }

    // Marks a rectangle as needing to be drawn again; every render draws the whole
    // viewport, so this only records the request.
    void forceUpdate(int x1, int y1, int x2, int y2);
    int updateRequests() const { return m_updateRequests; }

    // Scene to camera coordinates.
    Matrix4 viewTransform() const;
    // Camera coordinates to OpenGL clip space.
    Matrix4 projection() const;
    // Where a scene point lands, in viewport pixels from the top-left corner;
    // false when it lies behind the front plane.
    bool project(const Vector3& point, float& px, float& py) const;

private:
    Frame* m_camera;
    int m_x;
    int m_y;
    int m_width;
    int m_height;
    float m_front = 1.0f;
    float m_back = 100.0f;
    float m_field = 0.5f;
    int m_updateRequests = 0;
};
