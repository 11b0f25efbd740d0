// The coach asked from the table: its capture marked, never selected, and said to a screen
// reader; a card with nothing to take is told so.
#include <QAccessible>
#include <QAction>

#include "Fonts.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

// The cards for which `has` holds.
CardSet CardsWhere(const std::function<bool(Card)>& has) {
    CardSet cards;
    for (const Card card : kCardsInDeckOrder) {
        if (has(card)) cards.Add(card);
    }
    return cards;
}

QString DescriptionOf(const CardTable& table, Card card) {
    return QAccessible::queryAccessibleInterface(&table.PictureOf(card))
        ->text(QAccessible::Description);
}

bool LooksAsItsImage(CardPicture& card) {
    return card.grab().toImage().convertToFormat(QImage::Format_RGB32) ==
           card.ImagePixmap().toImage().convertToFormat(QImage::Format_RGB32);
}

}  // namespace

class CoachAdviceTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void theCoachMarksItsCaptureUntilTheSelectionChangesOrTheCardIsPlayed() {
        PlayTable t(42);
        CardTable& table = *t.table;
        const MatchState& state = table.State();
        const QAction* ask = table.Menu().adviceCommand;
        int wrongCommandAtTurn = -1;
        EveryPass command([&] {
            if (table.isVisible() && ask->isEnabled() != HumanMayPlay(table))
                wrongCommandAtTurn = state.TurnCount;
        });
        const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        const auto marked = [&] {
            return CardsWhere([&](Card card) { return table.PictureOf(card).AdviceMarkShown(); });
        };
        const auto onTable = [&] {
            return CardsWhere([&](Card card) { return state.Table.Contains(card); });
        };
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table));

        // The hand's first turn: 7 di Spade against Asso di Spade and 6 di Denare, a scopa.
        const Card seven{Suit::Spade, 7};
        QCOMPARE(state.CurrentCard, seven);
        QCOMPARE(onTable().Count(), 2);
        QVERIFY(table.PictureOf(seven).hasFocus());
        const QStringList told = t.messages;
        press(Qt::Key_H);
        QCOMPARE(marked(), onTable());
        QVERIFY(state.Selected.Empty());
        QCOMPARE(DescriptionOf(table, seven),
                 QStringLiteral("Suggerimento: prendi Asso di Spade e 6 di Denare"));
        CardPicture& badged = table.PictureOf(Card{Suit::Spade, 1});
        QVERIFY(!LooksAsItsImage(badged));
        QCOMPARE(t.messages, told);

        // Selecting a card takes the marks away; so does playing the card.
        QTest::mouseClick(&badged, Qt::LeftButton, {}, {20, 40});
        QCOMPARE(marked(), CardSet{});
        QTest::mouseClick(&badged, Qt::LeftButton, {}, {20, 40});
        QVERIFY(state.Selected.Empty() && LooksAsItsImage(badged));
        table.PictureOf(seven).setFocus();
        press(Qt::Key_H);
        QCOMPARE(marked(), onTable());
        press(Qt::Key_Return);
        QCOMPARE(marked(), CardSet{});
        QVERIFY(!DescriptionOf(table, seven).startsWith(QStringLiteral("Suggerimento")));

        // The next: 3 di Bastoni, and no set of table cards adds up to 3.
        QVERIFY(WaitForHumanTurn(table));
        QCOMPARE(state.CurrentCard, (Card{Suit::Bastoni, 3}));
        press(Qt::Key_H);
        QCOMPARE(marked(), CardSet{});
        QCOMPARE(t.messages.mid(told.size()),
                 QStringList{QStringLiteral("Nessuna presa possibile, posa la carta.")});
        QCOMPARE(DescriptionOf(table, *state.CurrentCard),
                 QStringLiteral("Suggerimento: nessuna presa possibile, posa la carta"));
        QCOMPARE(wrongCommandAtTurn, -1);
        QCOMPARE(t.broken, QString());
    }
};

QTEST_MAIN(CoachAdviceTest)
#include "CoachAdviceTest.moc"
