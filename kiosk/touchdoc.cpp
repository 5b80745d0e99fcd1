#include "kiosk/touchdoc.h"

#include "db/connection.h"
#include "db/daochkin.h"
#include "db/daocls.h"
#include "db/daomem.h"
#include "db/daomsg.h"
#include "db/daosmmem.h"
#include "db/daostn.h"
#include "db/daowk.h"
#include "db/settingsrecord.h"
#include "kiosk/touchlayout.h"
#include "kiosk/touchtext.h"
#include "kiosk/workoutqueue.h"
#include "util/facilitylocation.h"
#include "util/notice.h"

#include <cmath>

using vantora::notice::Icon;
using vantora::settings::LoadRecord;

namespace {

const char* const MoveCheckInsQuestion = "You are exiting VantoraTouch, but records exist\n"
                                         "for members who are still in the fitness center\n"
                                         "or who have forgotten to check out. Do you want\n"
                                         "to move these records to the primary workout file?\n"
                                         "(If no, you will still be able to move them later.)";

} // namespace

CVantoraTouchDoc::CVantoraTouchDoc(CWorkoutQueue& queue)
    : queue_(queue), fieldText_(MaxOptions, "0") {}

CVantoraTouchDoc::~CVantoraTouchDoc() = default;

bool CVantoraTouchDoc::OnNewDocument() {
    bool ok = LoadRecord(center_, "center") && LoadRecord(touch_, "touch screen") &&
              LoadRecord(def_, "defaults") && LoadRecord(bon_, "bonus");
    if (ok) {
        CDAOStn stn;
        if (LoadRecord(stn, "station")) {
            // Only the first thirteen options have entry fields.
            while (!stn.IsEOF() && options_.size() < MaxOptions) {
                options_.push_back(stn.StnName);
                stn.Op(CDAOEFSet::opMoveNext);
            }
        } else {
            ok = false;
        }
        stn.Op(CDAOEFSet::opClose);
    }
    for (CDAOEFSet* set : {static_cast<CDAOEFSet*>(&center_), static_cast<CDAOEFSet*>(&touch_),
                           static_cast<CDAOEFSet*>(&def_), static_cast<CDAOEFSet*>(&bon_)})
        set->Op(CDAOEFSet::opClose);
    if (!ok)
        return false;
    SetState(IdPrompt);
    return true;
}

void CVantoraTouchDoc::OnCloseDocument() {
    MoveCheckIns();
}

void CVantoraTouchDoc::SetState(TouchState s) {
    // Members are not asked for their ID while the server is away.
    if (s == IdPrompt && ServerAway())
        s = OutOfService;
    state_ = s;
    messageVisible_ = true;
    if (s == IdPrompt) {
        idText_.clear();
        optionIndex_ = 0;
        digits_ = 0;
    }
    Notify(Change::Screen);
}

void CVantoraTouchDoc::Notify(Change change) {
    if (onChanged)
        onChanged(change);
}

// ---- inputs ---------------------------------------------------------------

namespace {

// Any store answers for all: on a server they are one database.
std::string AnyStore() {
    return vantora::FacilityLocation::current().storePrefix() + "members.mdb";
}

} // namespace

bool CVantoraTouchDoc::ServerAway() const {
    return vantora::FacilityLocation::current().onServer() && !vantora::db::serverReachable();
}

bool CVantoraTouchDoc::ServerLostSince(unsigned long long errors) {
    if (!vantora::FacilityLocation::current().onServer())
        return false;
    if (!vantora::db::serverReachable())
        return true;
    // A statement that failed on a connection the server dropped does not
    // always tell why: the server is asked whether it still answers.
    return vantora::db::errorCount() != errors && !vantora::db::storeAnswers(AnyStore());
}

