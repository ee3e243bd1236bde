#include "reports/export/CsvExport.h"

#include <QCoreApplication>
#include <cstdio>

#include "csv/CsvWriter.h"
#include "reports/handicap_record/HandicapExport.h"
#include "transfer/rules/ExportText.h"
#include "ui/ExportTarget.h"
#include "ui/ProgramState.h"
#include "ui/Terminal.h"

namespace parlow::reports {

bool ExportRecordsCsv(const std::filesystem::path& programFolder, const std::string& what,
                      const std::filesystem::path& csvFile, std::string& error) {
    const std::string label = "export " + what + ": ";
    const auto kind = transfer::ExportKindNamed(what);
    if (!kind) {
        error = label + "no such export";
        return false;
    }
    if (const std::string refused = RefusedExportTarget(csvFile, programFolder); !refused.empty()) {
        error = label + refused;
        return false;
    }
    std::string text;
    try {
        zeviza::Putt putt(programFolder);
        text = transfer::ExportCsv(putt, *kind);
    } catch (const std::exception& e) {
        error = label + e.what();
        return false;
    }
    if (!csv::WriteFile(csvFile, text, error)) {
        error = label + error;
        return false;
    }
    return true;
}

int RunCsvExport(int argc, char** argv, const std::string& what, const std::string& golferId,
                 const std::string& csvFile) {
    if (what == "handicap") {
        return RunHandicapExport(argc, argv, golferId, csvFile);
    }
    QCoreApplication application(argc, argv);
    std::string error;
    if (const std::string failure = PrepareProgramFolder(); !failure.empty()) {
        error = failure;
    } else if (ExportRecordsCsv(ProgramFolder(), what, csvFile, error)) {
        return kExitDone;
    }
    for (char& c : error) {
        c = c == '\r' || c == '\n' ? ' ' : c;
    }
    std::fprintf(stderr, "%s%s\n", kMessagePrefix, error.c_str());
    return kExitRecordOrFile;
}

}  // namespace parlow::reports
