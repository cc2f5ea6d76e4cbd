#include "DesignFont.h"

#include <QFontDatabase>
#include <QStringList>

namespace mrv::ui {

QString designFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        for (const QString& wanted : {QStringLiteral("MS Sans Serif"), QStringLiteral("Liberation Sans")}) {
            if (installed.contains(wanted, Qt::CaseInsensitive))
                return wanted;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont designFont(qreal pointSize, bool bold)
{
    QFont f(designFamily());
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    // Every property counts as set, so none of a platform theme's general or
    // per-class fonts (style name, stretch, spacing, hinting...) shows
    // through in the controls that inherit this font.
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

} // namespace mrv::ui
