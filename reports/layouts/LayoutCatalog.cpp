#include "reports/layouts/LayoutCatalog.h"

#include <functional>

#include "reports/Reports.h"
#include "reports/layouts/LayoutBuilders.h"

namespace parlow::reports {

namespace {

using Maker = std::function<Layout(const LayoutSettings&)>;

struct Entry {
    LayoutSettings settings;
    Maker make;
};

const std::vector<Entry>& Catalog() {
    constexpr auto portrait = Orientation::Portrait;
    constexpr auto landscape = Orientation::Landscape;
    static const std::vector<Entry> entries = {
        {{"rptGameStats", "Individual Game Stats", "The Parlow's Log - Individual Game Stats",
          landscape, 14595, "Game Stats", "GameID"},
         GameStatsLayout},
        {{"rptClubData", "Individual Club Profile", "The Parlow's Log - Club Profile", landscape,
          14595, "Club Profile", "ClubID"},
         ClubDataLayout},
        {{"rptScoreCard", "The Parlow's Log Score Sheet", "The Parlow's Log", portrait, 10620,
          "Score Sheet", "ClubID"},
         ScoreCardLayout},
        {{"rptGames18Hist", "Golfer's 18 Hole Game Datasheet",
          "The Parlow's Log - 18 Hole Games Datasheet", landscape, 14595, "18 Hole Games",
          "GolferID"},
         [](const LayoutSettings& s) { return GamesHistoryLayout(s, 18); }},
        {{"rptGames9Hist", "Golfer's 9 Hole Game Datasheet",
          "The Parlow's Log - 9 Hole Games Datasheet", landscape, 14595, "9 Hole Games",
          "GolferID"},
         [](const LayoutSettings& s) { return GamesHistoryLayout(s, 9); }},
        {{"rptGolfer18Stats", "Golfer's Stats", "The Parlow's Log - 18 Hole Games Stats", portrait,
          10575, "18 Hole Stats", "GolferID"},
         [](const LayoutSettings& s) { return GolferStatsLayout(s, 18); }},
        {{"rptGolfer9Stats", "Golfer's Stats", "The Parlow's Log - 9 Hole Game Stats", portrait,
          10575, "9 Hole Stats", "GolferID"},
         [](const LayoutSettings& s) { return GolferStatsLayout(s, 9); }},
        {{"rptScore18Stats", "Scoring Stats", "The Parlow's Log - 18 Hole Games", portrait, 10620,
          "18 Hole Scoring", "GolferID"},
         [](const LayoutSettings& s) { return ScoringStatsLayout(s, 18); }},
        {{"rptScore9Stats", "Scoring Stats", "The Parlow's Log - 9 Hole Games", portrait, 10620,
          "9 Hole Scoring", "GolferID"},
         [](const LayoutSettings& s) { return ScoringStatsLayout(s, 9); }},
    };
    return entries;
}

const Entry* Find(const std::string& name) {
    for (const Entry& entry : Catalog()) {
        if (entry.settings.name == name) {
            return &entry;
        }
    }
    return nullptr;
}

}  // namespace

std::vector<std::string> LayoutNames() {
    std::vector<std::string> names;
    for (const Entry& entry : Catalog()) {
        names.push_back(entry.settings.name);
    }
    return names;
}

std::optional<Layout> MakeLayout(const std::string& name) {
    const Entry* entry = Find(name);
    if (entry == nullptr) {
        return std::nullopt;
    }
    return entry->make(entry->settings);
}

bool IsKnownLayout(const std::string& layout) {
    return Find(layout) != nullptr;
}

QString LayoutCaption(const std::string& layout) {
    const Entry* entry = Find(layout);
    return entry != nullptr ? entry->settings.caption : QString();
}

}  // namespace parlow::reports
