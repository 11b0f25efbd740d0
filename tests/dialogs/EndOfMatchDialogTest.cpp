#include <QLabel>
#include <QListWidget>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <functional>

#include "Card.h"
#include "DialogTestSupport.h"
#include "EndOfMatchDialog.h"
#include "Fonts.h"

namespace vorbia {

namespace {

using Choice = EndOfMatchDialog::Choice;

MatchState Result(const std::string& name, int16_t human, int16_t computer) {
    MatchState state;
    state.PlayerName[1] = name;
    state.Score[1] = human;
    state.Score[2] = computer;
    return state;
}

}  // namespace

class EndOfMatchDialogTest : public QObject {
    Q_OBJECT

  private:
    // Answers the modal dialog as a player would, once it is on screen.
    static Choice ShowAndAnswer(EndOfMatchDialog& dialog, const MatchState& state,
                                const std::function<void()>& answer) {
        bool answered = false;
        std::function<void()> tryAnswer = [&] {
            if (!dialog.isVisible()) {
                QTimer::singleShot(0, &dialog, tryAnswer);
                return;
            }
            answered = true;
            answer();
        };
        QTimer::singleShot(0, &dialog, tryAnswer);
        const Choice choice =
            dialog.ShowResult(state, QString::fromStdString(HumanCaption(state.PlayerName[1])));
        if (!answered) qFatal("the dialog returned before it was answered");
        return choice;
    }

    static Choice ShowAndClick(EndOfMatchDialog& dialog, const MatchState& state,
                               const char* button) {
        return ShowAndAnswer(dialog, state, [&dialog, button] {
            QTest::mouseClick(dialog.findChild<QToolButton*>(QString::fromLatin1(button)),
                              Qt::LeftButton);
        });
    }

    static QString Text(EndOfMatchDialog& dialog, const char* label) {
        return dialog.findChild<QLabel*>(QString::fromLatin1(label))->text();
    }

    static QListWidget* List(EndOfMatchDialog& dialog) {
        return dialog.findChild<QListWidget*>(QStringLiteral("List1"));
    }

  private slots:
    void initTestCase() { LoadFonts(); }

    void keepsTheResultsOfTheRun() {
        EndOfMatchDialog dialog;

        QCOMPARE(ShowAndClick(dialog, Result("Gimbo", 53, 40), "Command1"), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto Gimbo!"));
        QCOMPARE(Text(dialog, "Label3_0"), QStringLiteral("Gimbo (Umano)"));
        QCOMPARE(Text(dialog, "Label4_0"), QStringLiteral("53"));
        QCOMPARE(Text(dialog, "Label4_1"), QStringLiteral("40"));
        QCOMPARE(List(dialog)->item(0)->text(), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 0"));

        QCOMPARE(ShowAndClick(dialog, Result("Gimbo", 12, 51), "Command1"), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(List(dialog)->count(), 2);
        QCOMPARE(List(dialog)->currentRow(), 1);
        QVERIFY(List(dialog)->item(1)->isSelected());
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 1"));

        // A renamed player: older lines keep the name they were won under.
        QCOMPARE(ShowAndClick(dialog, Result("Anna", 55, 51), "Command1"), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(Text(dialog, "Label3_0"), QStringLiteral("Anna (Umana)"));
        QCOMPARE(List(dialog)->item(0)->text(), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(List(dialog)->item(2)->text(), QStringLiteral(" 3) Anna 55   Dino(CPU) 51"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 1 - 2"));

        QCOMPARE(ShowAndClick(dialog, Result("", 51, 7), "Command1"), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto !"));
        QCOMPARE(Text(dialog, "Label3_0"), QStringLiteral(" (Umano)"));
        QCOMPARE(List(dialog)->item(3)->text(), QStringLiteral(" 4)  51   Dino(CPU)  7"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 2 - 2"));

        // No winner: the winner line stays as it was, but the match still counts.
        QCOMPARE(ShowAndClick(dialog, Result("Ugo", 50, 50), "Command1"), Choice::PlayAgain);
        QCOMPARE(Text(dialog, "Label1"), QStringLiteral("Ha vinto !"));
        QCOMPARE(List(dialog)->item(4)->text(), QStringLiteral(" 5) Ugo 50   Dino(CPU) 50"));
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 2 - 2"));
        QCOMPARE(List(dialog)->currentRow(), 4);

        QCOMPARE(ShowAndClick(dialog, Result("Ugo", 3, 60), "Command2"), Choice::Quit);
        QVERIFY(!dialog.isVisible());
    }

    void closingTheFrameMeansAnotherMatch() {
        EndOfMatchDialog dialog;
        const Choice choice =
            ShowAndAnswer(dialog, Result("Gimbo", 51, 0), [&dialog] { dialog.close(); });
        QCOMPARE(choice, Choice::PlayAgain);
    }

    void numbersKeepTheirLastThreeDigits() {
        EndOfMatchDialog dialog;
        for (int match = 1; match <= 1000; ++match) {
            ShowAndClick(dialog, Result("Gimbo", 51, 100), "Command1");
        }
        QCOMPARE(List(dialog)->item(9)->text(), QStringLiteral(" 10) Gimbo 51   Dino(CPU)100"));
        QCOMPARE(List(dialog)->item(99)->text(), QStringLiteral("100) Gimbo 51   Dino(CPU)100"));
        QCOMPARE(List(dialog)->item(999)->text(), QStringLiteral("000) Gimbo 51   Dino(CPU)100"));
        QCOMPARE(List(dialog)->currentRow(), 999);
        QCOMPARE(Text(dialog, "Label5"), QStringLiteral("Totale: 0 - 1000"));
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::EndOfMatchDialogTest)
#include "EndOfMatchDialogTest.moc"
