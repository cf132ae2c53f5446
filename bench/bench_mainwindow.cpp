// Times "Open Quillmere" in the tray menu until the main window has painted, for the first
// open and for reopening after a close (the window's widgets go when it closes, so every open
// builds them). Runs the application over scripted disks, a history of 1,000 lines and settings in
// memory. Run from a Release build on a display:
//   xvfb-run -s '-screen 0 1280x800x24' bench_mainwindow [reopens] [volumes]
// or with QT_QPA_PLATFORM=offscreen for the widget work alone.
#include "appfakes.h"

#include "shell/application.h"
#include "shell/mainwindowfactory.h"
#include "stores/historystore.h"
#include "surfaces/trayicon.h"
#include "window/mainwindowcontroller.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QMainWindow>
#include <QTimer>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

// Reports the end of the first paint pass of the main window after each arm().
class PaintWatch : public QObject {
public:
    bool painted = false;
    void arm() { painted = false; }

protected:
    bool eventFilter(QObject *watched, QEvent *event) override
    {
        if (!painted && event->type() == QEvent::Paint &&
            watched->objectName() == QLatin1String("MainWindow")) {
            // The pass this paint belongs to ends before the queued call runs.
            QTimer::singleShot(0, this, [this] { painted = true; });
        }
        return false;
    }
};

VolumeList sampleVolumes(int count)
{
    VolumeList volumes;
    for (int i = 0; i < count; ++i) {
        Volume volume = removableVolume(QStringLiteral("Volume %1").arg(i + 1), i % 4 != 3);
        volume.id += QString::number(i);
        volume.deviceName = QStringLiteral("sd%1%2").arg(QChar(u'b' + i / 8)).arg(i % 8 + 1);
        volumes.append(volume);
    }
    return volumes;
}

double milliseconds(qint64 nanoseconds)
{
    return double(nanoseconds) / 1e6;
}

} // namespace

int main(int argc, char *argv[])
{
    QApplication app(argc, argv);
    const int reopens = argc > 1 ? std::max(1, atoi(argv[1])) : 30;
    const int volumeCount = argc > 2 ? std::max(0, atoi(argv[2])) : 8;

    FakeServices fakes;
    fakes.source->volumes = sampleVolumes(volumeCount);
    AppServices services = fakes.make();
    auto log = std::make_unique<HistoryStore>(fakes.folder.filePath(QStringLiteral("support")));
    for (int i = 0; i < 1000; ++i) {
        log->append({QDateTime::currentDateTimeUtc().addSecs(-60 * i), QStringLiteral("Stick"),
                     QStringLiteral("sdb1"),
                     i % 2 ? QStringLiteral("eject") : QStringLiteral("mount"), i % 9 != 0,
                     std::nullopt, std::nullopt});
    }
    log->waitForPendingWrites();
    services.makeMainWindow = MainWindowFactory::make(*log);
    services.history = std::move(log);
    Application application(std::move(services));
    application.start();
    QCoreApplication::processEvents();

    PaintWatch watch;
    app.installEventFilter(&watch);
    TrayIcon *tray = application.trayIcon();

    // One open: the tray item's action, then events until the window has painted.
    const auto openOnce = [&] {
        watch.arm();
        QElapsedTimer timer;
        timer.start();
        tray->openMainWindow();
        while (!watch.painted)
            QCoreApplication::processEvents(QEventLoop::WaitForMoreEvents, 5);
        return timer.nsecsElapsed();
    };
    const auto closeWindow = [&] {
        auto *window = static_cast<MainWindowController *>(application.mainWindow());
        window->window()->close();
        // Let the closed window go, as it does between a user's visits.
        for (int i = 0; i < 3; ++i)
            QCoreApplication::sendPostedEvents(nullptr, QEvent::DeferredDelete);
        QCoreApplication::processEvents();
    };

    const qint64 first = openOnce();
    closeWindow();
    std::vector<qint64> times;
    for (int i = 0; i < reopens; ++i) {
        times.push_back(openOnce());
        closeWindow();
    }
    std::sort(times.begin(), times.end());
    std::printf("platform %s, %d volumes, 1000 history lines\n",
                qPrintable(QGuiApplication::platformName()), volumeCount);
    std::printf("first open to painted: %.1f ms\n", milliseconds(first));
    std::printf(
        "reopen to painted over %d runs: median %.1f ms, fastest %.1f ms, slowest %.1f ms\n",
        reopens, milliseconds(times[times.size() / 2]), milliseconds(times.front()),
        milliseconds(times.back()));
    return 0;
}
