#include "tools/demo/storesets.h"

#include "db/daocat.h"
#include "db/daocour.h"
#include "db/daodef.h"
#include "db/daosec.h"
#include "db/settingsrecord.h"
#include "tools/demo/sampledata.h"
#include "util/facilitylocation.h"

namespace vantora::tools::demo {

// Keeps the first notice and answers every question with Cancel.
class FillScope::Kept : public notice::Handler {
public:
    void show(const std::string& text, notice::Icon) override { keep(text); }
    notice::Answer ask(const std::string& text, notice::Buttons, notice::Icon) override {
        keep(text);
        return notice::Answer::Cancel;
    }
    const std::string& first() const { return first_; }

private:
    void keep(const std::string& text) {
        if (first_.empty())
            first_ = text.rfind("Error: ", 0) == 0 ? text : "Error: " + text;
    }
    std::string first_;
};

namespace {

FacilityLocation withStores(const std::string& stores) {
    FacilityLocation location = FacilityLocation::current();
    location.setStores(stores);
    return location;
}

} // namespace

FillScope::FillScope(const std::string& stores)
    : kept_(std::make_shared<Kept>()), handler_(kept_), location_(withStores(stores)) {}

FillScope::~FillScope() = default;

std::string FillScope::error() const {
    return kept_->first();
}

bool WriteCatalog() {
    NewRows<CDAOCat> cats;
    NewRows<CDAOCour> courses;
    NewRows<CDAOSec> sections;
    CBatchScope batch(cats.set());
    long lastCat = 1;
    for (const CatalogCourse& c : Catalog()) {
        if (c.courId == 1)
            continue; // the facility's own first course
        if (c.catId != lastCat) {
            CDAOCat& cat = cats.next();
            cat.CatID = c.catId;
            cat.Cat = Text(c.cat, "Categories", "Cat");
            if (!cats.add())
                return false;
        }
        lastCat = c.catId;
        CDAOCour& course = courses.next();
        course.CourID = c.courId;
        course.CatID = c.catId;
        course.Cour = Text(c.cour, "Courses", "Cour");
        if (!courses.add())
            return false;
        for (const char* s : c.sections) {
            CDAOSec& section = sections.next();
            section.CourID = c.courId;
            section.Sec = Text(s, "Sections", "Sec");
            if (!sections.add())
                return false;
        }
    }
    return batch.Finish();
}

FacilitySettings ReadSettings() {
    FacilitySettings s;
    CDAODef defaults;
    if (settings::ReadRecord(defaults)) {
        s.expMonths = defaults.DefExpDate;
        s.details = defaults.GetDefFlag(CDAODef::defRecordDetails);
    }
    defaults.Op(CDAOEFSet::opClose);
    return s;
}

} // namespace vantora::tools::demo
