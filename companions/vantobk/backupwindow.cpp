#include "companions/vantobk/backupwindow.h"

#include <QApplication>
#include <QLabel>
#include <QProgressBar>
#include <QVBoxLayout>

CBackupWindow::CBackupWindow(QWidget* parent)
    : QWidget(parent), text_(new QLabel(this)), bar_(new QProgressBar(this)),
      outcome_(new QLabel(this)) {
    setWindowTitle(QString::fromLatin1(Title));
    setObjectName(QStringLiteral("backupWindow"));
    auto* layout = new QVBoxLayout(this);
    layout->addWidget(text_);
    layout->addWidget(bar_);
    layout->addWidget(outcome_);
    outcome_->setWordWrap(true);
    text_->setText(QStringLiteral("Starting the backup, please wait..."));
    bar_->setRange(0, 1);
    bar_->setValue(0);
    resize(420, 120);
}

void CBackupWindow::Start(const std::string& text, int count) {
    text_->setText(QString::fromStdString(text));
    done_ = 0;
    stride_ = count > 200 ? count / 200 : 1;
    bar_->setRange(0, count > 0 ? count : 0);
    bar_->setValue(0);
    QApplication::processEvents();
}

void CBackupWindow::Step() {
    ++done_;
    // Repaint about two hundred times per loop: a million repaints would
    // cost more than the backup.
    if (done_ % stride_ == 0 || done_ == bar_->maximum()) {
        bar_->setValue(done_);
        QApplication::processEvents();
    }
}

void CBackupWindow::Finish() {
    bar_->setValue(bar_->maximum());
    QApplication::processEvents();
}

void CBackupWindow::SetOutcome(bool done, const std::string& text) {
    text_->setText(done ? QStringLiteral("The backup is complete.")
                        : QStringLiteral("The backup failed."));
    outcome_->setText(QString::fromStdString(text));
}
