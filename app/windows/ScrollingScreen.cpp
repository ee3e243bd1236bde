#include "app/windows/ScrollingScreen.h"

#include <QApplication>
#include <QLayout>
#include <QScrollArea>
#include <QVBoxLayout>

namespace parlow {
namespace {

class ScreenScroller : public QScrollArea {
  public:
    explicit ScreenScroller(QWidget* screen) : QScrollArea(screen) {
        setObjectName("screenScroller");
        setFrameShape(QFrame::NoFrame);
        setWidgetResizable(true);
        // The screen's first field takes the focus when the window comes forward.
        setFocusPolicy(Qt::NoFocus);
        // Enter and a failed check move the focus without Tab, which is all
        // that QScrollArea follows by itself.
        connect(qApp, &QApplication::focusChanged, this, [this](QWidget*, QWidget* now) {
            if (now != nullptr && widget() != nullptr && widget()->isAncestorOf(now)) {
                ShowWhole(now);
            }
        });
    }

    // The whole field, where ensureWidgetVisible would settle for the text
    // cursor of an editable combo list.
    void ShowWhole(QWidget* field) {
        const QRect place(field->mapTo(widget(), QPoint(0, 0)), field->size());
        constexpr int kBreathingRoom = 8;
        ensureVisible(place.center().x(), place.center().y(), place.width() / 2 + kBreathingRoom,
                      place.height() / 2 + kBreathingRoom);
    }

    // The whole screen, where QScrollArea would offer at most 36 by 24 lines.
    QSize sizeHint() const override {
        if (widget() == nullptr) {
            return QScrollArea::sizeHint();
        }
        const int frame = 2 * frameWidth();
        return widget()->sizeHint().expandedTo(widget()->minimumSizeHint()) + QSize(frame, frame);
    }
};

QSizePolicy::Policy Growth(Qt::Orientations expanding, Qt::Orientation direction) {
    return expanding.testFlag(direction) ? QSizePolicy::Preferred : QSizePolicy::Maximum;
}

// Every field of the screen, nested ones too, in the order Tab visits them.
QList<QWidget*> FieldsInFocusOrder(QWidget* screen) {
    QList<QWidget*> order;
    for (QWidget* next = screen->nextInFocusChain(); next != nullptr && next != screen;
         next = next->nextInFocusChain()) {
        if (screen->isAncestorOf(next) && next->focusPolicy() != Qt::NoFocus) {
            order.append(next);
        }
    }
    return order;
}

}  // namespace

void LetScreenScroll(QWidget* screen) {
    QLayout* layout = screen->layout();
    if (layout == nullptr) {
        return;
    }
    const QList<QWidget*> focusOrder = FieldsInFocusOrder(screen);
    auto* content = new QWidget;
    content->setObjectName("screenContent");
    // A widget given another widget's layout takes it over, and with it
    // every widget the layout holds; the widgets outside the layout (hidden
    // helpers) follow, so the screen's first field is first in the chain.
    content->setLayout(layout);
    for (QWidget* child : screen->findChildren<QWidget*>(Qt::FindDirectChildrenOnly)) {
        if (!child->isWindow()) {
            child->setParent(content);
        }
    }
    const Qt::Orientations expanding = layout->expandingDirections();
    content->setSizePolicy(Growth(expanding, Qt::Horizontal), Growth(expanding, Qt::Vertical));

    auto* scroller = new ScreenScroller(screen);
    scroller->setWidget(content);
    auto* frame = new QVBoxLayout(screen);
    frame->setContentsMargins(0, 0, 0, 0);
    frame->addWidget(scroller);
    // Moving the widgets put them in the order of the layout; Tab keeps the
    // order the screen gave them.
    for (qsizetype i = 1; i < focusOrder.size(); ++i) {
        QWidget::setTabOrder(focusOrder[i - 1], focusOrder[i]);
    }
}

}  // namespace parlow
