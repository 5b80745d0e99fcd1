#pragma once
// CProgress: how a long loop of the desk program tells the user how far it
// got. The frame shows it as the progress window (a text such as "Loading
// members, please wait..." over a bar); tests pass a recorder; without
// either, nothing is shown.

#include <string>

class CProgress {
public:
    virtual ~CProgress() = default;
    // A loop of `count` steps begins.
    virtual void Start(const std::string& text, int count) = 0;
    // One record done.
    virtual void Step() = 0;
    // The loop ended; the window goes.
    virtual void Finish() = 0;
    // A single save or load without steps (the wait window) begins and ends.
    virtual void Wait(const std::string& text) { Start(text, 0); }
    virtual void EndWait() { Finish(); }

    // The progress that shows nothing.
    static CProgress& None();
};

// Finishes a started progress when the loop leaves, by any path.
class CProgressScope {
public:
    CProgressScope(CProgress& progress, const std::string& text, int count) : progress_(progress) {
        progress_.Start(text, count);
    }
    ~CProgressScope() { progress_.Finish(); }
    CProgressScope(const CProgressScope&) = delete;
    CProgressScope& operator=(const CProgressScope&) = delete;
    void Step() { progress_.Step(); }

private:
    CProgress& progress_;
};
