#pragma once
// Operations on the category/course/section catalog of center.mdb shared by
// the Categories page and the courses and sections dialogs: the courses of a
// category, finding a row by id, and the deletes that take the dependent
// courses and sections along.

#include <string>
#include <vector>

class CDAOCat;
class CDAOCour;

class CCatalog {
public:
    // Opens `courses` on the courses of one category, in name order. The
    // filter is set here because FindCourses with a zero id would keep the
    // previous filter, and an unfiltered set would reach every category.
    static int OpenCourses(CDAOCour& courses, long catId);

    // Live position of the record with that id in an open set; -1 if none.
    static int PositionOf(CDAOCat& set, long catId);
    static int PositionOf(CDAOCour& set, long courId);

    // Deletes the sections of a course.
    static bool DeleteSections(long courId);
    // Deletes every course of a category with its sections.
    static bool DeleteCourses(long catId);
};
