// chordgen: draws the chord fingering pictures of the program's imm/ folder and writes the
// table of their shapes.
//
//   chordgen <picture folder> <shape table file>
//
// The output depends on nothing but this program: the same bytes on every run.

#include "chord_diagram.h"
#include "chord_naming.h"
#include "chords/voicing_table.h"
#include "gif_writer.h"
#include "shape.h"

#include <cstdio>
#include <exception>
#include <filesystem>
#include <fstream>
#include <iostream>
#include <set>
#include <stdexcept>
#include <string>

namespace {

// One row per picture, tab-separated, with a header line:
// picture, root, type, position (first or second), frets and fingers from low MI to high mi.
using chords::voicingTable;

std::string shapeTableRow(const Voicing& voicing, const Shape& shape)
{
    return pictureName(voicing) + '\t' + rootLabel(voicing.root) + '\t' + typeLabel(voicing.type) +
           '\t' + (voicing.secondPosition ? "second" : "first") + '\t' + shape.fretsText() + '\t' +
           shape.fingersText() + '\n';
}

void writeTextFile(const std::string& path, const std::string& text)
{
    const std::string temporary = path + ".tmp";
    {
        std::ofstream out(temporary, std::ios::binary | std::ios::trunc);
        out << text;
        if (!out.flush())
            throw std::runtime_error("cannot write " + temporary);
    }
    // Readable by all whatever the umask, as every file the build lays out.
    using std::filesystem::perms;
    std::filesystem::permissions(temporary, perms::owner_read | perms::owner_write |
                                                perms::group_read | perms::others_read);
    if (std::rename(temporary.c_str(), path.c_str()) != 0)
        throw std::runtime_error("cannot replace " + path);
}

void generate(const std::string& pictureFolder, const std::string& tablePath)
{
    std::string table = "picture\troot\ttype\tposition\tfrets\tfingers\n";
    std::set<std::string> written;
    for (const Voicing& voicing : voicingTable()) {
        const std::string name = pictureName(voicing);
        if (!written.insert(name).second)
            throw std::runtime_error("two shapes for the picture " + name);
        const Shape shape = Shape::parse(voicing.frets, voicing.fingers);
        writeGif(ChordDiagram::draw(shape), pictureFolder + "/" + name);
        table += shapeTableRow(voicing, shape);
    }
    writeTextFile(tablePath, table);
}

} // namespace

int main(int argc, char** argv)
{
    if (argc != 3) {
        std::cerr << "usage: chordgen <picture folder> <shape table file>\n";
        return 2;
    }
    try {
        generate(argv[1], argv[2]);
    } catch (const std::exception& error) {
        std::cerr << "chordgen: " << error.what() << '\n';
        return 1;
    }
    return 0;
}
