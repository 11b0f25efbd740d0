// The coach asked from the table: its capture marked, never selected, and said to a screen
// reader; a card with nothing to take is told so.
#include <QAccessible>
#include <QAction>

#include "Fonts.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

namespace {

CardSet MarkedCards(const CardTable& table) {
    CardSet marked;
    for (const Card card : kCardsInDeckOrder) {
        if (table.PictureOf(card).AdviceMarkShown()) marked.Add(card);
    }
    return marked;
}

CardSet TableCards(const MatchState& state) {
    CardSet cards;
    for (const auto [slot, card] : state.Table.OccupiedSlots()) cards.Add(card);
    return cards;
}

QString DescriptionOf(const CardTable& table, Card card) {
    return QAccessible::queryAccessibleInterface(&table.PictureOf(card))
        ->text(QAccessible::Description);
}

QImage Image(const QPixmap& pixmap) {
    return pixmap.toImage().convertToFormat(QImage::Format_RGB32);
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
        QString wrongCommand;
        EveryPass command([&] {
            if (table.isVisible() && ask->isEnabled() != HumanMayPlay(table))
                wrongCommand = QStringLiteral("enabled %1 at turn %2")
                                   .arg(ask->isEnabled())
                                   .arg(state.TurnCount);
        });
        const auto press = [&](Qt::Key key) { QTest::keyClick(QApplication::focusWidget(), key); };
        QTest::keyClick(&table, Qt::Key_F2);
        QVERIFY(WaitForHumanTurn(table));

        // The hand's first turn: 7 di Spade against Asso di Spade and 6 di Denare, a scopa.
        const Card seven{Suit::Spade, 7};
        QCOMPARE(state.CurrentCard, seven);
        QCOMPARE(TableCards(state).Count(), 2);
        QVERIFY(table.PictureOf(seven).hasFocus());
        const QStringList told = t.messages;
        press(Qt::Key_H);
        QCOMPARE(MarkedCards(table), TableCards(state));
        QVERIFY(state.Selected.Empty());
        QCOMPARE(DescriptionOf(table, seven),
                 QStringLiteral("Suggerimento: prendi Asso di Spade e 6 di Denare"));
        const Card ace{Suit::Spade, 1};
        CardPicture& marked = table.PictureOf(ace);
        QVERIFY(Image(marked.grab()) != Image(marked.ImagePixmap()));
        QCOMPARE(t.messages, told);

        // Selecting a card takes the marks away; so does playing the card.
        QTest::mouseClick(&marked, Qt::LeftButton, {}, {20, 40});
        QCOMPARE(MarkedCards(table), CardSet{});
        QTest::mouseClick(&marked, Qt::LeftButton, {}, {20, 40});
        QVERIFY(state.Selected.Empty());
        QCOMPARE(Image(marked.grab()), Image(marked.ImagePixmap()));
        table.PictureOf(seven).setFocus();
        press(Qt::Key_H);
        QCOMPARE(MarkedCards(table), TableCards(state));
        press(Qt::Key_Return);
        QCOMPARE(MarkedCards(table), CardSet{});
        QVERIFY(!DescriptionOf(table, seven).startsWith(QStringLiteral("Suggerimento")));

        // The next: 3 di Bastoni, and no set of table cards adds up to 3.
        QVERIFY(WaitForHumanTurn(table));
        QCOMPARE(state.CurrentCard, (Card{Suit::Bastoni, 3}));
        press(Qt::Key_H);
        QCOMPARE(MarkedCards(table), CardSet{});
        QCOMPARE(t.messages.mid(told.size()),
                 QStringList{QStringLiteral("Nessuna presa possibile, posa la carta.")});
        QCOMPARE(DescriptionOf(table, *state.CurrentCard),
                 QStringLiteral("Suggerimento: nessuna presa possibile, posa la carta"));
        QCOMPARE(wrongCommand, QString());
        QCOMPARE(t.broken, QString());
    }
};

QTEST_MAIN(CoachAdviceTest)
#include "CoachAdviceTest.moc"
