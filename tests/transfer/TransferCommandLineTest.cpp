// --export and --import through the program itself, copied into a program
// folder and started without any display.
#include <filesystem>
#include <fstream>

#include "csv/CsvWriter.h"
#include "tests/support/gui/GuiTest.h"
#include "tests/support/gui/ProgramProcess.h"
#include "tests/transfer/TransferSample.h"
#include "ui/Platform.h"

namespace {

class TransferCommandLineTest : public testing_support::GuiTest {
  protected:
    void SetUp() override {
        zeviza::Putt putt(folder.Path());
        transfer_test::StoreSampleLog(putt);
        goodGames = transfer_test::GoodGamesFile(putt, 3);
        program = testing_support::CopyProgramInto(folder.Path(), {PARLOW_PROGRAM, PARLOW_LIBRARY});
    }

    int Run(const QStringList& arguments) {
        const auto end = testing_support::RunWithoutDisplay(program, arguments);
        errors = end.errors;
        output = end.output;
        return end.status;
    }

    QString Out(const char* name) const {
        return QString::fromStdString((folder.Path() / name).string());
    }

    void Write(const char* name, const std::string& text) const {
        std::ofstream(folder.Path() / name, std::ios::binary) << text;
    }

    long long Games() const { return folder.Count("SELECT COUNT(*) FROM tblGames"); }

    std::string goodGames;
    std::filesystem::path program;
    QString errors;
    QString output;
};

TEST_F(TransferCommandLineTest, ExportsEachKindBesideARunningCopyWithoutWriting) {
    parlow::InstanceLock running(folder.Path() / ".parlow.lock");
    ASSERT_TRUE(running.Acquired());
    const std::string before = testing_support::ReadFile(folder.Database());
    for (const char* kind : {"golfers", "courses", "games", "statistics"}) {
        SCOPED_TRACE(kind);
        ASSERT_EQ(Run({"--export", kind, "--csv", Out("out.csv")}), 0) << errors.toStdString();
        const csv::Table table =
            transfer_test::Parsed(testing_support::ReadFile(folder.Path() / "out.csv"));
        EXPECT_EQ(table.rows.size(), std::string(kind) == "games" ? 5u : 2u);
    }
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

struct RefusedCase {
    QStringList arguments;
    int status;
    const char* message;
};

TEST_F(TransferCommandLineTest, RefusalsAreOneLineAStatusAndNoFileOrWrite) {
    Write("games.csv", goodGames);
    Write("bad.csv", "GolferID,ClubID\r\nD2,C2\r\n");
    const QString database = QString::fromStdString(folder.Database().string());
    const RefusedCase cases[] = {
        {{"--export", "scores", "--csv", Out("none.csv")}, 2, "parlow: unknown export scores"},
        {{"--export", "games"}, 2, "parlow: --export games needs --csv <file>"},
        {{"--export", "games", "--csv", Out("no folder/none.csv")},
         1,
         "parlow: export games: cannot write"},
        {{"--export", "courses", "--csv", database}, 1, "parlow: export courses: "},
        {{"--import", "golfers", "--csv", Out("games.csv")}, 2, "parlow: unknown import golfers"},
        {{"--import", "games", "--csv", Out("missing.csv")},
         1,
         "parlow: import games: cannot read"},
        {{"--import", "games", "--csv", Out("bad.csv")},
         1,
         "parlow: import games: the file has no column"},
    };
    const std::string before = testing_support::ReadFile(folder.Database());
    for (const auto& c : cases) {
        SCOPED_TRACE(c.arguments.join(' ').toStdString());
        EXPECT_EQ(Run(c.arguments), c.status);
        EXPECT_TRUE(errors.startsWith(c.message)) << errors.toStdString();
        EXPECT_EQ(errors.count('\n'), 1);
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "none.csv"));
        EXPECT_FALSE(std::filesystem::exists(folder.Path() / "no folder"));
    }
    EXPECT_EQ(testing_support::ReadFile(folder.Database()), before);
}

TEST_F(TransferCommandLineTest, ImportRefusesWhileTheProgramIsOpenForTheLog) {
    Write("games.csv", goodGames);
    {
        parlow::InstanceLock running(folder.Path() / ".parlow.lock");
        ASSERT_TRUE(running.Acquired());
        EXPECT_EQ(Run({"--import", "games", "--csv", Out("games.csv")}), 1);
        EXPECT_TRUE(errors.startsWith("parlow: import games: The Parlow's Log is running"))
            << errors.toStdString();
        EXPECT_EQ(Games(), 5);
    }
    EXPECT_EQ(Run({"--import", "games", "--csv", Out("games.csv")}), 0) << errors.toStdString();
    EXPECT_EQ(output.toStdString(),
              "parlow: import games: 3 rows: 3 new games, 0 already stored (left as they are), 0 "
              "refused\n");
    EXPECT_EQ(Games(), 8);
}

TEST_F(TransferCommandLineTest, RefusedRowsAreListedAndNothingImported) {
    csv::Table table = transfer_test::Parsed(goodGames);
    table.rows[1][*table.ColumnOf("GolferID")] = "D98";
    table.rows[2][*table.ColumnOf("Score4")] = "99";
    std::string text = csv::Record(table.header);
    for (const auto& row : table.rows) {
        text += csv::Record(row);
    }
    Write("games.csv", text);
    EXPECT_EQ(Run({"--import", "games", "--csv", Out("games.csv")}), 1);
    const QStringList lines = errors.trimmed().split('\n');
    ASSERT_EQ(lines.size(), 3) << errors.toStdString();
    EXPECT_EQ(lines[0].toStdString(),
              "parlow: import games: 3 rows: 1 new game, 0 already stored (left as they are), 2 "
              "refused; nothing imported");
    EXPECT_TRUE(lines[1].startsWith("parlow: row 3, GolferID: no stored golfer"));
    EXPECT_TRUE(lines[2].startsWith("parlow: row 4, Score4: Invalid hole score found in hole #4"));
    EXPECT_EQ(Games(), 5);
}

}  // namespace
