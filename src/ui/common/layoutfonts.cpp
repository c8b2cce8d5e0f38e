#include "ui/common/layoutfonts.h"

#include <QFontDatabase>
#include <QFontInfo>
#include <QFontMetricsF>
#include <QStringList>

namespace quarnix::ui {

namespace {

constexpr qreal layoutPointSize = 8.25;

// The first installed family of `families`, else the desktop's sans-serif.
QFont firstInstalled(const QStringList& families, qreal pointSize, bool* found = nullptr)
{
    QFont font(QStringLiteral("Sans Serif"));
    font.setStyleHint(QFont::SansSerif);
    if (found)
        *found = false;
    for (const QString& family : families) {
        if (QFontDatabase::hasFamily(family)) {
            font.setFamily(family);
            if (found)
                *found = true;
            break;
        }
    }
    font.setPointSizeF(pointSize);
    return font;
}

const QStringList arialFamilies = {QStringLiteral("Arial"), QStringLiteral("Liberation Sans"), QStringLiteral("Arimo")};

// The main window's captions run 452 pixels in Arial (and its metric twins) at
// 11 pixels, the size of 8.25 pt at 96 dpi.
constexpr auto arialSample
    = "Source File: Destination Folder: Chunk Size: MB Chunks Count: Default Split Help About Exit";
constexpr double arialSampleWidthPerPixel = 452.0 / 11.0;

// MS Sans Serif runs about 6 % narrower than Arial at the same height; at Arial's
// full width the longer help texts wrap to a line their boxes have no room for.
constexpr double sansSerifToArialWidth = 0.94;

double sampleWidth(const QFont& font)
{
    return QFontMetricsF(font).horizontalAdvance(QString::fromLatin1(arialSample));
}

QFont narrowedToSansSerifWidths(QFont font)
{
    const double allowed = sansSerifToArialWidth * arialSampleWidthPerPixel * QFontInfo(font).pixelSize();
    const double width = sampleWidth(font);
    if (width <= allowed)
        return font;
    font.setStretch(int(100.0 * allowed / width));
    // Windows' GDI narrows a hinted face in whole pixels of its average character
    // width: at this size any stretch below 100 comes out about 12 % narrower, and
    // every caption looks squeezed. Laid out by its design metrics the face narrows
    // as far as asked, as it does elsewhere, where this never triggers.
    if (sampleWidth(font) < 0.98 * allowed) {
        font.setHintingPreference(QFont::PreferNoHinting);
        font.setStretch(QFont::Unstretched);
        font.setStretch(int(100.0 * allowed / sampleWidth(font)));
    }
    return font;
}

} // namespace

QFont windowFont()
{
    const QStringList original = {QStringLiteral("MS Sans Serif"), QStringLiteral("Microsoft Sans Serif")};
    for (const QString& family : original) {
        if (QFontDatabase::hasFamily(family))
            return firstInstalled({family}, layoutPointSize);
    }
    // Arial's metrics are known, so a face with them is narrowed by the known
    // proportion. Any other face is left at its own width: each window narrows it
    // as far as its tightest caption needs (captionfit.h).
    bool arialMetrics = false;
    const QFont font = firstInstalled(arialFamilies, layoutPointSize, &arialMetrics);
    return arialMetrics ? narrowedToSansSerifWidths(font) : font;
}

QFont arialFont(qreal pointSize)
{
    return firstInstalled(arialFamilies, pointSize);
}

} // namespace quarnix::ui
