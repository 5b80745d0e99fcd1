#include "daocls.h"

#include "schema.h"

#include "util/text.h"

#include <array>
#include <climits>

namespace {

std::string textOf(char const* p) {
    return p ? std::string(p) : std::string();
}

} // namespace

void CDAOCls::DoFieldExchange(CDAOFieldExchange& fx) {
    fx.Long("[MemberID]", MemberID);
    fx.Byte("[ClassIndx]", ClassIndx);
    fx.Text("[Category]", Category);
    fx.Text("[Course]", Course);
    fx.Text("[Section]", Section);
    fx.Byte("[GradeStatus]", GradeStatus);
    fx.Short("[OrientationBonus]", OrientationBonus);
    fx.Short("[ReEvaluationBonus]", ReEvaluationBonus);
    fx.Short("[OtherBonus]", OtherBonus);
    CDAOEFSet::DoFieldExchange(fx);
}

int CDAOCls::FindClasses(long const& memberId) {
    if (memberId != 0) {
        lParam0 = memberId;
        m_strFilter = "MemberID = lParam0";
        m_strSort = "ClassIndx";
    } else {
        m_strFilter.clear();
        m_strSort = "MemberID";
    }
    return OpenSet(true);
}

int CDAOCls::FindClasses(long const& memberId, unsigned char const& classIndx) {
    lParam0 = memberId;
    byteParam0 = classIndx;
    m_strFilter = "MemberID = lParam0 AND ClassIndx = byteParam0";
    m_strSort = "ClassIndx";
    return OpenSet(true);
}

int CDAOCls::FindClasses(long const& memberId, char const* category, char const* course,
                         char const* section) {
    strParam0 = textOf(category);
    strParam1 = textOf(course);
    strParam2 = textOf(section);
    lParam0 = memberId;
    m_strFilter.clear();
    if (memberId != 0) {
        m_strFilter = "MemberID = lParam0";
        m_strSort = "ClassIndx";
    } else {
        // All members' classes, grouped by their texts.
        m_strSort = "Category, Course, Section";
    }
    if (!strParam0.empty()) {
        if (!m_strFilter.empty())
            m_strFilter += " AND ";
        m_strFilter += "Category = strParam0";
        if (!strParam1.empty())
            m_strFilter += " AND Course = strParam1";
        if (!strParam2.empty())
            m_strFilter += " AND Section = strParam2";
    }
    return OpenSet(true);
}

bool CDAOCls::IsClassRecord(char const* category, char const* course, char const* section) {
    const std::string cat = textOf(category), cour = textOf(course), sec = textOf(section);
    if (cat.empty())
        return false;
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && Category == cat && Course == cour && Section == sec)
            return true;
        Op(opMoveNext);
    }
    return false;
}

bool CDAOCls::IsClassRecord(unsigned char const& classIndx) {
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && ClassIndx == classIndx)
            return true;
        Op(opMoveNext);
    }
    return false;
}

bool CDAOCls::IsMemberRecord(long const& memberId) {
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && MemberID == memberId)
            return true;
        Op(opMoveNext);
    }
    return false;
}

int CDAOCls::CountMatching(char const* category, char const* course, char const* section,
                           int parts) {
    const std::string cat = textOf(category), cour = textOf(course), sec = textOf(section);
    if (cat.empty())
        return 0;
    int n = 0;
    Op(opMoveFirst);
    while (!IsEOF()) {
        if (!IsDeleted() && Category == cat && (parts < 2 || Course == cour) &&
            (parts < 3 || Section == sec))
            ++n;
        Op(opMoveNext);
    }
    return n;
}

int CDAOCls::CountClass(char const* category) {
    return CountMatching(category, "", "", 1);
}

int CDAOCls::CountClass(char const* category, char const* course) {
    return CountMatching(category, course, "", 2);
}

int CDAOCls::CountClass(char const* category, char const* course, char const* section) {
    return CountMatching(category, course, section, 3);
}

int CDAOCls::BuildClassString(std::string& out) const {
    out.clear();
    if (!Category.empty())
        out += Category + ' ';
    if (!Course.empty())
        out += Course + ' ';
    out += Section;
    return out.empty() ? 0 : 1;
}

int CDAOCls::GetClassIndexString(unsigned char const& classIndx, std::string& out) {
    if (classIndx == UnknownClass)
        out = "- Unknown -";
    else if (classIndx == AllClasses)
        out = "- All Classes -";
    else
        out.clear();
    return out.empty() ? 0 : 1;
}

unsigned char CDAOCls::GenerateIndex(long const& memberId, unsigned char const& wanted) const {
    // One query for the member's classes instead of one per candidate slot.
    CDAOCls set;
    std::array<bool, 256> used{};
    if (set.FindClasses(memberId) > 0) {
        while (!set.IsEOF()) {
            if (!set.IsDeleted())
                used[set.ClassIndx] = true;
            set.Op(opMoveNext);
        }
    }
    set.Op(opClose);
    if (!used[wanted])
        return wanted;
    for (unsigned k = 0; k < UnknownClass; ++k) {
        if (k != wanted && !used[k])
            return static_cast<unsigned char>(k);
    }
    return UnknownClass;
}

