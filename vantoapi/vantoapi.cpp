#include "vantoapi/vantoapi.h"

#include "db/batchscope.h"
#include "db/daobodycomp.h"
#include "db/daocat.h"
#include "db/daocls.h"
#include "db/daocour.h"
#include "db/daoenr.h"
#include "db/daomsg.h"
#include "db/daoprof.h"
#include "db/daosec.h"
#include "db/daosmeval.h"
#include "db/daowk.h"
#include "db/schema.h"

namespace {

struct ClassValues {
    const std::string& category;
    const std::string& course;
    const std::string& section;
    CDAODef::gradestat grade;
    bool orientation;
    int reEvaluations;
    int others;
};

void Assign(CDAOCls& cls, const ClassValues& v) {
    cls.Category = v.category;
    cls.Course = v.course;
    cls.Section = v.section;
    cls.GradeStatus = static_cast<unsigned char>(v.grade);
    cls.OrientationBonus = v.orientation ? 1 : 0;
    cls.ReEvaluationBonus = static_cast<short>(v.reEvaluations);
    cls.OtherBonus = static_cast<short>(v.others);
}

// Every record of an open set edited in turn to the new class index.
template <typename Set> void MoveIndex(Set& set, int count, unsigned char newIndx) {
    set.Op(CDAOEFSet::opMoveFirst);
    for (int i = 0; i < count && !set.IsEOF(); ++i) {
        set.Op(CDAOEFSet::opEdit);
        set.ClassIndx = newIndx;
        set.Op(CDAOEFSet::opUpdate);
        set.Op(CDAOEFSet::opMoveNext);
    }
    set.Op(CDAOEFSet::opClose);
}

} // namespace

bool IsMember(long const& id, CDAOSmMem::id kind) {
    CDAOSmMem mem;
    mem.m_strFilter = kind == CDAOSmMem::idBarcode ? "Barcode = lParam0" : "MemberID = lParam0";
    mem.lParam0 = id;
    const bool found = mem.OpenSet(true) > 0;
    mem.Op(CDAOEFSet::opClose);
    return found;
}

bool ResetMember(CDAOSmMem* member, CDAOEnr* enrollment, CDAOProf* profile, CDAOCls* classes,
                 CDAOMsg* messages) {
    CDAODef def;
    const bool read = def.OpenSet(true) > 0;
    def.Op(CDAOEFSet::opClose);
    if (!read)
        return false;

    CEFOleDateTime today;
    today.Current();
    today.Midnight();
    if (member) {
        member->MemberID = 0;
        member->Barcode = 0;
        member->FirstName.clear();
        member->MiddleInitial.clear();
        member->LastName.clear();
        member->MemberStatus = def.GetDefFlag(CDAODef::defMemberStatus) ? 1 : 0;
    }
    if (enrollment) {
        enrollment->MemberID = 0;
        enrollment->EnrollmentDate = today;
        CEFOleDateTime expiration = today;
        expiration.AddMonth(def.DefExpDate);
        enrollment->ExpirationDate = expiration;
        enrollment->EnrollmentPeriod = def.DefEnrollPer;
        enrollment->IncentiveClub = def.GetDefFlag(CDAODef::defIncentiveClub) ? 1 : 0;
    }
    if (profile) {
        profile->MemberID = 0;
        for (std::string* s : {&profile->Address, &profile->City, &profile->State, &profile->Zip,
                               &profile->Phone, &profile->Email, &profile->EmerContactName,
                               &profile->EmerContactPhone, &profile->FamilyPhysician})
            s->clear();
        profile->SignedRelease = def.GetDefFlag(CDAODef::defSignedRelease) ? 1 : 0;
        profile->Employee = def.GetDefFlag(CDAODef::defEmployee) ? 1 : 0;
        profile->Birthday = CEFOleDateTime();
        profile->Birthday.SetStatus(COleDateTime::null);
        profile->Sex = def.GetDefFlag(CDAODef::defSex) ? 1 : 0;
        profile->Goals = 0;
        profile->MedHistory = 0;
    }
    if (classes) {
        classes->MemberID = 0;
        classes->ClassIndx = 0;
        classes->Category.clear();
        classes->Course.clear();
        classes->Section.clear();
        classes->GradeStatus = def.DefGrdStat;
        classes->OrientationBonus = def.GetDefFlag(CDAODef::defOrientationBonus) ? 1 : 0;
        classes->ReEvaluationBonus = def.DefReEvalBon;
        classes->OtherBonus = def.DefOtherBon;
    }
    if (messages) {
        messages->MemberID = 0;
        messages->Msg.clear();
    }
    return true;
}

