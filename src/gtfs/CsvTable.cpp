// SPDX-License-Identifier: GPL-3.0-or-later
#include "gtfs/CsvTable.h"

#include <csv.h>

#include <algorithm>

#include "gtfs/GtfsError.h"
#include "text/SJisCodec.h"

namespace {

constexpr std::size_t kChunkSize = 1 << 16;
// The parser grows its field buffer by this much at a time: a long field takes a few
// reallocations, not thousands.
constexpr std::size_t kParserBlock = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";
constexpr std::string_view kMaxLineText = "1 MiB";
// Every line end is reported, so that blank lines still count in the line numbers. Strict
// parsing stops at text after a closing quote, which would otherwise run on into later lines.
constexpr unsigned char kLenient = CSV_REPALL_NL;
constexpr unsigned char kStrict = CSV_REPALL_NL | CSV_STRICT | CSV_STRICT_FINI;

void OnField(void* bytes, std::size_t size, void* table) {
    static_cast<CsvTable*>(table)->AddField(static_cast<const char*>(bytes), size);
}

void OnRecordEnd(int terminator, void* table) {
    static_cast<CsvTable*>(table)->EndRecord(terminator);
}

// CR LF, LF and a lone CR each end a line, as they do outside quotes.
long CountLineEnds(std::string_view text) {
    long count = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        if (text[i] == '\n' || (text[i] == '\r' && (i + 1 == text.size() || text[i + 1] != '\n'))) {
            ++count;
        }
    }
    return count;
}

bool IsUtf16ByteOrderMark(std::string_view input) {
    return input.starts_with("\xFF\xFE") || input.starts_with("\xFE\xFF");
}

// Whether the bytes from a fault to the end of its line read as Shift-JIS, the usual encoding
// of a Japanese feed saved by a spreadsheet. A character cut by the end of the window is
// forgiven.
bool LooksLikeShiftJis(std::string_view rest) {
    constexpr std::size_t kWindow = 64;
    const std::size_t lineEnd =
        std::min(rest.find_first_of("\r\n"), std::min(rest.size(), kWindow));
    const std::string_view window = rest.substr(0, lineEnd);
    const bool cut = lineEnd == kWindow || lineEnd == rest.size();
    return ToWideStrict(window) ||
           (cut && window.size() > 1 && ToWideStrict(window.substr(0, window.size() - 1)));
}

}  // namespace

void CsvTable::ParserFree::operator()(csv_parser* parser) const {
    csv_free(parser);
    delete parser;
}

CsvTable::CsvTable(const FeedSource& feed, std::string name)
    : name_(std::move(name)),
      stream_(feed.Open(name_)),
      parser_(new csv_parser()),
      chunk_(kChunkSize) {
    if (!stream_) {
        throw GtfsError("the feed has no " + name_);
    }
    if (csv_init(parser_.get(), kStrict) != 0) {
        throw GtfsError(name_ + ": cannot start the CSV parser");
    }
    csv_set_blk_size(parser_.get(), kParserBlock);
    // The header's names are taken as soon as it is parsed, so that faults later in the
    // same chunk can name their column.
    if (!Next()) {
        throw GtfsError(name_ + " is empty: it needs a header line");
    }
}

CsvTable::~CsvTable() = default;

std::optional<std::size_t> CsvTable::FindColumn(std::string_view column) const {
    const auto it = columns_.find(std::string(column));
    return it == columns_.end() ? std::nullopt : std::optional<std::size_t>(it->second);
}

std::size_t CsvTable::Column(std::string_view column) const {
    const std::optional<std::size_t> found = FindColumn(column);
    if (!found) {
        throw GtfsError(name_, 1, column, "required column missing");
    }
    return *found;
}

bool CsvTable::Next() {
    if (nextRecord_ == records_.size() && !Refill()) {
        current_ = nullptr;
        return false;
    }
    current_ = &records_[nextRecord_++];
    line_ = current_->line;
    return true;
}

