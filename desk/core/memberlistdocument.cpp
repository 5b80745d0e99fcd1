#include "desk/core/memberlistdocument.h"

#include "db/daomem.h"
#include "util/format.h"
#include "util/notice.h"

using namespace vantora;

CMemberListDoc::CMemberListDoc(std::unique_ptr<CDAOMem> set, std::string title, unsigned columns)
    : set_(std::move(set)), title_(std::move(title)), columns_(columns) {
    Refill();
}

CMemberListDoc::~CMemberListDoc() {
    if (set_)
        set_->Op(CDAOEFSet::opClose);
}

std::string CMemberListDoc::SearchTitle(const CDAOMem& set, int rows) {
    return rows == 1 ? format("Member ID %i", {set.MemberID}) : "Member Search Results";
}

bool CMemberListDoc::ByClass() const {
    return dynamic_cast<const CDAOMemCls*>(set_.get()) != nullptr;
}

CDAOMemCls* CMemberListDoc::ClassSet() {
    return dynamic_cast<CDAOMemCls*>(set_.get());
}

void CMemberListDoc::Refill() {
    rows_.clear();
    if (!set_->IsOpen())
        return;
    const int n = set_->CountSet();
    rows_.reserve(n > 0 ? n : 0);
    for (int pos = 0; pos < n && !set_->IsEOF(); ++pos, set_->Op(CDAOEFSet::opMoveNext)) {
        if (set_->IsDeleted())
            continue;
        const CDAOMem& m = *set_;
        Row r;
        r.name = insert("%1, %2 %3", {m.LastName, m.FirstName, m.MiddleInitial});
        r.id = m.MemberID;
        r.barcode = m.Barcode;
        r.status = CDAOMem::GetStatusStr(m.MemberStatus);
        r.expiration = m.ExpirationDate.DateStrShortYear();
        r.expirationLong = m.ExpirationDate.DateStrLongYear();
        r.image = m.IsCurrentUnexpired() ? imgCurrent : imgPastOrExpired;
        r.position = pos;
        if (const auto* cls = dynamic_cast<const CDAOMemCls*>(set_.get()))
            r.classIndx = cls->ClassIndx;
        rows_.push_back(std::move(r));
    }
}

bool CMemberListDoc::Requery() {
    set_->Op(CDAOEFSet::opRequery);
    Refill();
    if (!rows_.empty())
        return true;
    notice::show(MsgNoFurther, notice::Icon::Information);
    return false;
}

bool CMemberListDoc::MoveTo(int row) {
    if (row < 0 || row >= static_cast<int>(rows_.size()))
        return false;
    return set_->MoveSet(rows_[row].position) && !set_->IsDeleted();
}
