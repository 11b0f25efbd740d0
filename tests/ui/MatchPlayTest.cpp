// Whole matches against the computer's timer, played with the mouse alone and with keys alone;
// a hand read as a screen reader reads it; the commands that cut a running match short.
#include <QAbstractButton>
#include <QAccessible>
#include <QKeyEvent>
#include <QLabel>
#include <QRegularExpression>
#include <QSignalSpy>

#include "Fonts.h"
#include "KeyboardPlay.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

const QString kNewMatch = QStringLiteral("si inizia una nuova partita.");

std::vector<Card> TableCardsInScanOrder(const MatchState& state) {
    std::vector<Card> cards;
    for (const auto [slot, card] : state.Table.OccupiedSlots()) cards.push_back(card);
    return cards;
}

// The card that has the keyboard focus.
std::optional<Card> FocusedCard() {
    const auto* card = qobject_cast<CardPicture*>(QApplication::focusWidget());
    if (card == nullptr) return std::nullopt;
    return card->ShownCard();
}

QString NameOf(Card card) { return QString::fromStdString(CardName(card)); }

// A key as the system delivers it: to the focused element, else to the window.
void Press(CardTable& table, Qt::Key key) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &table, key);
}

QAccessibleInterface* Reader(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

// Every name a reader finds at and below `object`.
QStringList ReadAll(QAccessibleInterface* object) {
    QStringList names{object->text(QAccessible::Name)};
    for (int index = 0; index < object->childCount(); ++index)
        names << ReadAll(object->child(index));
    return names;
}

// Which of `texts` no name in `read` contains.
QString Missing(const QStringList& read, std::initializer_list<const char*> texts) {
    QStringList missing;
    for (const char* text : texts) {
        if (read.filter(QString::fromUtf8(text)).isEmpty()) missing << QString::fromUtf8(text);
    }
    return missing.join(QLatin1Char('|'));
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Plays the human's turns until `done`: a table card of the same value when there is one, then
// the card in hand; clicked, or reached with Tab and pressed with Space and Enter. `look` sees
// each turn as the human is about to play it.
bool PlayUntil(
    CardTable& table, bool keys, const std::function<bool()>& done, int timeoutMs,
    const std::function<void()>& look = [] {}) {
    const auto press = [&](Card card, Qt::Key key) {
        if (!keys) return QTest::mouseClick(&table.PictureOf(card), Qt::LeftButton, {}, {20, 40});
        for (int step = 0; step < kSlots + 2 && FocusedCard() != card; ++step)
            Press(table, Qt::Key_Tab);
        if (FocusedCard() == card) Press(table, key);
    };
    return QTest::qWaitFor(
        [&] {
            if (done()) return true;
            if (!HumanMayPlay(table)) return false;
            look();
            const MatchState& state = table.State();
            const Card current = *state.CurrentCard;
            for (const Card card : TableCardsInScanOrder(state)) {
                if (card.value != current.value) continue;
                press(card, Qt::Key_Space);
                break;
            }
            press(current, Qt::Key_Return);
            return false;
        },
        timeoutMs);
}

}  // namespace

class MatchPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void aHandIsReadAndPlayedWithKeysInScanOrder() {
        PlayTable t(3, "Giocatore1=Gimbo\r\n");
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table, [&] {
            if (state.Table.Count() >= 3) return true;
            Press(table, Qt::Key_Return);
            return false;
        }));

        // The card arrived on its play spot with the focus. How a screen reader reads the human's
        // turn is the real program's test (screen_reader.py); here, the computer's.
        const Card current = *state.CurrentCard;
        CardPicture* uncovered = &table.PictureOf(current);
        QCOMPARE(FocusedCard(), current);
        auto* humanPanel = table.findChild<StatusPanel*>(QStringLiteral("humanNamePanel"));
        auto* computerPanel = table.findChild<StatusPanel*>(QStringLiteral("computerNamePanel"));

        // Three keys forward and three back, each wrapping around; the human's name panel, where
        // the options open, is the last stop.
        std::vector<std::optional<Card>> stops{current};
        for (const Card card : TableCardsInScanOrder(state)) stops.emplace_back(card);
        stops.emplace_back(std::nullopt);
        const size_t count = stops.size();
        size_t at = 0;
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab, Qt::Key_Left,
                            Qt::Key_Up}) {
            const bool forward = key == Qt::Key_Tab || key == Qt::Key_Right || key == Qt::Key_Down;
            for (size_t moved = 0; moved < count; ++moved) {
                Press(table, key);
                at = (at + (forward ? 1 : count - 1)) % count;
                QCOMPARE(FocusedCard(), stops[at]);
                QCOMPARE(QApplication::focusWidget() == humanPanel, !stops[at]);
            }
        }

        // Keys brought the focus mark; a click takes it away.
        QVERIFY(table.Keyboard().FocusMarkShown());
        QVERIFY(Image(uncovered->grab()) != Image(uncovered->ImagePixmap()));
        QTest::mouseClick(&table.Area(), Qt::LeftButton, {}, QPoint(600, 300));
        QVERIFY(!table.Keyboard().FocusMarkShown());
        QCOMPARE(Image(uncovered->grab()), Image(uncovered->ImagePixmap()));

        // Space and Enter on a table card select and deselect it, as clicks do.
        QAccessibleInterface* checkBox = Reader(&table.PictureOf(*stops[1]));
        QCOMPARE(checkBox->role(), QAccessible::CheckBox);
        QCOMPARE(checkBox->text(QAccessible::Name), NameOf(*stops[1]));
        Press(table, Qt::Key_Tab);
        Press(table, Qt::Key_Space);
        QVERIFY(state.Selected.Contains(*stops[1]) && checkBox->state().checked);
        Press(table, Qt::Key_Enter);
        QVERIFY(!state.Selected.Contains(*stops[1]) && !checkBox->state().checked);
        // A held key is one press: its repeats do nothing.
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, QStringLiteral(" "),
                           true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeated);
        QVERIFY(!state.Selected.Contains(*stops[1]));

        // Enter on the uncovered card plays it; the computer's move is heard: its card, then
        // the last-card caption as the human's turn comes round.
        Press(table, Qt::Key_Backtab);
        const int turnCount = state.TurnCount;
        Press(table, Qt::Key_Return);
        QVERIFY(QTest::qWaitFor([&] { return state.TurnCount == turnCount + 1; }, 10000));
        QCOMPARE(state.Turn, Player::Computer);
        QVERIFY(QTest::qWaitFor([&] { return state.CurrentCardOnPlaySpot(); }, 10000));
        const Card computersCard = *state.CurrentCard;
        QCOMPARE(Reader(&table.PictureOf(computersCard))->role(), QAccessible::Graphic);
        QCOMPARE(Reader(&table.PictureOf(computersCard))->text(QAccessible::Name),
                 NameOf(computersCard));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Description), QStringLiteral("Di turno"));
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Description), QString());
        QVERIFY(WaitForHumanTurn(table));
        QCOMPARE(Reader(table.findChild<QLabel*>(QStringLiteral("lastCardCaption")))
                     ->text(QAccessible::Name),
                 QStringLiteral("Ultima: ") + NameOf(computersCard));
        QCOMPARE(Reader(table.findChild<QLabel*>(QStringLiteral("computerScoreCaption")))
                     ->text(QAccessible::Description),
                 QStringLiteral("Punteggio di Dino (Computer)"));
        QCOMPARE(t.broken, QString());
    }

    void aWholeMatchIsPlayedThenTheNextBegins_data() {
        QTest::addColumn<bool>("keys");
        QTest::newRow("mouse alone") << false;
        QTest::newRow("keys alone") << true;
    }

    void aWholeMatchIsPlayedThenTheNextBegins() {
        QFETCH(bool, keys);
        PlayTable t(11);
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        // With the mouse alone, the human's card takes the focus as it arrives, yet looks
        // exactly like its image.
        int focusedCardsSeen = 0;
        QString wrong;
        // With keys, once during a glide of the human's and once on the computer's turn, a table
        // card is focused and pressed as a click would be refused: nothing may change.
        bool triedInGlide = false;
        bool triedOnComputersTurn = false;
        const auto tryCard = [&](bool& tried) {
            const std::vector<Card> cards = TableCardsInScanOrder(state);
            if (tried || cards.empty()) return;
            tried = true;
            CardPicture* card = &table.PictureOf(cards.front());
            const auto selected = state.Selected;
            const int turnCount = state.TurnCount;
            card->setFocus();
            QTest::keyClick(card, Qt::Key_Space);
            QTest::keyClick(card, Qt::Key_Return);
            if (state.Selected != selected || state.TurnCount != turnCount)
                wrong = NameOf(cards.front()) + QStringLiteral(" answered a key");
        };
        const auto lookAtTheFocus = [&] {
            CardPicture* card = &table.PictureOf(*state.CurrentCard);
            if (keys || !card->hasFocus()) return;
            ++focusedCardsSeen;
            if (table.Keyboard().FocusMarkShown() ||
                Image(card->grab()) != Image(card->ImagePixmap()))
                wrong = NameOf(*state.CurrentCard) + QStringLiteral(" marked");
        };
        EveryPass probe([&] {
            if (!table.isVisible() || QApplication::activeModalWidget() != nullptr) return;
            if (!keys) return;
            if (table.Engine().Busy() && state.Turn == Player::Human) tryCard(triedInGlide);
            if (!table.Engine().Busy() && state.Turn == Player::Computer &&
                state.CurrentCardOnPlaySpot())
                tryCard(triedOnComputersTurn);
        });
        // Each dialog, once it has the focus, is read: its role, its fields' names, all it says.
        // The end-of-match one is answered with a click on "OK", or as a keyboard player does:
        // Tab to "OK", then Enter; the others are closed with Escape.
        QMap<QString, QStringList> reads;
        int winningScore = 0;
        bool enterPressed = false;
        EveryPass readAndAnswer([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focused = QApplication::focusWidget();
            if (modal == nullptr || focused == nullptr || !modal->isAncestorOf(focused)) return;
            const bool endOfMatch = modal->objectName() == QStringLiteral("endOfMatchDialog");
            if (!reads.contains(modal->windowTitle())) {
                QStringList& read = reads[modal->windowTitle()];
                read << (Reader(modal)->role() == QAccessible::Dialog ? QStringLiteral("dialog")
                                                                      : QString());
                for (QWidget* field : modal->findChildren<QWidget*>(QRegularExpression(
                         QStringLiteral("^(nameBox|homePageBox|speedScrollBar)$"))))
                    read << field->objectName() + QStringLiteral(": ") +
                                Reader(field)->text(QAccessible::Name);
                read << ReadAll(Reader(modal));
                if (endOfMatch)
                    winningScore =
                        std::max(state.Score[Player::Human], state.Score[Player::Computer]);
            }
            if (!endOfMatch) {
                QTest::keyClick(focused, Qt::Key_Escape);
            } else if (!keys) {
                QTest::mouseClick(modal->findChild<QAbstractButton*>(QStringLiteral("okButton")),
                                  Qt::LeftButton);
            } else if (!enterPressed) {
                // The button clicks a moment after Enter, as it shows itself pressed.
                enterPressed = focused->objectName() == QStringLiteral("okButton");
                QTest::keyClick(focused, enterPressed ? Qt::Key_Return : Qt::Key_Tab);
            }
        });

        if (keys) {
            // Before a match no card can take the focus: Tab reaches the name panel, Enter opens
            // the options.
            Press(table, Qt::Key_Tab);
            QCOMPARE(QApplication::focusWidget(),
                     table.findChild<StatusPanel*>(QStringLiteral("humanNamePanel")));
            // Each dialog is read and closed before the table goes on; the offscreen platform
            // has no window manager to hand the table its activation back.
            const auto readAndClosed = [&](const char* title) {
                return QTest::qWaitFor(
                    [&] {
                        return reads.contains(QString::fromUtf8(title)) &&
                               QApplication::activeModalWidget() == nullptr;
                    },
                    10000);
            };
            Press(table, Qt::Key_Return);
            QVERIFY(readAndClosed("La VORBIA - Opzioni"));
            table.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&table));
            Press(table, Qt::Key_F4);
            QVERIFY(readAndClosed("La VORBIA - About"));
            QCOMPARE(Missing(reads.value(QStringLiteral("La VORBIA - Opzioni")),
                             {"dialog", "nameBox: Nome giocatore", "speedScrollBar: Velocità carta",
                              "Visualizza messaggi durante il gioco", "OK", "Annulla"}),
                     QString());
            QCOMPARE(Missing(reads.value(QStringLiteral("La VORBIA - About")),
                             {"dialog", "2 di Spade", "Carta coperta", "piacentine", "OK"}),
                     QString());
            table.activateWindow();
            QVERIFY(QTest::qWaitForWindowActive(&table));
            QTest::keyClick(&table, Qt::Key_F2);
        } else {
            QTest::mouseClick(table.findChild<QAbstractButton*>(QStringLiteral("newMatchButton")),
                              Qt::LeftButton);
        }
        QVERIFY(PlayUntil(
            table, keys, [&] { return winningScore > 0 && !table.Engine().Busy(); }, 240000,
            lookAtTheFocus));
        QVERIFY(winningScore >= 51);
        QCOMPARE(wrong, QString());
        QVERIFY(keys ? triedInGlide && triedOnComputersTurn : focusedCardsSeen > 0);
        QCOMPARE(Missing(reads.value(QStringLiteral("La VORBIA - Fine partita")),
                         {"dialog", "La VORBIA - Fine partita", "Ha vinto ",
                          "Vuoi fare un'altra partitina?", "Partite giocate", "Totale: ", "OK"}),
                 QString());

        // OK started the next match at once.
        QVERIFY(t.messages.last().contains(kNewMatch));
        QCOMPARE(state.Score, PerPlayer<int>{});
        QCOMPARE(table.findChild<QLabel*>(QStringLiteral("humanScoreCaption"))->text(),
                 QStringLiteral("Punti: 0"));
        QVERIFY(table.findChild<ScoreBar*>(QStringLiteral("humanScoreBar"))->Boxes().empty());
        QCOMPARE(t.broken, QString());
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
        QFile::remove(t.FilePath(QStringLiteral("vorbia.ini")));
        QSignalSpy ended(&table, &CardTable::ProgramEnded);
        QTest::keyClick(&table, Qt::Key_F2);

        // The command while the computer's card glides from its play spot to the table; until
        // a new hand is announced that card must not move another step.
        std::optional<Card> cutCard;
        QPoint cutAt;
        qsizetype messagesBefore = 0;
        QList<QPoint> movedOn;
        EveryPass cut([&] {
            const MatchState& state = table.State();
            if (cutCard) {
                const QPoint at = table.PictureOf(*cutCard).pos();
                if (t.messages.size() == messagesBefore && at != cutAt) movedOn << at;
            } else if (table.ShowingStep() && state.Turn == Player::Computer &&
                       state.TurnCount > 6 && state.CurrentCard &&
                       state.PlaceOf(*state.CurrentCard) == CardPlace::OnTable) {
                cutCard = state.CurrentCard;
                cutAt = table.PictureOf(*cutCard).pos();
                messagesBefore = t.messages.size();
                QTest::keyClick(&table, newMatch ? Qt::Key_F2 : Qt::Key_F4,
                                newMatch ? Qt::NoModifier : Qt::ControlModifier);
            }
        });
        QVERIFY(PlayUntil(
            table, false, [&] { return cutCard && !table.Engine().Busy(); }, 60000));
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
        QCOMPARE(QDir(t.FilePath(QStringLiteral(".")))
                     .entryList({QStringLiteral("*.ini"), QStringLiteral("*.bak")}, QDir::Files),
                 QStringList{});
        if (newMatch) {
            QCOMPARE(t.messages.size(), messagesBefore + 1);
            QVERIFY(t.messages.last().contains(kNewMatch));
            QCOMPARE(table.State().Score, PerPlayer<int>{});
            QCOMPARE(table.State().CardsDrawn(), turnCount);
        }
    }
};

QTEST_MAIN(MatchPlayTest)
#include "MatchPlayTest.moc"