std::string_view CsvTable::Field(std::size_t column) const {
    if (current_ == nullptr || column >= current_->fieldCount) {
        return {};
    }
    const FieldSpan& span = fields_[current_->firstField + column];
    return std::string_view(bytes_).substr(span.offset, span.size);
}

std::string_view CsvTable::Field(const std::optional<std::size_t>& column) const {
    return column ? Field(*column) : std::string_view();
}

void CsvTable::Fail(std::size_t column, std::string_view message) const {
    const std::string_view name =
        column < columnNames_.size() ? std::string_view(columnNames_[column]) : "";
    throw GtfsError(name_, line_, name, message);
}

void CsvTable::AddField(const char* bytes, std::size_t size) {
    if (fields_.size() == pendingFirstField_) {
        recordLine_ = fieldLine_;
    }
    fields_.push_back(
        {static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(size)});
    bytes_.append(bytes, size);
    if (fieldsMayBreakLines_) {
        fieldLine_ += CountLineEnds(std::string_view(bytes, size));
    }
}

void CsvTable::EndRecord(int terminator) {
    const std::size_t count = fields_.size() - pendingFirstField_;
    // The LF of a CR LF pair arrives as an empty record of its own: not another line.
    const bool secondHalfOfCrLf = count == 0 && terminator == '\n' && lastTerminator_ == '\r';
    lastTerminator_ = terminator;
    if (count > 0) {
        if (!headerRead_) {
            TakeHeader(count);
        }
        records_.push_back({pendingFirstField_, count, recordLine_});
        pendingFirstField_ = fields_.size();
    }
    if (!secondHalfOfCrLf) {
        ++fieldLine_;
    }
}

void CsvTable::TakeHeader(std::size_t count) {
    for (std::size_t i = 0; i < count; ++i) {
        const FieldSpan& span = fields_[pendingFirstField_ + i];
        std::string column = bytes_.substr(span.offset, span.size);
        columns_.emplace(column, i);
        columnNames_.push_back(std::move(column));
    }
    headerRead_ = true;
}

// Parses chunks until at least one whole record is ready; false at the end of the file.
bool CsvTable::Refill() {
    DropConsumed();
    while (records_.empty() && !finished_) {
        const std::size_t got = stream_->Read(chunk_.data(), chunk_.size());
        std::string_view input(chunk_.data(), got);
        if (firstChunk_) {
            if (IsUtf16ByteOrderMark(input)) {
                throw GtfsError(name_ + ": not UTF-8 (it looks like UTF-16); save it as UTF-8");
            }
            if (input.starts_with(kByteOrderMark)) {
                input.remove_prefix(kByteOrderMark.size());
            }
            firstChunk_ = false;
        }
        if (got == 0) {
            Finish();
        } else {
            Feed(input);
        }
    }
    return !records_.empty();
}

// Parses the text up to its first byte that is not UTF-8, so that the lines before it count.
void CsvTable::Feed(std::string_view input) {
    const std::size_t fault = utf8_.FirstFault(input);
    Parse(input.substr(0, fault));
    if (fault < input.size()) {
        FailEncoding(input.substr(fault));
    }
}

void CsvTable::Parse(std::string_view input) {
    fieldsMayBreakLines_ = parser_->quoted != 0 || input.find('"') != std::string_view::npos;
    std::size_t done = 0;
    while (done < input.size()) {
        done += csv_parse(parser_.get(), input.data() + done, input.size() - done, OnField,
                          OnRecordEnd, this);
        if (done < input.size()) {
            done += ResumeAfterFault(input.substr(done));
        }
    }
    CheckPendingSize();
}

