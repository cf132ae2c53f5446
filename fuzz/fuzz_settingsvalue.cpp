// A settings file: a JSON object of typed values ({"type": "bool", "value": true}).
#include "fuzzcheck.h"
#include "stores/settingsvaluecodec.h"

#include <QJsonArray>
#include <QJsonDocument>
#include <QJsonObject>
#include <cstddef>
#include <cstdint>

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));
    const QJsonDocument document = QJsonDocument::fromJson(bytes);
    QJsonObject values = document.object();
    if (document.isArray())
        values.insert(QStringLiteral("array"), document.array());
    for (auto it = values.constBegin(); it != values.constEnd(); ++it) {
        const auto value = SettingsValueCodec::decode(it.value());
        if (!value)
            continue;
        // A value read from the file is written back as what it was read as.
        const auto encoded = SettingsValueCodec::encode(*value);
        FUZZ_CHECK(encoded.has_value());
        const auto again = SettingsValueCodec::decode(*encoded);
        FUZZ_CHECK(again.has_value());
        FUZZ_CHECK(SettingsValueCodec::encode(*again) == encoded);
    }
    return 0;
}
