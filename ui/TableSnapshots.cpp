#include "TableSnapshots.h"

#include <QFile>
#include <QPixmap>
#include <QWidget>

namespace vorbia {

TableSnapshots::TableSnapshots(QWidget& table, const QString& folder)
    : table_(table), folder_(folder) {
    folder_.mkpath(QStringLiteral("."));
}

void TableSnapshots::GlideEnded(int card) {
    Record(QStringLiteral("glide ") + QString::number(card), true);
}

void TableSnapshots::BoxOpening(const QString& text) {
    // One moment a line: the box's line breaks are written as the rules write them.
    QString oneLine = text;
    oneLine.replace(QLatin1Char('\r'), QStringLiteral("\\r"));
    oneLine.replace(QLatin1Char('\n'), QStringLiteral("\\n"));
    Record(QStringLiteral("message ") + oneLine, true);
}

void TableSnapshots::EndOfMatch(int humanScore, int computerScore) {
    Record(QStringLiteral("end-of-match %1 %2").arg(humanScore).arg(computerScore), true);
}

void TableSnapshots::Beeped() { Record(QStringLiteral("beep"), false); }

void TableSnapshots::Record(const QString& moment, bool withPicture) {
    ++count_;
    const QString number = QStringLiteral("%1").arg(count_, 4, 10, QLatin1Char('0'));

    if (withPicture) table_.grab().save(folder_.filePath(number + QStringLiteral(".png")));
    QFile log(folder_.filePath(QStringLiteral("log.txt")));
    // The picture is written before its line: a script that sees the line finds the picture.
    if (log.open(QIODevice::Append | QIODevice::Text))
        log.write((number + QLatin1Char(' ') + moment + QLatin1Char('\n')).toUtf8());
}

}  // namespace vorbia