bool CVantoraTouchDoc::Input(int value, bool fromKey) {
    const bool digit = value >= 0 && value <= 9;
    switch (state_) {
    case IdPrompt:
        // The reader types in barcode mode; the keypad is used in touch mode.
        if (fromKey == TouchMode())
            return false;
        if (digit) {
            idText_ += char('0' + value);
            if (touch_.CodeLen > 0 && idText_.size() == touch_.CodeLen)
                Submit();
            else
                Notify(Change::Content);
            return true;
        }
        if (value == CTouchInput::Back) {
            if (!idText_.empty())
                idText_.pop_back();
            Notify(Change::Content);
            return true;
        }
        if (value == CTouchInput::Enter) {
            Submit();
            return true;
        }
        return false;
    case ChooseCourse:
        if (digit && value >= 1 && value <= std::min(classCount_, 9)) {
            SelectCourse(value - 1, false);
            return true;
        }
        return false;
    case AskCheckIn:
    case AskCheckOut:
    case AskWorkout:
    case ConfirmWorkout: {
        if (value != CTouchInput::Yes && value != CTouchInput::No)
            return false;
        const bool yes = value == CTouchInput::Yes;
        if (state_ == AskCheckIn)
            AnswerCheckIn(yes);
        else if (state_ == AskCheckOut)
            AnswerCheckOut(yes);
        else if (state_ == AskWorkout)
            AnswerEnterWorkout(yes);
        else
            AnswerConfirm(yes);
        return true;
    }
    case EnterCircuits:
        if (!digit)
            return false;
        workout_.SetStnVal(0, value);
        optionIndex_ = 1;
        digits_ = 0;
        if (options_.size() < 2) {
            optionIndex_ = 0;
            SetState(ConfirmWorkout);
        } else {
            for (std::size_t i = 1; i < options_.size(); ++i)
                fieldText_[i] = std::to_string(workout_.GetStnVal(int(i)));
            SetState(EnterOptions);
        }
        return true;
    case EnterOptions:
        if (digit)
            OptionDigit(value);
        else if (value == CTouchInput::Enter)
            OptionEnter();
        else if (value == CTouchInput::Back)
            OptionBack();
        else
            return false;
        return true;
    case UnknownId:
    case NotCurrent:
    case CheckedIn:
    case Farewell:
    case OutOfService:
        break;
    }
    return false;
}

void CVantoraTouchDoc::Key(int code) {
    // Out of service the reader and the keys are not listened to at all.
    if (state_ == OutOfService)
        return;
    const int value = CTouchInput::ValueOfKey(code);
    if (value < 0) {
        vantora::notice::show(CTouchInput::UnrecognizedKeyText, Icon::Exclamation);
        return;
    }
    Input(value, true);
}

void CVantoraTouchDoc::Submit() {
    // Nine digits at most: longer numbers belong to nobody and must not
    // overflow the ID.
    long id = 0;
    if (idText_.size() > MaxIdDigits) {
        idText_.clear();
        SetState(UnknownId);
        return;
    }
    for (char c : idText_)
        id = id * 10 + (c - '0');
    idText_.clear();
    LookUpId(id);
}

void CVantoraTouchDoc::OptionDigit(int digit) {
    std::string& text = fieldText_[optionIndex_];
    if (digits_ == 0)
        text.clear();
    text += char('0' + digit);
    ++digits_;
    const int limit = Flag(CDAODef::defThreeDigits) ? 3 : 2;
    if (digits_ >= limit)
        OptionEnter();
    else
        Notify(Change::Content);
}

void CVantoraTouchDoc::OptionEnter() {
    long value = 0;
    for (char c : fieldText_[optionIndex_])
        if (c >= '0' && c <= '9')
            value = value * 10 + (c - '0');
    workout_.SetStnVal(optionIndex_, value);
    fieldText_[optionIndex_] = std::to_string(value);
    digits_ = 0;
    Advance();
}

void CVantoraTouchDoc::OptionBack() {
    if (digits_ > 0) {
        fieldText_[optionIndex_] = "0";
        digits_ = 0;
        Notify(Change::Content);
        return;
    }
    workout_.SetStnVal(optionIndex_, 0);
    fieldText_[optionIndex_] = "0";
    if (optionIndex_ <= 1) {
        optionIndex_ = 0;
        SetState(EnterCircuits);
        return;
    }
    --optionIndex_;
    fieldText_[optionIndex_] = "0";
    Notify(Change::Content);
}

void CVantoraTouchDoc::Advance() {
    if (std::size_t(optionIndex_ + 1) < options_.size()) {
        ++optionIndex_;
        fieldText_[optionIndex_] = std::to_string(workout_.GetStnVal(optionIndex_));
        Notify(Change::Content);
    } else {
        optionIndex_ = 0;
        SetState(ConfirmWorkout);
    }
}

std::string CVantoraTouchDoc::FieldText(int option) const {
    if (option == 0)
        return std::to_string(workout_.GetStnVal(0));
    if (option < 0 || std::size_t(option) >= fieldText_.size())
        return {};
    return fieldText_[option];
}