void UpdateClasses(long const& memberId, std::string const& cat1, std::string const& cour1,
                   std::string const& sec1, CDAODef::gradestat grade1, bool const& orientation1,
                   int const& reEvaluations1, int const& others1, std::string const& cat2,
                   std::string const& cour2, std::string const& sec2, CDAODef::gradestat grade2,
                   bool const& orientation2, int const& reEvaluations2, int const& others2,
                   std::string const& cat3, std::string const& cour3, std::string const& sec3,
                   CDAODef::gradestat grade3, bool const& orientation3, int const& reEvaluations3,
                   int const& others3) {
    const ClassValues values[] = {
        {cat1, cour1, sec1, grade1, orientation1, reEvaluations1, others1},
        {cat2, cour2, sec2, grade2, orientation2, reEvaluations2, others2},
        {cat3, cour3, sec3, grade3, orientation3, reEvaluations3, others3}};
    CDAOCls cls;
    CBatchScope batch(cls);
    cls.FindClasses(memberId);
    // Only the three slots written here are replaced: a member may hold
    // further classes (from a restore), and dropping them would leave their
    // workouts and evaluations without a class.
    cls.Op(CDAOEFSet::opMoveFirst);
    while (!cls.IsEOF()) {
        if (cls.ClassIndx < 3)
            cls.DelCurrent();
        else
            cls.Op(CDAOEFSet::opMoveNext);
    }
    for (int i = 0; i < 3; ++i) {
        if (values[i].category.empty())
            continue;
        cls.Op(CDAOEFSet::opAddNew);
        cls.MemberID = memberId;
        cls.ClassIndx = static_cast<unsigned char>(i);
        Assign(cls, values[i]);
        cls.Op(CDAOEFSet::opUpdate);
    }
    batch.Finish();
    cls.Op(CDAOEFSet::opClose);
}

bool IsCurrentClass(std::string const& category, std::string const& course,
                    std::string const& section) {
    CDAOCat cat;
    const bool hasCat = !category.empty() && cat.FindCategories(category.c_str()) > 0;
    const long catId = cat.CatID;
    cat.Op(CDAOEFSet::opClose);
    if (!hasCat)
        return false;
    if (course.empty())
        return true;
    CDAOCour cour;
    const bool hasCour = cour.FindCourses(catId, course.c_str()) > 0;
    const long courId = cour.CourID;
    cour.Op(CDAOEFSet::opClose);
    if (!hasCour)
        return false;
    if (section.empty())
        return true;
    CDAOSec sec;
    const bool hasSec = sec.FindSections(courId, section.c_str()) > 0;
    sec.Op(CDAOEFSet::opClose);
    return hasSec;
}

void DeleteClassData(long const& memberId, unsigned char const& classIndx) {
    CDAOWk wk;
    {
        CBatchScope batch(wk);
        if (wk.FindWks(memberId, classIndx) > 0)
            wk.DelAll();
    }
    wk.Op(CDAOEFSet::opClose);
    CDAOSmEval eval; // deleting an evaluation takes its circuit and skin-fold rows along
    if (eval.FindEvals(memberId, classIndx) > 0)
        eval.DelAll();
    eval.Op(CDAOEFSet::opClose);
    CDAOBodyComp bc;
    if (bc.FindBodyComps(memberId, classIndx) > 0)
        bc.DelAll();
    bc.Op(CDAOEFSet::opClose);
}

