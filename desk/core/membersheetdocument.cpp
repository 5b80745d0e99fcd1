#include "desk/core/membersheetdocument.h"

#include "desk/core/catalogchoices.h"
#include "desk/core/memberrecords.h"
#include "desk/core/storetransaction.h"

#include "db/connection.h"
#include "db/daochkin.h"
#include "db/daocls.h"
#include "db/daodef.h"
#include "db/daoenr.h"
#include "db/daomsg.h"
#include "db/daoprof.h"
#include "db/daosmmem.h"
#include "forms/fieldcheck.h"
#include "util/format.h"
#include "util/notice.h"
#include "vantoapi/vantoapi.h"

using namespace vantora;

const std::array<long, 8> CMemberSheetDoc::GoalBits = {1, 2, 4, 8, 16, 32, 64, 128};
const std::array<long, 21> CMemberSheetDoc::MedHistBits = {
    0x1,   0x2,    0x4,    0x8,    0x10,   0x20,    0x40,    0x80,    0x100,   0x200,   0x400,
    0x800, 0x1000, 0x2000, 0x4000, 0x8000, 0x10000, 0x20000, 0x40000, 0x80000, 0x100000};

CMemberSheetDoc::CMemberSheetDoc(long memberId, CDefaultClass defaultClass)
    : MemberID(memberId), openedId_(memberId), defaultClass_(std::move(defaultClass)) {}

CMemberClassBlock CMemberSheetDoc::EmptyBlock(unsigned char wanted) const {
    CMemberClassBlock b;
    b.gradeStatus = defGrade_;
    b.reEvalBonuses = defReEval_;
    b.otherBonuses = defOther_;
    b.orientBonus = defOrient_;
    CDAOCls cls;
    b.classIndx = cls.GenerateIndex(openedId_, wanted);
    return b;
}

namespace {

CMemberClassBlock BlockOf(const CDAOCls& cls) {
    CMemberClassBlock b;
    b.category = cls.Category;
    b.course = cls.Course;
    b.section = cls.Section;
    b.categoryId = CCatalogChoices::CategoryId(cls.Category);
    b.gradeStatus = cls.GradeStatus;
    b.orientBonus = cls.OrientationBonus != 0;
    b.reEvalBonuses = cls.ReEvaluationBonus;
    b.otherBonuses = cls.OtherBonus;
    b.classIndx = cls.ClassIndx;
    b.stored = true;
    return b;
}

} // namespace

