#include "reportdc.h"

#include <QFontMetrics>
#include <QPaintDevice>

#include <algorithm>

CReportDC::CReportDC(QPainter& painter, std::function<bool()> endPage)
    : painter_(painter), endPage_(std::move(endPage)) {
    SelectFont(painter.font());
}

void CReportDC::SelectFont(const QFont& font) {
    font_ = font;
    painter_.setFont(font);
    const QFontMetrics fm(font, painter_.device());
    ascent_ = fm.ascent();
    // Some fonts report a negative leading; lines never overlap.
    lineSpacing_ = std::max(1, fm.height() + std::max(0, fm.leading()));
    aveCharWidth_ = std::max(1, fm.averageCharWidth());
}

void CReportDC::TextOut(int x, int y, const std::string& text) {
    if (text.empty())
        return;
    painter_.drawText(QPoint(x, y + ascent_), QString::fromStdString(text));
    ++drawn_;
}

std::string CReportDC::Fit(const std::string& text, int width) const {
    const QFontMetrics fm(font_, painter_.device());
    const QString s = QString::fromStdString(text);
    if (fm.horizontalAdvance(s) <= width)
        return text;
    return fm.elidedText(s, Qt::ElideRight, std::max(0, width)).toStdString();
}

void CReportDC::TextOutFit(int x, int y, const std::string& text, int width) {
    TextOut(x, y, Fit(text, width));
}

void CReportDC::TextOutScaled(int x, int y, const std::string& text, int width) {
    const int wide = TextWidth(text);
    if (text.empty() || wide <= width || width <= 0) {
        TextOut(x, y, text);
        return;
    }
    QFont small = font_;
    const int size = font_.pixelSize() > 0 ? font_.pixelSize() : QFontMetrics(font_).height();
    small.setPixelSize(std::max(1, size * width / wide));
    painter_.setFont(small);
    // Narrow faces do not always scale exactly; shrink until the value fits.
    while (small.pixelSize() > 1 &&
           QFontMetrics(small, painter_.device()).horizontalAdvance(QString::fromStdString(text)) >
               width) {
        small.setPixelSize(small.pixelSize() - 1);
        painter_.setFont(small);
    }
    painter_.drawText(QPoint(x, y + ascent_), QString::fromStdString(text));
    painter_.setFont(font_);
    ++drawn_;
}

void CReportDC::Line(int x1, int y1, int x2, int y2, const QPen& pen) {
    painter_.setPen(pen);
    painter_.drawLine(x1, y1, x2, y2);
    ++drawn_;
}

void CReportDC::Rectangle(int left, int top, int right, int bottom, const QPen& pen,
                          const QBrush& brush) {
    painter_.setPen(pen);
    painter_.setBrush(brush);
    painter_.drawRect(QRect(QPoint(left, top), QPoint(right, bottom)));
    painter_.setBrush(Qt::NoBrush);
    ++drawn_;
}

bool CReportDC::EndPage() {
    return endPage_ ? endPage_() : false;
}

int CReportDC::TextWidth(const std::string& text) const {
    return QFontMetrics(font_, painter_.device()).horizontalAdvance(QString::fromStdString(text));
}

int CReportDC::DpiY() const {
    return painter_.device()->logicalDpiY();
}

int CReportDC::PageHeight() const {
    return painter_.device()->height();
}

int CReportDC::PageWidth() const {
    return painter_.device()->width();
}
