#include "window/sidebarview.h"

#include "surfaces/symbolicons.h"
#include "surfaces/systemfont.h"

#include <QListWidget>
#include <QPainter>
#include <QPushButton>
#include <QVBoxLayout>

namespace {

constexpr MainWindowPane allPanes[] = {MainWindowPane::volumes, MainWindowPane::history,
                                       MainWindowPane::preferences};

} // namespace

SidebarView::SidebarView(QWidget *parent)
    : QWidget(parent), m_list(new QListWidget(this)), m_feedback(new QPushButton(this))
{
    setMinimumWidth(minimumThickness);
    setMaximumWidth(maximumThickness);

    m_list->setFrameShape(QFrame::NoFrame);
    m_list->setSelectionMode(QAbstractItemView::SingleSelection);
    m_list->setIconSize(QSize(20, 20));
    m_list->setUniformItemSizes(true);
    m_list->setVerticalScrollBarPolicy(Qt::ScrollBarAsNeeded);
    m_list->setHorizontalScrollBarPolicy(Qt::ScrollBarAlwaysOff);
    m_list->setFont(SystemFont::ofSize(13));
    m_list->setTextElideMode(Qt::ElideRight);
    // The sidebar shares the window's background, as a source list does.
    m_list->viewport()->setAutoFillBackground(false);
    m_list->setAutoFillBackground(false);
    m_list->setStyleSheet(QStringLiteral("QListWidget { background: transparent; }"
                                         "QListWidget::item { padding-left: 4px; }"));
    for (MainWindowPane pane : allPanes) {
        auto *item = new QListWidgetItem(icon(pane), title(pane), m_list);
        item->setSizeHint(QSize(0, rowHeight));
        item->setData(Qt::UserRole, int(pane));
    }
    m_list->setCurrentRow(0);
    connect(m_list, &QListWidget::itemSelectionChanged, this, &SidebarView::selectionChanged);

    auto *feedback = static_cast<QPushButton *>(m_feedback);
    //: Footer link
    feedback->setText(tr("Send Feedback…"));
    feedback->setFlat(true);
    feedback->setCursor(Qt::PointingHandCursor);
    feedback->setFont(SystemFont::ofSize(10));
    QPalette linkPalette = feedback->palette();
    linkPalette.setColor(QPalette::ButtonText, linkPalette.color(QPalette::Link));
    feedback->setPalette(linkPalette);
    feedback->setStyleSheet(QStringLiteral("QPushButton { border: none; padding: 0; }"));
    connect(feedback, &QPushButton::clicked, this, [this] {
        if (onFeedback)
            onFeedback();
    });

    auto *layout = new QVBoxLayout(this);
    layout->setContentsMargins(0, 0, 0, 10);
    layout->setSpacing(4);
    layout->addWidget(m_list, 1);
    auto *footer = new QHBoxLayout;
    footer->setContentsMargins(14, 0, 8, 0);
    footer->addWidget(m_feedback, 0, Qt::AlignLeft);
    footer->addStretch(1);
    layout->addLayout(footer);
}

QString SidebarView::title(MainWindowPane pane)
{
    switch (pane) {
    case MainWindowPane::volumes:
        //: Sidebar pane / window title
        return tr("Volumes");
    case MainWindowPane::history:
        //: Sidebar pane / window title
        return tr("History");
    case MainWindowPane::preferences:
        //: Sidebar pane / window title
        return tr("Preferences");
    }
    return {};
}

QIcon SidebarView::icon(MainWindowPane pane)
{
    switch (pane) {
    case MainWindowPane::volumes:
        return SymbolIcons::icon(SymbolIcons::Symbol::drive);
    case MainWindowPane::history:
        return SymbolIcons::icon(SymbolIcons::Symbol::clock);
    case MainWindowPane::preferences:
        return SymbolIcons::icon(SymbolIcons::Symbol::gear);
    }
    return {};
}

void SidebarView::select(MainWindowPane pane)
{
    m_selected = pane;
    m_suppressSelectionCallback = true;
    m_list->setCurrentRow(int(pane));
    m_suppressSelectionCallback = false;
}

std::optional<MainWindowPane> SidebarView::selectedPane() const
{
    const QList<QListWidgetItem *> selected = m_list->selectedItems();
    if (selected.isEmpty())
        return std::nullopt;
    return MainWindowPane(selected.constFirst()->data(Qt::UserRole).toInt());
}

void SidebarView::setPaneAvailable(MainWindowPane pane, bool available)
{
    m_list->item(int(pane))->setHidden(!available);
}

bool SidebarView::isPaneAvailable(MainWindowPane pane) const
{
    return !m_list->item(int(pane))->isHidden();
}

void SidebarView::selectionChanged()
{
    const std::optional<MainWindowPane> chosen = selectedPane();
    if (!chosen) {
        // A click beside the rows clears the selection; one row always stays chosen.
        select(m_selected);
        return;
    }
    if (m_suppressSelectionCallback || *chosen == m_selected)
        return;
    m_selected = *chosen;
    if (onSelect)
        onSelect(*chosen);
}

void SidebarView::paintEvent(QPaintEvent *)
{
    // A shade apart from the pane beside it, with a hairline between them.
    QPainter painter(this);
    const QColor window = palette().color(QPalette::Window);
    painter.fillRect(rect(), window.lightness() > 128 ? window.darker(104) : window.lighter(115));
    painter.setPen(palette().color(QPalette::Mid));
    painter.drawLine(rect().topRight(), rect().bottomRight());
}
