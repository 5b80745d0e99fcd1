#pragma once
// The drawing surface of a report: a painter that is active on a printer, a
// PDF or a recording device, with the page control and the text metrics the
// report code works with. Positions are device units (dots).

#include <QFont>
#include <QPainter>

#include <functional>
#include <string>

class CReportDC {
public:
    // painter must be active; endPage ends the current page and starts the
    // next one, returning false when the device refuses.
    CReportDC(QPainter& painter, std::function<bool()> endPage);

    void SelectFont(const QFont& font);
    const QFont& GetFont() const { return font_; }

    // Text with its top edge at y, as the report's line positions count.
    void TextOut(int x, int y, const std::string& text);
    // Text that must stay within width units: an over-long text is shortened
    // and ends with an ellipsis, so the reader sees that it was cut.
    void TextOutFit(int x, int y, const std::string& text, int width);
    // A value that must stay within width units: a wider one is drawn in a
    // smaller face on the same baseline, so no digit is lost.
    void TextOutScaled(int x, int y, const std::string& text, int width);
    // text shortened with an ellipsis to at most width units.
    std::string Fit(const std::string& text, int width) const;
    void Line(int x1, int y1, int x2, int y2, const QPen& pen);
    void Rectangle(int left, int top, int right, int bottom, const QPen& pen, const QBrush& brush);
    bool EndPage();

    // Height of one line: the font's height plus its external leading.
    int LineSpacing() const { return lineSpacing_; }
    int AveCharWidth() const { return aveCharWidth_; }
    int TextWidth(const std::string& text) const;
    int DpiY() const;
    int PageHeight() const;
    int PageWidth() const;
    // Number of texts, lines and shapes drawn so far.
    int Drawn() const { return drawn_; }

private:
    QPainter& painter_;
    std::function<bool()> endPage_;
    QFont font_;
    int ascent_ = 0;
    int lineSpacing_ = 1;
    int aveCharWidth_ = 1;
    int drawn_ = 0;
};
