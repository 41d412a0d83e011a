#include "platform/forms/look.h"

#include "platform/forms/colors.h"

#include <QWidget>

namespace forms {

QFont designFont(const QString& family, double points, bool bold, bool underline)
{
    QFont f(family);
    f.setPointSizeF(points);
    f.setBold(bold);
    f.setUnderline(underline);
    return f;
}

QStringList applyLooks(QWidget* root, std::span<const ControlLook> looks)
{
    QStringList missing;
    for (const ControlLook& look : looks) {
        const QString name = QString::fromLatin1(look.name);
        QWidget* w = root->objectName() == name ? root : root->findChild<QWidget*>(name);
        if (!w) {
            missing.append(name);
            continue;
        }
        if (look.font.family)
            w->setFont(designFont(QString::fromLatin1(look.font.family), look.font.points, look.font.bold,
                                  look.font.underline));
        if (look.back)
            setBackColor(w, *look.back, look.editor);
        if (look.fore)
            setForeColor(w, *look.fore);
    }
    return missing;
}

} // namespace forms
