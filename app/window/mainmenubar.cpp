#include "window/mainmenubar.h"

#include <QAbstractSpinBox>
#include <QActionGroup>
#include <QApplication>
#include <QLineEdit>
#include <QMenu>
#include <QMetaMethod>
#include <QPlainTextEdit>
#include <QTextEdit>

namespace {

bool hasSlot(const QObject *object, const char *slot)
{
    return object && object->metaObject()->indexOfMethod(
                         QMetaObject::normalizedSignature((QByteArray(slot) + "()").constData())
                             .constData()) >= 0;
}

// QTextEdit and QPlainTextEdit share these members but no base class that has them.
template <typename TextEdit> bool textEditCanPerform(const TextEdit *text, const QByteArray &slot)
{
    if (slot == "undo")
        return text->document()->isUndoAvailable();
    if (slot == "redo")
        return text->document()->isRedoAvailable();
    if (slot == "cut")
        return text->textCursor().hasSelection() && !text->isReadOnly();
    if (slot == "copy")
        return text->textCursor().hasSelection();
    if (slot == "paste")
        return !text->isReadOnly();
    return true;
}

// Whether the focused widget can do the edit command now, where it can tell.
bool canPerform(QWidget *focus, const QByteArray &slot)
{
    if (!hasSlot(focus, slot.constData()))
        return false;
    if (auto *spin = qobject_cast<QAbstractSpinBox *>(focus))
        focus = spin->findChild<QLineEdit *>();
    if (auto *line = qobject_cast<QLineEdit *>(focus)) {
        if (slot == "undo")
            return line->isUndoAvailable();
        if (slot == "redo")
            return line->isRedoAvailable();
        if (slot == "cut")
            return line->hasSelectedText() && !line->isReadOnly() &&
                   line->echoMode() == QLineEdit::Normal;
        if (slot == "copy")
            return line->hasSelectedText() && line->echoMode() == QLineEdit::Normal;
        if (slot == "paste")
            return !line->isReadOnly();
        if (slot == "selectAll")
            return !line->text().isEmpty();
    }
    if (auto *text = qobject_cast<QTextEdit *>(focus))
        return textEditCanPerform(text, slot);
    if (auto *text = qobject_cast<QPlainTextEdit *>(focus))
        return textEditCanPerform(text, slot);
    return true;
}

} // namespace

