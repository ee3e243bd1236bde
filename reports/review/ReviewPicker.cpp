#include "reports/review/ReviewPicker.h"

#include <QGridLayout>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QStyle>
#include <QTreeWidget>
#include <algorithm>
#include <string>

#include "reports/review/ReviewList.h"
#include "reports/review/ReviewScreens.h"
#include "ui/BusyCursor.h"
#include "ui/RecordNotice.h"
#include "ui/ScreenSteps.h"
#include "ui/fields/ColumnTextWidths.h"
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

// The kind of record the description's read lists.
RecordKinds ListedKind(const ReviewScreen& description) {
    if (description.read == &zeviza::Putt::LoadGameReview) {
        return RecordKind::Games;
    }
    return description.read == &zeviza::Putt::LoadGolfer ? RecordKind::Golfers
                                                         : RecordKind::Courses;
}

}  // namespace

ReviewPicker::ReviewPicker(QWidget* screen, const ReviewScreen& description,
                           const QString& headingText, std::function<void()> shown)
    : QObject(screen), screen_(screen), description_(description), shown_(std::move(shown)) {
    heading = new QLabel(headingText, screen);
    heading->setTextFormat(Qt::PlainText);
    heading->setFont(ComicSans(screen->font(), 14.25));
    product = new QLabel("The Parlow's Log", screen);
    product->setFont(ComicSans(screen->font(), 12));
    product->setAlignment(Qt::AlignRight | Qt::AlignVCenter);

    list = new QTreeWidget(screen);
    list->setObjectName(description.listName);
    list->setRootIsDecorated(false);
    list->setUniformRowHeights(true);
    list->setAllColumnsShowFocus(true);
    list->setSelectionMode(QAbstractItemView::SingleSelection);
    list->header()->setStretchLastSection(false);
    QStringList headers;
    for (const ReviewColumn& column : description.columns) {
        headers << column.header;
    }
    list->setHeaderLabels(headers);
    for (int c = 0; c < static_cast<int>(description.columns.size()); ++c) {
        list->headerItem()->setTextAlignment(c,
                                             description.columns[c].alignment | Qt::AlignVCenter);
    }
    const QFontMetrics metrics = screen->fontMetrics();
    list->setMinimumSize(metrics.horizontalAdvance('0') * 90, metrics.height() * 14);

    for (const ReviewField& field : description.fields) {
        captions.push_back(new QLabel(field.caption, screen));
        fields.push_back(new parlow::ValueLabel(screen, FieldChars(field.column)));
        fields.back()->setObjectName(field.column);
    }
    Fill();
    RefillOnWrite(screen, ListedKind(description), [this] { RefillKeepingChoice(); });
}

QHBoxLayout* ReviewPicker::HeadingRow() const {
    auto* row = new QHBoxLayout;
    row->addWidget(heading, 1);
    row->addWidget(product);
    return row;
}

QGridLayout* ReviewPicker::FieldGrid() const {
    auto* grid = new QGridLayout;
    for (int i = 0; i < static_cast<int>(fields.size()); ++i) {
        grid->addWidget(captions[i], 0, i);
        grid->addWidget(fields[i], 1, i);
        grid->setColumnStretch(i, FieldChars(description_.fields[i].column));
    }
    return grid;
}

void ReviewPicker::Fill() {
    BusyCursor busy;
    list->clear();
    const int columns = static_cast<int>(description_.columns.size());
    ColumnTextWidths widths(list->fontMetrics(), columns);
    QList<QTreeWidgetItem*> rows;
    ReviewRow::Places places;
    ReadSharedRows([this](zeviza::Putt& putt) { return (putt.*description_.read)(); },
                   [&](const zeviza::RecordSet& record) {
                       if (places.empty()) {
                           places = ReviewRow::PlacesIn(record, description_.columns);
                       }
                       auto* row = new ReviewRow(record, description_.columns, places);
                       for (int c = 0; c < columns; ++c) {
                           widths.Measure(c, row->text(c));
                       }
                       rows << row;
                   });
    list->addTopLevelItems(rows);
    // Every column as wide as its longest text, and the list wide enough to
    // show them all without scrolling sideways.
    const int spare = list->fontMetrics().horizontalAdvance("00");
    const int frame =
        2 * list->frameWidth() + screen_->style()->pixelMetric(QStyle::PM_ScrollBarExtent);
    list->setMinimumWidth(std::max(list->minimumWidth(), frame + widths.FitColumns(list, spare)));
    // Room to spare goes to the names, not to the last figure.
    list->header()->setSectionResizeMode(1, QHeaderView::Stretch);
}

QLabel* ReviewPicker::Field(const char* column) const {
    for (std::size_t i = 0; i < description_.fields.size(); ++i) {
        if (std::string(description_.fields[i].column) == column) {
            return fields[i];
        }
    }
    return nullptr;
}

QString ReviewPicker::ChosenKey() const {
    return fields.front()->text();
}

void ReviewPicker::Show(QTreeWidgetItem* row) {
    for (std::size_t i = 0; i < description_.fields.size(); ++i) {
        for (std::size_t c = 0; c < description_.columns.size(); ++c) {
            if (std::string(description_.columns[c].column) == description_.fields[i].column) {
                fields[i]->setText(c == 0 ? row->data(0, Qt::UserRole).toString()
                                          : row->text(static_cast<int>(c)));
            }
        }
    }
    if (shown_) {
        shown_();
    }
}

void ReviewPicker::ClearFields() {
    for (QLabel* field : fields) {
        field->clear();
    }
}

void ReviewPicker::RefillKeepingChoice() {
    parlow::RefillKeepingChoice(
        list, ChosenKey(), [this] { Fill(); },
        [this](const QModelIndex& row) { Show(list->topLevelItem(row.row())); },
        [this] { ClearFields(); });
}

}  // namespace parlow::reports
