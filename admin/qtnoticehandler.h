#pragma once
// CQtNoticeHandler: shows the notices of every layer as modal message boxes
// with the notice's icon and buttons, titled with the program's name.

#include "util/notice.h"

#include <QString>

class CQtNoticeHandler : public vantora::notice::Handler {
public:
    explicit CQtNoticeHandler(QString title) : title_(std::move(title)) {}

    void show(const std::string& text, vantora::notice::Icon icon) override;
    vantora::notice::Answer ask(const std::string& text, vantora::notice::Buttons buttons,
                                vantora::notice::Icon icon) override;

private:
    QString title_;
};
