#pragma once
// Geometry of the kiosk screen, all in pixels and derived from the screen
// height H and width W: font heights, the gap, the keypad buttons and the
// centre line of the message area.

struct CTouchRect {
    int x = 0, y = 0, w = 0, h = 0;
    bool operator==(const CTouchRect&) const = default;
};

class CTouchLayout {
public:
    CTouchLayout(int width = 0, int height = 0) : W(width), H(height) {}

    int LargeFont() const { return H / 23; }
    int MediumFont() const { return H / 27; }
    int SmallFont() const { return H / 30; }
    int ButtonFont() const { return H / 20; }

    int Gap() const { return (H / 8) / 10; }
    int ButtonWidth() const { return (H / 8) * 3 / 2; }
    int ButtonHeight() const { return H / 8; }
    // Left edge of the two-column keypad at the right of the screen.
    int KeypadLeft() const { return W - 2 * (Gap() + ButtonWidth()); }

    // Place of the n-th (0-based) button of a range shown together: two
    // columns filled alternately, rows from 4 gaps below the top.
    CTouchRect Button(int n) const;

    // Centre line of the text: the area left of the keypad, or the whole
    // width on screens without buttons.
    int Centre(bool wholeWidth) const;

    int W;
    int H;
};

// Button identifiers and the values they stand for, and the key codes the
// kiosk accepts.
class CTouchInput {
public:
    enum Value { Yes = 10, No = 11, Back = 12, Enter = 13 };
    enum Id {
        IdYes = 129,
        IdNo = 130,
        IdBack = 131,
        IdEnter = 132,
        IdDigit0 = 133,
        IdDigit9 = 142
    };

    // 129..142 -> 10..13 and digits 0..9; -1 for other identifiers.
    static int ValueOfButton(int id);
    // The button of a value (digit d -> 133 + d); -1 for other values.
    static int ButtonOfValue(int value);
    // The value of an accepted key code (0x08, 0x0D, 0x30-0x39, N/n, Y/y);
    // -1 for any other code.
    static int ValueOfKey(int code);

    static const char* const UnrecognizedKeyText;
};
