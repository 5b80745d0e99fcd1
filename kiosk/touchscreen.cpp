#include "kiosk/touchscreen.h"

#include "kiosk/touchdoc.h"
#include "kiosk/touchlayout.h"
#include "kiosk/touchtext.h"
#include "util/format.h"

using vantora::format;
using vantora::insert;
using Doc = CVantoraTouchDoc;

namespace {

CTouchBlock Block(CTouchBlock::Kind kind, CTouchBlock::Font font, std::vector<std::string> lines) {
    CTouchBlock b;
    b.kind = kind;
    b.font = font;
    b.lines = std::move(lines);
    return b;
}

void AddFacility(const Doc& doc, CTouchScreen& s) {
    const CDAOCenter& c = doc.Center();
    if (c.Name.empty())
        return;
    std::vector<std::string> lines{c.Name};
    for (const std::string* part : {&c.Addr0, &c.Addr1})
        if (!part->empty())
            lines.push_back(*part);
    if (!c.City.empty() && !c.St.empty() && !c.Zip.empty())
        lines.push_back(c.City + ", " + c.St + " " + c.Zip);
    if (!c.Phone.empty())
        lines.push_back(c.Phone);
    if (!c.Web.empty())
        lines.push_back("Web: " + c.Web);
    if (!c.Email.empty())
        lines.push_back("Email: " + c.Email);
    CTouchBlock b = Block(CTouchBlock::Framed, CTouchBlock::Medium, lines);
    b.largeTitle = true;
    s.blocks.push_back(b);
}

void AddButtons(CTouchScreen& s, int first, int last) {
    s.firstButton = first;
    s.lastButton = last;
}

} // namespace

std::vector<std::string> CTouchScreen::AllLines() const {
    std::vector<std::string> all;
    for (const CTouchBlock& b : blocks)
        all.insert(all.end(), b.lines.begin(), b.lines.end());
    return all;
}