bool CMemberSheetDoc::Load() {
    CDAODef def;
    if (def.OpenSet(true) > 0) {
        defGrade_ = def.DefGrdStat;
        defReEval_ = def.DefReEvalBon;
        defOther_ = def.DefOtherBon;
        defOrient_ = def.GetDefFlag(CDAODef::defOrientationBonus);
    }
    def.Op(CDAOEFSet::opClose);

    CDAOSmMem mem;
    mem.m_strFilter = "MemberID = lParam0";
    mem.lParam0 = openedId_;
    // A member is new when no Members record has the ID (also one without
    // a workout number, which a lookup by barcode would miss).
    new_ = mem.OpenSet(true) == 0;
    CDAOProf prof;
    const bool hasProf = prof.FindProfile(openedId_) > 0;
    CDAOEnr enr;
    const bool hasEnr = enr.FindEnrollment(openedId_) > 0;
    CDAOMsg msg;
    const bool hasMsg = msg.FindMessages(openedId_) > 0;
    CDAOCls cls;
    const int classes = cls.FindClasses(openedId_);

    if (new_ && ResetMember(&mem, &enr, &prof, &cls, &msg) && !defaultClass_.Empty()) {
        cls.Category += defaultClass_.category;
        cls.Course += defaultClass_.course;
        cls.Section += defaultClass_.section;
    }
    if (new_)
        mem.MemberID = openedId_;
    else if (!hasProf || !hasEnr)
        ResetMember(nullptr, hasEnr ? nullptr : &enr, hasProf ? nullptr : &prof, nullptr, nullptr);

    MemberID = openedId_;
    Barcode = new_ ? 0 : mem.Barcode;
    openedBarcode_ = Barcode;
    FirstName = mem.FirstName;
    MiddleInitial = mem.MiddleInitial;
    LastName = mem.LastName;
    MemberStatus = mem.MemberStatus ? 1 : 0;
    Address = prof.Address;
    City = prof.City;
    State = prof.State;
    Zip = prof.Zip;
    Phone = prof.Phone;
    Email = prof.Email;
    EmerContactName = prof.EmerContactName;
    EmerContactPhone = prof.EmerContactPhone;
    FamilyPhysician = prof.FamilyPhysician;
    SignedRelease = prof.SignedRelease ? 1 : 0;
    Employee = prof.Employee ? 1 : 0;
    Birthday = prof.Birthday;
    Sex = prof.Sex ? 1 : 0;
    Goals = prof.Goals;
    MedHistory = prof.MedHistory;
    EnrollmentDate = enr.EnrollmentDate;
    ExpirationDate = enr.ExpirationDate;
    EnrollmentPeriod = enr.EnrollmentPeriod;
    IncentiveClub = enr.IncentiveClub ? 1 : 0;
    Message = hasMsg ? msg.Msg : std::string();

    // Block 1 shows the class buffer: the first class, or a new member's
    // starting class; blocks 2 and 3 the next classes or empty blocks.
    if (classes == 0 && !new_) {
        Classes[0] = EmptyBlock(0);
    } else {
        Classes[0] = BlockOf(cls);
        if (new_) {
            Classes[0].categoryId = CCatalogChoices::CategoryId(Classes[0].category);
            Classes[0].stored = false;
        }
    }
    for (int b = 1; b < 3; ++b) {
        if (classes > b) {
            cls.Op(CDAOEFSet::opMoveNext);
            Classes[b] = BlockOf(cls);
        } else {
            Classes[b] = EmptyBlock(static_cast<unsigned char>(Classes[0].classIndx + b));
        }
    }
    for (CDAOEFSet* set : std::initializer_list<CDAOEFSet*>{&mem, &prof, &enr, &msg, &cls})
        set->Op(CDAOEFSet::opClose);
    return true;
}

bool CMemberSheetDoc::Fail(const std::string& text, int field) {
    if (!text.empty())
        notice::show(text, notice::Icon::Exclamation);
    focus_ = field;
    return false;
}

bool CMemberSheetDoc::ValidateProfile() {
    using namespace vantora::fields;
    if (!CheckRange("member ID", MemberID, 1, IdLimit))
        return Fail({}, fldMemberID);
    if (!CheckRange("workout number", Barcode, 1, IdLimit))
        return Fail({}, fldBarcode);
    const struct {
        const char* label;
        const std::string& text;
        std::size_t limit;
        int field;
    } texts[] = {
        {"first name", FirstName, NameLimit, fldFirstName},
        {"middle initial", MiddleInitial, InitialLimit, fldMiddleInitial},
        {"last name", LastName, LastNameLimit, fldLastName},
        {"address", Address, AddressLimit, fldAddress},
        {"city", City, CityLimit, fldCity},
        {"zip", Zip, ZipLimit, fldZip},
        {"phone", Phone, PhoneLimit, fldPhone},
        {"email", Email, EmailLimit, fldEmail},
        {"emergency contact name", EmerContactName, ContactLimit, fldEmerContactName},
        {"emergency contact phone", EmerContactPhone, PhoneLimit, fldEmerContactPhone},
        {"family physician", FamilyPhysician, ContactLimit, fldFamilyPhysician},
    };
    for (const auto& t : texts)
        if (!CheckExported(t.label, t.text, t.limit))
            return Fail({}, t.field);
    // The check-in message is not part of any export file: line breaks may stay.
    if (!CheckLength("check-in message", Message, MessageLimit))
        return Fail({}, fldMessage);

    if (FirstName.empty())
        return Fail(MsgFirstName, fldFirstName);
    if (LastName.empty())
        return Fail(MsgLastName, fldLastName);
    if (MemberID != openedId_ && IsMember(MemberID, CDAOSmMem::idMember))
        return Fail(format(MsgIdInUse, {MemberID}), fldMemberID);
    if (Barcode != openedBarcode_ && IsMember(Barcode, CDAOSmMem::idBarcode))
        return Fail(format(MsgBarcodeInUse, {Barcode}), fldBarcode);
    CEFOleDateTime now;
    now.Current();
    if (Birthday.GetStatus() == COleDateTime::valid && Birthday > now)
        return Fail(MsgBirthday, fldBirthday);
    return true;
}

