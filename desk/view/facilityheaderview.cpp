#include "desk/view/facilityheaderview.h"

#include "desk/core/deskdocument.h"

#include <QAction>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int Top = 40; // the header starts this far below the pane's top
constexpr int Gap = 7;  // between buttons, across and down
constexpr int LeftButtons = 5;

struct ButtonSpec {
    DeskCommand command;
    const char* text;
};

const ButtonSpec Buttons[] = {
    {DeskCommand::AddMember, "Member"},
    {DeskCommand::AddWorkout, "Workout"},
    {DeskCommand::AddEvaluation, "Evaluation"},
    {DeskCommand::AddBodyComp, "Body Composition"},
    {DeskCommand::QuickStatistics, "Quick Statistics"},
    {DeskCommand::ReportMemberProfile, "Member Report"},
    {DeskCommand::ReportDailyWorkouts, "Workout Report"},
    {DeskCommand::ReportTestResults, "Evaluation Report"},
    {DeskCommand::ReportBodyCompInterp, "Body Composition Report"},
};

// Stored colours are 0x00BBGGRR.
QColor Colour(long rgb) {
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

int LineHeight(const QFontMetrics& fm) {
    return fm.height() + fm.leading();
}

} // namespace

CMainView::CMainView(const CVantoraDoc& doc, QWidget* parent) : QWidget(parent), doc_(doc) {
    setAutoFillBackground(true);
    int width = 0;
    for (const ButtonSpec& spec : Buttons) {
        auto* button = new QPushButton(QString::fromLatin1(spec.text), this);
        button->setObjectName(QString::fromLatin1(spec.text));
        buttons_.push_back(button);
        width = std::max(width, button->sizeHint().width());
    }
    // One width for all, so the two columns line up.
    for (QPushButton* button : buttons_)
        button->setFixedSize(width + 16, button->sizeHint().height());
}

const std::vector<DeskCommand>& CMainView::ButtonCommands() {
    static const std::vector<DeskCommand> commands = [] {
        std::vector<DeskCommand> c;
        for (const ButtonSpec& spec : Buttons)
            c.push_back(spec.command);
        return c;
    }();
    return commands;
}

void CMainView::Bind(DeskCommand command, QAction* action) {
    QPushButton* button = Button(command);
    if (button == nullptr || action == nullptr)
        return;
    button->setEnabled(action->isEnabled());
    button->setToolTip(action->statusTip());
    connect(button, &QPushButton::clicked, action, &QAction::trigger);
    connect(action, &QAction::changed, button,
            [button, action] { button->setEnabled(action->isEnabled()); });
}

QPushButton* CMainView::Button(DeskCommand command) const {
    for (std::size_t i = 0; i < buttons_.size(); ++i)
        if (Buttons[i].command == command)
            return buttons_[i];
    return nullptr;
}

QFont CMainView::NameFont() const {
    QFont f(font());
    f.setStyleHint(QFont::SansSerif);
    f.setPixelSize(20);
    f.setWeight(QFont::Bold);
    return f;
}

QFont CMainView::LineFont() const {
    QFont f(NameFont());
    f.setPixelSize(16);
    return f;
}

std::vector<QString> CMainView::FacilityLines() const {
    const CDAOCenter& c = doc_.Center();
    std::vector<QString> lines;
    auto add = [&lines](const std::string& text) {
        if (!text.empty())
            lines.push_back(QString::fromStdString(text));
    };
    add(c.Name);
    add(c.Addr0);
    add(c.Addr1);
    if (!c.City.empty() && !c.St.empty() && !c.Zip.empty())
        add(c.City + ", " + c.St + " " + c.Zip);
    add(c.Phone);
    if (!c.Web.empty())
        add("Web: " + c.Web);
    if (!c.Email.empty())
        add("Email: " + c.Email);
    return lines;
}