// ---- timers -----------------------------------------------------------------

std::vector<CVantoraTouchDoc::TimerSpec> CVantoraTouchDoc::Timers() const {
    std::vector<TimerSpec> t;
    const int message = int(touch_.MsgTime) * 1000;
    const bool blink = Flag(CDAODef::defBlinkMessages);
    switch (state_) {
    case IdPrompt:
        if (blink && !(touch_.Msg0.empty() && touch_.Msg1.empty() && touch_.Msg2.empty()))
            t.push_back({BlinkTimer, BlinkPeriodMs, true});
        break;
    case UnknownId:
    case NotCurrent:
    case CheckedIn:
        t.push_back({DefaultTimer, message, false});
        break;
    case ChooseCourse:
        t.push_back({ClassSelectTimer, QuestionTimeoutMs, false});
        break;
    case AskCheckIn:
        t.push_back({CheckInTimer, QuestionTimeoutMs, false});
        if (blink && !messageLines_.empty())
            t.push_back({BlinkTimer, BlinkPeriodMs, true});
        break;
    case AskCheckOut:
        t.push_back({CheckOutTimer, QuestionTimeoutMs, false});
        break;
    case AskWorkout:
        t.push_back({AddWorkoutTimer, QuestionTimeoutMs, false});
        break;
    case ConfirmWorkout:
        t.push_back({ConfirmTimer, QuestionTimeoutMs, false});
        break;
    case Farewell:
        t.push_back({ExitTimer, message, false});
        if (blink)
            t.push_back({BlinkTimer, BlinkPeriodMs, true});
        break;
    case OutOfService:
        t.push_back({ReconnectTimer, ReconnectPeriodMs, true});
        break;
    case EnterCircuits:
    case EnterOptions:
        break;
    }
    return t;
}

void CVantoraTouchDoc::TimerExpired(int id) {
    // A tick that belongs to a screen already left is ignored.
    bool armed = false;
    for (const TimerSpec& t : Timers())
        armed = armed || t.id == id;
    if (!armed)
        return;
    switch (id) {
    case BlinkTimer:
        messageVisible_ = !messageVisible_;
        Notify(Change::Blink);
        break;
    case DefaultTimer:
    case ExitTimer:
        SetState(IdPrompt);
        break;
    case ClassSelectTimer:
        SelectCourse(0, true);
        break;
    case CheckInTimer:
        AnswerCheckIn(true);
        break;
    case CheckOutTimer:
        AnswerCheckOut(false);
        break;
    case AddWorkoutTimer:
        AnswerEnterWorkout(false);
        break;
    case ConfirmTimer:
        AnswerConfirm(true);
        break;
    case ReconnectTimer:
        TryServerAgain();
        break;
    default:
        break;
    }
}

bool CVantoraTouchDoc::Idle() {
    if (state_ == IdPrompt && idText_.empty()) {
        const auto errors = vantora::db::errorCount();
        FlushWorkouts();
        if (ServerLostSince(errors))
            SetState(OutOfService);
    }
    // Out of service the reconnect timer tries again.
    return state_ != OutOfService && !queue_.Empty();
}

void CVantoraTouchDoc::TryServerAgain() {
    if (state_ != OutOfService)
        return;
    // The store layer reports the outage once; asking again stays quiet.
    if (!vantora::db::storeAnswers(AnyStore()))
        return;
    FlushWorkouts();
    SetState(IdPrompt); // stays out of service when the server went again
}

void CVantoraTouchDoc::ClearFinishedCheckIns() {
    // Half a second either way: the journal keeps the times to the last
    // digit, the stores may round them.
    constexpr double HalfSecond = 0.5 / 86400.0;
    for (const CWorkout& w : queue_.Pending()) {
        CDAOChkIn chk;
        const int open = chk.IsCheckedIn(CDAOSmMem::idMember, w.memberId);
        for (int i = 0; i < open && !chk.IsEOF(); ++i) {
            if (std::fabs(double(chk.CheckIn) - double(w.checkIn)) < HalfSecond) {
                chk.DelCurrent();
                break;
            }
            chk.Op(CDAOEFSet::opMoveNext);
        }
        chk.Op(CDAOEFSet::opClose);
        if (ServerAway())
            return;
    }
}

