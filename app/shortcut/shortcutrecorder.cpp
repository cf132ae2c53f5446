#include "shortcut/shortcutrecorder.h"

#include "common/alertdialog.h"
#include "shortcut/keyeventshortcut.h"
#include "shortcuts/keymapping.h"
#include "shortcuts/menubarshortcuts.h"
#include "shortcuts/recorderrules.h"
#include "shortcuts/shortcutregistry.h"

#include <QApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QProxyStyle>
#include <QPushButton>
#include <QStyleOptionFrame>

using GlobalShortcuts::Shortcut;

namespace {

// The field never shows a text cursor: it records keys, it does not edit text.
class NoCursorStyle : public QProxyStyle {
public:
    int pixelMetric(PixelMetric metric, const QStyleOption *option,
                    const QWidget *widget) const override
    {
        if (metric == PM_TextCursorWidth)
            return 0;
        return QProxyStyle::pixelMetric(metric, option, widget);
    }
};

// How far outside the field a click still counts as a click on it.
constexpr int clickTolerance = 3;

} // namespace

ShortcutRecorder::ShortcutRecorder(GlobalShortcuts::Registry *registry, GlobalShortcuts::Name name,
                                   QWidget *parent)
    : QLineEdit(parent), m_registry(registry), m_name(std::move(name))
{
    auto *style = new NoCursorStyle;
    style->setParent(this);
    setStyle(style);
    setMinimumWidth(minimumFieldWidth);
    setClearButtonEnabled(true);
    setContextMenuPolicy(Qt::NoContextMenu);
    setAcceptDrops(false);
    setDragEnabled(false);
    setAttribute(Qt::WA_InputMethodEnabled, false);
    setPlaceholderText(recordShortcutText());

    beep = [] { QApplication::beep(); };
    presentAlert = [this](const Alert &alert) { return presentWithDialog(window(), alert); };

    // The clear button empties the field as an edit.
    connect(this, &QLineEdit::textEdited, this, [this](const QString &text) {
        if (text.isEmpty())
            clearShortcut();
    });
    if (m_registry) {
        connect(m_registry, &GlobalShortcuts::Registry::shortcutByNameDidChange, this,
                [this](const QString &changed) {
                    if (changed == m_name.rawValue)
                        refreshText();
                });
        connect(m_registry, &GlobalShortcuts::Registry::availabilityChanged, this,
                &ShortcutRecorder::refreshAvailability);
    }
    refreshAvailability();
}

ShortcutRecorder::~ShortcutRecorder()
{
    // The names layer must not stay paused by a recorder that is gone.
    endRecording();
}

bool ShortcutRecorder::isAvailable() const
{
    return m_registry && m_registry->isAvailable();
}

QString ShortcutRecorder::pressShortcutText()
{
    //: Shortcut field placeholder while recording (press_shortcut)
    return tr("Press shortcut");
}

QString ShortcutRecorder::recordShortcutText()
{
    //: Shortcut field placeholder when no shortcut is set (record_shortcut)
    return tr("Record shortcut");
}

QString ShortcutRecorder::unavailableText()
{
    //: Shortcut field text where the desktop cannot give programs global shortcuts
    return tr("This desktop has no global shortcuts");
}

QSize ShortcutRecorder::sizeHint() const
{
    QSize size = QLineEdit::sizeHint();
    const QString longest = placeholderText().size() > text().size() ? placeholderText() : text();
    QStyleOptionFrame option;
    initStyleOption(&option);
    const int textWidth = fontMetrics().horizontalAdvance(longest) + 2 * size.height();
    const int width =
        style()
            ->sizeFromContents(QStyle::CT_LineEdit, &option, QSize(textWidth, size.height()), this)
            .width();
    size.setWidth(qMax(minimumFieldWidth, qMax(width, size.width())));
    return size;
}

QSize ShortcutRecorder::minimumSizeHint() const
{
    QSize size = QLineEdit::minimumSizeHint();
    size.setWidth(qMax(size.width(), minimumFieldWidth));
    return size;
}

void ShortcutRecorder::refreshText()
{
    if (!isAvailable()) {
        setText(QString());
        return;
    }
    const std::optional<Shortcut> stored = m_registry->shortcut(m_name);
    setText(stored ? GlobalShortcuts::KeyMapping::description(*stored) : QString());
    updateGeometry();
}

void ShortcutRecorder::refreshAvailability()
{
    const bool available = isAvailable();
    if (!available)
        stopAndDropFocus();
    const bool changed = available != m_available;
    m_available = available;
    setEnabled(available);
    setClearButtonEnabled(available);
    if (available) {
        setPlaceholderText(m_recording ? pressShortcutText() : recordShortcutText());
        setToolTip(QString());
    } else {
        setPlaceholderText(unavailableText());
        //: Tooltip of the shortcut field where the desktop offers no global shortcuts
        setToolTip(tr("This desktop offers programs no global shortcuts. They work in an X11 "
                      "session, and on Wayland where the desktop portal offers global "
                      "shortcuts."));
    }
    refreshText();
    updateGeometry();
    if (changed)
        emit availabilityChanged(available);
}

