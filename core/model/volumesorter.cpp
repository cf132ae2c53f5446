#include "model/volumesorter.h"

#include <QCollator>
#include <algorithm>

namespace VolumeSorter {

VolumeList sorted(const VolumeList &volumes, SortMode mode)
{
    QCollator collator; // the user's locale
    collator.setCaseSensitivity(Qt::CaseInsensitive);
    const auto nameBefore = [&collator](const Volume &a, const Volume &b) {
        return collator.compare(a.name, b.name) < 0;
    };
    const auto largerFirst = [&nameBefore](qint64 a, qint64 b, const Volume &va, const Volume &vb) {
        if (a != b)
            return a > b;
        return nameBefore(va, vb);
    };

    VolumeList result = volumes;
    switch (mode) {
    case SortMode::name:
        std::stable_sort(result.begin(), result.end(), nameBefore);
        break;
    case SortMode::kind:
        std::stable_sort(result.begin(), result.end(), [&](const Volume &a, const Volume &b) {
            if (a.kind != b.kind)
                return static_cast<int>(a.kind) < static_cast<int>(b.kind);
            return nameBefore(a, b);
        });
        break;
    case SortMode::size:
        std::stable_sort(result.begin(), result.end(), [&](const Volume &a, const Volume &b) {
            return largerFirst(a.capacityBytes.value_or(-1), b.capacityBytes.value_or(-1), a, b);
        });
        break;
    case SortMode::free:
        std::stable_sort(result.begin(), result.end(), [&](const Volume &a, const Volume &b) {
            return largerFirst(a.freeBytes.value_or(-1), b.freeBytes.value_or(-1), a, b);
        });
        break;
    }
    return result;
}

} // namespace VolumeSorter
