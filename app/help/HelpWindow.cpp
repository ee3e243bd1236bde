#include "app/help/HelpWindow.h"

#include <QEvent>
#include <QHBoxLayout>
#include <QHeaderView>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <QScreen>
#include <QScrollBar>
#include <QShortcut>
#include <QSplitter>
#include <QTabBar>
#include <QTabWidget>
#include <QTextBrowser>
#include <QTreeWidget>
#include <QUrl>
#include <QVBoxLayout>
#include <algorithm>
#include <utility>

#include "app/help/HelpTopicHtml.h"

namespace parlow {
namespace {

const char* const kDefaultTitle = "The Parlow's Log Help";
constexpr int kTopicRole = Qt::UserRole;
constexpr int kWidth = 860;
constexpr int kHeight = 600;

// Never cut a title short: the column is as wide as its longest title, and
// a pane narrower than that scrolls sideways.
void ShowWholeTitles(QTreeWidget* tree) {
    tree->header()->setStretchLastSection(false);
    tree->header()->setSectionResizeMode(0, QHeaderView::ResizeToContents);
    tree->setTextElideMode(Qt::ElideNone);
}

void ShowWholeTitles(QListWidget* list) {
    list->setTextElideMode(Qt::ElideNone);
}

}  // namespace

HelpWindow::HelpWindow(HelpFile file, QWidget* parent)
    : QWidget(parent, Qt::Window), file_(std::move(file)), index_(file_) {
    setWindowTitle(file_.title.isEmpty() ? QString(kDefaultTitle) : file_.title);
    tabs = new QTabWidget;
    tabs->addTab(BuildContentsPage(), tr("&Contents"));
    tabs->addTab(BuildSearchPage(), tr("&Search"));
    txtTopic = new QTextBrowser;
    txtTopic->setOpenLinks(false);
    connect(txtTopic, &QTextBrowser::anchorClicked, this, &HelpWindow::FollowLink);

    auto* splitter = new QSplitter;
    splitter->addWidget(tabs);
    splitter->addWidget(txtTopic);
    splitter->setStretchFactor(1, 1);
    auto* layout = new QHBoxLayout(this);
    layout->addWidget(splitter);
    // No larger than most of the desktop, on a small one.
    QSize size(kWidth, kHeight);
    if (const QScreen* desktop = parent != nullptr ? parent->screen() : screen()) {
        size = size.boundedTo(desktop->availableGeometry().size() * 9 / 10);
    }
    resize(size);

    FillContents();
    // Wide enough for the longest title, up to half the window.
    const int pageMargins = 32;  // the page's and the tab frame's margins
    treeContents->header()->resizeSections(QHeaderView::ResizeToContents);
    const int titlesWidth = treeContents->header()->sectionSize(0) +
                            2 * treeContents->frameWidth() +
                            treeContents->verticalScrollBar()->sizeHint().width() + pageMargins;
    const int contentsWidth = std::clamp(titlesWidth, 300, size.width() / 2);
    splitter->setSizes({contentsWidth, size.width() - contentsWidth});
    tabs->tabBar()->installEventFilter(this);
    // Esc closes it, as it closes a dialog.
    auto* close = new QShortcut(QKeySequence(Qt::Key_Escape), this);
    connect(close, &QShortcut::activated, this, &QWidget::close);
    ShowContents();
    ShowTopic(0);
}

void HelpWindow::FocusPage() {
    if (tabs->currentIndex() == 1) {
        txtFind->setFocus(Qt::ShortcutFocusReason);
        txtFind->selectAll();
    } else {
        treeContents->setFocus(Qt::ShortcutFocusReason);
    }
}

// A page's access key (Alt+S, Alt+C) also moves the cursor into that page,
// even when the page is already in front.
bool HelpWindow::eventFilter(QObject* watched, QEvent* event) {
    if (watched == tabs->tabBar() && event->type() == QEvent::Shortcut) {
        QMetaObject::invokeMethod(this, &HelpWindow::FocusPage, Qt::QueuedConnection);
    }
    return QWidget::eventFilter(watched, event);
}

QWidget* HelpWindow::BuildContentsPage() {
    auto* page = new QWidget;
    treeContents = new QTreeWidget;
    treeContents->setHeaderHidden(true);
    ShowWholeTitles(treeContents);
    connect(treeContents, &QTreeWidget::currentItemChanged, this, [this](QTreeWidgetItem* item) {
        if (item != nullptr && item->data(0, kTopicRole).isValid()) {
            ShowTopic(item->data(0, kTopicRole).toULongLong());
        }
    });
    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Click a book to open it, then click a topic.")));
    layout->addWidget(treeContents);
    return page;
}

QWidget* HelpWindow::BuildSearchPage() {
    auto* page = new QWidget;
    txtFind = new QLineEdit;
    cmdListTopics = new QPushButton(tr("&List Topics"));
    lblFound = new QLabel;
    lstTopics = new QListWidget;
    ShowWholeTitles(lstTopics);
    cmdDisplay = new QPushButton(tr("&Display"));
    connect(txtFind, &QLineEdit::returnPressed, this, &HelpWindow::ListTopics);
    connect(cmdListTopics, &QPushButton::clicked, this, &HelpWindow::ListTopics);
    connect(lstTopics, &QListWidget::itemActivated, this, &HelpWindow::DisplayChosenFound);
    connect(cmdDisplay, &QPushButton::clicked, this, &HelpWindow::DisplayChosenFound);

    auto* layout = new QVBoxLayout(page);
    layout->addWidget(new QLabel(tr("Type the words you want to find:")));
    auto* findRow = new QHBoxLayout;
    findRow->addWidget(txtFind);
    findRow->addWidget(cmdListTopics);
    layout->addLayout(findRow);
    layout->addWidget(new QLabel(tr("Select a topic, then click Display:")));
    layout->addWidget(lstTopics);
    auto* bottomRow = new QHBoxLayout;
    bottomRow->addWidget(lblFound, 1);
    bottomRow->addWidget(cmdDisplay);
    layout->addLayout(bottomRow);
    return page;
}

void HelpWindow::FillContents() {
    QTreeWidgetItem* book = nullptr;
    for (std::size_t i = 0; i < file_.topics.size(); ++i) {
        const HelpTopic& topic = file_.topics[i];
        if (topic.book.isEmpty()) {
            book = nullptr;
        } else if (book == nullptr || book->text(0) != topic.book) {
            book = new QTreeWidgetItem(treeContents, {topic.book});
            book->setExpanded(true);
        }
        auto* item = book != nullptr ? new QTreeWidgetItem(book, {topic.title})
                                     : new QTreeWidgetItem(treeContents, {topic.title});
        item->setData(0, kTopicRole, QVariant::fromValue<qulonglong>(i));
        contentsItems_.push_back(item);
    }
}

void HelpWindow::ShowContents() {
    tabs->setCurrentIndex(0);
}

void HelpWindow::ShowTopic(std::size_t topic) {
    if (topic >= file_.topics.size() || shown_ == topic) {
        return;
    }
    shown_ = topic;
    txtTopic->setHtml(TopicHtml(file_, topic));
    MarkInContents(topic);
}

void HelpWindow::MarkInContents(std::size_t topic) {
    QTreeWidgetItem* item = contentsItems_[topic];
    if (treeContents->currentItem() != item) {
        treeContents->setCurrentItem(item);
    }
}

void HelpWindow::ListTopics() {
    lstTopics->clear();
    const std::vector<std::size_t> found = index_.Find(txtFind->text());
    for (const std::size_t topic : found) {
        auto* item = new QListWidgetItem(file_.topics[topic].title, lstTopics);
        item->setData(kTopicRole, QVariant::fromValue<qulonglong>(topic));
    }
    if (!found.empty()) {
        lstTopics->setCurrentRow(0);
    }
    lblFound->setText(found.empty()       ? tr("No topics found")
                      : found.size() == 1 ? tr("1 topic found")
                                          : tr("%1 topics found").arg(found.size()));
}

void HelpWindow::DisplayChosenFound() {
    if (const QListWidgetItem* item = lstTopics->currentItem()) {
        ShowTopic(item->data(kTopicRole).toULongLong());
    }
}

void HelpWindow::FollowLink(const QUrl& link) {
    if (const auto topic = TopicOfLink(link)) {
        ShowTopic(*topic);
    }
}

}  // namespace parlow
