// Where the course form puts its fields: a scorecard beside the club.
#include <QComboBox>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QLabel>
#include <QLineEdit>
#include <QPushButton>
#include <QRadioButton>
#include <QVBoxLayout>

#include "courses/CourseForm.h"

namespace parlow::courses {
namespace {

void AddCaptioned(QHBoxLayout* row, QLabel* caption, QWidget* field) {
    row->addWidget(caption);
    row->addWidget(field);
    row->addSpacing(10);
}

}  // namespace

// The club on the left; on the right the scorecard: the hole grid, the
// counts, the course figures and the tees. The buttons close the form.
void CourseForm::LayOut() {
    auto* courseInfo = new QLabel("Course Information", this);
    QFont bold = courseInfo->font();
    bold.setBold(true);
    courseInfo->setFont(bold);
    courseInfo->setAlignment(Qt::AlignCenter);

    auto* card = new QVBoxLayout;
    card->setSpacing(8);
    card->addWidget(courseInfo);
    card->addLayout(LayOutHoleGrid());
    card->addSpacing(4);
    card->addLayout(LayOutFigures());
    card->addStretch();

    auto* body = new QHBoxLayout;
    body->addLayout(LayOutClub(), 1);
    body->addSpacing(20);
    body->addLayout(card);

    auto* logo = new QLabel("The Parlow's Log", this);
    QFont italic = logo->font();
    italic.setItalic(true);
    logo->setFont(italic);
    auto* bottom = new QHBoxLayout;
    bottom->addWidget(logo);
    bottom->addStretch();
    const int buttonWidth = fontMetrics().horizontalAdvance('0') * 10;
    for (QPushButton* button : {cmdSave, cmdClear, cmdExit}) {
        button->setMinimumWidth(buttonWidth);
        bottom->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addLayout(body);
    layout->addSpacing(8);
    layout->addLayout(bottom);
}

QLayout* CourseForm::LayOutClub() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(8);
    grid->setColumnStretch(1, 1);
    auto addRow = [grid, this](int row, QLabel* caption, QWidget* field) {
        grid->addWidget(caption, row, 0, Qt::AlignRight | Qt::AlignVCenter);
        grid->addWidget(field, row, 1);
    };
    int row = 0;
    for (int box = 0; box < kTextBoxCount; ++box) {
        if (box == kStateLabel) {
            addRow(row++, lblInfo[kStateLabel], cboBox);
        }
        addRow(row++, lblInfo[InfoLabelOf(box)], txtBox[box]);
    }
    grid->setRowStretch(row, 1);
    // A full 35-character name shows whole.
    const int nameWidth = fontMetrics().averageCharWidth() * 35 + 16;
    for (QLineEdit* box : txtBox) {
        box->setMinimumWidth(nameWidth);
    }
    return grid;
}

// Two blocks of three rows, front nine over back nine: the hole numbers, the
// pars with Out or In set apart at the end, the handicap indexes with
// nothing under the total.
QLayout* CourseForm::LayOutHoleGrid() {
    auto* grid = new QGridLayout;
    grid->setHorizontalSpacing(4);
    grid->setVerticalSpacing(3);
    constexpr int kTotalColumn = 11;
    grid->setColumnMinimumWidth(kTotalColumn - 1, 8);
    for (int nine = 0; nine < 2; ++nine) {
        const int top = nine * 4;
        const int firstBox = nine * (kOutBox + 1);  // numBox and lblHole of its first hole
        grid->addWidget(new QLabel("Hole", this), top, 0);
        grid->addWidget(new QLabel("Par", this), top + 1, 0);
        grid->addWidget(new QLabel("H Cap", this), top + 2, 0);
        for (int hole = 0; hole < 9; ++hole) {
            grid->addWidget(lblHole[firstBox + hole], top, hole + 1);
            grid->addWidget(numBox[firstBox + hole], top + 1, hole + 1);
            grid->addWidget(capBox[nine * 9 + hole], top + 2, hole + 1);
        }
        grid->addWidget(lblHole[firstBox + 9], top, kTotalColumn);
        grid->addWidget(numBox[firstBox + 9], top + 1, kTotalColumn);
    }
    grid->setRowMinimumHeight(3, 10);
    grid->setColumnStretch(kTotalColumn + 1, 1);  // room to spare goes past the card
    return grid;
}

QLayout* CourseForm::LayOutFigures() {
    auto* counts = new QHBoxLayout;
    for (int box = 0; box < kStatBoxCount; ++box) {
        AddCaptioned(counts, lblStats[box], statBox[box]);
    }
    counts->addStretch();
    auto* figures = new QHBoxLayout;
    for (int box = kSlopeBox; box <= kCourseParBox; ++box) {
        AddCaptioned(figures, lblStats[StatsLabelOfNumBox(box)], numBox[box]);
    }
    figures->addStretch();
    auto* tees = new QHBoxLayout;
    tees->addWidget(lblTees);
    for (QRadioButton* tee : teeBox) {
        tees->addWidget(tee);
    }
    tees->addStretch();

    auto* rows = new QVBoxLayout;
    rows->setSpacing(8);
    rows->addLayout(counts);
    rows->addLayout(figures);
    rows->addLayout(tees);
    return rows;
}

}  // namespace parlow::courses
