#pragma once
// Comma-separated text read as RFC 4180 writes it, and as spreadsheets save
// it: CRLF or LF between records, quoted fields holding commas, quotes
// (doubled) and line breaks, a UTF-8 byte order mark before the header
// passed over. No windows and no database: any import can share it.
#include <cstddef>
#include <filesystem>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

struct Table {
    std::vector<std::string> header;
    std::vector<std::vector<std::string>> rows;
    // The file's line each row starts on (the header is line 1), for
    // messages: a quoted line break makes rows and lines part ways.
    std::vector<std::size_t> lines;

    // The header's position of `column`, or none.
    std::optional<std::size_t> ColumnOf(std::string_view column) const;
};

// Empty text gives a table with no header. On malformed text (a quote left
// open, text after a closing quote) `error` names the line and nothing is
// returned.
std::optional<Table> ReadText(std::string_view text, std::string& error);

// The whole file, or none with `error` saying why in one line.
std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::string& error);

}  // namespace csv
