#pragma once
// Comma-separated text as RFC 4180 lays it down: CRLF after every record,
// fields quoted when they hold a comma, a quote, CR or LF, quotes doubled.
// No windows and no database: any export can share it.
#include <filesystem>
#include <string>
#include <string_view>
#include <vector>

namespace csv {

std::string Field(std::string_view text);
// Field(text) added to the end of `out`, without a string of its own: what a
// long export writes row after row.
void AppendField(std::string& out, std::string_view text);
std::string Record(const std::vector<std::string>& fields);

class Document {
  public:
    explicit Document(const std::vector<std::string>& header);
    void Add(const std::vector<std::string>& fields);
    const std::string& Text() const { return text_; }

  private:
    std::string text_;
};

// Writes the whole text or nothing: into a hidden file beside the target,
// renamed over it once complete. On failure `error` says why, in one line.
bool WriteFile(const std::filesystem::path& target, const std::string& text, std::string& error);

}  // namespace csv
