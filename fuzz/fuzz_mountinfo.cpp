// The mount table: /proc/self/mountinfo lines with their octal escapes.
#include "fuzzcheck.h"
#include "mountinfo.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView text(reinterpret_cast<const char *>(data), qsizetype(size));
    const MountInfoList entries = MountInfo::parse(text);
    const MountInfoList volumes = MountInfo::volumeMounts(entries);
    FUZZ_CHECK(volumes.size() <= entries.size());
    for (const MountInfoEntry &entry : volumes) {
        FUZZ_CHECK(entries.contains(entry));
        FUZZ_CHECK(entry.fsType != QLatin1String("autofs"));
        const MountInfoEntry *visible = MountInfo::visibleAt(entries, entry.mountPoint);
        FUZZ_CHECK(visible && visible->mountPoint == entry.mountPoint);
    }
    MountInfo::decodeField(text);
    return 0;
}
