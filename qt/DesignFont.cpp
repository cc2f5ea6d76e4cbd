#include "DesignFont.h"

#include "Texts.h"

#include <QFontDatabase>
#include <QStringList>

namespace mrv::ui {

QString designFamily()
{
    static const QString family = [] {
        const QStringList installed = QFontDatabase::families();
        QStringList wanted{toQString(forms::kFace)};
        for (std::string_view fallback : forms::kFallbackFaces)
            wanted.append(toQString(fallback));
        for (const QString& face : wanted) {
            if (installed.contains(face, Qt::CaseInsensitive))
                return face;
        }
        return QFontDatabase::systemFont(QFontDatabase::GeneralFont).family();
    }();
    return family;
}

QFont designFont(forms::FontRole role)
{
    const forms::FontDesign design = forms::fontOf(role);
    QFont f(designFamily());
    f.setPointSizeF(design.points);
    f.setBold(design.bold);
    // Every property counts as set, so none of a platform theme's general or
    // per-class fonts (style name, stretch, spacing, hinting...) shows
    // through in the controls that inherit this font.
    f.setResolveMask(QFont::AllPropertiesResolved);
    return f;
}

} // namespace mrv::ui
