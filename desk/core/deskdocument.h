#pragma once
// CVantoraDoc: the desk program's single document. At start-up it reads the
// facility's settings records once (profile, kiosk settings, defaults for new
// members, bonus values), the workout option names and the default class for
// new members, and keeps their values for the header and the sheets. It owns
// one record set of each table the desk works on; an operation opens the set
// it needs and closes it again, so no set stays open between operations and
// each sees what the kiosk and the other desks wrote meanwhile.

#include "db/daobodycomp.h"
#include "db/daobon.h"
#include "db/daocat.h"
#include "db/daocenter.h"
#include "db/daochkin.h"
#include "db/daocirc.h"
#include "db/daocls.h"
#include "db/daocour.h"
#include "db/daodef.h"
#include "db/daoenr.h"
#include "db/daoeval.h"
#include "db/daoevalbodycomp.h"
#include "db/daomem.h"
#include "db/daomsg.h"
#include "db/daoprof.h"
#include "db/daoreport.h"
#include "db/daosec.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daotouch.h"
#include "db/daowk.h"

#include <memory>
#include <string>
#include <vector>

class CCircuit;
class CMainViewTree;
class CProgress;
class CVantoraApp;

class CVantoraDoc {
public:
    // The class index that stands for all of a member's classes.
    static constexpr unsigned char AllClasses = 101;

    // `app` starts the report server after the settings are read when its
    // option says so; without one (tests), no companion is started.
    explicit CVantoraDoc(CVantoraApp* app = nullptr);
    ~CVantoraDoc();
    CVantoraDoc(const CVantoraDoc&) = delete;
    CVantoraDoc& operator=(const CVantoraDoc&) = delete;

    // Reads the settings records, the station names and the default class.
    // False, after the message that names what is missing, when the program
    // cannot start.
    bool OnNewDocument();
    // The first category of the catalog with its first course and that
    // course's first section; false when the catalog has no category.
    bool SetDefaultClass();
    // The class a member was saved with becomes the default for new members.
    void SetDefaultClass(const std::string& category, const std::string& course,
                         const std::string& section) {
        defaultCategory_ = category;
        defaultCourse_ = course;
        defaultSection_ = section;
    }

    // The settings as read at start-up (their sets are closed).
    const CDAOCenter& Center() const { return center_; }
    const CDAOTouch& Touch() const { return touch_; }
    const CDAODef& Defaults() const { return def_; }
    const CDAOBon& Bonus() const { return bon_; }
    // Workout option names and their report abbreviations, in table order;
    // the first is the circuit option.
    const std::vector<std::string>& StationNames() const { return stationNames_; }
    const std::vector<std::string>& StationAbbreviations() const { return stationAbbrs_; }
    // The class a new member starts in; empty texts when the catalog lacks them.
    const std::string& DefaultCategory() const { return defaultCategory_; }
    const std::string& DefaultCourse() const { return defaultCourse_; }
    const std::string& DefaultSection() const { return defaultSection_; }
    // The strength circuit's station data, read on first use.
    CCircuit& Circuit();

    // The evaluation list's filter, kept between refreshes of the list.
    long EvalFilterMemberId() const { return evalFilterMemberId_; }
    unsigned char EvalFilterClassIndex() const { return evalFilterClassIndex_; }
    void SetEvalFilter(long memberId, unsigned char classIndex) {
        evalFilterMemberId_ = memberId;
        evalFilterClassIndex_ = classIndex;
    }

    // The record sets the editors use; closed between operations.
    CDAOCat& Cat() { return cat_; }
    CDAOCour& Cour() { return cour_; }
    CDAOSec& Sec() { return sec_; }
    CDAOChkIn& ChkIn() { return chkIn_; }
    CDAOMem& Mem() { return mem_; }
    CDAOSmMem& SmMem() { return smMem_; }
    CDAOProf& Prof() { return prof_; }
    CDAOEnr& Enr() { return enr_; }
    CDAOCls& Cls() { return cls_; }
    CDAOMsg& Msg() { return msg_; }
    CDAOEval& Eval() { return eval_; }
    CDAOSmEval& SmEval() { return smEval_; }
    CDAOCirc& Circ() { return circ_; }
    CDAOEvalBodyComp& EvalBodyComp() { return evalBodyComp_; }
    CDAOWk& Wk() { return wk_; }
    CDAOBodyComp& BodyComp() { return bodyComp_; }
    CDAOReport& Report() { return report_; }

    // The member tree; editors insert, refresh and remove members after a save.
    CMainViewTree& Tree() { return *tree_; }

    // Where long loops report; the frame sets its progress window.
    CProgress& Progress() const { return *progress_; }
    void SetProgress(CProgress* progress);

    // Writes one report request to the queue of the report server.
    void QueueReport(int code, long memberId, const CEFOleDateTime& date0,
                     const CEFOleDateTime& date1, const std::string& category,
                     const std::string& course, const std::string& section);

private:
    CVantoraApp* app_;
    // The settings sets first, in the order they are read.
    CDAOCenter center_;
    CDAODef def_;
    CDAOBon bon_;
    CDAOCat cat_;
    CDAOCour cour_;
    CDAOSec sec_;
    CDAOTouch touch_;
    CDAOChkIn chkIn_;
    CDAOMem mem_;
    CDAOSmMem smMem_;
    CDAOProf prof_;
    CDAOEnr enr_;
    CDAOCls cls_;
    CDAOMsg msg_;
    CDAOEval eval_;
    CDAOSmEval smEval_;
    CDAOCirc circ_;
    CDAOEvalBodyComp evalBodyComp_;
    CDAOWk wk_;
    CDAOBodyComp bodyComp_;
    CDAOReport report_;

    std::vector<std::string> stationNames_;
    std::vector<std::string> stationAbbrs_;
    std::unique_ptr<CCircuit> circuit_;
    std::string defaultCategory_;
    std::string defaultCourse_;
    std::string defaultSection_;
    long evalFilterMemberId_ = 0;
    unsigned char evalFilterClassIndex_ = AllClasses;
    std::unique_ptr<CMainViewTree> tree_;
    CProgress* progress_;
};
