#include "platform/qt/DialogFont.h"

#include <QFontDatabase>
#include <QFontMetrics>
#include <QStringList>

#include <algorithm>

namespace platform {

QFont DialogFont(const FontSpec& spec)
{
    const QString face = QString::fromLatin1(spec.faceName ? spec.faceName : "");
    // Only a font that is really installed counts: fontconfig would happily
    // alias any name to some other face.
    QFont font = !face.isEmpty() && QFontDatabase::families().contains(face, Qt::CaseInsensitive)
                     ? QFont(face)
                     : QFontDatabase::systemFont(QFontDatabase::GeneralFont);
    font.setPointSize(std::max(1, spec.pointSize));
    // Weight 0 is the face's normal weight; both scales put normal at 400.
    if (spec.weight > 0)
        font.setWeight(static_cast<QFont::Weight>(std::clamp(spec.weight, 1, 1000)));
    font.setItalic(spec.italic);
    return font;
}

BaseUnits MeasureBaseUnits(const QFont& font)
{
    const QFontMetrics metrics(font);
    const int letters = metrics.horizontalAdvance(QStringLiteral("ABCDEFGHIJKLMNOPQRSTUVWXYZabcdefghijklmnopqrstuvwxyz"));
    return BaseUnits{std::max(1, qRound(letters / 52.0)), std::max(1, metrics.height())};
}

}  // namespace platform
