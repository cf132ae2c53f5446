// Times the frames of the popover's opening and closing animations with 20 volumes, each
// layout in turn, on the software renderer: every frame repaints the whole panel (its picture
// of the desktop, the material and every entry) into an image, as an X server without a
// compositor needs. Prints the median and the slowest frame of each animation; the budget is
// 16 ms a frame.
//   QT_QPA_PLATFORM=offscreen build/bench/bench_popover [rounds] [folder]
// With a folder, the middle frame of each opening is saved there as a PNG, to see what was
// timed.

#include "discovery/disksource.h"
#include "discovery/volumestore.h"
#include "surfaces/popoverpanel.h"
#include "surfaces/volumespopover.h"
#include "surfaces/fanview.h"
#include "surfaces/volumeactionsmenu.h"
#include "surfaces/volumeiconprovider.h"

#include <QApplication>
#include <QElapsedTimer>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QScreen>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

constexpr int volumeCount = 20;
constexpr double frameSeconds = 1.0 / 60;

class FixedSource : public DiskSource {
public:
    VolumeList volumes;
    VolumeList currentVolumes() override { return volumes; }
    void setChangeHandler(ChangeHandler) override {}
};

VolumeList makeVolumes()
{
    VolumeList volumes;
    const QStringList names{"Backup",  "Photos 2024", "Archive", "Scratch", "Time Machine",
                            "Install", "Projects",    "Music",   "Camera",  "USB Stick"};
    for (int i = 0; i < volumeCount; ++i) {
        Volume v;
        v.name = names.at(i % names.size()) + QStringLiteral(" %1").arg(i + 1);
        v.id = QStringLiteral("v%1").arg(i);
        v.deviceName = QStringLiteral("sd%11").arg(QChar(u'b' + i));
        v.wholeDiskName = QStringLiteral("sd%1").arg(QChar(u'b' + i));
        v.isMounted = i % 5 != 4;
        v.mountPath = v.isMounted ? QStringLiteral("/nonexistent/") + v.name : QString();
        v.isRemovable = true;
        v.isEjectable = true;
        v.capacityBytes = qint64(i + 1) * 16'000'000'000;
        volumes.append(v);
    }
    return volumes;
}

// A desktop to show through the panel.
QImage desktopPicture(const QSize &size)
{
    QImage image(size, QImage::Format_RGB32);
    QPainter painter(&image);
    QLinearGradient gradient(0, 0, size.width(), size.height());
    gradient.setColorAt(0, QColor(40, 90, 150));
    gradient.setColorAt(1, QColor(180, 120, 60));
    painter.fillRect(image.rect(), gradient);
    painter.setPen(QColor(255, 255, 255, 60));
    for (int x = 0; x < size.width(); x += 40)
        painter.drawLine(x, 0, x, size.height());
    return image;
}

struct Timing {
    double median = 0;
    double slowest = 0;
    int frames = 0;
};

Timing summarise(std::vector<double> frames)
{
    Timing t;
    t.frames = int(frames.size());
    std::sort(frames.begin(), frames.end());
    t.median = frames[frames.size() / 2];
    t.slowest = frames.back();
    return t;
}

double paintFrame(PopoverPanel *panel, QImage &target)
{
    QElapsedTimer timer;
    timer.start();
    target.fill(Qt::transparent);
    panel->render(&target);
    return timer.nsecsElapsed() / 1e6;
}

void report(const char *name, const Timing &t)
{
    std::printf("%-22s %3d frames  median %6.2f ms  slowest %6.2f ms  %s\n", name, t.frames,
                t.median, t.slowest, t.slowest <= 16.0 ? "within 16 ms" : "OVER 16 ms");
}

} // namespace

