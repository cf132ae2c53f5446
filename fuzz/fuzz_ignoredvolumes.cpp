// The ignored-volume list as the settings hold it: a JSON array of {volumeUUID, name}.
#include "fuzzcheck.h"
#include "policy/excludedvolume.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto list = ExcludedVolume::decodeList(bytes);
    if (!list)
        return 0;
    const auto again = ExcludedVolume::decodeList(ExcludedVolume::encodeList(*list));
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(*again == *list);
    return 0;
}
