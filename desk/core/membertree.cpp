#include "desk/core/membertree.h"

#include "db/daobodycomp.h"
#include "db/daoeval.h"
#include "db/daomem.h"
#include "db/daosmeval.h"
#include "db/daosmmem.h"
#include "db/daowk.h"
#include "desk/core/progress.h"
#include "util/format.h"

#include <algorithm>

struct CMainViewTree::Node {
    long value = 0;
    QString text;
    Node* parent = nullptr;
    int row = 0;
    std::vector<std::unique_ptr<Node>> children;
    // Members: whether the four children exist, and the loaded flags.
    bool childrenMade = false;
    unsigned char loaded = 0;
    CEFOleDateTime when; // record leaves

    Node* Add(long v, QString t) {
        auto node = std::make_unique<Node>();
        node->value = v;
        node->text = std::move(t);
        node->parent = this;
        node->row = static_cast<int>(children.size());
        children.push_back(std::move(node));
        return children.back().get();
    }
    bool IsMember() const { return value > 0; }
    bool IsFolder() const {
        return value == WorkoutsValue || value == EvaluationsValue || value == BodyCompsValue;
    }
};

namespace {

// Marks a change of the tree's rows while it runs.
class ChangeGuard {
public:
    explicit ChangeGuard(bool& flag) : flag_(flag), previous_(flag) { flag_ = true; }
    ~ChangeGuard() { flag_ = previous_; }
    ChangeGuard(const ChangeGuard&) = delete;
    ChangeGuard& operator=(const ChangeGuard&) = delete;

private:
    bool& flag_;
    bool previous_;
};

QString Text(const std::string& s) {
    return QString::fromStdString(s);
}

unsigned char FlagOf(long folderValue) {
    switch (folderValue) {
    case CMainViewTree::WorkoutsValue:
        return CMainViewTree::WorkoutsLoaded;
    case CMainViewTree::EvaluationsValue:
        return CMainViewTree::EvaluationsLoaded;
    default:
        return CMainViewTree::BodyCompsLoaded;
    }
}

} // namespace

CMainViewTree::CMainViewTree(QObject* parent)
    : QAbstractItemModel(parent), root_(std::make_unique<Node>()) {
    ResetTree();
}

CMainViewTree::~CMainViewTree() = default;

std::string CMainViewTree::DisplayName(const std::string& first, const std::string& middle,
                                       const std::string& last) {
    std::string name;
    if (!last.empty())
        name = last + ", ";
    if (!first.empty())
        name += first + " ";
    return name + middle;
}

// ---- operations -------------------------------------------------------------

void CMainViewTree::ResetTree() {
    // The root "Members" stays; what was loaded under it goes.
    if (root_->children.empty())
        root_->Add(RootValue, QStringLiteral("Members"));
    Node* root = root_->children.front().get();
    membersLoaded_ = false;
    members_.clear();
    ClearChildren(root);
}

CMainViewTree::Node* CMainViewTree::InsertMember(long memberId, std::string text) {
    if (members_.count(memberId) != 0)
        return nullptr;
    Node* root = root_->children.front().get();
    const int row = static_cast<int>(root->children.size());
    const ChangeGuard guard(changing_);
    beginInsertRows(IndexOf(root), row, row);
    Node* member = root->Add(memberId, Text(text));
    endInsertRows();
    members_.emplace(memberId, member);
    return member;
}

void CMainViewTree::AddMemberChildren(Node* member) {
    if (member->childrenMade)
        return;
    beginInsertRows(IndexOf(member), 0, 3);
    member->Add(LeafValue, QStringLiteral("Profile"));
    member->Add(WorkoutsValue, QStringLiteral("Workouts"));
    member->Add(EvaluationsValue, QStringLiteral("Evaluations"));
    member->Add(BodyCompsValue, QStringLiteral("Body Compositions"));
    member->childrenMade = true;
    endInsertRows();
}

void CMainViewTree::ClearChildren(Node* node) {
    if (node->children.empty())
        return;
    const ChangeGuard guard(changing_);
    beginRemoveRows(IndexOf(node), 0, static_cast<int>(node->children.size()) - 1);
    node->children.clear();
    endRemoveRows();
}

