#pragma once
// The kiosk's main window: maximized, with the caption "VantoraTouch" but
// no system menu or window buttons, closed only with Ctrl+X. Closing offers
// to move the open check-ins and writes every queued workout.

#include <QDialog>
#include <QWidget>

#include <memory>

class CVantoraTouchDoc;
class CVantoraTouchView;
class QLabel;

class CMainFrame : public QWidget {
    Q_OBJECT
public:
    static constexpr const char* Title = "VantoraTouch";

    explicit CMainFrame(CVantoraTouchDoc& doc);
    ~CMainFrame() override;

    CVantoraTouchView& View() { return *view_; }

protected:
    void changeEvent(QEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

private:
    void Busy(const char* text);

    CVantoraTouchDoc& doc_;
    CVantoraTouchView* view_;
    std::unique_ptr<QDialog> wait_;
    QLabel* waitText_ = nullptr;
    bool closed_ = false;
};
