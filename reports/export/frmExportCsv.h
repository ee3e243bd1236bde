#pragma once
// Reports > Export to CSV...: choose what to export, then where, in a save
// dialog offering a name such as "Parlow games 2026-12-10.csv".
#include <QWidget>
#include <array>

class QPushButton;
class QRadioButton;

namespace parlow::reports {

class frmExportCsv : public QWidget {
  public:
    explicit frmExportCsv(QWidget* parent = nullptr);

    std::array<QRadioButton*, 4> optKind{};
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
