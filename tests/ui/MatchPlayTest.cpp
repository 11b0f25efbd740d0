// Whole matches through real clicks against the computer's timer, and the commands that cut a
// running match short.
#include <QAbstractButton>
#include <QLabel>
#include <QSignalSpy>
#include <QTimer>
#include <algorithm>
#include <functional>

#include "Fonts.h"
#include "ScoreBar.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

const QString kNewMatch = QStringLiteral("si inizia una nuova partita.");

std::vector<int> TableCards(const MatchState& state) {
    std::vector<int> cards;
    for (const auto& row : state.TableGrid) {
        for (int card : row) {
            if (card != 0) cards.push_back(card);
        }
    }
    return cards;
}

// The engine's bookkeeping and what the table shows, as they must hold between any two events.
QString BrokenInvariant(const CardTable& table) {
    const MatchState& state = table.State();
    const auto drawn = std::count_if(state.Drawn.begin() + 1, state.Drawn.end(),
                                     [](int16_t flag) { return flag != 0; });
    if (drawn != state.CardsDrawn) return QStringLiteral("CardsDrawn %1").arg(state.CardsDrawn);
    std::vector<int> cards = TableCards(state);
    std::sort(cards.begin(), cards.end());
    if (std::adjacent_find(cards.begin(), cards.end()) != cards.end()) return "a card twice";
    // A capture empties cells one by one and recounts once at its end.
    if (table.Engine().Busy()) return {};
    if (std::ssize(cards) != state.TableCount) return "TableCount";
    // Only the table cards and the current card are on screen, besides the piles.
    for (int card = 1; card <= 40; ++card) {
        const CardPicture* picture = Picture1(table, card);
        if (picture->isVisible() &&
            QRect({0, 0}, kDesignDrawingArea).intersects(picture->geometry()) &&
            card != state.CurrentCard && !std::binary_search(cards.begin(), cards.end(), card)) {
            return QStringLiteral("card %1 shown").arg(card);
        }
    }
    return {};
}

// Runs `check` at every pass of any event loop, glides' own included.
class EveryPass : public QTimer {
  public:
    explicit EveryPass(const std::function<void()>& check) {
        connect(this, &QTimer::timeout, check);
        start(0);
    }
};

// A table in play: shown, active, gliding fast enough for a whole match within seconds, and
// its invariants checked at every pass while it is shown.
struct PlayTable : TestTable {
    explicit PlayTable(uint64_t seed) {
        Write("vorbia.ini", "VelocitaCarta=50\r\n");
        QVERIFY(StartUp(seed));
        table->show();
        table->activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(table.get()));
    }
    QString broken;
    EveryPass invariants{[this] {
        if (broken.isEmpty() && table && table->isVisible()) broken = BrokenInvariant(*table);
    }};
};

bool HumanMayPlay(const CardTable& table) {
    return !table.Engine().Busy() && table.State().Turn == kHuman &&
           table.Engine().CurrentCardOnPlaySpot();
}

// Plays the human's turns with the mouse until `done`: a table card of the same value when
// there is one, then the current card.
bool PlayUntil(CardTable& table, const std::function<bool()>& done, int timeoutMs) {
    return WaitUntil(
        [&] {
            if (done()) return true;
            if (!HumanMayPlay(table)) return false;
            const MatchState& state = table.State();
            for (int card : TableCards(state)) {
                if (CardValue(card) != state.CurrentValue) continue;
                QTest::mouseClick(Picture1(table, card), Qt::LeftButton, {}, QPoint(20, 40));
                break;
            }
            QTest::mouseClick(Picture1(table, state.CurrentCard), Qt::LeftButton, {},
                              QPoint(20, 40));
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
        int winningScore = 0;
        EveryPass answerEndOfMatch([&] {
            QWidget* modal = QApplication::activeModalWidget();
            if (modal == nullptr || modal->objectName() != "Form4") return;
            winningScore = std::max(table.State().Score[1], table.State().Score[2]);
            QTest::mouseClick(modal->findChild<QAbstractButton*>("Command1"), Qt::LeftButton);
        });

        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(PlayUntil(
            table, [&] { return winningScore > 0 && !table.Engine().Busy(); }, 240000));
        QCOMPARE(t.broken, QString());
        QVERIFY(winningScore >= 51);

        // OK started the next match at once.
        QVERIFY(t.messages.last().contains(kNewMatch));
        QCOMPARE(table.State().Score, (std::array<int16_t, 3>{}));
        QCOMPARE(table.findChild<QLabel*>("Label1(0)")->text(), QString("Punti: 0"));
        QVERIFY(table.findChild<ScoreBar*>("Picture3(0)")->Boxes().empty());
    }

    void aCommandDuringAGlideCutsItShort_data() {
        QTest::addColumn<QString>("command");
        QTest::newRow("new match") << "F2";
        QTest::newRow("exit") << "Ctrl+F4";
        QTest::newRow("window closed") << "close";
    }

    void aCommandDuringAGlideCutsItShort() {
        QFETCH(QString, command);
        const bool newMatch = command == "F2";
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
                const QPoint at = Picture1(table, cutCard)->pos();
                if (t.messages.size() == messagesBefore && at != cutAt) movedOn << at;
            } else if (table.Engine().Busy() && state.Turn == kComputer && state.TurnCount > 6 &&
                       state.CurrentCard > 0 && Picture1(table, state.CurrentCard)->x() > 69) {
                cutCard = state.CurrentCard;
                cutAt = Picture1(table, cutCard)->pos();
                messagesBefore = t.messages.size();
                if (newMatch) QTest::keyClick(&table, Qt::Key_F2);
                if (command == "Ctrl+F4") QTest::keyClick(&table, Qt::Key_F4, Qt::ControlModifier);
                if (command == "close") table.close();
            }
        });
        QVERIFY(PlayUntil(
            table, [&] { return cutCard != 0 && !table.Engine().Busy(); }, 60000));
        QCOMPARE(movedOn, QList<QPoint>{});

        // The cut-short move never comes back: once the new hand waits for the human, or the
        // program has ended, nothing moves by itself, and nothing was saved.
        QVERIFY(WaitUntil([&] { return HumanMayPlay(table) || !table.isVisible(); }, 5000));
        const int16_t turnCount = table.State().TurnCount;
        QTest::qWait(1200);
        QCOMPARE(table.State().TurnCount, turnCount);
        QCOMPARE(t.broken, QString());
        QCOMPARE(table.isVisible(), newMatch);
        QCOMPARE(ended, newMatch ? QList<QVariantList>{} : QList<QVariantList>{{0}});
        QCOMPARE(QDir(t.FilePath(".")).entryList({"*.ini", "*.bak"}, QDir::Files), QStringList{});
        if (newMatch) {
            QCOMPARE(t.messages.size(), messagesBefore + 1);
            QVERIFY(t.messages.last().contains(kNewMatch));
            QCOMPARE(table.State().Score, (std::array<int16_t, 3>{}));
            QCOMPARE(table.State().CardsDrawn, turnCount);
        }
    }
};

QTEST_MAIN(MatchPlayTest)
#include "MatchPlayTest.moc"
