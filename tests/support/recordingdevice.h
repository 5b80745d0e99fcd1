#pragma once
// A paint device that keeps what is drawn on it instead of rasterising it:
// every text with its position and every line and rectangle, by page. Reports
// drawn on it can be checked for their texts, positions and page breaks.

#include <QPaintDevice>

#include <memory>
#include <string>
#include <vector>

class CRecordingEngine;

class CRecordingDevice : public QPaintDevice {
public:
    struct Item {
        enum Kind { Text, Line, Rect };
        Kind kind;
        int page; // 0-based
        // Text: the baseline point at x, y, and the end of its advance at x2.
        // Line: from x, y to x2, y2.
        // Rect: top-left x, y and bottom-right x2, y2.
        int x, y, x2, y2;
        std::string text;
        // The pen's colour (0xAARRGGBB) the item was drawn with.
        unsigned int pen;
    };

    // A page of width x height dots at dpi dots per inch (default: a letter
    // page at 600 dpi).
    explicit CRecordingDevice(int width = 5100, int height = 6600, int dpi = 600);
    ~CRecordingDevice() override;

    QPaintEngine* paintEngine() const override;

    // Ends the current page; always succeeds.
    bool NewPage();
    int Pages() const { return page_ + 1; }
    const std::vector<Item>& Items() const { return items_; }
    // Texts of one page in drawing order.
    std::vector<std::string> Texts(int page) const;
    // The first text item whose text equals or (with prefix) starts with text.
    const Item* Find(const std::string& text, bool prefix = false) const;

protected:
    int metric(PaintDeviceMetric m) const override;

private:
    friend class CRecordingEngine;
    void Add(Item item);

    int width_;
    int height_;
    int dpi_;
    int page_ = 0;
    std::vector<Item> items_;
    std::unique_ptr<CRecordingEngine> engine_;
};
