#include "screensaver/mesh_builder.h"

#include "core/file_reader.h"
#include "screensaver/mesh_reader.h"

#include <QFileInfo>

#include <algorithm>

bool MeshBuilder::load(const QString& path)
{
    m_vertices.clear();
    m_indices.clear();
    m_groups.clear();
    ++m_revision;
    // Only a regular file within the mesh limit is handed to the reader.
    if (!filereader::isRegularFile(path) || QFileInfo(path).size() > filereader::MeshBytes)
        return false;

    MeshData data;
    if (!MeshReader::read(path, data))
        return false;
    m_vertices = std::move(data.vertices);
    m_indices = std::move(data.indices);
    m_groups = std::move(data.groups);
    return !m_indices.empty();
}

void MeshBuilder::scale(float sx, float sy, float sz)
{
    for (Vertex& v : m_vertices) {
        v.position = {v.position.x * sx, v.position.y * sy, v.position.z * sz};
        // Normals transform by the inverse scale.
        if (sx != 0.0f && sy != 0.0f && sz != 0.0f)
            v.normal = Vector3{v.normal.x / sx, v.normal.y / sy, v.normal.z / sz}.normalized();
    }
    ++m_revision;
}

Vector3 MeshBuilder::boundsMax() const
{
    if (m_vertices.empty())
        return {};
    Vector3 r = m_vertices.front().position;
    for (const Vertex& v : m_vertices)
        r = {std::max(r.x, v.position.x), std::max(r.y, v.position.y), std::max(r.z, v.position.z)};
    return r;
}
