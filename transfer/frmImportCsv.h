#pragma once
// Add > Import from CSV...: choose courses or games and the file; the screen
// shows what the file would add before anything is written (how many rows,
// how many new, already stored and refused, and the refused rows with their
// reasons), then Import writes all of it in one unit of work, or Cancel
// leaves the log as it is.
#include <QWidget>
#include <optional>

#include "transfer/rules/ImportPlan.h"

class QLabel;
class QPlainTextEdit;
class QPushButton;
class QRadioButton;

namespace parlow::transfer {

class frmImportCsv : public QWidget {
  public:
    explicit frmImportCsv(QWidget* parent = nullptr);

    QRadioButton* optCourses = nullptr;
    QRadioButton* optGames = nullptr;
    QPushButton* cmdChoose = nullptr;
    QLabel* lblSummary = nullptr;
    QPlainTextEdit* txtRefusals = nullptr;
    QPushButton* cmdImport = nullptr;
    QPushButton* cmdCancel = nullptr;

    // Reads and checks `file` and shows the preview; nothing is written.
    void Preview(const QString& file);
    // Writes the previewed records; false when nothing was written.
    bool Import();

  private:
    ImportKind ChosenKind() const;
    void ChooseFile();
    void Forget();

    std::optional<ImportPlan> plan_;
};

QWidget* CreateImportCsvScreen(QWidget* parent = nullptr);

}  // namespace parlow::transfer
