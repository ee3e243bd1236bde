#include "reports/trends/frmTrends.h"

#include <QButtonGroup>
#include <QDate>
#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>

#include "reports/review/ReviewList.h"
#include "reports/review/ReviewScreens.h"
#include "reports/trends/TrendScreens.h"
#include "reports/trends/rules/TrendReads.h"
#include "ui/BusyCursor.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/ValueLabel.h"

namespace parlow::reports {

namespace {

QFont ComicSans(QFont font, double pointSize) {
    font.setFamily("Comic Sans MS");
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

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
    CreateControls();
    LayOut();
    auto* behaviour = new FieldBehaviour(this, {}, cmdChart);
    behaviour->AddRecordList(lvGolfer, [this](QTreeWidgetItem* row) { ShowRow(row); });
    for (QRadioButton* option : {opt18, opt9, optLast20, optThisYear, optAll}) {
        behaviour->LightOwnText(option);
    }
    FillList();
    RefillOnWrite(this, RecordKind::Golfers, [this] { RefillKeepingChoice(); });
    connect(cmdChart, &QPushButton::clicked, this, &frmTrends::Chart);
    connect(cmdClear, &QPushButton::clicked, this, &frmTrends::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { CloseScreen(this); });
}

void frmTrends::CreateControls() {
    lblHeading = new QLabel("Golfer's Trends", this);
    lblHeading->setFont(ComicSans(font(), 14.25));
    lblProduct = new QLabel("The Parlow's Log", this);
    lblProduct->setFont(ComicSans(font(), 12));
    lblProduct->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lvGolfer = new QTreeWidget(this);
    lvGolfer->setObjectName(golfers_.listName);
    lvGolfer->setRootIsDecorated(false);
    lvGolfer->setUniformRowHeights(true);
    lvGolfer->setAllColumnsShowFocus(true);
    lvGolfer->setSelectionMode(QAbstractItemView::SingleSelection);
    QStringList headers;
    for (const ReviewColumn& column : golfers_.columns) {
        headers << column.header;
    }
    lvGolfer->setHeaderLabels(headers);
    lvGolfer->setMinimumSize(fontMetrics().horizontalAdvance('0') * 80,
                             fontMetrics().height() * 12);

    for (const ReviewField& field : golfers_.fields) {
        lblCaption.push_back(new QLabel(field.caption, this));
        txtField.push_back(new parlow::ValueLabel(this, 10));
        txtField.back()->setObjectName(field.column);
    }
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
    auto* top = new QHBoxLayout;
    top->addWidget(lblHeading, 1);
    top->addWidget(lblProduct);

    auto* chosen = new QGridLayout;
    for (int i = 0; i < static_cast<int>(txtField.size()); ++i) {
        chosen->addWidget(lblCaption[i], 0, i);
        chosen->addWidget(txtField[i], 1, i);
    }

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
    layout->addLayout(top);
    layout->addWidget(lvGolfer, 1);
    layout->addLayout(chosen);
    layout->addLayout(options);
    layout->addLayout(bottom);
}

void frmTrends::FillList() {
    BusyCursor busy;
    lvGolfer->clear();
    ReadSharedRows([this](zeviza::Putt& putt) { return (putt.*golfers_.read)(); },
                   [this](const zeviza::RecordSet& record) {
                       lvGolfer->addTopLevelItem(new ReviewRow(record, golfers_.columns));
                   });
    for (int c = 0; c < lvGolfer->columnCount(); ++c) {
        lvGolfer->resizeColumnToContents(c);
    }
}

void frmTrends::ShowRow(QTreeWidgetItem* row) {
    for (std::size_t i = 0; i < golfers_.fields.size(); ++i) {
        for (std::size_t c = 0; c < golfers_.columns.size(); ++c) {
            if (std::string(golfers_.columns[c].column) == golfers_.fields[i].column) {
                txtField[i]->setText(c == 0 ? row->data(0, Qt::UserRole).toString()
                                            : row->text(static_cast<int>(c)));
            }
        }
    }
}

void frmTrends::RefillKeepingChoice() {
    parlow::RefillKeepingChoice(
        lvGolfer, txtField.front()->text(), [this] { FillList(); },
        [this](const QModelIndex& row) { ShowRow(lvGolfer->topLevelItem(row.row())); },
        [this] { ClearFields(); });
}

void frmTrends::ClearFields() {
    for (QLabel* field : txtField) {
        field->clear();
    }
}

void frmTrends::Clear() {
    ClearFields();
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
