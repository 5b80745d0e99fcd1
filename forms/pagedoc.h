#pragma once
// CPageDoc: what every settings page of the administration program and every
// sheet page of the desk program holds and does without a window: its values,
// loading them from the record sets when the page becomes active, checking and
// writing them when the user applies. The page widgets only copy their
// controls into a document and back.

#include <string>

class CPageDoc {
public:
    virtual ~CPageDoc() = default;

    // The page becomes active. The first activation of a run shows the page's
    // notice (if any) and loads; a later one reloads, so that the page shows
    // what others wrote meanwhile, unless the page holds changes that were
    // not applied yet: those are kept rather than silently thrown away.
    // Returns false when the load failed (the failure was shown).
    bool Activate();
    // Checks the values and writes them; on success the page is no longer
    // modified. On failure the message was shown and FocusField() names the
    // control that should take the cursor (-1: none).
    bool Apply();

    bool Visited() const { return visited_; }
    bool Modified() const { return modified_; }
    void SetModified(bool modified = true) { modified_ = modified; }
    int FocusField() const { return focus_; }

protected:
    // Fills the values from the record sets; false after showing the page's
    // load-failure message (the values are then empty or zero).
    virtual bool Load() = 0;
    // Checks the values; on failure shows the message and sets focus_.
    virtual bool Validate() = 0;
    // Writes the checked values; false after showing the failure.
    virtual bool Write() = 0;
    // Shown once per run, before the first load.
    virtual void FirstActivation() {}

    int focus_ = -1;

private:
    bool visited_ = false;
    bool modified_ = false;
};
