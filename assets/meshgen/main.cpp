// Writes the three screen saver meshes into the folder given as argument.
#include "designs.h"

#include <cstdio>
#include <string>

int main(int argc, char* argv[])
{
    if (argc != 2) {
        std::fprintf(stderr, "usage: corvalto_meshgen <imm folder>\n");
        return 2;
    }
    const std::string dir = argv[1];
    struct Output
    {
        const char* file;
        const char* name;
        XMesh mesh;
    };
    const Output outputs[] = {
        {"virmosk.x", "Virmosk", virmoskDesign()},
        {"tubi.x", "Tubi", tubiDesign()},
        {"primitive.x", "Primitive", primitiveDesign()},
    };
    for (const Output& o : outputs) {
        const std::string path = dir + "/" + o.file;
        if (!o.mesh.write(path, o.name)) {
            std::fprintf(stderr, "corvalto_meshgen: cannot write %s\n", path.c_str());
            return 1;
        }
    }
    return 0;
}
