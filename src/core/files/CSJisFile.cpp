#include "files/CSJisFile.h"

#include "text/SJisCodec.h"
#include "text/WideText.h"

CSJisFile::~CSJisFile() {
    Close();
}

bool CSJisFile::Open(std::wstring_view path, Mode mode) {
    Close();
    const std::string name = wtext::WideToUtf8(path);
    file_ = std::fopen(name.c_str(), mode == Mode::Read ? "rb" : "wb");
    bufferedCount_ = 0;
    readPosition_ = 0;
    readError_ = false;
    return file_ != nullptr;
}

bool CSJisFile::Close() {
    if (file_ == nullptr) {
        return true;
    }
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool CSJisFile::FillBuffer() {
    if (file_ == nullptr) {
        return false;
    }
    const std::size_t n = std::fread(buffer_, 1, kBlockSize, file_);
    if (n == 0) {
        readError_ = readError_ || std::ferror(file_) != 0;
        return false;
    }
    bufferedCount_ = static_cast<int>(n);
    readPosition_ = 0;
    return true;
}

bool CSJisFile::NextByte(unsigned char& byte) {
    if (readPosition_ >= bufferedCount_ && !FillBuffer()) {
        return false;
    }
    byte = static_cast<unsigned char>(buffer_[readPosition_++]);
    return true;
}

bool CSJisFile::ReadString(std::wstring& out) {
    if ((bufferedCount_ == 0 || readPosition_ >= bufferedCount_) && !FillBuffer()) {
        return false;
    }
    // Long lines are read whole: the line grows instead of being cut at a block.
    std::string line;
    unsigned char byte = 0;
    while (NextByte(byte)) {
        if (byte == 0xFF) {
            break;
        }
        if (byte == 0x0A || byte == 0x0D) {
            const unsigned char partner = byte == 0x0A ? 0x0D : 0x0A;
            unsigned char next = 0;
            if (NextByte(next) && next != partner) {
                --readPosition_;  // NextByte just filled or advanced the buffer; step back
            }
            break;
        }
        line.push_back(static_cast<char>(byte));
    }
    out = ToWide(line);
    return true;
}

bool CSJisFile::Write(std::string_view bytes) {
    if (file_ == nullptr) {
        return false;
    }
    if (bytes.empty()) {
        return true;
    }
    return std::fwrite(bytes.data(), 1, bytes.size(), file_) == bytes.size();
}

bool WriteSJisString(std::wstring_view text, CSJisFile& file) {
    return file.Write(ToSJis(text));
}
