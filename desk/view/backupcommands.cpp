#include "desk/view/backupcommands.h"

#include "desk/core/deskdocument.h"
#include "desk/core/recordbackup.h"
#include "desk/core/recorddeletion.h"
#include "desk/core/recordrestore.h"
#include "desk/core/storecompaction.h"
#include "desk/view/mainframe.h"
#include "desk/view/recordpromptdialogs.h"

#include <QAction>
#include <QApplication>

#include <functional>
#include <utility>

CBackupCommands::CBackupCommands(CMainFrame& frame) : QObject(&frame), frame_(frame) {}

void CBackupCommands::Install(CMainFrame& frame) {
    auto* commands = new CBackupCommands(frame);
    using D = DeskCommand;
    using K = RecordKind;
    auto backup = [commands](K kind, int mode) {
        return [commands, kind, mode] {
            CDeskRecordPrompts prompts(&commands->frame_);
            CRecordBackup(commands->frame_.Doc(), prompts).BackupKind(kind, mode);
        };
    };
    auto restore = [commands](K kind) {
        return [commands, kind] {
            CDeskRecordPrompts prompts(&commands->frame_);
            CRecordRestore(commands->frame_.Doc(), prompts).RestoreRecords(kind);
        };
    };
    auto deleteAll = [commands](K kind) {
        return [commands, kind] {
            CDeskRecordPrompts prompts(&commands->frame_);
            CRecordDeletion(commands->frame_.Doc(), prompts).DeleteAllRecords(kind);
        };
    };
    const std::pair<D, std::function<void()>> items[] = {
        {D::BackupMembers, backup(K::Members, CRecordBackup::backup)},
        {D::BackupWorkouts, backup(K::Workouts, CRecordBackup::backup)},
        {D::BackupEvaluations, backup(K::Evaluations, CRecordBackup::backup)},
        {D::BackupBodyComps, backup(K::BodyComps, CRecordBackup::backup)},
        {D::ArchiveMembers, backup(K::Members, CRecordBackup::archive)},
        {D::ArchiveWorkouts, backup(K::Workouts, CRecordBackup::archive)},
        {D::ArchiveEvaluations, backup(K::Evaluations, CRecordBackup::archive)},
        {D::ArchiveBodyComps, backup(K::BodyComps, CRecordBackup::archive)},
        {D::RestoreMembers, restore(K::Members)},
        {D::RestoreWorkouts, restore(K::Workouts)},
        {D::RestoreEvaluations, restore(K::Evaluations)},
        {D::RestoreBodyComps, restore(K::BodyComps)},
        {D::DeleteAllWorkouts, deleteAll(K::Workouts)},
        {D::DeleteAllEvaluations, deleteAll(K::Evaluations)},
        {D::DeleteAllBodyComps, deleteAll(K::BodyComps)},
        {D::CompactDatabase, [commands] {
             CStoreCompaction compaction(commands->frame_.Doc(), &commands->frame_.App());
             // After compaction the program ends the normal way.
             if (compaction.CompactDatabase())
                 commands->frame_.close();
         }}};
    for (const auto& [command, run] : items) {
        QAction* action = frame.Command(command);
        if (action == nullptr)
            continue;
        action->setEnabled(true);
        connect(action, &QAction::triggered, commands, run);
    }
}

CMainFrame* CBackupCommands::FrameOf(QWidget* widget) {
    for (QWidget* w = widget; w != nullptr; w = w->parentWidget())
        if (auto* frame = qobject_cast<CMainFrame*>(w))
            return frame;
    for (QWidget* w : QApplication::topLevelWidgets())
        if (auto* frame = qobject_cast<CMainFrame*>(w))
            return frame;
    return nullptr;
}

int CBackupCommands::DeleteListed(QWidget* list, CDAOEFSet& set) {
    CMainFrame* frame = FrameOf(list);
    if (frame == nullptr)
        return 0;
    CDeskRecordPrompts prompts(list);
    return CRecordDeletion(frame->Doc(), prompts).DeleteRecords(set, true);
}

int CBackupCommands::BackupListed(QWidget* list, CDAOEFSet& set, int mode) {
    CMainFrame* frame = FrameOf(list);
    if (frame == nullptr)
        return 0;
    CDeskRecordPrompts prompts(list);
    return CRecordBackup(frame->Doc(), prompts).BackupRecords(&set, mode);
}
