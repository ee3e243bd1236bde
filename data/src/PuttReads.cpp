#include "zeviza/Putt.h"

// The reads. Each is one unit of work returning a detached record set; the
// statements and their sort orders are what the screens rely on. Names sort
// in the reader's order (ReaderOrder.h), codes and identifiers by their bytes.

namespace zeviza {

namespace {

const char* const kLoadDeleteGame =
    "SELECT tblGames.GameID,tblGames.Club,tblGames.Tees,tblGames.PlayDate,"
    "tblGames.GrossScore,tblGames.NetScore,tblGames.FullName,tblGames.GolferID,"
    "tblGames.Holes,tblGames.Aces,tblGames.DEagles,tblGames.Eagles,tblGames.Birds,"
    "tblGames.Pars,tblGames.Bogies,tblGames.DBogies,tblGames.TBogies,"
    "tblGames.QBogies,tblGames.Others,tblGames.FWaysLeft,tblGames.FWaysRight,"
    "tblGames.FWaysMissed,tblGames.PuttsLeft,tblGames.PuttsRight,tblGames.PuttsLong,"
    "tblGames.PuttsShort,tblGames.PuttsMissed,tblGames.TotalPutts,"
    "tblGames.GreensLeft,tblGames.GreensRight,tblGames.GreensLong,"
    "tblGames.GreensShort,tblGames.GreensMissed,tblGames.SandSaves,tblGames.UpDowns,"
    "tblGames.TotalPutts9,tblGames.TotalPutts18,tblGames.TotalGross,"
    "tblGames.TotalNet,tblGames.TotalNet9,tblGames.TotalGross9,tblGames.TotalNet18,"
    "tblGames.TotalGross18,tblGames.TotalNet18,tblGames.GrossStrokes18,"
    "tblGames.NetStrokes18,tblGames.GrossStrokes9,tblGames.NetStrokes9,"
    "tblGolfer.Holes9,tblGolfer.Holes18 FROM tblGames,"
    "tblGolfer WHERE tblGames.GolferID = tblGolfer.GolferID;";

// The same games in the same order as kLoadDeleteGame: the same tables and
// condition, so the same plan.
const char* const kLoadGameReview =
    "SELECT tblGames.GameID,tblGames.FullName,tblGames.PlayDate,tblGames.Club,"
    "tblGames.GrossScore,tblGames.NetScore,tblGames.Tees FROM tblGames,"
    "tblGolfer WHERE tblGames.GolferID = tblGolfer.GolferID;";

const char* const kLoadClubList =
    "SELECT ClubID,ClubName,City,Tees,Par1,Par2,Par3,Par4,Par5,Par6,Par7,Par8,Par9,"
    "Par10,Par11,Par12,Par13,Par14,Par15,Par16,Par17,Par18,HCap1,HCap2,HCap3,HCap4,"
    "HCap5,HCap6,HCap7,HCap8,HCap9,HCap10,HCap11,HCap12,HCap13,HCap14,HCap15,HCap16,"
    "HCap17,HCap18,ParOut,ParIn,TotalFWays,Par3s,Par4s,"
    "Par5s FROM tblClub ORDER BY ClubName COLLATE READER;";

// Identifiers are bound, never spliced into the statement.
const char* const kLoadGolferEdit =
    "SELECT FName,MName,LName,Address,City,State,Zip,HPhone,CPhone,WPhone,BDate,Age,"
    "Club,ClubAddress,ClubCity,ClubState,ClubZip,ClubPhone,ClubProPhone,Notes,"
    "Handicap,Sex,Category,FullName FROM tblGolfer WHERE GolferID = ?;";

const char* const kLoadClubEdit =
    "SELECT ClubName,Address,City,State,Zip,ClubPhone,ProShopPhone,ClubPro,"
    "ClubAsstPro,ClubMgr,Tees,Slope,Rating,Yards,FWays,Holes,CoursePar,ClubMgrPhone,"
    "Par3s,Par4s,Par5s,Par1,HCap1,Par2,HCap2,Par3,HCap3,Par4,HCap4,Par5,HCap5,Par6,"
    "HCap6,Par7,HCap7,Par8,HCap8,Par9,HCap9,ParOut,Par10,HCap10,Par11,HCap11,Par12,"
    "HCap12,Par13,HCap13,Par14,HCap14,Par15,HCap15,Par16,HCap16,Par17,HCap17,Par18,"
    "HCap18,ParIn FROM tblClub WHERE ClubID = ?;";

}  // namespace

RecordSetPtr Putt::LoadDeleteGame() {
    return ReadReporting("LoadDeleteGame", kLoadDeleteGame);
}

RecordSetPtr Putt::LoadGameReview() {
    return ReadReporting("LoadDeleteGame", kLoadGameReview);
}

RecordSetPtr Putt::LoadGolferList() {
    return ReadIgnoring(
        "SELECT GolferID,FullName,LName,Category,Handicap FROM tblGolfer ORDER BY LName COLLATE "
        "READER;");
}

RecordSetPtr Putt::LoadClubEdit(const std::string& strClubID) {
    return ReadPropagating(kLoadClubEdit, {strClubID});
}

RecordSetPtr Putt::LoadClubList() {
    return ReadIgnoring(kLoadClubList);
}

RecordSetPtr Putt::LoadClub() {
    return ReadReporting("LoadClub",
                         "SELECT ClubID,ClubName,City,State,Tees,ClubPro,CoursePar FROM tblClub "
                         "ORDER BY ClubName COLLATE READER;");
}

RecordSetPtr Putt::LoadStates() {
    return ReadIgnoring("SELECT State,StateFull FROM tblStates ORDER BY State;");
}

RecordSetPtr Putt::LoadCanada() {
    return ReadIgnoring("SELECT State,StateFull FROM tblCanada ORDER BY StateFull COLLATE READER;");
}

RecordSetPtr Putt::LoadGolferEdit(const std::string& strGolferID) {
    return ReadPropagating(kLoadGolferEdit, {strGolferID});
}

RecordSetPtr Putt::LoadGameEdit(const std::string& strGameID) {
    return ReadPropagating("SELECT * FROM tblGames WHERE GameID = ?;", {strGameID});
}

RecordSetPtr Putt::LoadGolfer() {
    return ReadReporting("LoadGolfer",
                         "SELECT GolferID,FullName,Address,Club,Age,City FROM tblGolfer ORDER BY "
                         "FullName COLLATE READER;");
}

RecordSetPtr Putt::GetNewClubID() {
    return ReadReporting("GetNewClubID", "SELECT MAX(ID) AS [NewClubID] FROM tblClub");
}

RecordSetPtr Putt::GetNewGameID() {
    return ReadReporting("GetNewGameID", "SELECT MAX(ID) AS [NewGameID] FROM tblGames");
}

RecordSetPtr Putt::GetNewGolferID() {
    return ReadReporting("GetNewGolferID", "SELECT MAX(ID) AS [NewGolferID] FROM tblGolfer");
}

RecordSetPtr Putt::RefreshGolfers() {
    return ReadIgnoring("SELECT FullName FROM tblGolfer;");
}

RecordSetPtr Putt::RefreshGames() {
    return ReadIgnoring("SELECT FullName FROM tblGames;");
}

RecordSetPtr Putt::RefreshStats(std::int16_t intHoles) {
    if (intHoles != 0) {
        return ReadIgnoring("SELECT GameID FROM tblGames WHERE Holes = ?;", {Value(intHoles)});
    }
    return ReadIgnoring("SELECT GameID FROM tblGames WHERE Holes > 0;");
}

RecordSetPtr Putt::RefreshClubs() {
    return ReadIgnoring("SELECT ClubName FROM tblClub;");
}

}  // namespace zeviza
