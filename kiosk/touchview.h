#pragma once
// The kiosk's window content: paints the document's current screen in the
// facility's fonts and colours, places the keypad and the entry fields, and
// turns buttons, key-ups and timer ticks into calls on the document.

#include "kiosk/touchdoc.h"
#include "kiosk/touchlayout.h"
#include "kiosk/touchscreen.h"

#include <QFont>
#include <QTimer>
#include <QWidget>

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <vector>

class QLabel;
class QLineEdit;
class QPushButton;

class CVantoraTouchView : public QWidget {
    Q_OBJECT
public:
    // Idle time at the ID prompt after which queued workouts are written.
    static constexpr int IdleFlushMs = 5000;
    // After the store refused the queued workouts, the next attempt comes
    // this much later even when no member touches the kiosk meanwhile.
    static constexpr int RetryFlushMs = 60000;

    explicit CVantoraTouchView(CVantoraTouchDoc& doc, QWidget* parent = nullptr);
    ~CVantoraTouchView() override;

    // The control with a fixed identifier (129..157), or null.
    QWidget* Control(int id) const;
    const CTouchLayout& Layout() const { return layout_; }
    // Runs a button as if pressed (129..142).
    void PressButton(int id);
    // Handles one key-up code as the view and its fields do.
    void KeyUp(int code);
    // The timer armed under an identifier (158..166), or null when not armed.
    const QTimer* Timer(int id) const;
    // Window code of a Qt key event: the virtual key code the kiosk reads.
    static int VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers);
    // Runs every timer of the view (time-outs, blinking, the idle write) at
    // `factor` times its period, so a whole visit can be watched quickly.
    void SetTimeScale(double factor);

    // What the last arrangement paints: frames (empty text) and the bounds
    // of each text as drawn.
    struct Drawn {
        QRect rect;
        QString text;
    };
    std::vector<Drawn> Drawing() const;

    // Called by the system beep on button presses; replaceable in tests.
    std::function<void()> beep;

protected:
    void paintEvent(QPaintEvent* event) override;
    void keyReleaseEvent(QKeyEvent* event) override;
    void resizeEvent(QResizeEvent* event) override;
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    // One step of painting, prepared by Arrange() and replayed by paintEvent.
    struct DrawOp {
        QRect rect;
        QColor fill;               // rectangles
        QString text;              // texts (empty for rectangles)
        std::optional<QFont> font; // texts only
        QColor colour;
        QColor background;
        int align = 0;
    };

    // Horizontal room of a block, its frames included.
    struct Lane {
        int left;
        int right;
        int Width() const { return right - left; }
    };
    // Where a placed block ends, and where the next one starts.
    struct Placed {
        int bottom;
        int next;
    };

    void Changed(CVantoraTouchDoc::Change change);
    void ArmTimers();
    int Period(int ms) const;
    void SetUp();
    void Arrange();
    // Lays the screen out from `top` at the current face scale; returns the
    // bottom of its text and fields.
    int Place(bool area, int top);
    Placed Block(const CTouchBlock& block, int y, int centre, Lane lane);
    void PlaceOptionRows(int top, int centre, Lane lane, int& bottom);
    QColor Colour(long rgb) const;
    const QFont& FontOf(CTouchBlock::Font f) const;
    QColor TextColour(CTouchBlock::Font f) const;

    CVantoraTouchDoc& doc_;
    CTouchLayout layout_;
    QFont large_, medium_, small_, button_;
    std::map<int, QWidget*> controls_;
    std::map<int, std::unique_ptr<QTimer>> timers_;
    QTimer idle_;
    QTimer retry_;
    CTouchScreen screen_;
    std::vector<DrawOp> ops_;
    QString messageText_;
    // Faces are drawn at this share of their size when a screen's text
    // would not fit the window's height.
    double scale_ = 1.0;
    double timeScale_ = 1.0;
    bool setUp_ = false;
};
