#include "zeviza/ErrorLog.h"

#include <cstdio>
#include <ctime>
#include <fstream>

#include "src/OwnerOnly.h"

namespace zeviza {

namespace {

const std::string kEol = "\r\n";
const std::string kDashes = "%" + std::string(51, '-') + "%";
const std::string kSpaces = "%" + std::string(51, ' ') + "%";
const std::string kShortDashes = "%" + std::string(33, '-') + "%";

std::string Banner(LogEntryKind kind) {
    return kind == LogEntryKind::ConstructionFailure
               ? std::string(13, ' ') + "Parlow Manager - Error Log"
               : std::string(16, ' ') + "Parlow - Error Log";
}

std::string ErrorText(LogEntryKind kind, long number, bool fileIsNew) {
    if (kind == LogEntryKind::Program) {
        // A number that is not negative keeps a blank where the sign would be.
        return "Error:" + std::string(number >= 0 ? " " : "") + std::to_string(number);
    }
    return std::string(fileIsNew ? " " : "") + "Error: " + std::to_string(number);
}

}  // namespace

std::string DateTimeText(Clock::time_point when) {
    const std::time_t t = Clock::to_time_t(when);
    std::tm local{};
    localtime_r(&t, &local);
    char buffer[32];
    std::strftime(buffer, sizeof buffer, "%Y-%m-%d %H:%M:%S", &local);
    return buffer;
}

std::filesystem::path ErrorLogPath(const std::filesystem::path& folder) {
    return folder / "error.log";
}

void AppendErrorLog(const std::filesystem::path& folder, LogEntryKind kind, long number,
                    const std::string& description, const std::string& label,
                    Clock::time_point when) {
    try {
        const auto path = ErrorLogPath(folder);
        std::error_code ec;
        const bool fileIsNew = !std::filesystem::exists(path, ec);

        std::string entry;
        auto line = [&entry](const std::string& text) { entry += text + kEol; };
        if (fileIsNew) {
            line(kDashes);
            line(Banner(kind));
            line(kDashes);
        }
        line(kSpaces);
        if (kind == LogEntryKind::ConstructionFailure && !fileIsNew) {
            line("% Error Information %");
        }
        line(DateTimeText(when) + " " + ErrorText(kind, number, fileIsNew));
        line(kind == LogEntryKind::ConstructionFailure ? "Initialize Database Connection" : label);
        line(kind == LogEntryKind::Program ? "---" : kDashes);
        line(description);
        line(kind == LogEntryKind::ConstructionFailure ? kShortDashes : kDashes);

        // One write of the whole entry, so a full disk leaves no half entry
        // behind more often than the file system itself would.
        // Owner-only, like the database it speaks of; never written through a link.
        detail::TouchOwnerOnly(path, ec);
        if (ec) {
            return;
        }
        std::ofstream out(path, std::ios::binary | std::ios::app);
        out << entry;
    } catch (...) {
        // The log is a courtesy; a folder that cannot be written stops nothing.
    }
}

}  // namespace zeviza
