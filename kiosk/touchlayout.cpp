#include "kiosk/touchlayout.h"

CTouchRect CTouchLayout::Button(int n) const {
    const int col = n % 2;
    const int row = n / 2;
    return CTouchRect{KeypadLeft() + col * (ButtonWidth() + Gap()),
                      4 * Gap() + row * (ButtonHeight() + Gap()), ButtonWidth(), ButtonHeight()};
}

int CTouchLayout::Centre(bool wholeWidth) const {
    return wholeWidth ? (W - 4 * Gap()) / 2 : (KeypadLeft() - 2 * Gap()) / 2;
}

int CTouchInput::ValueOfButton(int id) {
    if (id >= IdYes && id <= IdEnter)
        return Yes + (id - IdYes);
    if (id >= IdDigit0 && id <= IdDigit9)
        return id - IdDigit0;
    return -1;
}

int CTouchInput::ButtonOfValue(int value) {
    if (value >= 0 && value <= 9)
        return IdDigit0 + value;
    if (value >= Yes && value <= Enter)
        return IdYes + (value - Yes);
    return -1;
}

int CTouchInput::ValueOfKey(int code) {
    switch (code) {
    case 0x08:
        return Back;
    case 0x0D:
        return Enter;
    case 0x4E:
    case 0x6E:
        return No;
    case 0x59:
    case 0x79:
        return Yes;
    default:
        break;
    }
    if (code >= 0x30 && code <= 0x39)
        return code - 0x30;
    return -1;
}

const char* const CTouchInput::UnrecognizedKeyText =
    "Error: unrecognized ASCII code.\n"
    "VantoraTouch recognizes only the following codes:\n\n"
    "0 - 9\t=\t0x30 - 0x39\n"
    "Yes\t=\t0x59 or 0x79\n"
    "No\t=\t0x4E or 0x6E\n"
    "Back\t=\t0x08\n"
    "Enter\t=\t0x0D";
