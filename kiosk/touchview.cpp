#include "kiosk/touchview.h"

#include "db/daodef.h"
#include "kiosk/touchdoc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

#include <algorithm>

namespace {

constexpr int IdIdField = 143;
constexpr int IdCircuitField = 144;
constexpr int IdFirstOptionField = 145;
constexpr int IdLastOptionField = 156;
constexpr int IdMessageField = 157;

QFont BoldFont(int pixels) {
    QFont f;
    // A narrow sans-serif face, so message lines of up to 48 characters fit
    // beside the keypad.
    f.setStyleHint(QFont::SansSerif);
    f.setFamily(QStringLiteral("DejaVu Sans Condensed"));
    f.setBold(true);
    f.setPixelSize(std::max(pixels, 1));
    return f;
}

QString Q(const std::string& s) {
    return QString::fromStdString(s);
}

QFont Scaled(QFont f, double k) {
    f.setPixelSize(std::max(1, int(f.pixelSize() * k)));
    return f;
}

// A face a step smaller, in proportion to how much too wide its text is.
QFont Narrowed(QFont f, int room, int width) {
    const int px = f.pixelSize();
    f.setPixelSize(std::max(1, std::min(px - 1, int(px * double(room) / width))));
    return f;
}

} // namespace

CVantoraTouchView::CVantoraTouchView(CVantoraTouchDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    beep = [] { QApplication::beep(); };
    idle_.setSingleShot(true);
    idle_.setInterval(IdleFlushMs);
    retry_.setSingleShot(true);
    retry_.setInterval(RetryFlushMs);
    for (QTimer* t : {&idle_, &retry_})
        connect(t, &QTimer::timeout, this, [this] {
            if (doc_.Idle())
                retry_.start();
        });
    doc_.onChanged = [this](CVantoraTouchDoc::Change c) { Changed(c); };
    // The document may already show its first screen: arm what it needs.
    ArmTimers();
    idle_.start();
}

CVantoraTouchView::~CVantoraTouchView() {
    doc_.onChanged = nullptr;
}

QColor CVantoraTouchView::Colour(long rgb) const {
    // Stored as 0x00BBGGRR.
    return QColor(int(rgb & 0xFF), int((rgb >> 8) & 0xFF), int((rgb >> 16) & 0xFF));
}

const QFont& CVantoraTouchView::FontOf(CTouchBlock::Font f) const {
    switch (f) {
    case CTouchBlock::Large:
        return large_;
    case CTouchBlock::Small:
        return small_;
    case CTouchBlock::Medium:
        break;
    }
    return medium_;
}

QColor CVantoraTouchView::TextColour(CTouchBlock::Font f) const {
    switch (f) {
    case CTouchBlock::Large:
        return Colour(doc_.Touch().LgTxtClr);
    case CTouchBlock::Small:
        return Colour(doc_.Touch().SmTxtClr);
    case CTouchBlock::Medium:
        break;
    }
    return Colour(doc_.Touch().MedTxtClr);
}

void CVantoraTouchView::SetUp() {
    layout_ = CTouchLayout(width(), height());
    large_ = BoldFont(layout_.LargeFont());
    medium_ = BoldFont(layout_.MediumFont());
    small_ = BoldFont(layout_.SmallFont());
    button_ = BoldFont(layout_.ButtonFont());
    if (!setUp_) {
        static const char* const names[] = {"Yes", "No", "Back", "Enter"};
        for (int id = CTouchInput::IdYes; id <= CTouchInput::IdDigit9; ++id) {
            const QString text = id <= CTouchInput::IdEnter
                                     ? QString::fromLatin1(names[id - CTouchInput::IdYes])
                                     : QString::number(id - CTouchInput::IdDigit0);
            auto* b = new QPushButton(text, this);
            b->setFocusPolicy(Qt::NoFocus);
            connect(b, &QPushButton::clicked, this, [this, id] { PressButton(id); });
            controls_[id] = b;
        }
        for (int id = IdIdField; id <= IdLastOptionField; ++id) {
            auto* e = new QLineEdit(this);
            e->setReadOnly(true);
            e->installEventFilter(this);
            if (id == IdCircuitField)
                e->setAlignment(Qt::AlignCenter);
            controls_[id] = e;
        }
        auto* m = new QLabel(QStringLiteral("Message"), this);
        m->setAlignment(Qt::AlignCenter);
        m->setAutoFillBackground(true);
        controls_[IdMessageField] = m;
        for (auto& [id, w] : controls_) {
            w->hide();
            w->setEnabled(false);
        }
        setUp_ = true;
    }
    for (auto& [id, w] : controls_)
        w->setFont(id <= CTouchInput::IdDigit9 ? button_ : medium_);
}

