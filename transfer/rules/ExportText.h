#pragma once
// The CSV exports of the log's records: which there are, what each file is
// called, and the text itself (RFC 4180, UTF-8, the database's own column
// names in the header, numbers with a point, dates as YYYY-MM-DD and a play
// date's time only when it is not midnight).
#include <array>
#include <chrono>
#include <optional>
#include <string>
#include <string_view>

#include "zeviza/Putt.h"

namespace parlow::transfer {

struct ExportChoice {
    const char* name;  // as the command line and the file name give it
    zeviza::Putt::ExportKind kind;
};

inline constexpr std::array<ExportChoice, 4> kExportChoices = {{
    {"golfers", zeviza::Putt::ExportKind::Golfers},
    {"courses", zeviza::Putt::ExportKind::Courses},
    {"games", zeviza::Putt::ExportKind::Games},
    {"statistics", zeviza::Putt::ExportKind::Statistics},
}};

std::optional<zeviza::Putt::ExportKind> ExportKindNamed(std::string_view name);

// "Parlow games 2026-12-10.csv"
std::string ProposedFileName(std::string_view what, std::chrono::year_month_day today);

// A stored cell as the file shows it: a date without its time (a play date
// keeps a time that is not midnight), anything else unchanged.
std::string_view ExportedCell(std::string_view column, std::string_view stored);

// The whole file's text, read with one statement. A failed read throws.
std::string ExportCsv(zeviza::Putt& putt, zeviza::Putt::ExportKind kind);

}  // namespace parlow::transfer
