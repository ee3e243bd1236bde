#include "reports/trends/frmTrends.h"

#include <QButtonGroup>
#include <QDate>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reports/review/ReviewPicker.h"
#include "reports/review/ReviewScreens.h"
#include "reports/trends/TrendScreens.h"
#include "reports/trends/rules/TrendReads.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/FieldBehaviour.h"

namespace parlow::reports {

namespace {

QString PeriodName(trends::Period period) {
    switch (period) {
        case trends::Period::LastTwenty:
            return "Last 20 Rounds";
        case trends::Period::ThisYear:
            return "This Year";
        case trends::Period::All:
            break;
    }
    return "All Rounds";
}

// Both groups are exclusive on their own, not with each other.
void Group(QWidget* screen, std::initializer_list<QRadioButton*> options) {
    auto* group = new QButtonGroup(screen);
    for (QRadioButton* option : options) {
        group->addButton(option);
    }
    (*options.begin())->setChecked(true);
}

}  // namespace

frmTrends::frmTrends(QWidget* parent)
    : QWidget(parent), golfers_(*FindReviewScreen("frmGolferData")) {
    setObjectName("frmTrends");
    setWindowTitle("Trends");
    OpenPuttIfAny();
    picker_ = new ReviewPicker(this, golfers_, "Golfer's Trends");
    CreateControls();
    LayOut();
    auto* behaviour = new FieldBehaviour(this, {}, cmdChart);
    behaviour->AddRecordList(lvGolfer, [this](QTreeWidgetItem* row) { picker_->Show(row); });
    for (QRadioButton* option : {opt18, opt9, optLast20, optThisYear, optAll}) {
        behaviour->LightOwnText(option);
    }
    connect(cmdChart, &QPushButton::clicked, this, &frmTrends::Chart);
    connect(cmdClear, &QPushButton::clicked, this, &frmTrends::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { CloseScreen(this); });
}

void frmTrends::CreateControls() {
    lblHeading = picker_->heading;
    lblProduct = picker_->product;
    lvGolfer = picker_->list;
    lblCaption = picker_->captions;
    txtField = picker_->fields;
    opt18 = new QRadioButton("18 Hole Games", this);
    opt9 = new QRadioButton("9 Hole Games", this);
    optLast20 = new QRadioButton(PeriodName(trends::Period::LastTwenty), this);
    optThisYear = new QRadioButton(PeriodName(trends::Period::ThisYear), this);
    optAll = new QRadioButton(PeriodName(trends::Period::All), this);
    Group(this, {opt18, opt9});
    Group(this, {optLast20, optThisYear, optAll});
    cmdChart = new QPushButton("C&hart", this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

void frmTrends::LayOut() {
    auto* options = new QHBoxLayout;
    for (QRadioButton* option : {opt18, opt9}) {
        options->addWidget(option);
    }
    options->addSpacing(fontMetrics().horizontalAdvance('0') * 4);
    for (QRadioButton* option : {optLast20, optThisYear, optAll}) {
        options->addWidget(option);
    }
    options->addStretch();

    auto* bottom = new QHBoxLayout;
    bottom->addStretch();
    for (QPushButton* button : {cmdChart, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        bottom->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(picker_->HeadingRow());
    layout->addWidget(lvGolfer, 1);
    layout->addLayout(picker_->FieldGrid());
    layout->addLayout(options);
    layout->addLayout(bottom);
}

void frmTrends::Clear() {
    picker_->ClearFields();
    opt18->setChecked(true);
    optLast20->setChecked(true);
}

int frmTrends::Holes() const {
    return opt9->isChecked() ? 9 : 18;
}

trends::Period frmTrends::ChosenPeriod() const {
    if (optThisYear->isChecked()) {
        return trends::Period::ThisYear;
    }
    return optAll->isChecked() ? trends::Period::All : trends::Period::LastTwenty;
}

QString frmTrends::ChartTitle() const {
    return QString("%1, %2 Hole Games, %3")
        .arg(txtField[1]->text())
        .arg(Holes())
        .arg(PeriodName(ChosenPeriod()));
}

std::string frmTrends::OpenChart() {
    BusyCursor busy;
    const std::string golfer = txtField.front()->text().toStdString();
    if (golfer.empty()) {
        return golfers_.missingSelection;
    }
    const std::string today = QDate::currentDate().toString(Qt::ISODate).toStdString();
    std::optional<trends::TrendSeries> series =
        PuttStep([&](zeviza::Putt& putt) -> std::optional<trends::TrendSeries> {
            return trends::BuildTrendSeries(trends::ReadTrendRounds(putt, golfer), Holes(),
                                            ChosenPeriod(), today,
                                            trends::ReadIndexHistory(putt, golfer));
        });
    if (!series) {
        return "The games could not be read. ";
    }
    if (series->Empty()) {
        return QString("No %1 hole Game records were found for %2 in this period. ")
            .arg(Holes())
            .arg(txtField[1]->text())
            .toStdString();
    }
    ShowTrendChart(ChartTitle(), std::move(*series));
    return {};
}

void frmTrends::Chart() {
    const std::string warning = OpenChart();
    if (!warning.empty()) {
        ShowMessage(warning, zeviza::Icon::Warning);
    }
}

}  // namespace parlow::reports
