// Image file decoding through stb_image; the one place stb_image is compiled.
#include <cstdio>
#include <cstdlib>

#define STB_IMAGE_IMPLEMENTATION
#define STBI_ONLY_PNG
#define STBI_ONLY_JPEG
#define STBI_ONLY_BMP
#define STBI_ONLY_TGA
#define STBI_ONLY_GIF
#pragma GCC diagnostic push
#pragma GCC diagnostic ignored "-Wmissing-field-initializers"
#pragma GCC diagnostic ignored "-Wunused-function"
#pragma GCC diagnostic ignored "-Wsign-compare"
#pragma GCC diagnostic ignored "-Wunused-but-set-variable"
#include <stb/stb_image.h>
#pragma GCC diagnostic pop

#include "framework/files/files.h"
#include "framework/graphics/graphics_device.h"

unsigned char* LoadImageData(const String& path, int* width, int* height, int* depth) {
    std::FILE* file = OpenFile(path, "rb");
    if (!file) return nullptr;
    int w = 0, h = 0, comp = 0;
    // Keeps the file's own number of components (1 to 4); stb allocates with malloc.
    unsigned char* data = stbi_load_from_file(file, &w, &h, &comp, 0);
    std::fclose(file);
    if (!data) return nullptr;
    if (comp < 1 || comp > 4 || w <= 0 || h <= 0) {
        stbi_image_free(data);
        return nullptr;
    }
    *width = w;
    *height = h;
    *depth = comp;
    return data;
}