void ShortcutRecorder::startRecording()
{
    if (m_recording || !isAvailable())
        return;
    m_recording = true;
    deselect();
    setPlaceholderText(pressShortcutText());
    m_registry->setRecorderActive(true);
    qApp->installEventFilter(this);
    grabKeyboardIfActive();
}

void ShortcutRecorder::grabKeyboardIfActive()
{
    // On X11 other programs' grabs would take their combinations before we see them, and the
    // recorder could never say that they are taken. Only while our window is the active one,
    // so that the keyboard is never kept from the program the user turned to.
    if (!m_recording || m_grabsKeyboard || !isVisible() || !window()->isActiveWindow() ||
        QGuiApplication::platformName() != QLatin1String("xcb"))
        return;
    grabKeyboard();
    m_grabsKeyboard = true;
}

void ShortcutRecorder::endRecording()
{
    if (!m_recording)
        return;
    m_recording = false;
    qApp->removeEventFilter(this);
    if (m_grabsKeyboard)
        releaseKeyboard();
    m_grabsKeyboard = false;
    setPlaceholderText(isAvailable() ? recordShortcutText() : unavailableText());
    if (m_registry)
        m_registry->setRecorderActive(false);
}

void ShortcutRecorder::stopAndDropFocus()
{
    endRecording();
    if (hasFocus())
        clearFocus();
}

void ShortcutRecorder::takeFocusAgain()
{
    if (!isVisible() || !isAvailable())
        return;
    window()->activateWindow();
    setFocus(Qt::OtherFocusReason);
    startRecording();
}

void ShortcutRecorder::focusInEvent(QFocusEvent *event)
{
    QLineEdit::focusInEvent(event);
    deselect();
    // A window that opens or comes back gives its focus widget the focus again; that is not
    // the user asking to record.
    if (event->reason() == Qt::ActiveWindowFocusReason) {
        // Recording that began while the window was still coming back.
        grabKeyboardIfActive();
        QMetaObject::invokeMethod(
            this,
            [this] {
                if (!m_recording && hasFocus())
                    clearFocus();
            },
            Qt::QueuedConnection);
        return;
    }
    startRecording();
}

void ShortcutRecorder::focusOutEvent(QFocusEvent *event)
{
    endRecording();
    QLineEdit::focusOutEvent(event);
}

void ShortcutRecorder::hideEvent(QHideEvent *event)
{
    endRecording();
    QLineEdit::hideEvent(event);
}

bool ShortcutRecorder::event(QEvent *event)
{
    if (m_recording) {
        // Every key is ours while recording: no menu shortcut, no Tab to the next field.
        if (event->type() == QEvent::ShortcutOverride) {
            event->accept();
            return true;
        }
        if (event->type() == QEvent::KeyPress) {
            keyPressEvent(static_cast<QKeyEvent *>(event));
            return true;
        }
    }
    return QLineEdit::event(event);
}

bool ShortcutRecorder::eventFilter(QObject *watched, QEvent *event)
{
    if (m_recording && event->type() == QEvent::MouseButtonRelease) {
        const auto *mouse = static_cast<QMouseEvent *>(event);
        if (mouse->button() == Qt::LeftButton || mouse->button() == Qt::RightButton) {
            const QRect area =
                rect().adjusted(-clickTolerance, -clickTolerance, clickTolerance, clickTolerance);
            if (!area.contains(mapFromGlobal(mouse->globalPosition().toPoint())))
                stopAndDropFocus();
        }
    }
    return QLineEdit::eventFilter(watched, event);
}

void ShortcutRecorder::keyPressEvent(QKeyEvent *event)
{
    if (!m_recording) {
        // Focus moves on with Tab; nothing else edits the field.
        if (event->key() == Qt::Key_Tab || event->key() == Qt::Key_Backtab)
            QLineEdit::keyPressEvent(event);
        return;
    }
    event->accept();
    if (event->isAutoRepeat())
        return;
    record(event);
}

void ShortcutRecorder::keyReleaseEvent(QKeyEvent *event)
{
    event->accept();
}

void ShortcutRecorder::mousePressEvent(QMouseEvent *event)
{
    QLineEdit::mousePressEvent(event);
    // A click on a field that kept its focus while the window was away brings no focus event.
    if (hasFocus())
        startRecording();
}

