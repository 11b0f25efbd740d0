// The table played from the keyboard and read by a screen reader: the focus order, Space and
// Enter as clicks with the clicks' guards, the focus mark, and a whole match played with keys
// alone.
#include <QAccessible>
#include <QLabel>
#include <QRegularExpression>

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
QString Missing(const QStringList& read, std::initializer_list<QString> texts) {
    QStringList missing;
    for (const QString& text : texts) {
        if (read.filter(text).isEmpty()) missing << text;
    }
    return missing.join('|');
}

// Plays one human turn with keys: a table card of the same value when there is one, then the
// uncovered card.
void PlayTurnWithKeys(CardTable& table) {
    const MatchState& state = table.State();
    const int current = state.CurrentCard;
    const auto tabTo = [&](int card) {
        for (int step = 0; step < kSlots + 2 && FocusedCard() != card; ++step)
            Press(table, Qt::Key_Tab);
        return FocusedCard() == card;
    };
    for (int card : TableCardsInScanOrder(state)) {
        if (CardValue(card) != state.CurrentValue) continue;
        if (tabTo(card)) Press(table, Qt::Key_Space);
        break;
    }
    if (tabTo(current)) Press(table, Qt::Key_Return);
}

}  // namespace

class KeyboardPlayTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void aHandIsReadAndPlayedWithKeysInScanOrder() {
        const QStringList names{"Asso di Denare", "7 di Coppe", "Fante di Bastoni",
                                "Cavallo di Spade", "Re di Denare"};
        for (int index = 0; int card : {1, 17, 28, 39, 10})
            QCOMPARE(CardName(card), names[index++]);

