#include "Fonts.h"

#include <QFile>
#include <QFontDatabase>
#include <QStringList>
#include <array>

namespace vorbia {

namespace {

struct FaceChoice {
    QString wanted;
    QStringList wineFiles;
    QString fallback;
    QString chosen;
};

std::array<FaceChoice, 3>& Faces() {
    static std::array<FaceChoice, 3> faces = {{
        {"Tahoma", {"tahoma.ttf", "tahomabd.ttf"}, "DejaVu Sans", {}},
        {"MS Sans Serif", {"ms_sans_serif.ttf"}, "DejaVu Sans", {}},
        {"Courier", {"courier.ttf"}, "DejaVu Sans Mono", {}},
    }};
    return faces;
}

QString ChooseFamily(const FaceChoice& face) {
    if (QFontDatabase::families().contains(face.wanted, Qt::CaseInsensitive)) return face.wanted;
    QString loaded;
    for (const QString& file : face.wineFiles) {
        const QString path = QStringLiteral("/usr/share/wine/fonts/") + file;
        if (!QFile::exists(path)) continue;
        const int id = QFontDatabase::addApplicationFont(path);
        const QStringList families = QFontDatabase::applicationFontFamilies(id);
        if (loaded.isEmpty() && !families.isEmpty()) loaded = families.first();
    }
    return loaded.isEmpty() ? face.fallback : loaded;
}

}  // namespace

void LoadFonts() {
    for (FaceChoice& face : Faces()) {
        if (face.chosen.isEmpty()) face.chosen = ChooseFamily(face);
    }
}

QFont GameFont(FontFace face, double pointSize, bool bold) {
    const FaceChoice& choice = Faces()[static_cast<size_t>(face)];
    QFont font(choice.chosen.isEmpty() ? choice.fallback : choice.chosen);
    font.setPointSizeF(pointSize);
    font.setBold(bold);
    return font;
}

}  // namespace vorbia
