#include "tests/golfers/GolferScreenSupport.h"

#include <QApplication>
#include <QLineEdit>
#include <QRadioButton>
#include <QTreeWidget>

#include "golfers/NotesBox.h"

namespace golfer_tests {

using namespace parlow::golfers;

SampleGolfer Sample() {
    SampleGolfer golfer;
    golfer.text[kFirstName] = "Zoë";
    golfer.text[kMiddleName] = "D'Arcy";
    golfer.text[kLastName] = "O'Brien \"Ace\" 李";
    golfer.text[kAddress] = "12 Ruelle de l'Église";
    golfer.text[kCity] = "Québec";
    golfer.text[kPostalCode] = "G1R 4P5";
    golfer.text[kHomePhone] = "418-555-0101";
    golfer.text[kCellPhone] = "418-555-0102";
    golfer.text[kWorkPhone] = "418-555-0103 x7";
    golfer.text[kAge] = "34";
    golfer.text[kHandicap] = "12.5";
    golfer.text[kClub] = "Club de golf Cap-Rouge";
    golfer.text[kClubAddress] = "4600 rue Saint-Félix";
    golfer.text[kClubCity] = "Cap-Rouge";
    golfer.text[kClubPostalCode] = "G1Y 3B4";
    golfer.text[kClubPhone] = "418-555-0110";
    golfer.text[kProShopPhone] = "418-555-0111";
    golfer.state = {"QC - Quebec", "QC - Quebec"};
    golfer.male = false;
    golfer.notes = "Plays Tuesdays; \"never\" misses a putt that's short.";
    return golfer;
}

void GolferScreenTest::TypeGolfer(GolferForm* form, const SampleGolfer& golfer) {
    for (int box = 0; box < kTextBoxCount; ++box) {
        Type(form->txtBox[box], golfer.text[box]);
    }
    for (int list = 0; list < kStateListCount; ++list) {
        Type(form->cboBox[list], golfer.state[list]);
    }
    form->optSex[golfer.male ? kMale : kFemale]->setChecked(true);
    form->txtNotes->setFocus();
    form->txtNotes->clear();
    TypeKeys(form->txtNotes, golfer.notes);
    Settle();
}

void GolferScreenTest::ChooseState(QComboBox* list, const QString& code) {
    list->setFocus();
    list->setCurrentIndex(list->findText(code + " - ", Qt::MatchStartsWith));
    Settle();
}

bool GolferScreenTest::HasFocus(QWidget* field) {
    QWidget* focused = Focused();
    return focused != nullptr && (focused == field || field->isAncestorOf(focused));
}

void GolferScreenTest::ClickRow(QTreeWidget* list, QTreeWidgetItem* row) {
    list->scrollToItem(row);
    const QRect rect = list->visualItemRect(row);
    QTest::mouseClick(list->viewport(), Qt::LeftButton, {},
                      QPoint(rect.left() + 4, rect.center().y()));
    Settle();
}

namespace {

// A text as an SQL literal's content: each apostrophe doubled.
std::string Quoted(const std::string& text) {
    std::string quoted;
    for (char c : text) {
        quoted += c == '\'' ? std::string("''") : std::string(1, c);
    }
    return quoted;
}

}  // namespace

void GolferScreenTest::InsertGolfer(const std::string& id, const std::string& first,
                                    const std::string& last, const std::string& extra) const {
    folder.Exec(
        "INSERT INTO tblGolfer (GolferID,FName,MName,LName,FullName,Address,City,State,"
        "Age,Sex,Category,Handicap,Club) VALUES ('" +
        id + "','" + Quoted(first) + "','','" + Quoted(last) + "','" + Quoted(first + " " + last) +
        "','1 Tee Rd','Akron','OH',40,'Male','Adult Male',10,'Firestone');" + extra);
}

void GolferScreenTest::InsertGame(const std::string& gameID, const std::string& golferID,
                                  const std::string& fullName) const {
    folder.Exec(
        "INSERT INTO tblGames (GameID,GolferID,FullName,Category,Handicap,Club,Holes) "
        "VALUES ('" +
        gameID + "','" + golferID + "','" + Quoted(fullName) +
        "','Adult Male',10,'Firestone',18);");
}

std::string GolferScreenTest::Stored(const std::string& column, const std::string& golferID) const {
    return folder.Text("SELECT " + column + " FROM tblGolfer WHERE GolferID = '" + golferID + "';");
}

long long GolferScreenTest::Golfers() const {
    return folder.Count("SELECT COUNT(*) FROM tblGolfer;");
}

}  // namespace golfer_tests
