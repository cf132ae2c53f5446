#pragma once

#include <QString>
#include <optional>

class QComboBox;
class QWidget;

// The pop-up that chooses the interface language: "System Default", a separator, then every
// language by its own name.
namespace LanguagePicker {

// `current` (a language code) is selected; none, or a code not offered, selects
// "System Default". Discreet pop-ups are small.
QComboBox *makePopUp(const std::optional<QString> &current, bool discreet = false,
                     QWidget *parent = nullptr);
// The chosen code, or none for "System Default".
std::optional<QString> selectedOverride(const QComboBox *popUp);

} // namespace LanguagePicker
