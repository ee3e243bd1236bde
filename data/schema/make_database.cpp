// Builds the shipped database file from schema.sql and the two lookup lists.
// Usage: make_database <schema folder> <output file>
#include <SQLiteCpp/SQLiteCpp.h>

#include <filesystem>
#include <fstream>
#include <iostream>
#include <sstream>
#include <string>

namespace {

std::string ReadAll(const std::filesystem::path& path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) {
        throw std::runtime_error("cannot read " + path.string());
    }
    std::ostringstream text;
    text << in.rdbuf();
    return text.str();
}

// Each line: code, a tab, full name.
int LoadLookup(SQLite::Database& db, const std::string& table, const std::filesystem::path& path) {
    std::istringstream lines(ReadAll(path));
    SQLite::Statement insert(db, "INSERT INTO " + table + " (State, StateFull) VALUES (?, ?);");
    std::string line;
    int rows = 0;
    while (std::getline(lines, line)) {
        if (line.empty()) {
            continue;
        }
        const auto tab = line.find('\t');
        if (tab == std::string::npos) {
            throw std::runtime_error("no tab in line '" + line + "' of " + path.string());
        }
        insert.bind(1, line.substr(0, tab));
        insert.bind(2, line.substr(tab + 1));
        insert.exec();
        insert.reset();
        ++rows;
    }
    return rows;
}

}  // namespace

int main(int argc, char** argv) {
    if (argc != 3) {
        std::cerr << "usage: make_database <schema folder> <output file>\n";
        return 2;
    }
    const std::filesystem::path folder = argv[1];
    const std::filesystem::path output = argv[2];
    const auto temporary = output.string() + ".new";
    try {
        std::filesystem::create_directories(output.parent_path());
        std::filesystem::remove(temporary);
        {
            SQLite::Database db(temporary, SQLite::OPEN_READWRITE | SQLite::OPEN_CREATE);
            SQLite::Transaction transaction(db);
            db.exec(ReadAll(folder / "schema.sql"));
            const int states = LoadLookup(db, "tblStates", folder / "states.txt");
            const int provinces = LoadLookup(db, "tblCanada", folder / "canada.txt");
            transaction.commit();
            std::cout << "parlow.plg: " << states << " states, " << provinces
                      << " provinces and territories\n";
        }
        // Replaced whole, so an interrupted build never leaves half a file.
        std::filesystem::rename(temporary, output);
    } catch (const std::exception& e) {
        std::cerr << "make_database: " << e.what() << '\n';
        std::filesystem::remove(temporary);
        return 1;
    }
    return 0;
}
