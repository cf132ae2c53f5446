#pragma once

// The application with its global shortcuts through the desktop portal on a given bus, over
// fake disks, and its preferences row: what a start of the program on Wayland does with the
// portal, for tests against a fake portal and checks against a real desktop.

#include "appfakes.h"

#include "shell/application.h"
#include "shell/preferencespanefactory.h"
#include "shortcut/desktopshortcuts.h"
#include "shortcut/shortcuthint.h"
#include "shortcut/shortcutrecorder.h"
#include "shortcuts/shortcutregistry.h"
#include "window/preferencespane.h"

#include "portalhotkeyservice.h"

struct PortalShortcutApp {
    FakeServices fakes;
    PortalHotKeyService *portal = nullptr;
    std::unique_ptr<Application> application;
    std::unique_ptr<PreferencesPane> pane;
    // The names layer's diagnostic lines.
    QStringList lines;

    // `defaults` are the settings of an earlier start; fresh ones without.
    explicit PortalShortcutApp(QDBusConnection bus,
                               std::unique_ptr<SettingsStore> defaults = nullptr)
    {
        if (defaults)
            fakes.defaults = std::move(defaults);
        AppServices services = fakes.make();
        auto service = std::make_unique<PortalHotKeyService>(bus, *fakes.defaults,
                                                             &DesktopShortcuts::describe);
        portal = service.get();
        services.shortcuts =
            std::make_unique<GlobalShortcuts::Registry>(*fakes.defaults, std::move(service));
        services.shortcuts->diagnostic = [this](const QString &line) { lines.append(line); };
        fakes.source->volumes = {removableVolume(QStringLiteral("Stick"))};
        application = std::make_unique<Application>(std::move(services));
        portal->start();
        application->start();
    }

    // Quits; the settings stay for the next start.
    std::unique_ptr<SettingsStore> quit()
    {
        pane.reset();
        application.reset();
        return std::move(fakes.defaults);
    }

    GlobalShortcuts::Registry &shortcuts() { return *application->shortcuts(); }
    int ejects() const
    {
        int count = 0;
        for (const FakeDiskOperations::Call &call : fakes.operations->calls)
            count += call.operation == QLatin1String("eject");
        return count;
    }

    // The preferences row of the shortcut, as the pane shows it.
    ShortcutHint *hint()
    {
        if (!pane)
            pane.reset(PreferencesPaneFactory::make(*application));
        return pane->findChild<ShortcutHint *>();
    }
    ShortcutRecorder *recorder()
    {
        hint();
        return pane->findChild<ShortcutRecorder *>();
    }
    // The hint's text, empty while it is hidden.
    QString hintText() { return hint()->isVisibleTo(pane.get()) ? hint()->text() : QString(); }
};
