#include "reports/review/ReviewScreens.h"

#include <algorithm>

#include "reports/handicap_record/HandicapReport.h"
#include "reports/review/frmReview.h"
#include "ui/ScreenSteps.h"

namespace parlow::reports {

namespace {

constexpr Qt::Alignment kLeft = Qt::AlignLeft;
constexpr Qt::Alignment kCentre = Qt::AlignHCenter;

// The three golfer screens share their list and fields.
std::vector<ReviewColumn> GolferColumns() {
    return {{"GolferID", "ID"},     {"FullName", "Golfer"}, {"Age", "Age", kCentre, SortAs::Number},
            {"Address", "Address"}, {"City", "City"},       {"Club", "Home Club"}};
}

std::vector<ReviewField> GolferFields() {
    return {{"ID", "GolferID"},
            {"Golfer", "FullName"},
            {"Age", "Age"},
            {"Home Club", "Club"},
            {"City", "City"}};
}

ReviewScreen GolferScreen(const char* name, const char* caption, const char* heading,
                          ReviewReport eighteen, ReviewReport nine) {
    return {name,
            caption,
            heading,
            "lvGolfer",
            &zeviza::Putt::LoadGolfer,
            GolferColumns(),
            GolferFields(),
            "Select a Golfer to review",
            eighteen,
            nine,
            {"GolferID"}};
}

std::shared_ptr<const ReportData> MakeHandicapRecord(const std::vector<std::string>& values) {
    return PuttStep([&values](zeviza::Putt& putt) {
        return values.empty() ? nullptr : ReadHandicapRecord(putt, values.front());
    });
}

// The golfer's statistics and the golfer's handicap record show the
// estimated index of the golfer chosen.
ReviewScreen WithHandicap(ReviewScreen screen) {
    screen.showsHandicap = true;
    return screen;
}

std::vector<ReviewScreen> MakeScreens() {
    return {
        {"frmGameStats",
         "Game Stats",
         "Individual Game Profile && Datasheet",
         "lvGame",
         &zeviza::Putt::LoadGameReview,
         {{"GameID", "ID"},
          {"FullName", "Golfer", kCentre},
          {"PlayDate", "Game Date", kCentre, SortAs::Date},
          {"Club", "Course", kCentre},
          {"GrossScore", "Gross", kCentre, SortAs::Number},
          {"NetScore", "Net", kCentre, SortAs::Number},
          {"Tees", "Tees", kCentre}},
         {{"Game ID", "GameID"},
          {"Game Date", "PlayDate"},
          {"Golfer", "FullName"},
          {"Club / Course", "Club"},
          {"Score", "NetScore"},
          {"Tees", "Tees"},
          {"Gross", "GrossScore"}},
         "Select a record to review",
         {"cmdGameStats", "rptGameStats"},
         {},
         {"FullName", "GameID"}},
        {"frmClubData",
         "Club / Course Information",
         "Club Profile && Datasheet",
         "lvClub",
         &zeviza::Putt::LoadClub,
         {{"ClubID", "Club ID"},
          {"ClubName", "Club Name"},
          {"ClubPro", "Club Pro"},
          {"City", "City"},
          {"State", "State", kCentre},
          {"Tees", "Tees"},
          {"CoursePar", "Par", kCentre, SortAs::Number}},
         {{"ID", "ClubID"},
          {"Course", "ClubName"},
          {"City", "City"},
          {"Club Pro", "ClubPro"},
          {"Tees", "Tees"},
          {"Par", "CoursePar"}},
         "Select a record to review",
         {"cmdClubStats", "rptClubData"},
         {},
         {"ClubID"}},
        GolferScreen("frmGolferData", "Review Game Records", "Golfer's Game History Reports",
                     {"cmdGames18Hist_Grouping", "rptGames18Hist"},
                     {"cmdGames9Hist_Grouping", "rptGames9Hist"}),
        WithHandicap(GolferScreen("frmStats", "Review Game Records", "Golfer's Game Stats",
                                  {"cmdStats18", "rptGolfer18Stats"},
                                  {"cmdStats9", "rptGolfer9Stats"})),
        WithHandicap(GolferScreen("frmHandicapRecord", "Handicap Record",
                                  "Golfer's Handicap Record",
                                  {kHandicapReportName, kHandicapLayout, MakeHandicapRecord}, {})),
        GolferScreen("frmGolferStrokeStats", "Review Golfer Stroke Averages",
                     "Golfer's Stroke Averages", {"cmd18ScoreStats", "rptScore18Stats"},
                     {"cmd9ScoreStats", "rptScore9Stats"}),
        {"frmScoreCard",
         "Print Score Cards",
         "Print Score Card / Datasheet",
         "lvClub",
         &zeviza::Putt::LoadClub,
         {{"ClubID", "ID"},
          {"ClubName", "Club / Course", kCentre},
          {"Tees", "Tees", kCentre},
          {"CoursePar", "Par", kCentre, SortAs::Number}},
         {{"ID", "ClubID"}, {"Club / Course", "ClubName"}, {"Tees", "Tees"}, {"Par", "CoursePar"}},
         "Select the Course you want to print the score sheet for. ",
         {"cmdScoreCard", "rptScoreCard"},
         {},
         {"ClubID"},
         "&Select",
         true},
    };
}

}  // namespace

const std::vector<ReviewScreen>& ReviewScreens() {
    static const std::vector<ReviewScreen> screens = MakeScreens();
    return screens;
}

const ReviewScreen* FindReviewScreen(const std::string& name) {
    const auto& screens = ReviewScreens();
    auto at = std::find_if(screens.begin(), screens.end(),
                           [&name](const ReviewScreen& s) { return name == s.name; });
    return at == screens.end() ? nullptr : &*at;
}

QWidget* CreateReviewScreen(const std::string& name, QWidget* parent) {
    const ReviewScreen* screen = FindReviewScreen(name);
    return screen == nullptr ? nullptr : new frmReview(*screen, parent);
}

}  // namespace parlow::reports
