#pragma once
// CMemberFacts: what the workout, evaluation and body-composition editors
// need to know about one member: name, age, sex and the member's classes
// as the choices of a "Category, Course, Section" drop-down.

#include <string>
#include <vector>

struct CClassChoice {
    unsigned char ClassIndx = 0;
    std::string Text;
};

class CMemberFacts {
public:
    long MemberID = 0;
    std::string FirstName;
    std::string LastName;
    int Age = 0;
    unsigned char Sex = 0; // 0 female, 1 male
    std::vector<CClassChoice> Classes;

    // Reads the member and its classes; false when there is no such member.
    bool Read(long memberId);

    // "M" or "F".
    std::string SexText() const;
    // Makes sure a record's class can be chosen again: a class index the
    // member no longer holds (a restored record filed under "- Unknown -")
    // is added to the choices with its name.
    void KeepChoice(unsigned char classIndx);
    // Position of the class in Classes, -1 when absent.
    int ChoiceOf(int classIndx) const;
    // The text a class index is listed under ("- All Classes -" for all).
    std::string ClassText(unsigned char classIndx) const;
};
