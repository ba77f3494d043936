#include "screensaver/mesh_builder.h"

#include "app/file_reader.h"

#include <QFileInfo>

#include <assimp/Importer.hpp>
#include <assimp/material.h>
#include <assimp/postprocess.h>
#include <assimp/scene.h>

#include <algorithm>

namespace {

MeshMaterial materialOf(const aiMaterial* m)
{
    MeshMaterial out;
    aiColor4D c;
    if (m->Get(AI_MATKEY_COLOR_DIFFUSE, c) == AI_SUCCESS) {
        out.diffuse[0] = c.r;
        out.diffuse[1] = c.g;
        out.diffuse[2] = c.b;
        out.diffuse[3] = c.a;
    }
    float opacity = 1.0f;
    if (m->Get(AI_MATKEY_OPACITY, opacity) == AI_SUCCESS && opacity < out.diffuse[3])
        out.diffuse[3] = opacity;
    if (m->Get(AI_MATKEY_COLOR_SPECULAR, c) == AI_SUCCESS) {
        out.specular[0] = c.r;
        out.specular[1] = c.g;
        out.specular[2] = c.b;
    }
    if (m->Get(AI_MATKEY_COLOR_EMISSIVE, c) == AI_SUCCESS) {
        out.emissive[0] = c.r;
        out.emissive[1] = c.g;
        out.emissive[2] = c.b;
    }
    float power = 0.0f;
    if (m->Get(AI_MATKEY_SHININESS, power) == AI_SUCCESS)
        out.power = std::max(0.0f, power);
    return out;
}

} // namespace

bool MeshBuilder::load(const QString& path)
{
    m_vertices.clear();
    m_indices.clear();
    m_groups.clear();
    ++m_revision;
    // Only a regular file within the mesh limit is handed to the reader.
    if (!filereader::isRegularFile(path) || QFileInfo(path).size() > filereader::MeshBytes)
        return false;

    // The ".x" reader turns the file's left-handed data into right-handed
    // coordinates by mirroring z and reversing the winding; MakeLeftHanded and
    // FlipWindingOrder undo exactly that, so the scene sees the file as written.
    // It also gives every face corner a vertex of its own; joining the identical
    // ones shades each shared vertex once instead of up to six times.
    Assimp::Importer importer;
    const unsigned flags = aiProcess_Triangulate | aiProcess_MakeLeftHanded |
                           aiProcess_FlipWindingOrder | aiProcess_PreTransformVertices |
                           aiProcess_GenSmoothNormals | aiProcess_JoinIdenticalVertices |
                           aiProcess_SortByPType;
    const aiScene* scene = importer.ReadFile(path.toLocal8Bit().constData(), flags);
    if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE))
        return false;

    for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
        const aiMesh* mesh = scene->mMeshes[i];
        if (!(mesh->mPrimitiveTypes & aiPrimitiveType_TRIANGLE))
            continue;
        const auto base = static_cast<std::uint32_t>(m_vertices.size());
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            const aiVector3D& p = mesh->mVertices[v];
            const aiVector3D n = mesh->HasNormals() ? mesh->mNormals[v] : aiVector3D(0, 1, 0);
            m_vertices.push_back({{p.x, p.y, p.z}, Vector3{n.x, n.y, n.z}.normalized()});
        }
        Group group;
        group.material = materialOf(scene->mMaterials[mesh->mMaterialIndex]);
        group.firstIndex = static_cast<int>(m_indices.size());
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3)
                continue;
            for (int k = 0; k < 3; ++k)
                m_indices.push_back(base + face.mIndices[k]);
        }
        group.indexCount = static_cast<int>(m_indices.size()) - group.firstIndex;
        if (group.indexCount > 0)
            m_groups.push_back(group);
    }
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

Vector3 MeshBuilder::boundsMin() const
{
    if (m_vertices.empty())
        return {};
    Vector3 r = m_vertices.front().position;
    for (const Vertex& v : m_vertices)
        r = {std::min(r.x, v.position.x), std::min(r.y, v.position.y), std::min(r.z, v.position.z)};
    return r;
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
