// The main window's course commands open the course screens once a course
// is stored (Add Course at any time).
#include <QWidget>
#include <memory>

#include "app/windows/ScreenCommands.h"
#include "tests/courses/CourseScreenSupport.h"
#include "ui/ProgramState.h"

namespace course_tests {
namespace {

TEST_F(CourseScreenTest, TheCourseCommandsOpenTheCourseScreens) {
    StoreCourse("C2", "Pebble Beach");
    parlow::NewPutt();
    const std::pair<const char*, const char*> commands[] = {
        {"mnuAddCourse", "Add New Club / Course Record"},
        {"mnuEditClubs", "Edit Club / Course Record"},
        {"mnuDeleteClub", "Remove Club Records"}};
    for (const auto& [name, caption] : commands) {
        const parlow::ScreenCommand* command = parlow::FindScreenCommand(name);
        ASSERT_NE(command, nullptr) << name;
        EXPECT_TRUE(parlow::RecordsExist(command->checks)) << name;
        ASSERT_TRUE(command->screen) << name;
        std::unique_ptr<QWidget> screen(command->screen());
        ASSERT_NE(screen, nullptr) << name;
        EXPECT_EQ(screen->windowTitle(), caption);
    }
    EXPECT_TRUE(prompts.Shown().empty());
}

}  // namespace
}  // namespace course_tests
