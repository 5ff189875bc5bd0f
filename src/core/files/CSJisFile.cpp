// SPDX-License-Identifier: GPL-3.0-or-later
#include "files/CSJisFile.h"

#include "files/NativePath.h"
#include "files/RegularFile.h"
#include "text/SJisCodec.h"

CSJisFile::~CSJisFile() {
    Close();
}

bool CSJisFile::Open(std::wstring_view path, Mode mode) {
    Close();
    readError_ = false;
    if (mode == Mode::Write) {
        file_ = std::fopen(NativePath(path).c_str(), "wb");
        return file_ != nullptr;
    }
    const FileRead read = ReadRegularFile(path, bytes_);
    if (read == FileRead::Missing || read == FileRead::Refused) {
        return false;
    }
    // The lines read before an error are still handed out; Good() tells the caller.
    readError_ = read == FileRead::ReadError;
    lines_.emplace(bytes_);
    return true;
}

bool CSJisFile::Close() {
    lines_.reset();
    bytes_.clear();
    if (file_ == nullptr) {
        return true;
    }
    const bool ok = std::fclose(file_) == 0;
    file_ = nullptr;
    return ok;
}

bool CSJisFile::ReadString(std::wstring& out) {
    return lines_ && lines_->ReadString(out);
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
