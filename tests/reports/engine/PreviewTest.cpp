// The preview window: a child of the main window, drawn page by page.
#include <QApplication>
#include <QDir>
#include <QFileDialog>
#include <QLabel>
#include <QMainWindow>
#include <QMdiArea>
#include <QMdiSubWindow>
#include <QScrollArea>
#include <QTemporaryDir>
#include <QTimer>
#include <filesystem>
#include <functional>

#include "reports/Reports.h"
#include "reports/engine/Report.h"
#include "reports/preview/ReportPreview.h"
#include "tests/reports/engine/PdfText.h"
#include "tests/reports/engine/SampleReports.h"
#include "tests/support/gui/GuiTest.h"

namespace {

using namespace parlow::reports;

class Preview : public testing_support::GuiTest {
  protected:
    Preview() {
        main.setCentralWidget(area);
        main.resize(1200, 900);
        ShowAndActivate(&main);
    }

    ReportPreview* Open(const std::string& layout, const ReportData& data) {
        QMdiSubWindow* window = ShowReportPreview(layout, data);
        Settle();
        return window != nullptr ? qobject_cast<ReportPreview*>(window->widget()) : nullptr;
    }

    QString PageNumber(ReportPreview* preview) const {
        return preview->findChild<QLabel*>("pageNumber")->text();
    }

