#pragma once

#include "screensaver/mesh_data.h"

#include <QString>

#include <cstdint>
#include <vector>

// A mesh as the retained-mode mesh builder holds it: triangles in groups that
// share one material, vertices in the file's own left-handed coordinates, front
// faces wound clockwise as seen from outside.
class MeshBuilder
{
public:
    using Vertex = MeshVertex;
    using Group = MeshGroup;

    // Replaces the content with the meshes of a DirectX ".x" file (text or
    // binary), all frames' transforms applied. Returns false, leaving the builder
    // empty, when the file is missing or unreadable. The file is read by the
    // screen saver module: throws CorvaltoError when it cannot be loaded.
    bool load(const QString& path);
    // Scales the vertices; normals follow so that lighting stays right.
    void scale(float sx, float sy, float sz);

    const std::vector<Vertex>& vertices() const { return m_vertices; }
    const std::vector<std::uint32_t>& indices() const { return m_indices; }
    const std::vector<Group>& groups() const { return m_groups; }
    bool isEmpty() const { return m_indices.empty(); }
    // Grows with every change of the content, so that copies elsewhere (in
    // graphics memory) know when to refresh.
    int revision() const { return m_revision; }

    // Largest coordinates; zero when empty.
    Vector3 boundsMax() const;

private:
    std::vector<Vertex> m_vertices;
    std::vector<std::uint32_t> m_indices;
    std::vector<Group> m_groups;
    int m_revision = 0;
};
