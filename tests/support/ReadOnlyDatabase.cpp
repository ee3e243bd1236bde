#include "tests/support/ReadOnlyDatabase.h"

#include <fcntl.h>
#include <linux/fs.h>
#include <sqlite3.h>
#include <sys/ioctl.h>
#include <unistd.h>

#include <iterator>
#include <string>

namespace testing_support {

namespace {

const char* const kRefusingTriggers[] = {"INSERT ON tblGolfer", "UPDATE ON tblGolfer",
                                         "DELETE ON tblGolfer", "INSERT ON tblGames",
                                         "UPDATE ON tblGames",  "DELETE ON tblGames"};
constexpr int kTriggers = static_cast<int>(std::size(kRefusingTriggers));

std::string TriggerName(int index) {
    return "refuse_write_" + std::to_string(index);
}

bool OpensReadOnly(const ProgramFolder& folder) {
    auto db = folder.Open();
    return sqlite3_db_readonly(db.getHandle(), "main") == 1;
}

}  // namespace

ReadOnlyDatabase::ReadOnlyDatabase(const ProgramFolder& folder) : folder_(folder) {
    std::filesystem::permissions(folder.Database(), std::filesystem::perms::owner_read);
    if (::geteuid() == 0) {
        immutable_ = SetImmutable(true);
    }
    if (OpensReadOnly(folder)) {
        return;
    }
    if (immutable_) {
        immutable_ = !SetImmutable(false);
    }
    std::filesystem::permissions(folder.Database(), std::filesystem::perms::owner_read |
                                                        std::filesystem::perms::owner_write);
    std::string sql;
    for (int i = 0; i < kTriggers; ++i) {
        sql += "CREATE TRIGGER " + TriggerName(i) + " BEFORE " + kRefusingTriggers[i] +
               " BEGIN SELECT RAISE(ABORT, 'attempt to write a readonly database'); END;";
    }
    folder.Exec(sql);
    triggers_ = true;
}

ReadOnlyDatabase::~ReadOnlyDatabase() {
    if (immutable_) {
        SetImmutable(false);
    }
    std::filesystem::permissions(folder_.Database(), std::filesystem::perms::owner_read |
                                                         std::filesystem::perms::owner_write);
    if (triggers_) {
        for (int i = 0; i < kTriggers; ++i) {
            folder_.Exec("DROP TRIGGER " + TriggerName(i) + ";");
        }
    }
}

bool ReadOnlyDatabase::SetImmutable(bool on) const {
    const int fd = ::open(folder_.Database().c_str(), O_RDONLY);
    if (fd < 0) {
        return false;
    }
    int flags = 0;
    bool done = ::ioctl(fd, FS_IOC_GETFLAGS, &flags) == 0;
    if (done) {
        flags = on ? (flags | FS_IMMUTABLE_FL) : (flags & ~FS_IMMUTABLE_FL);
        done = ::ioctl(fd, FS_IOC_SETFLAGS, &flags) == 0;
    }
    ::close(fd);
    return done;
}

}  // namespace testing_support
