#include "reports/review/frmReview.h"

#include <QHBoxLayout>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <functional>

#include "reports/review/ReportWindows.h"
#include "reports/review/ReviewPicker.h"
#include "ui/BusyCursor.h"
#include "ui/HandicapSummary.h"
#include "ui/QtPrompts.h"
#include "ui/ScreenSteps.h"
#include "ui/WindowDetail.h"
#include "ui/fields/FieldBehaviour.h"

namespace parlow::reports {

namespace {

// The score sheet screen copies the selected row at any character key; the
// key does nothing else (the list does not jump to a matching row).
class ChooseOnCharacterKey : public QObject {
  public:
    ChooseOnCharacterKey(QTreeWidget* list, std::function<void(QTreeWidgetItem*)> chosen)
        : QObject(list), list_(list), chosen_(std::move(chosen)) {
        list->installEventFilter(this);
    }

  protected:
    bool eventFilter(QObject*, QEvent* event) override {
        if (event->type() != QEvent::KeyPress) {
            return false;
        }
        const auto* key = static_cast<QKeyEvent*>(event);
        const bool character = !key->text().isEmpty() && key->text().at(0).isPrint() &&
                               !(key->modifiers() & (Qt::ControlModifier | Qt::AltModifier));
        if (!character) {
            return false;
        }
        if (const auto selected = list_->selectedItems(); !selected.isEmpty()) {
            chosen_(selected.front());
        }
        return true;
    }

  private:
    QTreeWidget* list_;
    std::function<void(QTreeWidgetItem*)> chosen_;
};

bool GamesOfLengthExist(std::int16_t holes) {
    SharedRecordset() = PuttStep([holes](zeviza::Putt& putt) { return putt.RefreshStats(holes); });
    const bool found = SharedRecordset() != nullptr && !SharedRecordset()->IsEmpty();
    CloseSharedRecordset();
    return found;
}

}  // namespace

frmReview::frmReview(const ReviewScreen& screen, QWidget* parent)
    : QWidget(parent), screen_(screen) {
    setObjectName(screen.name);
    setWindowTitle(screen.caption);
    // Two screens share "Review Game Records": the heading tells them apart.
    SetWindowDetail(this, QString(screen.heading).replace("&&", "&"));
    OpenPuttIfAny();
    picker_ = new ReviewPicker(this, screen, QString(screen.heading).replace("&&", "&"),
                               [this] { ShowHandicap(); });
    CreateControls();
    LayOut();
    auto* behaviour = new FieldBehaviour(this, {}, cmdReport);
    const auto show = [this](QTreeWidgetItem* row) { picker_->Show(row); };
    behaviour->AddRecordList(lvList, show);
    if (screen.characterKeyChooses) {
        new ChooseOnCharacterKey(lvList, show);
    }
    if (screen.HasHoleOptions()) {
        behaviour->LightOwnText(opt18);
        behaviour->LightOwnText(opt9);
    }
    connect(cmdReport, &QPushButton::clicked, this, &frmReview::Report);
    connect(cmdClear, &QPushButton::clicked, this, &frmReview::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { CloseScreen(this); });
}

void frmReview::CreateControls() {
    lblHeading = picker_->heading;
    lblProduct = picker_->product;
    lvList = picker_->list;
    lblCaption = picker_->captions;
    txtField = picker_->fields;
    if (screen_.HasHoleOptions()) {
        opt18 = new QRadioButton("18 Hole Games", this);
        opt9 = new QRadioButton("9 Hole Games", this);
        opt18->setChecked(true);
    }
    if (screen_.showsHandicap) {
        handicap = new parlow::HandicapSummary(this);
    }
    cmdReport = new QPushButton(screen_.reportButton, this);
    cmdClear = new QPushButton("&Clear", this);
    cmdExit = new QPushButton("e&Xit", this);
}

void frmReview::LayOut() {
    auto* bottom = new QHBoxLayout;
    if (screen_.HasHoleOptions()) {
        bottom->addWidget(opt18);
        bottom->addWidget(opt9);
    }
    bottom->addStretch();
    for (QPushButton* button : {cmdReport, cmdClear, cmdExit}) {
        button->setMinimumWidth(fontMetrics().horizontalAdvance('0') * 10);
        bottom->addWidget(button);
    }

    auto* layout = new QVBoxLayout(this);
    layout->addLayout(picker_->HeadingRow());
    layout->addWidget(lvList, 1);
    layout->addLayout(picker_->FieldGrid());
    if (handicap != nullptr) {
        layout->addWidget(handicap);
    }
    layout->addLayout(bottom);
}

QLabel* frmReview::Field(const char* column) const {
    return picker_->Field(column);
}

void frmReview::ShowHandicap() {
    if (handicap != nullptr) {
        handicap->ShowGolfer(txtField.front()->text().toStdString());
    }
}

void frmReview::Clear() {
    picker_->ClearFields();
    if (opt18 != nullptr) {
        opt18->setChecked(true);
    }
    if (handicap != nullptr) {
        handicap->Clear();
    }
}

std::vector<std::string> frmReview::CommandValues() const {
    std::vector<std::string> values;
    for (const char* column : screen_.values) {
        QLabel* field = Field(column);
        values.push_back(field != nullptr ? field->text().toStdString() : std::string());
    }
    return values;
}

std::string frmReview::OpenChosenReport() {
    BusyCursor busy;
    if (txtField.front()->text().isEmpty()) {
        return screen_.missingSelection;
    }
    ReviewReport report = screen_.report;
    if (screen_.HasHoleOptions()) {
        // Any golfer's game of that length will do; a golfer without one
        // gets an empty history or a sheet of zeros.
        const bool nine = opt9->isChecked();
        if (!GamesOfLengthExist(nine ? 9 : 18)) {
            return nine ? "No 9 hole Game records were found! "
                        : "No 18 hole Game records were found! ";
        }
        if (nine) {
            report = screen_.nineHoleReport;
        }
    }
    if (report.make) {
        OpenMadeReport(report.command, report.layout, CommandValues(), report.make);
    } else {
        OpenReport(report.command, report.layout, CommandValues());
    }
    return {};
}

void frmReview::Report() {
    const std::string warning = OpenChosenReport();
    if (!warning.empty()) {
        ShowMessage(warning, zeviza::Icon::Warning);
    }
}

}  // namespace parlow::reports
