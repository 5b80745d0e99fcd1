#include "notice.h"

#include <iostream>
#include <mutex>

namespace vantora::notice {

namespace {

std::mutex& handlerMutex() {
    static std::mutex m;
    return m;
}

std::shared_ptr<Handler>& current() {
    static std::shared_ptr<Handler> h = std::make_shared<StderrHandler>();
    return h;
}

const char* iconWord(Icon icon) {
    switch (icon) {
    case Icon::Information:
        return "Information";
    case Icon::Exclamation:
        return "Warning";
    case Icon::Stop:
        return "Error";
    case Icon::Question:
        return "Question";
    case Icon::None:
        break;
    }
    return "Notice";
}

Answer affirmative(Buttons buttons) {
    switch (buttons) {
    case Buttons::YesNo:
    case Buttons::YesNoCancel:
        return Answer::Yes;
    case Buttons::RetryCancel:
        return Answer::Retry;
    case Buttons::Ok:
    case Buttons::OkCancel:
        break;
    }
    return Answer::Ok;
}

} // namespace

std::shared_ptr<Handler> setHandler(std::shared_ptr<Handler> h) {
    std::lock_guard lock(handlerMutex());
    if (!h)
        h = std::make_shared<StderrHandler>();
    std::swap(current(), h);
    return h;
}

std::shared_ptr<Handler> handler() {
    std::lock_guard lock(handlerMutex());
    return current();
}

void show(const std::string& text, Icon icon) { handler()->show(text, icon); }

Answer ask(const std::string& text, Buttons buttons, Icon icon) {
    return handler()->ask(text, buttons, icon);
}

void StderrHandler::show(const std::string& text, Icon icon) {
    std::cerr << iconWord(icon) << ": " << text << '\n';
}

Answer StderrHandler::ask(const std::string& text, Buttons buttons, Icon icon) {
    const Answer a = affirmative(buttons);
    std::cerr << iconWord(icon) << ": " << text << " [answered "
              << (a == Answer::Yes ? "Yes" : a == Answer::Retry ? "Retry" : "OK") << "]\n";
    return a;
}

void Recorder::show(const std::string& text, Icon icon) {
    entries_.push_back({text, icon, false, Buttons::Ok});
}

Answer Recorder::ask(const std::string& text, Buttons buttons, Icon icon) {
    entries_.push_back({text, icon, true, buttons});
    if (next_ < script_.size())
        return script_[next_++];
    return fallback_;
}

std::vector<std::string> Recorder::texts() const {
    std::vector<std::string> out;
    out.reserve(entries_.size());
    for (const auto& e : entries_)
        out.push_back(e.text);
    return out;
}

} // namespace vantora::notice
