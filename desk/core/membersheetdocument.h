#pragma once
// CMemberSheetDoc: the member sheet ("Member ID %i") without its windows:
// the values of its four pages (profile, enrollment with three class
// blocks, fitness goals, medical history), loading them for a member or a
// new member, the checks in the order the pages run them, and the save of
// the member's records and classes as one unit. The pages copy their
// controls into it and back.

#include "forms/pagedoc.h"

#include "util/efoledatetime.h"

#include <array>
#include <string>

// The class a new member starts in.
struct CDefaultClass {
    std::string category, course, section;
    bool Empty() const { return category.empty() && course.empty() && section.empty(); }
};

// One class block of the enrollment page.
struct CMemberClassBlock {
    std::string category, course, section;
    // Catalog id of the chosen category item; 0 when the category is not
    // one of the catalog's.
    long categoryId = 0;
    unsigned char gradeStatus = 0;
    bool orientBonus = false;
    int reEvalBonuses = 0;
    int otherBonuses = 0;
    // The member's class slot the block stands for.
    unsigned char classIndx = 0;
    // Loaded from one of the member's class records.
    bool stored = false;
};

class CMemberSheetDoc : public CPageDoc {
public:
    // Controls the checks put the cursor on.
    enum field {
        fldMemberID,
        fldBarcode,
        fldFirstName,
        fldMiddleInitial,
        fldLastName,
        fldAddress,
        fldCity,
        fldZip,
        fldPhone,
        fldBirthday,
        fldEmail,
        fldEmerContactName,
        fldEmerContactPhone,
        fldFamilyPhysician,
        fldMessage,
        fldEnrollmentDate,
        fldExpirationDate,
        fldClassCategory, // + block (0..2)
        fldClassReEval = fldClassCategory + 3,
        fldClassOther = fldClassReEval + 3,
        fldEnd = fldClassOther + 3
    };
    // 0 profile, 1 enrollment: the page of a field.
    static int PageOf(int field) { return field < fldEnrollmentDate ? 0 : 1; }

    static constexpr int NameLimit = 12, InitialLimit = 1, LastNameLimit = 20, AddressLimit = 28,
                         CityLimit = 16, ZipLimit = 10, PhoneLimit = 14, EmailLimit = 32,
                         ContactLimit = 32, MessageLimit = 200, BonusLimit = 99;
    static constexpr long IdLimit = 999999999;

    // Goal and medical-history bits the pages show, in their order.
    static const std::array<long, 8> GoalBits;
    static const std::array<long, 21> MedHistBits;

    // The member to edit or add, and the class a new member starts in.
    CMemberSheetDoc(long memberId, CDefaultClass defaultClass);

    // Profile page.
    long MemberID = 0;
    long Barcode = 0;
    std::string FirstName, MiddleInitial, LastName, Address, City, State, Zip, Phone, Email,
        EmerContactName, EmerContactPhone, FamilyPhysician;
    CEFOleDateTime Birthday;
    unsigned char Sex = 0;
    unsigned char MemberStatus = 0;
    unsigned char Employee = 0;
    unsigned char SignedRelease = 0;
    std::string Message;
    // Enrollment page.
    CEFOleDateTime EnrollmentDate, ExpirationDate;
    unsigned char EnrollmentPeriod = 0;
    unsigned char IncentiveClub = 0;
    std::array<CMemberClassBlock, 3> Classes;
    // Fitness goals and medical history (bits the pages do not show kept).
    long Goals = 0;
    long MedHistory = 0;

    // Whether the member had no Members record when the sheet was loaded.
    bool IsNew() const { return new_; }
    // The member ID and workout number the sheet was opened with.
    long OpenedID() const { return openedId_; }
    long OpenedBarcode() const { return openedBarcode_; }
    // The class of new members after a save: class 1 when it is current.
    const CDefaultClass& DefaultClass() const { return defaultClass_; }

    // A block without a class: the defaults' grade status and bonuses,
    // empty texts and a free class index near `wanted`.
    CMemberClassBlock EmptyBlock(unsigned char wanted) const;
    // Deletes the member's class of block i (0..2) after the two questions
    // and clears the block; false when nothing was deleted.
    bool DeleteClass(int block);

    static constexpr const char* MsgFirstName = "Error: enter first name";
    static constexpr const char* MsgLastName = "Error: enter last name";
    static constexpr const char* MsgIdInUse =
        "Error: Member ID %i is already\nin use for an existing member";
    static constexpr const char* MsgBarcodeInUse =
        "Error: Workout ID %i is already\nin use for an existing member";
    static constexpr const char* MsgBirthday = "Error: invalid birthday";
    static constexpr const char* MsgExpiration =
        "Error: expiration date cannot precede enrollment date";
    static constexpr const char* MsgNoClass =
        "Error: select at least one category, course, and/or section";
    static constexpr const char* MsgDuplicateClass =
        "Error: duplicate category, course, and section";
    static constexpr const char* MsgNotSaved =
        "Error: the member's data could not be saved, nothing was changed. Check that the "
        "other programs are not writing member records and click OK again.";
    static constexpr const char* MsgDeleteClass =
        "Are you sure you want to delete\nthe class: %1 %2 %3?";
    static constexpr const char* MsgDeleteClassData =
        "Do you want to permanently delete the member's\nworkout, evaluation, and body "
        "composition data\nthat have been recorded for the class?";

protected:
    bool Load() override;
    bool Validate() override;
    // Writes the four member records and the classes as one unit; with a
    // changed member ID everything recorded for the member moves along.
    bool Write() override;

private:
    bool ValidateProfile();
    bool ValidateEnrollment();
    bool Fail(const std::string& text, int field);
    bool WriteRecords();

    long openedId_;
    long openedBarcode_ = 0;
    bool new_ = true;
    CDefaultClass defaultClass_;
    // The defaults record: grade status, bonuses, flags.
    unsigned char defGrade_ = 0, defReEval_ = 0, defOther_ = 0;
    bool defOrient_ = false;
};