QString CMainView::DateLine() {
    CEFOleDateTime now;
    now.Current();
    return QString::fromStdString(now.Format("%A - %B  %d, %Y"));
}

std::vector<QString> CMainView::HeaderLines() const {
    std::vector<QString> lines =
        doc_.Center().Name.empty() ? std::vector<QString>() : FacilityLines();
    lines.push_back(DateLine());
    return lines;
}

int CMainView::Header(QPainter* painter) const {
    const int x = width() / 2;
    const QFontMetrics nameMetrics(NameFont(), const_cast<CMainView*>(this));
    const QFontMetrics lineMetrics(LineFont(), const_cast<CMainView*>(this));
    const int lineHeight = LineHeight(lineMetrics);
    int y = Top;
    if (painter != nullptr) {
        painter->setBackgroundMode(Qt::OpaqueMode);
        painter->setBackground(Qt::white);
    }
    if (!doc_.Center().Name.empty()) {
        const std::vector<QString> lines = FacilityLines();
        int w = 0, h = 0;
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QFontMetrics& fm = i == 0 ? nameMetrics : lineMetrics;
            w = std::max(w, fm.horizontalAdvance(lines[i]));
            h += LineHeight(fm);
        }
        if (painter != nullptr) {
            const QColor prim = Colour(doc_.Touch().PrimFrmClr);
            painter->setPen(Qt::NoPen);
            painter->setBrush(Colour(doc_.Touch().SecFrmClr));
            painter->drawRect(
                QRect(QPoint(x - w / 2 - 20, Top - 20), QPoint(x + w / 2 + 20, Top + h + 20)));
            painter->setBrush(prim);
            painter->drawRect(
                QRect(QPoint(x - w / 2 - 10, Top - 10), QPoint(x + w / 2 + 10, Top + h + 10)));
            painter->setPen(palette().color(QPalette::WindowText));
            painter->setBackground(prim);
        }
        for (std::size_t i = 0; i < lines.size(); ++i) {
            const QFontMetrics& fm = i == 0 ? nameMetrics : lineMetrics;
            if (painter != nullptr) {
                painter->setFont(i == 0 ? NameFont() : LineFont());
                const int textWidth = fm.horizontalAdvance(lines[i]);
                painter->drawText(QRect(x - textWidth / 2, y, textWidth, fm.height()),
                                  Qt::AlignHCenter | Qt::AlignTop, lines[i]);
            }
            y += LineHeight(fm);
        }
        y += 2 * lineHeight;
    }
    const QString date = DateLine();
    if (painter != nullptr) {
        painter->setBackground(Qt::white);
        painter->setPen(palette().color(QPalette::WindowText));
        painter->setFont(LineFont());
        const int textWidth = lineMetrics.horizontalAdvance(date);
        painter->drawText(QRect(x - textWidth / 2, y, textWidth, lineMetrics.height()),
                          Qt::AlignHCenter | Qt::AlignTop, date);
    }
    y += lineHeight;
    return y + 2 * lineHeight;
}

int CMainView::ButtonsTop() const {
    return Header(nullptr);
}

void CMainView::PlaceButtons() {
    const int x = width() / 2;
    const int top = ButtonsTop();
    int yLeft = top, yRight = top;
    for (std::size_t i = 0; i < buttons_.size(); ++i) {
        QPushButton* b = buttons_[i];
        if (static_cast<int>(i) < LeftButtons) {
            b->move(x - Gap / 2 - b->width(), yLeft);
            yLeft += b->height() + Gap;
        } else {
            b->move(x + Gap - Gap / 2, yRight);
            yRight += b->height() + Gap;
        }
        b->show();
    }
}

void CMainView::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    Header(&painter);
}

void CMainView::resizeEvent(QResizeEvent* event) {
    QWidget::resizeEvent(event);
    PlaceButtons();
}

void CMainView::showEvent(QShowEvent* event) {
    QWidget::showEvent(event);
    PlaceButtons();
}
