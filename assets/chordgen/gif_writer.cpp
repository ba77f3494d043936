#include "gif_writer.h"

#include <gif_lib.h>

#include <cstddef>
#include <cstdio>
#include <filesystem>
#include <stdexcept>
#include <vector>

namespace {

// The palette size of a GIF is a power of two; 4 colours need 2 bits per pixel.
constexpr int kColourBits = 2;

constexpr auto kReadableByAll =
    std::filesystem::perms::owner_read | std::filesystem::perms::owner_write |
    std::filesystem::perms::group_read | std::filesystem::perms::others_read;

std::runtime_error gifError(const std::string& path, int code)
{
    const char* text = GifErrorString(code);
    return std::runtime_error("cannot write " + path + ": " + (text ? text : "GIF error"));
}

} // namespace

void writeGif(const Canvas& canvas, const std::string& path)
{
    static_assert(ChordDiagram::kPaletteSize == 1 << kColourBits);
    std::vector<GifColorType> entries;
    for (const auto& colour : ChordDiagram::palette())
        entries.push_back({colour.red, colour.green, colour.blue});

    const std::string temporary = path + ".tmp";
    int error = 0;
    GifFileType* gif = EGifOpenFileName(temporary.c_str(), false, &error);
    if (!gif)
        throw gifError(temporary, error);

    ColorMapObject* map = GifMakeMapObject(static_cast<int>(entries.size()), entries.data());
    EGifSetGifVersion(gif, false);
    bool ok =
        map &&
        EGifPutScreenDesc(gif, canvas.width(), canvas.height(), kColourBits, 0, map) == GIF_OK &&
        EGifPutImageDesc(gif, 0, 0, canvas.width(), canvas.height(), false, nullptr) == GIF_OK;
    std::vector<GifPixelType> line(static_cast<std::size_t>(canvas.width()));
    for (int y = 0; ok && y < canvas.height(); ++y) {
        line.assign(canvas.row(y), canvas.row(y) + canvas.width());
        ok = EGifPutLine(gif, line.data(), canvas.width()) == GIF_OK;
    }
    const int writeError = gif->Error;
    GifFreeMapObject(map);
    if (EGifCloseFile(gif, &error) != GIF_OK || !ok) {
        std::remove(temporary.c_str());
        throw gifError(path, ok ? error : writeError);
    }
    // giflib creates the file for its owner alone; the program folder may be
    // shared by other users.
    std::error_code modeError;
    std::filesystem::permissions(temporary, kReadableByAll, modeError);
    if (modeError || std::rename(temporary.c_str(), path.c_str()) != 0) {
        std::remove(temporary.c_str());
        throw std::runtime_error("cannot replace " + path);
    }
}
