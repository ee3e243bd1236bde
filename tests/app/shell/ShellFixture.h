#pragma once
// What the shell's tests share: the main window on a fresh program folder,
// records put straight into the database, stand-in screens, and a registry
// that answers only what a test tells it.
#include <QAction>
#include <QCloseEvent>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <chrono>
#include <filesystem>
#include <fstream>
#include <map>
#include <thread>
#include <tuple>

#include "app/frmMain.h"
#include "tests/support/gui/GuiTest.h"
#include "ui/Platform.h"

namespace shell_tests {

// A screen that counts how often it was asked to close and may refuse.
struct StandInScreen : QWidget {
    explicit StandInScreen(const QString& title, bool refuseClose = false) : refuse(refuseClose) {
        setWindowTitle(title);
        resize(300, 200);
    }
    void closeEvent(QCloseEvent* event) override {
        ++closeRequests;
        refuse ? event->ignore() : event->accept();
    }
    bool refuse;
    int closeRequests = 0;
};

class AnsweringRegistry : public parlow::Registry {
  public:
    using Key = std::tuple<parlow::RegistryRoot, std::string, std::string>;
    explicit AnsweringRegistry(std::map<Key, std::string> answers = {})
        : answers_(std::move(answers)) {}
    std::optional<std::string> Query(parlow::RegistryRoot root, const std::string& keyPath,
                                     const std::string& valueName) override {
        const auto found = answers_.find({root, keyPath, valueName});
        if (found == answers_.end()) {
            return std::nullopt;
        }
        return found->second;
    }

  private:
    std::map<Key, std::string> answers_;
};

inline const AnsweringRegistry::Key kBrowserKey{parlow::RegistryRoot::ClassesRoot,
                                                "htmlfile\\shell\\open\\command", ""};
inline const AnsweringRegistry::Key kSystemInfoKey{
    parlow::RegistryRoot::LocalMachine, "SOFTWARE\\Microsoft\\Shared Tools\\MSINFO", "PATH"};

class ShellTest : public testing_support::GuiTest {
  protected:
    ShellTest() { parlow::InstallRegistry(std::make_unique<AnsweringRegistry>()); }
    ~ShellTest() override { parlow::InstallRegistry(nullptr); }

    parlow::frmMain* OpenMainWindow() {
        main = new parlow::frmMain;
        main->show();
        Settle();
        return main;
    }

    void Choose(const char* command) {
        QAction* item = main->findChild<QAction*>(command);
        ASSERT_NE(item, nullptr) << command;
        item->trigger();
        Settle();
    }

    // Puts a stand-in screen behind every command that opens one.
    void WireStandIns(const std::vector<std::string>& commands) {
        for (const std::string& command : commands) {
            main->WireScreen(
                command, [command] { return new StandInScreen(QString::fromStdString(command)); });
        }
    }

    int OpenWindows() const { return static_cast<int>(main->mdiArea()->subWindowList().size()); }
    QString Front() const {
        QMdiSubWindow* front = main->mdiArea()->activeSubWindow();
        return front ? front->objectName() : QString();
    }

    void AddGolfer() const {
        folder.Exec("INSERT INTO tblGolfer (GolferID, FullName) VALUES ('D1', 'Ann Lee');");
    }
    void AddCourse() const {
        folder.Exec("INSERT INTO tblClub (ClubID, ClubName) VALUES ('C1', 'Pine Hills');");
    }
    void AddGame(int holes) const {
        folder.Exec("INSERT INTO tblGames (GameID, GolferID, FullName, Holes) VALUES ('G" +
                    std::to_string(holes) + "', 'D1', 'Ann Lee', " + std::to_string(holes) + ");");
    }

    void Answer(const AnsweringRegistry::Key& key, const std::string& value) {
        answers_[key] = value;
        parlow::InstallRegistry(std::make_unique<AnsweringRegistry>(answers_));
    }

    // A program that writes the arguments it was started with, one a line.
    std::filesystem::path RecordingProgram() const {
        const auto program = folder.Path() / "record-start.sh";
        std::ofstream(program) << "#!/bin/sh\nprintf '%s\\n' \"$@\" > \"" << StartedFile().string()
                               << ".tmp\"\nmv \"" << StartedFile().string() << ".tmp\" \""
                               << StartedFile().string() << "\"\n";
        std::filesystem::permissions(program, std::filesystem::perms::owner_all);
        return program;
    }
    std::filesystem::path StartedFile() const { return folder.Path() / "started.txt"; }
    // What the recording program was started with, once it has run.
    std::string WaitForStart() const {
        for (int i = 0; i < 3000 && !std::filesystem::exists(StartedFile()); ++i) {
            std::this_thread::sleep_for(std::chrono::milliseconds(10));
        }
        return testing_support::ReadFile(StartedFile());
    }

    parlow::frmMain* main = nullptr;

  private:
    std::map<AnsweringRegistry::Key, std::string> answers_;
};

}  // namespace shell_tests
