#include "window/mainwindowcontroller.h"

#include "common/productpages.h"
#include "stores/preferencesstore.h"
#include "stores/settingskeys.h"
#include "stores/settingsstore.h"
#include "surfaces/symbolicons.h"
#include "window/historypanel.h"
#include "window/mainmenubar.h"
#include "window/sidebarview.h"
#include "window/viewmodecontrol.h"

#include <QApplication>
#include <QCloseEvent>
#include <QMainWindow>
#include <QMessageBox>
#include <QScreen>
#include <QSplitter>
#include <QStackedWidget>
#include <QStyle>
#include <QTimer>
#include <QToolBar>
#include <QWidgetAction>
#include <malloc.h>

namespace {

// Tells its controller when the user (or anything else) closed it.
class MainWindowFrame : public QMainWindow {
public:
    std::function<void()> onClosed;

protected:
    void closeEvent(QCloseEvent *event) override
    {
        QMainWindow::closeEvent(event);
        if (event->isAccepted() && onClosed)
            onClosed();
    }
};

QString key(const char *name)
{
    return QString::fromLatin1(name);
}

} // namespace

struct MainWindowController::Parts {
    std::unique_ptr<MainWindowFrame> window;
    SidebarView *sidebar = nullptr;
    QSplitter *split = nullptr;
    QStackedWidget *detail = nullptr;
    QToolBar *toolbar = nullptr;
    QWidgetAction *viewModeItem = nullptr;
    ViewModeControl *viewModeControl = nullptr;
    MainMenuBar *menuBar = nullptr;
    VolumesPanel *volumesPanel = nullptr;
    HistoryPanel *historyPanel = nullptr;
    QPointer<QWidget> preferencesPanel;
};

MainWindowController::MainWindowController(Dependencies dependencies, QObject *parent)
    : QObject(parent), m_deps(std::move(dependencies))
{
    const std::optional<QString> mode =
        m_deps.prefs ? m_deps.prefs->defaults().string(key(SettingsKeys::mainWindowViewMode))
                     : std::nullopt;
    // Only the exact word selects the list.
    m_viewMode =
        mode == QStringLiteral("list") ? VolumesPanel::Mode::list : VolumesPanel::Mode::grid;

    // A quit closes every window before the application says it is quitting; the window that
    // was open then is to open again at the next start.
    qApp->installEventFilter(this);
    connect(qApp, &QCoreApplication::aboutToQuit, this, [this] { m_isTerminating = true; });
}

MainWindowController::~MainWindowController()
{
    if (m_parts && m_parts->window)
        m_parts->window->onClosed = nullptr;
}

bool MainWindowController::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == qApp && event->type() == QEvent::Quit && !m_isTerminating) {
        m_isTerminating = true;
        if (m_isWindowVisible)
            saveGeometry();
    }
    return QObject::eventFilter(watched, event);
}

