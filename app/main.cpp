#include "shell/appdelegate.h"
#include "shell/appservices.h"
#include "shell/childprocessdefinitionstransport.h"
#include "shell/singleinstance.h"
#include "stores/appsupport.h"
#include "stores/l10n.h"
#include "stores/preferencesstore.h"
#include "stores/userdefaults.h"
#include "surfaces/quillmeremark.h"

#include <QApplication>
#include <QIcon>
#include <QIconEngine>
#include <QPainter>
#include <QPixmap>
#include <QStyle>
#include <QStyleOption>
#include <algorithm>

namespace {

// Draws the mark at the size asked for, rather than keeping a pixmap of every size for the
// whole session.
class MarkIconEngine : public QIconEngine {
public:
    explicit MarkIconEngine(QColor colour) : m_colour(colour) {}

    void paint(QPainter *painter, const QRect &rect, QIcon::Mode, QIcon::State) override
    {
        const int side = std::min(rect.width(), rect.height());
        painter->save();
        painter->translate(rect.x() + (rect.width() - side) / 2.0,
                           rect.y() + (rect.height() - side) / 2.0);
        QuillmereMark::draw(*painter, side, m_colour);
        painter->restore();
    }

    QPixmap pixmap(const QSize &size, QIcon::Mode mode, QIcon::State state) override
    {
        QPixmap canvas(size);
        canvas.fill(Qt::transparent);
        QPainter painter(&canvas);
        paint(&painter, canvas.rect(), mode, state);
        painter.end();
        if (mode == QIcon::Normal)
            return canvas;
        // Greyed or highlighted by the style, as an icon made of pixmaps would be.
        QStyleOption option;
        option.palette = QApplication::palette();
        return QApplication::style()->generatedIconPixmap(mode, canvas, &option);
    }

    // The sizes offered to the window manager.
    QList<QSize> availableSizes(QIcon::Mode, QIcon::State) override
    {
        QList<QSize> sizes;
        for (int side : {16, 32, 64, 128, 256})
            sizes.append(QSize(side, side));
        return sizes;
    }

    QIconEngine *clone() const override { return new MarkIconEngine(m_colour); }

private:
    QColor m_colour;
};

QIcon applicationIcon()
{
    return QIcon::fromTheme(QStringLiteral("quillmere"),
                            QIcon(new MarkIconEngine(QColor(43, 93, 140))));
}

} // namespace

int main(int argc, char *argv[])
{
    // The definitions download, which the program runs in a child process of its own.
    if (ChildProcessDefinitionsTransport::isChildInvocation(argc, argv))
        return ChildProcessDefinitionsTransport::runChild(argc, argv);

    // Settings of the predecessor are copied before anything reads a setting.
    std::unique_ptr<UserDefaults> defaults = UserDefaults::standard();
    PreferencesStore::migrateFromKestrinDefaults(*defaults);

    QApplication app(argc, argv);
    QApplication::setApplicationName(QStringLiteral("Quillmere"));
    QApplication::setApplicationVersion(QStringLiteral(QUILLMERE_VERSION));
    QApplication::setDesktopFileName(AppSupport::bundleIdentifier());
    // A tray program: closing its last window does not end it.
    QApplication::setQuitOnLastWindowClosed(false);
    QApplication::setWindowIcon(applicationIcon());
    L10n::install(PreferencesStore(*defaults).languageOverride());

    SingleInstance instance(AppSupport::bundleIdentifier());
    if (instance.claim() == SingleInstance::Outcome::secondary)
        return 0;

    AppDelegate delegate(AppServices::production(*defaults));
    instance.onReopen = [&delegate] { delegate.applicationShouldHandleReopen(); };
    QObject::connect(&app, &QCoreApplication::aboutToQuit, &delegate,
                     [&delegate] { delegate.applicationWillTerminate(); });
    delegate.applicationDidFinishLaunching();
    return app.exec();
}
