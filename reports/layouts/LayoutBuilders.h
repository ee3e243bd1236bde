#pragma once
// The makers of the nine layouts, each given its row of the settings table.
#include "reports/layouts/Frame.h"

namespace parlow::reports {

Layout GameStatsLayout(const LayoutSettings& settings);
Layout ClubDataLayout(const LayoutSettings& settings);
Layout ScoreCardLayout(const LayoutSettings& settings);
Layout GamesHistoryLayout(const LayoutSettings& settings, int holes);
Layout GolferStatsLayout(const LayoutSettings& settings, int holes);
Layout ScoringStatsLayout(const LayoutSettings& settings, int holes);

}  // namespace parlow::reports
