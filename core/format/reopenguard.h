#pragma once

// Keeps the popover from opening again right after an outside click closed it: the click on
// the tray icon or launcher that closed it also asks it to toggle.
class ReopenGuard {
public:
    static constexpr double suppressSeconds = 0.35;

    // now is a monotonic time in seconds.
    void noteOutsideClick(double now) { m_suppressUntil = now + suppressSeconds; }
    bool allowsShow(double now) const { return now > m_suppressUntil; }

private:
    double m_suppressUntil = -1;
};
