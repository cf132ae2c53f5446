#include "discovery/volumestore.h"
#include "surfaces/markiconengine.h"
#include "surfaces/quillmeremark.h"
#include "surfaces/volumeiconprovider.h"
#include "surfaces/windowicon.h"
#include "volumebuilder.h"

#include <QApplication>
#include <QDir>
#include <QTemporaryDir>
#include <QtTest>

namespace {

using IconKind = VolumeIconProvider::IconKind;

// One solid colour per icon name of a throw-away icon theme, so a pixel tells which icon
// was chosen.
const QList<QPair<QString, QColor>> themeColours{
    {QStringLiteral("drive-removable-media"), Qt::red},
    {QStringLiteral("drive-harddisk"), Qt::green},
    {QStringLiteral("media-optical"), Qt::blue},
    {QStringLiteral("network-server"), Qt::yellow},
    {QStringLiteral("application-x-raw-disk-image"), Qt::magenta},
};

class ListSource : public DiskSource {
public:
    VolumeList volumes;
    VolumeList currentVolumes() override { return volumes; }
    void setChangeHandler(ChangeHandler) override {}
};

Volume makeVolume(const QString &id, VolumeKind kind)
{
    return VolumeBuilder(id).id(id).kind(kind).device(QStringLiteral("sdz1")).build();
}

Volume removable(const QString &id)
{
    return VolumeBuilder(makeVolume(id, VolumeKind::external)).removable().build();
}

QColor centre(const QPixmap &pixmap)
{
    const QImage image = pixmap.toImage();
    return image.pixelColor(image.width() / 2, image.height() / 2);
}

bool isColour(const QColor &actual, const QColor &expected)
{
    return qAbs(actual.red() - expected.red()) < 8 && qAbs(actual.green() - expected.green()) < 8 &&
           qAbs(actual.blue() - expected.blue()) < 8 && actual.alpha() > 200;
}

} // namespace

class TestVolumeIcons : public QObject {
    Q_OBJECT

private slots:
    void initTestCase();
    void init();
    void kindMapping_data();
    void kindMapping();
    void themeIconPerKind();
    void styleFallbackWithoutTheme();
    void lastKnownIconSurvivesEject();
    void missingMountPointIsNotRemembered();
    void pixmapHasRequestedSize();
    void applicationIconDrawsTheMarkAtEverySize();
    void tileShowsApplicationIconOrChevron();
    void tileStacksFirstThreeVolumes();

private:
    QTemporaryDir m_themeRoot;
    QTemporaryDir m_mountPoint;
};

void TestVolumeIcons::initTestCase()
{
    QVERIFY(m_themeRoot.isValid());
    const QString themeDir = m_themeRoot.filePath(QStringLiteral("quillmere-test"));
    QVERIFY(QDir().mkpath(themeDir + QStringLiteral("/64x64/devices")));
    QFile index(themeDir + QStringLiteral("/index.theme"));
    QVERIFY(index.open(QIODevice::WriteOnly));
    index.write("[Icon Theme]\nName=Quillmere Test\nDirectories=64x64/devices\n\n"
                "[64x64/devices]\nSize=64\nType=Scalable\nMinSize=8\nMaxSize=512\n");
    index.close();
    for (const auto &[name, colour] : themeColours) {
        QImage image(64, 64, QImage::Format_ARGB32);
        image.fill(colour);
        QVERIFY(image.save(themeDir + QStringLiteral("/64x64/devices/") + name +
                           QStringLiteral(".png")));
    }
    QIcon::setThemeSearchPaths({m_themeRoot.path()});
}

void TestVolumeIcons::init()
{
    QIcon::setThemeName(QStringLiteral("quillmere-test"));
}

