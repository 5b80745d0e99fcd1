#include "forms/fieldcheck.h"

#include "util/format.h"
#include "util/notice.h"

namespace vantora::fields {

std::size_t TextLength(const std::string& text) {
    std::size_t n = 0;
    for (unsigned char c : text)
        if ((c & 0xC0) != 0x80)
            ++n;
    return n;
}

bool CheckLength(const std::string& label, const std::string& text, std::size_t limit) {
    if (TextLength(text) <= limit)
        return true;
    notice::show(insert("Error: the %1 can have at most %2 characters", {label, long(limit)}),
                 notice::Icon::Exclamation);
    return false;
}

bool CheckExported(const std::string& label, const std::string& text, std::size_t limit) {
    if (text.find_first_of(std::string(1, Delimiter) + "\r\n") != std::string::npos) {
        notice::show(insert("Error: the %1 cannot contain the character \"%2\" or a line break",
                            {label, std::string(1, Delimiter)}),
                     notice::Icon::Exclamation);
        return false;
    }
    return CheckLength(label, text, limit);
}

bool CheckRange(const std::string& label, long value, long low, long high) {
    if (value >= low && value <= high)
        return true;
    notice::show(insert("Error: the %1 must be a number from %2 to %3", {label, low, high}),
                 notice::Icon::Exclamation);
    return false;
}

} // namespace vantora::fields
