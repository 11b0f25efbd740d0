#include <QApplication>
#include <QCheckBox>
#include <QClipboard>
#include <QDesktopServices>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <QUrl>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "AboutBox.h"
#include "EndOfMatchDialog.h"
#include "MakerContact.h"
#include "MessageBoxes.h"
#include "OptionsDialog.h"

namespace vorbia {

namespace {

// Shows a dialog as the program would and waits until it takes keys.
bool ShowActive(QWidget* dialog) {
    dialog->show();
    return QTest::qWaitForWindowActive(dialog);
}

// The dialog's element of that name; a missing one stops the test, naming it.
template <typename T>
T* Find(const QObject& dialog, const char* name) {
    T* element = dialog.findChild<T*>(QString::fromLatin1(name));
    if (element == nullptr) qFatal("no element %s", name);
    return element;
}

// Collects the message boxes that would have been shown, instead of blocking on them.
struct MessageBoxRecorder {
    MessageBoxRecorder() {
        SetMessageBoxHandler([this](const QString&, const QString& text) { texts.append(text); });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler({}); }
    QStringList texts;
};

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

// The arrows sit at the two ends of the bar.
void ClickArrow(QScrollBar* bar, Qt::Edge arrow, int times = 1) {
    const QPoint at(arrow == Qt::LeftEdge ? 3 : bar->width() - 3, bar->height() / 2);
    for (int i = 0; i < times; ++i) QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, at);
}

}  // namespace

class DialogsTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::filesystem::path Folder() const { return folder_.path().toStdString(); }
    MatchState state_;
    EndOfMatchDialog ending_;
    QList<QUrl> opened_;

    // Shows the result and answers the modal dialog as a player would: a click on `button`,
    // or with none, the frame's close command.
    EndOfMatchDialog::Choice Answer(const std::string& name, int human, int computer,
                                    const char* button = "Command1") {
        MatchState state;
        state.PlayerName[Player::Human] = name;
        state.Score = {0, human, computer};
        QTimer::singleShot(0, &ending_, [this, button] {
            if (button == nullptr) {
                ending_.close();
            } else {
                QTest::mouseClick(Find<QToolButton>(ending_, button), Qt::LeftButton);
            }
        });
        return ending_.ShowResult(state, QString::fromStdString(name));
    }
    QString Text(const char* label) const { return Find<QLabel>(ending_, label)->text(); }
    QString Line(int row) const { return Find<QListWidget>(ending_, "List1")->item(row)->text(); }

  public slots:
    // Stands in for the desktop: records what the game asked it to open.
    void Open(const QUrl& url) { opened_.append(url); }

  private slots:
    void initTestCase() { QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open"); }
    void cleanupTestCase() { QDesktopServices::unsetUrlHandler(QStringLiteral("https")); }
    void init() { state_ = {.PlayerName = {"", "Gimbo"}, .CardSpeed = 35, .ShowMessages = false}; }

    void optionsOpenWithTheStateAndEnterSavesTheChanges() {
        OptionsDialog dialog(state_, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* box = Find<QCheckBox>(dialog, "Check3d1");
        QCOMPARE(Find<QLabel>(dialog, "Label3")->text(), QStringLiteral("35"));
        QVERIFY(!box->isChecked());
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));

        // The click gives the focus back to the name, all selected, so typing replaces it.
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("aNNA"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(state_.PlayerName[Player::Human], std::string("Anna"));
        QCOMPARE(FileBytes(Folder() / "VORBIA.ini"),
                 std::string("; File di inizializzazione per 'La VORBIA'\r\n"
                             "; Non manomettere assolutamente queste righe!\r\n"
                             "Giocatore1=Anna\r\nVelocitaCarta= 35 \r\nDisplayMessaggi=-1 \r\n"));
    }

    void optionsEscapeAfterMovingTheBarKeepsTheStateAndTheFile() {
        std::ofstream(Folder() / "VORBIA.ini") << "before";
        OptionsDialog dialog(state_, Folder());
        QVERIFY(ShowActive(&dialog));
        ClickArrow(Find<QScrollBar>(dialog, "HScroll1"), Qt::RightEdge);
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        QCOMPARE(dialog.result(), int{QDialog::Rejected});
        QCOMPARE(state_.CardSpeed, 35);
        QCOMPARE(FileBytes(Folder() / "VORBIA.ini"), std::string("before"));
    }

    void optionsSpeedStopsAtOneAndFiftyAndAFailedSaveStillKeepsTheValues() {
        const std::filesystem::path notAFolder = Folder() / "not-a-folder";
        std::ofstream(notAFolder) << "x";
        MessageBoxRecorder boxes;
        OptionsDialog dialog(state_, notAFolder);
        QVERIFY(ShowActive(&dialog));
        auto* bar = Find<QScrollBar>(dialog, "HScroll1");
        auto* label = Find<QLabel>(dialog, "Label3");

        QTest::keyClicks(Find<QLineEdit>(dialog, "Text1"), QStringLiteral("bRUNO"));
        ClickArrow(bar, Qt::LeftEdge, 7);
        QCOMPARE(label->text(), QStringLiteral("1"));
        ClickArrow(bar, Qt::RightEdge, 12);
        QCOMPARE(label->text(), QStringLiteral("50"));
        QTest::mouseClick(Find<QToolButton>(dialog, "Command3d1"), Qt::LeftButton);

        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
        QCOMPARE(state_.PlayerName[Player::Human], std::string("Bruno"));
        QCOMPARE(state_.CardSpeed, 50);
    }

    void endOfMatchListsAndCountsEveryMatchOfTheRun() {
        using Choice = EndOfMatchDialog::Choice;
        QCOMPARE(Answer("Gimbo", 53, 40), Choice::PlayAgain);
        QCOMPARE(Text("Label1"), QStringLiteral("Ha vinto Gimbo!"));
        QCOMPARE(Text("Label4_0") + "-" + Text("Label4_1"), QStringLiteral("53-40"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 1 - 0"));

        QCOMPARE(Answer("Gimbo", 12, 51, nullptr), Choice::PlayAgain);
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 1 - 1"));

        // Older lines keep the name they were played under; 51 for the computer wins even
        // against a higher score.
        QCOMPARE(Answer("Anna", 55, 51), Choice::PlayAgain);
        QCOMPARE(Text("Label1"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Line(2), QStringLiteral(" 3) Anna 55   Dino(CPU) 51"));

        QCOMPARE(Answer("Ugo", 51, 7, "Command2"), Choice::Quit);
        // The number columns hold three digits: from match 100 on the space before them goes.
        for (int match = 5; match <= 100; ++match) Answer("", 51, 100);
        QCOMPARE(Line(3), QStringLiteral(" 4) Ugo 51   Dino(CPU)  7"));
        QCOMPARE(Line(99), QStringLiteral("100)  51   Dino(CPU)100"));
        QCOMPARE(Text("Label5"), QStringLiteral("Totale: 2 - 98"));
    }

    void aboutLinkFieldPutsTheAddressBackAndAClickOpensIt() {
        AboutBox box{QPixmap(), QPixmap()};
        QVERIFY(ShowActive(&box));
        auto* link = Find<QLineEdit>(box, "Text1");
        QCOMPARE(link->selectedText(), MakerHomePage());

        QTest::keyClicks(link, QStringLiteral("abc"));
        QCOMPARE(link->selectedText(), MakerHomePage());
        QApplication::clipboard()->setText(QStringLiteral("https://elsewhere.example/"));
        QTest::keyClick(link, Qt::Key_End);
        QTest::keyClick(link, Qt::Key_V, Qt::ControlModifier);
        QCOMPARE(link->selectedText(), MakerHomePage());

        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, link->height() / 2));
        QCOMPARE(opened_, QList<QUrl>{QUrl(MakerHomePage())});
        QCOMPARE(link->selectedText(), MakerHomePage());
    }

    void rulesTextReadsWordForWord() {
        const QString rules = QStringLiteral(
            "Le carte vengono divise in due mazzetti da 20 l'una. Si scopre a turno una carta a "
            "testa fino alla fine del mazzo, come a scopa si deve prendere un'altra carta dello "
            "stesso punteggio oppure una somma di punteggio equivalente. Il giocatore vince "
            "(interrompendo la partita) se raggiunge un punteggio di 51 punti. I punti vengono "
            "contati nel seguente modo: 1 punto per Fante, Cavallo, Re, Asso e 2 di spade. Oltre "
            "ai normali punti si possono anche fare le scope nei seguenti casi: 1-Non ci sono "
            "altre carte in tavola 2-Le carte prese sono dello stesso seme di quella giocata "
            "3-La carta presa è l'ultima calata dall'avversario. Quando si fa una scopa i punti "
            "vengono contati per intero, es.: 7 + 4 + 3 di denare (scopa di colore) = 14 punti. "
            "Se alla fine del mazzo nessuno dei due giocatori ha totalizzato un punteggio "
            "maggiore o uguale a 51 si rimescolano le carte e si ricomincia un'altra mano. ");
        QCOMPARE(RulesText(), rules);
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::DialogsTest)
#include "DialogsTest.moc"
