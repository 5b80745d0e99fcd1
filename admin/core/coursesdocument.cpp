#include "admin/core/coursesdocument.h"

#include "admin/core/catalog.h"
#include "admin/core/catalogrows.h"
#include "forms/fieldcheck.h"

#include "db/daocour.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

CCourDoc::CCourDoc(std::string category, long catId)
    : category_(std::move(category)), catId_(catId) {}

std::string CCourDoc::Frame() const {
    return "Category " + category_;
}

bool CCourDoc::Load() {
    CDAOCour cour;
    long previous = 0;
    for (Row& r : Cours) {
        previous = cour.GenerateIDNum(previous);
        r = Row{"", previous, false};
    }
    CCatalog::OpenCourses(cour, catId_);
    for (int i = 0; i < Rows && !cour.IsEOF(); ++i) {
        Cours[i] = Row{cour.Cour, cour.CourID, true};
        cour.Op(CDAOEFSet::opMoveNext);
    }
    return !cour.LastOpFailed();
}

bool CCourDoc::Validate() {
    for (int i = 0; i < Rows; ++i) {
        if (!fields::CheckExported("course name", Cours[i].name, NameLimit)) {
            focus_ = i;
            return false;
        }
    }
    return true;
}

bool CCourDoc::Write() {
    CDAOCour cour;
    CCatalog::OpenCourses(cour, catId_);
    return admin::WriteRows(
        cour, Cours, Rows, &CDAOCour::Cour, MsgDelete,
        [this](CDAOCour& c, long id) {
            c.CourID = id;
            c.CatID = catId_;
        },
        &CCatalog::DeleteSections);
}

std::optional<CCourDoc::Row> CCourDoc::SectionsFor(int row) {
    if (row < 0 || row >= Rows || !Apply())
        return std::nullopt;
    if (Cours[row].name.empty()) {
        notice::show(MsgNoCourse, notice::Icon::Exclamation);
        focus_ = row;
        return std::nullopt;
    }
    return Cours[row];
}

bool CCourDoc::Clear() {
    if (notice::ask(insert(MsgClear, {category_}), notice::Buttons::YesNo,
                    notice::Icon::Question) != notice::Answer::Yes)
        return false;
    const bool ok = CCatalog::DeleteCourses(catId_);
    Load();
    SetModified(false);
    focus_ = 0;
    return ok;
}
