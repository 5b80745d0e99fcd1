#pragma once
// The courses dialog of one category: twenty rows of course names (table
// Courses, the category's courses in name order), each with a prepared or
// loaded id like the category rows.

#include "admin/core/catalogrows.h"
#include "forms/pagedoc.h"

#include <optional>

class CCourDoc : public CPageDoc {
public:
    static constexpr int Rows = 20;
    static constexpr int NameLimit = 8;

    using Row = CCatalogRow;

    CCourDoc(std::string category, long catId);

    const std::string& Category() const { return category_; }
    long CatID() const { return catId_; }
    // "Category " and the category's name.
    std::string Frame() const;

    Row Cours[Rows];

    // The "Sections" button of a row: checks and writes the rows, then
    // answers the row's course for the sections dialog; nothing after a
    // failed write or for an empty row (with its message).
    std::optional<Row> SectionsFor(int row);
    // The Clear button: asks, then deletes every course of the category
    // with its sections and reloads; true when the courses were deleted.
    bool Clear();

    static constexpr const char* MsgDelete =
        "Warning: deleting Course %1 will\nalso remove all associated sections";
    static constexpr const char* MsgNoCourse =
        "Error: Enter a course before\nentering or editing sections";
    static constexpr const char* MsgClear =
        "Do you want to remove all courses and\nsections associated with Category %1?\n";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;

private:
    std::string category_;
    long catId_;
};
