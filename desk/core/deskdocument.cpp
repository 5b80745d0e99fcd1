#include "desk/core/deskdocument.h"

#include "custom/circuit.h"
#include "db/daostn.h"
#include "db/settingsrecord.h"
#include "desk/core/deskapplication.h"
#include "desk/core/membertree.h"
#include "desk/core/progress.h"
#include "util/notice.h"

using vantora::notice::Icon;

CVantoraDoc::CVantoraDoc(CVantoraApp* app)
    : app_(app), tree_(std::make_unique<CMainViewTree>()), progress_(&CProgress::None()) {}

CVantoraDoc::~CVantoraDoc() = default;

void CVantoraDoc::SetProgress(CProgress* progress) {
    progress_ = progress != nullptr ? progress : &CProgress::None();
    tree_->SetProgress(progress);
}

CCircuit& CVantoraDoc::Circuit() {
    if (!circuit_)
        circuit_ = std::make_unique<CCircuit>();
    return *circuit_;
}

bool CVantoraDoc::OnNewDocument() {
    stationNames_.clear();
    stationAbbrs_.clear();
    // The four settings records in order; the first missing one stops the chain.
    CDAOEFSet* const sets[] = {&center_, &touch_, &def_, &bon_};
    const char* const names[] = {"center", "touch screen", "defaults", "bonus"};
    int opened = 0;
    while (opened < 4 && vantora::settings::LoadRecord(*sets[opened], names[opened]))
        ++opened;
    bool loaded = false;
    if (opened == 4) {
        CDAOStn stn;
        const int count = stn.OpenSet(true);
        if (count == 0) {
            vantora::notice::show("Error: could not retrieve data from station recordset.",
                                  Icon::Exclamation);
        } else {
            for (int i = 0; i < count && !stn.IsEOF(); ++i) {
                stationNames_.push_back(stn.StnName);
                stationAbbrs_.push_back(stn.StnAbbr);
                stn.Op(CDAOEFSet::opMoveNext);
            }
            loaded = SetDefaultClass();
            if (!loaded)
                vantora::notice::show("Error: could not set default class.", Icon::Exclamation);
        }
        stn.Op(CDAOEFSet::opClose);
    }
    // The records stay in the closed sets' buffers for the header and sheets.
    for (int i = opened; i-- > 0;)
        sets[i]->Op(CDAOEFSet::opClose);
    if (loaded && app_ != nullptr && app_->reportServer != 0 && !app_->StartReportServer())
        vantora::notice::show(CVantoraApp::MsgReportServerFailed, Icon::Exclamation);
    return loaded;
}

bool CVantoraDoc::SetDefaultClass() {
    defaultCategory_.clear();
    defaultCourse_.clear();
    defaultSection_.clear();
    bool found = false;
    if (cat_.FindCategories(0L) > 0) {
        defaultCategory_ = cat_.Cat;
        found = true;
        if (cour_.FindCourses(cat_.CatID, 0L) > 0) {
            defaultCourse_ = cour_.Cour;
            if (sec_.FindSections(cour_.CourID) > 0)
                defaultSection_ = sec_.Sec;
        }
    }
    sec_.Op(CDAOEFSet::opClose);
    cour_.Op(CDAOEFSet::opClose);
    cat_.Op(CDAOEFSet::opClose);
    return found;
}

void CVantoraDoc::QueueReport(int code, long memberId, const CEFOleDateTime& date0,
                              const CEFOleDateTime& date1, const std::string& category,
                              const std::string& course, const std::string& section) {
    report_.OpenSet(false);
    report_.Op(CDAOEFSet::opAddNew);
    report_.ltype = code;
    report_.lid = memberId;
    report_.date0 = date0;
    report_.date1 = date1;
    report_.str0 = category;
    report_.str1 = course;
    report_.str2 = section;
    report_.Op(CDAOEFSet::opUpdate);
    report_.Op(CDAOEFSet::opClose);
}
