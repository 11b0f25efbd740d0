// The table played from the keyboard and read by a screen reader: the focus order, Space and
// Enter as clicks with the clicks' guards, the focus mark that a mouse game never sees, and a
// whole match played with keys alone.
#include <QAbstractButton>
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>
#include <QToolButton>

#include "DrawingArea.h"
#include "Fonts.h"
#include "KeyboardPlay.h"
#include "StatusPanel.h"
#include "TableAccessibility.h"
#include "TableOrders.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

bool HumanMayPlay(const CardTable& table) {
    return !table.Engine().Busy() && table.State().Turn == Player::Human &&
           table.Engine().CurrentCardOnPlaySpot();
}

std::vector<int> TableCardsInScanOrder(const MatchState& state) {
    std::vector<int> cards;
    for (const Slot slot : OccupiedSlots(state)) cards.push_back(state.CardAt(slot));
    return cards;
}

// The card that has the keyboard focus, 0 for none.
int FocusedCard() {
    const auto* card = qobject_cast<CardPicture*>(QApplication::focusWidget());
    return card != nullptr ? card->Index() : 0;
}

// A key as the system delivers it: to the focused element, else to the window.
void Press(CardTable& table, Qt::Key key, Qt::KeyboardModifiers modifiers = Qt::NoModifier) {
    QWidget* focused = QApplication::focusWidget();
    QTest::keyClick(focused != nullptr ? focused : &table, key, modifiers);
}

// Moves the focus with Tab to `card`; false when it is not among the stops.
bool TabTo(CardTable& table, int card) {
    for (int step = 0; step < 2 * kSlots + 2 && FocusedCard() != card; ++step)
        Press(table, Qt::Key_Tab);
    return FocusedCard() == card;
}

QAccessibleInterface* Reader(QObject* object) {
    return QAccessible::queryAccessibleInterface(object);
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Every name a reader finds at and below `object`.
QStringList ReadAll(QAccessibleInterface* object) {
    QStringList names{object->text(QAccessible::Name)};
    for (int index = 0; index < object->childCount(); ++index)
        names << ReadAll(object->child(index));
    return names;
}

// Plays on, the human laying each uncovered card with Enter, until it is the human's turn with
// at least `tableCards` on the table.
bool WaitForHumanTurn(CardTable& table, int tableCards, int timeoutMs = 30000) {
    return QTest::qWaitFor(
        [&] {
            if (!HumanMayPlay(table)) return false;
            if (table.State().TableCount >= tableCards) return true;
            Press(table, Qt::Key_Return);
            return false;
        },
        timeoutMs);
}

// Plays one human turn with keys: a table card of the same value when there is one, then the
// uncovered card.
void PlayTurnWithKeys(CardTable& table) {
    const MatchState& state = table.State();
    const int current = state.CurrentCard;
    for (int card : TableCardsInScanOrder(state)) {
        if (CardValue(card) != state.CurrentValue) continue;
        if (TabTo(table, card)) Press(table, Qt::Key_Space);
        break;
    }
    if (TabTo(table, current)) Press(table, Qt::Key_Return);
}

}  // namespace

class KeyboardPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void cardsAreNamedInItalian() {
        QCOMPARE(CardName(1), QString("Asso di Denare"));
        QCOMPARE(CardName(17), QString("7 di Coppe"));
        QCOMPARE(CardName(28), QString("Fante di Bastoni"));
        QCOMPARE(CardName(39), QString("Cavallo di Spade"));
        QCOMPARE(CardName(10), QString("Re di Denare"));
        QCOMPARE(CardName(32), QString("2 di Spade"));
    }

    void theFocusCyclesTheUncoveredCardThenTheTableInScanOrder() {
        PlayTable t(3);
        CardTable& table = *t.table;
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table, 3));
        const MatchState& state = table.State();

        // The card arrived on its play spot with the focus, read as a push button.
        const int current = state.CurrentCard;
        QCOMPARE(FocusedCard(), current);
        QAccessibleInterface* uncovered = Reader(CardPictureOf(table, current));
        QCOMPARE(uncovered->role(), QAccessible::PushButton);
        QCOMPARE(uncovered->text(QAccessible::Name), CardName(current));
        QVERIFY(uncovered->state().focused);

        std::vector<int> expected{current};
        for (int card : TableCardsInScanOrder(state)) expected.push_back(card);
        QCOMPARE(table.Keyboard().FocusStops(), expected);
        const auto count = expected.size();
        for (Qt::Key forward : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down}) {
            for (size_t step = 1; step <= count; ++step) {
                Press(table, forward);
                QCOMPARE(FocusedCard(), expected[step % count]);
            }
        }
        for (Qt::Key back : {Qt::Key_Backtab, Qt::Key_Left, Qt::Key_Up}) {
            for (size_t step = 1; step <= count; ++step) {
                Press(table, back);
                QCOMPARE(FocusedCard(), expected[(count - step) % count]);
            }
        }

        // Space and Enter on a table card select and deselect it, as clicks do.
        const int tableCard = expected[1];
        QAccessibleInterface* checkBox = Reader(CardPictureOf(table, tableCard));
        QCOMPARE(checkBox->role(), QAccessible::CheckBox);
        QCOMPARE(checkBox->text(QAccessible::Name), CardName(tableCard));
        Press(table, Qt::Key_Tab);
        Press(table, Qt::Key_Space);
        QVERIFY(state.Selected[tableCard]);
        QVERIFY(checkBox->state().checked);
        Press(table, Qt::Key_Enter);
        QVERIFY(!state.Selected[tableCard]);
        QVERIFY(!checkBox->state().checked);

        // Enter on the uncovered card plays it.
        Press(table, Qt::Key_Backtab);
        const int turnCount = state.TurnCount;
        Press(table, Qt::Key_Return);
        QCOMPARE(state.TurnCount, turnCount + 1);
        QVERIFY(state.CurrentCard != current || state.Turn != Player::Human);
        QCOMPARE(t.broken, QString());
    }

    void keysDoNothingDuringAGlideNorOnTheComputersTurn() {
        PlayTable t(3);
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        bool triedInGlide = false;
        bool triedOnComputersTurn = false;
        QString changed;
        // A table card focused and pressed at a moment a click would be refused: nothing may
        // change, neither the selection nor the turn.
        const auto tryCard = [&](bool& tried) {
            const std::vector<int> cards = TableCardsInScanOrder(state);
            if (cards.empty()) return;
            tried = true;
            const int card = cards.front();
            const auto selected = state.Selected;
            const int turnCount = state.TurnCount;
            CardPictureOf(table, card)->setFocus();
            QTest::keyClick(CardPictureOf(table, card), Qt::Key_Space);
            QTest::keyClick(CardPictureOf(table, card), Qt::Key_Return);
            if (state.Selected != selected || state.TurnCount != turnCount)
                changed = QString("card %1 answered a key").arg(card);
        };
        EveryPass probe([&] {
            if (!table.isVisible() || state.Turn == Player::Nobody) return;
            if (!triedInGlide && table.Engine().Busy() && state.Turn == Player::Human) {
                tryCard(triedInGlide);
            } else if (!triedOnComputersTurn && !table.Engine().Busy() &&
                       state.Turn == Player::Computer && table.Engine().CurrentCardOnPlaySpot()) {
                tryCard(triedOnComputersTurn);
            }
        });
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (HumanMayPlay(table)) PlayTurnWithKeys(table);
                return triedInGlide && triedOnComputersTurn;
            },
            60000));
        QCOMPARE(changed, QString());
        QCOMPARE(t.broken, QString());
    }

    void aMouseGameNeverShowsTheFocusMark() {
        PlayTable t(4);
        CardTable& table = *t.table;
        bool markSeen = false;
        EveryPass watch([&] { markSeen = markSeen || table.Keyboard().FocusMarkShown(); });
        QTest::mouseClick(table.findChild<QToolButton*>("newMatchButton"), Qt::LeftButton);
        for (int turn = 0; turn < 6; ++turn) {
            QVERIFY(WaitForHumanTurn(table, 1));
            const int current = table.State().CurrentCard;
            // The card holds the focus, yet it looks exactly like its image.
            CardPicture* card = CardPictureOf(table, current);
            QVERIFY(card->hasFocus());
            QCOMPARE(Image(card->grab()), Image(card->ImagePixmap()));
            QTest::mouseClick(card, Qt::LeftButton, {}, QPoint(20, 40));
        }
        QVERIFY(!markSeen);

        // A key brings the mark, the next click takes it away.
        QVERIFY(WaitForHumanTurn(table, 1));
        CardPicture* card = CardPictureOf(table, table.State().CurrentCard);
        const QImage plain = Image(card->grab());
        Press(table, Qt::Key_Tab);
        Press(table, Qt::Key_Backtab);
        QVERIFY(card->hasFocus());
        QVERIFY(table.Keyboard().FocusMarkShown());
        QVERIFY(Image(card->grab()) != plain);
        QTest::mouseClick(&table.Area(), Qt::LeftButton, {}, QPoint(600, 300));
        QVERIFY(!table.Keyboard().FocusMarkShown());
        QCOMPARE(Image(card->grab()), plain);
        QCOMPARE(t.broken, QString());
    }

    void theTableReadsAsAScreenReaderExpects() {
        TestTable t;
        t.Write("vorbia.ini", "VelocitaCarta=50\r\nGiocatore1=Gimbo\r\n");
        QVERIFY(t.StartUp(3));
        CardTable& table = *t.table;
        table.show();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table, 1));
        const MatchState& state = table.State();

        QCOMPARE(Reader(CardPictureOf(table, kHumanPile))->text(QAccessible::Name),
                 QString("Mazzo di Gimbo - ancora %1 carte").arg(state.PileCount()));
        QCOMPARE(Reader(CardPictureOf(table, kComputerPile))->text(QAccessible::Name),
                 QString("Mazzo di Dino (Computer) - ancora %1 carte").arg(state.PileCount()));
        auto* humanPanel = table.findChild<StatusPanel*>("humanNamePanel");
        auto* computerPanel = table.findChild<StatusPanel*>("computerNamePanel");
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Name), QString("Gimbo (Umano)"));
        QCOMPARE(Reader(humanPanel)->role(), QAccessible::PushButton);
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Description), QString("Di turno"));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Name), QString("Dino (Computer)"));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Description), QString());

        // The computer's move is heard: its card, then the last-card caption as the human's
        // turn comes round, and a score caption whenever it takes something.
        PlayTurnWithKeys(table);
        QVERIFY(QTest::qWaitFor([&] { return state.Turn == Player::Computer; }, 10000));
        const int computersCard = state.CurrentCard;
        QVERIFY(QTest::qWaitFor(
            [&] {
                return state.Turn == Player::Computer && table.Engine().CurrentCardOnPlaySpot();
            },
            10000));
        QAccessibleInterface* itsCard = Reader(CardPictureOf(table, computersCard));
        QCOMPARE(itsCard->role(), QAccessible::Graphic);
        QCOMPARE(itsCard->text(QAccessible::Name), CardName(computersCard));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Description), QString("Di turno"));
        QVERIFY(WaitForHumanTurn(table, 0));
        auto* lastCard = table.findChild<QLabel*>("lastCardCaption");
        QCOMPARE(Reader(lastCard)->text(QAccessible::Name),
                 QString("Ultima: ") + CardName(computersCard));
        for (const Player player : {Player::Human, Player::Computer}) {
            auto* score = table.findChild<QLabel*>(
                player == Player::Human ? "humanScoreCaption" : "computerScoreCaption");
            QCOMPARE(Reader(score)->text(QAccessible::Name),
                     QString("Punti: %1").arg(state.Score[player]));
        }
        QCOMPARE(Reader(table.findChild<QLabel*>("computerScoreCaption"))
                     ->text(QAccessible::Description),
                 QString("Punteggio di Dino (Computer)"));
        QCOMPARE(BrokenInvariant(table), QString());
    }

    void theNamePanelAndTheDialogsAnswerKeysAndReadWithTheirTexts() {
        PlayTable t(3);
        CardTable& table = *t.table;
        // Each dialog, once it has the focus: its role, what its elements read, then Escape.
        QMap<QString, QStringList> reads;
        EveryPass readAndClose([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focused = QApplication::focusWidget();
            if (modal == nullptr || focused == nullptr || !modal->isAncestorOf(focused) ||
                reads.contains(modal->windowTitle()))
                return;
            QStringList& read = reads[modal->windowTitle()];
            read << (Reader(modal)->role() == QAccessible::Dialog ? "dialog" : "no dialog");
            for (QWidget* field : modal->findChildren<QWidget*>(
                     QRegularExpression("^(nameBox|homePageBox|speedScrollBar)$")))
                read << field->objectName() + ": " + Reader(field)->text(QAccessible::Name);
            read << ReadAll(Reader(modal));
            QTest::keyClick(focused, Qt::Key_Escape);
        });

        // Before a match no card can take the focus: Tab reaches the name panel, Enter opens
        // the options.
        Press(table, Qt::Key_Tab);
        QCOMPARE(QApplication::focusWidget(), table.findChild<StatusPanel*>("humanNamePanel"));
        Press(table, Qt::Key_Return);
        // The offscreen platform has no window manager to hand the table its activation back.
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));
        Press(table, Qt::Key_F4);
        const QStringList options = reads.value("La VORBIA - Opzioni");
        for (const char* text :
             {"dialog", "nameBox: Nome giocatore", "speedScrollBar: Velocità carta",
              "Visualizza messaggi durante il gioco", "OK", "Annulla"})
            QVERIFY2(options.filter(text).size() > 0, qPrintable(options.join('|')));
        const QStringList about = reads.value("La VORBIA - About");
        for (const char* text : {"dialog", "2 di Spade", "Carta coperta", "piacentine", "OK"})
            QVERIFY2(about.filter(text).size() > 0, qPrintable(about.join('|')));
        QVERIFY(table.isVisible());
    }

    void aWholeMatchIsPlayedWithKeysAloneThenTheNextBegins() {
        PlayTable t(11);
        CardTable& table = *t.table;
        int winningScore = 0;
        bool nextMatchStarted = false;
        QAccessible::Role dialogRole = QAccessible::NoRole;
        QStringList dialogReads;
        bool enterPressed = false;
        // The end-of-match dialog is read, then answered as a keyboard player does: Tab to
        // "OK", then Enter.
        EveryPass answerEndOfMatch([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focused = QApplication::focusWidget();
            if (modal == nullptr || modal->objectName() != "endOfMatchDialog" ||
                focused == nullptr || !modal->isAncestorOf(focused) || enterPressed)
                return;
            if (winningScore == 0) {
                winningScore = std::max(table.State().Score[Player::Human],
                                        table.State().Score[Player::Computer]);
                dialogRole = Reader(modal)->role();
                dialogReads = ReadAll(Reader(modal));
            }
            // The button clicks a moment after Enter, as it shows itself pressed.
            enterPressed = focused->objectName() == "okButton";
            QTest::keyClick(focused, enterPressed ? Qt::Key_Return : Qt::Key_Tab);
        });
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (winningScore > 0 && !table.Engine().Busy()) {
                    nextMatchStarted =
                        table.State().Score == PerPlayer<int>{} && table.State().CardsDrawn > 0;
                    return true;
                }
                if (HumanMayPlay(table)) PlayTurnWithKeys(table);
                return false;
            },
            240000));
        QVERIFY(winningScore >= 51);
        QVERIFY(nextMatchStarted);
        QCOMPARE(dialogRole, QAccessible::Dialog);
        for (const QString& text : {QString("La VORBIA - Fine partita"), QString("Ha vinto "),
                                    QString("Vuoi fare un'altra partitina?"),
                                    QString("Partite giocate"), QString("Totale: "), QString("OK")})
            QVERIFY2(dialogReads.filter(text).size() > 0, qPrintable(dialogReads.join('|')));
        QVERIFY(t.messages.last().contains("si inizia una nuova partita."));
        QCOMPARE(t.broken, QString());
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
