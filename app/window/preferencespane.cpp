#include "window/preferencespane.h"

#include "common/alertdialog.h"
#include "discovery/volumestore.h"
#include "format/volumerowformatter.h"
#include "operations/confirmationmodel.h"
#include "services/autostartmanager.h"
#include "shortcut/shortcuthint.h"
#include "shortcut/shortcutrecorder.h"
#include "stores/preferencesstore.h"
#include "window/languagepicker.h"

#include <QButtonGroup>
#include <QCheckBox>
#include <QComboBox>
#include <QHBoxLayout>
#include <QLabel>
#include <QPushButton>
#include <QRadioButton>
#include <QScrollArea>
#include <QSignalBlocker>
#include <QSpinBox>
#include <QVBoxLayout>
#include <algorithm>

namespace {

// Sizes are laid out for a 13-point body text; other sizes keep their proportion to it.
QFont scaledFont(QFont font, double points)
{
    if (font.pointSizeF() > 0)
        font.setPointSizeF(font.pointSizeF() * points / 13.0);
    return font;
}

// Secondary and tertiary text: the window text, fainter.
void setFaintText(QLabel *label, double opacity)
{
    QPalette palette = label->palette();
    for (const QPalette::ColorGroup group : {QPalette::Active, QPalette::Inactive}) {
        QColor color = palette.color(group, QPalette::WindowText);
        color.setAlphaF(static_cast<float>(opacity));
        palette.setColor(group, QPalette::WindowText, color);
    }
    label->setPalette(palette);
}

const QColor errorRed(0xc0, 0x1c, 0x28);

// A row of controls side by side, as wide as they need.
QWidget *row(std::initializer_list<QWidget *> widgets, int spacing)
{
    auto *container = new QWidget;
    auto *layout = new QHBoxLayout(container);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(spacing);
    for (QWidget *widget : widgets)
        layout->addWidget(widget);
    return container;
}

// Takes any number while it is typed and clamps it into the range when editing ends, where a
// plain spin box would refuse the keystroke that leaves the range.
class MinutesField : public QSpinBox {
public:
    using QSpinBox::QSpinBox;

    QValidator::State validate(QString &input, int &) const override
    {
        const QString text = input.trimmed();
        if (text.isEmpty())
            return QValidator::Intermediate;
        if (text.size() > 6 ||
            !std::all_of(text.cbegin(), text.cend(), [](QChar c) { return c.isDigit(); }))
            return QValidator::Invalid;
        const int value = text.toInt();
        return value >= minimum() && value <= maximum() ? QValidator::Acceptable
                                                        : QValidator::Intermediate;
    }

    void fixup(QString &input) const override
    {
        bool ok = false;
        const int value = input.trimmed().toInt(&ok);
        if (ok)
            input = QString::number(std::clamp(value, minimum(), maximum()));
    }
};

} // namespace

PreferencesPane::PreferencesPane(Dependencies dependencies, QWidget *parent)
    : QWidget(parent), m_d(dependencies), m_prefs(*dependencies.prefs)
{
    auto *scroll = new QScrollArea(this);
    scroll->setFrameShape(QFrame::NoFrame);
    scroll->setWidgetResizable(true);
    scroll->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->setHorizontalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    scroll->viewport()->setAutoFillBackground(false);
    QWidget *content = buildContent();
    content->setAutoFillBackground(false);
    scroll->setWidget(content);

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->addWidget(scroll);

    refreshLaunchAtLogin();
    rebuildExclusions();
}

QString PreferencesPane::relaunchQuestion()
{
    //: Language relaunch prompt title
    return tr("Relaunch Quillmere to switch language?");
}

QLabel *PreferencesPane::sectionHeader(const QString &title)
{
    auto *header = new QLabel(title);
    QFont font = scaledFont(this->font(), 12);
    font.setBold(true);
    header->setFont(font);
    return header;
}

QWidget *PreferencesPane::shortcutRow()
{
    //: Preferences row label
    auto *label = new QLabel(tr("Eject All shortcut:"));
    auto *recorder = new ShortcutRecorder(m_d.shortcuts, GlobalShortcuts::Name::ejectAll());
    label->setBuddy(recorder);
    auto *hint = new ShortcutHint(m_d.shortcuts, GlobalShortcuts::Name::ejectAll());
    setFaintText(hint, 0.6);
    return row({label, recorder, hint}, 8);
}