void TestVolumeIcons::kindMapping_data()
{
    QTest::addColumn<Volume>("volume");
    QTest::addColumn<IconKind>("expected");

    QTest::newRow("usb stick") << removable(QStringLiteral("a")) << IconKind::removable;
    QTest::newRow("external drive")
        << makeVolume(QStringLiteral("a"), VolumeKind::external) << IconKind::removable;
    QTest::newRow("internal") << makeVolume(QStringLiteral("a"), VolumeKind::internalExtra)
                              << IconKind::hardDisk;
    QTest::newRow("boot") << makeVolume(QStringLiteral("a"), VolumeKind::boot)
                          << IconKind::hardDisk;
    Volume optical = removable(QStringLiteral("a"));
    optical.traits.isOptical = true;
    QTest::newRow("optical") << optical << IconKind::optical;
    Volume share = makeVolume(QStringLiteral("a"), VolumeKind::network);
    share.traits.isNetwork = true;
    QTest::newRow("network") << share << IconKind::network;
    Volume image = removable(QStringLiteral("a"));
    image.kind = VolumeKind::diskImage;
    image.traits.isDiskImage = true;
    QTest::newRow("disk image") << image << IconKind::diskImage;
    QTest::newRow("system image") << makeVolume(QStringLiteral("a"), VolumeKind::systemImage)
                                  << IconKind::diskImage;
}

void TestVolumeIcons::kindMapping()
{
    QFETCH(Volume, volume);
    QFETCH(IconKind, expected);
    QCOMPARE(VolumeIconProvider::iconKind(volume), expected);
}

void TestVolumeIcons::themeIconPerKind()
{
    const QList<QPair<IconKind, QColor>> expected{{IconKind::removable, Qt::red},
                                                  {IconKind::hardDisk, Qt::green},
                                                  {IconKind::optical, Qt::blue},
                                                  {IconKind::network, Qt::yellow},
                                                  {IconKind::diskImage, Qt::magenta}};
    for (const auto &[kind, colour] : expected) {
        const QColor actual = centre(VolumeIconProvider::iconFor(kind).pixmap(32));
        QVERIFY2(isColour(actual, colour), qPrintable(actual.name()));
    }
}

void TestVolumeIcons::styleFallbackWithoutTheme()
{
    QIcon::setThemeName(QStringLiteral("no-such-theme"));
    for (IconKind kind : {IconKind::removable, IconKind::hardDisk, IconKind::optical,
                          IconKind::network, IconKind::diskImage}) {
        const QImage chosen = VolumeIconProvider::iconFor(kind).pixmap(32).toImage();
        QVERIFY(!chosen.isNull());
        const QImage style = QApplication::style()
                                 ->standardIcon(VolumeIconProvider::fallbackPixmap(kind))
                                 .pixmap(32)
                                 .toImage();
        QCOMPARE(chosen, style);
    }
}

void TestVolumeIcons::lastKnownIconSurvivesEject()
{
    VolumeIconProvider icons;
    Volume stick = removable(QStringLiteral("stick"));
    stick.isMounted = true;
    stick.mountPath = m_mountPoint.path();
    QVERIFY(isColour(centre(icons.pixmap(stick, 32)), Qt::red));
    QVERIFY(icons.hasLastKnownIcon(QStringLiteral("stick")));

    // Ejected but still listed, now without a device: the remembered icon, not the generic one.
    Volume ejected = stick;
    ejected.isMounted = false;
    ejected.mountPath.clear();
    ejected.deviceName.clear();
    QVERIFY(isColour(centre(icons.pixmap(ejected, 32)), Qt::red));

    Volume stranger = ejected;
    stranger.id = QStringLiteral("stranger");
    QVERIFY(isColour(centre(icons.pixmap(stranger, 32)), Qt::green));

    // Never seen mounted but attached: the icon of its medium.
    Volume attached = removable(QStringLiteral("attached"));
    QVERIFY(isColour(centre(icons.pixmap(attached, 32)), Qt::red));
    QVERIFY(!icons.hasLastKnownIcon(QStringLiteral("attached")));
}

void TestVolumeIcons::missingMountPointIsNotRemembered()
{
    VolumeIconProvider icons;
    Volume gone = removable(QStringLiteral("gone"));
    gone.isMounted = true;
    gone.mountPath = m_mountPoint.filePath(QStringLiteral("not-there"));
    icons.pixmap(gone, 16);
    QVERIFY(!icons.hasLastKnownIcon(QStringLiteral("gone")));
}

