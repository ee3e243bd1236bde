#pragma once
// Reports > Export to CSV...: choose what to export (a golfer's handicap
// record with the golfer), then where, in a save dialog offering a name such
// as "Parlow games 2026-12-10.csv".
#include <QWidget>
#include <array>

class QComboBox;
class QPushButton;
class QRadioButton;

namespace parlow::reports {

class frmExportCsv : public QWidget {
  public:
    explicit frmExportCsv(QWidget* parent = nullptr);

    // Golfers, courses, games, statistics, then a golfer's handicap record.
    std::array<QRadioButton*, 5> optKind{};
    QComboBox* cboGolfer = nullptr;  // whose handicap record
    QPushButton* cmdExport = nullptr;
    QPushButton* cmdExit = nullptr;

    // The export chosen, as the command line names it.
    const char* ChosenKind() const;
    // Writes the chosen export to `file` and says how it went in a box.
    bool ExportTo(const QString& file);

  private:
    void Export();
};

QWidget* CreateExportCsvScreen(QWidget* parent = nullptr);

}  // namespace parlow::reports