int main(int argc, char *argv[])
{
    // The offscreen platform reports each raise and keyboard grab it cannot do.
    qInstallMessageHandler([](QtMsgType type, const QMessageLogContext &, const QString &text) {
        if (type != QtWarningMsg && type != QtInfoMsg && type != QtDebugMsg)
            std::fprintf(stderr, "%s\n", qPrintable(text));
    });
    QApplication app(argc, argv);
    const int rounds = argc > 1 ? std::max(1, atoi(argv[1])) : 5;
    const QString saveFolder = argc > 2 ? QString::fromLocal8Bit(argv[2]) : QString();

    auto source = std::make_shared<FixedSource>();
    source->volumes = makeVolumes();
    VolumeStore store(source, VolumeStore::defaultEnabledKinds());
    store.start();
    VolumeIconProvider icons;
    VolumeActionsMenu actions;
    const QImage desktop = desktopPicture(QGuiApplication::primaryScreen()->size());

    struct Case {
        const char *name;
        PopoverViewMode mode;
    };
    for (const Case &c :
         {Case{"fan (10 + 10 more)", PopoverViewMode::fan}, Case{"grid", PopoverViewMode::grid},
          Case{"list", PopoverViewMode::list}}) {
        std::vector<double> opening;
        std::vector<double> closing;
        for (int round = 0; round < rounds; ++round) {
            VolumesPopover popover(&store, &icons, &actions);
            popover.viewMode = c.mode;
            popover.reduceMotion = [] { return true; };
            popover.compositing = [] { return false; };
            popover.volumeHandlers =
                VolumeSurfaceHandlers{[](const Volume &) {}, [](const Volume &) {}};
            popover.activityProvider = [](const Volume &) { return false; };
            const QSize screen = QGuiApplication::primaryScreen()->size();
            popover.pointerPosition = [screen] {
                return QPoint(screen.width() / 2, screen.height() - 20);
            };
            popover.show();
            PopoverPanel *panel = popover.panel();
            panel->setBackdrop(desktop, QPoint());
            QImage target(panel->size(), QImage::Format_ARGB32_Premultiplied);
            // The first paint fills caches (icons, shadow); it is the show, not a frame.
            paintFrame(panel, target);

            FanView *fan = popover.fanView();
            if (fan) {
                const double open = popover.fanOpeningSeconds();
                for (double s = 0; s <= open + 1e-9; s += frameSeconds) {
                    const double t = s / open;
                    fan->setPose(t, VolumesPopover::fanOpenLaunchScale, 0.5 + 0.5 * t);
                    opening.push_back(paintFrame(panel, target));
                    if (round == 0 && !saveFolder.isEmpty() && opening.size() == 12)
                        target.save(saveFolder + QStringLiteral("/fan-opening.png"));
                }
                for (double s = 0; s <= VolumesPopover::fanCloseSeconds + 1e-9;
                     s += frameSeconds) {
                    const double t = s / VolumesPopover::fanCloseSeconds;
                    fan->setPose(1 - t, VolumesPopover::fanCloseLaunchScale, 1 - 0.7 * t);
                    closing.push_back(paintFrame(panel, target));
                }
            } else {
                // Without a compositor the fade cannot show; each step of the slide moves the
                // window, which repaints everything over the desktop picture.
                for (double s = 0; s <= VolumesPopover::panelOpenSeconds + 1e-9;
                     s += frameSeconds) {
                    const double t = s / VolumesPopover::panelOpenSeconds;
                    panel->setSlide(int(VolumesPopover::panelSlide * (1 - t)));
                    opening.push_back(paintFrame(panel, target));
                    if (round == 0 && !saveFolder.isEmpty() && opening.size() == 6)
                        target.save(saveFolder + QLatin1Char('/') + QLatin1String(c.name) +
                                    QStringLiteral("-opening.png"));
                }
                for (double s = 0; s <= VolumesPopover::panelCloseSeconds + 1e-9;
                     s += frameSeconds) {
                    const double t = s / VolumesPopover::panelCloseSeconds;
                    panel->setSlide(int(VolumesPopover::panelSlide * t));
                    closing.push_back(paintFrame(panel, target));
                }
            }
            popover.close();
        }
        std::printf("%s, panel painted over the desktop picture:\n", c.name);
        report("  opening", summarise(opening));
        report("  closing", summarise(closing));
    }
    return 0;
}
