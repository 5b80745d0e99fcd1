#include "format.h"

#include <cstdio>
#include <cstdlib>
#include <cstring>
#include <vector>

namespace vantora {

long long FmtArg::toInteger() const {
    if (const auto* i = std::get_if<long long>(&v_))
        return *i;
    if (const auto* d = std::get_if<double>(&v_))
        return static_cast<long long>(*d);
    return std::strtoll(std::get<std::string>(v_).c_str(), nullptr, 10);
}

double FmtArg::toDouble() const {
    if (const auto* d = std::get_if<double>(&v_))
        return *d;
    if (const auto* i = std::get_if<long long>(&v_))
        return static_cast<double>(*i);
    return std::strtod(std::get<std::string>(v_).c_str(), nullptr);
}

std::string FmtArg::toText() const {
    if (const auto* s = std::get_if<std::string>(&v_))
        return *s;
    char buf[64];
    if (const auto* i = std::get_if<long long>(&v_))
        std::snprintf(buf, sizeof buf, "%lld", *i);
    else
        std::snprintf(buf, sizeof buf, "%g", std::get<double>(v_));
    return buf;
}

namespace {

template <typename... T> std::string printfOne(const std::string& spec, T... value) {
    const int n = std::snprintf(nullptr, 0, spec.c_str(), value...);
    if (n <= 0)
        return {};
    std::vector<char> buf(static_cast<std::size_t>(n) + 1);
    std::snprintf(buf.data(), buf.size(), spec.c_str(), value...);
    return std::string(buf.data(), static_cast<std::size_t>(n));
}

} // namespace

std::string format(std::string_view pattern, std::initializer_list<FmtArg> args) {
    std::string out;
    const FmtArg* next = args.begin();
    std::size_t i = 0;
    while (i < pattern.size()) {
        const char c = pattern[i];
        if (c != '%') {
            out += c;
            ++i;
            continue;
        }
        if (i + 1 < pattern.size() && pattern[i + 1] == '%') {
            out += '%';
            i += 2;
            continue;
        }
        // Read flags, width, precision and length modifiers; '*' is not taken.
        std::size_t j = i + 1;
        while (j < pattern.size() && std::strchr("-+ #0", pattern[j]))
            ++j;
        while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9')
            ++j;
        if (j < pattern.size() && pattern[j] == '.') {
            ++j;
            while (j < pattern.size() && pattern[j] >= '0' && pattern[j] <= '9')
                ++j;
        }
        const std::size_t lengthStart = j;
        while (j < pattern.size() && std::strchr("hlLqjzt", pattern[j]))
            ++j;
        if (j >= pattern.size()) {
            out.append(pattern.substr(i));
            break;
        }
        const char conv = pattern[j];
        const std::string head(pattern.substr(i, lengthStart - i));
        const FmtArg* arg = next != args.end() ? next : nullptr;
        if (std::strchr("diuxXoc", conv)) {
            if (arg) {
                ++next;
                if (conv == 'c')
                    out += printfOne(head + 'c', static_cast<int>(arg->toInteger()));
                else
                    out += printfOne(head + "ll" + conv, arg->toInteger());
            }
        } else if (std::strchr("fFeEgG", conv)) {
            if (arg) {
                ++next;
                out += printfOne(head + conv, arg->toDouble());
            }
        } else if (conv == 's') {
            if (arg) {
                ++next;
                out += printfOne(head + 's', arg->toText().c_str());
            }
        } else {
            // Not a conversion we know: keep the text as written.
            out.append(pattern.substr(i, j + 1 - i));
        }
        i = j + 1;
    }
    return out;
}

std::string insert(std::string_view pattern, std::initializer_list<FmtArg> args) {
    std::string out;
    out.reserve(pattern.size());
    for (std::size_t i = 0; i < pattern.size(); ++i) {
        const char c = pattern[i];
        if (c == '%' && i + 1 < pattern.size()) {
            const char d = pattern[i + 1];
            if (d == '%') {
                out += '%';
                ++i;
                continue;
            }
            if (d >= '1' && d <= '9') {
                const std::size_t n = static_cast<std::size_t>(d - '1');
                if (n < args.size())
                    out += (args.begin() + n)->toText();
                ++i;
                continue;
            }
        }
        out += c;
    }
    return out;
}

} // namespace vantora
