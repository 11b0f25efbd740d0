// The table as it opens and as a hand lays it out, its hints and its menu.
#include <QLabel>
#include <QMenu>
#include <QMenuBar>
#include <QToolButton>

#include "DrawingArea.h"
#include "Fonts.h"
#include "PointerHints.h"
#include "ScoreBar.h"
#include "StatusPanel.h"
#include "TableTestSupport.h"

using namespace vorbia;
using namespace vorbia::testing;

class TableStartUpTest : public QObject {
    Q_OBJECT

  private slots:
    void initTestCase() { LoadFonts(); }

    void withoutPictureOrSettingsTheTableStillOpens() {
        ProgramFolder folder;
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());

        QCOMPARE(messages.texts, QStringList{"Attenzione non trovato file picture: Vorbia.BMP"});
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D1")->Caption(), QString("La VORBIA"));
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D2")->Caption(), QString("Dino (Computer)"));
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D3")->Caption(), QString(" (Umano)"));
        QCOMPARE(QDir::currentPath(), QDir(folder.FilePath(".")).canonicalPath());
        for (int pile : {kComputerPile, kHumanPile}) {
            QCOMPARE(Picture1(*table, pile)->ImagePixmap().deviceIndependentSize().toSize(),
                     QSize(58, 99));
            QVERIFY(!OnTable(*table, pile));
        }

