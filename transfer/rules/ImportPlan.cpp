#include "transfer/rules/ImportPlan.h"

#include <variant>

#include "transfer/rules/RecordRows.h"
#include "transfer/rules/RowCells.h"

namespace parlow::transfer {

namespace {

constexpr std::size_t kRefusalsListed = 20;

// Every row of one export kind, by column name, as the log stores it.
void ForEachStored(
    zeviza::Putt& putt, zeviza::Putt::ExportKind kind,
    const std::function<void(const std::function<std::string(const char*)>&)>& each) {
    std::vector<std::string> header;
    std::map<std::string, std::size_t, std::less<>> index;
    putt.ReadExportRows(kind, header, [&](const zeviza::Putt::ExportRow& row) {
        if (index.empty()) {
            for (std::size_t i = 0; i < header.size(); ++i) {
                index.emplace(header[i], i);
            }
        }
        each([&](const char* column) {
            const auto found = index.find(column);
            return found == index.end() ? std::string() : std::string(row[found->second]);
        });
    });
}

games::CourseCard CardOf(const std::function<std::string(const char*)>& field) {
    games::CourseCard card;
    card.ClubID = field("ClubID");
    card.ClubName = field("ClubName");
    card.Tees = field("Tees");
    for (int hole = 0; hole < 18; ++hole) {
        card.par[hole] = field(("Par" + std::to_string(hole + 1)).c_str());
        card.hcap[hole] = field(("HCap" + std::to_string(hole + 1)).c_str());
    }
    card.ParOut = field("ParOut");
    card.ParIn = field("ParIn");
    card.TotalFWays = field("TotalFWays");
    card.Par3s = field("Par3s");
    card.Par4s = field("Par4s");
    card.Par5s = field("Par5s");
    return card;
}

void AddStateCodes(const zeviza::RecordSetPtr& list, std::set<std::string>& codes) {
    for (; list && !list->Eof(); list->MoveNext()) {
        codes.insert(list->Field("State").ToText());
    }
}

const char* IdentifierColumn(ImportKind kind) {
    return kind == ImportKind::Courses ? "ClubID" : "GameID";
}

// A row whose identifier another row of the file already took, or the log
// holds, is no new record.
enum class Identity { New, Stored, Repeated };

Identity IdentityOf(const std::string& id, const std::set<std::string>& stored,
                    std::map<std::string, std::size_t>& seen, std::size_t row) {
    if (id.empty()) {
        return Identity::New;
    }
    if (stored.count(id) != 0) {
        return Identity::Stored;
    }
    return seen.emplace(id, row).second ? Identity::New : Identity::Repeated;
}

}  // namespace

std::optional<ImportKind> ImportKindNamed(std::string_view name) {
    if (name == "courses") {
        return ImportKind::Courses;
    }
    if (name == "games") {
        return ImportKind::Games;
    }
    return std::nullopt;
}

const char* ImportKindName(ImportKind kind) {
    return kind == ImportKind::Courses ? "courses" : "games";
}

std::string OneLine(std::string_view message) {
    std::string line;
    for (const char c : message) {
        if (c == '\r' || c == '\n') {
            if (!line.empty() && line.back() != ' ') {
                line += ' ';
            }
        } else {
            line += c;
        }
    }
    while (!line.empty() && line.back() == ' ') {
        line.pop_back();
    }
    return line;
}

StoredRecords ReadStoredRecords(zeviza::Putt& putt, ImportKind kind) {
    StoredRecords stored;
    ForEachStored(putt, zeviza::Putt::ExportKind::Courses, [&](const auto& field) {
        stored.clubIds.insert(field("ClubID"));
        if (kind == ImportKind::Games) {
            stored.courses.emplace(field("ClubID"), CardOf(field));
        }
    });
    if (kind == ImportKind::Courses) {
        AddStateCodes(putt.LoadStates(), stored.stateCodes);
        AddStateCodes(putt.LoadCanada(), stored.stateCodes);
        return stored;
    }
    ForEachStored(putt, zeviza::Putt::ExportKind::Golfers, [&](const auto& field) {
        stored.golfers.emplace(field("GolferID"),
                               games::GolferChoice{field("FullName"), field("GolferID"),
                                                   field("Category"), field("Handicap")});
    });
    ForEachStored(putt, zeviza::Putt::ExportKind::Games,
                  [&](const auto& field) { stored.gameIds.insert(field("GameID")); });
    return stored;
}

ImportPlan PlanImport(ImportKind kind, const csv::Table& table, const StoredRecords& stored,
                      std::chrono::year_month_day today) {
    ImportPlan plan;
    plan.kind = kind;
    plan.rows = table.rows.size();
    const ColumnCells cells(table);
    const std::string missing = cells.Missing(kind == ImportKind::Courses ? RequiredCourseColumns()
                                                                          : RequiredGameColumns());
    if (!missing.empty()) {
        plan.fileProblem = "the file has no column " + missing;
        return plan;
    }
    const char* idColumn = IdentifierColumn(kind);
    const std::set<std::string>& storedIds =
        kind == ImportKind::Courses ? stored.clubIds : stored.gameIds;
    std::map<std::string, std::size_t> seen;
    for (std::size_t row = 0; row < table.rows.size(); ++row) {
        const std::size_t sheetRow = row + 2;
        const std::string id = cells.Cell(row, idColumn);
        const Identity identity = IdentityOf(id, storedIds, seen, sheetRow);
        if (identity == Identity::Stored) {
            ++plan.alreadyStored;
            continue;
        }
        if (identity == Identity::Repeated) {
            plan.refusals.push_back(
                {sheetRow, idColumn,
                 id + " is in the file already, on row " + std::to_string(seen[id])});
            continue;
        }
        if (kind == ImportKind::Courses) {
            auto checked = CheckCourseRow(cells, row, stored);
            if (auto* problem = std::get_if<RowProblem>(&checked)) {
                plan.refusals.push_back({sheetRow, problem->column, problem->message});
            } else {
                plan.clubs.push_back(std::move(std::get<zeviza::CourseRecord>(checked)));
            }
        } else {
            auto checked = CheckGameRow(cells, row, stored, today);
            if (auto* problem = std::get_if<RowProblem>(&checked)) {
                plan.refusals.push_back({sheetRow, problem->column, problem->message});
            } else {
                plan.games.push_back(std::move(std::get<zeviza::GameRecord>(checked)));
            }
        }
    }
    return plan;
}

ImportPlan PlanImportOfFile(zeviza::Putt& putt, ImportKind kind, const std::string& file,
                            std::chrono::year_month_day today) {
    ImportPlan failed;
    failed.kind = kind;
    const std::optional<std::string> text = csv::ReadWholeFile(file, failed.fileProblem);
    if (!text) {
        return failed;
    }
    std::string error;
    const std::optional<csv::Table> table = csv::ReadText(*text, error);
    if (!table) {
        failed.fileProblem = file + " is no CSV file: " + error;
        return failed;
    }
    return PlanImport(kind, *table, ReadStoredRecords(putt, kind), today);
}

std::vector<std::string> RefusalLines(const ImportPlan& plan) {
    std::vector<std::string> lines;
    for (std::size_t i = 0; i < plan.refusals.size() && i < kRefusalsListed; ++i) {
        const RowRefusal& refusal = plan.refusals[i];
        lines.push_back("row " + std::to_string(refusal.row) +
                        (refusal.column.empty() ? "" : ", " + refusal.column) + ": " +
                        refusal.message);
    }
    if (plan.refusals.size() > kRefusalsListed) {
        lines.push_back("... and " + std::to_string(plan.refusals.size() - kRefusalsListed) +
                        " more rows refused");
    }
    return lines;
}

bool CarryOutImport(zeviza::Putt& putt, ImportPlan& plan) {
    if (!plan.Importable()) {
        return false;
    }
    return plan.kind == ImportKind::Courses ? putt.AddClubs(plan.clubs) : putt.AddGames(plan.games);
}

}  // namespace parlow::transfer
