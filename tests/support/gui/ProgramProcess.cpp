#include "tests/support/gui/ProgramProcess.h"

#include <gtest/gtest.h>

#include <QProcess>
#include <QProcessEnvironment>

namespace testing_support {

std::filesystem::path CopyProgramInto(const std::filesystem::path& folder,
                                      std::initializer_list<const char*> builtFiles) {
    for (const char* file : builtFiles) {
        std::filesystem::copy_file(file, folder / std::filesystem::path(file).filename());
    }
    return folder / "Parlow";
}

ProgramEnd RunWithoutDisplay(const std::filesystem::path& program, const QStringList& arguments) {
    QProcess process;
    QProcessEnvironment environment = QProcessEnvironment::systemEnvironment();
    for (const char* name : {"DISPLAY", "WAYLAND_DISPLAY", "QT_QPA_PLATFORM"}) {
        environment.remove(name);
    }
    process.setProcessEnvironment(environment);
    process.start(QString::fromStdString(program.string()), arguments);
    EXPECT_TRUE(process.waitForFinished(60000));
    ProgramEnd end;
    end.errors = QString::fromLocal8Bit(process.readAllStandardError());
    end.output = QString::fromLocal8Bit(process.readAllStandardOutput());
    if (process.exitStatus() == QProcess::NormalExit) {
        end.status = process.exitCode();
    }
    return end;
}

}  // namespace testing_support