bool CMainViewTree::ShowsNoneFound(const Node* node) {
    return !node->children.empty() && node->children.front()->value == NoneFoundValue;
}

void CMainViewTree::RootCollapsed() {
    Node* root = root_->children.front().get();
    if (ShowsNoneFound(root))
        ClearChildren(root);
}

bool CMainViewTree::AddMember(long memberId) {
    CDAOSmMem set;
    bool inserted = false;
    set.FindMember(CDAOSmMem::idMember, memberId);
    if (!set.IsEOF()) {
        Node* root = root_->children.front().get();
        if (ShowsNoneFound(root))
            ClearChildren(root);
        inserted = InsertMember(memberId, DisplayName(set.FirstName, set.MiddleInitial,
                                                      set.LastName)) != nullptr;
    }
    set.Op(CDAOEFSet::opClose);
    return inserted;
}

bool CMainViewTree::RefreshMember(long memberId, long kind, long oldMemberId) {
    const long key = oldMemberId != 0 ? oldMemberId : memberId;
    auto it = members_.find(key);
    if (it == members_.end())
        return false;
    Node* member = it->second;
    for (long folder : {WorkoutsValue, EvaluationsValue, BodyCompsValue}) {
        if (kind != RootValue && kind != folder)
            continue;
        if (Node* node = Folder(member, folder))
            ClearChildren(node);
        member->loaded &= static_cast<unsigned char>(~FlagOf(folder));
    }
    if (kind == RootValue) {
        CDAOSmMem set;
        set.FindMember(CDAOSmMem::idMember, memberId);
        if (!set.IsEOF())
            member->text = Text(DisplayName(set.FirstName, set.MiddleInitial, set.LastName));
        set.Op(CDAOEFSet::opClose);
        if (oldMemberId != 0 && oldMemberId != memberId) {
            member->value = memberId;
            members_.erase(it);
            members_[memberId] = member;
        }
        const QModelIndex index = IndexOf(member);
        Q_EMIT dataChanged(index, index);
    }
    return true;
}

bool CMainViewTree::RemoveMember(long memberId) {
    auto it = members_.find(memberId);
    if (it == members_.end())
        return false;
    Node* member = it->second;
    Node* root = member->parent;
    const int row = member->row;
    members_.erase(it);
    const ChangeGuard guard(changing_);
    beginRemoveRows(IndexOf(root), row, row);
    root->children.erase(root->children.begin() + row);
    for (int i = row; i < static_cast<int>(root->children.size()); ++i)
        root->children[i]->row = i;
    endRemoveRows();
    return true;
}

// ---- loading ----------------------------------------------------------------

void CMainViewTree::LoadMembers() {
    Node* root = root_->children.front().get();
    CDAOSmMem set;
    const int count = set.FindAllMembersByName(true);
    if (count > 0) {
        CProgressScope progress(progress_ ? *progress_ : CProgress::None(),
                                "Loading members, please wait...", count);
        const int first = static_cast<int>(root->children.size());
        std::vector<std::pair<long, QString>> rows;
        rows.reserve(static_cast<std::size_t>(count));
        for (int i = 0; i < count && !set.IsEOF(); ++i) {
            if (members_.count(set.MemberID) == 0)
                rows.emplace_back(set.MemberID, Text(DisplayName(set.FirstName, set.MiddleInitial,
                                                                 set.LastName)));
            progress.Step();
            set.Op(CDAOEFSet::opMoveNext);
        }
        // One insertion for all rows keeps a view from relaying out per member.
        if (!rows.empty()) {
            beginInsertRows(IndexOf(root), first, first + static_cast<int>(rows.size()) - 1);
            root->children.reserve(root->children.size() + rows.size());
            for (auto& [id, text] : rows) {
                if (members_.count(id) != 0)
                    continue;
                members_.emplace(id, root->Add(id, std::move(text)));
            }
            endInsertRows();
        }
        membersLoaded_ = true;
    } else if (root->children.empty()) {
        beginInsertRows(IndexOf(root), 0, 0);
        root->Add(NoneFoundValue, QStringLiteral("None Found"));
        endInsertRows();
    }
    set.Op(CDAOEFSet::opClose);
}

