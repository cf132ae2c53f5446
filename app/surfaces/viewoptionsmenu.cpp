#include "surfaces/viewoptionsmenu.h"

#include "model/viewoptions.h"
#include "stores/preferencesstore.h"

#include <QActionGroup>
#include <QCoreApplication>
#include <QMenu>

namespace ViewOptionsMenu {

namespace {

constexpr char sectionProperty[] = "quillmereViewOptionSection";

QString storedValue(Section section, const PreferencesStore &prefs)
{
    switch (section) {
    case Section::sort:
        return enumName(prefs.sortMode());
    case Section::display:
        return enumName(prefs.windowIconMode());
    case Section::view:
        return enumName(prefs.popoverViewMode());
    }
    return {};
}

QActionGroup *addSection(QMenu *menu, const PreferencesStore *prefs, Section section,
                         const QString &header, const QList<QPair<QString, QString>> &options,
                         const std::function<void(const QAction *)> &select)
{
    if (!menu->isEmpty())
        menu->addSeparator();
    menu->addAction(header)->setEnabled(false);
    // Exclusive, so the style draws the marks as a choice of one.
    auto *group = new QActionGroup(menu);
    group->setExclusive(true);
    for (const auto &[title, raw] : options) {
        QAction *item = menu->addAction(title);
        item->setCheckable(true);
        item->setData(raw);
        item->setProperty(sectionProperty, int(section));
        group->addAction(item);
        QObject::connect(item, &QAction::triggered, menu, [menu, prefs, select, item] {
            if (select)
                select(item);
            // The group checked the item; the stored value decides (an unknown one changes
            // nothing).
            refreshChecks(menu, *prefs);
        });
    }
    return group;
}

} // namespace

void addSections(QMenu *menu, const PreferencesStore &prefs, Handlers handlers)
{
    // The preferences outlive every menu of the program.
    const PreferencesStore *store = &prefs;
    addSection(
        menu, store, Section::sort,
        //: Menu section header
        QCoreApplication::translate("ViewOptionsMenu", "Sort by"),
        {//: View option: sort order
         {QCoreApplication::translate("ViewOptionsMenu", "Name"), enumName(SortMode::name)},
         //: View option: sort order
         {QCoreApplication::translate("ViewOptionsMenu", "Kind"), enumName(SortMode::kind)},
         //: View option: sort order
         {QCoreApplication::translate("ViewOptionsMenu", "Size"), enumName(SortMode::size)},
         //: View option: sort order
         {QCoreApplication::translate("ViewOptionsMenu", "Free Space"), enumName(SortMode::free)}},
        handlers.selectSort);
    addSection(menu, store, Section::display,
               //: Menu section header
               QCoreApplication::translate("ViewOptionsMenu", "Window icon"),
               {//: View option: what the launcher icon shows
                {QCoreApplication::translate("ViewOptionsMenu", "Program Icon"),
                 enumName(WindowIconMode::icon)},
                //: View option: what the launcher icon shows
                {QCoreApplication::translate("ViewOptionsMenu", "Volume Stack"),
                 enumName(WindowIconMode::stack)}},
               handlers.selectDisplay);
    QActionGroup *last = addSection(
        menu, store, Section::view,
        //: Menu section header
        QCoreApplication::translate("ViewOptionsMenu", "View content as"),
        {//: View option: popover layout
         {QCoreApplication::translate("ViewOptionsMenu", "Fan"), enumName(PopoverViewMode::fan)},
         //: View option: popover layout
         {QCoreApplication::translate("ViewOptionsMenu", "Grid"), enumName(PopoverViewMode::grid)},
         //: View option: popover layout
         {QCoreApplication::translate("ViewOptionsMenu", "List"), enumName(PopoverViewMode::list)},
         //: View option: popover layout
         {QCoreApplication::translate("ViewOptionsMenu", "Automatic"),
          enumName(PopoverViewMode::automatic)}},
        handlers.selectView);
    refreshChecks(menu, prefs);
    // Bound to a group, so a menu that deletes its groups to fill itself again keeps no
    // connection of the old sections.
    QObject::connect(menu, &QMenu::aboutToShow, last,
                     [menu, store] { refreshChecks(menu, *store); });
}

void refreshChecks(QMenu *menu, const PreferencesStore &prefs)
{
    for (QAction *item : menu->actions()) {
        Section section;
        if (sectionOf(item, &section))
            item->setChecked(item->data().toString() == storedValue(section, prefs));
    }
}

bool sectionOf(const QAction *item, Section *section)
{
    const QVariant value = item ? item->property(sectionProperty) : QVariant();
    if (!value.isValid())
        return false;
    *section = Section(value.toInt());
    return true;
}

} // namespace ViewOptionsMenu
