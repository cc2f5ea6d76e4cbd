#include "DesktopTheme.h"

#include <QVariant>

namespace mrv::test {

DesktopTheme::DesktopTheme() : palette_(darkPalette()), general_(generalFont()), class_(classFont()) {}

QFont DesktopTheme::generalFont()
{
    QFont f(QStringLiteral("Liberation Serif"));
    f.setPointSizeF(14);
    return f;
}

QFont DesktopTheme::classFont()
{
    QFont f(QStringLiteral("Liberation Mono"));
    f.setPointSizeF(15);
    f.setItalic(true);
    f.setStyleName(QStringLiteral("Italic"));
    f.setLetterSpacing(QFont::PercentageSpacing, 120);
    f.setHintingPreference(QFont::PreferNoHinting);
    return f;
}

QPalette DesktopTheme::darkPalette()
{
    // A common dark scheme's colours: light text on near-black grounds.
    const struct {
        QPalette::ColorRole role;
        QColor active;
        QColor disabled;
    } rows[] = {
        {QPalette::Window, QColor(0x20, 0x23, 0x26), QColor(0x20, 0x23, 0x26)},
        {QPalette::WindowText, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x70, 0x73)},
        {QPalette::Base, QColor(0x14, 0x16, 0x18), QColor(0x14, 0x16, 0x18)},
        {QPalette::AlternateBase, QColor(0x1d, 0x1f, 0x22), QColor(0x1d, 0x1f, 0x22)},
        {QPalette::Text, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x70, 0x73)},
        {QPalette::Button, QColor(0x29, 0x2c, 0x30), QColor(0x29, 0x2c, 0x30)},
        {QPalette::ButtonText, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x70, 0x73)},
        {QPalette::BrightText, QColor(0xff, 0xff, 0xff), QColor(0xff, 0xff, 0xff)},
        {QPalette::Light, QColor(0x40, 0x45, 0x4b), QColor(0x40, 0x45, 0x4b)},
        {QPalette::Midlight, QColor(0x35, 0x39, 0x3e), QColor(0x35, 0x39, 0x3e)},
        {QPalette::Mid, QColor(0x1f, 0x21, 0x24), QColor(0x1f, 0x21, 0x24)},
        {QPalette::Dark, QColor(0x12, 0x13, 0x15), QColor(0x12, 0x13, 0x15)},
        {QPalette::Shadow, QColor(0x0a, 0x0b, 0x0c), QColor(0x0a, 0x0b, 0x0c)},
        {QPalette::Highlight, QColor(0x3d, 0xae, 0xe9), QColor(0x29, 0x2c, 0x30)},
        {QPalette::HighlightedText, QColor(0xfc, 0xfc, 0xfc), QColor(0x6e, 0x70, 0x73)},
        {QPalette::Link, QColor(0x1d, 0x99, 0xf3), QColor(0x1d, 0x99, 0xf3)},
        {QPalette::LinkVisited, QColor(0x9b, 0x59, 0xb6), QColor(0x9b, 0x59, 0xb6)},
        {QPalette::ToolTipBase, QColor(0x29, 0x2c, 0x30), QColor(0x29, 0x2c, 0x30)},
        {QPalette::ToolTipText, QColor(0xfc, 0xfc, 0xfc), QColor(0xfc, 0xfc, 0xfc)},
        {QPalette::PlaceholderText, QColor(0xa1, 0xa9, 0xb1), QColor(0x6e, 0x70, 0x73)},
    };
    QPalette p;
    for (const auto& row : rows) {
        p.setColor(QPalette::Active, row.role, row.active);
        p.setColor(QPalette::Inactive, row.role, row.active);
        p.setColor(QPalette::Disabled, row.role, row.disabled);
    }
    return p;
}

const QPalette* DesktopTheme::palette(Palette type) const
{
    return type == SystemPalette ? &palette_ : nullptr;
}

const QFont* DesktopTheme::font(Font type) const
{
    return type == SystemFont ? &general_ : &class_;
}

QVariant DesktopTheme::themeHint(ThemeHint hint) const
{
    if (hint == DialogButtonBoxButtonsHaveIcons)
        return true;
    return QPlatformTheme::themeHint(hint);
}

} // namespace mrv::test
