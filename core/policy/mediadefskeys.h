#pragma once

// The Ed25519 public key (standard Base64 of its 32 raw bytes) that signs the media
// definitions feed; whoever publishes the feed holds the private half.
namespace MediaDefsKeys {
inline constexpr char publicKeyBase64[] = "I6zzxiPekO4SRml+f8dl4HqtBU3Al94lDHNiCtld57g=";
} // namespace MediaDefsKeys
