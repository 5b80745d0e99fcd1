#pragma once
// The "Member Class" choice: one member's classes to pick from, with "- All
// Classes -" first, preset to all classes or to the member's only class.
// Used by the Member Workouts report and the workout, evaluation and
// body-composition lists of one member.

#include <string>
#include <vector>

struct CMemberClassItem {
    unsigned char index = 0; // class index; 101 for all classes
    std::string text;        // "- All Classes -", or the class's texts joined by spaces
};

class CMemberClassChoice {
public:
    static constexpr const char* Title = "Member Class";
    static constexpr const char* Prompt =
        "Select the member's category, course,\nand section (i.e., \"class\").";
    static constexpr const char* MsgNoSelection = "Error: select a category, course, section";

    // Reads the member's classes.
    explicit CMemberClassChoice(long memberId);

    const std::vector<CMemberClassItem>& Items() const { return items_; }
    // Row preset: the member's only class when there is exactly one, else all classes.
    int Preset() const { return items_.size() == 2 ? 1 : 0; }
    // Checks a row chosen by the user; false after the message when none is.
    bool Check(int row) const;

private:
    std::vector<CMemberClassItem> items_;
};
