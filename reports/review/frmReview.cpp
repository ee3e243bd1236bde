#include "reports/review/frmReview.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QStyle>
#include <QTreeWidget>
#include <QVBoxLayout>
#include <algorithm>
#include <functional>

#include "reports/review/ReportWindows.h"
#include "reports/review/ReviewList.h"
#include "ui/BusyCursor.h"
#include "ui/HandicapSummary.h"
#include "ui/QtPrompts.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/WindowDetail.h"
#include "ui/fields/FieldBehaviour.h"
#include "ui/fields/RecordList.h"
#include "ui/fields/ValueLabel.h"

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

QFont ComicSans(QFont font, double pointSize) {
    font.setFamily("Comic Sans MS");
    font.setBold(true);
    font.setPointSizeF(pointSize);
    return font;
}

// Names and addresses get room; identifiers, ages and scores do not need it.
int FieldChars(const char* column) {
    const std::string name = column;
    if (name == "FullName" || name == "ClubName" || name == "Club") {
        return 14;
    }
    if (name == "City" || name == "ClubPro") {
        return 10;
    }
    return name == "PlayDate" ? 6 : 4;
}

// The kind of record the screen's read lists.
RecordKinds ListedKind(const ReviewScreen& screen) {
    if (screen.read == &zeviza::Putt::LoadGameReview) {
        return RecordKind::Games;
    }
    return screen.read == &zeviza::Putt::LoadGolfer ? RecordKind::Golfers : RecordKind::Courses;
}

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
    CreateControls();
    LayOut();
    auto* behaviour = new FieldBehaviour(this, {}, cmdReport);
    const auto show = [this](QTreeWidgetItem* row) { ShowRow(row); };
    behaviour->AddRecordList(lvList, show);
    if (screen.characterKeyChooses) {
        new ChooseOnCharacterKey(lvList, show);
    }
    if (screen.HasHoleOptions()) {
        behaviour->LightOwnText(opt18);
        behaviour->LightOwnText(opt9);
    }
    FillList();
    RefillOnWrite(this, ListedKind(screen), [this] { RefillKeepingChoice(); });
    connect(cmdReport, &QPushButton::clicked, this, &frmReview::Report);
    connect(cmdClear, &QPushButton::clicked, this, &frmReview::Clear);
    connect(cmdExit, &QPushButton::clicked, this, [this] { CloseScreen(this); });
}

void frmReview::CreateControls() {
    lblHeading = new QLabel(QString(screen_.heading).replace("&&", "&"), this);
    lblHeading->setTextFormat(Qt::PlainText);
    lblHeading->setFont(ComicSans(font(), 14.25));
    lblProduct = new QLabel("The Parlow's Log", this);
    lblProduct->setFont(ComicSans(font(), 12));
    lblProduct->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    lvList = new QTreeWidget(this);
    lvList->setObjectName(screen_.listName);
    lvList->setRootIsDecorated(false);
    lvList->setUniformRowHeights(true);
    lvList->setAllColumnsShowFocus(true);
    lvList->setSelectionMode(QAbstractItemView::SingleSelection);
    lvList->header()->setStretchLastSection(false);
    QStringList headers;
    for (const ReviewColumn& column : screen_.columns) {
        headers << column.header;
    }
    lvList->setHeaderLabels(headers);
    for (int c = 0; c < static_cast<int>(screen_.columns.size()); ++c) {
        lvList->headerItem()->setTextAlignment(c, screen_.columns[c].alignment | Qt::AlignVCenter);
    }
    lvList->setMinimumSize(fontMetrics().horizontalAdvance('0') * 90, fontMetrics().height() * 14);

    for (const ReviewField& field : screen_.fields) {
        lblCaption.push_back(new QLabel(field.caption, this));
        txtField.push_back(new parlow::ValueLabel(this, FieldChars(field.column)));
        txtField.back()->setObjectName(field.column);
    }
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
    auto* top = new QHBoxLayout;
    top->addWidget(lblHeading, 1);
    top->addWidget(lblProduct);

    auto* chosen = new QGridLayout;
    for (int i = 0; i < static_cast<int>(txtField.size()); ++i) {
        chosen->addWidget(lblCaption[i], 0, i);
        chosen->addWidget(txtField[i], 1, i);
        chosen->setColumnStretch(i, FieldChars(screen_.fields[i].column));
    }

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
    layout->addLayout(top);
    layout->addWidget(lvList, 1);
    layout->addLayout(chosen);
    if (handicap != nullptr) {
        layout->addWidget(handicap);
    }
    layout->addLayout(bottom);
}

void frmReview::FillList() {
    BusyCursor busy;
    lvList->clear();
    ReadSharedRows([this](zeviza::Putt& putt) { return (putt.*screen_.read)(); },
                   [this](const zeviza::RecordSet& record) {
                       lvList->addTopLevelItem(new ReviewRow(record, screen_.columns));
                   });
    // Every column as wide as its longest text, and the list wide enough to
    // show them all without scrolling sideways.
    int width = 2 * lvList->frameWidth() + style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    for (int c = 0; c < lvList->columnCount(); ++c) {
        lvList->resizeColumnToContents(c);
        lvList->setColumnWidth(c, lvList->columnWidth(c) + fontMetrics().horizontalAdvance("00"));
        width += lvList->columnWidth(c);
    }
    lvList->setMinimumWidth(std::max(lvList->minimumWidth(), width));
    // Room to spare goes to the names, not to the last figure.
    lvList->header()->setSectionResizeMode(1, QHeaderView::Stretch);
}

QLabel* frmReview::Field(const char* column) const {
    for (std::size_t i = 0; i < screen_.fields.size(); ++i) {
        if (std::string(screen_.fields[i].column) == column) {
            return txtField[i];
        }
    }
    return nullptr;
}

void frmReview::ShowRow(QTreeWidgetItem* row) {
    for (std::size_t i = 0; i < screen_.fields.size(); ++i) {
        for (std::size_t c = 0; c < screen_.columns.size(); ++c) {
            if (std::string(screen_.columns[c].column) == screen_.fields[i].column) {
                txtField[i]->setText(c == 0 ? row->data(0, Qt::UserRole).toString()
                                            : row->text(static_cast<int>(c)));
            }
        }
    }
    if (handicap != nullptr) {
        handicap->ShowGolfer(txtField.front()->text().toStdString());
    }
}

void frmReview::RefillKeepingChoice() {
    parlow::RefillKeepingChoice(
        lvList, txtField.front()->text(), [this] { FillList(); },
        [this](const QModelIndex& row) { ShowRow(lvList->topLevelItem(row.row())); },
        [this] { ClearFields(); });
}

void frmReview::ClearFields() {
    for (QLabel* field : txtField) {
        field->clear();
    }
}

void frmReview::Clear() {
    ClearFields();
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