bool CMemberSheetDoc::ValidateEnrollment() {
    for (int b = 0; b < 3; ++b) {
        if (!fields::CheckRange("re-eval bonuses", Classes[b].reEvalBonuses, 0, BonusLimit))
            return Fail({}, fldClassReEval + b);
        if (!fields::CheckRange("other bonuses", Classes[b].otherBonuses, 0, BonusLimit))
            return Fail({}, fldClassOther + b);
    }
    if (ExpirationDate < EnrollmentDate)
        return Fail(MsgExpiration, fldExpirationDate);
    bool any = false;
    for (const auto& c : Classes)
        any = any || (!c.category.empty() && c.categoryId != 0);
    if (!any)
        return Fail(MsgNoClass, fldClassCategory);
    static constexpr int pairs[3][2] = {{0, 1}, {0, 2}, {1, 2}};
    for (const auto& p : pairs) {
        const auto& a = Classes[p[0]];
        const auto& b = Classes[p[1]];
        if (!a.category.empty() && a.category == b.category && a.course == b.course &&
            a.section == b.section)
            return Fail(MsgDuplicateClass, fldClassCategory + p[1]);
    }
    return true;
}

bool CMemberSheetDoc::Validate() {
    return ValidateProfile() && ValidateEnrollment();
}

namespace {

// Edits the set's first record, or adds one when it has none.
void EditOrAdd(CDAOEFSet& set, int found) {
    set.Op(found > 0 ? CDAOEFSet::opEdit : CDAOEFSet::opAddNew);
}

bool Stored(CDAOEFSet& set) {
    set.Op(CDAOEFSet::opUpdate);
    const bool ok = !set.LastOpFailed();
    set.Op(CDAOEFSet::opClose);
    return ok;
}

} // namespace

bool CMemberSheetDoc::WriteRecords() {
    // After a move every record of the member is filed under the new ID.
    const long id = MemberID;
    CDAOSmMem mem;
    mem.m_strFilter = "MemberID = lParam0";
    mem.lParam0 = id;
    EditOrAdd(mem, mem.OpenSet(true));
    mem.MemberID = id;
    mem.Barcode = Barcode;
    mem.FirstName = FirstName;
    mem.MiddleInitial = MiddleInitial;
    mem.LastName = LastName;
    mem.MemberStatus = MemberStatus;
    if (!Stored(mem))
        return false;

    CDAOProf prof;
    EditOrAdd(prof, prof.FindProfile(id));
    prof.MemberID = id;
    prof.Address = Address;
    prof.City = City;
    prof.State = State;
    prof.Zip = Zip;
    prof.Phone = Phone;
    prof.Email = Email;
    prof.EmerContactName = EmerContactName;
    prof.EmerContactPhone = EmerContactPhone;
    prof.FamilyPhysician = FamilyPhysician;
    prof.SignedRelease = SignedRelease;
    prof.Employee = Employee;
    prof.Birthday = Birthday;
    prof.Sex = Sex;
    prof.Goals = Goals;
    prof.MedHistory = MedHistory;
    if (!Stored(prof))
        return false;

    CDAOEnr enr;
    EditOrAdd(enr, enr.FindEnrollment(id));
    enr.MemberID = id;
    enr.EnrollmentDate = EnrollmentDate;
    enr.ExpirationDate = ExpirationDate;
    enr.EnrollmentPeriod = EnrollmentPeriod;
    enr.IncentiveClub = IncentiveClub;
    if (!Stored(enr))
        return false;

    CDAOMsg msg;
    EditOrAdd(msg, msg.FindMessages(id));
    msg.MemberID = id;
    msg.Msg = Message;
    if (!Stored(msg))
        return false;

    const unsigned long long errors = db::errorCount();
    const auto& c = Classes;
    auto grade = [](const CMemberClassBlock& b) { return CDAODef::gradestat(b.gradeStatus); };
    // UpdateClasses replaces the slots 0 to 2 only, so that classes beyond
    // the three blocks stay; a block's class stored under a higher index
    // loses its old record here, as it moves into its block's slot.
    for (const CMemberClassBlock& b : c) {
        if (!b.stored || b.classIndx < 3)
            continue;
        CDAOCls old;
        if (old.FindClasses(id, b.classIndx) > 0)
            old.DelAll();
        old.Op(CDAOEFSet::opClose);
    }
    UpdateClasses(id, c[0].category, c[0].course, c[0].section, grade(c[0]), c[0].orientBonus,
                  c[0].reEvalBonuses, c[0].otherBonuses, c[1].category, c[1].course, c[1].section,
                  grade(c[1]), c[1].orientBonus, c[1].reEvalBonuses, c[1].otherBonuses,
                  c[2].category, c[2].course, c[2].section, grade(c[2]), c[2].orientBonus,
                  c[2].reEvalBonuses, c[2].otherBonuses);
    // The classes are now stored under the indexes 0, 1 and 2 of their
    // blocks; what was recorded under a class follows it to its new index.
    // A stored class whose block was emptied leaves its data to the
    // unknown class, so that no other class takes it over. Blocks hold
    // their classes in ascending index order, so moving them in block order
    // never meets another block's data.
    for (const CMemberClassBlock& b : c)
        if (b.stored && b.category.empty())
            UpdateClassIndex(id, b.classIndx, CDAOCls::UnknownClass);
    for (int b = 0; b < 3; ++b)
        if (c[b].stored && !c[b].category.empty())
            UpdateClassIndex(id, c[b].classIndx, static_cast<unsigned char>(b));
    return db::errorCount() == errors;
}

