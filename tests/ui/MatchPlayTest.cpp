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
#include "TableOrders.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

const QString kNewMatch = QStringLiteral("si inizia una nuova partita.");

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

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
}

// Plays the human's turns until `done`: a table card of the same value when there is one, then
// the card in hand; clicked, or reached with Tab and pressed with Space and Enter.
bool PlayUntil(CardTable& table, bool keys, const std::function<bool()>& done, int timeoutMs) {
    const auto press = [&](int card, Qt::Key key) {
        if (!keys)
            return QTest::mouseClick(CardPictureOf(table, card), Qt::LeftButton, {}, {20, 40});
        for (int step = 0; step < kSlots + 2 && FocusedCard() != card; ++step)
            Press(table, Qt::Key_Tab);
        if (FocusedCard() == card) Press(table, key);
    };
    return QTest::qWaitFor(
        [&] {
            if (done()) return true;
            if (!HumanMayPlay(table)) return false;
            const MatchState& state = table.State();
            const int current = state.CurrentCard;
            for (int card : TableCardsInScanOrder(state)) {
                if (CardValue(card) != state.CurrentValue) continue;
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
        QVERIFY(table.Keyboard().FocusMarkShown());
        QVERIFY(Image(uncovered->grab()) != Image(uncovered->ImagePixmap()));
        QTest::mouseClick(&table.Area(), Qt::LeftButton, {}, QPoint(600, 300));
        QVERIFY(!table.Keyboard().FocusMarkShown());
        QCOMPARE(Image(uncovered->grab()), Image(uncovered->ImagePixmap()));

        // Space and Enter on a table card select and deselect it, as clicks do.
        QAccessibleInterface* checkBox = Reader(CardPictureOf(table, stops[1]));
        QCOMPARE(checkBox->role(), QAccessible::CheckBox);
        QCOMPARE(checkBox->text(QAccessible::Name), CardName(stops[1]));
        Press(table, Qt::Key_Tab);
        Press(table, Qt::Key_Space);
        QVERIFY(state.Selected[stops[1]] && checkBox->state().checked);
        Press(table, Qt::Key_Enter);
        QVERIFY(!state.Selected[stops[1]] && !checkBox->state().checked);
        // A held key is one press: its repeats do nothing.
        QKeyEvent repeated(QEvent::KeyPress, Qt::Key_Space, Qt::NoModifier, " ", true);
        QApplication::sendEvent(QApplication::focusWidget(), &repeated);
        QVERIFY(!state.Selected[stops[1]]);

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
                wrong = QString("card %1 answered a key").arg(card->Index());
        };
        EveryPass probe([&] {
            if (!table.isVisible() || QApplication::activeModalWidget() != nullptr) return;
            if (!keys && HumanMayPlay(table)) {
                CardPicture* card = CardPictureOf(table, state.CurrentCard);
                if (!card->hasFocus()) return;
                ++focusedCardsSeen;
                if (table.Keyboard().FocusMarkShown() ||
                    Image(card->grab()) != Image(card->ImagePixmap()))
                    wrong = QString("card %1 marked").arg(card->Index());
            }
            if (!keys) return;
            if (table.Engine().Busy() && state.Turn == Player::Human) tryCard(triedInGlide);
            if (!table.Engine().Busy() && state.Turn == Player::Computer &&
                table.Engine().CurrentCardOnPlaySpot())
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
            } else if (!keys) {
                QTest::mouseClick(modal->findChild<QAbstractButton*>("okButton"), Qt::LeftButton);
            } else if (!enterPressed) {
                // The button clicks a moment after Enter, as it shows itself pressed.
                enterPressed = focused->objectName() == "okButton";
                QTest::keyClick(focused, enterPressed ? Qt::Key_Return : Qt::Key_Tab);
            }
        });

        if (keys) {
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
        } else {
            QTest::mouseClick(table.findChild<QAbstractButton*>("newMatchButton"), Qt::LeftButton);
        }
        QVERIFY(PlayUntil(
            table, keys, [&] { return winningScore > 0 && !table.Engine().Busy(); }, 240000));
        QVERIFY(winningScore >= 51);
        QCOMPARE(wrong, QString());
        QVERIFY(keys ? triedInGlide && triedOnComputersTurn : focusedCardsSeen > 0);
        QCOMPARE(Missing(reads.value("La VORBIA - Fine partita"),
                         {"dialog", "La VORBIA - Fine partita", "Ha vinto ",
                          "Vuoi fare un'altra partitina?", "Partite giocate", "Totale: ", "OK"}),
                 QString());

        // OK started the next match at once.
        QVERIFY(t.messages.last().contains(kNewMatch));
        QCOMPARE(state.Score, PerPlayer<int>{});
        QCOMPARE(table.findChild<QLabel*>("humanScoreCaption")->text(), QString("Punti: 0"));
        QVERIFY(table.findChild<ScoreBar*>("humanScoreBar")->Boxes().empty());
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
            table, false, [&] { return cutCard != 0 && !table.Engine().Busy(); }, 60000));
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
