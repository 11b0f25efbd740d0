#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DialogTestSupport.h"
#include "EndOfMatchDialog.h"

namespace vorbia {

namespace {

using Choice = EndOfMatchDialog::Choice;

// Shows the result and answers the modal dialog as a player would: a click on `button`, or
// with none, the frame's close command.
Choice ShowAndAnswer(EndOfMatchDialog& dialog, const std::string& name, int16_t human,
                     int16_t computer, const char* button = "Command1") {
    MatchState state;
    state.PlayerName[1] = name;
    state.Score[1] = human;
    state.Score[2] = computer;
    QTimer::singleShot(0, &dialog, [&dialog, button] {
        if (button == nullptr) {
            dialog.close();
        } else {
            QTest::mouseClick(Find<QToolButton>(dialog, button), Qt::LeftButton);
        }
    });
    return dialog.ShowResult(state, QString::fromStdString(name));
}

QString Text(const EndOfMatchDialog& dialog, const char* label) {
    return Find<QLabel>(dialog, label)->text();
}

}  // namespace

class EndOfMatchDialogTest : public QObject {
    Q_OBJECT

  private slots:

    void listsAndCountsEveryMatchOfTheRun() {
        EndOfMatchDialog dialog;
        auto* list = Find<QListWidget>(dialog, "List1");

        QCOMPARE(ShowAndAnswer(dialog, "Gimbo", 53, 40), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto Gimbo!"));
        QCOMPARE(Text(dialog, "Label4_0") + "-" + Text(dialog, "Label4_1"),
                 QStringLiteral("53-40"));
        QCOMPARE(list->item(0)->text(), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 0"));

        QCOMPARE(ShowAndAnswer(dialog, "Gimbo", 12, 51, nullptr), Choice::PlayAgain);
        QVERIFY(list->item(1)->isSelected());
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 1"));

        // Older lines keep the name they were played under; 51 for the computer wins even
        // against a higher score.
        QCOMPARE(ShowAndAnswer(dialog, "Anna", 55, 51), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(list->item(0)->text(), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(list->item(2)->text(), QStringLiteral(" 3) Anna 55   Dino(CPU) 51"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 2"));

        QCOMPARE(ShowAndAnswer(dialog, "", 51, 7, "Command2"), Choice::Quit);
        QCOMPARE(list->item(3)->text(), QStringLiteral(" 4)  51   Dino(CPU)  7"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 2 - 2"));

        // The number columns hold three digits: from match 1000 on only the last three show.
        for (int match = 5; match <= 1000; ++match) ShowAndAnswer(dialog, "Ugo", 51, 100);
        QCOMPARE(list->item(9)->text(), QStringLiteral(" 10) Ugo 51   Dino(CPU)100"));
        QCOMPARE(list->item(99)->text(), QStringLiteral("100) Ugo 51   Dino(CPU)100"));
        QCOMPARE(list->item(999)->text(), QStringLiteral("000) Ugo 51   Dino(CPU)100"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 2 - 998"));
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::EndOfMatchDialogTest)
#include "EndOfMatchDialogTest.moc"
