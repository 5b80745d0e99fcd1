#include "kiosk/touchlayout.h"
#include "kiosk/touchtext.h"

#include <gtest/gtest.h>

using Lines = std::vector<std::string>;

TEST(KioskText, LongMessagesBreakAfterTheLastBlankOfFiftyCharacters) {
    // 120 characters in words: three lines, each ending with its blank.
    const std::string msg = "Your locker rental ends this Friday, please see the front desk "
                            "to renew it or empty the locker before the weekend starts.";
    const Lines lines = CTouchText::WrapMessage(msg);
    ASSERT_EQ(3u, lines.size());
    std::string joined;
    for (const auto& l : lines) {
        EXPECT_LE(l.size(), 50u);
        joined += l;
    }
    EXPECT_EQ(msg, joined);
    EXPECT_EQ(' ', lines[0].back());
    EXPECT_EQ(' ', lines[1].back());
    EXPECT_EQ("Your locker rental ends this Friday, please see ", lines[0]);

    EXPECT_EQ(Lines{"Short note."}, CTouchText::WrapMessage("Short note."));
    EXPECT_EQ(Lines{std::string(50, 'x')}, CTouchText::WrapMessage(std::string(50, 'x')));
    // No blank to break at: cut hard, nothing lost.
    EXPECT_EQ((Lines{std::string(50, 'y'), std::string(20, 'y')}),
              CTouchText::WrapMessage(std::string(70, 'y')));
    // A blank exactly at the 50th character ends the first line there.
    const std::string edge = std::string(49, 'a') + " " + "bbb";
    EXPECT_EQ((Lines{std::string(49, 'a') + " ", "bbb"}), CTouchText::WrapMessage(edge));
}

TEST(KioskText, CourseLinesLeaveOutEmptyParts) {
    EXPECT_EQ("1. Fitness Strength 101 Mon-Wed 9:00",
              CTouchText::CourseLine(1, "Fitness", "Strength 101", "Mon-Wed 9:00"));
    EXPECT_EQ("2. Fitness Mon", CTouchText::CourseLine(2, "Fitness", "", "Mon"));
    EXPECT_EQ("Aerobics ", CTouchText::CourseLine(3, "", "Aerobics", ""));
    EXPECT_EQ("", CTouchText::CourseLine(4, "", "", ""));
}

TEST(KioskText, PeriodTotalsUseSingularAndPluralForms) {
    const Lines one = CTouchText::PeriodTotals(1, 0, 0, false, {}, {});
    EXPECT_EQ((Lines{"During the current period, you have completed",
                     "1 workout. This workout does not count toward your grade.",
                     "The workout includes 0 bonuses."}),
              one);
    // A bonus alone makes one counted workout.
    const Lines bonusOnly = CTouchText::PeriodTotals(0, 0, 1, false, {}, {});
    EXPECT_EQ("1 workout. This workout counts toward your grade.", bonusOnly[1]);
    EXPECT_EQ("The workout includes 1 bonus.", bonusOnly[2]);

    const Lines many = CTouchText::PeriodTotals(4, 2, 1, false, {}, {});
    EXPECT_EQ("5 workouts. Of these, 3 count toward your grade.", many[1]);
    EXPECT_EQ("These workouts include 1 bonus.", many[2]);
    EXPECT_EQ("2 workouts. Of these, 1 counts toward your grade.",
              CTouchText::PeriodTotals(2, 1, 0, false, {}, {})[1]);
}

TEST(KioskText, PeriodTotalsListOptionsWhenDetailsAreRecorded) {
    const Lines lines =
        CTouchText::PeriodTotals(3, 3, 2, true, {"Circuit", "Treadmill", "Bike"}, {14, 125, 0});
    EXPECT_EQ((Lines{"During the current period, you have completed",
                     "5 workouts. Of these, 5 count toward your grade.",
                     "These workouts include 2 bonuses and the following:", "0014 Circuits",
                     "0125 Treadmill", "0000 Bike"}),
              lines);
    EXPECT_EQ("The workout includes 1 bonus and the following:",
              CTouchText::PeriodTotals(0, 0, 1, true, {}, {})[2]);
}