int CVantoraTouchDoc::FlushWorkouts() {
    if (queue_.Empty())
        return 0;
    if (onBusy)
        onBusy("Updating Workout Records, Please Wait...");
    ClearFinishedCheckIns();
    const int n = queue_.FlushWorkouts();
    if (onBusy)
        onBusy(nullptr);
    return n;
}

// ---- the visit --------------------------------------------------------------

void CVantoraTouchDoc::LookUpId(long id) {
    const auto errors = vantora::db::errorCount();
    classCount_ = 0;
    classLines_.clear();
    messageLines_.clear();
    found_ = credited_ = bonus_ = 0;
    workout_ = CWorkout();

    CDAOChkIn chk;
    if (chk.IsCheckedIn(CDAOSmMem::idBarcode, id)) {
        // Offered check-out even if the membership lapsed since check-in.
        workout_.Set(&chk);
        chk.Op(CDAOEFSet::opClose);
        SetState(AskCheckOut);
        return;
    }
    chk.Op(CDAOEFSet::opClose);

    CDAOMem mem;
    TouchState next = NotCurrent;
    if (!mem.FindMember(CDAOSmMem::idBarcode, id)) {
        next = UnknownId;
    } else if (mem.MemberStatus != 0 && !mem.ExpirationDate.IsPast()) {
        expiration_ = mem.ExpirationDate;
        CDAOCls cls;
        classCount_ = cls.FindClasses(mem.EnrMemberID);
        if (classCount_ == 0 && ServerLostSince(errors)) {
            next = OutOfService;
        } else if (classCount_ == 0) {
            vantora::notice::show("Error: missing course enrollment information.",
                                  Icon::Exclamation);
            next = IdPrompt;
        } else {
            workout_.Set(&mem);
            if (classCount_ == 1) {
                workout_.classIndx = cls.ClassIndx;
                LoadBonusCount(cls);
                LoadPeriodTotals();
                LoadMemberMessage(workout_.memberId);
                next = AskCheckIn;
            } else {
                BuildCourseList(cls);
                next = ChooseCourse;
            }
        }
        cls.Op(CDAOEFSet::opClose);
    }
    mem.Op(CDAOEFSet::opClose);
    // A look-up the server did not answer says nothing about the member.
    SetState(ServerLostSince(errors) ? OutOfService : next);
}

void CVantoraTouchDoc::BuildCourseList(CDAOCls& cls) {
    classLines_.clear();
    cls.Op(CDAOEFSet::opMoveFirst);
    for (int i = 1; i <= classCount_ && !cls.IsEOF(); ++i) {
        classLines_.push_back(CTouchText::CourseLine(i, cls.Category, cls.Course, cls.Section));
        cls.Op(CDAOEFSet::opMoveNext);
    }
}

void CVantoraTouchDoc::SelectCourse(int index, bool checkIn) {
    const auto errors = vantora::db::errorCount();
    CDAOCls cls;
    cls.FindClasses(workout_.memberId);
    const bool moved = cls.MoveSet(index);
    cls.Op(CDAOEFSet::opClose);
    if (moved)
        workout_.classIndx = cls.ClassIndx;
    if (checkIn) {
        AnswerCheckIn(true);
        return;
    }
    if (moved)
        LoadBonusCount(cls);
    LoadPeriodTotals();
    LoadMemberMessage(workout_.memberId);
    SetState(ServerLostSince(errors) ? OutOfService : AskCheckIn);
}

void CVantoraTouchDoc::LoadBonusCount(const CDAOCls& cls) {
    bonus_ = bon_.CalcBonus(CDAOBon::bonWorkouts, cls.OrientationBonus, cls.ReEvaluationBonus,
                            cls.OtherBonus);
}

void CVantoraTouchDoc::LoadPeriodTotals() {
    CDAOWk wk;
    found_ = wk.FindWks(workout_.memberId, workout_.classIndx);
    credited_ = 0;
    for (int i = 0; i < found_ && !wk.IsEOF(); ++i) {
        if (wk.WorkoutOK)
            ++credited_;
        for (int s = 0; s < CWorkout::StationCount; ++s)
            workout_.SetStnVal(s, workout_.GetStnVal(s) + wk.GetStnVal(s));
        wk.Op(CDAOEFSet::opMoveNext);
    }
    wk.Op(CDAOEFSet::opClose);
}

