#pragma once
// A database file that refuses every write for as long as the object lives.
#include "tests/support/ProgramFolder.h"

namespace testing_support {

// Makes the database file read-only for the life of the object. Root writes
// through file modes, so for root the file is also made immutable; where the
// file system cannot do that, triggers refuse the golfer and game writes
// with the engine's own read-only message instead.
class ReadOnlyDatabase {
  public:
    explicit ReadOnlyDatabase(const ProgramFolder& folder);
    ~ReadOnlyDatabase();
    ReadOnlyDatabase(const ReadOnlyDatabase&) = delete;
    ReadOnlyDatabase& operator=(const ReadOnlyDatabase&) = delete;

  private:
    bool SetImmutable(bool on) const;
    const ProgramFolder& folder_;
    bool immutable_ = false;
    bool triggers_ = false;
};

}  // namespace testing_support
