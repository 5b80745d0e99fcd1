#include "desk/view/membercommands.h"

#include "desk/core/deskdocument.h"
#include "desk/core/memberdeletion.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/membersearch.h"
#include "desk/core/membersheetdocument.h"
#include "desk/core/membertree.h"
#include "desk/core/progress.h"
#include "desk/view/findmembersdialog.h"
#include "desk/view/memberdeletedialog.h"
#include "desk/view/memberidprompt.h"
#include "desk/view/memberlistdialog.h"
#include "desk/view/membersheet.h"

#include "db/daomem.h"

CMemberCommands::CMemberCommands(CVantoraDoc& doc, QWidget* parent)
    : QObject(parent), doc_(doc), parent_(parent) {}

bool CMemberCommands::EditMember(long& memberId) {
    if (memberId == 0 && !CMemberIdDlg::Ask(parent_, memberId, false))
        return false;
    CMemberSheetDoc sheetDoc(memberId, CDefaultClass{doc_.DefaultCategory(), doc_.DefaultCourse(),
                                                     doc_.DefaultSection()});
    doc_.Progress().Wait("Loading data, please wait...");
    const bool loaded = sheetDoc.Activate();
    doc_.Progress().EndWait();
    if (!loaded)
        return false;
    CMemberSheet sheet(sheetDoc, parent_);
    sheet.SetProgress(&doc_.Progress());
    if (sheet.exec() != QDialog::Accepted)
        return false;
    const CDefaultClass& def = sheetDoc.DefaultClass();
    doc_.SetDefaultClass(def.category, def.course, def.section);
    const long oldId = sheetDoc.OpenedID();
    memberId = sheetDoc.MemberID;
    if (sheetDoc.IsNew())
        doc_.Tree().AddMember(memberId);
    else
        doc_.Tree().RefreshMember(memberId, CMainViewTree::RootValue,
                                  memberId != oldId ? oldId : 0);
    return true;
}

bool CMemberCommands::DeleteMember(long& memberId, const std::string& expiration) {
    if (memberId == 0 && !CMemberIdDlg::Ask(parent_, memberId, true))
        return false;
    CMemberDeletion deletion;
    if (!deletion.Find(memberId, expiration))
        return false;
    CMemberDeleteDlg confirm(deletion, parent_);
    if (confirm.exec() != QDialog::Accepted || !deletion.Delete())
        return false;
    doc_.Tree().RemoveMember(memberId);
    return true;
}

bool CMemberCommands::OpenTreeRecord(const CTreeRecord& record) {
    if (record.kind != CTreeRecord::Profile && record.kind != CTreeRecord::Member)
        return false;
    long id = record.memberId;
    return EditMember(id);
}

bool CMemberCommands::DeleteTreeRecord(const CTreeRecord& record) {
    if (record.kind != CTreeRecord::Member)
        return false;
    long id = record.memberId;
    return DeleteMember(id, std::string());
}

void CMemberCommands::AddMember() {
    long id = 0;
    EditMember(id);
}

void CMemberCommands::EditMemberCommand() {
    long id = 0;
    EditMember(id);
}

void CMemberCommands::DeleteMemberCommand() {
    long id = 0;
    DeleteMember(id, std::string());
}

void CMemberCommands::FindMembers() {
    CFindMembersSheet sheet(parent_);
    if (sheet.exec() != QDialog::Accepted)
        return;
    std::unique_ptr<CDAOMem> found = CMemberSearch::Run(sheet.SearchData());
    if (!found)
        return;
    const int rows = found->CountSet();
    std::string title = CMemberListDoc::SearchTitle(*found, rows);
    CMemberListDoc list(std::move(found), std::move(title));
    CMemberListDialog::Operations ops;
    ops.edit = [this](long& id) { return EditMember(id); };
    ops.remove = [this](long& id, const std::string& exp) { return DeleteMember(id, exp); };
    ops.classChanged = [this](long id) { doc_.Tree().RefreshMember(id, CMainViewTree::RootValue); };
    ops.progress = &doc_.Progress();
    CMemberListDialog dialog(list, std::move(ops), parent_);
    dialog.exec();
}
