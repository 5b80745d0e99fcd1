#pragma once
// The two kinds of user-visible format: printf-style conversions ("%i",
// "%.2f", "%.4d", "%6i", "%s") and positional inserts ("%1" to "%9").
// Both take their arguments as a list; a conversion or insert without an
// argument is left empty, so a short list never reads past its end.

#include <initializer_list>
#include <string>
#include <string_view>
#include <variant>

namespace vantora {

class FmtArg {
public:
    FmtArg(int v) : v_(static_cast<long long>(v)) {}
    FmtArg(long v) : v_(static_cast<long long>(v)) {}
    FmtArg(long long v) : v_(v) {}
    FmtArg(unsigned v) : v_(static_cast<long long>(v)) {}
    FmtArg(short v) : v_(static_cast<long long>(v)) {}
    FmtArg(unsigned char v) : v_(static_cast<long long>(v)) {}
    FmtArg(double v) : v_(v) {}
    FmtArg(const char* v) : v_(std::string(v ? v : "")) {}
    FmtArg(std::string v) : v_(std::move(v)) {}
    FmtArg(std::string_view v) : v_(std::string(v)) {}

    bool isInteger() const { return std::holds_alternative<long long>(v_); }
    bool isDouble() const { return std::holds_alternative<double>(v_); }
    long long toInteger() const;
    double toDouble() const;
    // Plain text form: integers in decimal, doubles in the shortest "%g" form.
    std::string toText() const;

private:
    std::variant<long long, double, std::string> v_;
};

// printf-style: each conversion takes the next argument. Integer conversions
// (d i u x X o c) take integers, floating conversions (f F e E g G) doubles;
// a number of the other kind is converted. "%%" writes one percent sign.
std::string format(std::string_view pattern, std::initializer_list<FmtArg> args = {});

// Positional: "%1" to "%9" are replaced by the argument of that number, as
// text; "%%" writes one percent sign; any other '%' is kept as it is.
std::string insert(std::string_view pattern, std::initializer_list<FmtArg> args = {});

} // namespace vantora
