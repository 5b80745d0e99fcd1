#include "kiosk/touchview.h"

#include "db/daodef.h"
#include "kiosk/touchdoc.h"

#include <QApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QLineEdit>
#include <QPainter>
#include <QPushButton>

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

} // namespace

CVantoraTouchView::CVantoraTouchView(CVantoraTouchDoc& doc, QWidget* parent)
    : QWidget(parent), doc_(doc) {
    setFocusPolicy(Qt::StrongFocus);
    setAutoFillBackground(true);
    beep = [] { QApplication::beep(); };
    idle_.setSingleShot(true);
    idle_.setInterval(IdleFlushMs);
    connect(&idle_, &QTimer::timeout, this, [this] { doc_.Idle(); });
    doc_.onChanged = [this] { Changed(); };
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

void CVantoraTouchView::Changed() {
    ArmTimers();
    if (doc_.State() == CVantoraTouchDoc::IdPrompt)
        idle_.start();
    else
        idle_.stop();
    Arrange();
    update();
}

void CVantoraTouchView::ArmTimers() {
    // Every change of screen restarts the countdowns it arms; a blink tick
    // only redraws and keeps the timers running.
    const auto wanted = doc_.Timers();
    for (auto& [id, t] : timers_) {
        const bool keep = std::any_of(wanted.begin(), wanted.end(), [id = id](const auto& w) {
            return w.id == id && w.repeating;
        });
        if (!keep)
            t->stop();
    }
    for (const auto& spec : wanted) {
        auto& t = timers_[spec.id];
        if (!t) {
            t = std::make_unique<QTimer>();
            connect(t.get(), &QTimer::timeout, this, [this, id = spec.id] {
                if (id != CVantoraTouchDoc::BlinkTimer)
                    timers_[id]->stop();
                doc_.TimerExpired(id);
            });
        }
        if (spec.repeating && t->isActive())
            continue;
        t->setSingleShot(!spec.repeating);
        t->start(spec.periodMs);
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

int CVantoraTouchView::Block(const CTouchBlock& block, int y, int centre, int areaLeft) {
    const int g = layout_.Gap();
    const QColor white(Qt::white);
    const QColor prim = Colour(doc_.Touch().PrimFrmClr);
    const QColor sec = Colour(doc_.Touch().SecFrmClr);
    QFont font = FontOf(block.font);
    QFont titleFont = large_;

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
    // Room for the text between the frames: a block wider than its area
    // gets a smaller face rather than running under the keypad or off the
    // screen.
    const int right = screen_.wholeWidth ? layout_.W : layout_.KeypadLeft() - g;
    const int room = block.kind == CTouchBlock::Area      ? right - 3 * g - areaLeft
                     : block.kind == CTouchBlock::Centred ? right - 2 * g
                                                          : right - 9 * g;
    if (width > room && room > 0) {
        const double k = double(room) / width;
        font.setPixelSize(std::max(1, int(font.pixelSize() * k)));
        titleFont.setPixelSize(std::max(1, int(titleFont.pixelSize() * k)));
        measure();
    }
    const QFontMetrics fm(font);
    const int lineH = fm.height() + fm.leading();

    if (block.kind == CTouchBlock::Centred) {
        for (const std::string& line : block.lines) {
            // Centred on the centre line, but never starting off the screen.
            const int w = fm.horizontalAdvance(Q(line));
            ops_.push_back({QRect(std::max(g, centre - w / 2), y, w, lineH),
                            {},
                            Q(line),
                            font,
                            Colour(doc_.Touch().MedTxtClr),
                            white,
                            Qt::AlignCenter});
            y += lineH;
        }
        return y + lineH / 2;
    }

    // Centred on the centre line; a block too wide for its area keeps its
    // frame on the screen.
    QRect text(std::max(centre - width / 2, 4 * g), y + 4 * g, width, height);
    if (block.kind == CTouchBlock::Area)
        text = QRect(areaLeft, y, width, height);
    if (block.kind != CTouchBlock::Area) {
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
            ops_.push_back({QRect(text.left(), ly, std::max(width, 1) + 2 * g, h),
                            {},
                            Q(block.lines[i]),
                            f,
                            title ? Colour(doc_.Touch().LgTxtClr) : TextColour(block.font),
                            prim,
                            Qt::AlignLeft | Qt::AlignVCenter});
            ly += h;
        }
    }
    const int bottom = block.kind == CTouchBlock::Area ? text.bottom() : text.bottom() + 4 * g;
    return bottom + 2 * g;
}

void CVantoraTouchView::Arrange() {
    if (!setUp_)
        return;
    ops_.clear();
    screen_ = CTouchScreen::Build(doc_);
    for (auto& [id, w] : controls_) {
        w->hide();
        w->setEnabled(false);
    }
    const int g = layout_.Gap();
    const int centre = layout_.Centre(screen_.wholeWidth);
    const auto state = doc_.State();
    int y = state == CVantoraTouchDoc::IdPrompt ? 8 * g : 16 * g;

    bool area = false;
    for (const CTouchBlock& b : screen_.blocks)
        area = area || b.kind == CTouchBlock::Area;
    if (area) {
        const QRect outer(QPoint(2 * g, 2 * g),
                          QPoint(layout_.KeypadLeft() - 2 * g, height() - 2 * g));
        ops_.push_back({outer, Colour(doc_.Touch().SecFrmClr), {}, std::nullopt, {}, {}, 0});
        ops_.push_back({outer.adjusted(2 * g, 2 * g, -2 * g, -2 * g),
                        Colour(doc_.Touch().PrimFrmClr),
                        {},
                        std::nullopt,
                        {},
                        {},
                        0});
        y = 6 * g;
    }

    int promptBottom = y;
    for (const CTouchBlock& b : screen_.blocks) {
        if (area && b.kind == CTouchBlock::Message) {
            // Inside the area frame the message field sits at the text margin.
            CTouchBlock m = b;
            const QFontMetrics fm(medium_);
            int w = 0;
            for (const auto& l : m.lines)
                w = std::max(w, fm.horizontalAdvance(Q(l)));
            y = Block(m, y - 4 * g, 6 * g + w / 2 + 4 * g, 6 * g);
            continue;
        }
        y = Block(b, y, centre, 6 * g);
        promptBottom = y;
    }

    const QFontMetrics fm(medium_);
    const int avg = fm.averageCharWidth();
    const int lineH = fm.height() + fm.leading();
    if (screen_.idField) {
        auto* e = static_cast<QLineEdit*>(controls_[IdIdField]);
        e->setGeometry(centre - 5 * avg, promptBottom + lineH, 10 * avg, lineH);
        e->setText(Q(screen_.idText));
        e->setEnabled(true);
        e->show();
    }
    if (screen_.circuitField) {
        auto* e = static_cast<QLineEdit*>(controls_[IdCircuitField]);
        e->setGeometry(centre - avg, promptBottom, 3 * avg, lineH);
        e->setText(Q(screen_.circuitText));
        e->setEnabled(true);
        e->show();
        e->setFocus();
        e->selectAll();
    }
    for (std::size_t i = 0; i < screen_.optionRows.size(); ++i) {
        auto* e = static_cast<QLineEdit*>(controls_[IdFirstOptionField + int(i)]);
        const int top = promptBottom + int(i) * lineH;
        e->setGeometry(centre - 3 * avg, top, 6 * avg, lineH);
        e->setText(Q(screen_.optionRows[i].value));
        e->setEnabled(true);
        e->show();
        ops_.push_back(
            {QRect(centre + 4 * avg, top, layout_.KeypadLeft() - centre - 4 * avg, lineH),
             {},
             Q(screen_.optionRows[i].name),
             medium_,
             Colour(doc_.Touch().MedTxtClr),
             Qt::white,
             Qt::AlignLeft | Qt::AlignVCenter});
        if (int(i) == screen_.focusedRow) {
            e->setFocus();
            e->selectAll();
        }
    }
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
