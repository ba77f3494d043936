#pragma once

#include "canvas.h"
#include "chord_diagram.h"

#include <string>

// Writes the canvas as a single-image GIF87a file with the diagram palette. The file holds
// nothing but the picture (no time stamp, no comment), so equal canvases give equal bytes.
// The bytes go to a temporary file beside the target that is then renamed over it; throws
// std::runtime_error on failure.
void writeGif(const Canvas& canvas, const std::string& path);