QWidget* CVantoraTouchView::Control(int id) const {
    const auto it = controls_.find(id);
    return it == controls_.end() ? nullptr : it->second;
}

const QTimer* CVantoraTouchView::Timer(int id) const {
    const auto it = timers_.find(id);
    return it != timers_.end() && it->second->isActive() ? it->second.get() : nullptr;
}

void CVantoraTouchView::resizeEvent(QResizeEvent*) {
    SetUp();
    Arrange();
}

void CVantoraTouchView::Changed(CVantoraTouchDoc::Change change) {
    if (change == CVantoraTouchDoc::Change::Blink) {
        // Only the message field changes: the countdowns run on, and no
        // button is moved while a member may be pressing it.
        static_cast<QLabel*>(controls_[IdMessageField])
            ->setText(doc_.MessageVisible() ? messageText_ : QString());
        return;
    }
    if (change == CVantoraTouchDoc::Change::Screen) {
        ArmTimers();
        if (doc_.State() == CVantoraTouchDoc::IdPrompt) {
            idle_.start();
        } else {
            idle_.stop();
            retry_.stop();
        }
    }
    Arrange();
    update();
}

int CVantoraTouchView::Period(int ms) const {
    return std::max(1, int(ms * timeScale_));
}

void CVantoraTouchView::SetTimeScale(double factor) {
    timeScale_ = factor;
    idle_.setInterval(Period(IdleFlushMs));
    retry_.setInterval(Period(RetryFlushMs));
    ArmTimers();
    if (idle_.isActive())
        idle_.start();
}

void CVantoraTouchView::ArmTimers() {
    // Entering a screen stops the timers of the screen left and starts its
    // own afresh; each then runs on its own until it expires or the screen
    // is left.
    for (auto& [id, t] : timers_)
        t->stop();
    for (const auto& spec : doc_.Timers()) {
        auto& t = timers_[spec.id];
        if (!t) {
            t = std::make_unique<QTimer>();
            // Time-outs keep to the millisecond rather than being aligned
            // with other timers.
            t->setTimerType(Qt::PreciseTimer);
            connect(t.get(), &QTimer::timeout, this,
                    [this, id = spec.id] { doc_.TimerExpired(id); });
        }
        t->setSingleShot(!spec.repeating);
        t->start(Period(spec.periodMs));
    }
}

void CVantoraTouchView::PressButton(int id) {
    const bool quietReader = doc_.State() == CVantoraTouchDoc::IdPrompt && !doc_.TouchMode();
    if (!quietReader && beep)
        beep();
    idle_.start();
    doc_.Input(CTouchInput::ValueOfButton(id), false);
}

void CVantoraTouchView::KeyUp(int code) {
    idle_.start();
    doc_.Key(code);
}

int CVantoraTouchView::VirtualKey(int qtKey, Qt::KeyboardModifiers modifiers) {
    const bool keypad = modifiers & Qt::KeypadModifier;
    if (qtKey >= Qt::Key_0 && qtKey <= Qt::Key_9)
        return keypad ? 0x60 + (qtKey - Qt::Key_0) : 0x30 + (qtKey - Qt::Key_0);
    if (qtKey >= Qt::Key_A && qtKey <= Qt::Key_Z)
        return 0x41 + (qtKey - Qt::Key_A);
    switch (qtKey) {
    case Qt::Key_Backspace:
        return 0x08;
    case Qt::Key_Tab:
        return 0x09;
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return 0x0D;
    case Qt::Key_Shift:
        return 0x10;
    case Qt::Key_Control:
        return 0x11;
    case Qt::Key_Alt:
        return 0x12;
    case Qt::Key_Escape:
        return 0x1B;
    case Qt::Key_Space:
        return 0x20;
    case Qt::Key_Left:
        return 0x25;
    case Qt::Key_Up:
        return 0x26;
    case Qt::Key_Right:
        return 0x27;
    case Qt::Key_Down:
        return 0x28;
    case Qt::Key_Delete:
        return 0x2E;
    default:
        break;
    }
    return 0xFF; // some other key: not one the kiosk knows
}

