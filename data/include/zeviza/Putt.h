#pragma once
// Putt is the one way into the database. Every call opens the connection,
// runs its statements in one transaction, commits and closes again, and hands
// back a detached record set or a success flag. A false result has already
// been logged and shown to the user.
#include <cstdint>
#include <filesystem>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <string_view>
#include <vector>

#include "zeviza/Connection.h"
#include "zeviza/CourseRecord.h"
#include "zeviza/Error.h"
#include "zeviza/GameRecord.h"
#include "zeviza/GolferRecord.h"
#include "zeviza/RecordSet.h"
#include "zeviza/ShownRecord.h"

namespace zeviza {

// Fixed-layout, zero-based argument arrays of the methods kept for callers
// written against them; each is a thin adapter over the method that takes
// the named record, and the adapter's source file documents its slots. The
// adapters clean the caller's texts in place as Clean does once the record
// passed its checks, and fail with "Subscript out of range" (error 9) for an
// array shorter than its layout.
using TextArray = std::vector<std::string>;
using IntArray = std::vector<std::int16_t>;
using SingleArray = std::vector<float>;

// What a nine-hole game's own figures are once worked out over the nine
// played: its par, fairways to hit and hit, and its par-type figures.
struct NineHoleFigures {
    std::int16_t coursePar = 0;
    std::int16_t fairwaysToHit = 0;
    float fairwaysHit = 0.0f;  // percent
    std::int16_t parScores[3] = {};
    std::int16_t parCounts[3] = {};
    float parAverages[3] = {};
};

class Putt {
  public:
    // Connects to green/parlow.plg below the library's own folder.
    Putt();
    // Connects below the given program folder.
    explicit Putt(const std::filesystem::path& programFolder);
    ~Putt();
    Putt(const Putt&) = delete;
    Putt& operator=(const Putt&) = delete;

    // --- properties ---
    Connection* conDataBase() { return conDataBase_.get(); }
    void conDataBase(std::unique_ptr<Connection> connection) {
        conDataBase_ = std::move(connection);
    }
    std::string strFunction;
    std::string strConnect;

    // --- reads ---
    RecordSetPtr LoadDeleteGame();
    // The games of LoadDeleteGame in its order, with only the columns a game
    // review list shows: GameID, FullName, PlayDate, Club, GrossScore,
    // NetScore, Tees. A failure is reported as LoadDeleteGame's.
    RecordSetPtr LoadGameReview();
    RecordSetPtr LoadGolferList();
    RecordSetPtr LoadClubEdit(const std::string& strClubID);
    RecordSetPtr LoadClubList();
    RecordSetPtr LoadClub();
    RecordSetPtr LoadStates();
    RecordSetPtr LoadCanada();
    RecordSetPtr LoadGolferEdit(const std::string& strGolferID);
    RecordSetPtr LoadGolfer();
    // Every column of one stored game, for the game edit screen.
    RecordSetPtr LoadGameEdit(const std::string& strGameID);
    // Every game of the golfer in play order; a failed read throws.
    RecordSetPtr LoadTrendGames(const std::string& strGolferID);

    // A change or removal handed `shown` (what the screen showed of the
    // record) first reads the stored record again in its own transaction.
    // When that record is gone or differs, the write changes nothing, asks
    // nothing, shows nothing, sets shown->changed and returns false. Without
    // `shown` the write acts on the identifier alone.
    // What the handicap record is worked from: the golfer's games in play
    // order (play date, then the order recorded) with each course record's
    // rating and slope, and every course record's rating, slope and par.
    RecordSetPtr LoadHandicapRounds(const std::string& strGolferID);
    RecordSetPtr LoadHandicapCourses();

