// Native file streams and the framework's Stream layer over them.
#pragma once

#include <cstdio>

#include "framework/files/data_buffer.h"
#include "runtime/error.h"
#include "runtime/string.h"

class BBStream {
public:
    virtual ~BBStream() = default;
    virtual int Eof() { return 0; }
    virtual void Close() {}
    virtual int Length() { return 0; }
    virtual int Position() { return 0; }
    virtual int Seek(int position) { (void)position; return 0; }
    virtual int Read(BBDataBuffer* buffer, int offset, int count) {
        (void)buffer, (void)offset, (void)count;
        return 0;
    }
    virtual int Write(BBDataBuffer* buffer, int offset, int count) {
        (void)buffer, (void)offset, (void)count;
        return 0;
    }
};

class BBFileStream : public BBStream {
public:
    BBFileStream() = default;
    BBFileStream(const BBFileStream&) = delete;
    BBFileStream& operator=(const BBFileStream&) = delete;
    ~BBFileStream() override;

    // Mode "r" (read), "w" (create or empty, write) or "u" (read and write,
    // created when missing). False when already open, on another mode, or when
    // the file cannot be opened.
    bool Open(const String& path, const String& mode);

    // 1 at the end, 0 before it, -1 with no file.
    int Eof() override;
    void Close() override;
    int Length() override { return length_; }
    int Position() override { return position_; }
    int Seek(int position) override;
    // Transfer up to count bytes at byte offset of the buffer (clamped to the
    // buffer); the number transferred, 0 with no file.
    int Read(BBDataBuffer* buffer, int offset, int count) override;
    int Write(BBDataBuffer* buffer, int offset, int count) override;
    // Pushes buffered bytes to the file; false when the file refuses them.
    bool Flush();

private:
    std::FILE* file_ = nullptr;
    int position_ = 0;
    int length_ = 0;
};

class Stream;

class StreamError : public ThrowableObject {
public:
    explicit StreamError(Stream* stream) : stream_(stream) {}
    Stream* GetStream() const { return stream_; }

private:
    Stream* stream_;
};

class StreamWriteError : public StreamError {
public:
    using StreamError::StreamError;
    const char* what() const noexcept override { return "Stream write error"; }
};

class Stream {
public:
    virtual ~Stream() = default;
    virtual int Write(BBDataBuffer* buffer, int offset, int count) = 0;
    virtual void Close() = 0;

    // Encodes the string ("utf8" or "ascii") and writes all of it.
    void WriteString(const String& value, const String& encoding = "utf8");
    // Writes all of the byte range; throws StreamWriteError when a write
    // transfers nothing.
    void WriteAll(BBDataBuffer* buffer, int offset, int count);
    [[noreturn]] void WriteError();
};

class FileStream : public Stream {
public:
    // Mode "r", "w", "u" or "a" (read and write from the end, created when
    // missing); null when the file cannot be opened.
    static FileStream* Open(const String& path, const String& mode);
    ~FileStream() override;

    int Write(BBDataBuffer* buffer, int offset, int count) override;
    // Writes buffered bytes through; a refused write (a full disk, say) only
    // shows here, so it raises StreamWriteError like a short write does.
    void Flush();
    // Closes the file; the stream must not be written afterwards.
    void Close() override;
    BBFileStream* Native() const { return stream_; }

private:
    explicit FileStream(BBFileStream* stream) : stream_(stream) {}
    BBFileStream* stream_;
};

// stream->WriteString(value, encoding).
void WriteString(FileStream* stream, const String& value, const String& encoding = "utf8");