void MainWindowController::ensureWindow()
{
    if (m_parts)
        return;
    m_parts = std::make_unique<Parts>();
    Parts &parts = *m_parts;
    parts.window = std::make_unique<MainWindowFrame>();
    QMainWindow *window = parts.window.get();
    window->setObjectName(QStringLiteral("MainWindow"));
    window->setMinimumSize(minimumContentSize);
    window->setContextMenuPolicy(Qt::NoContextMenu);
    parts.window->onClosed = [this] { windowClosed(); };

    parts.sidebar = new SidebarView;
    parts.sidebar->setPaneAvailable(MainWindowPane::preferences, hasPreferencesPane());
    QPointer<MainWindowController> self(this);
    parts.sidebar->onSelect = [self](MainWindowPane pane) {
        if (self)
            self->showPane(pane);
    };
    parts.sidebar->onFeedback = [] { ProductPages::open(ProductPages::feedback()); };

    VolumesPanel::Dependencies volumes;
    volumes.volumesProvider = m_deps.volumesProvider;
    volumes.icons = m_deps.icons;
    volumes.actions = m_deps.actions;
    volumes.handlers = m_deps.volumeHandlers;
    volumes.busyProvider = m_deps.busyProvider;
    volumes.activityProvider = m_deps.activityProvider;
    parts.volumesPanel = new VolumesPanel(std::move(volumes));
    parts.volumesPanel->setMode(m_viewMode);
    parts.historyPanel = new HistoryPanel(*m_deps.history);

    parts.detail = new QStackedWidget;
    parts.detail->addWidget(parts.volumesPanel);
    parts.detail->addWidget(parts.historyPanel);

    parts.split = new QSplitter(Qt::Horizontal);
    parts.split->setChildrenCollapsible(false);
    parts.split->addWidget(parts.sidebar);
    parts.split->addWidget(parts.detail);
    parts.split->setStretchFactor(0, 0);
    parts.split->setStretchFactor(1, 1);
    parts.split->setSizes({180, contentSize.width() - 180});
    window->setCentralWidget(parts.split);

    parts.toolbar = new QToolBar(window);
    parts.toolbar->setObjectName(QStringLiteral("MainWindowToolbar"));
    parts.toolbar->setMovable(false);
    parts.toolbar->setFloatable(false);
    parts.toolbar->setToolButtonStyle(Qt::ToolButtonIconOnly);
    parts.toolbar->toggleViewAction()->setVisible(false);
    //: Toolbar item
    QAction *toggleSidebar = parts.toolbar->addAction(
        SymbolIcons::icon(SymbolIcons::Symbol::sidebar), tr("Toggle Sidebar"));
    connect(toggleSidebar, &QAction::triggered, this,
            [this] { m_parts->sidebar->setVisible(!m_parts->sidebar->isVisible()); });
    auto *space = new QWidget;
    space->setSizePolicy(QSizePolicy::Expanding, QSizePolicy::Preferred);
    parts.toolbar->addWidget(space);
    parts.viewModeControl = new ViewModeControl;
    parts.viewModeControl->setSelectedSegment(m_viewMode == VolumesPanel::Mode::list
                                                  ? ViewModeControl::listSegment
                                                  : ViewModeControl::gridSegment);
    parts.viewModeControl->onChange = [self](int segment) {
        if (self)
            self->setViewMode(segment == ViewModeControl::listSegment ? VolumesPanel::Mode::list
                                                                      : VolumesPanel::Mode::grid);
    };
    parts.viewModeItem = new QWidgetAction(parts.toolbar);
    parts.viewModeItem->setObjectName(QStringLiteral("viewMode"));
    //: Toolbar item label
    parts.viewModeItem->setText(tr("View"));
    parts.viewModeItem->setToolTip(parts.viewModeControl->toolTip());
    parts.viewModeItem->setDefaultWidget(parts.viewModeControl);
    window->addToolBar(Qt::TopToolBarArea, parts.toolbar);

    MainMenuBar::Handlers menu;
    menu.ejectAll = [self] {
        if (self)
            emit self->ejectAllRequested();
    };
    menu.close = [window] { window->close(); };
    if (m_deps.offersUninstall) {
        menu.uninstall = [self] {
            if (self)
                emit self->uninstallRequested();
        };
    }
    menu.quit = [] { QCoreApplication::quit(); };
    if (hasPreferencesPane()) {
        menu.preferences = [self] {
            if (self)
                self->show(MainWindowPane::preferences);
        };
    }
    menu.viewAsGrid = [self] {
        if (self)
            self->viewAsGrid();
    };
    menu.viewAsList = [self] {
        if (self)
            self->viewAsList();
    };
    menu.addViewOptionSections = m_deps.addViewOptionSections;
    menu.minimize = [window] { window->showMinimized(); };
    menu.zoom = [window] {
        window->isMaximized() ? window->showNormal() : window->showMaximized();
    };
    menu.help = [] { ProductPages::open(ProductPages::help()); };
    menu.feedback = [] { ProductPages::open(ProductPages::feedback()); };
    menu.licenseAgreement = [] { ProductPages::open(ProductPages::licenseAgreement()); };
    menu.privacyPolicy = [] { ProductPages::open(ProductPages::privacyPolicy()); };
    menu.about = [self] {
        if (self)
            self->showAbout();
    };
    parts.menuBar = new MainMenuBar(std::move(menu));
    parts.menuBar->setListMode(m_viewMode == VolumesPanel::Mode::list);
    window->setMenuBar(parts.menuBar);

    // Where it was at the last close, else the default size in the middle of the screen.
    const std::optional<QByteArray> geometry =
        m_deps.prefs ? m_deps.prefs->defaults().data(key(SettingsKeys::mainWindowGeometry))
                     : std::nullopt;
    if (!geometry || !window->restoreGeometry(*geometry)) {
        window->resize(contentSize);
        if (const QScreen *screen = QGuiApplication::primaryScreen()) {
            window->move(QStyle::alignedRect(Qt::LeftToRight, Qt::AlignCenter, contentSize,
                                             screen->availableGeometry())
                             .topLeft());
        }
    }
    showPane(m_currentPane);
}

