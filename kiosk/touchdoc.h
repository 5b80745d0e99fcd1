#pragma once
// The kiosk's document: the facility settings read at start-up, the option
// names, and one member's visit as a state machine. The view draws
// Screen() and turns buttons, keys and timer ticks into Input(), Key() and
// TimerExpired(); everything the member sees or the store receives is
// decided here, so tests drive a whole visit without a window.

#include "db/daobon.h"
#include "db/daocenter.h"
#include "db/daodef.h"
#include "db/daotouch.h"
#include "db/workout.h"

#include <functional>
#include <string>
#include <vector>

class CDAOCls;
class CWorkoutQueue;

class CVantoraTouchDoc {
public:
    enum TouchState {
        IdPrompt = 0,
        UnknownId = 1,
        NotCurrent = 2,
        ChooseCourse = 3,
        AskCheckIn = 4,
        CheckedIn = 5,
        AskCheckOut = 6,
        AskWorkout = 7,
        EnterCircuits = 8,
        EnterOptions = 9,
        ConfirmWorkout = 10,
        Farewell = 11,
        // The database server cannot be reached: no member input is taken
        // until it answers again.
        OutOfService = 12
    };

    enum TimerId {
        BlinkTimer = 158,
        DefaultTimer = 159,
        ClassSelectTimer = 160,
        CheckInTimer = 161,
        CheckOutTimer = 162,
        AddWorkoutTimer = 163,
        ConfirmTimer = 164,
        ExitTimer = 165,
        ReconnectTimer = 166
    };

    struct TimerSpec {
        int id;
        int periodMs;
        bool repeating;
        bool operator==(const TimerSpec&) const = default;
    };

    static constexpr int BlinkPeriodMs = 1500;
    static constexpr int QuestionTimeoutMs = 40000;
    // How often an out-of-service kiosk asks the server whether it is back.
    static constexpr int ReconnectPeriodMs = 15000;
    // The kiosk has entry fields for the circuits and twelve more options.
    static constexpr std::size_t MaxOptions = 13;
    // Longest ID number a member can have.
    static constexpr std::size_t MaxIdDigits = 9;

    explicit CVantoraTouchDoc(CWorkoutQueue& queue);
    ~CVantoraTouchDoc();
    CVantoraTouchDoc(const CVantoraTouchDoc&) = delete;
    CVantoraTouchDoc& operator=(const CVantoraTouchDoc&) = delete;

    // Reads the settings and the option names; false, after a warning that
    // names the missing record, when the kiosk cannot start.
    bool OnNewDocument();
    // Closing: offers to turn the open check-ins into workouts.
    void OnCloseDocument();

    // What changed for the view: a screen was entered (its timers start
    // afresh), the screen's content changed (typed digits, the field being
    // entered), or the blinking message field toggled (nothing else moves).
    enum class Change { Screen, Content, Blink };
    // Called after every change the view must show.
    std::function<void(Change)> onChanged;
    // Shows a "please wait" notice while records are written; null hides it.
    std::function<void(const char* text)> onBusy;

    // Writes the queued workouts to the store under the wait notice.
    int FlushWorkouts();

    // Inputs: a value as CTouchInput gives it (digits 0..9, Yes, No, Back,
    // Enter). Buttons and keys differ only at the ID prompt, where keys count
    // in barcode mode and buttons in touch mode. False when the current state
    // does not take the input.
    bool Input(int value, bool fromKey);
    // A key-up code from the view or a field: accepted codes become inputs,
    // any other shows the unrecognized-code warning.
    void Key(int code);
    // A timer of the view ran out.
    void TimerExpired(int id);
    // The timers the current screen arms when it is drawn.
    std::vector<TimerSpec> Timers() const;
    // No input for a while at the ID prompt: write the queued workouts.
    // True when workouts are still queued afterwards (the store refused
    // them), so that the caller tries again later. A server found away
    // puts the kiosk out of service instead; it then tries on its own.
    bool Idle();
    // Out of service: asks the server whether it answers again; when it
    // does, writes the queued workouts and returns to the ID prompt.
    void TryServerAgain();

    // The visit.
    void LookUpId(long id);
    void SelectCourse(int index, bool checkIn);
    void AnswerCheckIn(bool yes);
    void AnswerCheckOut(bool yes);
    void AnswerEnterWorkout(bool yes);
    void AnswerConfirm(bool yes);
    void MoveCheckIns();

    // What the screens show.
    TouchState State() const { return state_; }
    const CDAOCenter& Center() const { return center_; }
    const CDAOTouch& Touch() const { return touch_; }
    bool Flag(long defFlag) const { return def_.GetDefFlag(defFlag); }
    const std::vector<std::string>& Options() const { return options_; }
    const CWorkout& Workout() const { return workout_; }
    const std::string& IdText() const { return idText_; }
    int ClassCount() const { return classCount_; }
    const std::vector<std::string>& ClassLines() const { return classLines_; }
    int WorkoutsFound() const { return found_; }
    int WorkoutsCredited() const { return credited_; }
    int BonusWorkouts() const { return bonus_; }
    const std::vector<std::string>& MessageLines() const { return messageLines_; }
    const CEFOleDateTime& Expiration() const { return expiration_; }
    // Minutes the confirmed workout lasted (shown on the farewell screen).
    int WorkoutMinutes() const { return workoutMinutes_; }
    int OptionIndex() const { return optionIndex_; }
    // Text of the entry field of option i as the member sees it.
    std::string FieldText(int option) const;
    // Whether a blinking message is in its visible phase.
    bool MessageVisible() const { return messageVisible_; }
    bool TouchMode() const { return touch_.CodeMeth == 1; }

private:
    void SetState(TouchState s);
    // Whether the stores are on a server that the last use could not reach.
    bool ServerAway() const;
    // Whether the server was found away by the store operations since the
    // error count was `errors`.
    bool ServerLostSince(unsigned long long errors);
    // Takes the check-ins of queued workouts off the list: a visit finished
    // while the server was away could not remove its own.
    void ClearFinishedCheckIns();
    void Notify(Change change);
    void Submit();
    void LoadBonusCount(const CDAOCls& cls);
    void LoadPeriodTotals();
    void LoadMemberMessage(long memberId);
    void BuildCourseList(CDAOCls& cls);
    void OptionDigit(int digit);
    void OptionEnter();
    void OptionBack();
    void Advance();
    void EnterField(int option, const std::string& text);

    CWorkoutQueue& queue_;
    CDAOCenter center_;
    CDAOTouch touch_;
    CDAODef def_;
    CDAOBon bon_;
    std::vector<std::string> options_;

    TouchState state_ = IdPrompt;
    CWorkout workout_;
    std::string idText_;
    int classCount_ = 0;
    std::vector<std::string> classLines_;
    int found_ = 0, credited_ = 0, bonus_ = 0;
    std::vector<std::string> messageLines_;
    CEFOleDateTime expiration_;
    int workoutMinutes_ = 0;
    int optionIndex_ = 0;
    int digits_ = 0;
    std::vector<std::string> fieldText_;
    bool messageVisible_ = true;
};
