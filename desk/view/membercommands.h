#pragma once
// CMemberCommands: the desk program's member operations: add and edit a
// member through the member sheet, delete one after the confirmation, find
// members and show them in the Members list, and the tree's double-click
// on "Profile" and Delete key on a member. Each refreshes the member tree.

#include <QObject>

#include <string>

class CVantoraDoc;
class QWidget;
struct CTreeRecord;

class CMemberCommands : public QObject {
    Q_OBJECT
public:
    CMemberCommands(CVantoraDoc& doc, QWidget* parent);

    // ID 0: asks for it first. True when something was saved; the ID then
    // is the member's (new) ID.
    bool EditMember(long& memberId);
    // ID 0: asks for it first. An empty expiration text shows the
    // member's own. True when the member was deleted.
    bool DeleteMember(long& memberId, const std::string& expiration);

    // The tree's double-click on a member's "Profile" and Delete key on a
    // member; false for other items or when nothing changed.
    bool OpenTreeRecord(const CTreeRecord& record);
    bool DeleteTreeRecord(const CTreeRecord& record);

public Q_SLOTS:
    void AddMember();
    void EditMemberCommand();
    void DeleteMemberCommand();
    void FindMembers();

private:
    CVantoraDoc& doc_;
    QWidget* parent_;
};