void CVantoraTouchView::keyReleaseEvent(QKeyEvent* event) {
    // Ctrl+X closes the program; keys held with Ctrl are not input.
    if (event->isAutoRepeat() || (event->modifiers() & Qt::ControlModifier) ||
        event->key() == Qt::Key_Control) {
        event->accept();
        return;
    }
    KeyUp(VirtualKey(event->key(), event->modifiers()));
    event->accept();
}

bool CVantoraTouchView::eventFilter(QObject* watched, QEvent* event) {
    if (event->type() == QEvent::KeyRelease) {
        setFocus();
        keyReleaseEvent(static_cast<QKeyEvent*>(event));
        return true;
    }
    if (event->type() == QEvent::KeyPress)
        return true; // the fields show what the document holds
    return QWidget::eventFilter(watched, event);
}

CVantoraTouchView::Placed CVantoraTouchView::Block(const CTouchBlock& block, int y, int centre,
                                                   Lane lane) {
    const int g = layout_.Gap();
    const QColor white(Qt::white);
    const QColor prim = Colour(doc_.Touch().PrimFrmClr);
    const QColor sec = Colour(doc_.Touch().SecFrmClr);
    QFont font = Scaled(FontOf(block.font), scale_);
    QFont titleFont = Scaled(large_, scale_);

    // Size of the block: widest line, summed line heights.
    int width = 0;
    int height = 0;
    auto measure = [&] {
        width = height = 0;
        for (std::size_t i = 0; i < block.lines.size(); ++i) {
            const QFontMetrics m(block.largeTitle && i == 0 ? titleFont : font);
            width = std::max(width, m.horizontalAdvance(Q(block.lines[i])));
            height += m.height() + m.leading();
        }
    };
    measure();
    // A block wider than its lane gets a smaller face rather than running
    // under the keypad or off the screen.
    const int frame =
        block.kind == CTouchBlock::Framed || block.kind == CTouchBlock::Message ? 4 * g : 0;
    const int room = lane.Width() - 2 * frame;
    while (width > room && room > 0 && font.pixelSize() > 1) {
        titleFont = Narrowed(titleFont, room, width);
        font = Narrowed(font, room, width);
        measure();
    }
    const QFontMetrics fm(font);
    const int lineH = fm.height() + fm.leading();

    if (block.kind == CTouchBlock::Centred) {
        for (const std::string& line : block.lines) {
            // Centred on the centre line, kept inside the lane.
            const int w = fm.horizontalAdvance(Q(line));
            const int left =
                std::clamp(centre - w / 2, lane.left, std::max(lane.left, lane.right - w));
            ops_.push_back({QRect(left, y, w, lineH),
                            {},
                            Q(line),
                            font,
                            Colour(doc_.Touch().MedTxtClr),
                            white,
                            Qt::AlignCenter});
            y += lineH;
        }
        return {y, y + lineH / 2};
    }

    // Centred on the centre line, frames kept inside the lane; the lines of
    // the whole message area start at its left margin.
    const int left = block.kind == CTouchBlock::Area
                         ? lane.left
                         : std::clamp(centre - width / 2, lane.left + frame,
                                      std::max(lane.left + frame, lane.right - frame - width));
    const QRect text(left, y + frame, width, height);
    if (frame) {
        ops_.push_back(
            {text.adjusted(-4 * g, -4 * g, 4 * g, 4 * g), sec, {}, std::nullopt, {}, {}, 0});
        ops_.push_back(
            {text.adjusted(-2 * g, -2 * g, 2 * g, 2 * g), prim, {}, std::nullopt, {}, {}, 0});
    }

    if (block.kind == CTouchBlock::Message) {
        auto* label = static_cast<QLabel*>(controls_[IdMessageField]);
        QStringList lines;
        for (const std::string& l : block.lines)
            lines << Q(l);
        messageText_ = lines.join(QLatin1Char('\n'));
        label->setFont(font);
        QPalette pal = label->palette();
        pal.setColor(QPalette::Window, prim);
        pal.setColor(QPalette::WindowText, TextColour(block.font));
        label->setPalette(pal);
        label->setGeometry(text.adjusted(-g, -g, g, g));
        label->setText(doc_.MessageVisible() ? messageText_ : QString());
        label->setEnabled(true);
        label->show();
    } else {
        int ly = text.top();
        for (std::size_t i = 0; i < block.lines.size(); ++i) {
            const bool title = block.largeTitle && i == 0;
            const QFont& f = title ? titleFont : font;
            const QFontMetrics m(f);
            const int h = m.height() + m.leading();
            ops_.push_back({QRect(text.left(), ly, std::max(width, 1), h),
                            {},
                            Q(block.lines[i]),
                            f,
                            title ? Colour(doc_.Touch().LgTxtClr) : TextColour(block.font),
                            prim,
                            Qt::AlignLeft | Qt::AlignVCenter});
            ly += h;
        }
    }
    const int bottom = text.top() + height + frame;
    return {bottom, bottom + 2 * g};
}

