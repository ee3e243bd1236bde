#pragma once
// What the golfer screen tests share: a sample golfer typed key by key into
// the golfer form, golfers and games put straight into the database file,
// and a database that refuses every write for as long as it is held.
#include <QComboBox>
#include <QString>
#include <array>
#include <filesystem>
#include <string>

#include "golfers/GolferForm.h"
#include "golfers/rules/GolferEntry.h"
#include "tests/support/ReadOnlyDatabase.h"
#include "tests/support/gui/GuiTest.h"

class QTreeWidget;
class QTreeWidgetItem;

namespace golfer_tests {

using parlow::golfers::GolferForm;

struct SampleGolfer {
    std::array<QString, parlow::golfers::kTextBoxCount> text;
    std::array<QString, parlow::golfers::kStateListCount> state;  // typed into the lists
    bool male = true;
    QString notes;
};

// A complete golfer with names that need care: apostrophes, quotes and
// letters beyond Latin.
SampleGolfer Sample();

class GolferScreenTest : public testing_support::GuiTest {
  protected:
    // Types every field of the sample into the form, as a user would.
    static void TypeGolfer(GolferForm* form, const SampleGolfer& golfer);
    // Picks the list entry that starts with the code, e.g. "ON - Ontario".
    static void ChooseState(QComboBox* list, const QString& code);
    static bool HasFocus(QWidget* field);
    static void ClickRow(QTreeWidget* list, QTreeWidgetItem* row);

    // A golfer row as another screen would have left it.
    void InsertGolfer(const std::string& id, const std::string& first, const std::string& last,
                      const std::string& extra = {}) const;
    void InsertGame(const std::string& gameID, const std::string& golferID,
                    const std::string& fullName) const;
    std::string Stored(const std::string& column, const std::string& golferID) const;
    long long Golfers() const;

    std::string LastText() const { return prompts.Last().text; }
};

using testing_support::ReadOnlyDatabase;

}  // namespace golfer_tests