bool CMemberSheetDoc::Write() {
    CDAOChkIn checkInSet;
    CDAOSmMem memberSet;
    CStoreTransaction checkIns(checkInSet);
    CStoreTransaction members(memberSet);
    const bool moved = !new_ && MemberID != openedId_;
    bool ok = checkIns.Begin() && members.Begin();
    if (ok && moved)
        ok = CMemberRecords::MoveData(members, checkIns, openedId_, MemberID);
    ok = ok && WriteRecords() && members.Commit() && checkIns.Commit();
    if (!ok) {
        members.Rollback();
        checkIns.Rollback();
        return Fail(MsgNotSaved, -1);
    }
    for (int b = 0; b < 3; ++b) {
        Classes[b].stored = !Classes[b].category.empty();
        if (Classes[b].stored)
            Classes[b].classIndx = static_cast<unsigned char>(b);
    }
    if (IsCurrentClass(Classes[0].category, Classes[0].course, Classes[0].section))
        defaultClass_ = {Classes[0].category, Classes[0].course, Classes[0].section};
    return true;
}

bool CMemberSheetDoc::DeleteClass(int block) {
    if (block < 0 || block > 2)
        return false;
    CMemberClassBlock& b = Classes[block];
    CDAOCls cls;
    if (b.category.empty() ||
        cls.FindClasses(openedId_, b.category.c_str(), b.course.c_str(), b.section.c_str()) == 0) {
        cls.Op(CDAOEFSet::opClose);
        return false;
    }
    if (notice::ask(insert(MsgDeleteClass, {b.category, b.course, b.section}),
                    notice::Buttons::YesNo) != notice::Answer::Yes) {
        cls.Op(CDAOEFSet::opClose);
        return false;
    }
    const unsigned char indx = cls.ClassIndx;
    if (notice::ask(MsgDeleteClassData, notice::Buttons::YesNo) == notice::Answer::Yes)
        DeleteClassData(openedId_, indx);
    else
        UpdateClassIndex(openedId_, indx, CDAOCls::UnknownClass);
    cls.DelCurrent();
    const bool ok = !cls.LastOpFailed();
    cls.Op(CDAOEFSet::opClose);
    b = EmptyBlock(indx);
    return ok;
}
