// Whole matches through real clicks against the computer's timer, and the commands that cut a
// running match short.
#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>

#include "Fonts.h"
#include "KeyboardPlay.h"
#include "ScoreBar.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

const QString kNewMatch = QStringLiteral("si inizia una nuova partita.");

// Plays the human's turns with the mouse until `done`: a table card of the same value when
// there is one, then the current card.
bool PlayUntil(CardTable& table, const std::function<bool()>& done, int timeoutMs) {
    const auto click = [&](int card) {
        QTest::mouseClick(CardPictureOf(table, card), Qt::LeftButton, {}, QPoint(20, 40));
    };
    return QTest::qWaitFor(
        [&] {
            if (done()) return true;
            if (!HumanMayPlay(table)) return false;
            const MatchState& state = table.State();
            int same = 0;
            for (const auto& row : state.TableGrid) {
                for (int card : row) {
                    if (card != 0 && CardValue(card) == state.CurrentValue) same = card;
                }
            }
            if (same != 0) click(same);
            click(state.CurrentCard);
            return false;
        },
        timeoutMs);
}

}  // namespace

class MatchPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void aWholeMatchIsPlayedByClicksThenTheNextBegins() {
        PlayTable t(11);
        CardTable& table = *t.table;
        // The human's card takes the focus as it arrives, yet with no key pressed it looks
        // exactly like its image.
        int focusedCardsSeen = 0;
        QString marked;
        EveryPass watchMark([&] {
            if (!HumanMayPlay(table)) return;
            CardPicture* card = CardPictureOf(table, table.State().CurrentCard);
            if (!card->hasFocus()) return;
            ++focusedCardsSeen;
            const auto image = [](const QPixmap& p) {
                return p.toImage().convertToFormat(QImage::Format_RGB32);
            };
            if (table.Keyboard().FocusMarkShown() ||
                image(card->grab()) != image(card->ImagePixmap()))
                marked = QString("card %1 marked").arg(card->Index());
        });
        int winningScore = 0;
        EveryPass answerEndOfMatch([&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != "endOfMatchDialog") return;
            winningScore =
                std::max(table.State().Score[Player::Human], table.State().Score[Player::Computer]);
            QTest::mouseClick(modal->findChild<QAbstractButton*>("okButton"), Qt::LeftButton);
        });

        QTest::mouseClick(table.findChild<QAbstractButton*>("newMatchButton"), Qt::LeftButton);
        QVERIFY(PlayUntil(
            table, [&] { return winningScore > 0 && !table.Engine().Busy(); }, 240000));
        QCOMPARE(t.broken, QString());
        QVERIFY(winningScore >= 51);
        QVERIFY(focusedCardsSeen > 0);
        QCOMPARE(marked, QString());

        // OK started the next match at once.
        QVERIFY(t.messages.last().contains(kNewMatch));
        QCOMPARE(table.State().Score, PerPlayer<int>{});
        QCOMPARE(table.findChild<QLabel*>("humanScoreCaption")->text(), QString("Punti: 0"));
        QVERIFY(table.findChild<ScoreBar*>("humanScoreBar")->Boxes().empty());
    }

    void aCommandDuringAGlideCutsItShort_data() {
        QTest::addColumn<bool>("newMatch");
        QTest::newRow("F2") << true;
        QTest::newRow("Ctrl+F4") << false;
    }

    void aCommandDuringAGlideCutsItShort() {
        QFETCH(bool, newMatch);
        PlayTable t(5);
        CardTable& table = *t.table;
        QFile::remove(t.FilePath("vorbia.ini"));
        QSignalSpy ended(&table, &CardTable::ProgramEnded);
        QTest::keyClick(&table, Qt::Key_F2);

        // The command while the computer's card is on its way from its play spot to the table;
        // until a new hand is announced that card must not move another step.
        int cutCard = 0;
        QPoint cutAt;
        qsizetype messagesBefore = 0;
        QList<QPoint> movedOn;
        EveryPass cut([&] {
            const MatchState& state = table.State();
            if (cutCard != 0) {
                const QPoint at = CardPictureOf(table, cutCard)->pos();
                if (t.messages.size() == messagesBefore && at != cutAt) movedOn << at;
            } else if (table.Engine().Busy() && state.Turn == Player::Computer &&
                       state.TurnCount > 6 && state.CurrentCard > 0 &&
                       CardPictureOf(table, state.CurrentCard)->x() > 69) {
                cutCard = state.CurrentCard;
                cutAt = CardPictureOf(table, cutCard)->pos();
                messagesBefore = t.messages.size();
                QTest::keyClick(&table, newMatch ? Qt::Key_F2 : Qt::Key_F4,
                                newMatch ? Qt::NoModifier : Qt::ControlModifier);
            }
        });
        QVERIFY(PlayUntil(
            table, [&] { return cutCard != 0 && !table.Engine().Busy(); }, 60000));
        QCOMPARE(movedOn, QList<QPoint>{});

        // The cut-short move never comes back: once the new hand waits for the human, or the
        // program has ended, nothing moves by itself, and nothing was saved.
        QVERIFY(QTest::qWaitFor([&] { return HumanMayPlay(table) || !table.isVisible(); }, 5000));
        const int turnCount = table.State().TurnCount;
        QTest::qWait(1200);
        QCOMPARE(table.State().TurnCount, turnCount);
        QCOMPARE(t.broken, QString());
        QCOMPARE(table.isVisible(), newMatch);
        QCOMPARE(ended, newMatch ? QList<QVariantList>{} : QList<QVariantList>{{0}});
        QCOMPARE(QDir(t.FilePath(".")).entryList({"*.ini", "*.bak"}, QDir::Files), QStringList{});
        if (newMatch) {
            QCOMPARE(t.messages.size(), messagesBefore + 1);
            QVERIFY(t.messages.last().contains(kNewMatch));
            QCOMPARE(table.State().Score, PerPlayer<int>{});
            QCOMPARE(table.State().CardsDrawn, turnCount);
        }
    }
};

QTEST_MAIN(MatchPlayTest)
#include "MatchPlayTest.moc"
