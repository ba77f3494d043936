#include "screensaver/mesh_data.h"

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

namespace {

bool readMesh(const char* path, MeshData* out)
{
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
    const aiScene* scene = importer.ReadFile(path, flags);
    if (!scene || (scene->mFlags & AI_SCENE_FLAGS_INCOMPLETE))
        return false;

    for (unsigned i = 0; i < scene->mNumMeshes; ++i) {
        const aiMesh* mesh = scene->mMeshes[i];
        if (!(mesh->mPrimitiveTypes & aiPrimitiveType_TRIANGLE))
            continue;
        const auto base = static_cast<std::uint32_t>(out->vertices.size());
        for (unsigned v = 0; v < mesh->mNumVertices; ++v) {
            const aiVector3D& p = mesh->mVertices[v];
            const aiVector3D n = mesh->HasNormals() ? mesh->mNormals[v] : aiVector3D(0, 1, 0);
            out->vertices.push_back({{p.x, p.y, p.z}, Vector3{n.x, n.y, n.z}.normalized()});
        }
        MeshGroup group;
        group.material = materialOf(scene->mMaterials[mesh->mMaterialIndex]);
        group.firstIndex = static_cast<int>(out->indices.size());
        for (unsigned f = 0; f < mesh->mNumFaces; ++f) {
            const aiFace& face = mesh->mFaces[f];
            if (face.mNumIndices != 3)
                continue;
            for (int k = 0; k < 3; ++k)
                out->indices.push_back(base + face.mIndices[k]);
        }
        group.indexCount = static_cast<int>(out->indices.size()) - group.firstIndex;
        if (group.indexCount > 0)
            out->groups.push_back(group);
    }
    return !out->indices.empty();
}

} // namespace

extern "C" __attribute__((visibility("default"))) bool corvalto_read_mesh_v1(const char* path,
                                                                             MeshData* out)
{
    *out = MeshData();
    // No exception may leave the module: its caller sees only the result.
    try {
        if (readMesh(path, out))
            return true;
    } catch (...) {
    }
    *out = MeshData();
    return false;
}
