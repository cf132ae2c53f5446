#include "window/viewmodecontrol.h"

#include "surfaces/symbolicons.h"

#include <QButtonGroup>
#include <QHBoxLayout>
#include <QToolButton>

ViewModeControl::ViewModeControl(QWidget *parent)
    : QWidget(parent), m_grid(new QToolButton(this)), m_list(new QToolButton(this))
{
    //: Toolbar tooltip
    setToolTip(tr("Show volumes as grid or list"));
    auto *group = new QButtonGroup(this);
    group->setExclusive(true);
    const struct {
        QToolButton *button;
        SymbolIcons::Symbol symbol;
        QString name;
        int id;
    } segments[] = {
        //: View-mode a11y label
        {m_grid, SymbolIcons::Symbol::grid, tr("Grid"), gridSegment},
        //: View-mode a11y label
        {m_list, SymbolIcons::Symbol::list, tr("List"), listSegment},
    };
    auto *layout = new QHBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 0);
    layout->setSpacing(0);
    for (const auto &segment : segments) {
        segment.button->setIcon(SymbolIcons::icon(segment.symbol));
        segment.button->setCheckable(true);
        segment.button->setAutoRaise(true);
        segment.button->setAccessibleName(segment.name);
        segment.button->setToolTip(toolTip());
        segment.button->setFocusPolicy(Qt::TabFocus);
        group->addButton(segment.button, segment.id);
        layout->addWidget(segment.button);
    }
    m_grid->setChecked(true);
    connect(group, &QButtonGroup::idClicked, this, [this](int id) {
        if (onChange)
            onChange(id);
    });
}

int ViewModeControl::selectedSegment() const
{
    return m_list->isChecked() ? listSegment : gridSegment;
}

void ViewModeControl::setSelectedSegment(int segment)
{
    (segment == listSegment ? m_list : m_grid)->setChecked(true);
}

QToolButton *ViewModeControl::segmentButton(int segment) const
{
    return segment == listSegment ? m_list : m_grid;
}
