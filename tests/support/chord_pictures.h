#pragma once

class TestProgramFolder;

// Writes a tiny one-pixel GIF under every chord picture name the catalogue
// knows that the folder's imm/ lacks, so that tests need not wait for the
// generated pictures. The folder must have imm/ copied, not linked.
void ensureChordPictures(const TestProgramFolder& folder);

// The bytes of a valid 1 x 1 GIF picture.
const char* tinyGif();
int tinyGifSize();
