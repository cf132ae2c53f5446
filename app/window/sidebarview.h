#pragma once

#include "common/surfaceinterfaces.h"

#include <QWidget>
#include <functional>
#include <optional>

class QAbstractButton;
class QListWidget;

// The main window's sidebar: one row per pane with its symbol and title, exactly one of them
// selected, and a "Send Feedback…" link below.
class SidebarView : public QWidget {
    Q_OBJECT
public:
    static constexpr int rowHeight = 28;
    static constexpr int minimumThickness = 150;
    static constexpr int maximumThickness = 260;

    explicit SidebarView(QWidget *parent = nullptr);

    // A row chosen by the user; never called for select().
    std::function<void(MainWindowPane)> onSelect;
    std::function<void()> onFeedback;

    void select(MainWindowPane pane);
    std::optional<MainWindowPane> selectedPane() const;
    // A pane without content has no row.
    void setPaneAvailable(MainWindowPane pane, bool available);
    bool isPaneAvailable(MainWindowPane pane) const;

    QListWidget *list() const { return m_list; }
    QAbstractButton *feedbackButton() const { return m_feedback; }

    static QString title(MainWindowPane pane);
    static QIcon icon(MainWindowPane pane);

protected:
    void paintEvent(QPaintEvent *event) override;

private:
    void selectionChanged();

    QListWidget *m_list;
    QAbstractButton *m_feedback;
    bool m_suppressSelectionCallback = false;
    MainWindowPane m_selected = MainWindowPane::volumes;
};
