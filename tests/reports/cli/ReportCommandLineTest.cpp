// The sample's helpers name a variable `slots`: they come before Qt's macros.
#include "tests/reports/ReportSample.h"

#include <sys/stat.h>
#include <QFile>

#include <filesystem>
#include <fstream>

#include "reports/cli/ReportCommandLine.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/ProgramProcess.h"
#include "ui/Platform.h"
#include "zeviza/DatabaseFile.h"
#include "zeviza/ErrorLog.h"

namespace {

using parlow::reports::kReportFailed;
using parlow::reports::kReportMisworded;
using parlow::reports::kReportWritten;
using parlow::reports::ReportRequest;
using Values = std::vector<std::string>;

class ReportCommandLineTest : public testing_support::GuiTest {
  protected:
    void SetUp() override {
        zeviza::Putt putt(folder.Path());
        report_sample::StoreSample(putt);
    }

    QString Pdf() const { return QString::fromStdString((folder.Path() / "out.pdf").string()); }

    int Render(const std::string& layout, const Values& values, QString* error) const {
        const ReportRequest request{layout, values, Pdf().toStdString()};
        return parlow::reports::RenderReport(request, folder.Path(), error);
    }

    bool PdfWritten() const {
        QFile pdf(Pdf());
        return pdf.open(QIODevice::ReadOnly) && pdf.read(5) == "%PDF-";
    }
};

TEST_F(ReportCommandLineTest, EveryLayoutRendersForAStoredRecordWithoutChangingTheDatabase) {
    const std::string before = testing_support::ReadFile(folder.Database());
    const std::vector<std::pair<std::string, Values>> reports = {
        {"rptGameStats", {"Ann Lee", "G2"}},
        {"rptClubData", {"C1"}},
        {"rptScoreCard", {"C3"}},
        {"rptGames18Hist", {"D1"}},
        {"rptGames9Hist", {"D2"}},
        {"rptGolfer18Stats", {"D2"}},
        {"rptGolfer9Stats", {"D1"}},
        {"rptScore18Stats", {"D1"}},
        {"rptScore9Stats", {"D3"}},
    };
    for (const auto& [layout, values] : reports) {
        SCOPED_TRACE(layout);
        QFile::remove(Pdf());
        QString error;
        EXPECT_EQ(Render(layout, values, &error), kReportWritten);
        EXPECT_TRUE(error.isEmpty()) << error.toStdString();
        EXPECT_TRUE(PdfWritten());
    }
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

// The words themselves (--report, --pdf) are the command line's parser's
// business; here the layout and values are checked against the commands.
TEST_F(ReportCommandLineTest, WrongLayoutsValuesOrMissingRecordsGiveOneLineAStatusAndNoFile) {
    struct Case {
        std::string layout;
        Values values;
        int status;
        const char* says;
    };
    const Case cases[] = {
        {"rptNoSuch", {"D1"}, kReportMisworded, "unknown report layout 'rptNoSuch'"},
        {"rptGameStats",
         {"G2"},
         kReportMisworded,
         "rptGameStats takes 2 value(s) (FullName, GameID), not 1"},
        {"rptClubData", {}, kReportMisworded, "rptClubData takes 1 value(s)"},
        {"rptClubData", {"C1", "C2"}, kReportMisworded, "not 2"},
        {"rptGameStats",
         {"Bob Ray", "G2"},
         kReportFailed,
         "rptGameStats: no stored record for Bob Ray, G2"},
        {"rptGolfer18Stats", {"D9"}, kReportFailed, "no stored record for D9"},
        {"rptClubData", {"C9"}, kReportFailed, "no stored record for C9"},
    };
    for (const Case& c : cases) {
        SCOPED_TRACE(c.layout);
        QString error;
        EXPECT_EQ(Render(c.layout, c.values, &error), c.status);
        EXPECT_TRUE(error.contains(c.says)) << error.toStdString();
        EXPECT_FALSE(error.contains('\n'));
        EXPECT_FALSE(QFile::exists(Pdf()));
    }
    QString error;
    const std::string nowhere = (folder.Path() / "no-such" / "x.pdf").string();
    EXPECT_EQ(
        parlow::reports::RenderReport({"rptClubData", {"C1"}, nowhere}, folder.Path(), &error),
        kReportFailed);
    EXPECT_FALSE(error.isEmpty());
    EXPECT_FALSE(std::filesystem::exists(nowhere));

    std::filesystem::remove(folder.Database());
    EXPECT_EQ(Render("rptClubData", {"C1"}, &error), kReportFailed);
    EXPECT_TRUE(error.contains("Could not open the database")) << error.toStdString();
    EXPECT_FALSE(QFile::exists(Pdf()));
    EXPECT_FALSE(std::filesystem::exists(folder.Database()));
}

// The program itself, copied into the sample's program folder, with no
// display at all and another copy holding the single-copy lock.
TEST_F(ReportCommandLineTest, TheProgramRendersWithoutADisplayBesideARunningCopy) {
    const auto parlow =
        testing_support::CopyProgramInto(folder.Path(), {PARLOW_PROGRAM, PARLOW_LIBRARY});
    parlow::InstanceLock running(folder.Path() / ".parlow.lock");
    ASSERT_TRUE(running.Acquired());
    auto run = [&parlow](const QStringList& arguments, QString* errorOutput) {
        const auto end = testing_support::RunWithoutDisplay(parlow, arguments);
        *errorOutput = end.errors;
        return end.status;
    };
    QString errors;
    EXPECT_EQ(run({"--report", "rptGames18Hist", "D1", "--pdf", Pdf()}, &errors), 0)
        << errors.toStdString();
    EXPECT_TRUE(PdfWritten());

    QFile::remove(Pdf());
    EXPECT_EQ(run({"--report", "rptGames18Hist", "--pdf", Pdf()}, &errors), kReportMisworded);
    EXPECT_TRUE(errors.startsWith("parlow: rptGames18Hist takes 1 value(s)"))
        << errors.toStdString();
    EXPECT_EQ(errors.count('\n'), 1);
    EXPECT_FALSE(QFile::exists(Pdf()));

    // Misworded before any report is looked at: the same status, one line.
    EXPECT_EQ(run({"--report", "rptGames18Hist", "D1"}, &errors), kReportMisworded);
    EXPECT_TRUE(errors.startsWith("parlow: --report needs --pdf <file>")) << errors.toStdString();
    EXPECT_EQ(errors.count('\n'), 1);
}

// What the report may not write over, however the path names it; each is
// refused with one line, status 1, and left exactly as it was.
TEST_F(ReportCommandLineTest, TheProgramsOwnFilesAndFilesThatAreNotRegularAreNeverWritten) {
    namespace fs = std::filesystem;
    const fs::path root = folder.Path();
    {
        zeviza::BackupConditions when;
        ASSERT_EQ(zeviza::BackUpWhenChanged(root, when).kind, zeviza::BackupOutcome::Kind::Made);
    }
    const fs::path backup = *zeviza::NewestBackup(root);
    zeviza::AppendErrorLog(root, zeviza::LogEntryKind::Program, 1, "an entry", "A Label");
    { parlow::InstanceLock lock(root / ".parlow.lock"); }
    fs::create_directories(root / "elsewhere");
    fs::create_symlink(folder.Database(), root / "elsewhere" / "link.pdf");
    fs::create_hard_link(folder.Database(), root / "elsewhere" / "hard.pdf");
    fs::create_hard_link(backup, root / "elsewhere" / "backup.pdf");
    fs::create_symlink(root / "green" / "nothing-yet", root / "elsewhere" / "dangling.pdf");
    ASSERT_EQ(::mkfifo((root / "elsewhere" / "pipe.pdf").c_str(), 0600), 0);
    fs::create_directories(root / "elsewhere" / "folder.pdf");

    const std::pair<const char*, fs::path> targets[] = {
        {"the database", folder.Database()},
        {"the database through ..", root / "green" / ".." / "green" / "parlow.plg"},
        {"a link to the database", root / "elsewhere" / "link.pdf"},
        {"a hard link to the database", root / "elsewhere" / "hard.pdf"},
        {"its journal, not made yet", root / "green" / "parlow.plg-journal"},
        {"a backup", backup},
        {"a hard link to a backup", root / "elsewhere" / "backup.pdf"},
        {"a new file among the backups", zeviza::BackupFolder(root) / "report.pdf"},
        {"the error log", folder.ErrorLog()},
        {"the lock file", root / ".parlow.lock"},
        {"the check note", zeviza::CheckStampFile(root)},
        {"a link to nothing", root / "elsewhere" / "dangling.pdf"},
        {"a named pipe", root / "elsewhere" / "pipe.pdf"},
        {"a folder", root / "elsewhere" / "folder.pdf"},
        {"a device", "/dev/null"},
    };
    for (const auto& [name, target] : targets) {
        SCOPED_TRACE(name);
        std::error_code ec;
        const auto type = fs::symlink_status(target, ec).type();
        const std::string before =
            fs::is_regular_file(target, ec) ? testing_support::ReadFile(target) : "";
        QString error;

        const ReportRequest request{"rptGames18Hist", {"D1"}, target.string()};
        EXPECT_EQ(parlow::reports::RenderReport(request, root, &error), kReportFailed);

        EXPECT_TRUE(error.contains("not written") || error.contains("nothing is written"))
            << error.toStdString();
        EXPECT_FALSE(error.contains('\n'));
        EXPECT_EQ(fs::symlink_status(target, ec).type(), type);
        if (fs::is_regular_file(target, ec)) {
            EXPECT_EQ(testing_support::ReadFile(target), before);
        }
    }
    EXPECT_FALSE(fs::exists(root / "green" / "parlow.plg-journal"));
    EXPECT_FALSE(fs::exists(zeviza::BackupFolder(root) / "report.pdf"));
    EXPECT_FALSE(fs::exists(root / "green" / "nothing-yet"));

    // An ordinary file elsewhere, already there, is written over as before.
    std::ofstream(root / "elsewhere" / "old.pdf") << "an old report";
    QString error;
    const ReportRequest ordinary{
        "rptGames18Hist", {"D1"}, (root / "elsewhere" / "old.pdf").string()};
    EXPECT_EQ(parlow::reports::RenderReport(ordinary, root, &error), kReportWritten)
        << error.toStdString();
    EXPECT_EQ(testing_support::ReadFile(root / "elsewhere" / "old.pdf").rfind("%PDF-", 0), 0u);
}

}  // namespace
