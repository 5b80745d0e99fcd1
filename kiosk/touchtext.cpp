#include "kiosk/touchtext.h"

#include "util/format.h"

using vantora::format;

std::vector<std::string> CTouchText::WrapMessage(const std::string& text, std::size_t width) {
    std::vector<std::string> lines;
    if (width == 0)
        return lines;
    std::string rest = text;
    while (rest.size() > width) {
        std::size_t cut = width;
        const std::size_t blank = rest.rfind(' ', width - 1);
        if (blank != std::string::npos && blank > 0)
            cut = blank + 1; // the line keeps its blank
        lines.push_back(rest.substr(0, cut));
        rest.erase(0, cut);
    }
    if (!rest.empty() || lines.empty())
        lines.push_back(rest);
    return lines;
}

std::string CTouchText::CourseLine(int number, const std::string& category,
                                   const std::string& course, const std::string& section) {
    std::string line;
    if (!category.empty())
        line += format("%i. ", {number}) + category + ' ';
    if (!course.empty())
        line += course + ' ';
    if (!section.empty())
        line += section;
    return line;
}

std::vector<std::string> CTouchText::PeriodTotals(int found, int credited, int bonus,
                                                  bool recordDetails,
                                                  const std::vector<std::string>& options,
                                                  const std::vector<long>& optionTotals) {
    const int total = found + bonus;
    const int counted = bonus + credited;
    std::vector<std::string> lines{"During the current period, you have completed"};
    if (total == 1)
        lines.push_back(
            format("%i workout. This workout ", {total}) +
            (counted == 1 ? "counts toward your grade." : "does not count toward your grade."));
    else
        lines.push_back(
            format("%i workouts. Of these, %i", {total, counted}) +
            (counted == 1 ? " counts toward your grade." : " count toward your grade."));

    std::string includes =
        format(total == 1 ? "The workout includes %i" : "These workouts include %i", {bonus});
    if (recordDetails) {
        includes += bonus == 1 ? " bonus and the following:" : " bonuses and the following:";
        lines.push_back(includes);
        for (std::size_t i = 0; i < options.size(); ++i) {
            const long value = i < optionTotals.size() ? optionTotals[i] : 0;
            lines.push_back(format("%.4d ", {value}) + options[i] + (i == 0 ? "s" : ""));
        }
    } else {
        includes += bonus == 1 ? " bonus." : " bonuses.";
        lines.push_back(includes);
    }
    return lines;
}

std::vector<std::string> CTouchText::WorkoutResult(bool credited, int circuits, int minutes,
                                                   int minCircuits, int minMinutes,
                                                   const std::string& circuitName) {
    std::vector<std::string> lines{"If you are enrolled for a letter grade, your"};
    if (credited) {
        lines.push_back("workout met the minimum requirements for credit.");
        return lines;
    }
    std::string second = "workout did not meet the minimum requirement";
    const bool fewCircuits = circuits < minCircuits;
    const bool fewMinutes = minutes < minMinutes;
    const bool singular = circuitName.empty() || minCircuits == 1;
    if (fewCircuits && !fewMinutes) {
        lines.push_back(second);
        lines.push_back(format("of %i completed ", {minCircuits}) + circuitName +
                        (singular ? "." : "s."));
    } else if (fewMinutes && !fewCircuits) {
        lines.push_back(second);
        lines.push_back(format("of %i total minutes.", {minMinutes}));
    } else if (fewCircuits && fewMinutes) {
        lines.push_back(second + "s");
        lines.push_back(format("of %i completed ", {minCircuits}) + circuitName +
                        (singular ? ", " : "s, ") + format("and %i total minutes.", {minMinutes}));
    } else {
        lines.push_back(second);
    }
    return lines;
}

std::string CTouchText::ConfirmLine(int option, long value, bool threeDigits,
                                    const std::string& name) {
    return format(threeDigits ? "%.3d " : "%.2d ", {value}) + name +
           (option == 0 && value != 1 ? "s" : "");
}