        // The empty background box starts circling with the first tick.
        table->show();
        auto* background = Find<QLabel>(*table, "Picture2");
        QVERIFY(background->isHidden());
        QVERIFY(WaitUntil([&] { return background->isVisible(); }, 2000));
        QCOMPARE(background->size(), kPicture2DesignSize);
        QVERIFY(background->pixmap().isNull());
    }

    void theSettingsNameAndPictureAreFoundWhateverTheirLetterCase() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture("VORBIA.BMP");
        folder.WriteSettings("Giocatore1=Alessandra Maria\r\nVelocitaCarta=20\r\n");
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());

        QVERIFY(messages.texts.isEmpty());
        QCOMPARE(table->State().PlayerName[1], std::string("Alessandra"));
        QCOMPARE(table->State().CardSpeed, int16_t{20});
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D3")->Caption(), QString("Alessandra (Umana)"));
        QCOMPARE(Find<QLabel>(*table, "Picture2")->size(), QSize(157, 154));
    }

    void aBadSettingsFileIsFatal() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        folder.WriteSettings("VelocitaCarta=99999\r\n");
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(!table->StartUp());
        QCOMPARE(messages.texts,
                 QStringList{"Attenzione si e' verificato l'errore fatale Num. 6.  Questo "
                             "programma verrà terminato - Contattare l'autore per maggiori "
                             "informazioni."});
        QVERIFY(!table->isVisible());
    }

    void anUnreadablePictureIsFatal() {
        ProgramFolder folder;
        QFile broken(folder.FilePath("Vorbia.bmp"));
        QVERIFY(broken.open(QIODevice::WriteOnly));
        broken.write("not a picture");
        broken.close();
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(!table->StartUp());
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(
            messages.texts[0].startsWith("Attenzione si e' verificato l'errore fatale Num. 481."));
    }

    void aHandLaysTheTableOutAsDesigned() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        folder.WriteSettings("VelocitaCarta=50\r\n");
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        table->show();
        QCOMPARE(table->Area().size(), QSize(1016, 700));

        QCOMPARE(Find<StatusPanel>(*table, "Panel3D1")->geometry(), QRect(0, 0, 1016, 28));
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D2")->geometry(), QRect(0, 28, 1016, 30));
        QCOMPARE(Find<StatusPanel>(*table, "Panel3D3")->geometry(), QRect(0, 670, 1016, 30));
        auto* button = Find<QToolButton>(*table, "Command3d1");
        QCOMPARE(button->geometry(), QRect(6, 3, 22, 22));
        QCOMPARE(button->toolTip(), QString("Nuova partita"));
        QCOMPARE(Find<QLabel>(*table, "Label2")->geometry(), QRect(4, 7, 122, 13));
        QVERIFY(Find<QLabel>(*table, "Label1(0)")->isHidden());

        table->Engine().NewMatch();
        QVERIFY(WaitUntil(
            [&] { return table->Engine().CurrentCardOnPlaySpot() || table->State().Turn == 1; },
            10000));

        QCOMPARE(Picture1(*table, kComputerPile)->geometry(), QRect(5, 67, 58, 99));
        QCOMPARE(Picture1(*table, kHumanPile)->geometry(), QRect(5, 562, 58, 99));
        QCOMPARE(Find<QLabel>(*table, "Label1(1)")->geometry(), QRect(4, 176, 67, 16));
        QCOMPARE(Find<QLabel>(*table, "Label1(0)")->geometry(), QRect(3, 536, 67, 16));
        QCOMPARE(Find<QLabel>(*table, "Label1(0)")->text(), QString("Punti: 0"));
        QVERIFY(Find<QLabel>(*table, "Label1(0)")->isVisible());
        QCOMPARE(Find<ScoreBar>(*table, "Picture3(1)")->geometry(), QRect(4, 192, 67, 7));
        QCOMPARE(Find<ScoreBar>(*table, "Picture3(0)")->geometry(), QRect(3, 529, 67, 7));
        QVERIFY(Find<QLabel>(*table, "Picture2")->isHidden());

        const int columns[] = {163, 293, 423, 553, 683, 813, 943};
        const int rows[] = {562, 315, 68};
        for (int row = 1; row <= 3; ++row) {
            for (int column = 1; column <= 7; ++column) {
                const PictureBox slot = table->Engine().SlotPosition(row, column);
                QCOMPARE(slot.left, columns[column - 1]);
                QCOMPARE(slot.top, rows[row - 1]);
            }
        }
        // Every card the hand has laid so far stands on its slot.
        for (int row = 1; row <= 3; ++row) {
            for (int column = 1; column <= 7; ++column) {
                const int card = table->State().TableGrid[row][column];
                if (card == 0) continue;
                QCOMPARE(Picture1(*table, card)->pos(), QPoint(columns[column - 1], rows[row - 1]));
            }
        }
    }

    void hintsTellWhatThePointerIsOver() {
        MatchState state;
        state.PlayerName[1] = "Anna";
        state.TurnCount = 1;
        QCOMPARE(CardHint(kHumanPile, 5, state), QString("Mazzo di Anna - ancora 20 carte"));
        state.TurnCount = 3;
        QCOMPARE(CardHint(kComputerPile, 5, state),
                 QString("Mazzo di Dino (Computer) - ancora 19 carte"));
        state.TurnCount = 41;
        QCOMPARE(CardHint(kHumanPile, 5, state), QString("Mazzo di Anna - ancora 0 carte"));
        QCOMPARE(CardHint(12, 69, state),
                 QString("Scegli a destra le carte da prendere quindi clicca su questa carta."));
        QCOMPARE(CardHint(12, 137, state),
                 QString("Scegli a destra le carte da prendere quindi clicca su questa carta."));
        QCOMPARE(CardHint(12, 138, state), QString("Carta già giocata, clicca per sceglierla."));
    }

    void pointerMovesWriteTheHintAndTheTitle() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        table->show();
        QVERIFY(QTest::qWaitForWindowExposed(table.get()));
        auto* title = Find<StatusPanel>(*table, "Panel3D1");

        QTest::mouseMove(&table->Area(), QPoint(600, 400));
        QCOMPARE(title->Caption(), QString("La Vorbia"));

        table->PlacePicture(kHumanPile, 5, 562);
        CardPicture* pile = Picture1(*table, kHumanPile);
        QTest::mouseMove(pile, QPoint(20, 20));
        QCOMPARE(title->Caption(), QString("Mazzo di  - ancora 20 carte"));
        QCOMPARE(pile->toolTip(), title->Caption());

        table->PlacePicture(9, 293, 315);
        QTest::mouseMove(Picture1(*table, 9), QPoint(10, 10));
        QCOMPARE(title->Caption(), QString("Carta già giocata, clicca per sceglierla."));

        QTest::mouseMove(&table->Area(), QPoint(600, 200));
        QCOMPARE(title->Caption(), QString("La Vorbia"));
        QCOMPARE(Picture1(*table, 9)->toolTip(),
                 QString("Carta già giocata, clicca per sceglierla."));

        // Over a panel the title stays as it is.
        QTest::mouseMove(&table->Area(), QPoint(600, 685));
        title->SetCaption("unchanged");
        QTest::mouseMove(&table->Area(), QPoint(610, 686));
        QCOMPARE(title->Caption(), QString("unchanged"));
    }

    void theMenuBarListsEveryCommandInOrder() {
        ProgramFolder folder;
        CardTable table(CardTableOptions{folder.Path(), kDesignDrawingArea, 1});
        struct Item {
            const char* caption;
            QKeySequence shortcut;
        };
        const QList<QList<Item>> expected = {
            {{"&Nuova partita", Qt::Key_F2}, {"", {}}, {"&Esci", Qt::CTRL | Qt::Key_F4}},
            {{"&Settaggio ...", {}}},
            {{"&Help (Documentazione)", Qt::CTRL | Qt::Key_D},
             {"&Regole della 'VORBIA o Vorbietta'", Qt::CTRL | Qt::Key_R},
             {"", {}},
             {"Manda una &Mail all'autore ...", {}},
             {"&Visita Home Page dell'autore ...", {}},
             {"", {}},
             {"&Info su ' La VORBIA' ...", Qt::Key_F4}},
        };
        const QStringList titles = {"&File", "&Opzioni", "?"};
        const QList<QAction*> menus = table.menuBar()->actions();
        QCOMPARE(menus.size(), 3);
        for (int m = 0; m < 3; ++m) {
            QCOMPARE(menus[m]->text(), titles[m]);
            const QList<QAction*> items = menus[m]->menu()->actions();
            QCOMPARE(items.size(), expected[m].size());
            for (int i = 0; i < items.size(); ++i) {
                const Item& want = expected[m][i];
                QCOMPARE(items[i]->isSeparator(), QString(want.caption).isEmpty());
                QCOMPARE(items[i]->text(), QString(want.caption));
                QCOMPARE(items[i]->shortcut(), want.shortcut);
                QVERIFY(items[i]->isEnabled() && items[i]->isVisible() && !items[i]->isCheckable());
            }
        }
    }

    void theRulesCommandShowsTheRulesBeforeAnyMatch() {
        ProgramFolder folder;
        folder.CopyBackgroundPicture();
        AnsweredMessages messages;
        auto table = DesignTable(folder);
        QVERIFY(table->StartUp());
        table->Menu().MenuREG->trigger();
        QCOMPARE(messages.texts.size(), 1);
        QVERIFY(messages.texts[0].startsWith("Le carte vengono divise in due mazzetti da 20"));
        QCOMPARE(table->State().Turn, int16_t{0});
    }
};

QTEST_MAIN(TableStartUpTest)
#include "TableStartUpTest.moc"
