#pragma once

class TestProgramFolder;

// Writes a tiny one-pixel GIF under every chord picture name of the catalogue
// that the folder's imm/ lacks. The folder's imm/ must be a folder of its own,
// not a link to the build's.
void ensureChordPictures(const TestProgramFolder& folder);
