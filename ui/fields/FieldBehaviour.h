#pragma once
// The field behaviour every screen shares, configured by one table per
// screen: the caption of the focused field lights up, Enter walks the
// fields in order and ends on Save, record lists are chosen from by click or
// Enter and sorted by header clicks (first click descending) in the order a
// reader expects. A caption stays lit while its field's own drop-down list
// is open, and a text put into a field from elsewhere shows from its start.
#include <QColor>
#include <QObject>
#include <functional>
#include <vector>

#include "ui/fields/ListReaderOrder.h"

class QAbstractButton;
class QLabel;
class QModelIndex;
class QTreeView;
class QTreeWidget;
class QTreeWidgetItem;
class QWidget;

namespace parlow {

inline const QColor kFocusBlue(0, 0, 255);
inline const QColor kCaptionBlack(0, 0, 0);
inline const QColor kButtonGrey(224, 224, 224);
inline const QColor kSaveGreen(0, 255, 0);

// One row of a screen's table: a field and the caption(s) that light with it.
struct FieldEntry {
    QWidget* field = nullptr;
    QLabel* caption = nullptr;
    QLabel* secondCaption = nullptr;  // a few screens light a second label
    QColor lit = kFocusBlue;
    bool bold = true;
    QColor secondLit = QColor();  // invalid: the second label lights like the first
};

class FieldBehaviour : public QObject {
    Q_OBJECT
  public:
    // Fields in Enter order; Enter in the last one moves to `save`.
    FieldBehaviour(QWidget* screen, std::vector<FieldEntry> fields, QAbstractButton* save);
    ~FieldBehaviour() override;

    // Enter in `field` moves to `next` instead of the following table row.
    void SetNext(QWidget* field, QWidget* next);
    // A list whose rows are chosen by click or Enter, and sorted by header clicks.
    void AddRecordList(QTreeWidget* list, std::function<void(QTreeWidgetItem*)> chosen);
    // The same for a list over a model of its own (long lists); the header
    // click sorts through the model, `chosen` gets the row's index.
    void AddRecordView(QTreeView* view, std::function<void(const QModelIndex&)> chosen);
    // A button whose colour changes while it has the focus.
    void ColourOnFocus(QAbstractButton* button, QColor focused, QColor rest = kButtonGrey);
    // An option button whose own text is its caption: the text turns blue
    // while it has the focus, in bold when `bold`. A caption label the table
    // gives the option still lights beside it.
    void LightOwnText(QAbstractButton* option, bool bold = false);

    static void PaintButton(QAbstractButton* button, QColor colour);

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    struct ListState {
        QTreeView* view;
        std::function<void(const QModelIndex&)> chosen;
        bool descendingNext = true;  // a new list starts ascending, unsorted
        bool sorting = false;
    };
    struct OwnTextOption {
        QAbstractButton* option;
        bool bold;
    };
    struct ButtonColours {
        QAbstractButton* button;
        QColor focused;
        QColor rest;
    };

    const FieldEntry* EntryFor(QObject* watched) const;
    void Light(const FieldEntry& entry, bool on);
    void MoveOn(QWidget* from);
    void SortByHeader(ListState& state, int column);
    void DropArrowWhenRefilled(ListState* state);

    QWidget* screen_;
    std::vector<FieldEntry> fields_;
    QAbstractButton* save_;
    std::vector<std::pair<QWidget*, QWidget*>> nextOverrides_;
    std::vector<ListState*> lists_;
    std::vector<ButtonColours> buttons_;
    std::vector<OwnTextOption> ownTextOptions_;
    ReaderOrder order_;
};

}  // namespace parlow
