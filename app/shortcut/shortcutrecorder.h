#pragma once

#include "shortcuts/shortcut.h"
#include "shortcuts/shortcutname.h"

#include <QLineEdit>
#include <QPointer>
#include <functional>
#include <optional>

namespace GlobalShortcuts {
class Registry;
}

// The field that records the key combination of one shortcut name and stores it through the
// names layer. Clicking it (or tabbing to it) starts recording: the next combination is
// stored, Escape ends without a change, Delete or Backspace (or the clear button) clears.
// Where the desktop offers no global shortcuts it says so instead of recording.
//
// A preferences row hosts it with one line:
//     row->addWidget(new ShortcutRecorder(application.shortcuts(),
//     GlobalShortcuts::Name::ejectAll()));
class ShortcutRecorder : public QLineEdit {
    Q_OBJECT
public:
    static constexpr int minimumFieldWidth = 130;

    struct Alert {
        QString message;
        QString informativeText;
        // Empty for a single-button alert.
        QString forceButtonTitle;
    };

    // A null registry means no global shortcuts on this desktop.
    ShortcutRecorder(GlobalShortcuts::Registry *registry, GlobalShortcuts::Name name,
                     QWidget *parent = nullptr);
    ~ShortcutRecorder() override;

    bool isRecording() const { return m_recording; }
    bool isAvailable() const;
    GlobalShortcuts::Name shortcutName() const { return m_name; }

    // Called after the user recorded or cleared a combination.
    std::function<void(const std::optional<GlobalShortcuts::Shortcut> &)> onChange;
    // Shows an alert modally for the recorder's window; true when the force button was chosen.
    std::function<bool(const Alert &)> presentAlert;
    std::function<void()> beep;

    QSize sizeHint() const override;
    QSize minimumSizeHint() const override;

    // The component's texts.
    static QString pressShortcutText();
    static QString recordShortcutText();
    static QString unavailableText();

signals:
    void availabilityChanged(bool available);

protected:
    bool event(QEvent *event) override;
    bool eventFilter(QObject *watched, QEvent *event) override;
    void focusInEvent(QFocusEvent *event) override;
    void focusOutEvent(QFocusEvent *event) override;
    void keyPressEvent(QKeyEvent *event) override;
    void keyReleaseEvent(QKeyEvent *event) override;
    void mousePressEvent(QMouseEvent *event) override;
    void mouseReleaseEvent(QMouseEvent *event) override;
    void hideEvent(QHideEvent *event) override;

private:
    void startRecording();
    void endRecording();
    void grabKeyboardIfActive();
    void stopAndDropFocus();
    void record(QKeyEvent *event);
    void accept(const GlobalShortcuts::Shortcut &shortcut);
    void clearShortcut();
    void refreshText();
    void refreshAvailability();
    void takeFocusAgain();
    bool alert(const Alert &alert);
    static bool presentWithDialog(QWidget *window, const Alert &alert);

    QPointer<GlobalShortcuts::Registry> m_registry;
    GlobalShortcuts::Name m_name;
    bool m_recording = false;
    bool m_grabsKeyboard = false;
    bool m_available = false;
};
