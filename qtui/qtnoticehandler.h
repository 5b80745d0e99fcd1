#pragma once
// Shows the notices of every layer as modal message boxes with the icon and
// buttons they ask for. Installed by each window program at start-up.

#include "util/notice.h"

class QWidget;

class CQtNoticeHandler : public vantora::notice::Handler {
public:
    // `title` is the caption of every box (the program's name).
    explicit CQtNoticeHandler(QWidget* parent = nullptr, std::string title = {});

    void show(const std::string& text, vantora::notice::Icon icon) override;
    vantora::notice::Answer ask(const std::string& text, vantora::notice::Buttons buttons,
                                vantora::notice::Icon icon) override;

private:
    QWidget* parent_;
    std::string title_;
};
