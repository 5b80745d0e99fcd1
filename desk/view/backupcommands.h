#pragma once
// CBackupCommands: the File menu's Backup, Archive, Restore and Compact
// items and the Delete All items of the record menus, run through the
// backup documents with the desk's dialogs; and the Delete All, Backup and
// Archive buttons of the member and record lists.

#include "desk/core/recordprompts.h"

#include <QObject>

class CDAOEFSet;
class CMainFrame;
class QWidget;

class CBackupCommands : public QObject {
    Q_OBJECT
public:
    // Connects and enables the frame's commands.
    static void Install(CMainFrame& frame);

    // The lists' buttons, on the set the list shows; each returns how many
    // records it wrote or deleted.
    static int DeleteListed(QWidget* list, CDAOEFSet& set);
    static int BackupListed(QWidget* list, CDAOEFSet& set, int mode);

private:
    explicit CBackupCommands(CMainFrame& frame);
    static CMainFrame* FrameOf(QWidget* widget);

    CMainFrame& frame_;
};