void ShortcutRecorder::mouseReleaseEvent(QMouseEvent *event)
{
    // The middle button would paste the selection.
    if (event->button() == Qt::MiddleButton)
        return;
    QLineEdit::mouseReleaseEvent(event);
}

void ShortcutRecorder::record(QKeyEvent *event)
{
    using namespace GlobalShortcuts;
    if (KeyEventShortcut::isModifierKey(event->key()))
        return;
    const qint64 modifiers =
        KeyMapping::carbonModifiers(event->modifiers()) & CarbonModifier::hotKeyMask;
    if (modifiers == 0 && event->key() == Qt::Key_Escape) {
        stopAndDropFocus();
        return;
    }
    if (modifiers == 0 && (event->key() == Qt::Key_Backspace || event->key() == Qt::Key_Delete)) {
        clearShortcut();
        return;
    }

    const std::optional<Shortcut> pressed =
        KeyEventShortcut::from(*event, m_registry ? m_registry->service() : nullptr);
    if (!pressed || (modifiers == 0 && !RecorderRules::mayStandAlone(pressed->carbonKeyCode))) {
        if (beep)
            beep();
        return;
    }
    const Shortcut shortcut{pressed->carbonKeyCode, modifiers};

    if (const auto item = MenuBarShortcuts::itemFor(shortcut)) {
        stopAndDropFocus();
        //: Alert when a recorded shortcut is a menu item's (keyboard_shortcut_used_by_menu_item)
        alert({tr("This shortcut cannot be used because it is already used by the menu item "
                  "“%1”.")
                   .arg(MenuBarShortcuts::title(*item)),
               QString(), QString()});
        return;
    }

    const RecorderRules::Refusal refusal = RecorderRules::refusal(shortcut);
    if (refusal != RecorderRules::Refusal::none) {
        stopAndDropFocus();
        const QString reason =
            refusal == RecorderRules::Refusal::typesText
                //: Why a recorded shortcut is refused: Shift with a letter, digit or arrow
                ? tr("With Shift alone this key types or selects text in every program. Add "
                     "Ctrl, Alt or Super.")
                //: Why a recorded shortcut is refused: the key cannot be watched for
                : tr("The desktop cannot watch for this key.");
        //: Alert when a recorded shortcut is not allowed (keyboard_shortcut_disallowed)
        alert({tr("This shortcut cannot be used."), reason, QString()});
        return;
    }

    if (m_registry->isTakenElsewhere(shortcut)) {
        QPointer<ShortcutRecorder> self(this);
        stopAndDropFocus();
        const bool force = alert(
            //: Alert when another program or the desktop holds the combination
            //: (keyboard_shortcut_used_by_system)
            {tr("This shortcut is already used by another program or by the desktop."),
             //: Informative text of that alert (keyboard_shortcuts_can_be_changed)
             tr("The desktop’s own shortcuts can be changed in its keyboard settings; another "
                "program holds its combination while it runs."),
             //: Button that stores the combination anyway (force_use_shortcut)
             tr("Use Anyway")});
        if (!self)
            return;
        takeFocusAgain();
        if (force)
            accept(shortcut);
        return;
    }

    accept(shortcut);
}

void ShortcutRecorder::accept(const Shortcut &shortcut)
{
    setText(GlobalShortcuts::KeyMapping::description(shortcut));
    if (m_registry)
        m_registry->setShortcut(shortcut, m_name);
    if (onChange)
        onChange(shortcut);
    stopAndDropFocus();
    updateGeometry();
}

void ShortcutRecorder::clearShortcut()
{
    setText(QString());
    if (m_registry)
        m_registry->setShortcut(std::nullopt, m_name);
    if (onChange)
        onChange(std::nullopt);
    takeFocusAgain();
}

bool ShortcutRecorder::alert(const Alert &alert)
{
    return presentAlert ? presentAlert(alert) : false;
}

bool ShortcutRecorder::presentWithDialog(QWidget *window, const Alert &alert)
{
    //: Button that closes an alert
    const QString ok = tr("OK");
    if (alert.forceButtonTitle.isEmpty()) {
        AlertDialog dialog(AlertDialog::Style::warning, alert.message, alert.informativeText, ok,
                           window);
        dialog.setWindowModality(Qt::WindowModal);
        dialog.run();
        return false;
    }
    AlertDialog dialog(AlertDialog::Style::warning, alert.message, alert.informativeText, ok, false,
                       window);
    dialog.setWindowModality(Qt::WindowModal);
    // The second button stores the combination anyway; closing the alert does not.
    bool forced = false;
    dialog.cancelButton()->setText(alert.forceButtonTitle);
    QObject::connect(dialog.cancelButton(), &QPushButton::clicked, &dialog,
                     [&forced] { forced = true; });
    dialog.run();
    return forced;
}
