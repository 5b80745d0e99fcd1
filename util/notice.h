#pragma once
// User notices: every message box of the system goes through this façade so
// that programs show a dialog, tools write to stderr and tests record the text.

#include <memory>
#include <string>
#include <vector>

namespace vantora::notice {

enum class Icon { None, Information, Exclamation, Stop, Question };
enum class Buttons { Ok, OkCancel, YesNo, YesNoCancel, RetryCancel };
enum class Answer { Ok, Cancel, Yes, No, Retry };

class Handler {
public:
    virtual ~Handler() = default;
    virtual void show(const std::string& text, Icon icon) = 0;
    virtual Answer ask(const std::string& text, Buttons buttons, Icon icon) = 0;
};

// Shows a message with an OK button.
void show(const std::string& text, Icon icon = Icon::None);
// Asks a question and returns the button chosen.
Answer ask(const std::string& text, Buttons buttons, Icon icon = Icon::Question);

// Installs a handler and returns the previous one. A null handler restores the
// default, which writes to stderr.
std::shared_ptr<Handler> setHandler(std::shared_ptr<Handler> handler);
std::shared_ptr<Handler> handler();

// Writes each notice to stderr; questions take the first (affirmative) button
// unless a default answer is set.
class StderrHandler : public Handler {
public:
    void show(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;
};

// Keeps every notice and answers questions from a script, in order; once the
// script is used up it answers with the fallback (Cancel by default).
class Recorder : public Handler {
public:
    struct Entry {
        std::string text;
        Icon icon;
        bool question;
        Buttons buttons;
    };

    void show(const std::string& text, Icon icon) override;
    Answer ask(const std::string& text, Buttons buttons, Icon icon) override;

    void answer(Answer a) { script_.push_back(a); }
    void setFallback(Answer a) { fallback_ = a; }

    const std::vector<Entry>& entries() const { return entries_; }
    std::vector<std::string> texts() const;
    std::string last() const { return entries_.empty() ? std::string() : entries_.back().text; }
    std::size_t count() const { return entries_.size(); }
    void clear() { entries_.clear(); }

private:
    std::vector<Entry> entries_;
    std::vector<Answer> script_;
    std::size_t next_ = 0;
    Answer fallback_ = Answer::Cancel;
};

// Installs a handler for the lifetime of the guard, then restores the previous.
class ScopedHandler {
public:
    explicit ScopedHandler(std::shared_ptr<Handler> h) : previous_(setHandler(std::move(h))) {}
    ~ScopedHandler() { setHandler(previous_); }
    ScopedHandler(const ScopedHandler&) = delete;
    ScopedHandler& operator=(const ScopedHandler&) = delete;

private:
    std::shared_ptr<Handler> previous_;
};

} // namespace vantora::notice
