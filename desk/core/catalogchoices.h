#pragma once
// CCatalogChoices: the items of the cascading category, course and section
// lists of the member sheet, the member search and the class update: the
// categories of the catalog, the courses of one category, the sections of
// one course, each in name order with its catalog id (sections have no id
// of their own and carry their course's).

#include <string>
#include <vector>

class CCatalogChoices {
public:
    struct Item {
        long id = 0;
        std::string name;
    };

    static std::vector<Item> Categories();
    static std::vector<Item> Courses(long catId);
    static std::vector<Item> Sections(long courId);

    // The catalog id of a category or of a course of a category by name; 0
    // when the catalog has none.
    static long CategoryId(const std::string& category);
    static long CourseId(long catId, const std::string& course);
};