void TestVolumeIcons::pixmapHasRequestedSize()
{
    VolumeIconProvider icons;
    for (int size : {16, 20, 128, 300}) {
        const QPixmap pixmap = icons.pixmap(removable(QStringLiteral("a")), size);
        QCOMPARE(pixmap.deviceIndependentSize().toSize(), QSize(size, size));
    }
}

void TestVolumeIcons::applicationIconDrawsTheMarkAtEverySize()
{
    const QColor colour(43, 93, 140);
    const QIcon icon(new MarkIconEngine(colour));
    QCOMPARE(icon.availableSizes().size(), 5);
    for (int side : {16, 24, 256}) {
        const QImage drawn = icon.pixmap(side).toImage().convertToFormat(QImage::Format_ARGB32);
        QCOMPARE(drawn, QuillmereMark::image(side, colour).convertToFormat(QImage::Format_ARGB32));
    }
    // Greyed by the style, as a disabled icon is.
    QVERIFY(icon.pixmap(32, QIcon::Disabled).toImage() != icon.pixmap(32).toImage());
}

void TestVolumeIcons::tileShowsApplicationIconOrChevron()
{
    auto source = std::make_shared<ListSource>();
    VolumeStore store(source, VolumeStore::defaultEnabledKinds());
    store.start();
    VolumeIconProvider icons;
    WindowIcon tile(&store, &icons);

    tile.mode = WindowIconMode::stack;
    QCOMPARE(tile.content(), WindowIcon::Content::applicationIcon);
    QVERIFY(tile.image().isNull());

    source->volumes = {removable(QStringLiteral("a"))};
    store.reload();
    QCOMPARE(tile.content(), WindowIcon::Content::stack);

    tile.popoverOpen = true;
    QCOMPARE(tile.content(), WindowIcon::Content::chevron);
    tile.mode = WindowIconMode::icon;
    QCOMPARE(tile.content(), WindowIcon::Content::chevron);
    QCOMPARE(tile.image(), WindowIcon::chevronImage());
    tile.refresh();
    QVERIFY(!QGuiApplication::windowIcon().isNull());

    tile.popoverOpen = false;
    QCOMPARE(tile.content(), WindowIcon::Content::applicationIcon);
    tile.refresh();
    QCOMPARE(QGuiApplication::windowIcon().cacheKey(), tile.applicationIcon().cacheKey());
}

void TestVolumeIcons::tileStacksFirstThreeVolumes()
{
    auto source = std::make_shared<ListSource>();
    Volume share = makeVolume(QStringLiteral("A share"), VolumeKind::network);
    share.traits.isNetwork = true;
    Volume optical = removable(QStringLiteral("D optical"));
    optical.traits.isOptical = true;
    Volume image = makeVolume(QStringLiteral("E image"), VolumeKind::diskImage);
    image.traits.isDiskImage = true;
    // Listed out of order: the tile sorts by name.
    source->volumes = {optical, removable(QStringLiteral("B stick")), image, share,
                       makeVolume(QStringLiteral("C disk"), VolumeKind::internalExtra)};
    VolumeStore store(source, VolumeStore::defaultEnabledKinds());
    store.start();
    VolumeIconProvider icons;
    WindowIcon tile(&store, &icons);
    tile.mode = WindowIconMode::stack;

    const QImage stack = tile.image();
    QCOMPARE(stack.size(), QSize(512, 512));
    QVERIFY2(isColour(stack.pixelColor(256, 256), Qt::yellow), "the first volume lies on top");
    const QColor second = stack.pixelColor(472, 472);
    QVERIFY2(second.red() > 200 && second.green() < 40, qPrintable(second.name()));
    const QColor third = stack.pixelColor(484, 484);
    QVERIFY2(third.green() > 200 && third.red() < 40, qPrintable(third.name()));
    QVERIFY(third.alpha() < 250); // drawn at 92 % over nothing

    for (int y = 0; y < stack.height(); y += 2) {
        for (int x = 0; x < stack.width(); x += 2) {
            const QColor pixel = stack.pixelColor(x, y);
            if (pixel.blue() > 60)
                QFAIL("a fourth or fifth volume was drawn");
        }
    }
}

QTEST_MAIN(TestVolumeIcons)
#include "tst_volumeicons.moc"
