#pragma once
// CBackupWindow: the backup utility's small window, titled "Backup
// Utility": what the run is doing over a progress bar. It is the progress
// of the run.

#include "desk/core/progress.h"

#include <QWidget>

class QLabel;
class QProgressBar;

class CBackupWindow : public QWidget, public CProgress {
    Q_OBJECT
public:
    static constexpr const char* Title = "Backup Utility";

    explicit CBackupWindow(QWidget* parent = nullptr);

    void Start(const std::string& text, int count) override;
    void Step() override;
    void Finish() override;
    // Shows the outcome over and under the bar.
    void SetOutcome(bool done, const std::string& text);

private:
    QLabel* text_;
    QProgressBar* bar_;
    QLabel* outcome_;
    int done_ = 0;
    int stride_ = 1;
};
