#include "window/languagepicker.h"

#include "stores/applanguage.h"

#include <QComboBox>
#include <QCoreApplication>

QComboBox *LanguagePicker::makePopUp(const std::optional<QString> &current, bool discreet,
                                     QWidget *parent)
{
    auto *popUp = new QComboBox(parent);
    //: Language picker item
    popUp->addItem(QCoreApplication::translate("LanguagePicker", "System Default"));
    popUp->insertSeparator(popUp->count());
    for (const AppLanguage language : AppLanguage::allCases())
        popUp->addItem(language.endonym(), language.code());

    const int index = current ? popUp->findData(*current) : -1;
    popUp->setCurrentIndex(index >= 0 ? index : 0);

    if (discreet) {
        QFont font = popUp->font();
        if (font.pointSizeF() > 0) {
            font.setPointSizeF(font.pointSizeF() * 11.0 / 13.0);
            popUp->setFont(font);
        }
        popUp->setAttribute(Qt::WA_MacSmallSize);
    }
    return popUp;
}

std::optional<QString> LanguagePicker::selectedOverride(const QComboBox *popUp)
{
    const QVariant code = popUp->currentData();
    if (!code.isValid())
        return std::nullopt;
    return code.toString();
}