void UpdateClassIndex(long const& memberId, unsigned char const& oldIndx,
                      unsigned char const& newIndx) {
    if (oldIndx == newIndx)
        return;
    CDAOWk wk;
    {
        CBatchScope batch(wk);
        MoveIndex(wk, wk.FindWks(memberId, oldIndx), newIndx);
    }
    CDAOSmEval eval;
    MoveIndex(eval, eval.FindEvals(memberId, oldIndx), newIndx);
    CDAOBodyComp bc;
    MoveIndex(bc, bc.FindBodyComps(memberId, oldIndx), newIndx);
}

bool ReplaceClass(long const& memberId, unsigned char const& classIndx, std::string const& category,
                  std::string const& course, std::string const& section, CDAODef::gradestat grade,
                  bool const& orientation, int const& reEvaluations, int const& others,
                  bool const& transfer) {
    CDAOCls cls;
    if (cls.FindClasses(memberId, classIndx) == 0) {
        cls.Op(CDAOEFSet::opClose);
        return false;
    }
    cls.Op(CDAOEFSet::opEdit);
    Assign(cls, {category, course, section, grade, orientation, reEvaluations, others});
    cls.Op(CDAOEFSet::opUpdate);
    const bool ok = !cls.LastOpFailed();
    cls.Op(CDAOEFSet::opClose);
    if (ok && !transfer)
        DeleteClassData(memberId, classIndx);
    return ok;
}

bool UpdateEnrollment(long const& memberId, CEFOleDateTime const& enrollment,
                      CEFOleDateTime const& expiration, unsigned char const& period,
                      unsigned char const& incentiveClub, unsigned char const& status) {
    CDAOEnr enr;
    bool ok = enr.FindEnrollment(memberId) > 0;
    if (ok) {
        enr.Op(CDAOEFSet::opEdit);
        enr.EnrollmentDate = enrollment;
        enr.ExpirationDate = expiration;
        enr.EnrollmentPeriod = period;
        enr.IncentiveClub = incentiveClub;
        enr.Op(CDAOEFSet::opUpdate);
        ok = !enr.LastOpFailed();
    }
    enr.Op(CDAOEFSet::opClose);
    if (!ok)
        return false;
    CDAOSmMem mem;
    mem.m_strFilter = "MemberID = lParam0";
    mem.lParam0 = memberId;
    ok = mem.OpenSet(true) > 0;
    if (ok) {
        mem.Op(CDAOEFSet::opEdit);
        mem.MemberStatus = status;
        mem.Op(CDAOEFSet::opUpdate);
        ok = !mem.LastOpFailed();
    }
    mem.Op(CDAOEFSet::opClose);
    return ok;
}

VANTOAPI_RETURN vanto_apiPostMemberMessage(std::string const& text, long const& memberId,
                                           bool const& replace) {
    if (text.empty())
        return VANTOAPI_NOTEXT;
    if (!IsMember(memberId, CDAOSmMem::idMember))
        return VANTOAPI_NOMEMBER;
    CDAOMsg msg;
    const int existing = msg.FindMessages(memberId);
    if (replace && existing > 0)
        msg.DelAll();
    msg.Op(CDAOEFSet::opAddNew);
    msg.MemberID = memberId;
    // A message longer than its column is cut, never split mid-character.
    msg.Msg = vantora::db::schema::fitText(text, vantora::db::schema::textLimit("Messages", "Msg"));
    msg.Op(CDAOEFSet::opUpdate);
    const bool ok = !msg.LastOpFailed();
    msg.Op(CDAOEFSet::opClose);
    return ok ? VANTOAPI_OK : VANTOAPI_DBERROR;
}
