#pragma once

#include <cstdio>
#include <string>
#include <string_view>

// A Shift-JIS text file handed out line by line as wide text. Lines are split on bytes before
// decoding (CP932 trail bytes are never CR, LF or 0xFF): CR LF, LF CR, a lone CR and a lone LF
// each end one line, 0xFF ends a line and is dropped. The file is open only while the object
// lives, so a loader keeps it for one load.
class CSJisFile {
public:
    enum class Mode { Read, Write };

    CSJisFile() = default;
    ~CSJisFile();
    CSJisFile(const CSJisFile&) = delete;
    CSJisFile& operator=(const CSJisFile&) = delete;

    // Paths are wide text; on this platform they name UTF-8 file names. Write truncates.
    bool Open(std::wstring_view path, Mode mode);
    bool IsOpen() const { return file_ != nullptr; }
    // False when closing reports an error (buffered bytes that could not be written).
    bool Close();

    // The next line, converted and without its line end. At end of file returns false and
    // leaves `out` exactly as it was: callers keep the last line in their buffer.
    bool ReadString(std::wstring& out);

    // Raw bytes; Write reports a failed or short write as false.
    bool Write(std::string_view bytes);
    // True while no read error has occurred (end of file is not an error).
    bool Good() const { return !readError_; }

private:
    static constexpr int kBlockSize = 1024;

    bool FillBuffer();
    bool NextByte(unsigned char& byte);

    std::FILE* file_ = nullptr;
    int bufferedCount_ = 0;
    int readPosition_ = 0;
    bool readError_ = false;
    char buffer_[kBlockSize] = {};
};

// Writes `text` as CP932 bytes, without terminator or line end; false on a write error.
bool WriteSJisString(std::wstring_view text, CSJisFile& file);
