#pragma once
// A field value as the database hands it over: null, whole number, real or
// text. Conversions follow what the screens expect of a field read by name.
#include <cstdint>
#include <string>
#include <variant>

namespace zeviza {

class Value {
  public:
    Value() = default;
    Value(std::nullptr_t) {}
    Value(int v) : v_(static_cast<std::int64_t>(v)) {}
    Value(std::int64_t v) : v_(v) {}
    Value(double v) : v_(v) {}
    Value(float v);  // stored as the double nearest its shortest decimal text
    Value(std::string v) : v_(std::move(v)) {}
    Value(const char* v) : v_(std::string(v)) {}

    bool IsNull() const { return std::holds_alternative<std::monostate>(v_); }
    bool IsInteger() const { return std::holds_alternative<std::int64_t>(v_); }
    bool IsReal() const { return std::holds_alternative<double>(v_); }
    bool IsText() const { return std::holds_alternative<std::string>(v_); }

    // Null reads as 0 or as the empty text.
    std::int64_t ToInt() const;
    double ToDouble() const;
    std::string ToText() const;

    bool operator==(const Value& other) const = default;

  private:
    std::variant<std::monostate, std::int64_t, double, std::string> v_;
};

// 70.4f becomes 70.4 rather than 70.40000152587891.
double SingleToDouble(float value);

}  // namespace zeviza
