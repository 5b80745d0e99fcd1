#pragma once
// What one kiosk screen shows, as data: blocks of lines with their font and
// frame, the message field, the entry fields and the buttons. Built from the
// document for its current state; the view only lays it out and paints it.

#include <string>
#include <vector>

class CVantoraTouchDoc;

struct CTouchBlock {
    enum Font { Large, Medium, Small };
    enum Kind {
        Framed,  // lines left-aligned inside a two-colour frame
        Centred, // single centred lines, no frame (date, prompts)
        Message, // the message field: framed, centred, may blink
        Area     // lines inside the frame of the whole message area
    };
    Kind kind = Framed;
    Font font = Medium;
    std::vector<std::string> lines;
    // The first line in the large font (the facility name).
    bool largeTitle = false;
    bool operator==(const CTouchBlock&) const = default;
};

struct CTouchOptionRow {
    std::string value;
    std::string name;
    bool operator==(const CTouchOptionRow&) const = default;
};

struct CTouchScreen {
    std::vector<CTouchBlock> blocks;
    // Text centred on the whole width (screens without buttons).
    bool wholeWidth = false;
    // The ID field (IdPrompt) and its text.
    bool idField = false;
    std::string idText;
    // The circuit field (EnterCircuits).
    bool circuitField = false;
    std::string circuitText;
    // Option rows 1.. (EnterOptions) and the 0-based row with the focus.
    std::vector<CTouchOptionRow> optionRows;
    int focusedRow = -1;
    // Buttons shown, as a range of identifiers (0 when none).
    int firstButton = 0;
    int lastButton = 0;

    // Every line of every block, in order (blank lines included), for tests
    // and for reading a screen as a whole.
    std::vector<std::string> AllLines() const;

    static CTouchScreen Build(const CVantoraTouchDoc& doc);
};
