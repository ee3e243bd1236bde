#pragma once
// What every screen that picks a golfer, course or game off a review list
// shares: the heading over the list, the list its description names (filled
// through Putt, and again whenever another screen writes such a record,
// keeping the choice), and the chosen row's display fields under it.
#include <QObject>
#include <QString>
#include <functional>
#include <vector>

class QGridLayout;
class QHBoxLayout;
class QLabel;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace parlow::reports {

struct ReviewScreen;

class ReviewPicker : public QObject {
  public:
    // The heading, list and fields become children of `screen`; the list
    // is filled at once. `shown` runs after a row's fields are shown.
    ReviewPicker(QWidget* screen, const ReviewScreen& description, const QString& heading,
                 std::function<void()> shown = {});

    QHBoxLayout* HeadingRow() const;
    QGridLayout* FieldGrid() const;

    void Show(QTreeWidgetItem* row);
    void ClearFields();
    // The display field showing that column, or nullptr.
    QLabel* Field(const char* column) const;
    // The chosen record's identifier; empty while none is chosen.
    QString ChosenKey() const;

    QLabel* heading = nullptr;
    QLabel* product = nullptr;
    QTreeWidget* list = nullptr;
    std::vector<QLabel*> captions;
    std::vector<QLabel*> fields;  // in the description's order, the identifier first

  private:
    void Fill();
    void RefillKeepingChoice();

    QWidget* screen_;
    const ReviewScreen& description_;
    std::function<void()> shown_;
};

}  // namespace parlow::reports
