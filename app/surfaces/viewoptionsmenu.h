#pragma once

#include <QString>
#include <functional>

class PreferencesStore;
class QAction;
class QMenu;

// The three view-option sections (sort order, launcher display, popover layout) of the
// popover's options menu and the main window's View menu. Each option carries its stored raw
// value as data and is checked when that is the stored preference; the check marks are set
// again from the preferences whenever the menu is about to show, so a long-lived menu never
// shows a stale choice.
namespace ViewOptionsMenu {

enum class Section { sort, display, view };

struct Handlers {
    std::function<void(const QAction *)> selectSort;
    std::function<void(const QAction *)> selectDisplay;
    std::function<void(const QAction *)> selectView;
};

// Appends the sections, a separator before each unless the menu is empty. Their action groups
// are children of the menu; deleting those groups leaves nothing of the sections connected.
void addSections(QMenu *menu, const PreferencesStore &prefs, Handlers handlers);
// Sets every option's check mark from the preferences.
void refreshChecks(QMenu *menu, const PreferencesStore &prefs);
// The section an option belongs to; none for other entries.
bool sectionOf(const QAction *item, Section *section);

} // namespace ViewOptionsMenu
