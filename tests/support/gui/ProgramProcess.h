#pragma once
// The program itself, run as a process from a test's own program folder:
// the tests of what a user or script sees on the command line.
#include <QString>
#include <QStringList>
#include <filesystem>
#include <initializer_list>

namespace testing_support {

// Copies the built program and its library (their paths as the test target
// is given them) into `folder`; returns the copied program.
std::filesystem::path CopyProgramInto(const std::filesystem::path& folder,
                                      std::initializer_list<const char*> builtFiles);

struct ProgramEnd {
    int status = -1;  // the exit status, or -1 when it did not end normally
    QString errors;   // standard error
    QString output;   // standard output
};

// Runs `program` with no display at all, as a script on a server would.
ProgramEnd RunWithoutDisplay(const std::filesystem::path& program, const QStringList& arguments);

}  // namespace testing_support
