#include "tests/support/ProgramFolder.h"

#include <SQLiteCpp/Statement.h>
#include <unistd.h>

#include <atomic>
#include <fstream>
#include <sstream>

namespace testing_support {

namespace {
std::atomic<int> counter{0};
}

ProgramFolder::ProgramFolder() {
    path_ = std::filesystem::temp_directory_path() /
            ("parlow-test-" + std::to_string(::getpid()) + "-" + std::to_string(counter++));
    std::filesystem::remove_all(path_);
    std::filesystem::create_directories(path_ / "green");
    std::filesystem::copy_file(PARLOW_SHIPPED_DATABASE, Database());
    std::filesystem::permissions(
        Database(), std::filesystem::perms::owner_read | std::filesystem::perms::owner_write);
}

ProgramFolder::~ProgramFolder() {
    std::error_code ec;
    std::filesystem::permissions(path_, std::filesystem::perms::owner_all, ec);
    std::filesystem::remove_all(path_, ec);
}

std::string ReadFile(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

std::string ProgramFolder::ReadErrorLog() const {
    return ReadFile(ErrorLog());
}

SQLite::Database ProgramFolder::Open() const {
    return SQLite::Database(Database().string(), SQLite::OPEN_READWRITE);
}

long long ProgramFolder::Count(const std::string& sql) const {
    auto db = Open();
    return db.execAndGet(sql).getInt64();
}

std::string ProgramFolder::Text(const std::string& sql) const {
    auto db = Open();
    return db.execAndGet(sql).getString();
}

double ProgramFolder::Real(const std::string& sql) const {
    auto db = Open();
    return db.execAndGet(sql).getDouble();
}

void ProgramFolder::Exec(const std::string& sql) const {
    auto db = Open();
    db.exec(sql);
}

}  // namespace testing_support