QString MainWindowController::windowTitle(MainWindowPane pane)
{
    //: Window title; %1 is the pane's title
    return tr("Quillmere — %1").arg(SidebarView::title(pane));
}

QWidget *MainWindowController::paneWidget(MainWindowPane pane)
{
    switch (pane) {
    case MainWindowPane::volumes:
        return m_parts->volumesPanel;
    case MainWindowPane::history:
        return m_parts->historyPanel;
    case MainWindowPane::preferences:
        if (!m_parts->preferencesPanel && m_deps.makePreferencesPane) {
            m_parts->preferencesPanel = m_deps.makePreferencesPane(m_parts->detail);
            if (m_parts->preferencesPanel)
                m_parts->detail->addWidget(m_parts->preferencesPanel);
        }
        return m_parts->preferencesPanel;
    }
    return nullptr;
}

void MainWindowController::showPane(MainWindowPane pane)
{
    ensureWindow();
    QWidget *content = paneWidget(pane);
    if (!content) {
        // A pane nobody provides; the stored number may come from a build that had it.
        pane = MainWindowPane::volumes;
        content = m_parts->volumesPanel;
    }
    m_currentPane = pane;
    if (m_deps.prefs)
        m_deps.prefs->defaults().setInteger(key(SettingsKeys::mainWindowPane), int(pane));
    m_parts->sidebar->select(pane);
    // Showing the pane already shown changes nothing.
    if (m_parts->detail->currentWidget() != content)
        m_parts->detail->setCurrentWidget(content);
    m_parts->window->setWindowTitle(windowTitle(pane));
    updateToolbar();
}

void MainWindowController::updateToolbar()
{
    QToolBar *toolbar = m_parts->toolbar;
    QAction *item = m_parts->viewModeItem;
    const bool present = toolbar->actions().contains(item);
    if (m_currentPane == MainWindowPane::volumes && !present)
        toolbar->addAction(item);
    else if (m_currentPane != MainWindowPane::volumes && present)
        toolbar->removeAction(item);
}

void MainWindowController::show(MainWindowPane pane)
{
    showPane(pane);
    if (!m_isWindowVisible) {
        m_isWindowVisible = true;
        emit visibilityChanged(true);
    }
    QMainWindow *window = m_parts->window.get();
    // Panes read their content as they appear; one already on screen reads it again.
    const bool wasOnScreen = window->isVisible();
    if (window->isMinimized())
        window->showNormal();
    window->show();
    window->raise();
    window->activateWindow();
    if (wasOnScreen) {
        refreshVolumes();
        refreshHistory();
    }
    if (m_deps.prefs)
        m_deps.prefs->defaults().setBool(key(SettingsKeys::mainWindowOpen), true);
}

void MainWindowController::windowClosed()
{
    saveGeometry();
    // Closed by the quit: it stays recorded as open, so the next start opens it again.
    if (m_isTerminating || qApp->isSavingSession())
        return;
    m_isWindowVisible = false;
    emit visibilityChanged(false);
    if (m_deps.prefs)
        m_deps.prefs->defaults().setBool(key(SettingsKeys::mainWindowOpen), false);
    releaseWindow();
}

