// The glide, the background's orbit and the blinking of the name panels.
#include <QLabel>
#include <QTimer>
#include <cmath>

#include "BackgroundOrbit.h"
#include "CardGlide.h"
#include "Fonts.h"
#include "NameBlinking.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

QList<QPoint> Path(QPoint start, QPoint end, int speed) {
    GlidePath path(start, end);
    QList<QPoint> steps;
    do {
        steps.append(path.Step(speed));
    } while (!path.Arrived() && steps.size() < 1000);
    return steps;
}

}  // namespace

class CardMotionTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void aGlideRunsDiagonallyThenStraight() {
        const QList<QPoint> steps = Path({69, 100}, {169, 130}, 10);
        QCOMPARE(steps.size(), 10);
        QCOMPARE(steps.mid(0, 4), (QList<QPoint>{{79, 110}, {89, 120}, {99, 130}, {109, 130}}));
        QCOMPARE(steps.last(), QPoint(169, 130));

        QCOMPARE(Path({0, 40}, {120, 40}, 50), (QList<QPoint>{{50, 40}, {100, 40}, {120, 40}}));
        QCOMPARE(Path({5, 5}, {5, 5}, 10), QList<QPoint>{QPoint(5, 5)});

        // Left and up, clamped from below.
        const QList<QPoint> back = Path({163, 562}, {-59, 67}, 50);
        for (const QPoint& step : back) QVERIFY(step.x() >= -59 && step.y() >= 67);
        QCOMPARE(back.last(), QPoint(-59, 67));
        QCOMPARE(back.size(), 10);
    }

    void theWindowShowsEveryStepAndHandlesEventsBetweenThem() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        folder.WriteSettings("VelocitaCarta=10\r\n");
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        table->show();

        CardPicture* card = Picture1(*table, 17);
        QList<QPoint> seen;
        QTimer watcher;
        watcher.setInterval(0);
        connect(&watcher, &QTimer::timeout, [&] {
            if (seen.isEmpty() || seen.last() != card->pos()) seen.append(card->pos());
        });
        watcher.start();
        table->MoveCard(17, 69, 100, 169, 130);
        watcher.stop();

        QCOMPARE(seen.size(), 10);
        QCOMPARE(seen.first(), QPoint(79, 110));
        QCOMPARE(seen[2], QPoint(99, 130));
        QCOMPARE(seen.last(), QPoint(169, 130));
        QCOMPARE(card->pos(), QPoint(169, 130));
    }

    void aSlowGlideIsNeverInstant() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        folder.WriteSettings("VelocitaCarta=10\r\n");
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        QElapsedTimer clock;
        clock.start();
        table->MoveCard(3, 69, 300, 969, 300);
        // 90 steps, each waiting for the display's pace.
        QVERIFY(clock.elapsed() >= 400);
    }

    void theOrbitCirclesTheMiddleOfTheTable() {
        BackgroundOrbit orbit;
        const QPoint first = orbit.Tick({1016, 700}, {157, 154}, 88);
        QCOMPARE(orbit.Radius(), 206);
        QCOMPARE(first, QPoint(635, 274));
        // The radius is kept when the table changes size.
        orbit.Tick({1016, 900}, {157, 154}, 88);
        QCOMPARE(orbit.Radius(), 206);
        for (int tick = 3; tick <= 1130; ++tick) orbit.Tick({1016, 700}, {157, 154}, 88);
        QVERIFY(orbit.Angle() > 6.27);
        orbit.Tick({1016, 700}, {157, 154}, 88);
        QCOMPARE(orbit.Angle(), 0.0);

        BackgroundOrbit low;
        const QPoint opposite = low.Tick({1016, 200}, {157, 154}, 88);
        QCOMPARE(low.Radius(), -44);
        QCOMPARE(opposite, QPoint(429 - 44, 23));
    }

    void theWindowMovesItsPictureOnTheOrbit() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        table->show();
        auto* background = Find<QLabel>(*table, "Picture2");
        QVERIFY(WaitUntil([&] { return background->isVisible(); }, 2000));
        // Centre (429, 273), radius 206: the picture stays on the circle, right of the middle.
        const QPoint at = background->pos();
        const double distance = std::hypot(at.x() - 429, at.y() - 273);
        QVERIFY2(std::abs(distance - 206) < 1.5, qPrintable(QString::number(distance)));
        QVERIFY(at.x() > 600 && at.y() >= 273);
    }

    void onlyThePanelOfThePlayerToMoveBlinks() {
        NameBlinking blinking;
        QVERIFY(!blinking.Tick(0));
        auto change = blinking.Tick(2);
        QCOMPARE(change->panel, Element::Panel3D2);
        QCOMPARE(change->paletteIndex, 1);
        QCOMPARE(blinking.Tick(2)->paletteIndex, 9);
        QCOMPARE(blinking.Tick(2)->paletteIndex, 1);
        change = blinking.Tick(1);
        QCOMPARE(change->panel, Element::Panel3D3);
        QCOMPARE(change->paletteIndex, 4);
        QCOMPARE(blinking.Tick(1)->paletteIndex, 12);
        // The computer's colour carries over to its next turn.
        QCOMPARE(blinking.Tick(2)->paletteIndex, 9);
    }
};

QTEST_MAIN(CardMotionTest)
#include "CardMotionTest.moc"
