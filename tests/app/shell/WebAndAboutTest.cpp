#include <QApplication>
#include <QLabel>
#include <QPushButton>
#include <QTextEdit>
#include <QTimer>

#include "app/frmAbout.h"
#include "tests/app/shell/ShellFixture.h"

namespace {

using shell_tests::kBrowserKey;
using shell_tests::kSystemInfoKey;
using shell_tests::ShellTest;

const char* const kWebCommands[] = {"mnuHelpRandA",      "mnuHelpUSGA",       "mnuHelpPGA",
                                    "mnuHelpLPGA",       "mnuHelpPGATour",    "mnuHelpChampTour",
                                    "mnuHelpNationWide", "mnuCheckForUpdate", "mnuRulesInBrief"};

using WebAndAboutTest = ShellTest;

TEST_F(WebAndAboutTest, WithoutABrowserTheWebCommandsDoNothingAndSayNothing) {
    OpenMainWindow();
    for (const char* command : kWebCommands) {
        Choose(command);
    }
    Answer(kBrowserKey, "   ");  // a blank entry is no browser either
    Choose("mnuHelpUSGA");
    EXPECT_TRUE(prompts.Shown().empty());
    EXPECT_TRUE(main->isVisible());
    EXPECT_EQ(OpenWindows(), 0);
}

TEST_F(WebAndAboutTest, TheBrowserIsStartedWithTheMakersPages) {
    OpenMainWindow();
    Answer(kBrowserKey, "  " + RecordingProgram().string() + " --new-window ");
    Choose("mnuCheckForUpdate");
    const std::string started = WaitForStart();
    EXPECT_EQ(started.rfind("--new-window\nhttps://", 0), 0u) << started;
    EXPECT_NE(started.find("/pages/parlow/the-parlows-log.htm\n"), std::string::npos) << started;

    std::filesystem::remove(StartedFile());
    Choose("mnuRulesInBrief");
    EXPECT_NE(WaitForStart().find("/_download/rules/RulesInBrief.pdf\n"), std::string::npos);
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(WebAndAboutTest, AboutOpensAsAModalDialogFromTheHelpMenu) {
    OpenMainWindow();
    QString shown;
    bool modal = false;
    QTimer::singleShot(0, [&] {
        QWidget* dialog = QApplication::activeModalWidget();
        if (dialog != nullptr) {
            shown = dialog->windowTitle();
            modal = dialog->isModal();
            dialog->findChild<QPushButton*>("cmdOK")->click();
        }
    });
    Choose("mnuAboutParlow");
    EXPECT_EQ(shown, "About The Parlow's Log");
    EXPECT_TRUE(modal);
    EXPECT_EQ(QApplication::activeModalWidget(), nullptr);
}

TEST_F(WebAndAboutTest, AboutShowsTheVersionItsButtonsAndAnEmptyTextWhenTheFileIsMissing) {
    parlow::frmAbout about;
    about.show();
    Settle();
    EXPECT_EQ(about.windowTitle(), "About The Parlow's Log");
    EXPECT_EQ(about.lblTitle->text(), "The Parlow's Log");
    EXPECT_EQ(about.lblVersion->text(), "Version 3.1");
    EXPECT_EQ(about.cmdOK->text(), "&OK");
    EXPECT_EQ(about.cmdSysInfo->text(), "&System Info...");
    EXPECT_EQ(about.cmdUpdates->text(), "&Updates");
    EXPECT_TRUE(about.txtAbout->toPlainText().isEmpty());
    EXPECT_TRUE(about.txtAbout->isReadOnly());
    Click(about.cmdOK);
    EXPECT_FALSE(about.isVisible());
}

TEST_F(WebAndAboutTest, SystemInfoWithNoToolFoundSaysSoAndTheAboutBoxStaysOpen) {
    parlow::frmAbout about;
    about.show();
    Settle();
    Click(about.cmdSysInfo);
    // A tool named in the registry that is not there cannot start either.
    Answer(kSystemInfoKey, (folder.Path() / "no-such-tool").string());
    Click(about.cmdSysInfo);
    ASSERT_EQ(prompts.Shown().size(), 2u);
    for (const zeviza::Box& box : prompts.Shown()) {
        EXPECT_EQ(box.text, "System Information Is Unavailable At This Time");
        EXPECT_EQ(box.title, "Parlow's Log");
        EXPECT_EQ(box.icon, zeviza::Icon::None);
        EXPECT_EQ(box.buttons, zeviza::Buttons::Ok);
    }
    EXPECT_TRUE(about.isVisible());
}

TEST_F(WebAndAboutTest, SystemInfoStartsTheToolTheRegistryNames) {
    parlow::frmAbout about;
    Answer(kSystemInfoKey, RecordingProgram().string());
    Click(about.cmdSysInfo);
    EXPECT_EQ(WaitForStart(), "\n");  // started without arguments
    EXPECT_TRUE(prompts.Shown().empty());
}

TEST_F(WebAndAboutTest, UpdatesOpensTheProductPageLikeTheMenuCommand) {
    parlow::frmAbout about;
    Answer(kBrowserKey, RecordingProgram().string());
    Click(about.cmdUpdates);
    const std::string started = WaitForStart();
    EXPECT_NE(started.find("/pages/parlow/the-parlows-log.htm\n"), std::string::npos) << started;
}

}  // namespace