void CMainViewTree::LoadFolder(Node* folder) {
    Node* member = folder->parent;
    const long memberId = member->value;
    std::vector<CEFOleDateTime> dates;
    std::string text;
    auto collect = [&](CDAOEFSet& set, int count, const char* loading, auto date) {
        if (count <= 0)
            return;
        CProgressScope progress(progress_ ? *progress_ : CProgress::None(), loading, count);
        for (int i = 0; i < count && !set.IsEOF(); ++i) {
            dates.push_back(date());
            progress.Step();
            set.Op(CDAOEFSet::opMoveNext);
        }
    };
    if (folder->value == WorkoutsValue) {
        CDAOWk set;
        collect(set, set.FindWks(memberId), "Loading workouts, please wait...",
                [&] { return set.CheckIn; });
        set.Op(CDAOEFSet::opClose);
    } else if (folder->value == EvaluationsValue) {
        CDAOSmEval set;
        collect(set, set.FindEvals(CDAOSmEval::idMember, memberId),
                "Loading evaluations, please wait...", [&] { return set.EvaluationDate; });
        set.Op(CDAOEFSet::opClose);
    } else {
        CDAOBodyComp set;
        collect(set, set.FindBodyComps(memberId), "Loading body compositions, please wait...",
                [&] { return set.BodyCompDate; });
        set.Op(CDAOEFSet::opClose);
    }
    const int rows = dates.empty() ? 1 : static_cast<int>(dates.size());
    beginInsertRows(IndexOf(folder), 0, rows - 1);
    if (dates.empty())
        folder->Add(NoneFoundValue, QStringLiteral("None Found"));
    for (const CEFOleDateTime& when : dates)
        folder->Add(LeafValue, Text(when.DateTimeStrLongYear()))->when = when;
    endInsertRows();
    member->loaded |= FlagOf(folder->value);
}

// ---- queries ----------------------------------------------------------------

unsigned char CMainViewTree::MemberFlags(long memberId) const {
    auto it = members_.find(memberId);
    return it == members_.end() ? 0 : it->second->loaded;
}

QModelIndex CMainViewTree::MemberIndex(long memberId) const {
    auto it = members_.find(memberId);
    return it == members_.end() ? QModelIndex() : IndexOf(it->second);
}

QModelIndex CMainViewTree::RootIndex() const {
    return index(0, 0);
}

CMainViewTree::Node* CMainViewTree::Folder(Node* member, long value) const {
    for (const auto& child : member->children)
        if (child->value == value)
            return child.get();
    return nullptr;
}

CTreeRecord CMainViewTree::Record(const QModelIndex& index) const {
    CTreeRecord record;
    const Node* node = NodeOf(index);
    if (node == nullptr || node == root_.get())
        return record;
    if (node->IsMember()) {
        record.kind = CTreeRecord::Member;
        record.memberId = node->value;
    } else if (node->value == LeafValue && node->parent->IsMember()) {
        record.kind = CTreeRecord::Profile;
        record.memberId = node->parent->value;
    } else if (node->value == LeafValue && node->parent->IsFolder()) {
        record.memberId = node->parent->parent->value;
        record.when = node->when;
        record.kind = node->parent->value == WorkoutsValue      ? CTreeRecord::Workout
                      : node->parent->value == EvaluationsValue ? CTreeRecord::Evaluation
                                                                : CTreeRecord::BodyComp;
    }
    return record;
}

