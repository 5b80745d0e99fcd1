#include "recordingdevice.h"

#include <QPaintEngine>
#include <QTextItem>

#include <cmath>

class CRecordingEngine : public QPaintEngine {
public:
    explicit CRecordingEngine(CRecordingDevice& device)
        : QPaintEngine(QPaintEngine::AllFeatures), device_(device) {}

    bool begin(QPaintDevice*) override { return true; }
    bool end() override { return true; }
    void updateState(const QPaintEngineState& state) override {
        if (state.state() & QPaintEngine::DirtyPen)
            pen_ = state.pen().color().rgba();
    }
    void drawPixmap(const QRectF&, const QPixmap&, const QRectF&) override {}
    Type type() const override { return QPaintEngine::User; }

    void drawTextItem(const QPointF& p, const QTextItem& item) override {
        device_.Add({CRecordingDevice::Item::Text, 0, round(p.x()), round(p.y()),
                     round(p.x() + item.width()), 0, item.text().toStdString(), pen_});
    }
    void drawLines(const QLineF* lines, int count) override {
        for (int i = 0; i < count; ++i)
            device_.Add({CRecordingDevice::Item::Line,
                         0,
                         round(lines[i].x1()),
                         round(lines[i].y1()),
                         round(lines[i].x2()),
                         round(lines[i].y2()),
                         {},
                         pen_});
    }
    void drawLines(const QLine* lines, int count) override {
        for (int i = 0; i < count; ++i)
            device_.Add({CRecordingDevice::Item::Line,
                         0,
                         lines[i].x1(),
                         lines[i].y1(),
                         lines[i].x2(),
                         lines[i].y2(),
                         {},
                         pen_});
    }
    void drawRects(const QRectF* rects, int count) override {
        for (int i = 0; i < count; ++i)
            device_.Add({CRecordingDevice::Item::Rect,
                         0,
                         round(rects[i].left()),
                         round(rects[i].top()),
                         round(rects[i].right()),
                         round(rects[i].bottom()),
                         {},
                         pen_});
    }
    void drawRects(const QRect* rects, int count) override {
        for (int i = 0; i < count; ++i)
            device_.Add({CRecordingDevice::Item::Rect,
                         0,
                         rects[i].left(),
                         rects[i].top(),
                         rects[i].right(),
                         rects[i].bottom(),
                         {},
                         pen_});
    }

private:
    static int round(qreal v) { return static_cast<int>(std::lround(v)); }

    CRecordingDevice& device_;
    unsigned int pen_ = 0; // no colour until the painter sets its pen
};

CRecordingDevice::CRecordingDevice(int width, int height, int dpi)
    : width_(width), height_(height), dpi_(dpi),
      engine_(std::make_unique<CRecordingEngine>(*this)) {}

CRecordingDevice::~CRecordingDevice() = default;

QPaintEngine* CRecordingDevice::paintEngine() const {
    return engine_.get();
}

bool CRecordingDevice::NewPage() {
    ++page_;
    return true;
}

void CRecordingDevice::Add(Item item) {
    item.page = page_;
    items_.push_back(std::move(item));
}

std::vector<std::string> CRecordingDevice::Texts(int page) const {
    std::vector<std::string> out;
    for (const auto& it : items_)
        if (it.kind == Item::Text && it.page == page)
            out.push_back(it.text);
    return out;
}

const CRecordingDevice::Item* CRecordingDevice::Find(const std::string& text, bool prefix) const {
    for (const auto& it : items_) {
        if (it.kind != Item::Text)
            continue;
        if (prefix ? it.text.rfind(text, 0) == 0 : it.text == text)
            return &it;
    }
    return nullptr;
}

int CRecordingDevice::metric(PaintDeviceMetric m) const {
    switch (m) {
    case PdmWidth:
        return width_;
    case PdmHeight:
        return height_;
    case PdmWidthMM:
        return static_cast<int>(width_ * 25.4 / dpi_);
    case PdmHeightMM:
        return static_cast<int>(height_ * 25.4 / dpi_);
    case PdmNumColors:
        return 1 << 24;
    case PdmDepth:
        return 32;
    case PdmDpiX:
    case PdmDpiY:
    case PdmPhysicalDpiX:
    case PdmPhysicalDpiY:
        return dpi_;
    case PdmDevicePixelRatio:
        return 1;
    case PdmDevicePixelRatioScaled:
        return static_cast<int>(devicePixelRatioFScale());
    default:
        return QPaintDevice::metric(m);
    }
}