void MainWindowController::releaseWindow()
{
    // A tray program spends most of its life with the window closed: its widgets, pixmaps and
    // the X server's copy of its pixels are not worth keeping. Made again at the next show.
    QMainWindow *window = m_parts->window.release();
    window->hide();
    m_parts.reset();
    connect(window, &QObject::destroyed, qApp, [] {
        // Hands the freed heap back to the system once the widgets are gone.
        QTimer::singleShot(0, qApp, [] { malloc_trim(0); });
    });
    window->deleteLater();
}

void MainWindowController::saveGeometry()
{
    if (m_parts && m_deps.prefs)
        m_deps.prefs->defaults().setData(key(SettingsKeys::mainWindowGeometry),
                                         m_parts->window->saveGeometry());
}

void MainWindowController::setViewMode(VolumesPanel::Mode mode)
{
    m_viewMode = mode;
    if (m_deps.prefs) {
        m_deps.prefs->defaults().setString(
            key(SettingsKeys::mainWindowViewMode),
            mode == VolumesPanel::Mode::list ? QStringLiteral("list") : QStringLiteral("grid"));
    }
    if (!m_parts)
        return;
    if (m_parts->volumesPanel->mode() != mode)
        m_parts->volumesPanel->setMode(mode);
    m_parts->viewModeControl->setSelectedSegment(mode == VolumesPanel::Mode::list
                                                     ? ViewModeControl::listSegment
                                                     : ViewModeControl::gridSegment);
    m_parts->menuBar->setListMode(mode == VolumesPanel::Mode::list);
}

bool MainWindowController::showsVolumesPane() const
{
    return m_currentPane == MainWindowPane::volumes;
}

void MainWindowController::refreshVolumes()
{
    if (m_parts)
        m_parts->volumesPanel->refresh();
}

void MainWindowController::refreshVolumesActivity()
{
    if (m_parts)
        m_parts->volumesPanel->refreshActivity();
}

void MainWindowController::refreshHistory()
{
    // A hidden History pane reads the log when it appears.
    if (m_parts && m_currentPane == MainWindowPane::history)
        m_parts->historyPanel->refresh();
}

void MainWindowController::showAbout()
{
    QMessageBox box(window());
    //: About box title
    box.setWindowTitle(tr("About Quillmere"));
    box.setIconPixmap(QApplication::windowIcon().pixmap(64, 64));
    box.setTextFormat(Qt::PlainText);
    box.setText(QStringLiteral("Quillmere"));
    //: About box; %1 is the version number
    box.setInformativeText(tr("Version %1").arg(QCoreApplication::applicationVersion()));
    box.exec();
}

QMainWindow *MainWindowController::window() const
{
    return m_parts ? m_parts->window.get() : nullptr;
}

SidebarView *MainWindowController::sidebar() const
{
    return m_parts ? m_parts->sidebar : nullptr;
}

QToolBar *MainWindowController::toolbar() const
{
    return m_parts ? m_parts->toolbar : nullptr;
}

QAction *MainWindowController::viewModeItem() const
{
    return m_parts ? m_parts->viewModeItem : nullptr;
}

ViewModeControl *MainWindowController::viewModeControl() const
{
    return m_parts ? m_parts->viewModeControl : nullptr;
}

MainMenuBar *MainWindowController::menuBar() const
{
    return m_parts ? m_parts->menuBar : nullptr;
}

QStackedWidget *MainWindowController::detail() const
{
    return m_parts ? m_parts->detail : nullptr;
}

VolumesPanel *MainWindowController::volumesPanel() const
{
    return m_parts ? m_parts->volumesPanel : nullptr;
}

HistoryPanel *MainWindowController::historyPanel() const
{
    return m_parts ? m_parts->historyPanel : nullptr;
}

QWidget *MainWindowController::preferencesPanel() const
{
    return m_parts ? m_parts->preferencesPanel.data() : nullptr;
}