std::string CMainViewTree::InfoText(const QModelIndex& index) const {
    CTreeRecord record = Record(index);
    std::string text;
    switch (record.kind) {
    case CTreeRecord::Member:
    case CTreeRecord::Profile: {
        CDAOMem set;
        set.FindMember(CDAOSmMem::idMember, record.memberId);
        if (!set.IsEOF())
            text = vantora::format("ID: %i", {record.memberId}) +
                   (set.MemberStatus != 0 ? ", Status: Current" : ", Status: Past") +
                   ", Expiration: " + set.ExpirationDate.DateStrLongYear();
        set.Op(CDAOEFSet::opClose);
        break;
    }
    case CTreeRecord::Workout: {
        CDAOWk set;
        if (set.FindWks(record.memberId, record.when) > 0)
            text = vantora::format("Total Minutes: %i", {set.TotalMinutes()}) +
                   (set.WorkoutOK != 0 ? ", Status: OK" : ", Status: Not OK");
        set.Op(CDAOEFSet::opClose);
        break;
    }
    case CTreeRecord::Evaluation: {
        CDAOEval set;
        if (set.FindEvals(record.memberId, record.when) > 0)
            text = vantora::format("Resting HR: %i, BP: %i/%i, Wt: %i",
                                   {set.RestingHR, set.RestingBPSystolic, set.RestingBPDiastolic,
                                    static_cast<long>(set.Weight)});
        set.Op(CDAOEFSet::opClose);
        break;
    }
    case CTreeRecord::BodyComp: {
        CDAOBodyComp set;
        if (set.FindBodyComps(record.memberId, record.when) > 0)
            text = vantora::format("Body Fat%%: %.2f, Wt: %i",
                                   {set.FatPercent, static_cast<long>(set.Weight)});
        set.Op(CDAOEFSet::opClose);
        break;
    }
    case CTreeRecord::None:
        break;
    }
    return text;
}

// ---- model ------------------------------------------------------------------

CMainViewTree::Node* CMainViewTree::NodeOf(const QModelIndex& index) const {
    return index.isValid() ? static_cast<Node*>(index.internalPointer()) : root_.get();
}

QModelIndex CMainViewTree::IndexOf(Node* node) const {
    if (node == nullptr || node == root_.get())
        return {};
    return createIndex(node->row, 0, node);
}

QModelIndex CMainViewTree::index(int row, int column, const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (column != 0 || row < 0 || row >= static_cast<int>(node->children.size()))
        return {};
    return createIndex(row, 0, node->children[static_cast<std::size_t>(row)].get());
}

QModelIndex CMainViewTree::parent(const QModelIndex& child) const {
    if (!child.isValid())
        return {};
    return IndexOf(NodeOf(child)->parent);
}

int CMainViewTree::rowCount(const QModelIndex& parent) const {
    if (parent.column() > 0)
        return 0;
    return static_cast<int>(NodeOf(parent)->children.size());
}

int CMainViewTree::columnCount(const QModelIndex&) const {
    return 1;
}

QVariant CMainViewTree::data(const QModelIndex& index, int role) const {
    if (!index.isValid())
        return {};
    const Node* node = NodeOf(index);
    if (role == Qt::DisplayRole)
        return node->text;
    if (role == ValueRole)
        return QVariant::fromValue(static_cast<qlonglong>(node->value));
    return {};
}

Qt::ItemFlags CMainViewTree::flags(const QModelIndex& index) const {
    if (!index.isValid())
        return Qt::NoItemFlags;
    Qt::ItemFlags f = Qt::ItemIsEnabled | Qt::ItemIsSelectable;
    if (!hasChildren(index))
        f |= Qt::ItemNeverHasChildren;
    return f;
}

bool CMainViewTree::hasChildren(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    return node == root_.get() || node->value == RootValue || node->IsMember() || node->IsFolder();
}

bool CMainViewTree::canFetchMore(const QModelIndex& parent) const {
    const Node* node = NodeOf(parent);
    if (changing_)
        return false;
    if (node->value == RootValue)
        return !membersLoaded_ && !ShowsNoneFound(node);
    if (node->IsMember())
        return !node->childrenMade;
    if (node->IsFolder())
        return (node->parent->loaded & FlagOf(node->value)) == 0;
    return false;
}

void CMainViewTree::fetchMore(const QModelIndex& parent) {
    Node* node = NodeOf(parent);
    if (!canFetchMore(parent))
        return;
    const ChangeGuard guard(changing_);
    if (node->value == RootValue)
        LoadMembers();
    else if (node->IsMember())
        AddMemberChildren(node);
    else if (node->IsFolder())
        LoadFolder(node);
}
