#include "gtfs/CsvTable.h"

#include <csv.h>

#include <algorithm>

#include "gtfs/GtfsError.h"

namespace {

constexpr std::size_t kChunkSize = 1 << 16;
constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

void OnField(void* bytes, std::size_t size, void* table) {
    static_cast<CsvTable*>(table)->AddField(static_cast<const char*>(bytes), size);
}

void OnRecordEnd(int terminator, void* table) {
    static_cast<CsvTable*>(table)->EndRecord(terminator);
}

}  // namespace

CsvTable::CsvTable(const FeedSource& feed, std::string name)
    : name_(std::move(name)),
      stream_(feed.Open(name_)),
      parser_(std::make_unique<csv_parser>()),
      chunk_(kChunkSize) {
    if (!stream_) {
        throw GtfsError("the feed has no " + name_);
    }
    // Every line end is reported, so that blank lines still count in the line numbers.
    if (csv_init(parser_.get(), CSV_REPALL_NL) != 0) {
        throw GtfsError(name_ + ": cannot start the CSV parser");
    }
    if (!Next()) {
        throw GtfsError(name_ + " is empty: it needs a header line");
    }
    for (std::size_t i = 0; i < current_->fieldCount; ++i) {
        std::string column(Field(i));
        columns_.emplace(column, i);
        columnNames_.push_back(std::move(column));
    }
}

CsvTable::~CsvTable() {
    csv_free(parser_.get());
}

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
    fields_.push_back(
        {static_cast<std::uint32_t>(bytes_.size()), static_cast<std::uint32_t>(size)});
    bytes_.append(bytes, size);
}

void CsvTable::EndRecord(int terminator) {
    const std::size_t count = fields_.size() - pendingFirstField_;
    // The LF of a CR LF pair arrives as an empty record of its own: not another line.
    const bool secondHalfOfCrLf = count == 0 && terminator == '\n' && lastTerminator_ == '\r';
    lastTerminator_ = terminator;
    if (!secondHalfOfCrLf) {
        ++physicalLine_;
    }
    if (count > 0) {
        records_.push_back({pendingFirstField_, count, physicalLine_});
        pendingFirstField_ = fields_.size();
    }
}

// Parses chunks until at least one whole record is ready; false at the end of the file.
bool CsvTable::Refill() {
    DropConsumed();
    while (records_.empty() && !finished_) {
        std::size_t got = stream_->Read(chunk_.data(), chunk_.size());
        std::string_view input(chunk_.data(), got);
        if (firstChunk_ && input.starts_with(kByteOrderMark)) {
            input.remove_prefix(kByteOrderMark.size());
        }
        firstChunk_ = false;
        if (got == 0) {
            csv_fini(parser_.get(), OnField, OnRecordEnd, this);
            finished_ = true;
        } else if (csv_parse(parser_.get(), input.data(), input.size(), OnField, OnRecordEnd,
                             this) != input.size()) {
            throw GtfsError(name_ + ": " + csv_strerror(csv_error(parser_.get())));
        }
    }
    return !records_.empty();
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
