// The signed media definitions: the token as a whole, and, signed here with a key of the
// fuzzer's own so that the signature check lets them through, payloads.
#include "fuzzcheck.h"
#include "policy/signeddefinitions.h"

#include <cstddef>
#include <cstdint>
#include <limits>
#include <sodium.h>

namespace {

struct Keys {
    unsigned char publicKey[crypto_sign_PUBLICKEYBYTES];
    unsigned char secretKey[crypto_sign_SECRETKEYBYTES];
    QString publicKeyBase64;

    Keys()
    {
        FUZZ_CHECK(sodium_init() >= 0);
        crypto_sign_keypair(publicKey, secretKey);
        publicKeyBase64 = QString::fromLatin1(
            QByteArray(reinterpret_cast<const char *>(publicKey), sizeof publicKey).toBase64());
    }
};

QString urlSafe(const QByteArray &bytes)
{
    return QString::fromLatin1(
        bytes.toBase64(QByteArray::Base64UrlEncoding | QByteArray::OmitTrailingEquals));
}

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const uint8_t *data, size_t size)
{
    static const Keys keys;
    const QByteArray bytes(reinterpret_cast<const char *>(data), qsizetype(size));

    // The input as a token: it never verifies against the program's key.
    FUZZ_CHECK(!SignedDefinitions::verify(QString::fromUtf8(bytes), 0, 1).isValid());
    SignedDefinitions::decodeSegment(QString::fromUtf8(bytes));

    // The input as a payload, signed.
    const QString segment = urlSafe(bytes);
    const QByteArray signedText = segment.toLatin1();
    unsigned char signature[crypto_sign_BYTES];
    crypto_sign_detached(signature, nullptr,
                         reinterpret_cast<const unsigned char *>(signedText.constData()),
                         quint64(signedText.size()), keys.secretKey);
    const QString token =
        segment + QLatin1Char('.') +
        urlSafe(QByteArray(reinterpret_cast<const char *>(signature), sizeof signature));
    const auto result = SignedDefinitions::verify(token, keys.publicKeyBase64, 0,
                                                  std::numeric_limits<qint64>::max());
    const auto payload = SignedDefinitions::Payload::fromJson(bytes);
    FUZZ_CHECK(result.isValid() == (payload && payload->rev >= 0));
    if (result.isValid())
        FUZZ_CHECK(*result.payload() == *payload);
    return 0;
}