void CVantoraTouchView::PlaceOptionRows(int top, int centre, Lane lane, int& bottom) {
    // Each row: the value field, six average widths wide and centred on the
    // centre line, then the option's name. Rows too wide for the lane move
    // left, and take a smaller face when that is not enough.
    QFont font = Scaled(medium_, scale_);
    int avg = 0, nameW = 0, lineH = 0;
    auto measure = [&] {
        const QFontMetrics m(font);
        avg = m.averageCharWidth();
        lineH = m.height() + m.leading();
        nameW = 0;
        for (const CTouchOptionRow& row : screen_.optionRows)
            nameW = std::max(nameW, m.horizontalAdvance(Q(row.name)));
    };
    measure();
    while (7 * avg + nameW > lane.Width() && font.pixelSize() > 1) {
        font = Narrowed(font, lane.Width(), 7 * avg + nameW);
        measure();
    }
    const int fieldLeft =
        std::clamp(centre - 3 * avg, lane.left, std::max(lane.left, lane.right - 7 * avg - nameW));
    for (std::size_t i = 0; i < screen_.optionRows.size(); ++i) {
        auto* e = static_cast<QLineEdit*>(controls_[IdFirstOptionField + int(i)]);
        const int y = top + int(i) * lineH;
        e->setFont(font);
        e->setGeometry(fieldLeft, y, 6 * avg, lineH);
        e->setText(Q(screen_.optionRows[i].value));
        e->setEnabled(true);
        e->show();
        ops_.push_back({QRect(fieldLeft + 7 * avg, y, std::max(nameW, 1), lineH),
                        {},
                        Q(screen_.optionRows[i].name),
                        font,
                        Colour(doc_.Touch().MedTxtClr),
                        Qt::white,
                        Qt::AlignLeft | Qt::AlignVCenter});
        if (int(i) == screen_.focusedRow) {
            e->setFocus();
            e->selectAll();
        }
        bottom = std::max(bottom, y + lineH);
    }
}

void CVantoraTouchView::Arrange() {
    if (!setUp_)
        return;
    screen_ = CTouchScreen::Build(doc_);
    // A screen whose text runs below the window is laid out again in
    // proportionally smaller faces.
    const int g = layout_.Gap();
    const bool area = std::any_of(screen_.blocks.begin(), screen_.blocks.end(),
                                  [](const CTouchBlock& b) { return b.kind == CTouchBlock::Area; });
    // Screens led by the facility block start higher.
    const bool facility = doc_.State() == CVantoraTouchDoc::IdPrompt ||
                          doc_.State() == CVantoraTouchDoc::OutOfService;
    const int top = area ? 6 * g : facility ? 8 * g : 16 * g;
    const int limit = height() - (area ? 6 * g : g);
    scale_ = 1.0;
    for (int pass = 0; pass < 6; ++pass) {
        const int bottom = Place(area, top);
        if (bottom <= limit || bottom <= top || scale_ < 0.2)
            break;
        scale_ *= 0.98 * double(limit - top) / double(bottom - top);
    }
}