MainMenuBar::MainMenuBar(Handlers handlers, QWidget *parent)
    : QMenuBar(parent), m_handlers(std::move(handlers))
{
    //: Menu title
    m_file = addMenu(tr("&File"));
    //: Menu item
    addItem(m_file, tr("Eject All"), m_handlers.ejectAll,
            QKeySequence(Qt::CTRL | Qt::ALT | Qt::Key_E));
    m_file->addSeparator();
    //: Menu item
    addItem(m_file, tr("Close"), m_handlers.close, QKeySequence(Qt::CTRL | Qt::Key_W));
    if (m_handlers.uninstall) {
        m_file->addSeparator();
        //: Menu item
        addItem(m_file, tr("Uninstall Quillmere…"), m_handlers.uninstall);
    }
    m_file->addSeparator();
    //: Menu item
    addItem(m_file, tr("Quit Quillmere"), m_handlers.quit, QKeySequence(Qt::CTRL | Qt::Key_Q));

    //: Menu title
    m_edit = addMenu(tr("&Edit"));
    const struct {
        const char *slot;
        QString title;
        QKeySequence::StandardKey key;
    } editCommands[] = {
        //: Menu item
        {"undo", tr("Undo"), QKeySequence::Undo},
        //: Menu item
        {"redo", tr("Redo"), QKeySequence::Redo},
        {nullptr, {}, QKeySequence::UnknownKey},
        //: Menu item
        {"cut", tr("Cut"), QKeySequence::Cut},
        //: Menu item
        {"copy", tr("Copy"), QKeySequence::Copy},
        //: Menu item
        {"paste", tr("Paste"), QKeySequence::Paste},
        //: Menu item
        {"selectAll", tr("Select All"), QKeySequence::SelectAll},
    };
    for (const auto &command : editCommands) {
        if (!command.slot) {
            m_edit->addSeparator();
            continue;
        }
        QAction *action = m_edit->addAction(command.title);
        action->setShortcut(QKeySequence(command.key));
        const QByteArray slot(command.slot);
        connect(action, &QAction::triggered, this, [slot] {
            QWidget *focus = QApplication::focusWidget();
            if (canPerform(focus, slot))
                QMetaObject::invokeMethod(focus, slot.constData());
        });
        m_editItems.append({action, command.slot});
    }
    if (m_handlers.preferences) {
        m_edit->addSeparator();
        //: Menu item
        addItem(m_edit, tr("Preferences…"), m_handlers.preferences,
                QKeySequence(Qt::CTRL | Qt::Key_Comma));
    }
    connect(m_edit, &QMenu::aboutToShow, this, &MainMenuBar::updateEditActions);
    connect(qApp, &QApplication::focusChanged, this, &MainMenuBar::updateEditActions);
    updateEditActions();

    //: Menu title
    m_view = addMenu(tr("&View"));
    //: Menu item
    m_grid =
        addItem(m_view, tr("as Grid"), m_handlers.viewAsGrid, QKeySequence(Qt::CTRL | Qt::Key_1));
    //: Menu item
    m_list =
        addItem(m_view, tr("as List"), m_handlers.viewAsList, QKeySequence(Qt::CTRL | Qt::Key_2));
    m_grid->setCheckable(true);
    m_list->setCheckable(true);
    if (m_handlers.addViewOptionSections) {
        m_viewOptionsSeparator = m_view->addSeparator();
        connect(m_view, &QMenu::aboutToShow, this, &MainMenuBar::rebuildViewOptionSections);
        rebuildViewOptionSections();
    }

    //: Menu title
    m_window = addMenu(tr("&Window"));
    //: Menu item
    addItem(m_window, tr("Minimize"), m_handlers.minimize, QKeySequence(Qt::CTRL | Qt::Key_M));
    //: Menu item
    addItem(m_window, tr("Maximize"), m_handlers.zoom);

    //: Menu title
    m_help = addMenu(tr("&Help"));
    //: Menu item
    addItem(m_help, tr("Quillmere Help"), m_handlers.help, QKeySequence(Qt::Key_F1));
    //: Menu item
    addItem(m_help, tr("Send Feedback…"), m_handlers.feedback);
    m_help->addSeparator();
    //: Menu item
    addItem(m_help, tr("License Agreement"), m_handlers.licenseAgreement);
    //: Menu item
    addItem(m_help, tr("Privacy Policy"), m_handlers.privacyPolicy);
    m_help->addSeparator();
    //: Menu item
    QAction *about = addItem(m_help, tr("About Quillmere"), m_handlers.about);
    about->setMenuRole(QAction::AboutRole);
}

QAction *MainMenuBar::addItem(QMenu *menu, const QString &title,
                              const std::function<void()> &handler, const QKeySequence &shortcut)
{
    QAction *action = menu->addAction(title);
    action->setShortcut(shortcut);
    connect(action, &QAction::triggered, this, [handler] {
        if (handler)
            handler();
    });
    return action;
}

void MainMenuBar::setListMode(bool list)
{
    m_grid->setChecked(!list);
    m_list->setChecked(list);
}

void MainMenuBar::updateEditActions()
{
    QWidget *focus = QApplication::focusWidget();
    for (const EditItem &item : std::as_const(m_editItems))
        item.action->setEnabled(canPerform(focus, item.slot));
}

void MainMenuBar::rebuildViewOptionSections()
{
    const QList<QAction *> actions = m_view->actions();
    const qsizetype first = actions.indexOf(m_viewOptionsSeparator) + 1;
    for (qsizetype i = first; i < actions.size(); ++i) {
        m_view->removeAction(actions.at(i));
        if (actions.at(i)->parent() == m_view)
            actions.at(i)->deleteLater();
    }
    // The sections' groups (and what is bound to them) go with their actions, or each opening
    // of the menu would add to them for as long as the window lives.
    qDeleteAll(m_view->findChildren<QActionGroup *>(Qt::FindDirectChildrenOnly));
    m_handlers.addViewOptionSections(m_view);
}
