#include "csv/CsvWriter.h"

#include <cerrno>
#include <cstring>
#include <fstream>
#include <system_error>

namespace csv {

std::string Field(std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        return std::string(text);
    }
    std::string quoted = "\"";
    for (char c : text) {
        if (c == '"') {
            quoted += '"';
        }
        quoted += c;
    }
    quoted += '"';
    return quoted;
}

void AppendField(std::string& out, std::string_view text) {
    if (text.find_first_of(",\"\r\n") == std::string_view::npos) {
        out.append(text);
        return;
    }
    out += '"';
    for (char c : text) {
        if (c == '"') {
            out += '"';
        }
        out += c;
    }
    out += '"';
}

std::string Record(const std::vector<std::string>& fields) {
    std::string line;
    for (std::size_t i = 0; i < fields.size(); ++i) {
        if (i > 0) {
            line += ',';
        }
        line += Field(fields[i]);
    }
    line += "\r\n";
    return line;
}

Document::Document(const std::vector<std::string>& header) : text_(Record(header)) {}

void Document::Add(const std::vector<std::string>& fields) {
    text_ += Record(fields);
}

bool WriteFile(const std::filesystem::path& target, const std::string& text, std::string& error) {
    const std::filesystem::path part =
        target.parent_path() / ("." + target.filename().string() + ".part");
    {
        std::ofstream out(part, std::ios::binary | std::ios::trunc);
        if (!out) {
            error = "cannot write " + target.string() + ": " + std::strerror(errno);
            return false;
        }
        out.write(text.data(), static_cast<std::streamsize>(text.size()));
        out.flush();
        if (!out) {
            error = "cannot write " + target.string();
            out.close();
            std::error_code ignored;
            std::filesystem::remove(part, ignored);
            return false;
        }
    }
    std::error_code failed;
    std::filesystem::rename(part, target, failed);
    if (failed) {
        error = "cannot write " + target.string() + ": " + failed.message();
        std::filesystem::remove(part, failed);
        return false;
    }
    return true;
}

}  // namespace csv
