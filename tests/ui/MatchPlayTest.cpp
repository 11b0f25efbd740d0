// Whole matches through real clicks against the computer's timer, and the commands that cut a
// running match short.
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <functional>

#include "Fonts.h"
#include "ScoreBar.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

constexpr int kMatchTimeoutMs = 240000;

std::vector<int> TableCards(const MatchState& state) {
    std::vector<int> cards;
    for (int row = 1; row <= 3; ++row) {
        for (int column = 1; column <= 7; ++column) {
            const int card = state.TableGrid[static_cast<size_t>(row)][static_cast<size_t>(column)];
            if (card != 0) cards.push_back(card);
        }
    }
    return cards;
}

// One or two table cards that the current card can take, or none.
std::vector<int> ACapture(const MatchState& state) {
    const std::vector<int> cards = TableCards(state);
    for (int card : cards) {
        if (CardValue(card) == state.CurrentValue) return {card};
    }
    for (size_t i = 0; i < cards.size(); ++i) {
        for (size_t j = i + 1; j < cards.size(); ++j) {
            if (CardValue(cards[i]) + CardValue(cards[j]) == state.CurrentValue) {
                return {cards[i], cards[j]};
            }
        }
    }
    return {};
}

bool HumanMayPlay(const CardTable& table) {
    return !table.Engine().Busy() && table.State().Turn == kHuman &&
           table.Engine().CurrentCardOnPlaySpot();
}

// The human's turn through the mouse: the capture's cards, then the current card.
void PlayHumanTurn(CardTable& table) {
    for (int card : ACapture(table.State())) {
        QTest::mouseClick(Picture1(table, card), Qt::LeftButton, {}, QPoint(20, 40));
    }
    QTest::mouseClick(Picture1(table, table.State().CurrentCard), Qt::LeftButton, {},
                      QPoint(20, 40));
}

// Every card shown on the table belongs to the hand: a pile, a table card or the current card.
QString StrayCard(const CardTable& table) {
    const MatchState& state = table.State();
    const std::vector<int> onTable = TableCards(state);
    for (int card = 0; card <= 40; ++card) {
        if (!OnTable(table, card)) continue;
        const bool belongs = card == state.CurrentCard ||
                             std::find(onTable.begin(), onTable.end(), card) != onTable.end();
        if (!belongs) return QStringLiteral("card %1 shown").arg(card);
    }
    return {};
}

// Checks the invariants at every pass of any event loop, glides' own included.
class InvariantWatch {
  public:
    explicit InvariantWatch(const CardTable& table) {
        timer_.setInterval(0);
        QObject::connect(&timer_, &QTimer::timeout, [this, &table] {
            const QString broken = BrokenInvariant(table);
            if (!broken.isEmpty() && failures.size() < 10) failures.append(broken);
        });
        timer_.start();
    }
    QStringList failures;

  private:
    QTimer timer_;
};

struct StartedTable {
    ProgramFolder folder;
    AnsweredMessages messages;
    std::unique_ptr<CardTable> table;
};

void StartTable(StartedTable& started, uint64_t seed) {
    started.folder.CopyBackgroundPicture();
    started.folder.WriteSettings("VelocitaCarta=50\r\n");
    started.table = DesignTable(started.folder, seed);
    QVERIFY(started.table->StartUp());
    started.table->show();
    started.table->activateWindow();
    QVERIFY(QTest::qWaitForWindowActive(started.table.get()));
}

// Fires `action` once, from inside the first glide for which `when` holds.
class DuringGlide {
  public:
    DuringGlide(const CardTable& table, std::function<bool()> when, std::function<void()> action) {
        timer_.setInterval(1);
        QObject::connect(&timer_, &QTimer::timeout, [this, &table, when, action] {
            if (fired || !table.Engine().Busy() || !when()) return;
            fired = true;
            action();
        });
        timer_.start();
    }
    bool fired = false;

  private:
    QTimer timer_;
};

}  // namespace

class MatchPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void aWholeMatchIsPlayedByClicksThenTheNextBegins() {
        StartedTable started;
        StartTable(started, 11);
        CardTable& table = *started.table;
        InvariantWatch watch(table);

        struct Ending {
            int16_t human;
            int16_t computer;
        };
        QList<Ending> endings;
        QTimer answerEndOfMatch;
        answerEndOfMatch.setInterval(20);
        connect(&answerEndOfMatch, &QTimer::timeout, [&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != "Form4") return;
            endings.append({table.State().Score[1], table.State().Score[2]});
            QTest::mouseClick(modal->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        });
        answerEndOfMatch.start();

        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(started.messages.texts.size() == 1);
        QVERIFY(started.messages.texts[0].contains("si inizia una nuova partita."));

        int humanTurns = 0;
        const bool ended = WaitUntil(
            [&] {
                if (HumanMayPlay(table)) {
                    PlayHumanTurn(table);
                    ++humanTurns;
                }
                return !endings.isEmpty() && !table.Engine().Busy();
            },
            kMatchTimeoutMs);
        QVERIFY2(ended, qPrintable(QString("scores %1 %2 after %3 turns")
                                       .arg(table.State().Score[1])
                                       .arg(table.State().Score[2])
                                       .arg(humanTurns)));
        QCOMPARE(watch.failures, QStringList{});
        QVERIFY(std::max(endings[0].human, endings[0].computer) >= 51);
        QVERIFY(humanTurns >= 20);

