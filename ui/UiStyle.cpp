#include "UiStyle.h"

#include <QApplication>

namespace mrv::ui {

QFont designFont(qreal pointSize, bool bold)
{
    QFont f(QStringLiteral("MS Sans Serif"));
    f.setPointSizeF(pointSize);
    f.setBold(bold);
    return f;
}

void applyApplicationStyle(QApplication& app)
{
    app.setFont(designFont());
}

} // namespace mrv::ui
