#pragma once
// CPasswordGate: the password check that guards the administration program.
// The prompt is a callback (the "Enter Password" dialog in the program, a
// script in tests) that answers the entered text, or nothing for Cancel.

#include <functional>
#include <optional>
#include <string>

class CPasswordGate {
public:
    using Prompt = std::function<std::optional<std::string>()>;

    // Reads the Center record and asks until the stored password (exactly,
    // letter case included) or the master password is entered. False when
    // the program must end: the store folder variable (VANTO_DB)
    // unset or no Center record (after one message), Cancel in the prompt,
    // or Cancel after a wrong password.
    static bool Verify(const Prompt& prompt);

    static constexpr const char* MsgLoad = "Error: could not retrieve data from center recordset.";
    static constexpr const char* MsgWrong =
        "Sorry, you have entered an incorrect password.\nBe sure to check for correct "
        "capitalization.";
};
