#pragma once

#include <QString>
#include <optional>

class SettingsStore;

// Launch at login through the XDG autostart entry of this application. What the desktop will
// do at the next login is read from the entry itself, never remembered here.
class AutostartManager {
public:
    // The entry at `entryPath` starts `program`.
    explicit AutostartManager(QString entryPath = defaultEntryPath(), QString program = QString());
    virtual ~AutostartManager();

    // $XDG_CONFIG_HOME/autostart/<application id>.desktop
    static QString defaultEntryPath();

    QString entryPath() const { return m_entryPath; }
    // The program the entry starts; the running one unless given.
    QString program() const;

    // The entry exists, the desktop starts it, and its program is there (TryExec, else the
    // program of Exec, looked up on PATH when it is a bare name).
    virtual bool isEnabled() const;
    // Writes or removes the entry; on failure the reason, as the user reads it.
    virtual std::optional<QString> setEnabled(bool enabled);

    // At the first start only: marks the default applied first, then enables. A failure is
    // not retried, and a later start never enables again, even after the user turned it off.
    void applyFirstStartDefault(SettingsStore &defaults);

private:
    QString m_entryPath;
    QString m_program;
};
