#pragma once
// Keeps the list of open child windows below the Window menu's own items;
// choosing a listed window brings it to the front.
#include <QList>
#include <QObject>

class QAction;
class QMdiArea;
class QMenu;

namespace parlow {

class WindowMenu : public QObject {
    Q_OBJECT
  public:
    WindowMenu(QMenu* menu, QMdiArea* area);

    // The listed windows' entries, in menu order.
    QList<QAction*> ListedWindows() const { return listed_; }

  public slots:
    void ListOpenWindows();

  private:
    QMenu* menu_;
    QMdiArea* area_;
    QList<QAction*> listed_;
    QAction* divider_ = nullptr;
};

}  // namespace parlow
