#pragma once
// The program's help window: the help file's contents as a tree of books and
// topics, a search page that lists the topics holding the words typed, and
// the chosen topic's text beside them.
#include <QWidget>
#include <cstddef>
#include <optional>

#include "app/help/HelpFile.h"
#include "app/help/HelpSearch.h"

class QLabel;
class QLineEdit;
class QListWidget;
class QPushButton;
class QTabWidget;
class QTextBrowser;
class QTreeWidget;
class QTreeWidgetItem;
class QUrl;

namespace parlow {

class HelpWindow : public QWidget {
    Q_OBJECT
  public:
    HelpWindow(HelpFile file, QWidget* parent);

    // Brings the contents page to the front, as the help command opens it.
    void ShowContents();
    void ShowTopic(std::size_t topic);
    // Lists the topics holding the words of the search field.
    void ListTopics();
    std::optional<std::size_t> ShownTopic() const { return shown_; }

    QTabWidget* tabs;
    QTreeWidget* treeContents;
    QLineEdit* txtFind;
    QPushButton* cmdListTopics;
    QLabel* lblFound;
    QListWidget* lstTopics;
    QPushButton* cmdDisplay;
    QTextBrowser* txtTopic;

  protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

  private:
    void FocusPage();
    QWidget* BuildContentsPage();
    QWidget* BuildSearchPage();
    void FillContents();
    void DisplayChosenFound();
    void FollowLink(const QUrl& link);
    void MarkInContents(std::size_t topic);

    HelpFile file_;
    HelpIndex index_;
    std::vector<QTreeWidgetItem*> contentsItems_;  // one per topic
    std::optional<std::size_t> shown_;
};

}  // namespace parlow
