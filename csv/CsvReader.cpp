#include "csv/CsvReader.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <sstream>

namespace csv {

namespace {

constexpr std::string_view kByteOrderMark = "\xEF\xBB\xBF";

class Parser {
  public:
    explicit Parser(std::string_view text) : text_(text) {
        if (text_.substr(0, kByteOrderMark.size()) == kByteOrderMark) {
            text_.remove_prefix(kByteOrderMark.size());
        }
    }

    std::optional<Table> Run(std::string& error) {
        Table table;
        std::vector<std::string> record;
        while (at_ < text_.size()) {
            const std::size_t startLine = line_;
            if (!ReadRecord(record, error)) {
                return std::nullopt;
            }
            if (!headerTaken_) {
                table.header = std::move(record);
                headerTaken_ = true;
            } else if (!(record.size() == 1 && record[0].empty())) {
                // A blank line (a trailing one above all) is no record.
                table.rows.push_back(std::move(record));
                table.lines.push_back(startLine);
            }
            record.clear();
        }
        return table;
    }

  private:
    bool ReadRecord(std::vector<std::string>& record, std::string& error) {
        for (;;) {
            std::string field;
            if (at_ < text_.size() && text_[at_] == '"') {
                if (!ReadQuoted(field, error)) {
                    return false;
                }
            } else {
                ReadPlain(field);
            }
            record.push_back(std::move(field));
            if (at_ >= text_.size()) {
                return true;
            }
            const char next = text_[at_++];
            if (next == ',') {
                continue;
            }
            if (next == '\r' && at_ < text_.size() && text_[at_] == '\n') {
                ++at_;
            }
            ++line_;
            return true;
        }
    }

    void ReadPlain(std::string& field) {
        const std::size_t end = text_.find_first_of(",\r\n", at_);
        const std::size_t stop = end == std::string_view::npos ? text_.size() : end;
        field.assign(text_.substr(at_, stop - at_));
        at_ = stop;
    }

    bool ReadQuoted(std::string& field, std::string& error) {
        const std::size_t openedOn = line_;
        ++at_;
        for (;;) {
            const std::size_t quote = text_.find('"', at_);
            if (quote == std::string_view::npos) {
                error = "line " + std::to_string(openedOn) + ": a quoted field is never closed";
                return false;
            }
            const std::string_view part = text_.substr(at_, quote - at_);
            for (std::size_t i = 0; i < part.size(); ++i) {
                // CRLF counts as one line, a lone CR or LF as one too.
                if (part[i] == '\n' && (i == 0 || part[i - 1] != '\r')) {
                    ++line_;
                } else if (part[i] == '\r') {
                    ++line_;
                }
            }
            field.append(part);
            at_ = quote + 1;
            if (at_ < text_.size() && text_[at_] == '"') {
                field += '"';
                ++at_;
                continue;
            }
            if (at_ < text_.size() && text_.find_first_of(",\r\n", at_) != at_) {
                error = "line " + std::to_string(line_) + ": text after a closing quote";
                return false;
            }
            return true;
        }
    }

    std::string_view text_;
    std::size_t at_ = 0;
    std::size_t line_ = 1;
    bool headerTaken_ = false;
};

}  // namespace

std::optional<std::size_t> Table::ColumnOf(std::string_view column) const {
    for (std::size_t i = 0; i < header.size(); ++i) {
        if (header[i] == column) {
            return i;
        }
    }
    return std::nullopt;
}

std::optional<Table> ReadText(std::string_view text, std::string& error) {
    return Parser(text).Run(error);
}

std::optional<std::string> ReadWholeFile(const std::filesystem::path& file, std::string& error) {
    std::error_code status;
    if (!std::filesystem::is_regular_file(file, status)) {
        error = "cannot read " + file.string() + ": " +
                (std::filesystem::exists(file, status) ? "not a regular file" : "no such file");
        return std::nullopt;
    }
    std::ifstream in(file, std::ios::binary);
    if (!in) {
        error = "cannot read " + file.string() + ": " + std::strerror(errno);
        return std::nullopt;
    }
    std::ostringstream text;
    text << in.rdbuf();
    if (in.bad()) {
        error = "cannot read " + file.string();
        return std::nullopt;
    }
    return text.str();
}

}  // namespace csv
