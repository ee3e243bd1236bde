#include "transfer/rules/ExportText.h"

#include <cstdio>
#include <vector>

#include "csv/CsvWriter.h"

namespace parlow::transfer {

namespace {

constexpr std::string_view kMidnight = " 00:00:00";

bool IsDateColumn(std::string_view column) {
    return column.size() >= 4 && column.substr(column.size() - 4) == "Date";
}

// "YYYY-MM-DD" followed by a time, as every stored date and time is.
bool HasTime(std::string_view stored) {
    return stored.size() > 10 && stored[4] == '-' && stored[7] == '-' && stored[10] == ' ';
}

}  // namespace

std::optional<zeviza::Putt::ExportKind> ExportKindNamed(std::string_view name) {
    for (const ExportChoice& choice : kExportChoices) {
        if (name == choice.name) {
            return choice.kind;
        }
    }
    return std::nullopt;
}

std::string ProposedFileName(std::string_view what, std::chrono::year_month_day today) {
    char date[16];
    std::snprintf(date, sizeof date, "%04d-%02u-%02u", static_cast<int>(today.year()),
                  static_cast<unsigned>(today.month()), static_cast<unsigned>(today.day()));
    return "Parlow " + std::string(what) + " " + date + ".csv";
}

std::string_view ExportedCell(std::string_view column, std::string_view stored) {
    if (!IsDateColumn(column) || !HasTime(stored)) {
        return stored;
    }
    if (column == "PlayDate" && stored.substr(10) != kMidnight) {
        return stored;
    }
    return stored.substr(0, 10);
}

std::string ExportCsv(zeviza::Putt& putt, zeviza::Putt::ExportKind kind) {
    std::vector<std::string> header;
    std::vector<bool> dates;
    std::string text;
    putt.ReadExportRows(kind, header, [&](const zeviza::Putt::ExportRow& row) {
        if (text.empty()) {
            text = csv::Record(header);
            for (const std::string& column : header) {
                dates.push_back(IsDateColumn(column));
            }
        }
        for (std::size_t i = 0; i < row.size(); ++i) {
            if (i > 0) {
                text += ',';
            }
            csv::AppendField(text, dates[i] ? ExportedCell(header[i], row[i]) : row[i]);
        }
        text += "\r\n";
    });
    // A kind without rows is still its header.
    return text.empty() ? csv::Record(header) : text;
}

}  // namespace parlow::transfer
