#pragma once
// The sections dialog of one course: ten rows of section names (table
// Sections, the course's sections in name order). Sections have no id; row
// i stands for the i-th section as loaded.

#include "forms/pagedoc.h"

class CSecDoc : public CPageDoc {
public:
    static constexpr int Rows = 10;
    static constexpr int NameLimit = 4;

    CSecDoc(std::string category, std::string course, long courId);

    // "Category " + category + " - Course " + course.
    std::string Frame() const;
    long CourID() const { return courId_; }

    std::string Secs[Rows];

    // The Clear button: asks, then deletes the course's sections and
    // reloads; true when the sections were deleted.
    bool Clear();

    static constexpr const char* MsgClear =
        "Do you want to remove all sections\n associated with Course %1?\n";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;

private:
    std::string category_;
    std::string course_;
    long courId_;
};
