#pragma once
// CMainViewTree: the member tree of the desk program's left pane as an item
// model. The root "Members" fills on its first expansion; each member shows
// "Profile" and three folders ("Workouts", "Evaluations", "Body
// Compositions") that fill on their first expansion with one leaf per record,
// named by the record's date and time. What was loaded stays until a refresh
// resets it. Editors call AddMember, RefreshMember and RemoveMember after a
// save, so the tree follows the store without reloading everything.

#include "util/efoledatetime.h"

#include <QAbstractItemModel>

#include <memory>
#include <string>
#include <unordered_map>
#include <vector>

class CProgress;

// What a tree item stands for, as the double-click and the Delete key route it.
struct CTreeRecord {
    enum Kind {
        None,       // the root, a folder or a "None Found" leaf
        Member,     // the member item
        Profile,    // the member's "Profile" leaf
        Workout,    // a workout leaf
        Evaluation, // an evaluation leaf
        BodyComp    // a body-composition leaf
    };
    Kind kind = None;
    long memberId = 0;
    CEFOleDateTime when; // the record's date and time (record leaves only)
};

class CMainViewTree : public QAbstractItemModel {
    Q_OBJECT
public:
    // Item values.
    static constexpr long RootValue = -10;
    static constexpr long WorkoutsValue = -9;
    static constexpr long EvaluationsValue = -8;
    static constexpr long BodyCompsValue = -7;
    static constexpr long LeafValue = -6;
    static constexpr long NoneFoundValue = -5;
    // Loaded flags of a member.
    static constexpr unsigned char WorkoutsLoaded = 1;
    static constexpr unsigned char EvaluationsLoaded = 2;
    static constexpr unsigned char BodyCompsLoaded = 4;
    // The item value of an index.
    static constexpr int ValueRole = Qt::UserRole + 1;

    explicit CMainViewTree(QObject* parent = nullptr);
    ~CMainViewTree() override;

    // Where loading reports its progress; null for none.
    void SetProgress(CProgress* progress) { progress_ = progress; }

    // Deletes every item and leaves the root "Members", not yet loaded.
    void ResetTree();
    // Inserts the member under the root when it exists and is not shown yet;
    // true when inserted.
    bool AddMember(long memberId);
    // After a member (kind RootValue) or one of its workouts, evaluations or
    // body compositions (WorkoutsValue, EvaluationsValue, BodyCompsValue)
    // changed: empties the folders concerned so they load again, and for a
    // member re-reads its name and follows a change of its ID (oldMemberId
    // non-zero). False when the member is not in the tree.
    bool RefreshMember(long memberId, long kind, long oldMemberId = 0);
    // Removes the member's item; false when it is not in the tree.
    bool RemoveMember(long memberId);

    // The root was collapsed: a "None Found" under it goes, so that the next
    // expansion looks in the store again.
    void RootCollapsed();

    bool MembersLoaded() const { return membersLoaded_; }
    // Loaded flags of a member in the tree (0 when absent).
    unsigned char MemberFlags(long memberId) const;
    // The member's item; invalid when absent.
    QModelIndex MemberIndex(long memberId) const;
    QModelIndex RootIndex() const;
    // What an item stands for; kind None for the root, folders and "None Found".
    CTreeRecord Record(const QModelIndex& index) const;
    // The information text of a right click ("ID: 12, Status: Current, ..."),
    // read from the store; empty for items that have none.
    std::string InfoText(const QModelIndex& index) const;

    // The member item's text: "Last, First M".
    static std::string DisplayName(const std::string& first, const std::string& middle,
                                   const std::string& last);

    // QAbstractItemModel
    QModelIndex index(int row, int column, const QModelIndex& parent = {}) const override;
    QModelIndex parent(const QModelIndex& child) const override;
    int rowCount(const QModelIndex& parent = {}) const override;
    int columnCount(const QModelIndex& parent = {}) const override;
    QVariant data(const QModelIndex& index, int role = Qt::DisplayRole) const override;
    Qt::ItemFlags flags(const QModelIndex& index) const override;
    bool hasChildren(const QModelIndex& parent = {}) const override;
    bool canFetchMore(const QModelIndex& parent) const override;
    void fetchMore(const QModelIndex& parent) override;

private:
    struct Node;

    Node* NodeOf(const QModelIndex& index) const;
    QModelIndex IndexOf(Node* node) const;
    Node* InsertMember(long memberId, std::string text);
    void AddMemberChildren(Node* member);
    void LoadMembers();
    void LoadFolder(Node* folder);
    void ClearChildren(Node* node);
    Node* Folder(Node* member, long value) const;
    static bool ShowsNoneFound(const Node* node);

    std::unique_ptr<Node> root_;
    std::unordered_map<long, Node*> members_;
    bool membersLoaded_ = false;
    // Set while rows are loaded, inserted or removed, so that a view reacting
    // to the change's signals does not start a load in the middle of it.
    bool changing_ = false;
    CProgress* progress_ = nullptr;
};
