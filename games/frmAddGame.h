#pragma once
// The game form: the golfer picks a course, names the golfer and the date,
// types the round hole by hole with its totals, details and partners, and
// saves it. As the entry screen it records a new round through AddGame; as
// the edit screen it lists the recorded games above the form, shows the one
// chosen in every field, and saves the correction through ReplaceGame.
#include <QStringList>
#include <QWidget>
#include <array>
#include <chrono>

#include "games/rules/GameEntry.h"
#include "games/rules/GameFigures.h"
#include "ui/fields/TypedDateEdit.h"
#include "zeviza/ShownRecord.h"

class QComboBox;
class QLabel;
class QLineEdit;
class QModelIndex;
class QPushButton;
class QTreeView;

namespace parlow {
class FieldBehaviour;
class RecordTableModel;
}  // namespace parlow

namespace parlow::games {

inline constexpr int kHoles = 18;
inline constexpr int kPartners = 3;
inline constexpr int kDetailCounts = 24;
// txtBox: the 18 holes, then the partners' names, then their scores.
inline constexpr int kFirstPartnerName = 18;
inline constexpr int kFirstPartnerScore = 21;
inline constexpr int kTextBoxCount = 24;
// cboBox: the golfer list and its three hidden twins.
enum GolferList : int { kGolferName, kGolferID, kGolferCategory, kGolferHandicap, kGolferLists };
enum NineTotal : int { kOut, kIn };
enum ScoreTotal : int { kGross, kNet };
enum ParType : int { kPar3, kPar4, kPar5, kParTypes };
enum class GameScreen { Entry, Edit };

class frmAddGame : public QWidget {
    Q_OBJECT
  public:
    explicit frmAddGame(QWidget* parent = nullptr);
    explicit frmAddGame(GameScreen screen, QWidget* parent = nullptr);

    // The edit screen's list of recorded games (none on the entry screen).
    QTreeView* lvGame = nullptr;
    parlow::RecordTableModel* gameRows = nullptr;

    QLabel* lblHeading = nullptr;
    QTreeView* lvClub = nullptr;
    parlow::RecordTableModel* clubRows = nullptr;
    std::array<QComboBox*, kGolferLists> cboBox{};
    parlow::TypedDateEdit* datBox = nullptr;
    std::array<QLineEdit*, kTextBoxCount> txtBox{};
    std::array<QLineEdit*, 2> txtPar{};
    std::array<QLineEdit*, 2> boxScore{};
    std::array<QLineEdit*, kDetailCounts> statBox{};
    QPushButton* cmdSave = nullptr;
    QPushButton* cmdClear = nullptr;
    QPushButton* cmdExit = nullptr;

    // The course values, shown and hidden.
    QLabel* lblClub = nullptr;
    QLabel* lblTees = nullptr;
    QLabel* lblCourseHandicap = nullptr;  // at the golfer's estimated index
    std::array<QLabel*, kHoles> lblPar{};
    QLabel* lblOut = nullptr;
    QLabel* lblIn = nullptr;
    std::array<QLabel*, kHoles> lblCap{};
    QLabel* lblID = nullptr;
    QLabel* lblFWays = nullptr;
    std::array<QLabel*, kParTypes> lblParCount{};  // lblPar3s to lblPar5s
    std::array<QLabel*, kParTypes> lblParScore{};  // lblPar3scr to lblPar5scr

    // Captions, lit while their field has the focus.
    std::array<QLabel*, 20> lblHole{};  // "1".."9", "Out", "10".."18", "In"
    std::array<QLabel*, kDetailCounts> lblStats{};
    std::array<QLabel*, kPartners> lblPartner{};
    std::array<QLabel*, kPartners> lblPartnerScore{};
    QLabel* lblGolfer = nullptr;
    QLabel* lblDate = nullptr;
    QLabel* lblScore = nullptr;  // the heading over Net and Gross
    QLabel* lblNet = nullptr;
    QLabel* lblGross = nullptr;
    QLabel* picLogo = nullptr;

    // What the round rules read from the screen.
    GameEntry Entry() const;
    CourseCard Course() const;
    GolferChoice Golfer() const;
    std::chrono::year_month_day GameDate() const;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    enum class Written { Yes, Refused, Declined, RecordChanged };

    void CreateControls();
    void CreateGameList();
    void CreateCourseValues();
    void CreateScoreFields();
    void LayOut();
    void SetTabOrder();
    void ApplyFieldBehaviour();
    void LoadGolfers();
    void LoadCourses();
    // After another screen's write: the chosen golfer and course stay chosen
    // while stored, with what is stored now, and every typed field stays.
    void RefillGolfersKeepingChoice();
    void RefillCoursesKeepingChoice();
    void ShowCourse(const QStringList& row);
    void ClearCourse();
    void ShowLogo();
    void ChooseCourse(const QModelIndex& row);
    void ChooseGolfer(int entry);
    void ShowCourseHandicap();
    void ShowEntry(const GameEntry& entry);
    QWidget* FieldFor(GameFocus focus) const;
    void Save();
    void SaveChecked();
    Written Store(GameEntry entry);
    Written AddNew(zeviza::GameRecord& game);
    void AfterSave(Written written);
    void Clear();

    // The edit screen's game: chosen from the list, shown in every field,
    // and replaced only while it is still stored as it was read.
    void LoadGames();
    void ChooseGame(const QModelIndex& row);
    void ShowStoredGame(const zeviza::RecordSet& game);
    void ShowStoredGolfer(const QString& golferID);
    void ForgetGame();
    Written ReplaceChosen(zeviza::GameRecord& game);

    GameScreen screen_ = GameScreen::Entry;
    QString chosenGame_;
    zeviza::ShownRecord loaded_;
    parlow::FieldBehaviour* behaviour_ = nullptr;
    bool saving_ = false;
    bool golferKeyed_ = false;  // the golfer list changed by a key on it
};

}  // namespace parlow::games
