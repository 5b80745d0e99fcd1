#pragma once
// Checks shared by the settings pages and the desk sheets for what a user typed:
// the length limit of a text field, the range of a number field, and the characters that a
// text bound for the export files must not hold (the delimiter '|' and line
// breaks would split a field or a line of a member export, which then could
// not be restored). Each check shows its "Error: ..." message and answers
// false when the value is refused.

#include <string>

namespace vantora::fields {

// The export delimiter.
inline constexpr char Delimiter = '|';

// Characters of a UTF-8 text (code points, as an entry field counts them).
std::size_t TextLength(const std::string& text);

// `label` names the field in the message, as "facility name".
bool CheckLength(const std::string& label, const std::string& text, std::size_t limit);
// Length as above, and no delimiter or line break.
bool CheckExported(const std::string& label, const std::string& text, std::size_t limit);
bool CheckRange(const std::string& label, long value, long low, long high);

} // namespace vantora::fields
