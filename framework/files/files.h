// Paths, whole-file reading and the file layer's entry points.
//
// A path beginning "zorbit:" is virtual; PathToFilePath maps it to a real file
// name relative to the working directory (the data folder is "./data/").
#pragma once

#include <cstdio>

#include "framework/files/data_buffer.h"
#include "framework/files/stream.h"
#include "runtime/string.h"

// The name under which a bare resource name is looked up: "songs/x" becomes
// "zorbit://data/songs/x"; scheme or drive paths and "./", "/" paths stay as they are.
String FixDataPath(const String& path);

// Virtual path to real file name; "" for an unknown "zorbit:" prefix.
String PathToFilePath(const String& path);

// Opens a (virtual or real) path with a C open mode such as "rb"; null on failure.
std::FILE* OpenFile(const String& path, const String& mode);

// The whole file at a (virtual or real) path as text; "" when it cannot be opened.
String LoadFileString(const String& path);

// LoadFileString(FixDataPath(path)).
String LoadString(const String& path);

// Reads an open file to its end and decodes it (byte-order marks, UTF-16 both
// ways, UTF-8 of up to three bytes, else one character per byte).
String LoadStringFromFile(std::FILE* file);

// The decoding of LoadStringFromFile on bytes in memory.
String DecodeText(const unsigned char* bytes, size_t count);

// The whole file as a block allocated with std::malloc and owned by the caller
// (release with std::free); null when it cannot be opened. Its size is stored
// into *length (which may be null).
unsigned char* LoadData(const String& path, int* length);
