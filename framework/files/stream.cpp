// File streams and writing whole strings through them.
#include "framework/files/stream.h"

#include <algorithm>

#include "framework/files/files.h"

BBFileStream::~BBFileStream() {
    Close();
}

bool BBFileStream::Open(const String& path, const String& mode) {
    if (file_) return false;
    const char* cmode = mode == "r" ? "rb" : mode == "w" ? "wb" : mode == "u" ? "rb+" : nullptr;
    if (!cmode) return false;
    file_ = OpenFile(path, cmode);
    if (!file_ && mode == "u") file_ = OpenFile(path, "wb+");
    if (!file_) return false;
    std::fseek(file_, 0, SEEK_END);
    const long end = std::ftell(file_);
    length_ = end > 0 ? static_cast<int>(end) : 0;
    std::fseek(file_, 0, SEEK_SET);
    position_ = 0;
    return true;
}

int BBFileStream::Eof() {
    if (!file_) return -1;
    return position_ >= length_ ? 1 : 0;
}

void BBFileStream::Close() {
    if (!file_) return;
    std::fclose(file_);
    file_ = nullptr;
    position_ = 0;
    length_ = 0;
}

int BBFileStream::Seek(int position) {
    if (!file_) return 0;
    std::fseek(file_, position, SEEK_SET);
    position_ = static_cast<int>(std::ftell(file_));
    return position_;
}

namespace {

// The part of [offset, offset+count) that lies inside the buffer.
int Clamp(BBDataBuffer* buffer, int offset, int count) {
    if (!buffer || offset < 0 || count <= 0 || offset >= buffer->Length()) return 0;
    return std::min(count, buffer->Length() - offset);
}

}  // namespace

int BBFileStream::Read(BBDataBuffer* buffer, int offset, int count) {
    if (!file_) return 0;
    count = Clamp(buffer, offset, count);
    if (count == 0) return 0;
    const int n = static_cast<int>(std::fread(buffer->WritePointer(offset), 1, count, file_));
    position_ += n;
    return n;
}

int BBFileStream::Write(BBDataBuffer* buffer, int offset, int count) {
    if (!file_) return 0;
    count = Clamp(buffer, offset, count);
    if (count == 0) return 0;
    const int n = static_cast<int>(std::fwrite(buffer->ReadPointer(offset), 1, count, file_));
    position_ += n;
    if (position_ > length_) length_ = position_;
    return n;
}

bool BBFileStream::Flush() {
    return file_ && std::fflush(file_) == 0;
}

void Stream::WriteString(const String& value, const String& encoding) {
    // Three bytes per character hold any encoding; for "utf8" the exact size
    // is cheaper to count than three times the text is to allocate.
    int size = 3 * value.Length();
    if (encoding == "utf8") {
        size = 0;
        for (char16_t c : value.View()) size += c < 0x80 ? 1 : c < 0x800 ? 2 : 3;
    }
    DataBuffer buffer(size);
    const int n = buffer.PokeString(0, value, encoding);
    WriteAll(&buffer, 0, n);
}

void Stream::WriteAll(BBDataBuffer* buffer, int offset, int count) {
    while (count > 0) {
        const int n = Write(buffer, offset, count);
        if (n <= 0) WriteError();
        offset += n;
        count -= n;
    }
}

void Stream::WriteError() {
    throw StreamWriteError(this);
}

FileStream* FileStream::Open(const String& path, const String& mode) {
    auto* stream = new BBFileStream;
    if (!stream->Open(path, mode == "a" ? String("u") : mode)) {
        delete stream;
        return nullptr;
    }
    if (mode == "a") stream->Seek(stream->Length());
    return new FileStream(stream);
}

FileStream::~FileStream() {
    Close();
}

int FileStream::Write(BBDataBuffer* buffer, int offset, int count) {
    return stream_ ? stream_->Write(buffer, offset, count) : 0;
}

void FileStream::Flush() {
    if (!stream_ || !stream_->Flush()) WriteError();
}

void FileStream::Close() {
    if (!stream_) return;
    delete stream_;
    stream_ = nullptr;
}

void WriteString(FileStream* stream, const String& value, const String& encoding) {
    if (stream) stream->WriteString(value, encoding);
}
