#include "desk/core/deskprintjob.h"

#include "custom/printjob.h"
#include "custom/reportdc.h"
#include "util/notice.h"

#include <algorithm>

bool PrintDeskJob(QPrinter* chosen, const std::string& title, QPageLayout::Orientation orientation,
                  const CDeskDraw& draw) {
    CPrintJob job(chosen);
    if (!job.Open(title) || !job.Begin(orientation)) {
        vantora::notice::show(job.Error(), vantora::notice::Icon::Exclamation);
        return false;
    }
    bool drawn = false;
    {
        CReportDC dc(job.Painter(), [&job] { return job.NewPage(); });
        drawn = draw(dc, job.Resolution());
    }
    if (job.Finish(drawn) == CPrintJob::result::failed) {
        vantora::notice::show(job.Error(), vantora::notice::Icon::Exclamation);
        return false;
    }
    return drawn;
}

QFont DeskPrintFace(QFont::StyleHint hint, int pixels) {
    QFont font(hint == QFont::TypeWriter ? QStringLiteral("Monospace") : QStringLiteral("Serif"));
    font.setStyleHint(hint);
    font.setFixedPitch(hint == QFont::TypeWriter);
    font.setWeight(QFont::Normal);
    font.setPixelSize(std::max(1, pixels));
    return font;
}