CTouchScreen CTouchScreen::Build(const Doc& doc) {
    CTouchScreen s;
    const CWorkout& w = doc.Workout();
    const std::vector<std::string>& options = doc.Options();
    const bool details = doc.Flag(CDAODef::defRecordDetails);
    const bool three = doc.Flag(CDAODef::defThreeDigits);
    const std::string name0 = options.empty() ? std::string() : options[0];

    switch (doc.State()) {
    case Doc::IdPrompt: {
        s.wholeWidth = !doc.TouchMode();
        AddFacility(doc, s);
        CEFOleDateTime today;
        today.Current();
        s.blocks.push_back(
            Block(CTouchBlock::Centred, CTouchBlock::Medium, {today.Format("%A, %B  %d, %Y")}));
        std::vector<std::string> msg;
        for (const std::string* m : {&doc.Touch().Msg0, &doc.Touch().Msg1, &doc.Touch().Msg2})
            if (!m->empty())
                msg.push_back(*m);
        if (!msg.empty())
            s.blocks.push_back(Block(CTouchBlock::Message, CTouchBlock::Medium, msg));
        s.blocks.push_back(Block(CTouchBlock::Centred, CTouchBlock::Medium,
                                 {"To check in or check out, enter your ID number."}));
        s.idField = true;
        s.idText = doc.IdText();
        if (doc.TouchMode())
            AddButtons(s, CTouchInput::IdBack, CTouchInput::IdDigit9);
        break;
    }
    case Doc::UnknownId:
        s.wholeWidth = true;
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium,
                                 {"Sorry, your ID number is not in the database.", "",
                                  "Please seek assistance at the fitness center desk."}));
        break;
    case Doc::NotCurrent:
        s.wholeWidth = true;
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium,
                                 {"Sorry, your membership status is not current or has expired.",
                                  "", "Please seek assistance at the fitness center desk."}));
        break;
    case Doc::ChooseCourse: {
        std::vector<std::string> lines{"Welcome, " + w.firstName + ". Please press the number",
                                       "corresponding to the appropriate course.", ""};
        lines.insert(lines.end(), doc.ClassLines().begin(), doc.ClassLines().end());
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Small, lines));
        // Selection is by one digit: the first nine classes can be chosen.
        const int n = std::min(doc.ClassCount(), 9);
        if (n > 0)
            AddButtons(s, CTouchInput::ButtonOfValue(1), CTouchInput::ButtonOfValue(n));
        break;
    }
    case Doc::AskCheckIn: {
        s.blocks.push_back(Block(CTouchBlock::Area, CTouchBlock::Small,
                                 {(doc.ClassCount() == 1 ? "Welcome " : "") + w.firstName + ","}));
        if (!doc.MessageLines().empty())
            s.blocks.push_back(
                Block(CTouchBlock::Message, CTouchBlock::Medium, doc.MessageLines()));
        std::vector<std::string> lines{"Your membership is valid until " +
                                       doc.Expiration().Format("%m/%d/%Y.")};
        std::vector<long> totals;
        for (std::size_t i = 0; i < options.size(); ++i)
            totals.push_back(w.GetStnVal(int(i)));
        for (std::string& l :
             CTouchText::PeriodTotals(doc.WorkoutsFound(), doc.WorkoutsCredited(),
                                      doc.BonusWorkouts(), details, options, totals))
            lines.push_back(std::move(l));
        lines.push_back("Do you want to check in?");
        s.blocks.push_back(Block(CTouchBlock::Area, CTouchBlock::Small, lines));
        AddButtons(s, CTouchInput::IdYes, CTouchInput::IdNo);
        break;
    }
    case Doc::CheckedIn:
        s.wholeWidth = true;
        s.blocks.push_back(
            Block(CTouchBlock::Framed, CTouchBlock::Medium,
                  {insert("Thank you %1.", {w.firstName}), "You may begin your workout.", "",
                   "No further entry is required until", "you complete your workout."}));
        break;
    case Doc::AskCheckOut: {
        const int minutes = w.checkIn.ElapsedMin();
        std::vector<std::string> lines{insert("%1, you have been working out for ", {w.firstName}) +
                                       std::to_string(minutes) +
                                       (minutes == 1 ? " minute." : " minutes.")};
        const int minimum = doc.Center().WkMinMin;
        if (minutes < minimum) {
            lines.push_back("");
            lines.push_back("If you are seeking credit for this workout, this");
            lines.push_back(
                format("is %i fewer minutes than the required minimum.", {minimum - minutes}));
        }
        lines.push_back("");
        lines.push_back("Do you want to check out?");
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium, lines));
        AddButtons(s, CTouchInput::IdYes, CTouchInput::IdNo);
        break;
    }
    case Doc::AskWorkout:
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium,
                                 {"You did not check in, but do", "you want to enter a workout?"}));
        AddButtons(s, CTouchInput::IdYes, CTouchInput::IdNo);
        break;
    case Doc::EnterCircuits:
        s.blocks.push_back(
            Block(CTouchBlock::Framed, CTouchBlock::Medium,
                  {options.empty() ? std::string("Enter the number of aerobic circuits ")
                                   : insert("Enter the number of %1s ", {name0}),
                   "you completed today."}));
        s.circuitField = true;
        s.circuitText = doc.FieldText(0);
        AddButtons(s, CTouchInput::IdDigit0, CTouchInput::IdDigit9);
        break;
    case Doc::EnterOptions: {
        std::vector<std::string> lines{"Enter value completed for each option."};
        if (three) {
            lines.push_back("To record a 1- or 2-digit number, press the");
            lines.push_back("numbers and \"Enter.\" For a 3-digit number,");
            lines.push_back("press all three numbers.");
        } else {
            lines.push_back("To record a 1-digit number, press the");
            lines.push_back("number and \"Enter.\" For a 2-digit number,");
            lines.push_back("press both numbers.");
        }
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium, lines));
        for (std::size_t i = 1; i < options.size(); ++i)
            s.optionRows.push_back({doc.FieldText(int(i)), options[i]});
        s.focusedRow = doc.OptionIndex() - 1;
        AddButtons(s, CTouchInput::IdBack, CTouchInput::IdDigit9);
        break;
    }
    case Doc::ConfirmWorkout: {
        std::vector<std::string> lines{"Are the following workout values correct?"};
        for (std::size_t i = 0; i < options.size(); ++i)
            lines.push_back(
                CTouchText::ConfirmLine(int(i), w.GetStnVal(int(i)), three, options[i]));
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium, lines));
        AddButtons(s, CTouchInput::IdYes, CTouchInput::IdNo);
        break;
    }
    case Doc::Farewell: {
        s.wholeWidth = true;
        s.blocks.push_back(Block(
            CTouchBlock::Framed, CTouchBlock::Medium,
            {w.firstName.empty() ? std::string("Thank you for using the fitness")
                                 : insert("Thank you, %1, for using the fitness", {w.firstName}),
             "center today. Your workout has been recorded,",
             "and no further entry is required."}));
        if (details)
            s.blocks.push_back(
                Block(CTouchBlock::Framed, CTouchBlock::Medium,
                      CTouchText::WorkoutResult(w.workoutOK != 0, int(w.GetStnVal(0)),
                                                doc.WorkoutMinutes(), doc.Center().WkMinCirc,
                                                doc.Center().WkMinMin, name0)));
        s.blocks.push_back(
            Block(CTouchBlock::Message, CTouchBlock::Medium, {"Please visit again soon!"}));
        break;
    }
    case Doc::OutOfService:
        // Calm words for members; what went wrong is for the staff.
        s.wholeWidth = true;
        AddFacility(doc, s);
        s.blocks.push_back(Block(CTouchBlock::Framed, CTouchBlock::Medium,
                                 {"Sorry, this kiosk is out of service for a moment.", "",
                                  "Please check in or out at the front desk."}));
        break;
    }
    return s;
}
