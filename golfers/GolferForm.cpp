#include "golfers/GolferForm.h"

#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>

#include "golfers/MoveOnAnyKey.h"
#include "golfers/NotesBox.h"
#include "golfers/rules/GolferChecks.h"
#include "golfers/rules/GolferRecord.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/CheckPrompt.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/StateList.h"

namespace parlow::golfers {
namespace {

struct TextBoxLook {
    const char* caption;
    int limit;
    const char* tooltip;
    const char* column;  // of a LoadGolferEdit row
};

// A handicap index such as "12.5" or "-2.3" needs four characters.
const std::array<TextBoxLook, kTextBoxCount> kTextBoxes = {{
    {"*First Name", 25, nullptr, "FName"},
    {"Middle Name", 25, nullptr, "MName"},
    {"*Last Name", 45, nullptr, "LName"},
    {"*Address", 35, nullptr, "Address"},
    {"*City", 35, nullptr, "City"},
    {"Postal Code", 10, nullptr, "Zip"},
    {"Home Phone", 15, nullptr, "HPhone"},
    {"Cell Phone", 15, nullptr, "CPhone"},
    {"Work Phone", 25, nullptr, "WPhone"},
    {"Age", 3, " Enter age of this Golfer ", "Age"},
    {"USGA Handicap", 4, " Your USGA Handicap ", "Handicap"},
    {"Home Club Name", 35, nullptr, "Club"},
    {"Address", 35, nullptr, "ClubAddress"},
    {"City", 35, nullptr, "ClubCity"},
    {"Postal Code", 10, nullptr, "ClubZip"},
    {"Club Phone", 25, nullptr, "ClubPhone"},
    {"Pro Shop Phone", 25, nullptr, "ClubProPhone"},
}};

const std::array<const char*, kStateListCount> kStateCaptions = {"*State/Province",
                                                                 "State/Province"};
const std::array<const char*, kStateListCount> kStateColumns = {"State", "ClubState"};

constexpr int kNotesLimit = 250;
constexpr int kShortFieldChars = 6;

QString Text(const zeviza::RecordSet& row, const char* column) {
    try {
        return QString::fromStdString(row.Field(column).ToText());
    } catch (...) {
        return {};
    }
}

std::string Text(const QString& text) {
    return text.toStdString();
}

// The lists show every state and province with its code first.
QStringList ReadGolferStateEntries() {
    return parlow::ReadStateEntries(
        [](const zeviza::RecordSet& row) {
            return QString::fromStdString(
                StateListEntry(row.Field("State").ToText(), row.Field("StateFull").ToText()));
        },
        kCanadaSeparator);
}

void Unselect(QComboBox* list) {
    list->setCurrentIndex(-1);
    list->clearEditText();
}

void AddCaptioned(QGridLayout* grid, int row, int column, QLabel* caption, QWidget* field) {
    grid->addWidget(caption, row, column, Qt::AlignRight | Qt::AlignVCenter);
    grid->addWidget(field, row, column + 1);
}

}  // namespace

GolferForm::GolferForm(QWidget* parent) : QWidget(parent) {
    CreateFields();
    LayOut();
    SetTabOrder();
    ApplyFieldBehaviour();
    FillStateLists();
    optSex[kMale]->setChecked(true);
}

void GolferForm::CreateFields() {
    for (int box = 0; box < kTextBoxCount; ++box) {
        lblBox[box] = new QLabel(kTextBoxes[box].caption, this);
        txtBox[box] = new QLineEdit(this);
        txtBox[box]->setMaxLength(kTextBoxes[box].limit);
        if (kTextBoxes[box].tooltip != nullptr) {
            txtBox[box]->setToolTip(kTextBoxes[box].tooltip);
        }
    }
    for (int list = 0; list < kStateListCount; ++list) {
        lblState[list] = new QLabel(kStateCaptions[list], this);
        cboBox[list] = parlow::NewStateList(this);
    }
    lblSex = new QLabel("Sex", this);
    optSex[kMale] = new QRadioButton("Male", this);
    optSex[kFemale] = new QRadioButton("Female", this);
    lblNotes = new QLabel("Notes: ", this);
    txtNotes = new NotesBox(kNotesLimit, this);
    txtNotes->setToolTip(" 250 characters max ");
    cmdSave = new QPushButton("&Save", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

// Two columns of captioned fields: the golfer on the left, the home club and
// the notes on the right, the buttons below on the right.
void GolferForm::LayOut() {
    auto* grid = new QGridLayout(this);
    grid->setHorizontalSpacing(8);
    grid->setColumnMinimumWidth(2, 16);
    grid->setColumnStretch(1, 1);
    grid->setColumnStretch(4, 1);

    int row = 0;
    for (int box = kFirstName; box <= kCity; ++box) {
        AddCaptioned(grid, row++, 0, lblBox[box], txtBox[box]);
    }
    AddCaptioned(grid, row++, 0, lblState[kGolferState], cboBox[kGolferState]);
    for (int box = kPostalCode; box <= kWorkPhone; ++box) {
        AddCaptioned(grid, row++, 0, lblBox[box], txtBox[box]);
    }
    AddCaptioned(grid, row++, 0, lblBox[kAge], txtBox[kAge]);
    auto* sexRow = new QHBoxLayout;
    sexRow->addWidget(optSex[kMale]);
    sexRow->addWidget(optSex[kFemale]);
    sexRow->addStretch();
    grid->addWidget(lblSex, row, 0, Qt::AlignRight | Qt::AlignVCenter);
    grid->addLayout(sexRow, row++, 1);
    AddCaptioned(grid, row++, 0, lblBox[kHandicap], txtBox[kHandicap]);
    const int lastGolferRow = row - 1;

    row = 0;
    for (int box = kClub; box <= kClubCity; ++box) {
        AddCaptioned(grid, row++, 3, lblBox[box], txtBox[box]);
    }
    AddCaptioned(grid, row++, 3, lblState[kClubState], cboBox[kClubState]);
    for (int box = kClubPostalCode; box <= kProShopPhone; ++box) {
        AddCaptioned(grid, row++, 3, lblBox[box], txtBox[box]);
    }
    grid->addWidget(lblNotes, row, 3, Qt::AlignRight | Qt::AlignTop);
    // The notes take the height of the rows beside them and never spread them.
    txtNotes->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Ignored);
    txtNotes->setMinimumHeight(fontMetrics().lineSpacing() * 4);
    grid->addWidget(txtNotes, row, 4, lastGolferRow - row + 1, 1);

    const int charWidth = fontMetrics().horizontalAdvance('0');
    for (int box : {kAge, kHandicap}) {
        txtBox[box]->setFixedWidth(charWidth * kShortFieldChars + 12);
        grid->setAlignment(txtBox[box], Qt::AlignLeft | Qt::AlignVCenter);
    }

    auto* buttons = new QHBoxLayout;
    buttons->setSpacing(8);
    buttons->addStretch();
    for (QPushButton* button : {cmdSave, cmdClear, cmdExit}) {
        button->setMinimumWidth(charWidth * 10);
        buttons->addWidget(button);
    }
    grid->setRowMinimumHeight(lastGolferRow + 1, 8);
    grid->addLayout(buttons, lastGolferRow + 2, 0, 1, 5);
}

void GolferForm::SetTabOrder() {
    std::vector<QWidget*> order;
    for (int box = kFirstName; box <= kCity; ++box) {
        order.push_back(txtBox[box]);
    }
    order.push_back(cboBox[kGolferState]);
    for (int box = kPostalCode; box <= kAge; ++box) {
        order.push_back(txtBox[box]);
    }
    order.insert(order.end(), {optSex[kMale], optSex[kFemale]});
    for (int box = kHandicap; box <= kClubCity; ++box) {
        order.push_back(txtBox[box]);
    }
    order.push_back(cboBox[kClubState]);
    for (int box = kClubPostalCode; box <= kProShopPhone; ++box) {
        order.push_back(txtBox[box]);
    }
    order.insert(order.end(), {txtNotes, cmdSave, cmdClear, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }
}

// Enter walks the fields in screen order but passes over the sex options,
// which move on by themselves at any key.
void GolferForm::ApplyFieldBehaviour() {
    std::vector<parlow::FieldEntry> table;
    for (int box = kFirstName; box <= kCity; ++box) {
        table.push_back({txtBox[box], lblBox[box]});
    }
    table.push_back({cboBox[kGolferState], lblState[kGolferState]});
    for (int box = kPostalCode; box <= kAge; ++box) {
        table.push_back({txtBox[box], lblBox[box]});
    }
    table.push_back({optSex[kMale], lblSex});
    table.push_back({optSex[kFemale], lblSex});
    for (int box = kHandicap; box <= kClubCity; ++box) {
        table.push_back({txtBox[box], lblBox[box]});
    }
    table.push_back({cboBox[kClubState], lblState[kClubState]});
    for (int box = kClubPostalCode; box <= kProShopPhone; ++box) {
        table.push_back({txtBox[box], lblBox[box]});
    }
    table.push_back({txtNotes, lblNotes});
    behaviour_ = new parlow::FieldBehaviour(this, std::move(table), cmdSave);
    behaviour_->SetNext(txtBox[kAge], txtBox[kHandicap]);
    auto* moveOn = new MoveOnAnyKey(txtBox[kHandicap], this);
    moveOn->Watch(optSex[kMale]);
    moveOn->Watch(optSex[kFemale]);
}

void GolferForm::FillStateLists() {
    const QStringList entries = ReadGolferStateEntries();
    for (QComboBox* list : cboBox) {
        list->clear();
        list->addItems(entries);
        Unselect(list);
    }
}

GolferEntry GolferForm::Entry() const {
    GolferEntry entry;
    for (int box = 0; box < kTextBoxCount; ++box) {
        entry.text[box] = Text(txtBox[box]->text());
    }
    for (int list = 0; list < kStateListCount; ++list) {
        entry.state[list] = Text(cboBox[list]->currentText());
    }
    entry.male = optSex[kMale]->isChecked();
    entry.notes = Text(txtNotes->toPlainText());
    return entry;
}

// The state lists show the stored two-letter code as it is.
void GolferForm::ShowGolfer(const zeviza::RecordSet& golfer) {
    for (int box = 0; box < kTextBoxCount; ++box) {
        txtBox[box]->setText(Text(golfer, kTextBoxes[box].column));
    }
    for (int list = 0; list < kStateListCount; ++list) {
        Unselect(cboBox[list]);
        cboBox[list]->setEditText(Text(golfer, kStateColumns[list]));
    }
    txtNotes->setPlainText(Text(golfer, "Notes"));
    const QString sex = Text(golfer, "Sex");
    if (sex == "Male") {
        optSex[kMale]->setChecked(true);
    } else if (sex == "Female") {
        optSex[kFemale]->setChecked(true);
    }
}

void GolferForm::EmptyFields() {
    for (QLineEdit* box : txtBox) {
        box->clear();
    }
    for (QComboBox* list : cboBox) {
        Unselect(list);
    }
    txtNotes->clear();
    optSex[kMale]->setChecked(true);
}

QWidget* GolferForm::FieldFor(GolferFocus focus) const {
    switch (focus.control) {
        case GolferControl::TxtBox:
            return txtBox.at(focus.index);
        case GolferControl::CboBox:
            return cboBox.at(focus.index);
        default:
            return nullptr;
    }
}

void GolferForm::ShowHandicapNotNumber() {
    txtBox[kHandicap]->setText(kHandicapNotNumber);
}

bool Passes(const GolferCheckResult& result, QWidget* field) {
    return parlow::PassesCheck(result.pass, result.message, zeviza::Icon::Warning, field);
}

}  // namespace parlow::golfers