    // --- golfer writes ---
    bool AddGolfer(const GolferRecord& golfer);
    // Changes the stored golfer golfer.golferId; the golfer's games take the
    // new full name, category and handicap.
    bool UpdateGolfer(const GolferRecord& golfer, ShownRecord* shown = nullptr);
    // Array adapters of the two above (data/src/PuttArraysGolfer.cpp).
    bool AddGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap);
    bool UpdateGolfer(TextArray& strText, std::int16_t intAge, float sngHandicap,
                      std::string& strGolferID, ShownRecord* shown = nullptr);
    bool DeleteGolfer(std::string& strGolferID, ShownRecord* shown = nullptr);

    // --- course writes ---
    bool AddClub(const CourseRecord& course);
    // Changes the stored course course.clubId; the games on it take its new
    // name, tees, pars, hole handicaps and course par.
    bool UpdateClub(const CourseRecord& course, ShownRecord* shown = nullptr);
    // Array adapters of the two above (data/src/PuttArraysClub.cpp).
    bool AddClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps, IntArray& intStats,
                 float sngRating);
    bool UpdateClub(TextArray& strText, IntArray& intNumbers, IntArray& intCaps, IntArray& intStats,
                    float sngRating, std::string& strClubID, ShownRecord* shown = nullptr);
    bool DeleteClub(std::string& strClubID, ShownRecord* shown = nullptr);

    // --- game writes ---
    // Records the game: its row, and its figures added to its golfer's
    // statistics of its length, with the averages worked out again.
    bool AddGame(const GameRecord& game);
    // Replaces the stored game game.gameId in place, in one unit of work: the
    // stored row's figures come out of its golfer's statistics, the row takes
    // the new values (its GameID and AddDate stay), and the new figures go
    // into the statistics of game.golferId, which may be another golfer. A
    // game no longer stored is refused.
    bool ReplaceGame(const GameRecord& game, ShownRecord* shown = nullptr);
    // Removes the game removal.gameId once the user confirms; what comes out
    // of the statistics is what the removed row held.
    bool DeleteGame(const GameRemoval& removal, ShownRecord* shown = nullptr);
    // The stroke averages of removal.golferId's games of removal.holes
    // worked out again from the sums.
    bool UpdateGolferStats(const GameRemoval& removal);

    // Array adapters of the four above (data/src/PuttArraysGame.cpp).
    bool AddGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps, std::string& datDate,
                 std::string& strGolfer, std::string& strClub, std::string& strGameID,
                 IntArray& intStats, std::string& strTees, std::string& strClubID,
                 std::string& strGolferID, std::int16_t intHoles, float sngStrokeAvg,
                 float sngPuttAvg, TextArray& strPartners, std::string& strCategory,
                 std::int16_t intHandicap, float sngGreensHit, float sngFWaysHit,
                 SingleArray& sngParAvg);
    bool ReplaceGame(IntArray& intScores, IntArray& intPars, IntArray& intCaps,
                     std::string& datDate, std::string& strGolfer, std::string& strClub,
                     std::string& strGameID, IntArray& intStats, std::string& strTees,
                     std::string& strClubID, std::string& strGolferID, std::int16_t intHoles,
                     float sngStrokeAvg, float sngPuttAvg, TextArray& strPartners,
                     std::string& strCategory, std::int16_t intHandicap, float sngGreensHit,
                     float sngFWaysHit, SingleArray& sngParAvg, ShownRecord* shown = nullptr);
    bool DeleteGame(std::string& strGameID, std::string& strGolferID, std::int16_t intHoles,
                    IntArray& intStats, ShownRecord* shown = nullptr);
    bool UpdateGolferStats(std::string& strGameID, std::string& strGolferID, std::int16_t intHoles,
                           IntArray& intStats);

    RecordSetPtr GetNewClubID();
    RecordSetPtr GetNewGameID();
    RecordSetPtr GetNewGolferID();

    // --- upkeep ---
    // Works each stored nine-hole game's figures out again with `refigure`
    // (given the game's row, it returns the figures, or none to keep them),
    // then sets every golfer's statistics to the sums over the golfer's
    // stored games, all in one unit of work. `gamesChanged` counts the games
    // whose figures changed.
    bool RefigureNineHoleGames(
        const std::function<std::optional<NineHoleFigures>(const RecordSet&)>& refigure,
        long long& gamesChanged);

    RecordSetPtr RefreshGolfers();
    RecordSetPtr RefreshGames();
    RecordSetPtr RefreshStats(std::int16_t intHoles = 0);
    RecordSetPtr RefreshClubs();

    // --- CSV transfer: the export reads and the import writes ---

    // What an export holds: the golfers' own columns, the courses, the
    // games, or each golfer's running statistics (GolferID, FullName, then
    // every statistics column). The row number, AddDate and ModDate are this
    // log's bookkeeping and stay out.
    enum class ExportKind { Golfers, Courses, Games, Statistics };
    using ExportRow = std::vector<std::string_view>;
    // Reads every row of the kind with one statement, in the order recorded,
    // handing each to `row` while it is read: `header` first receives the
    // column names. The cells are the engine's texts (numbers with a point,
    // NULL as the empty text) and last for the call of `row` only. A failed
    // read throws; nothing is shown.
    void ReadExportRows(ExportKind kind, std::vector<std::string>& header,
                        const std::function<void(const ExportRow&)>& row);

    // Every course or none, in one unit of work, each stored as AddClub
    // stores it. A record without a clubId gets a new one, formed as the
    // entry screen forms it, written back into the record.
    bool AddClubs(std::vector<CourseRecord>& courses);
    // Every game or none, in one unit of work, each stored as AddGame stores
    // it and its figures added to its golfer's statistics as AddGame adds
    // them. A record without a gameId gets a new one, written back.
    bool AddGames(std::vector<GameRecord>& games);

    // Doubles each apostrophe once and removes NULs in the caller's text;
    // returns that text trimmed of leading and trailing spaces.
    std::string Clean(std::string& strText);

    // The folder this library was loaded from, where the program lives.
    static std::filesystem::path LibraryFolder();
    // Lets tests point every default-constructed Putt at their own folder.
    static void OverrideLibraryFolder(const std::filesystem::path& folder);

  private:
    enum class Outcome { Commit, RollBack };
    struct WriteLabels {
        const char* log;      // the error log's label line
        const char* message;  // strFunction shown in the error box
        // A failure this returns true for is settled by the method itself,
        // without the log entry and the error box.
        std::function<bool(const Error&)> handledApart = nullptr;
    };
    using WriteBody = std::function<Outcome(Connection&)>;
    // Where a write finds its record, read inside its transaction before
    // anything is checked, and what it does once the record passed its
    // checks, just before the row is written: the array adapters' slot check
    // and their cleaning of the caller's texts.
    template <class Record>
    struct Source {
        std::function<const Record&()> record;
        std::function<void()> checked = nullptr;
    };
    bool WriteNewGame(const Source<GameRecord>& source);
    bool WriteReplacement(const Source<GameRecord>& source, ShownRecord* shown);
    bool WriteNewClub(const Source<CourseRecord>& source);
    bool WriteClubChange(const Source<CourseRecord>& source, ShownRecord* shown);
    bool WriteNewGolfer(const Source<GolferRecord>& source);
    bool WriteGolferChange(const Source<GolferRecord>& source, ShownRecord* shown);

    RecordSetPtr ReadIgnoring(const std::string& sql, const std::vector<Value>& params = {});
    RecordSetPtr ReadReporting(const char* label, const std::string& sql);
    RecordSetPtr ReadPropagating(const std::string& sql, const std::vector<Value>& params);
    bool RunWrite(const WriteLabels& labels, const WriteBody& body);

    // The question a removal asks while its transaction is open.
    static bool Confirmed(const std::string& title, const std::string& text);
    void ShowErrorBox(const Error& error);
    void LogError(const char* logLabel, const Error& error);
    Connection& Conn();
    // Whatever path a call leaves by, the connection ends closed.
    void CloseQuietly();

    std::filesystem::path folder_;
    std::unique_ptr<Connection> conDataBase_;
};

}  // namespace zeviza
