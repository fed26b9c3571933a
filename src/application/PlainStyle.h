#pragma once

#include <QProxyStyle>

// The platform style with plain dialog buttons: generic Linux themes put
// icons on the OK buttons of message boxes, which the original never shows.
class PlainStyle : public QProxyStyle {
 public:
  int styleHint(StyleHint hint, const QStyleOption* option, const QWidget* widget,
                QStyleHintReturn* returnData) const override {
    if (hint == SH_DialogButtonBox_ButtonsHaveIcons) return 0;
    return QProxyStyle::styleHint(hint, option, widget, returnData);
  }
};
