#include "ui/HandicapSummary.h"

#include <QGridLayout>
#include <QLabel>

#include "handicap/HandicapText.h"
#include "handicap/RecordReader.h"
#include "ui/BusyCursor.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/ValueLabel.h"

namespace parlow {

namespace {

QLabel* AddRow(QGridLayout* grid, int row, const char* caption, const char* name, QWidget* parent) {
    auto* value = new ValueLabel(parent, 24);
    value->setObjectName(name);
    auto* label = new QLabel(caption, parent);
    label->setBuddy(value);
    grid->addWidget(label, row, 0);
    grid->addWidget(value, row, 1);
    return value;
}

}  // namespace

HandicapSummary::HandicapSummary(QWidget* parent) : QWidget(parent) {
    setObjectName("HandicapSummary");
    auto* grid = new QGridLayout(this);
    grid->setContentsMargins(0, 0, 0, 0);
    lblIndex = AddRow(grid, 0, handicap::kIndexCaption, "lblHandicapIndex", this);
    lblLowIndex = AddRow(grid, 1, handicap::kLowIndexCaption, "lblLowHandicapIndex", this);
    lblCap = AddRow(grid, 2, handicap::kCapCaption, "lblHandicapCap", this);
    lblNote = new QLabel(handicap::kEstimateNote, this);
    lblNote->setObjectName("lblHandicapNote");
    lblNote->setWordWrap(true);
    QFont small = lblNote->font();
    small.setPointSizeF(small.pointSizeF() * 0.85);
    lblNote->setFont(small);
    grid->addWidget(lblNote, 3, 0, 1, 2);
    grid->setColumnStretch(1, 1);
}

void HandicapSummary::ShowGolfer(const std::string& golferId) {
    BusyCursor busy;
    const auto record = PuttStep([&golferId](zeviza::Putt& putt) {
        return std::optional(handicap::LoadScoringRecord(putt, golferId));
    });
    if (!record) {
        Clear();
        return;
    }
    lblIndex->setText(QString::fromStdString(handicap::IndexOrNeeded(*record)));
    lblLowIndex->setText(QString::fromStdString(handicap::LowIndexOrNone(*record)));
    lblCap->setText(QString::fromStdString(handicap::CapText(record->CurrentCap())));
}

void HandicapSummary::Clear() {
    for (QLabel* value : {lblIndex, lblLowIndex, lblCap}) {
        value->clear();
    }
}

std::string CourseHandicapText(const std::string& golferId, const std::string& clubId) {
    if (golferId.empty() || clubId.empty()) {
        return {};
    }
    return PuttStep([&](zeviza::Putt& putt) {
        const auto record = handicap::LoadScoringRecord(putt, golferId);
        for (const handicap::CourseRecord& course : handicap::ReadCourses(putt)) {
            if (course.clubId == clubId) {
                return handicap::CourseHandicapOrNeeded(record, course);
            }
        }
        return std::string();
    });
}

}  // namespace parlow
