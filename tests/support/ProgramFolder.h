#pragma once
// A temporary program folder holding a fresh copy of the shipped database,
// removed again when the test ends.
#include <SQLiteCpp/Database.h>

#include <filesystem>
#include <string>

namespace testing_support {

class ProgramFolder {
  public:
    ProgramFolder();
    ~ProgramFolder();
    ProgramFolder(const ProgramFolder&) = delete;
    ProgramFolder& operator=(const ProgramFolder&) = delete;

    const std::filesystem::path& Path() const { return path_; }
    std::filesystem::path Database() const { return path_ / "green" / "parlow.plg"; }
    std::filesystem::path ErrorLog() const { return path_ / "error.log"; }
    std::string ReadErrorLog() const;

    // A direct connection for arranging rows and checking what was stored.
    SQLite::Database Open() const;
    long long Count(const std::string& sql) const;
    std::string Text(const std::string& sql) const;
    double Real(const std::string& sql) const;
    void Exec(const std::string& sql) const;

  private:
    std::filesystem::path path_;
};

std::string ReadFile(const std::filesystem::path& path);

}  // namespace testing_support