        PlayTable t(3, "Giocatore1=Gimbo\r\n");
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table, [&] {
            if (state.TableCount >= 3) return true;
            Press(table, Qt::Key_Return);
            return false;
        }));

        // The card arrived on its play spot with the focus, read as a push button.
        const int current = state.CurrentCard;
        CardPicture* uncovered = CardPictureOf(table, current);
        QCOMPARE(FocusedCard(), current);
        QCOMPARE(Reader(uncovered)->role(), QAccessible::PushButton);
        QCOMPARE(Reader(uncovered)->text(QAccessible::Name), CardName(current));
        QVERIFY(Reader(uncovered)->state().focused);
        for (const auto& [pile, owner] :
             {std::pair{kHumanPile, "Gimbo"}, {kComputerPile, "Dino (Computer)"}})
            QCOMPARE(Reader(CardPictureOf(table, pile))->text(QAccessible::Name),
                     QString("Mazzo di %1 - ancora %2 carte").arg(owner).arg(state.PileCount()));
        auto* humanPanel = table.findChild<StatusPanel*>("humanNamePanel");
        auto* computerPanel = table.findChild<StatusPanel*>("computerNamePanel");
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Name), QString("Gimbo (Umano)"));
        QCOMPARE(Reader(humanPanel)->role(), QAccessible::PushButton);
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Description), QString("Di turno"));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Description), QString());

        // Three keys forward and three back, each wrapping around.
        std::vector<int> stops{current};
        for (int card : TableCardsInScanOrder(state)) stops.push_back(card);
        const size_t count = stops.size();
        size_t at = 0;
        for (Qt::Key key : {Qt::Key_Tab, Qt::Key_Right, Qt::Key_Down, Qt::Key_Backtab, Qt::Key_Left,
                            Qt::Key_Up}) {
            const bool forward = key == Qt::Key_Tab || key == Qt::Key_Right || key == Qt::Key_Down;
            for (size_t moved = 0; moved < count; ++moved) {
                Press(table, key);
                at = (at + (forward ? 1 : count - 1)) % count;
                QCOMPARE(FocusedCard(), stops[at]);
            }
        }

        // Keys brought the focus mark; a click takes it away.
        const auto image = [](const QPixmap& pixmap) {
            return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
        };
        QVERIFY(table.Keyboard().FocusMarkShown());
        QVERIFY(image(uncovered->grab()) != image(uncovered->ImagePixmap()));
        QTest::mouseClick(&table.Area(), Qt::LeftButton, {}, QPoint(600, 300));
        QVERIFY(!table.Keyboard().FocusMarkShown());
        QCOMPARE(image(uncovered->grab()), image(uncovered->ImagePixmap()));

        // Space and Enter on a table card select and deselect it, as clicks do.
        QAccessibleInterface* checkBox = Reader(CardPictureOf(table, stops[1]));
        QCOMPARE(checkBox->role(), QAccessible::CheckBox);
        QCOMPARE(checkBox->text(QAccessible::Name), CardName(stops[1]));
        Press(table, Qt::Key_Tab);
        Press(table, Qt::Key_Space);
        QVERIFY(state.Selected[stops[1]] && checkBox->state().checked);
        Press(table, Qt::Key_Enter);
        QVERIFY(!state.Selected[stops[1]] && !checkBox->state().checked);

        // Enter on the uncovered card plays it; the computer's move is heard: its card, then
        // the last-card caption as the human's turn comes round.
        Press(table, Qt::Key_Backtab);
        const int turnCount = state.TurnCount;
        Press(table, Qt::Key_Return);
        QCOMPARE(state.TurnCount, turnCount + 1);
        QVERIFY(QTest::qWaitFor([&] { return state.Turn == Player::Computer; }, 10000));
        const int computersCard = state.CurrentCard;
        QVERIFY(QTest::qWaitFor([&] { return table.Engine().CurrentCardOnPlaySpot(); }, 10000));
        QCOMPARE(Reader(CardPictureOf(table, computersCard))->role(), QAccessible::Graphic);
        QCOMPARE(Reader(CardPictureOf(table, computersCard))->text(QAccessible::Name),
                 CardName(computersCard));
        QCOMPARE(Reader(computerPanel)->text(QAccessible::Description), QString("Di turno"));
        QCOMPARE(Reader(humanPanel)->text(QAccessible::Description), QString());
        QVERIFY(WaitForHumanTurn(table));
        QCOMPARE(Reader(table.findChild<QLabel*>("lastCardCaption"))->text(QAccessible::Name),
                 "Ultima: " + CardName(computersCard));
        QCOMPARE(Reader(table.findChild<QLabel*>("computerScoreCaption"))
                     ->text(QAccessible::Description),
                 QString("Punteggio di Dino (Computer)"));
        QCOMPARE(t.broken, QString());
    }

    void aWholeMatchIsPlayedWithKeysAloneThenTheNextBegins() {
        PlayTable t(11);
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        // Once during a glide of the human's and once on the computer's turn, a table card is
        // focused and pressed as a click would be refused: nothing may change.
        bool triedInGlide = false;
        bool triedOnComputersTurn = false;
        QString changed;
        const auto tryCard = [&](bool& tried) {
            const std::vector<int> cards = TableCardsInScanOrder(state);
            if (tried || cards.empty()) return;
            tried = true;
            CardPicture* card = CardPictureOf(table, cards.front());
            const auto selected = state.Selected;
            const int turnCount = state.TurnCount;
            card->setFocus();
            QTest::keyClick(card, Qt::Key_Space);
            QTest::keyClick(card, Qt::Key_Return);
            if (state.Selected != selected || state.TurnCount != turnCount)
                changed = QString("card %1 answered a key").arg(card->Index());
        };
        EveryPass probe([&] {
            if (!table.isVisible() || QApplication::activeModalWidget() != nullptr) return;
            if (table.Engine().Busy() && state.Turn == Player::Human) tryCard(triedInGlide);
            if (!table.Engine().Busy() && state.Turn == Player::Computer &&
                table.Engine().CurrentCardOnPlaySpot())
                tryCard(triedOnComputersTurn);
        });
        // Each dialog, once it has the focus, is read: its role, its fields' names, all it says.
        // The end-of-match one is answered as a keyboard player does: Tab to "OK", then Enter;
        // the others are closed with Escape.
        QMap<QString, QStringList> reads;
        int winningScore = 0;
        bool enterPressed = false;
        EveryPass readAndAnswer([&] {
            QWidget* modal = QApplication::activeModalWidget();
            QWidget* focused = QApplication::focusWidget();
            if (modal == nullptr || focused == nullptr || !modal->isAncestorOf(focused)) return;
            const bool endOfMatch = modal->objectName() == "endOfMatchDialog";
            if (!reads.contains(modal->windowTitle())) {
                QStringList& read = reads[modal->windowTitle()];
                read << (Reader(modal)->role() == QAccessible::Dialog ? "dialog" : "");
                for (QWidget* field : modal->findChildren<QWidget*>(
                         QRegularExpression("^(nameBox|homePageBox|speedScrollBar)$")))
                    read << field->objectName() + ": " + Reader(field)->text(QAccessible::Name);
                read << ReadAll(Reader(modal));
                if (endOfMatch)
                    winningScore =
                        std::max(state.Score[Player::Human], state.Score[Player::Computer]);
            }
            if (!endOfMatch) {
                QTest::keyClick(focused, Qt::Key_Escape);
            } else if (!enterPressed) {
                // The button clicks a moment after Enter, as it shows itself pressed.
                enterPressed = focused->objectName() == "okButton";
                QTest::keyClick(focused, enterPressed ? Qt::Key_Return : Qt::Key_Tab);
            }
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
        QCOMPARE(Missing(reads.value("La VORBIA - Opzioni"),
                         {"dialog", "nameBox: Nome giocatore", "speedScrollBar: Velocità carta",
                          "Visualizza messaggi durante il gioco", "OK", "Annulla"}),
                 QString());
        QCOMPARE(Missing(reads.value("La VORBIA - About"),
                         {"dialog", "2 di Spade", "Carta coperta", "piacentine", "OK"}),
                 QString());
        table.activateWindow();
        QVERIFY(QTest::qWaitForWindowActive(&table));

        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(QTest::qWaitFor(
            [&] {
                if (winningScore > 0 && !table.Engine().Busy()) return true;
                if (HumanMayPlay(table)) PlayTurnWithKeys(table);
                return false;
            },
            240000));
        QVERIFY(winningScore >= 51);
        QVERIFY(triedInGlide && triedOnComputersTurn);
        QCOMPARE(changed, QString());
        QCOMPARE(state.Score, PerPlayer<int>{});
        QVERIFY(state.CardsDrawn > 0);
        QCOMPARE(Missing(reads.value("La VORBIA - Fine partita"),
                         {"dialog", "La VORBIA - Fine partita", "Ha vinto ",
                          "Vuoi fare un'altra partitina?", "Partite giocate", "Totale: ", "OK"}),
                 QString());
        QVERIFY(t.messages.last().contains("si inizia una nuova partita."));
        QCOMPARE(t.broken, QString());
    }
};

QTEST_MAIN(KeyboardPlayTest)
#include "KeyboardPlayTest.moc"
