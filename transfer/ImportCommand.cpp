#include "transfer/ImportCommand.h"

#include <QCoreApplication>
#include <QDate>
#include <cstdio>

#include "ui/LocalToday.h"
#include "ui/Platform.h"
#include "ui/ProgramFiles.h"
#include "ui/ProgramState.h"
#include "ui/Terminal.h"
#include "zeviza/Prompts.h"

namespace parlow::transfer {

namespace {

// The library's error box, kept as one line for the terminal.
class LastBox : public zeviza::Prompts {
  public:
    zeviza::Answer Show(const zeviza::Box& box) override {
        text = OneLine(box.text);
        return box.defaultButton;
    }
    std::string text;
};

std::string Counted(std::size_t count, const char* one, const char* many) {
    return std::to_string(count) + " " + (count == 1 ? one : many);
}

}  // namespace

std::string PlanSummary(const ImportPlan& plan) {
    const bool courses = plan.kind == ImportKind::Courses;
    return Counted(plan.rows, "row", "rows") + ": " +
           Counted(plan.NewRecords(), courses ? "new course" : "new game",
                   courses ? "new courses" : "new games") +
           ", " + std::to_string(plan.alreadyStored) + " already stored (left as they are), " +
           std::to_string(plan.refusals.size()) + " refused";
}

int ImportCsvFile(const std::filesystem::path& programFolder, ImportKind kind,
                  const std::string& file, std::string& report,
                  std::vector<std::string>& refusals) {
    const std::string label = std::string("import ") + ImportKindName(kind) + ": ";
    LastBox box;
    zeviza::InstallPrompts(&box);
    int status = kExitRecordOrFile;
    try {
        zeviza::Putt putt(programFolder);
        ImportPlan plan = PlanImportOfFile(putt, kind, file, LocalToday());
        if (!plan.fileProblem.empty()) {
            report = label + plan.fileProblem + "; nothing imported";
        } else if (!plan.Importable()) {
            report = label + PlanSummary(plan) + "; nothing imported";
            refusals = RefusalLines(plan);
        } else if (!CarryOutImport(putt, plan)) {
            report = label + "nothing imported: " + box.text;
        } else {
            report = label + PlanSummary(plan);
            status = kExitDone;
        }
    } catch (const std::exception& e) {
        report = label + "nothing imported: " + OneLine(e.what());
    }
    zeviza::InstallPrompts(nullptr);
    return status;
}

int RunImportCommandLine(int argc, char** argv, const std::string& kind, const std::string& file) {
    QCoreApplication application(argc, argv);
    std::string report;
    std::vector<std::string> refusals;
    int status = kExitRecordOrFile;
    const std::optional<ImportKind> known = ImportKindNamed(kind);
    if (const std::string failure = PrepareProgramFolder(); !failure.empty()) {
        report = OneLine(failure);
    } else if (!known) {
        report = "import " + kind + ": courses and games are what can be imported";
    } else {
        InstanceLock lock(FolderLockFile(ProgramFolder()));
        if (!lock.Acquired()) {
            report = "import " + kind +
                     ": The Parlow's Log is running for this log; close it first, nothing "
                     "imported";
        } else {
            status = ImportCsvFile(ProgramFolder(), *known, file, report, refusals);
        }
    }
    std::FILE* out = status == kExitDone ? stdout : stderr;
    std::fprintf(out, "%s%s\n", kMessagePrefix, report.c_str());
    for (const std::string& line : refusals) {
        std::fprintf(stderr, "%s%s\n", kMessagePrefix, line.c_str());
    }
    return status;
}

}  // namespace parlow::transfer
