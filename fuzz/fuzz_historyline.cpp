// One line of the history log.
#include "fuzzcheck.h"
#include "stores/historyentrycodec.h"

#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArrayView line(reinterpret_cast<const char *>(data), qsizetype(size));
    const auto entry = HistoryEntryCodec::decode(line);
    if (!entry)
        return 0;
    // Whatever a line held, writing it again gives one line that reads back the same.
    const QByteArray written = HistoryEntryCodec::encode(*entry);
    FUZZ_CHECK(!written.contains('\n') && !written.contains('\r'));
    const auto again = HistoryEntryCodec::decode(written);
    FUZZ_CHECK(again.has_value());
    FUZZ_CHECK(HistoryEntryCodec::encode(*again) == written);
    return 0;
}
