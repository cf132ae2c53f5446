#pragma once

#include <QMenuBar>
#include <functional>

class QAction;
class QMenu;

// The main window's menu bar: File, Edit, View, Window and Help. Items whose handler is unset
// are left out rather than shown dead.
class MainMenuBar : public QMenuBar {
    Q_OBJECT
public:
    struct Handlers {
        std::function<void()> ejectAll;
        std::function<void()> close;
        // Unset until uninstalling is offered.
        std::function<void()> uninstall;
        std::function<void()> quit;
        // Unset while there is no Preferences pane.
        std::function<void()> preferences;
        std::function<void()> viewAsGrid;
        std::function<void()> viewAsList;
        // Appends the view-option sections below "as Grid" and "as List" each time the View
        // menu opens, so their check marks show the current settings.
        std::function<void(QMenu *)> addViewOptionSections;
        std::function<void()> minimize;
        std::function<void()> zoom;
        std::function<void()> help;
        std::function<void()> feedback;
        std::function<void()> licenseAgreement;
        std::function<void()> privacyPolicy;
        std::function<void()> about;
    };

    explicit MainMenuBar(Handlers handlers, QWidget *parent = nullptr);

    // Checks "as List" or "as Grid".
    void setListMode(bool list);

    QMenu *fileMenu() const { return m_file; }
    QMenu *editMenu() const { return m_edit; }
    QMenu *viewMenu() const { return m_view; }
    QMenu *windowMenu() const { return m_window; }
    QMenu *helpMenu() const { return m_help; }
    QAction *gridAction() const { return m_grid; }
    QAction *listAction() const { return m_list; }

    // Brings the Edit menu's items up to date with the focused widget.
    void updateEditActions();

private:
    QAction *addItem(QMenu *menu, const QString &title, const std::function<void()> &handler,
                     const QKeySequence &shortcut = {});
    void rebuildViewOptionSections();

    Handlers m_handlers;
    QMenu *m_file;
    QMenu *m_edit;
    QMenu *m_view;
    QMenu *m_window;
    QMenu *m_help;
    QAction *m_grid = nullptr;
    QAction *m_list = nullptr;
    // Everything below it in the View menu belongs to the view-option sections.
    QAction *m_viewOptionsSeparator = nullptr;
    struct EditItem {
        QAction *action;
        const char *slot;
    };
    QList<EditItem> m_editItems;
};