    QMainWindow main;
    QMdiArea* area = new QMdiArea;
};

TEST_F(Preview, OpensAsAChildWindowWithTheLayoutsCaption) {
    QMdiSubWindow* window = ShowReportPreview("rptGolfer18Stats", report_samples::Stats18());
    ASSERT_NE(window, nullptr);
    EXPECT_EQ(window->mdiArea(), area);
    EXPECT_EQ(window->windowTitle(), "The Parlow's Log - 18 Hole Games Stats");
    EXPECT_EQ(window->objectName(), "rptGolfer18Stats");
    EXPECT_EQ(area->activeSubWindow(), window);
    EXPECT_EQ(window->windowModality(), Qt::NonModal);

    EXPECT_EQ(ShowReportPreview("rptNothing", report_samples::Stats18()), nullptr);
}

TEST_F(Preview, ANewResultReplacesThePreviewOfTheSameLayout) {
    ShowReportPreview("rptClubData", report_samples::ClubStats());
    ShowReportPreview("rptScoreCard", report_samples::ScoreCard());
    QMdiSubWindow* second = ShowReportPreview("rptClubData", report_samples::ClubStats());
    Settle();
    const auto windows = area->subWindowList();
    ASSERT_EQ(windows.size(), 2);
    EXPECT_TRUE(windows.contains(second));
}

TEST_F(Preview, LongReportOpensOnItsFirstPageAlone) {
    ReportPreview* preview = Open("rptGames18Hist", report_samples::LongHistory(1000));
    ASSERT_NE(preview, nullptr);
    const int pages = preview->PageCount();
    ASSERT_GT(pages, 20);
    EXPECT_EQ(preview->DrawnPages(), 1);
    EXPECT_EQ(PageNumber(preview), QString("Page 1 of %1").arg(pages));

    PressKey(preview, Qt::Key_PageDown);
    EXPECT_EQ(preview->CurrentPage(), 1);
    PressKey(preview, Qt::Key_PageUp);
    PressKey(preview, Qt::Key_PageUp);
    EXPECT_EQ(preview->CurrentPage(), 0);
    preview->ShowPage(pages + 5);
    EXPECT_EQ(PageNumber(preview), QString("Page %1 of %1").arg(pages));
    EXPECT_EQ(preview->DrawnPages(), 4);
}

TEST_F(Preview, ZoomStepsAndFits) {
    ReportPreview* preview = Open("rptScoreCard", report_samples::ScoreCard());
    ASSERT_NE(preview, nullptr);
    const QLabel* page = preview->findChild<QLabel*>("pageView");
    const int width = page->width();
    preview->ZoomIn();
    EXPECT_DOUBLE_EQ(preview->Zoom(), 1.25);
    EXPECT_GT(page->width(), width);
    preview->ZoomOut();
    preview->ZoomOut();
    EXPECT_DOUBLE_EQ(preview->Zoom(), 0.75);

    preview->FitPage();
    const QSize room = preview->findChild<QScrollArea*>()->viewport()->size();
    EXPECT_LE(page->width(), room.width() + 1);
    EXPECT_LE(page->height(), room.height() + 1);
    preview->FitWidth();
    EXPECT_NEAR(page->width(), room.width(), 2);
}

TEST_F(Preview, SavesThePagesItShows) {
    ReportPreview* preview = Open("rptGameStats", report_samples::GameStats());
    ASSERT_NE(preview, nullptr);
    EXPECT_EQ(preview->GetReport().SuggestedFileName(), "Game Stats G12.pdf");
    QTemporaryDir folder;
    const QString file = folder.filePath("Game Stats G12.pdf");
    ASSERT_TRUE(preview->SaveAsPdfTo(file));
    EXPECT_TRUE(report_samples::PdfText(file).contains("Individual Game Stats"));
    EXPECT_TRUE(prompts.Shown().empty());

    EXPECT_FALSE(preview->SaveAsPdfTo(folder.filePath("no/such/folder.pdf")));
    ASSERT_EQ(prompts.Shown().size(), 1u);
    EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
    EXPECT_TRUE(
        QString::fromStdString(prompts.Last().text).startsWith("The report was NOT saved."));
}

// Answers the next file dialog: notes the folder it opened in, then picks
// the file (or cancels for an empty name).
QString AnswerFileDialog(const std::function<void()>& open, const QString& pick) {
    QString openedIn;
    QTimer poll;
    QObject::connect(&poll, &QTimer::timeout, [&] {
        auto* dialog = qobject_cast<QFileDialog*>(QApplication::activeModalWidget());
        if (dialog == nullptr) {
            return;
        }
        poll.stop();
        openedIn = dialog->directory().absolutePath();
        if (pick.isEmpty()) {
            dialog->reject();
        } else {
            dialog->selectFile(pick);
            static_cast<QDialog*>(dialog)->accept();
        }
    });
    poll.start(20);
    open();
    return openedIn;
}

TEST_F(Preview, SaveAsPdfStartsInTheDocumentsFolderThenInTheLastOneUsed) {
    QTemporaryDir home;
    const QByteArray oldHome = qgetenv("HOME");
    const QByteArray oldConfig = qgetenv("XDG_CONFIG_HOME");
    qputenv("HOME", home.path().toUtf8());
    qputenv("XDG_CONFIG_HOME", home.filePath(".config").toUtf8());
    ReportPreview* preview = Open("rptGameStats", report_samples::GameStats());
    ASSERT_NE(preview, nullptr);
    const auto save = [preview] { preview->SaveAsPdf(); };

    // No documents folder yet: the home folder, never the program folder.
    EXPECT_EQ(AnswerFileDialog(save, {}), QDir(home.path()).absolutePath());
    ASSERT_TRUE(QDir(home.path()).mkpath("Documents"));
    EXPECT_EQ(AnswerFileDialog(save, {}), QDir(home.filePath("Documents")).absolutePath());

    ASSERT_TRUE(QDir(home.path()).mkpath("out"));
    const QString chosen = home.filePath("out/Game Stats G12.pdf");
    AnswerFileDialog(save, chosen);
    EXPECT_TRUE(QFileInfo::exists(chosen));
    EXPECT_EQ(AnswerFileDialog(save, {}), QDir(home.filePath("out")).absolutePath());

    qputenv("HOME", oldHome);
    oldConfig.isNull() ? qunsetenv("XDG_CONFIG_HOME") : qputenv("XDG_CONFIG_HOME", oldConfig);
}

// Save as PDF follows the command line's rule: the program's own files are
// refused with the error box and left as they were.
TEST_F(Preview, SaveAsPdfNeverWritesOverTheProgramsOwnFiles) {
    ReportPreview* preview = Open("rptGameStats", report_samples::GameStats());
    ASSERT_NE(preview, nullptr);
    const std::string database = testing_support::ReadFile(folder.Database());
    const std::filesystem::path link = folder.Path() / "Game Stats G12.pdf";
    std::filesystem::create_symlink(folder.Database(), link);
    for (const std::filesystem::path& target : {folder.Database(), link}) {
        SCOPED_TRACE(target.string());
        prompts.Clear();
        EXPECT_FALSE(preview->SaveAsPdfTo(QString::fromStdString(target.string())));
        ASSERT_EQ(prompts.Shown().size(), 1u);
        EXPECT_EQ(prompts.Last().icon, zeviza::Icon::Critical);
        EXPECT_NE(prompts.Last().text.find("is the program's own file"), std::string::npos)
            << prompts.Last().text;
        EXPECT_EQ(testing_support::ReadFile(folder.Database()), database);
    }
    EXPECT_TRUE(std::filesystem::is_symlink(link));
}

}  // namespace
