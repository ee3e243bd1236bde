#pragma once
// The statement the handicap record's games are read with; the benchmark's
// bare read runs the very same text, so both measure the same rows.

namespace zeviza::detail {

// A game whose course record is gone keeps its row with a null rating and
// slope; the rules leave such a game out of the index.
inline constexpr const char* kLoadHandicapRounds =
    "SELECT g.GameID,g.PlayDate,g.ClubID,g.Club,g.Tees,g.Holes,g.ScoreOut,g.ScoreIn,"
    "g.Score1,g.Score2,g.Score3,g.Score4,g.Score5,g.Score6,g.Score7,g.Score8,g.Score9,"
    "g.Score10,g.Score11,g.Score12,g.Score13,g.Score14,g.Score15,g.Score16,g.Score17,"
    "g.Score18,g.Par1,g.Par2,g.Par3,g.Par4,g.Par5,g.Par6,g.Par7,g.Par8,g.Par9,g.Par10,"
    "g.Par11,g.Par12,g.Par13,g.Par14,g.Par15,g.Par16,g.Par17,g.Par18,g.HCap1,g.HCap2,"
    "g.HCap3,g.HCap4,g.HCap5,g.HCap6,g.HCap7,g.HCap8,g.HCap9,g.HCap10,g.HCap11,g.HCap12,"
    "g.HCap13,g.HCap14,g.HCap15,g.HCap16,g.HCap17,g.HCap18,c.Rating,c.Slope "
    "FROM tblGames AS g LEFT JOIN tblClub AS c ON c.ClubID = g.ClubID "
    "WHERE g.GolferID = ? ORDER BY g.PlayDate, g.ID;";

}  // namespace zeviza::detail