void CVantoraTouchDoc::LoadMemberMessage(long memberId) {
    messageLines_.clear();
    CDAOMsg msg;
    if (msg.FindMessages(memberId)) {
        messageLines_ = CTouchText::WrapMessage(msg.Msg);
        msg.DelCurrent(); // each stored message is shown once
    }
    msg.Op(CDAOEFSet::opClose);
}

void CVantoraTouchDoc::AnswerCheckIn(bool yes) {
    if (!yes) {
        SetState(Flag(CDAODef::defRecordDetails) ? AskWorkout : IdPrompt);
        return;
    }
    const auto errors = vantora::db::errorCount();
    CDAOChkIn chk;
    chk.OpenSet(false);
    chk.Op(CDAOEFSet::opAddNew);
    chk.MemberID = workout_.memberId;
    chk.Barcode = workout_.barcode;
    chk.FirstName = workout_.firstName;
    chk.LastName = workout_.lastName;
    chk.CheckIn = workout_.checkIn;
    chk.ClassIndx = workout_.classIndx;
    chk.Op(CDAOEFSet::opUpdate);
    chk.Op(CDAOEFSet::opClose);
    // A store that refused the record has shown its error; the member is
    // not told "checked in" then.
    const bool stored = chk.IsCheckedIn(CDAOSmMem::idMember, workout_.memberId) > 0;
    chk.Op(CDAOEFSet::opClose);
    // Not stored because the server went: the ID prompt becomes the
    // out-of-service screen.
    if (!stored)
        ServerLostSince(errors);
    SetState(stored ? CheckedIn : IdPrompt);
}

void CVantoraTouchDoc::AnswerCheckOut(bool yes) {
    if (!yes) {
        SetState(IdPrompt);
        return;
    }
    if (Flag(CDAODef::defRecordDetails)) {
        optionIndex_ = 0;
        digits_ = 0;
        SetState(EnterCircuits);
    } else {
        AnswerConfirm(true);
    }
}

void CVantoraTouchDoc::AnswerEnterWorkout(bool yes) {
    if (!yes) {
        SetState(IdPrompt);
        return;
    }
    CEFOleDateTime out = workout_.checkIn;
    out.AddMin(touch_.NoChkInWkMin);
    workout_.checkOut = out;
    workout_.ResetStations();
    optionIndex_ = 0;
    digits_ = 0;
    SetState(EnterCircuits);
}

void CVantoraTouchDoc::AnswerConfirm(bool yes) {
    if (!yes) {
        optionIndex_ = 0;
        digits_ = 0;
        SetState(EnterCircuits);
        return;
    }
    workout_.workoutOK = center_.VerifyWk(&workout_) ? 1 : 0;
    // The workout's own length: for a workout entered without check-in the
    // time since "check-in" is not what the member did.
    workoutMinutes_ = workout_.TotalMinutes();
    queue_.QueueWorkout(workout_);
    const auto errors = vantora::db::errorCount();
    CDAOChkIn chk;
    if (chk.IsCheckedIn(CDAOSmMem::idBarcode, workout_.barcode))
        chk.DelCurrent();
    chk.Op(CDAOEFSet::opClose);
    // The workout is journaled: the member is thanked even when the server
    // went meanwhile; the kiosk then goes out of service after the farewell,
    // and the check-in goes when the workout is written.
    ServerLostSince(errors);
    SetState(Farewell);
}

void CVantoraTouchDoc::MoveCheckIns() {
    CDAOChkIn chk;
    if (chk.FindChkIns() == 0) {
        chk.Op(CDAOEFSet::opClose);
        return;
    }
    if (vantora::notice::ask(MoveCheckInsQuestion, vantora::notice::Buttons::YesNo) ==
        vantora::notice::Answer::Yes) {
        if (onBusy)
            onBusy("Moving Workout Records, Please Wait...");
        while (!chk.IsEOF()) {
            CWorkout w;
            w.Set(&chk);
            CEFOleDateTime out = w.checkIn;
            out.AddMin(touch_.NoChkInWkMin);
            w.checkOut = out;
            w.workoutOK = center_.VerifyWk(&w) ? 1 : 0;
            queue_.QueueWorkout(w);
            chk.Op(CDAOEFSet::opDelete);
            chk.Op(CDAOEFSet::opMoveNext);
        }
        if (onBusy)
            onBusy(nullptr);
    }
    chk.Op(CDAOEFSet::opClose);
}
