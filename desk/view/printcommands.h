#pragma once
// CPrintCommands: the printing buttons of the desk's lists: Merge Letter,
// Mailing Labels and Print of the Members list, Print of the workout,
// evaluation and body-composition lists. Each prints on the printer chosen
// in the main window's Print Setup (the default printer without one) and
// shows its progress in the main window's progress window.

class CMemberListDoc;
class CRecordList;
class QWidget;

class CPrintCommands {
public:
    // from: the list window; its main window supplies printer and progress.
    static void MergeLetter(QWidget* from, CMemberListDoc& list);
    static void MailingLabels(QWidget* from, CMemberListDoc& list);
    static void PrintMembers(QWidget* from, CMemberListDoc& list);
    static void PrintRecords(QWidget* from, CRecordList& list);
};
