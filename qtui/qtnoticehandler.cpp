#include "qtui/qtnoticehandler.h"

#include <QApplication>
#include <QMessageBox>

using namespace vantora::notice;

namespace {

QMessageBox::Icon ToQt(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return QMessageBox::Information;
    case Icon::Exclamation:
        return QMessageBox::Warning;
    case Icon::Stop:
        return QMessageBox::Critical;
    case Icon::Question:
        return QMessageBox::Question;
    case Icon::None:
        break;
    }
    return QMessageBox::NoIcon;
}

QMessageBox::StandardButtons ToQt(Buttons buttons) {
    switch (buttons) {
    case Buttons::OkCancel:
        return QMessageBox::Ok | QMessageBox::Cancel;
    case Buttons::YesNo:
        return QMessageBox::Yes | QMessageBox::No;
    case Buttons::YesNoCancel:
        return QMessageBox::Yes | QMessageBox::No | QMessageBox::Cancel;
    case Buttons::RetryCancel:
        return QMessageBox::Retry | QMessageBox::Cancel;
    case Buttons::Ok:
        break;
    }
    return QMessageBox::Ok;
}

Answer FromQt(int button) {
    switch (button) {
    case QMessageBox::Yes:
        return Answer::Yes;
    case QMessageBox::No:
        return Answer::No;
    case QMessageBox::Retry:
        return Answer::Retry;
    case QMessageBox::Ok:
        return Answer::Ok;
    default:
        return Answer::Cancel;
    }
}

} // namespace

CQtNoticeHandler::CQtNoticeHandler(QWidget* parent, std::string title)
    : parent_(parent), title_(std::move(title)) {}

void CQtNoticeHandler::show(const std::string& text, Icon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(title_), QString::fromStdString(text),
                    QMessageBox::Ok, parent_);
    box.exec();
}

Answer CQtNoticeHandler::ask(const std::string& text, Buttons buttons, Icon icon) {
    QMessageBox box(ToQt(icon), QString::fromStdString(title_), QString::fromStdString(text),
                    ToQt(buttons), parent_);
    return FromQt(box.exec());
}