// The strict parser stops at any stray quote. One inside an unquoted field (本町 "東口") is
// plain text and taken as it stands; one that ends a quoted field too early is refused.
std::size_t CsvTable::ResumeAfterFault(std::string_view rest) {
    const int error = csv_error(parser_.get());
    if (error != CSV_EPARSE) {
        throw GtfsError(name_ + ": " + csv_strerror(error));
    }
    if (parser_->quoted != 0) {
        FailInOpenField(
            "the quoted field that begins here goes on after its closing quote (a quote "
            "inside a quoted field is written \"\")");
    }
    csv_set_opts(parser_.get(), kLenient);
    const std::size_t taken = csv_parse(parser_.get(), rest.data(), 1, OnField, OnRecordEnd, this);
    csv_set_opts(parser_.get(), kStrict);
    if (taken != 1) {
        throw GtfsError(name_ + ": " + csv_strerror(csv_error(parser_.get())));
    }
    return taken;
}

// Refuses a line before it can take more than its bound in memory: a field still open counts
// as it grows, and each field of the line counts at least one byte.
void CsvTable::CheckPendingSize() const {
    const std::size_t open = parser_->entry_pos;
    if (open > kMaxLineBytes) {
        FailInOpenField(parser_->quoted != 0 ? "a field over " + std::string(kMaxLineText) +
                                                   " begins here: is its closing quote missing?"
                                             : "a field over " + std::string(kMaxLineText));
    }
    const std::size_t fieldCount = fields_.size() - pendingFirstField_;
    const std::size_t fieldBytes =
        fieldCount == 0 ? 0 : bytes_.size() - fields_[pendingFirstField_].offset;
    if (open + fieldBytes + fieldCount > kMaxLineBytes) {
        throw GtfsError(name_, fieldCount == 0 ? fieldLine_ : recordLine_, "",
                        "a line over " + std::string(kMaxLineText));
    }
}

void CsvTable::Finish() {
    if (utf8_.InsideCharacter()) {
        FailEncoding({});
    }
    if (csv_fini(parser_.get(), OnField, OnRecordEnd, this) != 0) {
        FailInOpenField("the quoted field that begins here is never closed");
    }
    finished_ = true;
}

// The line the parser has reached: where the open field began, plus its line ends so far.
long CsvTable::ParserLine() const {
    const std::string_view open(reinterpret_cast<const char*>(parser_->entry_buf),
                                parser_->entry_pos);
    return fieldLine_ + CountLineEnds(open);
}

std::string_view CsvTable::OpenColumn() const {
    const std::size_t index = fields_.size() - pendingFirstField_;
    return index < columnNames_.size() ? std::string_view(columnNames_[index]) : "";
}

void CsvTable::FailInOpenField(std::string_view message) const {
    throw GtfsError(name_, fieldLine_, OpenColumn(), message);
}

void CsvTable::FailEncoding(std::string_view rest) const {
    const long line = ParserLine();
    if (!rest.empty() && rest.front() == '\0') {
        if (line == 1) {
            throw GtfsError(name_ + ": not UTF-8 (it looks like UTF-16); save it as UTF-8");
        }
        throw GtfsError(name_, line, OpenColumn(), "not text (a NUL byte); save it as UTF-8");
    }
    throw GtfsError(name_, line, OpenColumn(),
                    LooksLikeShiftJis(rest)
                        ? "not UTF-8 (it looks like Shift-JIS); save it as UTF-8"
                        : "not UTF-8; save it as UTF-8");
}

// Forgets the records handed out, keeping the fields of a record cut by the chunk's end.
void CsvTable::DropConsumed() {
    const std::size_t keptOffset =
        pendingFirstField_ < fields_.size() ? fields_[pendingFirstField_].offset : bytes_.size();
    bytes_.erase(0, keptOffset);
    fields_.erase(fields_.begin(),
                  fields_.begin() + static_cast<std::ptrdiff_t>(pendingFirstField_));
    for (FieldSpan& span : fields_) {
        span.offset -= static_cast<std::uint32_t>(keptOffset);
    }
    pendingFirstField_ = 0;
    records_.clear();
    nextRecord_ = 0;
}
