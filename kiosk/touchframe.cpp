#include "kiosk/touchframe.h"

#include "kiosk/touchdoc.h"
#include "kiosk/touchview.h"

#include <QApplication>
#include <QCloseEvent>
#include <QLabel>
#include <QShortcut>
#include <QTimer>
#include <QVBoxLayout>

CMainFrame::CMainFrame(CVantoraTouchDoc& doc) : doc_(doc) {
    setWindowTitle(QString::fromLatin1(Title));
    // A caption without a system menu or window buttons: the program is
    // closed with Ctrl+X only.
    setWindowFlags(Qt::Window | Qt::CustomizeWindowHint | Qt::WindowTitleHint);
    auto* layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    view_ = new CVantoraTouchView(doc, this);
    layout->addWidget(view_);
    auto* exit = new QShortcut(QKeySequence(Qt::CTRL | Qt::Key_X), this);
    exit->setContext(Qt::ApplicationShortcut);
    connect(exit, &QShortcut::activated, this, &QWidget::close);
    doc_.onBusy = [this](const char* text) { Busy(text); };
}

CMainFrame::~CMainFrame() {
    doc_.onBusy = nullptr;
}

void CMainFrame::Busy(const char* text) {
    if (!text) {
        if (wait_)
            wait_->hide();
        QApplication::restoreOverrideCursor();
        return;
    }
    if (!wait_) {
        wait_ = std::make_unique<QDialog>(this, Qt::Dialog | Qt::FramelessWindowHint);
        auto* layout = new QVBoxLayout(wait_.get());
        waitText_ = new QLabel(wait_.get());
        waitText_->setAlignment(Qt::AlignCenter);
        layout->addWidget(waitText_);
        wait_->setModal(false);
    }
    waitText_->setText(QString::fromLatin1(text));
    wait_->adjustSize();
    wait_->move(geometry().center() - wait_->rect().center());
    wait_->show();
    QApplication::setOverrideCursor(Qt::WaitCursor);
    QApplication::processEvents(QEventLoop::ExcludeUserInputEvents);
}

void CMainFrame::changeEvent(QEvent* event) {
    // A window manager that still offers to minimise the kiosk gets it back
    // at once: members have no other way to bring it up again.
    if (event->type() == QEvent::WindowStateChange && isMinimized())
        QTimer::singleShot(0, this, [this] { showMaximized(); });
    QWidget::changeEvent(event);
}

void CMainFrame::closeEvent(QCloseEvent* event) {
    // Only Ctrl+X closes the kiosk; a close button or key of the window
    // manager does not.
    if (event->spontaneous()) {
        event->ignore();
        return;
    }
    if (!closed_) {
        closed_ = true;
        doc_.OnCloseDocument();
        doc_.FlushWorkouts();
    }
    event->accept();
}
