#pragma once

#include <QString>
#include <optional>

// The program's folder under the user's data folder (~/.local/share/Quillmere).
namespace AppSupport {

inline constexpr char baseIdentifier[] = "com.quillmere.app";

// The application id this build was made with (QUILLMERE_APP_ID).
QString bundleIdentifier();
// The user's data folder, or the temporary folder when there is none.
QString baseURL();
// "Quillmere", or "Quillmere Staging" and alike for "com.quillmere.app.staging".
QString directoryName(const std::optional<QString> &bundleIdentifier);
// baseURL with directoryName of this build; not created here.
QString directoryURL();

} // namespace AppSupport
