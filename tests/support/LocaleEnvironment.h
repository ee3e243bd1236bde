#pragma once
// Runs a stretch of a test as if the desktop session had started the program
// under the given locale (LC_ALL), then puts the environment back.
#include <cstdlib>
#include <optional>
#include <string>

namespace testing_support {

class LocaleEnvironment {
  public:
    explicit LocaleEnvironment(const char* localeName) {
        if (const char* old = std::getenv("LC_ALL")) {
            previous_ = old;
        }
        ::setenv("LC_ALL", localeName, 1);
    }
    ~LocaleEnvironment() {
        if (previous_) {
            ::setenv("LC_ALL", previous_->c_str(), 1);
        } else {
            ::unsetenv("LC_ALL");
        }
    }
    LocaleEnvironment(const LocaleEnvironment&) = delete;
    LocaleEnvironment& operator=(const LocaleEnvironment&) = delete;

  private:
    std::optional<std::string> previous_;
};

}  // namespace testing_support
