#include "app/frmMain.h"

#include <QAction>
#include <QApplication>
#include <QClipboard>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QMenuBar>
#include <QScreen>

#include "app/StartupCheck.h"
#include "app/frmAbout.h"
#include "app/help/HelpViewer.h"
#include "app/windows/ProgramIcon.h"
#include "app/windows/ScreenAccessKeys.h"
#include "app/windows/ScreenClosingKeys.h"
#include "app/windows/ScreenCommands.h"
#include "app/windows/TypedText.h"
#include "app/windows/WebLinks.h"
#include "app/windows/WindowMenu.h"
#include "ui/ProgramState.h"
#include "ui/QtPrompts.h"
#include "ui/modGlobal.h"

namespace parlow {

namespace {

// A load step that fails is passed over with a fresh Putt in place.
template <class Step>
void LoadStep(Step&& step) {
    try {
        step();
    } catch (...) {
        try {
            NewPutt();
        } catch (...) {
        }
    }
}

}  // namespace

frmMain::frmMain(QWidget* parent) : QMainWindow(parent), mdi_(new QMdiArea(this)), screens_(mdi_) {
    setObjectName("frmMain");
    setCentralWidget(mdi_);
    mdi_->setBackground(QColor(128, 128, 128));
    // Drawn once at every size: the start waits for it before the window shows.
    const QIcon icon = ProgramIcon();
    QApplication::setWindowIcon(icon);
    setWindowIcon(icon);
    for (const ScreenCommand& command : ScreenCommands()) {
        makers_[command.name] = command.screen;
    }
    BuildMenus();
    new ScreenAccessKeys(this, mdi_);
    new ScreenClosingKeys(this, mdi_);
    PlaceOnScreen();
    Load();
}

void frmMain::Load() {
    LoadStep([] {
        if (auto* clipboard = QApplication::clipboard()) {
            clipboard->clear();
        }
    });
    LoadStep([this] { setWindowTitle(QString()); });
    LoadStep([] { NewPutt(); });
    LoadStep([this] { setWindowTitle(kMainCaption); });
}

void frmMain::PlaceOnScreen() {
    const QScreen* screen = QApplication::primaryScreen();
    if (screen == nullptr) {
        return;
    }
    const QRect room = screen->availableGeometry();
    const QSize size(std::min(1024, room.width() * 85 / 100),
                     std::min(720, room.height() * 85 / 100));
    resize(size);
    move(room.center() - QPoint(size.width() / 2, size.height() / 2));
}

void frmMain::BuildMenus() {
    QMenu* add = AddMenu("&Add", "mnuAddMain");
    AddScreenItem(add, "Game", "mnuAddGame");
    AddScreenItem(add, "Golfer", "mnuAddGolfer");
    AddScreenItem(add, "Course", "mnuAddCourse");
    AddScreenItem(add, "Print Score Sheets", "mnuAddScoreCards");
    AddScreenItem(add, "Import from CSV...", "mnuAddImportCsv");
    AddItem(add, "eXit", "mnuExit", [] { ShutDown(); });

    QMenu* edit = AddMenu("&Edit", "mnuEdit");
    AddScreenItem(edit, "G&ame", "mnuEditGame");
    AddScreenItem(edit, "Course", "mnuEditClubs");
    AddScreenItem(edit, "Golfers", "mnuEditGolfers");

    QMenu* remove = AddMenu("&Delete", "mnuMainDelete");
    AddScreenItem(remove, "Game", "mnuDeleteGame");
    AddScreenItem(remove, "Golfer", "mnuDeleteGolfer");
    AddScreenItem(remove, "Course", "mnuDeleteClub");

    QMenu* reports = AddMenu("&Reports", "mnuMainReports");
    AddScreenItem(reports, "Course Datasheets", "mnuRptClubs");
    AddScreenItem(reports, "Game Datasheets", "mnuRptGames");
    AddScreenItem(reports, "Game History", "mnuRptHistory");
    AddScreenItem(reports, "Golfer Stats", "mnuRptGolferStats");
    AddScreenItem(reports, "Stroke Averages", "mnuRptStrokeStats");
    AddScreenItem(reports, "Handicap Record", "mnuRptHandicap");
    AddScreenItem(reports, "Trends...", "mnuRptTrends");
    AddScreenItem(reports, "Export to CSV...", "mnuRptExportCsv");

    QMenu* window = AddMenu("&Window", "mnuWindows");
    AddItem(window, "Cascade", "mnuWindowCascade", [this] { screens_.Cascade(); });
    AddItem(window, "Tile Horizontally", "mnuWindowH", [this] { screens_.TileHorizontally(); });
    AddItem(window, "Tile Vertically", "mnuWindowV", [this] { screens_.TileVertically(); });
    AddItem(window, "Arrance Icons", "mnuWindowIcons", [this] { screens_.ArrangeIcons(); });
    windowMenu_ = new WindowMenu(window, mdi_);

    QMenu* web = AddMenu("&Golf Web Sites", "mnuWebSites");
    AddWebItem(web, "Royal and Ancient - St Andrews", "mnuHelpRandA", kRandASite);
    AddWebItem(web, "USGA Web Site", "mnuHelpUSGA", kUsgaSite);
    AddWebItem(web, "PGA Web Site", "mnuHelpPGA", kPgaSite);
    AddWebItem(web, "LPGA Web Site", "mnuHelpLPGA", kLpgaSite);
    AddWebItem(web, "PGA Tour Web Site", "mnuHelpPGATour", kPgaTourSite);
    AddWebItem(web, "Champions Tour Web Site", "mnuHelpChampTour", kChampionsTourSite);
    AddWebItem(web, "Nationwide Tour Web Site", "mnuHelpNationWide", kNationwideTourSite);

    QMenu* help = AddMenu("&Help", "mnuMainHelp");
    AddItem(help, "The Parlow's Log Help", "mnuHelpShowHelp", [this] { ShowHelpContents(this); });
    AddWebItem(help, "Check For Updates", "mnuCheckForUpdate", kProductPage);
    AddWebItem(help, "The Rules In Brief", "mnuRulesInBrief", kRulesInBrief);
    AddItem(help, "About The Parlow's Log", "mnuAboutParlow", [this] { ShowAbout(); });
}

QMenu* frmMain::AddMenu(const char* caption, const char* name) {
    QMenu* menu = menuBar()->addMenu(caption);
    menu->setObjectName(name);
    menu->menuAction()->setObjectName(name);
    return menu;
}

// Every item of every menu stands apart from its neighbour by a line.
void frmMain::AddItem(QMenu* menu, const char* caption, const char* name,
                      std::function<void()> run) {
    if (!menu->actions().isEmpty()) {
        menu->addSeparator();
    }
    QAction* item = menu->addAction(caption);
    item->setObjectName(name);
    connect(item, &QAction::triggered, this, [run = std::move(run)] {
        try {
            run();
        } catch (...) {
        }
    });
}

void frmMain::AddScreenItem(QMenu* menu, const char* caption, const char* name) {
    AddItem(menu, caption, name,
            [this, command = std::string(name)] { RunScreenCommand(command); });
}

void frmMain::AddWebItem(QMenu* menu, const char* caption, const char* name, const char* address) {
    AddItem(menu, caption, name, [address] { OpenWebPage(address); });
}

void frmMain::RunScreenCommand(const std::string& name) {
    // No screen reads or writes while the start's check or backup still runs.
    WaitForStartupCheck();
    const ScreenCommand* command = FindScreenCommand(name);
    if (command == nullptr || !RecordsExist(command->checks)) {
        return;
    }
    screens_.Open(QString::fromStdString(name), makers_[name]);
}

void frmMain::WireScreen(const std::string& name, ScreenMaker make) {
    makers_[name] = std::move(make);
}

void frmMain::ShowAbout() {
    frmAbout about(this);
    about.exec();
}

bool frmMain::HoldsTypedText() const {
    for (QMdiSubWindow* child : mdi_->subWindowList()) {
        if (child->widget() != nullptr && parlow::HoldsTypedText(child->widget())) {
            return true;
        }
    }
    return false;
}

void frmMain::closeEvent(QCloseEvent* event) {
    if (HoldsTypedText() &&
        !AskYesNo("Discard what you typed?", {}, zeviza::Answer::No, zeviza::Icon::Question)) {
        event->ignore();
        return;
    }
    mdi_->closeAllSubWindows();
    for (QMdiSubWindow* child : mdi_->subWindowList()) {
        if (child->isVisible()) {
            event->ignore();
            return;
        }
    }
    event->accept();
}

}  // namespace parlow
