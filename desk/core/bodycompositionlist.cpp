#include "desk/core/bodycompositionlist.h"

#include "db/daocls.h"
#include "util/format.h"

using namespace vantora;

int CBodyCompList::QueryMember(long memberId, unsigned char classIndx,
                               const std::string& classText) {
    SetMemberTitle(memberId, classText);
    if (classIndx == CDAOCls::AllClasses)
        set_.FindBodyComps(memberId);
    else
        set_.FindBodyComps(memberId, classIndx);
    return Refill();
}

int CBodyCompList::Refill() {
    rows_.clear();
    set_.OpenSet(true);
    for (; !set_.IsEOF(); set_.Op(CDAOEFSet::opMoveNext))
        rows_.push_back(Row{set_.MemberID, set_.BodyCompDate, set_.Method, set_.ActivityLevel,
                            set_.FatPercent, set_.ConvertHeight(), set_.ConvertWeight(),
                            set_.ConvertWaist(), set_.ConvertHip()});
    return Count();
}

std::vector<CListColumn> CBodyCompList::Columns() const {
    return {{"Name", 150, bitName}, {"ID #", 70, bitId},       {"Date", 65, bitDate},
            {"Fat %", 50, bitFat},  {"Method", 75, bitMethod}, {"Activity Level", 85, bitActivity},
            {"Ht", 50, bitHt},      {"Wt", 50, bitWt},         {"Ws", 50, bitWaist},
            {"Hip", 50, bitHip}};
}

std::string CBodyCompList::Cell(int row, int column) const {
    const Row& r = rows_.at(static_cast<std::size_t>(row));
    switch (column) {
    case 0:
        return NameOf(r.MemberID);
    case 1:
        return std::to_string(r.MemberID);
    case 2:
        return r.Date.DateStrShortYear();
    case 3:
        return format("%05.2f", {r.Fat});
    case 4:
        return CDAOBodyComp::GetMethodStr(r.Method);
    case 5:
        return CDAOBodyComp::GetActLevelStrAbbr(r.Activity);
    case 6:
        return format("%.1f", {r.Height});
    case 7:
        return format("%.1f", {r.Weight});
    case 8:
        return format("%.1f", {r.Waist});
    case 9:
        return format("%.1f", {r.Hip});
    default:
        return std::string();
    }
}

std::string CBodyCompList::EditHint() const {
    return "To edit a body composition, you must first click on the body composition,\nthen "
           "click \"Edit.\"";
}

std::string CBodyCompList::DeleteHint() const {
    return "To delete a body composition, you must first click on the body composition,\nthen "
           "click \"Delete.\"";
}

std::string CBodyCompList::AnalyzeHint() const {
    return "To print a body composition analysis, you must first click on the body "
           "composition,\nthen click \"Analyze.\"";
}