QWidget *PreferencesPane::buildContent()
{
    auto *content = new QWidget;
    auto *stack = new QVBoxLayout(content);
    stack->setContentsMargins(20, 20, 20, 20);
    stack->setSpacing(8);
    const auto add = [stack](QWidget *widget) { stack->addWidget(widget, 0, Qt::AlignLeft); };
    const auto addSection = [this, stack, &add](const QString &title) {
        if (stack->count() > 0)
            stack->addSpacing(6);
        add(sectionHeader(title));
    };

    //: Preferences section
    addSection(tr("General:"));
    //: Preferences checkbox
    m_launchAtLoginBox = new QCheckBox(tr("Launch at login"));
    m_launchAtLoginBox->setVisible(m_d.autostart != nullptr);
    connect(m_launchAtLoginBox, &QCheckBox::clicked, this, &PreferencesPane::launchAtLoginToggled);
    add(m_launchAtLoginBox);

    m_launchAtLoginError = new QLabel;
    m_launchAtLoginError->setTextFormat(Qt::PlainText);
    m_launchAtLoginError->setWordWrap(true);
    m_launchAtLoginError->setMaximumWidth(300);
    m_launchAtLoginError->setFont(scaledFont(font(), 11));
    QPalette errorPalette = m_launchAtLoginError->palette();
    errorPalette.setColor(QPalette::WindowText, errorRed);
    m_launchAtLoginError->setPalette(errorPalette);
    m_launchAtLoginError->hide();
    // Wrapped text takes the width it is given, so it is not centred on a narrow column.
    stack->addWidget(m_launchAtLoginError);

    //: Language picker label
    auto *languageLabel = new QLabel(tr("Language:"));
    m_languagePopUp = LanguagePicker::makePopUp(m_prefs.languageOverride());
    languageLabel->setBuddy(m_languagePopUp);
    connect(m_languagePopUp, &QComboBox::activated, this, &PreferencesPane::languageChosen);
    add(row({languageLabel, m_languagePopUp}, 8));

    //: Preferences section
    addSection(tr("Show volumes in:"));
    m_surfaceGroup = new QButtonGroup(this);
    //: Surface radio
    const QStringList surfaceTitles{tr("Tray"),
                                    //: Surface radio
                                    tr("Popover"),
                                    //: Surface radio
                                    tr("Both")};
    const bool menuBar = m_prefs.menuBarEnabled();
    const bool dock = m_prefs.popoverEnabled();
    // Neither (set outside the pane) shows as both.
    const int selected = menuBar && !dock ? 0 : dock && !menuBar ? 1 : 2;
    for (int index = 0; index < surfaceTitles.size(); ++index) {
        auto *radio = new QRadioButton(surfaceTitles.at(index));
        radio->setChecked(index == selected);
        m_surfaceGroup->addButton(radio, index);
        m_surfaceRadios.append(radio);
        add(radio);
    }
    connect(m_surfaceGroup, &QButtonGroup::idClicked, this, &PreferencesPane::surfaceChosen);

    //: Preferences section
    addSection(tr("Show these volume types:"));
    const VolumeKindSet enabledKinds = m_prefs.enabledKinds();
    for (const VolumeKind kind : enumValues<VolumeKind>()) {
        auto *box = new QCheckBox(VolumeRowFormatter::displayKind(kind));
        box->setChecked(enabledKinds.contains(kind));
        connect(box, &QCheckBox::clicked, this, &PreferencesPane::kindToggled);
        m_kindBoxes.insert(kind, box);
        add(box);
    }

    //: Preferences section
    addSection(tr("Behavior:"));
    //: Preferences checkbox
    m_sleepBox = new QCheckBox(tr("Eject external volumes when the computer sleeps"));
    m_sleepBox->setChecked(m_prefs.autoEjectOnSleep());
    //: Preferences checkbox
    m_lockBox = new QCheckBox(tr("Eject external volumes when the screen locks"));
    m_lockBox->setChecked(m_prefs.autoEjectOnLock());
    //: Preferences checkbox
    m_remountBox = new QCheckBox(tr("Remount auto-ejected volumes on wake"));
    m_remountBox->setChecked(m_prefs.remountOnWake());
    for (QCheckBox *box : {m_sleepBox, m_lockBox, m_remountBox})
        connect(box, &QCheckBox::clicked, this, &PreferencesPane::triggerToggled);
    add(m_sleepBox);
    add(m_lockBox);
    add(idleRow());
    add(m_remountBox);
    add(shortcutRow());
    updateRemountEnabled();

    //: Preferences section
    addSection(tr("Ignored volumes:"));
    auto *hint = new QLabel(
        //: Preferences hint
        tr("Ignored volumes are skipped by auto-eject and Eject All. Right-click a volume and "
           "choose “Ignore in Auto-Eject & Eject All” to add one."));
    hint->setWordWrap(true);
    hint->setFont(scaledFont(font(), 11));
    hint->setFixedWidth(340);
    // The scroll area sizes the pane from size hints, which wrap text at no particular width;
    // longer translations would lose their last line.
    hint->setMinimumHeight(hint->heightForWidth(340));
    setFaintText(hint, 0.6);
    stack->addWidget(hint);
    m_exclusionsStack = new QWidget;
    m_exclusionsLayout = new QVBoxLayout(m_exclusionsStack);
    m_exclusionsLayout->setContentsMargins(0, 0, 0, 0);
    m_exclusionsLayout->setSpacing(4);
    add(m_exclusionsStack);

    //: Preferences section
    addSection(tr("Destructive actions:"));
    //: Preferences row label
    auto *confirmationLabel = new QLabel(tr("Confirm erase with:"));
    m_confirmationPopUp = new QComboBox;
    for (const ConfirmationModel model : enumValues<ConfirmationModel>())
        m_confirmationPopUp->addItem(confirmationModelTitle(model), enumName(model));
    m_confirmationPopUp->setCurrentIndex(
        m_confirmationPopUp->findData(enumName(m_prefs.confirmationModel())));
    confirmationLabel->setBuddy(m_confirmationPopUp);
    connect(m_confirmationPopUp, &QComboBox::activated, this, &PreferencesPane::confirmationChosen);
    add(row({confirmationLabel, m_confirmationPopUp}, 6));

    stack->addStretch(1);
    return content;
}

