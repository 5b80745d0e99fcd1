#pragma once
// CProgressWindow: the progress window of the desk program's long loops (a
// text such as "Loading members, please wait..." over a bar) and, without a
// count, the wait window of single saves and loads.

#include "desk/core/progress.h"

#include <QPointer>

class QProgressDialog;
class QWidget;

class CProgressWindow : public CProgress {
public:
    explicit CProgressWindow(QWidget* parent);
    ~CProgressWindow() override;

    void Start(const std::string& text, int count) override;
    void Step() override;
    void Finish() override;

private:
    QWidget* parent_;
    QPointer<QProgressDialog> dialog_;
    int count_ = 0;
    int done_ = 0;
    int stride_ = 1;
};
