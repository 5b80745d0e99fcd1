#pragma once
// CRecordCommands: the desk program's operations on workouts, evaluations
// and body compositions: add and edit through their dialogs, delete after
// the question, the Edit/Delete and Find lists, Quick Statistics, and the
// tree's double-click and Delete key on record leaves. Each saves through
// its document and refreshes the member's folder in the tree.

#include <QObject>

class CDAOBodyComp;
class CDAOWk;
class CVantoraDoc;
class QWidget;
struct CTreeRecord;

class CRecordCommands : public QObject {
    Q_OBJECT
public:
    CRecordCommands(CVantoraDoc& doc, QWidget* parent);

    // No record: asks for the member. True when something was saved.
    bool EditWorkout(CDAOWk* record);
    bool DeleteWorkout(CDAOWk& record);
    // Evaluation id 0: a new one, after asking for the member.
    bool EditEvaluation(long evaluationId);
    bool DeleteEvaluation(long memberId, long evaluationId);
    bool EditBodyComp(CDAOBodyComp* record);
    bool DeleteBodyComp(CDAOBodyComp& record);

    // The tree's double-click and Delete key on a record leaf; false for
    // other items or when nothing changed.
    bool OpenTreeRecord(const CTreeRecord& record);
    bool DeleteTreeRecord(const CTreeRecord& record);

public Q_SLOTS:
    void AddWorkout();
    void EditWorkouts();
    void FindWorkouts();
    void AddEvaluation();
    void EditEvaluations();
    void AddBodyComp();
    void EditBodyComps();
    void QuickStatistics();

private:
    // Member ID prompt then the Member Class choice; false when cancelled.
    bool AskMemberClass(long& memberId, unsigned char& classIndx, std::string& classText);
    void Refresh(long memberId, long kind);

    CVantoraDoc& doc_;
    QWidget* parent_;
};
