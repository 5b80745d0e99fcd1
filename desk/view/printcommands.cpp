#include "desk/view/printcommands.h"

#include "desk/core/deskdocument.h"
#include "desk/core/listprinting.h"
#include "desk/core/mailinglabels.h"
#include "desk/core/memberlistdocument.h"
#include "desk/core/progress.h"
#include "desk/core/recordlist.h"
#include "desk/view/mainframe.h"
#include "desk/view/mergeletterdialog.h"
#include "desk/view/printoptionsdialog.h"

#include "custom/reportcontext.h"

#include <QApplication>
#include <QWidget>

namespace {

CMainFrame* FrameOf(QWidget* from) {
    for (QWidget* w = from; w; w = w->parentWidget())
        if (auto* frame = qobject_cast<CMainFrame*>(w))
            return frame;
    return nullptr;
}

QPrinter* PrinterOf(QWidget* from) {
    CMainFrame* frame = FrameOf(from);
    return frame ? &frame->Printer() : nullptr;
}

CProgress& ProgressOf(QWidget* from) {
    CMainFrame* frame = FrameOf(from);
    return frame ? frame->Doc().Progress() : CProgress::None();
}

std::string FacilityOf(QWidget* from) {
    if (CMainFrame* frame = FrameOf(from))
        return frame->Doc().Center().Name;
    CReportContext context;
    context.Read();
    return context.center.Name;
}

void Busy(bool on) {
    if (on)
        QApplication::setOverrideCursor(Qt::WaitCursor);
    else
        QApplication::restoreOverrideCursor();
}

} // namespace

void CPrintCommands::MergeLetter(QWidget* from, CMemberListDoc& list) {
    CMergeLetterDlg dialog(from, list, PrinterOf(from), ProgressOf(from));
    dialog.exec();
}

void CPrintCommands::MailingLabels(QWidget* from, CMemberListDoc& list) {
    CMailingLabels::Print(list, PrinterOf(from), ProgressOf(from));
}

void CPrintCommands::PrintMembers(QWidget* from, CMemberListDoc& list) {
    CPrintOptionsDlg options(from, CListPrintout::MemberOptions(), list.Columns());
    if (options.exec() != QDialog::Accepted)
        return;
    list.SetColumns(static_cast<unsigned>(options.Mask()));
    Busy(true);
    CListPrintout::Members(list, list.Columns(), FacilityOf(from))
        .Print(PrinterOf(from), ProgressOf(from));
    Busy(false);
}

void CPrintCommands::PrintRecords(QWidget* from, CRecordList& list) {
    CPrintOptionsDlg options(from, CListPrintout::RecordOptions(list), list.ColumnMask);
    if (options.exec() != QDialog::Accepted)
        return;
    list.ColumnMask = options.Mask();
    Busy(true);
    CListPrintout::Records(list, FacilityOf(from)).Print(PrinterOf(from), ProgressOf(from));
    Busy(false);
}
