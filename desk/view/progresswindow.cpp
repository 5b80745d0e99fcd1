#include "desk/view/progresswindow.h"

#include <QApplication>
#include <QProgressBar>
#include <QProgressDialog>

CProgressWindow::CProgressWindow(QWidget* parent) : parent_(parent) {}

CProgressWindow::~CProgressWindow() {
    Finish();
}

void CProgressWindow::Start(const std::string& text, int count) {
    Finish();
    count_ = count;
    done_ = 0;
    // A hundred visible steps are enough; repainting per record would cost
    // more than reading it.
    stride_ = count > 100 ? count / 100 : 1;
    dialog_ = new QProgressDialog(QString::fromStdString(text), QString(), 0, count, parent_);
    dialog_->setWindowTitle(QStringLiteral("Vantora"));
    dialog_->setCancelButton(nullptr);
    dialog_->setMinimumDuration(0);
    dialog_->setAutoClose(false);
    dialog_->setAutoReset(false);
    // The wait window: the text alone.
    if (count == 0)
        if (auto* bar = dialog_->findChild<QProgressBar*>())
            bar->hide();
    dialog_->show();
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CProgressWindow::Step() {
    if (!dialog_)
        return;
    ++done_;
    if (done_ % stride_ == 0 || done_ == count_) {
        dialog_->setValue(done_);
        QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
    }
}

void CProgressWindow::Finish() {
    if (dialog_)
        delete dialog_.data();
}