std::string CDAOCls::ExportText(std::string const& text, char delimiter) {
    std::string out = text;
    for (char& c : out) {
        if (c == delimiter || c == '\n' || c == '\r')
            c = ' ';
    }
    return out;
}

std::string CDAOCls::FitColumn(std::string const& text, const char* table, const char* column) {
    return vantora::db::schema::fitText(text, vantora::db::schema::textLimit(table, column));
}

void CDAOCls::Save(CText* text) const {
    if (!text)
        return;
    const char d = text->GetDelimiter();
    text->put(ClassIndx, true);
    text->put(ExportText(Category, d).c_str(), true);
    text->put(ExportText(Course, d).c_str(), true);
    text->put(ExportText(Section, d).c_str(), true);
    text->put(GradeStatus, true);
    text->put(OrientationBonus, true);
    text->put(ReEvaluationBonus, true);
    text->put(OtherBonus, false);
}

int CDAOCls::Restore(std::ifstream& in, char const& delimiter, long const& memberId,
                     bool const& keepExisting) {
    if (!in.is_open())
        return 0;
    std::string line;
    ReadLine(in, line);
    DecodeLine(line);
    std::vector<std::string> f;
    SplitFields(line, delimiter, 0, f, 4096);
    // The member line ends with a delimiter.
    if (!f.empty() && f.back().empty())
        f.pop_back();
    int stored = 0;
    if (f.size() % FieldCount == 0 &&
        RestoreClassRecords(f, 0, f.size() / FieldCount, memberId, keepExisting, false) >= 0)
        stored = RestoreClassRecords(f, 0, f.size() / FieldCount, memberId, keepExisting);
    Op(opClose);
    return stored < 0 ? 0 : stored;
}

int CDAOCls::RestoreClassRecords(std::vector<std::string> const& f, std::size_t at,
                                 std::size_t count, long const& memberId, bool const& keepExisting,
                                 bool store) {
    if (count > MaxClasses || f.size() < at + count * FieldCount)
        return -1;
    struct Record {
        unsigned char indx = 0, grade = 0;
        short orientation = 0, reEvaluation = 0, other = 0;
    };
    std::vector<Record> records(count);
    for (std::size_t r = 0; r < count; ++r) {
        const auto* v = &f[at + r * FieldCount];
        Record& rec = records[r];
        if (!ParseByte(v[0], 0, UnknownClass - 1, rec.indx) ||
            !ParseByte(v[4], 0, 255, rec.grade) ||
            !ParseShort(v[5], 0, SHRT_MAX, rec.orientation) ||
            !ParseShort(v[6], 0, SHRT_MAX, rec.reEvaluation) ||
            !ParseShort(v[7], 0, SHRT_MAX, rec.other))
            return -1;
    }
    if (!store)
        return 0;

    int stored = 0;
    // The member's classes, read once: the indexes in use (as GenerateIndex
    // would find them) and the records to match texts against.
    bool queried = false;
    std::array<bool, 256> used{};
    auto freeIndex = [&](unsigned char wanted) -> int {
        if (!used[wanted])
            return wanted;
        for (unsigned k = 0; k < UnknownClass; ++k) {
            if (!used[k])
                return static_cast<int>(k);
        }
        return -1;
    };
    for (std::size_t r = 0; r < count; ++r) {
        const auto* v = &f[at + r * FieldCount];
        const Record& rec = records[r];
        const std::string cat = FitColumn(v[1], "Classes", "Category");
        // A class needs its category; a record without one would otherwise
        // match (and overwrite) any class of the member.
        if (cat.empty())
            continue;
        const std::string cour = FitColumn(v[2], "Classes", "Course");
        const std::string sec = FitColumn(v[3], "Classes", "Section");
        if (!queried) {
            queried = true;
            if (FindClasses(memberId) > 0) {
                for (; !IsEOF(); Op(opMoveNext)) {
                    if (!IsDeleted())
                        used[ClassIndx] = true;
                }
            }
        }
        // Exactly these three texts: a query would leave out empty ones.
        if (IsClassRecord(cat.c_str(), cour.c_str(), sec.c_str())) {
            if (keepExisting)
                continue;
            Op(opEdit);
            used[ClassIndx] = false;
            ClassIndx = rec.indx;
        } else {
            // Every slot taken by the member's stored classes: this one has
            // no place of its own (never the unassigned or all-classes index).
            const int slot = freeIndex(rec.indx);
            if (slot < 0)
                continue;
            Op(opAddNew);
            ClassIndx = static_cast<unsigned char>(slot);
        }
        used[ClassIndx] = true;
        MemberID = memberId;
        Category = cat;
        Course = cour;
        Section = sec;
        GradeStatus = rec.grade;
        OrientationBonus = rec.orientation;
        ReEvaluationBonus = rec.reEvaluation;
        OtherBonus = rec.other;
        Op(opUpdate);
        if (LastOpFailed())
            return -1;
        ++stored;
    }
    return stored;
}