QWidget *PreferencesPane::idleRow()
{
    const int minutes = m_prefs.autoEjectIdleMinutes();
    const bool on = minutes >= minIdleMinutes;

    //: Idle-eject checkbox prefix
    m_idleBox = new QCheckBox(tr("Eject external volumes after"));
    m_idleBox->setChecked(on);
    connect(m_idleBox, &QCheckBox::clicked, this, &PreferencesPane::idleToggled);

    m_idleField = new MinutesField;
    m_idleField->setRange(minIdleMinutes, maxIdleMinutes);
    m_idleField->setSingleStep(1);
    m_idleField->setWrapping(false);
    m_idleField->setAlignment(Qt::AlignCenter);
    m_idleField->setCorrectionMode(QAbstractSpinBox::CorrectToNearestValue);
    // Typed minutes count when editing ends, the stepper's at each step.
    m_idleField->setKeyboardTracking(false);
    m_idleField->setValue(on ? minutes : idleMinutesWhileOff);
    m_idleField->setEnabled(on);
    connect(m_idleField, &QSpinBox::valueChanged, this, &PreferencesPane::idleMinutesChanged);

    //: Idle-eject row suffix
    auto *suffix = new QLabel(tr("minutes without disk activity"));
    return row({m_idleBox, m_idleField, suffix}, 4);
}

void PreferencesPane::showEvent(QShowEvent *event)
{
    // Both may have changed while the pane was hidden: the desktop's autostart settings, and
    // volumes ignored from their menus.
    refreshLaunchAtLogin();
    rebuildExclusions();
    QWidget::showEvent(event);
}

void PreferencesPane::surfaceChosen(int index)
{
    m_prefs.setMenuBarEnabled(index == 0 || index == 2);
    m_prefs.setPopoverEnabled(index == 1 || index == 2);
    emit surfacesChanged();
}

void PreferencesPane::kindToggled()
{
    VolumeKindSet kinds;
    for (auto it = m_kindBoxes.cbegin(); it != m_kindBoxes.cend(); ++it) {
        if (it.value()->isChecked())
            kinds.insert(it.key());
    }
    m_prefs.setEnabledKinds(kinds);
    // The store tells every surface to redraw.
    if (m_d.store)
        m_d.store->setEnabledKinds(kinds);
}

void PreferencesPane::triggerToggled()
{
    m_prefs.setAutoEjectOnSleep(m_sleepBox->isChecked());
    m_prefs.setAutoEjectOnLock(m_lockBox->isChecked());
    m_prefs.setRemountOnWake(m_remountBox->isChecked());
    updateRemountEnabled();
}

