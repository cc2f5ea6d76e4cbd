// A platform theme such as desktops install for Qt programs: large general
// and per-class fonts of other families, a dark palette, and icons on
// dialog buttons. The window tests install it in-process to ask for its
// hints, and as the plugin "mrv-desktop" (QT_QPA_PLATFORMTHEME) to run
// whole windows under it, as a desktop does.
#pragma once

#include <QFont>
#include <QPalette>
#include <qpa/qplatformtheme.h>

namespace mrv::test {

class DesktopTheme : public QPlatformTheme {
public:
    DesktopTheme();

    // The desktop's general font: 14 pt of a serif family.
    static QFont generalFont();
    // The font of every class of control (labels, buttons, group boxes...):
    // larger still, monospaced, italic and widely spaced, so that any of it
    // that shows through in a control changes its pixels.
    static QFont classFont();
    // Dark colours for every role, as a desktop's dark scheme sets them.
    static QPalette darkPalette();

    const QPalette* palette(Palette type = SystemPalette) const override;
    const QFont* font(Font type = SystemFont) const override;
    QVariant themeHint(ThemeHint hint) const override;

private:
    QPalette palette_;
    QFont general_;
    QFont class_;
};

} // namespace mrv::test
