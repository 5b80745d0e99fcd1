#pragma once
// The Categories page: six rows of category names (table Categories, in
// name order). Each row carries an id: the loaded category's CatID, or an id
// prepared for a category the row may add. A row keeps its id across writes,
// so renaming a category (which changes the name order) never moves another
// category's courses to it.

#include "admin/core/catalogrows.h"
#include "forms/pagedoc.h"

#include <optional>

class CCateDoc : public CPageDoc {
public:
    static constexpr int Rows = 6;
    static constexpr int NameLimit = 4;

    using Row = CCatalogRow;
    Row Cats[Rows];

    // For the "Courses/Sections" button of a row: checks and writes the
    // rows, then answers the row's category (name and id) for the courses
    // dialog; nothing after a failed write or for an empty row (with its
    // message).
    std::optional<Row> CoursesFor(int row);

    static constexpr const char* MsgLoad =
        "Error: could not retrieve data from category recordset.";
    static constexpr const char* MsgFirstTime =
        "Changes you make to categories, courses, or sections\nwill NOT affect records for "
        "members already enrolled\nat the fitness center.";
    static constexpr const char* MsgDuplicate = "Error: You cannot enter duplicate categories";
    static constexpr const char* MsgDelete =
        "Warning: deleting Category %1 will also\nremove all associated courses and sections";
    static constexpr const char* MsgNone =
        "Error: Enter at least one category\nfor tracking new members";
    static constexpr const char* MsgNoCategory =
        "Error: Enter a category before\nentering/editing courses or sections";

protected:
    bool Load() override;
    bool Validate() override;
    bool Write() override;
    void FirstActivation() override;
};