int CVantoraTouchView::Place(bool area, int top) {
    ops_.clear();
    for (auto& [id, w] : controls_) {
        w->hide();
        w->setEnabled(false);
    }
    const int g = layout_.Gap();
    const int keypad = layout_.KeypadLeft();
    int centre = layout_.Centre(screen_.wholeWidth);
    Lane lane{g, screen_.wholeWidth ? layout_.W - g : keypad - 2 * g};
    int y = top;
    if (area) {
        // The whole message area is framed; every block, the message field
        // with its own frame included, stays inside its text margins.
        const QRect outer(QPoint(2 * g, 2 * g), QPoint(keypad - 2 * g, height() - 2 * g));
        ops_.push_back({outer, Colour(doc_.Touch().SecFrmClr), {}, std::nullopt, {}, {}, 0});
        ops_.push_back({outer.adjusted(2 * g, 2 * g, -2 * g, -2 * g),
                        Colour(doc_.Touch().PrimFrmClr),
                        {},
                        std::nullopt,
                        {},
                        {},
                        0});
        lane = Lane{6 * g, keypad - 6 * g};
        centre = (lane.left + lane.right) / 2;
    }

    int bottom = y;
    for (const CTouchBlock& b : screen_.blocks) {
        const Placed placed = Block(b, y, centre, lane);
        bottom = placed.bottom;
        y = placed.next;
    }
    const int promptBottom = y;

    const QFont fieldFont = Scaled(medium_, scale_);
    const QFontMetrics fm(fieldFont);
    const int avg = fm.averageCharWidth();
    const int lineH = fm.height() + fm.leading();
    if (screen_.idField) {
        auto* e = static_cast<QLineEdit*>(controls_[IdIdField]);
        e->setFont(fieldFont);
        e->setGeometry(centre - 5 * avg, promptBottom + lineH, 10 * avg, lineH);
        e->setText(Q(screen_.idText));
        e->setEnabled(true);
        e->show();
        bottom = promptBottom + 2 * lineH;
    }
    if (screen_.circuitField) {
        auto* e = static_cast<QLineEdit*>(controls_[IdCircuitField]);
        e->setFont(fieldFont);
        e->setGeometry(centre - avg, promptBottom, 3 * avg, lineH);
        e->setText(Q(screen_.circuitText));
        e->setEnabled(true);
        e->show();
        e->setFocus();
        e->selectAll();
        bottom = promptBottom + lineH;
    }
    PlaceOptionRows(promptBottom, centre, lane, bottom);
    if (screen_.firstButton) {
        for (int id = screen_.firstButton, n = 0; id <= screen_.lastButton; ++id, ++n) {
            const CTouchRect r = layout_.Button(n);
            QWidget* b = controls_[id];
            b->setGeometry(r.x, r.y, r.w, r.h);
            b->setEnabled(true);
            b->show();
        }
    }
    if (!screen_.circuitField && screen_.focusedRow < 0)
        setFocus();
    return bottom;
}

std::vector<CVantoraTouchView::Drawn> CVantoraTouchView::Drawing() const {
    std::vector<Drawn> drawn;
    for (const DrawOp& op : ops_) {
        if (op.font)
            drawn.push_back(
                {QFontMetrics(*op.font).boundingRect(op.rect, op.align, op.text), op.text});
        else
            drawn.push_back({op.rect, {}});
    }
    return drawn;
}

void CVantoraTouchView::paintEvent(QPaintEvent*) {
    QPainter p(this);
    for (const DrawOp& op : ops_) {
        if (!op.font) {
            p.fillRect(op.rect, op.fill);
            continue;
        }
        p.setFont(*op.font);
        const QRect bounds = p.boundingRect(op.rect, op.align, op.text);
        p.fillRect(bounds, op.background);
        p.setPen(op.colour);
        p.drawText(op.rect, op.align, op.text);
    }
}
