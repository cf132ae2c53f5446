#pragma once

#include "model/volumekind.h"

#include <QHash>
#include <QList>
#include <QWidget>

class AutostartManager;
class PreferencesStore;
class QButtonGroup;
class QCheckBox;
class QComboBox;
class QLabel;
class QRadioButton;
class QSpinBox;
class QVBoxLayout;
class VolumeStore;
namespace GlobalShortcuts {
class Registry;
}

// The settings pane of the main window. Every control writes the preferences at once; the
// shown kinds are applied to the volume store, a change of surfaces or of the ignored volumes
// is announced for the application to apply, and the auto-eject settings reach their
// controller through the defaults' change notification.
class PreferencesPane : public QWidget {
    Q_OBJECT
public:
    struct Dependencies {
        PreferencesStore *prefs = nullptr;
        // The store whose shown kinds the pane changes.
        VolumeStore *store = nullptr;
        // Null where the program cannot start at login.
        AutostartManager *autostart = nullptr;
        // The named global shortcuts (for the recorder); null where none are kept.
        GlobalShortcuts::Registry *shortcuts = nullptr;
    };

    explicit PreferencesPane(Dependencies dependencies, QWidget *parent = nullptr);

    static constexpr int minIdleMinutes = 1;
    static constexpr int maxIdleMinutes = 120;
    // Shown in the idle field while idle ejection is off.
    static constexpr int idleMinutesWhileOff = 5;

    QCheckBox *launchAtLoginBox() const { return m_launchAtLoginBox; }
    QLabel *launchAtLoginError() const { return m_launchAtLoginError; }
    QComboBox *languagePopUp() const { return m_languagePopUp; }
    // Tray, Popover, Both.
    const QList<QRadioButton *> &surfaceRadios() const { return m_surfaceRadios; }
    QCheckBox *kindBox(VolumeKind kind) const { return m_kindBoxes.value(kind); }
    QCheckBox *sleepBox() const { return m_sleepBox; }
    QCheckBox *lockBox() const { return m_lockBox; }
    QCheckBox *idleBox() const { return m_idleBox; }
    // The idle minutes: the field with its stepper.
    QSpinBox *idleField() const { return m_idleField; }
    QCheckBox *remountBox() const { return m_remountBox; }
    // The ignored-volume rows, or the "None" label.
    QWidget *exclusionsStack() const { return m_exclusionsStack; }
    QComboBox *confirmationPopUp() const { return m_confirmationPopUp; }

    static QString relaunchQuestion();

signals:
    // The menu-bar and popover choice changed: the surfaces are to be shown or hidden.
    void surfacesChanged();
    // A volume was taken off the ignored list: the menus that mark ignored volumes are stale.
    void exclusionsChanged();
    // A new language was chosen and the user asked to relaunch now.
    void relaunchRequested();

protected:
    void showEvent(QShowEvent *event) override;

private:
    QWidget *shortcutRow();
    QWidget *buildContent();
    QLabel *sectionHeader(const QString &title);
    QWidget *idleRow();

    void surfaceChosen(int index);
    void kindToggled();
    void triggerToggled();
    void idleToggled();
    void idleMinutesChanged(int minutes);
    void updateRemountEnabled();
    void rebuildExclusions();
    void removeExclusion(int index);
    void confirmationChosen(int index);
    void languageChosen();
    void launchAtLoginToggled(bool enabled);
    void refreshLaunchAtLogin();
    bool askToRelaunch();

    Dependencies m_d;
    PreferencesStore &m_prefs;

    QHash<VolumeKind, QCheckBox *> m_kindBoxes;
    QList<QRadioButton *> m_surfaceRadios;
    QButtonGroup *m_surfaceGroup = nullptr;
    QCheckBox *m_launchAtLoginBox = nullptr;
    QComboBox *m_languagePopUp = nullptr;
    QLabel *m_launchAtLoginError = nullptr;
    QCheckBox *m_sleepBox = nullptr;
    QCheckBox *m_lockBox = nullptr;
    QCheckBox *m_idleBox = nullptr;
    QSpinBox *m_idleField = nullptr;
    QCheckBox *m_remountBox = nullptr;
    QWidget *m_exclusionsStack = nullptr;
    QVBoxLayout *m_exclusionsLayout = nullptr;
    QComboBox *m_confirmationPopUp = nullptr;
};
