#include "ui/fields/FieldBehaviour.h"

#include <QAbstractButton>
#include <QApplication>
#include <QComboBox>
#include <QEvent>
#include <QHeaderView>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPointer>
#include <QPushButton>
#include <QTreeView>
#include <QTreeWidget>
#include <QWidget>
#include <algorithm>

#include "ui/BusyCursor.h"
#include "ui/fields/SortArrow.h"

namespace parlow {

namespace {

bool IsEnter(const QEvent* event) {
    if (event->type() != QEvent::KeyPress) {
        return false;
    }
    const int key = static_cast<const QKeyEvent*>(event)->key();
    return key == Qt::Key_Return || key == Qt::Key_Enter;
}

void SetCaptionLook(QLabel* label, const QColor& colour, bool bold) {
    if (label == nullptr) {
        return;
    }
    QPalette palette = label->palette();
    palette.setColor(QPalette::WindowText, colour);
    label->setPalette(palette);
    QFont font = label->font();
    font.setBold(bold);
    label->setFont(font);
}

// Focus events of an editable combo list arrive at its inner line edit.
void WatchWithChildren(QWidget* field, QObject* filter) {
    field->installEventFilter(filter);
    if (auto* combo = qobject_cast<QComboBox*>(field); combo && combo->lineEdit()) {
        combo->lineEdit()->installEventFilter(filter);
    }
    for (QWidget* child : field->findChildren<QWidget*>()) {
        if (child->focusPolicy() != Qt::NoFocus) {
            child->installEventFilter(filter);
        }
    }
}

// A field's drop-down list (a combo list, a calendar) is a window of its own
// whose parent is the field; while it is open the field loses the focus to
// it, once or more, yet the user is still working in that field.
bool OwnsOpenPopup(const QWidget* field) {
    for (const QWidget* up = QApplication::activePopupWidget(); up != nullptr;
         up = up->parentWidget()) {
        if (up == field) {
            return true;
        }
    }
    return false;
}

bool HasFocusWithin(const QWidget* field) {
    const QWidget* focus = QApplication::focusWidget();
    return focus != nullptr && (focus == field || field->isAncestorOf(focus));
}

// setText leaves the cursor at the end, which scrolls a long stored value
// out of sight to its last characters; typing keeps Qt's own behaviour.
void ShowStoredTextFromStart(QWidget* field, QObject* owner) {
    QLineEdit* edit = qobject_cast<QLineEdit*>(field);
    if (auto* combo = qobject_cast<QComboBox*>(field)) {
        edit = combo->lineEdit();
    }
    if (edit == nullptr) {
        return;
    }
    QObject::connect(edit, &QLineEdit::textChanged, owner, [edit, field] {
        if (!HasFocusWithin(field)) {
            edit->setCursorPosition(0);
        }
    });
}

}  // namespace

FieldBehaviour::FieldBehaviour(QWidget* screen, std::vector<FieldEntry> fields,
                               QAbstractButton* save)
    : QObject(screen), screen_(screen), fields_(std::move(fields)), save_(save) {
    for (const FieldEntry& entry : fields_) {
        if (entry.field != nullptr) {
            WatchWithChildren(entry.field, this);
            ShowStoredTextFromStart(entry.field, this);
        }
    }
    // Enter on a focused button presses it, as on the Save button after the
    // last field; outside dialogs Qt only does that for auto-default buttons.
    for (QPushButton* button : screen_->findChildren<QPushButton*>()) {
        button->setAutoDefault(true);
        PaintButton(button, kButtonGrey);
    }
}

FieldBehaviour::~FieldBehaviour() {
    for (ListState* state : lists_) {
        delete state;
    }
}

void FieldBehaviour::SetNext(QWidget* field, QWidget* next) {
    nextOverrides_.emplace_back(field, next);
}

void FieldBehaviour::PaintButton(QAbstractButton* button, QColor colour) {
    button->setStyleSheet(QString("background-color: %1;").arg(colour.name()));
}

void FieldBehaviour::ColourOnFocus(QAbstractButton* button, QColor focused, QColor rest) {
    buttons_.push_back({button, focused, rest});
    PaintButton(button, rest);
    button->installEventFilter(this);
}

void FieldBehaviour::LightOwnText(QAbstractButton* option, bool bold) {
    ownTextOptions_.push_back({option, bold});
    option->installEventFilter(this);
}

// Record lists are flat, so a row's index names its top-level item.
void FieldBehaviour::AddRecordList(QTreeWidget* list,
                                   std::function<void(QTreeWidgetItem*)> chosen) {
    AddRecordView(list, [list, chosen = std::move(chosen)](const QModelIndex& index) {
        if (QTreeWidgetItem* item = list->topLevelItem(index.row()); item && chosen) {
            chosen(item);
        }
    });
}

void FieldBehaviour::AddRecordView(QTreeView* view,
                                   std::function<void(const QModelIndex&)> chosen) {
    auto* state = new ListState{view, std::move(chosen)};
    lists_.push_back(state);
    view->setSortingEnabled(false);
    view->header()->setSectionsClickable(true);
    DrawSortArrowAsDesktopListsDo(view->header());
    view->installEventFilter(this);
    connect(view->header(), &QHeaderView::sectionClicked, this,
            [this, state](int column) { SortByHeader(*state, column); });
    connect(view, &QTreeView::clicked, this, [state](const QModelIndex& index) {
        if (index.isValid() && state->chosen) {
            state->chosen(index);
        }
    });
    DropArrowWhenRefilled(state);
}

// Rows added by the screen stand in the order it read them, which the
// header's arrow would misstate; the direction of the next click is kept.
void FieldBehaviour::DropArrowWhenRefilled(ListState* state) {
    // The list's model empties itself once more while the list is destroyed.
    auto drop = [state, header = QPointer<QHeaderView>(state->view->header())] {
        if (header != nullptr && !state->sorting) {
            header->setSortIndicatorShown(false);
        }
    };
    QAbstractItemModel* model = state->view->model();
    connect(model, &QAbstractItemModel::rowsInserted, this, drop);
    connect(model, &QAbstractItemModel::modelReset, this, drop);
}

void FieldBehaviour::SortByHeader(ListState& state, int column) {
    BusyCursor busy;
    const Qt::SortOrder order = state.descendingNext ? Qt::DescendingOrder : Qt::AscendingOrder;
    state.sorting = true;
    if (auto* list = qobject_cast<QTreeWidget*>(state.view)) {
        order_.SortRows(list, column, order);
    } else if (state.view->model() != nullptr) {
        state.view->model()->sort(column, order);
    }
    state.sorting = false;
    state.view->header()->setSortIndicator(column, order);
    state.view->header()->setSortIndicatorShown(true);
    state.descendingNext = !state.descendingNext;
}

const FieldEntry* FieldBehaviour::EntryFor(QObject* watched) const {
    for (const FieldEntry& entry : fields_) {
        if (entry.field == nullptr) {
            continue;
        }
        if (entry.field == watched) {
            return &entry;
        }
        auto* widget = qobject_cast<QWidget*>(watched);
        if (widget != nullptr && entry.field->isAncestorOf(widget)) {
            return &entry;
        }
    }
    return nullptr;
}

void FieldBehaviour::Light(const FieldEntry& entry, bool on) {
    SetCaptionLook(entry.caption, on ? entry.lit : kCaptionBlack, on && entry.bold);
    const QColor second = entry.secondLit.isValid() ? entry.secondLit : entry.lit;
    SetCaptionLook(entry.secondCaption, on ? second : kCaptionBlack, on && entry.bold);
}

void FieldBehaviour::MoveOn(QWidget* from) {
    for (const auto& [field, next] : nextOverrides_) {
        if (field == from && next != nullptr) {
            next->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    auto at = std::find_if(fields_.begin(), fields_.end(),
                           [from](const FieldEntry& e) { return e.field == from; });
    if (at == fields_.end()) {
        return;
    }
    // Skip fields that cannot take the focus now (hidden or disabled).
    for (auto next = at + 1; next != fields_.end(); ++next) {
        if (next->field != nullptr && next->field->isEnabled() && next->field->isVisible()) {
            next->field->setFocus(Qt::TabFocusReason);
            return;
        }
    }
    if (save_ != nullptr) {
        save_->setFocus(Qt::TabFocusReason);
    }
}

bool FieldBehaviour::eventFilter(QObject* watched, QEvent* event) {
    for (const ButtonColours& colours : buttons_) {
        if (watched == colours.button) {
            if (event->type() == QEvent::FocusIn) {
                PaintButton(colours.button, colours.focused);
            } else if (event->type() == QEvent::FocusOut) {
                PaintButton(colours.button, colours.rest);
            }
            return false;
        }
    }
    for (const auto& [option, bold] : ownTextOptions_) {
        if (watched == option &&
            (event->type() == QEvent::FocusIn || event->type() == QEvent::FocusOut)) {
            const bool lit = event->type() == QEvent::FocusIn;
            QPalette palette = option->palette();
            palette.setColor(QPalette::WindowText, lit ? kFocusBlue : kCaptionBlack);
            palette.setColor(QPalette::ButtonText, lit ? kFocusBlue : kCaptionBlack);
            option->setPalette(palette);
            if (bold) {
                QFont font = option->font();
                font.setBold(lit);
                option->setFont(font);
            }
            break;  // on to the caption the table may give it
        }
    }
    for (ListState* state : lists_) {
        if (watched == state->view && IsEnter(event)) {
            if (const QModelIndex index = state->view->currentIndex();
                index.isValid() && state->chosen) {
                state->chosen(index);
            }
            return false;
        }
    }
    const FieldEntry* entry = EntryFor(watched);
    if (entry == nullptr) {
        return false;
    }
    switch (event->type()) {
        case QEvent::FocusIn:
            Light(*entry, true);
            break;
        case QEvent::FocusOut:
            if (!OwnsOpenPopup(entry->field)) {
                Light(*entry, false);
            }
            break;
        case QEvent::KeyPress:
            if (IsEnter(event)) {
                MoveOn(entry->field);
                return true;  // swallowed: nothing typed, no sound
            }
            break;
        default:
            break;
    }
    return false;
}

}  // namespace parlow
