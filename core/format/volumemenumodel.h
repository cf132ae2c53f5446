#pragma once

#include "model/volume.h"

#include <QList>
#include <QString>
#include <optional>

// The entries of a volume's actions menu, shared by every surface.
class VolumeMenuModel {
public:
    class Item {
    public:
        enum class Kind {
            toggleExclusion,
            openInFileManager,
            copyPath,
            separator,
            eject,
            remount,
            rename,
            erase
        };

        static Item toggleExclusion(bool excluded) { return Item(Kind::toggleExclusion, excluded); }
        static Item openInFileManager() { return Item(Kind::openInFileManager); }
        static Item copyPath() { return Item(Kind::copyPath); }
        static Item separator() { return Item(Kind::separator); }
        static Item eject() { return Item(Kind::eject); }
        static Item remount() { return Item(Kind::remount); }
        static Item rename() { return Item(Kind::rename); }
        static Item erase() { return Item(Kind::erase); }

        Kind kind() const { return m_kind; }
        // Only meaningful for toggleExclusion.
        bool excluded() const { return m_excluded; }
        // None for a separator.
        std::optional<QString> title() const;

        bool operator==(const Item &) const = default;

    private:
        explicit Item(Kind kind, bool excluded = false) : m_kind(kind), m_excluded(excluded) {}

        Kind m_kind;
        bool m_excluded;
    };

    QList<Item> items;

    bool operator==(const VolumeMenuModel &) const = default;

    static VolumeMenuModel make(const Volume &volume, bool isExcluded);
};
