#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace vorbia {

namespace {

struct Families {
    QString regular;
    QString bold;
};

std::array<Families, 3>& Chosen() {
    static std::array<Families, 3> chosen;
    return chosen;
}

bool SystemHasScalable(const QString& family) {
    return QFontDatabase::families().contains(family, Qt::CaseInsensitive) &&
           QFontDatabase::isSmoothlyScalable(family);
}

// DejaVu Sans Condensed has nearly Tahoma's widths (plain DejaVu Sans is an eighth wider and
// overflows the labels drawn for Tahoma); plain DejaVu Sans is the last resort.
QString NarrowSans() {
    return SystemHasScalable(QStringLiteral("DejaVu Sans Condensed"))
               ? QStringLiteral("DejaVu Sans Condensed")
               : QStringLiteral("DejaVu Sans");
}

// Wine's Tahoma has Tahoma's narrow metrics, so texts fit the boxes drawn for them; its bold
// file only widens the regular outlines, so bold text takes a narrow DejaVu face instead.
Families ChooseTahoma() {
    if (SystemHasScalable(QStringLiteral("Tahoma")))
        return {QStringLiteral("Tahoma"), QStringLiteral("Tahoma")};
    const QString narrow = NarrowSans();
    const QString wineTahoma = QStringLiteral("/usr/share/wine/fonts/tahoma.ttf");
    if (QFile::exists(wineTahoma)) {
        const QStringList loaded =
            QFontDatabase::applicationFontFamilies(QFontDatabase::addApplicationFont(wineTahoma));
        if (!loaded.isEmpty()) return {loaded.first(), narrow};
    }
    return {narrow, narrow};
}

}  // namespace

void LoadFonts() {
    auto& chosen = Chosen();
    if (!chosen[0].regular.isEmpty()) return;
    const Families tahoma = ChooseTahoma();
    chosen[static_cast<size_t>(FontFace::Tahoma)] = tahoma;
    // Wine's MS Sans Serif and Courier are bitmap fonts that cannot be scaled; the nearest
    // scalable faces stand in for them.
    chosen[static_cast<size_t>(FontFace::MsSansSerif)] =
        SystemHasScalable(QStringLiteral("MS Sans Serif"))
            ? Families{QStringLiteral("MS Sans Serif"), QStringLiteral("MS Sans Serif")}
            : tahoma;
    chosen[static_cast<size_t>(FontFace::Courier)] =
        SystemHasScalable(QStringLiteral("Courier"))
            ? Families{QStringLiteral("Courier"), QStringLiteral("Courier")}
            : Families{QStringLiteral("DejaVu Sans Mono"), QStringLiteral("DejaVu Sans Mono")};
}

QFont GameFont(FontFace face, double pointSize, bool bold) {
    const Families& families = Chosen()[static_cast<size_t>(face)];
    const QString family = bold ? families.bold : families.regular;
    QFont font(family.isEmpty() ? QStringLiteral("DejaVu Sans") : family);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace vorbia
