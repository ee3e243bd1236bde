#include "zeviza/Putt.h"

// The rows of a CSV export, read with one statement and handed on while the
// statement steps, so 10,000 games never sit in memory twice. The columns
// are the table's own, as the file's layout stores them, so a column a
// later layout adds is exported by itself.

namespace zeviza {

namespace {

const char* TableOf(Putt::ExportKind kind) {
    switch (kind) {
        case Putt::ExportKind::Courses:
            return "tblClub";
        case Putt::ExportKind::Games:
            return "tblGames";
        case Putt::ExportKind::Golfers:
        case Putt::ExportKind::Statistics:
            break;
    }
    return "tblGolfer";
}

bool Bookkeeping(const std::string& column) {
    return column == "ID" || column == "AddDate" || column == "ModDate";
}

std::vector<std::string> StoredColumns(Connection& connection, const std::string& table) {
    std::vector<std::string> names;
    const RecordSetPtr info = connection.Execute("PRAGMA table_info(" + table + ");");
    for (; info && !info->Eof(); info->MoveNext()) {
        names.push_back(info->Field("name").ToText());
    }
    return names;
}

// A golfer row holds the golfer's own columns up to ModDate and the running
// statistics after it; each export takes its side, the statistics with the
// golfer's identifier and name to read them by.
std::vector<std::string> ExportColumns(Connection& connection, Putt::ExportKind kind) {
    const std::vector<std::string> stored = StoredColumns(connection, TableOf(kind));
    std::vector<std::string> columns;
    if (kind == Putt::ExportKind::Statistics) {
        columns = {"GolferID", "FullName"};
    }
    bool statisticsSide = false;
    for (const std::string& column : stored) {
        if (column == "ModDate") {
            statisticsSide = true;
        }
        if (Bookkeeping(column)) {
            continue;
        }
        const bool wanted = kind == Putt::ExportKind::Golfers      ? !statisticsSide
                            : kind == Putt::ExportKind::Statistics ? statisticsSide
                                                                   : true;
        if (wanted) {
            columns.push_back(column);
        }
    }
    return columns;
}

}  // namespace

void Putt::ReadExportRows(ExportKind kind, std::vector<std::string>& header,
                          const std::function<void(const ExportRow&)>& row) {
    try {
        Conn().Open();
        Conn().BeginTrans();
        header = ExportColumns(Conn(), kind);
        std::string sql = "SELECT ";
        for (std::size_t i = 0; i < header.size(); ++i) {
            sql += (i == 0 ? "" : ",") + header[i];
        }
        sql += std::string(" FROM ") + TableOf(kind) + " ORDER BY ID;";
        Conn().ExecuteEach(sql, {}, row);
        Conn().CommitTrans();
        CloseQuietly();
    } catch (...) {
        CloseQuietly();
        throw;
    }
}

}  // namespace zeviza
