#pragma once
// The words of the kiosk: the member's stored message wrapped to screen lines,
// the class lines of the course screen, the period totals and the workout
// result. Pure text functions, so each wording rule is tested on its own.

#include <string>
#include <vector>

class CTouchText {
public:
    // Wraps a message to lines of at most `width` characters, breaking after
    // the last blank of each line's first `width` characters; a stretch with
    // no blank is cut hard at `width`.
    static std::vector<std::string> WrapMessage(const std::string& text, std::size_t width = 50);

    // One line of the course screen for the class numbered `number` (from 1):
    // "1. Category Course Section", leaving out empty parts; a class without a
    // category shows no number.
    static std::string CourseLine(int number, const std::string& category,
                                  const std::string& course, const std::string& section);

    // The period totals shown before check-in. `optionTotals[i]` is the
    // period total of option i, named `options[i]`; they are listed only when
    // members record their workout details.
    static std::vector<std::string> PeriodTotals(int found, int credited, int bonus,
                                                 bool recordDetails,
                                                 const std::vector<std::string>& options,
                                                 const std::vector<long>& optionTotals);

    // Whether the workout earned credit, and what it lacked when it did not.
    // `circuitName` is the name of the circuit option (may be empty).
    static std::vector<std::string> WorkoutResult(bool credited, int circuits, int minutes,
                                                  int minCircuits, int minMinutes,
                                                  const std::string& circuitName);

    // "%.2d Name" (or "%.3d" with three digits) for the confirmation screen;
    // the circuit option's name takes an "s" unless its value is 1.
    static std::string ConfirmLine(int option, long value, bool threeDigits,
                                   const std::string& name);
};
