// The table's record of its settled moments, which the recorded match compares: one numbered
// line a moment, a picture for each but a beep, and nothing for a glide cut short.
#include <QImage>

#include "TableSnapshots.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

QStringList LogLines(const QString& folder) {
    QFile log(folder + QStringLiteral("/log.txt"));
    if (!log.open(QIODevice::ReadOnly | QIODevice::Text)) return {};
    return QString::fromUtf8(log.readAll()).split(QLatin1Char('\n'), Qt::SkipEmptyParts);
}

}  // namespace

class TableSnapshotsTest : public QObject {
    Q_OBJECT

  private slots:
    void aMatchIsRecordedMomentByMoment() {
        TestTable t;
        t.Write(QStringLiteral("vorbia.ini"), "VelocitaCarta=50\r\nDisplayMessaggi=-1\r\n");
        const QString folder = t.FilePath(QStringLiteral("snapshots"));
        t.table = std::make_unique<CardTable>(CardTableOptions{
            t.FilePath(QStringLiteral("")).toStdString(),
            QSize(kDesignDrawingArea.width, kDesignDrawingArea.height), 7, folder});
        QVERIFY(t.table->StartUp());
        t.table->show();
        t.table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(t.table.get()));
        CardTable& table = *t.table;

        table.Engine().NewMatch();
        QVERIFY(WaitForHumanTurn(table));
        QStringList lines = LogLines(folder);
        QVERIFY(lines.size() >= 2);
        // The box's line breaks stay on the moment's one line.
        QVERIFY2(lines[0].startsWith(QStringLiteral("0001 message Dopo aver rimescolato")) &&
                     lines[0].contains(QStringLiteral("\\r")),
                 qPrintable(lines[0]));
        for (int moment = 1; moment <= lines.size(); ++moment) {
            const QString number = QStringLiteral("%1").arg(moment, 4, 10, QLatin1Char('0'));
            QVERIFY2(lines[moment - 1].startsWith(number + QLatin1Char(' ')),
                     qPrintable(lines[moment - 1]));
            const QImage picture(folder + QLatin1Char('/') + number + QStringLiteral(".png"));
            QCOMPARE(picture.size(), QSize(kDesignDrawingArea.width, kDesignDrawingArea.height));
        }
        const Card current = *table.State().CurrentCard;
        QCOMPARE(lines.last(), QStringLiteral("%1 glide %2")
                                   .arg(lines.size(), 4, 10, QLatin1Char('0'))
                                   .arg(DeckPosition(current) + 1));

        const int beepMoment = static_cast<int>(lines.size()) + 1;
        table.Beep();
        lines = LogLines(folder);
        QCOMPARE(lines.last(), QStringLiteral("%1 beep").arg(beepMoment, 4, 10, QLatin1Char('0')));
        QVERIFY(!QFile::exists(folder +
                               QStringLiteral("/%1.png").arg(beepMoment, 4, 10, QLatin1Char('0'))));

        // A new match asked for while the human's card glides: that glide never ends, and the
        // next moment is the new match's box.
        QTimer::singleShot(0, &table, [&table] { table.Engine().NewMatch(); });
        table.Engine().CardClicked(current);
        QVERIFY(WaitForHumanTurn(table));
        lines = LogLines(folder);
        QVERIFY(lines.size() > beepMoment);
        QVERIFY2(lines[beepMoment].contains(QStringLiteral("message Dopo aver rimescolato")),
                 qPrintable(lines[beepMoment]));
    }
};

QTEST_MAIN(TableSnapshotsTest)
#include "TableSnapshotsTest.moc"
