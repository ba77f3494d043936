#pragma once

#include "screensaver/mesh_material.h"
#include "screensaver/vector3.h"

#include <cstdint>
#include <vector>

// A mesh as read from a file: triangles in groups that share one material,
// vertices in the file's own left-handed coordinates, front faces wound
// clockwise as seen from outside, normals of unit length.
struct MeshVertex
{
    Vector3 position;
    Vector3 normal;
};

struct MeshGroup
{
    MeshMaterial material;
    int firstIndex = 0;
    int indexCount = 0;
};

struct MeshData
{
    std::vector<MeshVertex> vertices;
    std::vector<std::uint32_t> indices;
    std::vector<MeshGroup> groups;
};

// The one entry point of the screen saver module, the only part of the program
// that links the mesh importer: replaces out with the meshes of a DirectX ".x"
// file (text or binary) at path (in the local 8-bit encoding), all frames'
// transforms applied. Returns false, leaving out empty, when the file is
// unreadable. The version in the name changes whenever MeshData does.
extern "C" bool corvalto_read_mesh_v1(const char* path, MeshData* out);
