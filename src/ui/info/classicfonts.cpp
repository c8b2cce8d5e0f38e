#include "ui/info/classicfonts.h"

#include <QFontDatabase>

namespace quarnix::ui {

namespace {

constexpr qreal layoutPointSize = 8.25;

// MS Sans Serif runs about 6 % narrower than Arial at the same height; without
// the narrowing the longer captions wrap to a line their boxes have no room for.
constexpr int arialToSansSerifStretch = 94;

QFont sized(const QString& family, int stretch)
{
    QFont font(family);
    font.setPointSizeF(layoutPointSize);
    font.setStretch(stretch);
    font.setStyleHint(QFont::SansSerif);
    return font;
}

} // namespace

QFont dialogFont()
{
    const QString original = QStringLiteral("MS Sans Serif");
    if (QFontDatabase::hasFamily(original))
        return sized(original, QFont::Unstretched);
    return sized(QStringLiteral("Arial"), arialToSansSerifStretch);
}

QFont arialFont()
{
    return sized(QStringLiteral("Arial"), QFont::Unstretched);
}

} // namespace quarnix::ui