        // OK started the next match at once.
        QCOMPARE(table.State().Score[1], int16_t{0});
        QCOMPARE(table.State().Score[2], int16_t{0});
        QVERIFY(started.messages.texts.last().contains("si inizia una nuova partita."));
        QCOMPARE(Find<QLabel>(table, "Label1(0)")->text(), QString("Punti: 0"));
        QCOMPARE(Find<QLabel>(table, "Label1(1)")->text(), QString("Punti: 0"));
        QVERIFY(Find<ScoreBar>(table, "Picture3(0)")->Boxes().empty());
        QCOMPARE(StrayCard(table), QString());
    }

    void aNewMatchCutsTheComputersGlideShort() {
        StartedTable started;
        StartTable(started, 5);
        CardTable& table = *started.table;
        InvariantWatch watch(table);
        QTest::keyClick(&table, Qt::Key_F2);

        // The computer's card on its way from its play spot to the table.
        int cutCard = 0;
        QPoint cutAt;
        qsizetype messagesBefore = 0;
        DuringGlide newMatch(
            table,
            [&] {
                const MatchState& state = table.State();
                return state.Turn == kComputer && state.TurnCount > 6 && state.CurrentCard > 0 &&
                       Picture1(table, state.CurrentCard)->x() > 69;
            },
            [&] {
                cutCard = table.State().CurrentCard;
                cutAt = Picture1(table, cutCard)->pos();
                messagesBefore = started.messages.texts.size();
                QTest::keyClick(&table, Qt::Key_F2);
            });
        // Until the new hand is announced the cut-short card must not move another step.
        QList<QPoint> movedOn;
        QTimer stepWatch;
        stepWatch.setInterval(0);
        connect(&stepWatch, &QTimer::timeout, [&] {
            if (!newMatch.fired || started.messages.texts.size() != messagesBefore) return;
            const QPoint at = Picture1(table, cutCard)->pos();
            if (at != cutAt) movedOn.append(at);
        });
        stepWatch.start();
        QVERIFY(WaitUntil(
            [&] {
                if (HumanMayPlay(table) && !newMatch.fired) PlayHumanTurn(table);
                return newMatch.fired && !table.Engine().Busy();
            },
            60000));

        QCOMPARE(movedOn, QList<QPoint>{});
        QCOMPARE(started.messages.texts.size(), messagesBefore + 1);
        QVERIFY(started.messages.texts.last().contains("si inizia una nuova partita."));
        QCOMPARE(table.State().Score[1], int16_t{0});
        QCOMPARE(table.State().Score[2], int16_t{0});
        QCOMPARE(Find<QLabel>(table, "Label1(1)")->text(), QString("Punti: 0"));
        QCOMPARE(StrayCard(table), QString());
        QVERIFY(table.State().Drawn[cutCard] || !OnTable(table, cutCard));

        // The cut-short move never comes back: whoever is to move, the new hand goes on from
        // its first turns, and on the human's turn nothing moves until the human plays.
        QVERIFY(WaitUntil([&] { return HumanMayPlay(table); }, 5000));
        const int16_t turnCount = table.State().TurnCount;
        QTest::qWait(1200);
        QCOMPARE(table.State().TurnCount, turnCount);
        QCOMPARE(table.State().CardsDrawn, turnCount);
        QCOMPARE(StrayCard(table), QString());
        QCOMPARE(watch.failures, QStringList{});
    }

    void exitDuringAGlideEndsTheProgramAtOnce_data() {
        QTest::addColumn<bool>("byMenuShortcut");
        QTest::newRow("Ctrl+F4") << true;
        QTest::newRow("window closed") << false;
    }

    void exitDuringAGlideEndsTheProgramAtOnce() {
        QFETCH(bool, byMenuShortcut);
        StartedTable started;
        StartTable(started, 3);
        CardTable& table = *started.table;
        QFile::remove(started.folder.FilePath("vorbia.ini"));
        QSignalSpy ended(&table, &CardTable::ProgramEnded);
        QTest::keyClick(&table, Qt::Key_F2);

        DuringGlide exit(
            table, [&] { return table.State().TurnCount > 3; },
            [&] {
                if (byMenuShortcut) {
                    QTest::keyClick(&table, Qt::Key_F4, Qt::ControlModifier);
                } else {
                    table.close();
                }
            });
        QVERIFY(WaitUntil(
            [&] {
                if (HumanMayPlay(table) && !exit.fired) PlayHumanTurn(table);
                return exit.fired && !table.Engine().Busy();
            },
            60000));

        QCOMPARE(ended.size(), 1);
        QCOMPARE(ended[0][0].toInt(), 0);
        QVERIFY(!table.isVisible());
        const MatchState before = table.State();
        QTest::qWait(1200);
        QCOMPARE(table.State().TurnCount, before.TurnCount);
        QCOMPARE(table.State().CardsDrawn, before.CardsDrawn);
        QCOMPARE(QDir(started.folder.FilePath("."))
                     .entryList({"*.ini", "*.bak"}, QDir::Files, QDir::NoSort),
                 QStringList{});
    }
};

QTEST_MAIN(MatchPlayTest)
#include "MatchPlayTest.moc"
