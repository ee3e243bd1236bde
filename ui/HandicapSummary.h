#pragma once
// The golfer's estimated Handicap Index as the golfer screens show it: the
// index (or the rounds it still needs), the Low Handicap Index, whether a cap
// applied, and the note that it is an estimate. Read-only.
#include <QWidget>
#include <string>

class QLabel;

namespace parlow {

class HandicapSummary : public QWidget {
    Q_OBJECT
  public:
    explicit HandicapSummary(QWidget* parent = nullptr);

    // Works the golfer's record out from the stored games and shows it.
    void ShowGolfer(const std::string& golferId);
    void Clear();

    QLabel* lblIndex = nullptr;
    QLabel* lblLowIndex = nullptr;
    QLabel* lblCap = nullptr;
    QLabel* lblNote = nullptr;
};

// The golfer's Course Handicap on a course record at the estimated index, or
// what the index still needs; empty when either is not chosen.
std::string CourseHandicapText(const std::string& golferId, const std::string& clubId);

}  // namespace parlow
