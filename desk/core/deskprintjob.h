#pragma once
// PrintDeskJob: one print job of the desk program on the printer chosen in
// Print Setup, or as a PDF in VANTO_PRINT. The draw step gets the drawing
// surface and the device's dots per inch, and says whether it drew
// anything; a job that cannot be printed is told with its "Error: ..."
// message.

#include <QFont>
#include <QPageLayout>

#include <functional>
#include <string>

class CReportDC;
class QPrinter;

using CDeskDraw = std::function<bool(CReportDC& dc, int dpi)>;

// True when the job was printed (or its PDF written).
bool PrintDeskJob(QPrinter* chosen, const std::string& title, QPageLayout::Orientation orientation,
                  const CDeskDraw& draw);

// A normal-weight face of the family the hint asks for (serif for letters
// and labels, fixed pitch for lists), pixels high on the device.
QFont DeskPrintFace(QFont::StyleHint hint, int pixels);