TEST(KioskText, WorkoutResultNamesWhatWasMissing) {
    const std::string first = "If you are enrolled for a letter grade, your";
    EXPECT_EQ((Lines{first, "workout met the minimum requirements for credit."}),
              CTouchText::WorkoutResult(true, 0, 0, 2, 30, "Circuit"));
    EXPECT_EQ(
        (Lines{first, "workout did not meet the minimum requirement", "of 2 completed Circuits."}),
        CTouchText::WorkoutResult(false, 1, 45, 2, 30, "Circuit"));
    EXPECT_EQ("of 1 completed Circuit.",
              CTouchText::WorkoutResult(false, 0, 45, 1, 30, "Circuit")[2]);
    EXPECT_EQ("of 2 completed .", CTouchText::WorkoutResult(false, 0, 45, 2, 30, "")[2]);
    EXPECT_EQ(
        (Lines{first, "workout did not meet the minimum requirement", "of 30 total minutes."}),
        CTouchText::WorkoutResult(false, 3, 12, 2, 30, "Circuit"));
    EXPECT_EQ((Lines{first, "workout did not meet the minimum requirements",
                     "of 2 completed Circuits, and 30 total minutes."}),
              CTouchText::WorkoutResult(false, 1, 12, 2, 30, "Circuit"));
    // Judged not OK although both minimums are met: no third line.
    EXPECT_EQ(2u, CTouchText::WorkoutResult(false, 5, 50, 2, 30, "Circuit").size());
}

TEST(KioskText, ConfirmLinesPadToTheDigitLimit) {
    EXPECT_EQ("03 Circuits", CTouchText::ConfirmLine(0, 3, false, "Circuit"));
    EXPECT_EQ("01 Circuit", CTouchText::ConfirmLine(0, 1, false, "Circuit"));
    EXPECT_EQ("007 Rowing", CTouchText::ConfirmLine(4, 7, true, "Rowing"));
    EXPECT_EQ("01 Rowing", CTouchText::ConfirmLine(4, 1, false, "Rowing"));
}

TEST(KioskLayout, GeometryOfA1024By768Screen) {
    const CTouchLayout l(1024, 768);
    EXPECT_EQ(33, l.LargeFont());
    EXPECT_EQ(28, l.MediumFont());
    EXPECT_EQ(25, l.SmallFont());
    EXPECT_EQ(38, l.ButtonFont());
    EXPECT_EQ(9, l.Gap());
    EXPECT_EQ(144, l.ButtonWidth());
    EXPECT_EQ(96, l.ButtonHeight());
    EXPECT_EQ(718, l.KeypadLeft());
    // Back/Enter, then 0/1 ... 8/9: six rows in two columns.
    EXPECT_EQ((CTouchRect{718, 36, 144, 96}), l.Button(0));
    EXPECT_EQ((CTouchRect{871, 36, 144, 96}), l.Button(1));
    EXPECT_EQ((CTouchRect{718, 141, 144, 96}), l.Button(2));
    EXPECT_EQ((CTouchRect{871, 561, 144, 96}), l.Button(11));
    EXPECT_EQ(350, l.Centre(false));
    EXPECT_EQ(494, l.Centre(true));
}

TEST(KioskInput, ButtonsAndKeysMapToValues) {
    EXPECT_EQ(CTouchInput::Yes, CTouchInput::ValueOfButton(129));
    EXPECT_EQ(CTouchInput::Enter, CTouchInput::ValueOfButton(132));
    EXPECT_EQ(0, CTouchInput::ValueOfButton(133));
    EXPECT_EQ(9, CTouchInput::ValueOfButton(142));
    EXPECT_EQ(-1, CTouchInput::ValueOfButton(143));
    for (int v = 0; v <= 13; ++v)
        EXPECT_EQ(v, CTouchInput::ValueOfButton(CTouchInput::ButtonOfValue(v)));
    EXPECT_EQ(140, CTouchInput::ButtonOfValue(7));

    EXPECT_EQ(CTouchInput::Back, CTouchInput::ValueOfKey(0x08));
    EXPECT_EQ(CTouchInput::Enter, CTouchInput::ValueOfKey(0x0D));
    EXPECT_EQ(5, CTouchInput::ValueOfKey('5'));
    EXPECT_EQ(CTouchInput::Yes, CTouchInput::ValueOfKey('y'));
    EXPECT_EQ(CTouchInput::Yes, CTouchInput::ValueOfKey('Y'));
    EXPECT_EQ(CTouchInput::No, CTouchInput::ValueOfKey('n'));
    EXPECT_EQ(CTouchInput::No, CTouchInput::ValueOfKey('N'));
    for (int code : {0x60, 0x69, 0x10, 0x1B, int('a'), int('x'), 0x2F, 0x3A})
        EXPECT_EQ(-1, CTouchInput::ValueOfKey(code)) << code;
}
