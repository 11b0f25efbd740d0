// The table window as it opens, its hints, its menu, the glide and the background's orbit.
#include <QElapsedTimer>
#include <QLabel>
#include <QMenu>

#include "CardGlide.h"
#include "Fonts.h"
#include "PointerHints.h"
#include "StatusPanel.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

class TableWindowTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void withoutPictureOrSettingsTheEmptyBackgroundCirclesAndTheRulesShow() {
        TestTable t;
        QVERIFY(t.StartUp());
        QCOMPARE(t.messages,
                 QStringList{QStringLiteral("Attenzione non trovato file picture: Vorbia.BMP")});
        QCOMPARE(t.table->findChild<StatusPanel*>(QStringLiteral("humanNamePanel"))->Caption(),
                 QStringLiteral(" (Umano)"));
        QCOMPARE(QDir::currentPath(), QDir(t.FilePath(QStringLiteral("."))).canonicalPath());

        // The empty box circles the middle of the table, its first tick about (635, 274).
        t.table->show();
        auto* background = t.table->findChild<QLabel*>(QStringLiteral("backgroundPicture"));
        QVERIFY(QTest::qWaitFor([&] { return background->isVisible(); }, 2000));
        QVERIFY((background->pos() - QPoint(635, 274)).manhattanLength() <= 2);

        t.table->Menu().rulesCommand->trigger();
        QVERIFY(t.messages.last().startsWith(
            QStringLiteral("Le carte vengono divise in due mazzetti da 20")));
    }

    void theSettingsNameAndSpeedAreUsed() {
        TestTable t;
        t.CopyBackgroundPicture(QStringLiteral("VORBIA.BMP"));
        t.Write(QStringLiteral("vorbia.ini"),
                "Giocatore1=Alessandra Maria\r\nVelocitaCarta=10\r\n");
        QVERIFY(t.StartUp());
        QCOMPARE(t.messages, QStringList{});
        QVERIFY(
            !t.table->findChild<QLabel*>(QStringLiteral("backgroundPicture"))->pixmap().isNull());
        QCOMPARE(t.table->findChild<StatusPanel*>(QStringLiteral("humanNamePanel"))->Caption(),
                 QStringLiteral("Alessandra (Umana)"));

        // A glide runs diagonally then straight and shows every step, handling events between
        // them at the display's pace.
        t.table->show();
        CardPicture& card = t.table->PictureOf(Card{Suit::Coppe, 7});
        card.show();
        QList<QPoint> seen;
        EveryPass watcher([&] {
            if (seen.isEmpty() || seen.last() != card.pos()) seen.append(card.pos());
        });
        // How long the glide took, -1 when it never arrived.
        const auto glide = [&](QPoint start, QPoint end) -> qint64 {
            bool arrived = false;
            QElapsedTimer clock;
            clock.start();
            CardGlide moving(
                card, start, end, t.table->State().CardSpeed, [] { return false; },
                [&] { arrived = true; }, nullptr);
            return QTest::qWaitFor([&] { return arrived; }, 5000) ? clock.elapsed() : -1;
        };
        QVERIFY(glide({69, 100}, {169, 130}) >= 40);
        QCOMPARE(seen.size(), 10);
        QCOMPARE(seen.mid(0, 4), (QList<QPoint>{{79, 110}, {89, 120}, {99, 130}, {109, 130}}));
        QCOMPARE(seen.last(), QPoint(169, 130));
        // Left and up, clamped from below; from where it stands, one step.
        seen.clear();
        QVERIFY(glide({163, 562}, {-59, 67}) >= 0);
        QCOMPARE(seen.size(), 50);
        for (const QPoint& step : seen) QVERIFY(step.x() >= -59 && step.y() >= 67);
        QCOMPARE(seen.last(), QPoint(-59, 67));
        seen.clear();
        QVERIFY(glide({5, 5}, {5, 5}) >= 0);
        QCOMPARE(seen, QList<QPoint>{QPoint(5, 5)});
    }

    void aFatalErrorEndsTheStartUp() {
        const struct {
            const char* file;
            QByteArray bytes;
            int error;
        } cases[] = {{"vorbia.ini", "VelocitaCarta=99999\r\n", 6},
                     {"Vorbia.bmp", "not a picture", 481}};
        for (const auto& c : cases) {
            TestTable t;
            t.CopyBackgroundPicture();
            t.Write(QString::fromLatin1(c.file), c.bytes);
            QVERIFY(!t.StartUp());
            QCOMPARE(t.messages,
                     QStringList{QStringLiteral("Attenzione si e' verificato l'errore fatale Num. "
                                                "%1.  Questo programma verrà terminato - "
                                                "Contattare l'autore per maggiori informazioni.")
                                     .arg(c.error)});
        }
    }

    void hintsTellWhatThePointerIsOver() {
        MatchState state;
        state.PlayerName[Player::Human] = "Anna";
        const QString played = QStringLiteral("Carta già giocata, clicca per sceglierla.");
        for (const auto& [owner, turnCount, hint] :
             {std::tuple{Player::Human, 1, "Mazzo di Anna - ancora 20 carte"},
              {Player::Computer, 3, "Mazzo di Dino (Computer) - ancora 19 carte"},
              {Player::Human, 41, "Mazzo di Anna - ancora 0 carte"}}) {
            state.TurnCount = turnCount;
            QCOMPARE(PileHint(owner, state), QString::fromUtf8(hint));
        }
        // The uncovered card tells how to play it until it is laid; any other card is played.
        const Card uncovered{Suit::Coppe, 2};
        state.CurrentCard = uncovered;
        for (const CurrentCardPlace place :
             {CurrentCardPlace::OnItsWay, CurrentCardPlace::OnPlaySpot}) {
            state.CurrentPlace = place;
            QCOMPARE(CardHint(uncovered, state),
                     QStringLiteral(
                         "Scegli a destra le carte da prendere quindi clicca su questa carta."));
        }
        state.CurrentPlace = CurrentCardPlace::Played;
        state.Table.Put({1, 1}, uncovered);
        QCOMPARE(CardHint(uncovered, state), played);
        QCOMPARE(CardHint(Card{Suit::Spade, 9}, state), played);

        // The window writes them in the title; over the bare table the title comes back.
        PlayTable t(7);
        CardTable& table = *t.table;
        table.Engine().NewMatch();
        QVERIFY(WaitForHumanTurn(table, [&] { return !table.State().Table.Empty(); }));
        auto* title = table.findChild<StatusPanel*>(QStringLiteral("titlePanel"));
        CardPicture& onTable = table.PictureOf((*table.State().Table.OccupiedSlots().begin()).card);
        QTest::mouseMove(&onTable, QPoint(10, 10));
        QCOMPARE(title->Caption(), played);
        QTest::mouseMove(&table.Area(), QPoint(600, 200));
        QCOMPARE(title->Caption(), QStringLiteral("La Vorbia"));
        QCOMPARE(onTable.toolTip(), played);
    }
};

QTEST_MAIN(TableWindowTest)
#include "TableWindowTest.moc"
