#pragma once
// A failure with the number and description that the error box and the error
// log show.
#include <stdexcept>
#include <string>

namespace zeviza {

// The two conditions the system names keep their historic numbers.
inline constexpr long kValueOutOfRange = -2147217833;  // out of range, division without value
inline constexpr long kSyntaxError = -2147217900;      // statement the engine cannot parse
inline constexpr long kNoTransaction = -2147168242;    // roll back without a transaction
inline constexpr long kObjectClosed = 3704;            // operation on a closed object
inline constexpr long kNoCurrentRecord = 3021;         // field read past the last row
inline constexpr long kItemNotFound = 3265;            // unknown column name
inline constexpr long kInvalidArgument = 5;            // an argument the call cannot use

class Error : public std::runtime_error {
  public:
    Error(long number, const std::string& description)
        : std::runtime_error(description), number_(number) {}
    long Number() const { return number_; }
    std::string Description() const { return what(); }

  private:
    long number_;
};

}  // namespace zeviza
