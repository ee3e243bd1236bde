// The Handicap Record and the scoring-record CSV from the command line: the
// program itself, copied into a program folder beside a running copy and
// started without any display.
#include <QFile>
#include <filesystem>

#include "tests/handicap/RoundSample.h"
#include "tests/handicap/StoredRounds.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/ProgramProcess.h"
#include "ui/Platform.h"

namespace {

class HandicapCommandLineTest : public testing_support::GuiTest {
  protected:
    void SetUp() override {
        auto db = folder.Open();
        handicap_test::StoreGolfer(db, "D2", "Ann Fairway");
        handicap_test::StoreCourse(db, "C2", "Pine Hills, North", "White", 72.0, 113);
        handicap_test::GameStore games(db);
        for (int day = 1; day <= 4; ++day) {
            auto round = handicap_test::Round18(88 + day, "2025-05-0" + std::to_string(day));
            round.gameId = "G" + std::to_string(day);
            games.Store("D2", round);
        }
        program = testing_support::CopyProgramInto(folder.Path(), {PARLOW_PROGRAM, PARLOW_LIBRARY});
    }

    int Run(const QStringList& arguments) {
        const auto end = testing_support::RunWithoutDisplay(program, arguments);
        errors = end.errors;
        return end.status;
    }

    QString Out(const char* name) const {
        return QString::fromStdString((folder.Path() / name).string());
    }

    std::filesystem::path program;
    QString errors;
};

TEST_F(HandicapCommandLineTest, ExportWritesTheScoringRecordAsCsv) {
    parlow::InstanceLock running(folder.Path() / ".parlow.lock");
    ASSERT_TRUE(running.Acquired());
    const std::string before = testing_support::ReadFile(folder.Database());
    ASSERT_EQ(Run({"--export", "handicap", "D2", "--csv", Out("record.csv")}), 0)
        << errors.toStdString();
    EXPECT_EQ(testing_support::ReadFile(folder.Path() / "record.csv"),
              "GameID,PlayDate,ClubID,Holes,Gross,AdjustedGross,Differential,Counts,IndexAfter\r\n"
              "G1,2025-05-01,C2,18,89,89,17.0,Yes,\r\n"
              "G2,2025-05-02,C2,18,90,90,18.0,No,\r\n"
              "G3,2025-05-03,C2,18,91,91,19.0,No,15.0\r\n"
              "G4,2025-05-04,C2,18,92,92,20.0,No,16.0\r\n");
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

struct RefusedCase {
    QStringList arguments;
    int status;
    const char* message;
    const char* file;
};

TEST_F(HandicapCommandLineTest, BadGolferUnwritableFileOrMiswordingIsOneLineAndNoFile) {
    const RefusedCase cases[] = {
        {{"--export", "handicap", "D9", "--csv", Out("none.csv")},
         1,
         "parlow: export handicap: no stored golfer D9",
         "none.csv"},
        {{"--export", "handicap", "D2", "--csv", Out("no folder/none.csv")},
         1,
         "parlow: export handicap: cannot write",
         "no folder/none.csv"},
        {{"--export", "handicap", "D2"},
         2,
         "parlow: --export handicap <GolferID> needs --csv",
         nullptr},
        {{"--export", "scores", "D2", "--csv", Out("none.csv")},
         2,
         "parlow: unknown export scores",
         "none.csv"},
        {{"--report", "handicap", "D9", "--pdf", Out("none.pdf")},
         1,
         "parlow: handicap: no stored record for D9",
         "none.pdf"},
        {{"--report", "handicap", "--pdf", Out("none.pdf")},
         2,
         "parlow: handicap takes 1 value(s)",
         "none.pdf"},
    };
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Run(c.arguments), c.status);
        EXPECT_TRUE(errors.startsWith(c.message)) << errors.toStdString();
        EXPECT_EQ(errors.count('\n'), 1);
        if (c.file != nullptr) {
            EXPECT_FALSE(std::filesystem::exists(folder.Path() / c.file));
        }
    }
}

TEST_F(HandicapCommandLineTest, NeitherWritesOverTheProgramsOwnFiles) {
    const std::string before = testing_support::ReadFile(folder.Database());
    const QString database = QString::fromStdString(folder.Database().string());
    EXPECT_EQ(Run({"--export", "handicap", "D2", "--csv", database}), 1);
    EXPECT_TRUE(errors.startsWith("parlow: export handicap: ")) << errors.toStdString();
    EXPECT_EQ(Run({"--report", "handicap", "D2", "--pdf", database}), 1);
    EXPECT_TRUE(errors.startsWith("parlow: handicap: ")) << errors.toStdString();
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

TEST_F(HandicapCommandLineTest, ReportWritesTheHandicapRecordPdf) {
    ASSERT_EQ(Run({"--report", "handicap", "D2", "--pdf", Out("record.pdf")}), 0)
        << errors.toStdString();
    QFile pdf(Out("record.pdf"));
    ASSERT_TRUE(pdf.open(QIODevice::ReadOnly));
    EXPECT_EQ(pdf.read(5), "%PDF-");
}

}  // namespace