void PreferencesPane::idleToggled()
{
    const bool on = m_idleBox->isChecked();
    m_idleField->setEnabled(on);
    m_prefs.setAutoEjectIdleMinutes(
        on ? std::clamp(m_idleField->value(), minIdleMinutes, maxIdleMinutes) : 0);
    updateRemountEnabled();
}

void PreferencesPane::idleMinutesChanged(int minutes)
{
    if (m_idleBox->isChecked())
        m_prefs.setAutoEjectIdleMinutes(minutes);
}

void PreferencesPane::updateRemountEnabled()
{
    // Its stored value stays as it is.
    m_remountBox->setEnabled(m_sleepBox->isChecked() || m_lockBox->isChecked() ||
                             m_idleBox->isChecked());
}

void PreferencesPane::rebuildExclusions()
{
    while (QLayoutItem *item = m_exclusionsLayout->takeAt(0)) {
        if (QWidget *widget = item->widget()) {
            // The row of a "Remove" just pressed is still handling that press.
            widget->hide();
            widget->setParent(nullptr);
            widget->deleteLater();
        }
        delete item;
    }

    const ExcludedVolumeList volumes = m_prefs.excludedVolumes();
    if (volumes.isEmpty()) {
        //: Empty ignored-volumes list
        auto *none = new QLabel(tr("None"));
        none->setFont(scaledFont(font(), 12));
        setFaintText(none, 0.4);
        m_exclusionsLayout->addWidget(none, 0, Qt::AlignLeft);
        return;
    }
    for (int index = 0; index < volumes.size(); ++index) {
        auto *name = new QLabel(volumes.at(index).name);
        name->setTextFormat(Qt::PlainText);
        //: Ignored-volumes row button
        auto *remove = new QPushButton(tr("Remove"));
        remove->setFont(scaledFont(font(), 11));
        connect(remove, &QPushButton::clicked, this, [this, index] { removeExclusion(index); });
        m_exclusionsLayout->addWidget(row({name, remove}, 10), 0, Qt::AlignLeft);
    }
}

void PreferencesPane::removeExclusion(int index)
{
    ExcludedVolumeList volumes = m_prefs.excludedVolumes();
    if (index < 0 || index >= volumes.size())
        return;
    volumes.removeAt(index);
    m_prefs.setExcludedVolumes(volumes);
    rebuildExclusions();
    // The tray's volume menus show which volumes are ignored.
    emit exclusionsChanged();
}

void PreferencesPane::confirmationChosen(int index)
{
    if (const auto model =
            enumFromName<ConfirmationModel>(m_confirmationPopUp->itemData(index).toString()))
        m_prefs.setConfirmationModel(*model);
}

void PreferencesPane::languageChosen()
{
    const std::optional<QString> selected = LanguagePicker::selectedOverride(m_languagePopUp);
    if (selected == m_prefs.languageOverride())
        return;
    m_prefs.setLanguageOverride(selected);
    if (askToRelaunch())
        emit relaunchRequested();
}

bool PreferencesPane::askToRelaunch()
{
    AlertDialog alert(AlertDialog::Style::informational, relaunchQuestion(),
                      //: Language relaunch prompt body
                      tr("The new language takes effect when Quillmere reopens."),
                      //: Language relaunch button
                      tr("Relaunch Now"), false, this);
    //: Dismiss button
    alert.cancelButton()->setText(tr("Later"));
    alert.setWindowFlag(Qt::WindowStaysOnTopHint);
    return alert.run();
}

void PreferencesPane::launchAtLoginToggled(bool enabled)
{
    AutostartManager *autostart = m_d.autostart;
    if (!autostart)
        return;
    if (const std::optional<QString> error = autostart->setEnabled(enabled)) {
        m_launchAtLoginBox->setChecked(!enabled);
        if (enabled)
            //: Login-item error
            m_launchAtLoginError->setText(tr("Couldn't enable launch at login: %1").arg(*error));
        else
            //: Login-item error
            m_launchAtLoginError->setText(tr("Couldn't disable launch at login: %1").arg(*error));
        m_launchAtLoginError->show();
        return;
    }
    m_prefs.setLaunchAtLogin(enabled);
    m_launchAtLoginError->hide();
}

void PreferencesPane::refreshLaunchAtLogin()
{
    if (AutostartManager *autostart = m_d.autostart)
        m_launchAtLoginBox->setChecked(autostart->isEnabled());
    m_launchAtLoginError->hide();
}
