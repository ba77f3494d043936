#pragma once

#include <cstddef>

// The JPEG decoder is a module of its own (libcorvalto_jpeg.so), loaded with the
// first JPEG picture, so that the decoding library is not loaded as the program
// starts. The module and the program share only this plain interface.
extern "C" {

struct CorvaltoJpegDecoding
{
    const unsigned char* bytes = nullptr;
    unsigned long size = 0;
    // Called once the header is read, with the picture's size: returns where
    // its rows go (3 bytes a pixel, red first, rowStride bytes apart), or null
    // to refuse the picture, which ends the decoding.
    unsigned char* (*rows)(void* context, int width, int height,
                           std::ptrdiff_t* rowStride) = nullptr;
    void* context = nullptr;
    // The library's message when the data is no readable JPEG.
    char message[200] = {};
};

enum CorvaltoJpegResult { CorvaltoJpegDecoded, CorvaltoJpegUnreadable, CorvaltoJpegRefused };

using CorvaltoDecodeJpeg = int (*)(CorvaltoJpegDecoding*);
}

#define CORVALTO_JPEG_ENTRY "corvalto_decode_jpeg_v1"
