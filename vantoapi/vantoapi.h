#pragma once
// Member services shared by the desk program, the kiosk and the
// administration program: whether a member or a class exists, a new member's
// starting values, writing a member's classes and enrollment, moving or
// removing what was recorded under a class, and posting a message for the
// member's next check-in. No function shows a message; callers report
// failures in their own words.

#include "db/daodef.h"
#include "db/daosmmem.h"
#include "util/efoledatetime.h"

#include <string>

class CDAOCls;
class CDAOEnr;
class CDAOMsg;
class CDAOProf;

enum VANTOAPI_RETURN {
    VANTOAPI_OK = 0,       // the message waits for the member's next check-in
    VANTOAPI_NOMEMBER = 1, // no member has that id
    VANTOAPI_NOTEXT = 2,   // the message is empty
    VANTOAPI_DBERROR = 3   // the store refused the message
};

// A member with this member ID (kind idMember) or workout number (idBarcode).
bool IsMember(long const& id, CDAOSmMem::id kind);

// Fills the record buffers with a new member's values: today's enrollment,
// the expiration the defaults give, their period, grade status, bonuses and
// yes/no settings. False, with the buffers untouched, when the defaults
// cannot be read. The sets are not written.
bool ResetMember(CDAOSmMem* member, CDAOEnr* enrollment, CDAOProf* profile, CDAOCls* classes,
                 CDAOMsg* messages);

// Replaces the member's classes 0 to 2 with up to three classes; a class
// without a category is left out. Class i gets class index i. Classes with a
// higher index are kept.
void UpdateClasses(long const& memberId, std::string const& cat1, std::string const& cour1,
                   std::string const& sec1, CDAODef::gradestat grade1, bool const& orientation1,
                   int const& reEvaluations1, int const& others1, std::string const& cat2,
                   std::string const& cour2, std::string const& sec2, CDAODef::gradestat grade2,
                   bool const& orientation2, int const& reEvaluations2, int const& others2,
                   std::string const& cat3, std::string const& cour3, std::string const& sec3,
                   CDAODef::gradestat grade3, bool const& orientation3, int const& reEvaluations3,
                   int const& others3);

// True when the class is in the catalog: its category, its course under that
// category and its section under that course (an empty course or section
// asks nothing more).
bool IsCurrentClass(std::string const& category, std::string const& course,
                    std::string const& section);

// Removes the workouts, evaluations and body compositions recorded for one
// class of the member.
void DeleteClassData(long const& memberId, unsigned char const& classIndx);

// Moves the member's workouts, evaluations and body compositions from one
// class index to another.
void UpdateClassIndex(long const& memberId, unsigned char const& oldIndx,
                      unsigned char const& newIndx);

// Gives the member's class at this index new texts, grade status and
// bonuses; with transfer the recorded data stays under the class, without it
// that data is deleted. False when the member has no class at the index or
// the store refused the change.
bool ReplaceClass(long const& memberId, unsigned char const& classIndx, std::string const& category,
                  std::string const& course, std::string const& section, CDAODef::gradestat grade,
                  bool const& orientation, int const& reEvaluations, int const& others,
                  bool const& transfer);

// Writes the member's enrollment and membership status (1 = current).
bool UpdateEnrollment(long const& memberId, CEFOleDateTime const& enrollment,
                      CEFOleDateTime const& expiration, unsigned char const& period,
                      unsigned char const& incentiveClub, unsigned char const& status);

// Stores a message shown at the member's next check-in; with replace the
// member's earlier messages go.
VANTOAPI_RETURN vanto_apiPostMemberMessage(std::string const& text, long const& memberId,
                                           bool const& replace);
