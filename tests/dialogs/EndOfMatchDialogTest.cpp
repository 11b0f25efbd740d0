#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>

#include "DialogTestSupport.h"
#include "EndOfMatchDialog.h"

namespace vorbia {

class EndOfMatchDialogTest : public QObject {
    Q_OBJECT

    EndOfMatchDialog dialog_;

    // Shows the result and answers the modal dialog as a player would: a click on `button`,
    // or with none, the frame's close command.
    EndOfMatchDialog::Choice Answer(const std::string& name, int16_t human, int16_t computer,
                                    const char* button = "Command1") {
        MatchState state;
        state.PlayerName[1] = name;
        state.Score = {0, human, computer};
        QTimer::singleShot(0, &dialog_, [this, button] {
            if (button == nullptr) {
                dialog_.close();
            } else {
                QTest::mouseClick(Find<QToolButton>(dialog_, button), Qt::LeftButton);
            }
        });
        return dialog_.ShowResult(state, QString::fromStdString(name));
    }
    QString Text(const char* label) const { return Find<QLabel>(dialog_, label)->text(); }
    QString Line(int row) const { return Find<QListWidget>(dialog_, "List1")->item(row)->text(); }

  private slots:
    void listsAndCountsEveryMatchOfTheRun() {
        using Choice = EndOfMatchDialog::Choice;
        QCOMPARE(Answer("Gimbo", 53, 40), Choice::PlayAgain);
        QCOMPARE(Text("Label1"), QStringLiteral("Ha vinto Gimbo!"));
        QCOMPARE(Text("Label4_0") + "-" + Text("Label4_1"), QStringLiteral("53-40"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 1 - 0"));

        QCOMPARE(Answer("Gimbo", 12, 51, nullptr), Choice::PlayAgain);
        QVERIFY(Find<QListWidget>(dialog_, "List1")->item(1)->isSelected());
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 1 - 1"));

        // Older lines keep the name they were played under; 51 for the computer wins even
        // against a higher score.
        QCOMPARE(Answer("Anna", 55, 51), Choice::PlayAgain);
        QCOMPARE(Text("Label1"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Line(2), QStringLiteral(" 3) Anna 55   Dino(CPU) 51"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 1 - 2"));

        QCOMPARE(Answer("", 51, 7, "Command2"), Choice::Quit);
        QCOMPARE(Line(3), QStringLiteral(" 4)  51   Dino(CPU)  7"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 2 - 2"));

        // The number columns hold three digits: from match 1000 on only the last three show.
        for (int match = 5; match <= 1000; ++match) Answer("Ugo", 51, 100);
        QCOMPARE(Line(9), QStringLiteral(" 10) Ugo 51   Dino(CPU)100"));
        QCOMPARE(Line(999), QStringLiteral("000) Ugo 51   Dino(CPU)100"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 2 - 998"));
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::EndOfMatchDialogTest)
#include "EndOfMatchDialogTest.moc"
