#include "reports/handicap_record/HandicapExport.h"

#include <QCoreApplication>
#include <cstdio>

#include "csv/CsvWriter.h"
#include "handicap/RecordReader.h"
#include "handicap/ScoringRecordCsv.h"
#include "ui/ExportTarget.h"
#include "ui/ProgramState.h"
#include "ui/Terminal.h"
#include "zeviza/Putt.h"

namespace parlow::reports {

int ExportHandicapCsv(const std::filesystem::path& programFolder, const std::string& golferId,
                      const std::filesystem::path& csvFile, std::string& error) {
    if (const std::string refused = RefusedExportTarget(csvFile, programFolder); !refused.empty()) {
        error = "export handicap: " + refused;
        return kExportFailed;
    }
    std::string text;
    try {
        zeviza::Putt putt(programFolder);
        const zeviza::RecordSetPtr golfer = putt.LoadGolferEdit(golferId);
        if (!golfer || golfer->IsEmpty()) {
            error = "export handicap: no stored golfer " + golferId;
            return kExportFailed;
        }
        text = handicap::ScoringRecordCsv(handicap::LoadScoringRecord(putt, golferId));
    } catch (const std::exception& e) {
        error = std::string("export handicap: ") + e.what();
        return kExportFailed;
    }
    if (!csv::WriteFile(csvFile, text, error)) {
        error = "export handicap: " + error;
        return kExportFailed;
    }
    return kExportWritten;
}

int RunHandicapExport(int argc, char** argv, const std::string& golferId,
                      const std::string& csvFile) {
    QCoreApplication application(argc, argv);
    std::string error;
    if (const std::string failure = PrepareProgramFolder(); !failure.empty()) {
        error = failure;
    } else if (ExportHandicapCsv(ProgramFolder(), golferId, csvFile, error) == kExportWritten) {
        return kExportWritten;
    }
    for (char& c : error) {
        c = c == '\r' || c == '\n' ? ' ' : c;
    }
    std::fprintf(stderr, "%s%s\n", parlow::kMessagePrefix, error.c_str());
    return kExportFailed;
}

}  // namespace parlow::reports
