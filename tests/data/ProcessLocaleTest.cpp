#include <gtest/gtest.h>

#include <clocale>
#include <string>

#include "tests/support/ProgramFolder.h"
#include "tests/support/ScriptedPrompts.h"
#include "tests/support/WritesSupport.h"
#include "zeviza/Value.h"

// The program runs in the user's locale (Qt sets the process locale at
// start). A comma locale must not change a single stored figure.

namespace {

class CommaNumericLocale {
  public:
    CommaNumericLocale() {
        for (const char* name : {"de_DE.UTF-8", "de_DE.utf8", "fr_FR.UTF-8", "nl_NL.UTF-8"}) {
            if (std::setlocale(LC_NUMERIC, name) != nullptr) {
                active_ = true;
                return;
            }
        }
    }
    ~CommaNumericLocale() { std::setlocale(LC_NUMERIC, "C"); }
    bool Active() const { return active_; }

  private:
    bool active_ = false;
};

TEST(ProcessLocaleTest, ACommaLocaleStoresAndReadsFiguresWithTheirDecimals) {
    CommaNumericLocale comma;
    if (!comma.Active()) {
        GTEST_SKIP() << "no comma locale is installed on this machine";
    }
    testing_support::ProgramFolder folder;
    testing_support::ScriptedPrompts prompts;
    zeviza::Putt putt(folder.Path());

    ASSERT_TRUE(writes_support::AddGolfer(putt, "D2", "Tom", "Watson", 12.5f));

    EXPECT_EQ(folder.Real("SELECT Handicap FROM tblGolfer"), 12.5);
    EXPECT_EQ(zeviza::Value(70.4f).ToDouble(), 70.4);
    EXPECT_EQ(zeviza::Value(std::string("70.4")).ToDouble(), 70.4);
}

}  // namespace
