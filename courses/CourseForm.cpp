#include "courses/CourseForm.h"

#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <optional>

#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/CheckPrompt.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/StateList.h"

namespace parlow::courses {
namespace {

// A handicap field marks the hole label of its column in red.
const QColor kHandicapRed(255, 0, 0);
// Out and In are totals, shaded as on a printed scorecard.
const QColor kTotalShade(236, 236, 228);

const char* const kCanadaSeparator = "- Canada -";

std::optional<QString> ColumnText(const zeviza::RecordSet& row, const char* column) {
    try {
        const zeviza::Value& value = row.Field(column);
        if (value.IsNull()) {
            return std::nullopt;
        }
        return QString::fromStdString(value.ToText());
    } catch (...) {
        return std::nullopt;
    }
}

void ShowColumn(QLineEdit* field, const zeviza::RecordSet& row, const char* column) {
    if (auto text = ColumnText(row, column)) {
        field->setText(*text);
    }
}

std::string Text(const QLineEdit* field) {
    return field->text().toStdString();
}

// The entry screen lists "NY - New York"; the edit screen the codes alone.
QStringList ReadStateItems(CourseScreen screen) {
    return parlow::ReadStateEntries(
        [screen](const zeviza::RecordSet& row) {
            QString item = QString::fromStdString(row.Field("State").ToText());
            if (screen == CourseScreen::Entry) {
                item += " - " + QString::fromStdString(row.Field("StateFull").ToText());
            }
            return item;
        },
        kCanadaSeparator);
}

// Wide enough for `chars` digits and no wider, the text centred.
QLineEdit* NewNumberBox(int limit, int chars, QWidget* parent) {
    auto* box = new QLineEdit(parent);
    box->setMaxLength(limit);
    box->setAlignment(Qt::AlignCenter);
    const int digits = box->fontMetrics().horizontalAdvance(QString(chars, '0'));
    box->setFixedWidth(digits + 16);
    return box;
}

QLabel* NewCentredLabel(const QString& text, QWidget* parent) {
    auto* label = new QLabel(text, parent);
    label->setAlignment(Qt::AlignCenter);
    return label;
}

void SetTooltip(QWidget* widget, const QString& tooltip) {
    if (!tooltip.isEmpty()) {
        widget->setToolTip(tooltip);
    }
}

}  // namespace

CourseForm::CourseForm(CourseScreen screen, QWidget* parent) : QWidget(parent), screen_(screen) {
    CreateFields();
    CreateCaptions();
    LayOut();
    ApplyFieldOrder();
    FillStateList();
}

void CourseForm::CreateFields() {
    for (int box = 0; box < kTextBoxCount; ++box) {
        txtBox[box] = new QLineEdit(this);
        txtBox[box]->setMaxLength(kTextBoxes[box].limit);
    }
    cboBox = parlow::NewStateList(this);
    for (int box = 0; box < kNumBoxCount; ++box) {
        const int limit = NumBoxLimit(box);
        numBox[box] = NewNumberBox(limit, limit, this);
        SetTooltip(numBox[box], NumBoxTooltip(screen_, box));
    }
    for (int box : {kOutBox, kInBox}) {
        QPalette shaded = numBox[box]->palette();
        shaded.setColor(QPalette::Base, kTotalShade);
        numBox[box]->setPalette(shaded);
    }
    for (int box = 0; box < kCapBoxCount; ++box) {
        capBox[box] = NewNumberBox(kNumberLimit, kNumberLimit, this);
        SetTooltip(capBox[box], CapBoxTooltip(screen_));
    }
    for (int box = 0; box < kStatBoxCount; ++box) {
        const int limit = StatBoxLimit(screen_, box);
        statBox[box] = NewNumberBox(limit, std::max(limit, kNumberLimit), this);
        SetTooltip(statBox[box], StatsFieldTooltip(screen_, box));
    }
    for (int tee = 0; tee < kTeeCount; ++tee) {
        teeBox[tee] = new QRadioButton(kTeeCaptions[tee], this);
        SetTooltip(teeBox[tee], TeeTooltip(screen_, tee));
    }
    cmdSave = new QPushButton("&Save", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

void CourseForm::CreateCaptions() {
    for (int box = 0; box < kTextBoxCount; ++box) {
        lblInfo[InfoLabelOf(box)] = new QLabel(kTextBoxes[box].caption, this);
    }
    lblInfo[kStateLabel] = new QLabel(kStateCaption, this);
    for (int label = 0; label < kHoleLabelCount; ++label) {
        lblHole[label] = NewCentredLabel(HoleLabelText(label), this);
    }
    for (int label = 0; label < kStatsLabelCount; ++label) {
        lblStats[label] = new QLabel(StatsCaption(screen_, label), this);
        SetTooltip(lblStats[label], StatsCaptionTooltip(screen_, label));
    }
    lblTees = new QLabel(TeesCaption(screen_), this);
    SetTooltip(lblTees, TeesCaptionTooltip(screen_));
}

// One order serves Tab and Enter: the club, the front nine's pars and
// handicaps, the back nine's, the counts, the course figures, the tees.
// Enter on any tee option goes to Save.
void CourseForm::ApplyFieldOrder() {
    std::vector<parlow::FieldEntry> table;
    for (int box = 0; box < kTextBoxCount; ++box) {
        if (box == kStateLabel) {
            table.push_back({cboBox, lblInfo[kStateLabel]});
        }
        table.push_back({txtBox[box], lblInfo[InfoLabelOf(box)]});
    }
    for (int nine = 0; nine < 2; ++nine) {
        for (int box = nine * (kOutBox + 1); box <= nine * (kOutBox + 1) + 9; ++box) {
            table.push_back({numBox[box], lblHole[box]});
        }
        for (int cap = nine * 9; cap < nine * 9 + 9; ++cap) {
            table.push_back({capBox[cap], lblHole[HoleLabelOfCap(cap)], nullptr, kHandicapRed});
        }
    }
    for (int box = 0; box < kStatBoxCount; ++box) {
        table.push_back({statBox[box], lblStats[box]});
    }
    for (int box = kSlopeBox; box <= kCourseParBox; ++box) {
        table.push_back({numBox[box], lblStats[StatsLabelOfNumBox(box)]});
    }
    for (QRadioButton* tee : teeBox) {
        table.push_back({tee, lblTees});
    }

    std::vector<QWidget*> order;
    for (const parlow::FieldEntry& entry : table) {
        order.push_back(entry.field);
    }
    order.insert(order.end(), {cmdSave, cmdClear, cmdExit});
    for (std::size_t i = 1; i < order.size(); ++i) {
        setTabOrder(order[i - 1], order[i]);
    }

    auto* behaviour = new parlow::FieldBehaviour(this, std::move(table), cmdSave);
    for (QRadioButton* tee : teeBox) {
        behaviour->SetNext(tee, cmdSave);
        behaviour->LightOwnText(tee, true);
    }
}

void CourseForm::FillStateList() {
    cboBox->clear();
    cboBox->addItems(ReadStateItems(screen_));
    cboBox->setCurrentIndex(-1);
    cboBox->clearEditText();
}

CourseEntry CourseForm::Entry() const {
    CourseEntry entry;
    std::string* texts[kTextBoxCount] = {&entry.clubName,   &entry.address,   &entry.city,
                                         &entry.postalCode, &entry.clubPhone, &entry.proShopPhone,
                                         &entry.clubPro,    &entry.asstPro,   &entry.manager};
    for (int box = 0; box < kTextBoxCount; ++box) {
        *texts[box] = Text(txtBox[box]);
    }
    entry.state = cboBox->currentText().toStdString();
    for (int hole = 0; hole < 18; ++hole) {
        entry.par[hole] = Text(numBox[ParBox(hole)]);
        entry.hcap[hole] = Text(capBox[hole]);
    }
    entry.out = Text(numBox[kOutBox]);
    entry.in = Text(numBox[kInBox]);
    entry.slope = Text(numBox[kSlopeBox]);
    entry.rating = Text(numBox[kRatingBox]);
    entry.coursePar = Text(numBox[kCourseParBox]);
    std::string* counts[kStatBoxCount] = {&entry.par3s, &entry.par4s, &entry.par5s, &entry.fairways,
                                          &entry.length};
    for (int box = 0; box < kStatBoxCount; ++box) {
        *counts[box] = Text(statBox[box]);
    }
    for (const QRadioButton* tee : teeBox) {
        if (tee->isChecked()) {
            entry.tees = tee->text().toStdString();
            break;
        }
    }
    return entry;
}

void CourseForm::ShowHandicaps(const CourseEntry& entry) {
    for (int hole = 0; hole < kCapBoxCount; ++hole) {
        const QString text = QString::fromStdString(entry.hcap[hole]);
        if (capBox[hole]->text() != text) {
            capBox[hole]->setText(text);
        }
    }
}

// The State/Prov field shows the stored code as it is.
void CourseForm::ShowCourse(const zeviza::RecordSet& course) {
    for (int box = 0; box < kTextBoxCount; ++box) {
        ShowColumn(txtBox[box], course, kTextBoxes[box].column);
    }
    if (auto state = ColumnText(course, kStateColumn)) {
        cboBox->setCurrentIndex(-1);
        cboBox->setEditText(*state);
    }
    for (int box = 0; box < kNumBoxCount; ++box) {
        ShowColumn(numBox[box], course, kNumBoxColumns[box]);
    }
    for (int box = 0; box < kCapBoxCount; ++box) {
        ShowColumn(capBox[box], course, CapBoxColumn(box));
    }
    for (int box = 0; box < kStatBoxCount; ++box) {
        ShowColumn(statBox[box], course, kStatBoxColumns[box]);
    }
    if (auto tees = ColumnText(course, "Tees")) {
        for (QRadioButton* tee : teeBox) {
            if (tee->text() == *tees) {
                tee->setChecked(true);
            }
        }
    }
}

void CourseForm::EmptyFields() {
    for (QLineEdit* box : txtBox) {
        box->clear();
    }
    for (QLineEdit* box : numBox) {
        box->clear();
    }
    for (QLineEdit* box : capBox) {
        box->clear();
    }
    for (QLineEdit* box : statBox) {
        box->clear();
    }
    UnselectTees();
    cboBox->setCurrentIndex(-1);
    cboBox->clearEditText();
}

// Exclusive options cannot all be unchecked while they are exclusive.
void CourseForm::UnselectTees() {
    for (QRadioButton* tee : teeBox) {
        tee->setAutoExclusive(false);
        tee->setChecked(false);
        tee->setAutoExclusive(true);
    }
}

QWidget* CourseForm::FieldFor(CourseFocus focus) const {
    switch (focus.control) {
        case CourseControl::TxtBox:
            return txtBox.at(focus.index);
        case CourseControl::StateBox:
            return cboBox;
        case CourseControl::NumBox:
            return numBox.at(focus.index);
        default:
            return nullptr;
    }
}

bool Passes(const CourseCheckResult& result, QWidget* field) {
    return parlow::PassesCheck(result.pass, result.message, result.icon, field);
}

}  // namespace parlow::courses
