#include <QApplication>
#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QTimer>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "EndOfMatchDialog.h"
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

    // Shows the result and answers the modal dialog as a player would: a click on `button`,
    // or with none, the frame's close command.
    EndOfMatchDialog::Choice Answer(const std::string& name, int human, int computer,
                                    const char* button = "okButton") {
        MatchState state;
        state.PlayerName[Player::Human] = name;
        state.Score = {{human, computer}};
        QTimer::singleShot(0, &ending_, [this, button] {
            if (button == nullptr) {
                ending_.close();
            } else {
                QTest::mouseClick(Find<QToolButton>(ending_, button), Qt::LeftButton);
            }
        });
        std::optional<EndOfMatchDialog::Choice> chosen;
        const QMetaObject::Connection heard =
            connect(&ending_, &EndOfMatchDialog::Chosen, this,
                    [&chosen](EndOfMatchDialog::Choice choice) { chosen = choice; });
        ending_.ShowResult(state, QString::fromStdString(name));
        [&] { QVERIFY(QTest::qWaitFor([&] { return chosen.has_value(); }, 5000)); }();
        disconnect(heard);
        return chosen.value_or(EndOfMatchDialog::Choice::PlayAgain);
    }
    QString Text(const char* label) const { return Find<QLabel>(ending_, label)->text(); }
    QString Line(int row) const {
        return Find<QListWidget>(ending_, "resultsList")->item(row)->text();
    }

  private slots:
    void init() {
        state_ = MatchState{};
        state_.PlayerName = {{"Gimbo", ""}};
        state_.CardSpeed = 35;
    }

    void optionsOpenWithTheStateAndEnterSavesTheChanges() {
        OptionsDialog dialog(state_, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* box = Find<QCheckBox>(dialog, "messagesCheckBox");
        QCOMPARE(Find<QLabel>(dialog, "speedValue")->text(), QStringLiteral("35"));
        QVERIFY(!box->isChecked());
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "nameBox"));

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

    void optionsEscapeOrAnnullaAfterMovingTheBarKeepsTheStateAndTheFile() {
        std::ofstream(Folder() / "VORBIA.ini") << "before";
        for (const bool escape : {true, false}) {
            OptionsDialog dialog(state_, Folder());
            QVERIFY(ShowActive(&dialog));
            ClickArrow(Find<QScrollBar>(dialog, "speedScrollBar"), Qt::RightEdge);
            QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "nameBox"));
            if (escape) {
                QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);
            } else {
                QTest::mouseClick(Find<QToolButton>(dialog, "cancelButton"), Qt::LeftButton);
            }

            QCOMPARE(dialog.result(), int{QDialog::Rejected});
            QCOMPARE(state_.CardSpeed, 35);
            QCOMPARE(FileBytes(Folder() / "VORBIA.ini"), std::string("before"));
        }
    }

    void optionsSpeedFollowsKeysAndArrowsAndAFailedSaveKeepsTheValues() {
        const std::filesystem::path notAFolder = Folder() / "not-a-folder";
        std::ofstream(notAFolder) << "x";
        MessageBoxRecorder boxes;
        OptionsDialog dialog(state_, notAFolder);
        QVERIFY(ShowActive(&dialog));
        auto* bar = Find<QScrollBar>(dialog, "speedScrollBar");
        auto* label = Find<QLabel>(dialog, "speedValue");
        auto* name = Find<QLineEdit>(dialog, "nameBox");
        QTest::keyClicks(name, QStringLiteral("bRUNO"));

        // Each key moves the bar and gives the focus back to the name, all selected.
        const std::pair<Qt::Key, const char*> steps[] = {
            {Qt::Key_Right, "40"},    {Qt::Key_Left, "35"},   {Qt::Key_Left, "30"},
            {Qt::Key_PageDown, "40"}, {Qt::Key_PageUp, "30"}, {Qt::Key_Home, "1"},
            {Qt::Key_End, "50"}};
        for (const auto& [key, shown] : steps) {
            bar->setFocus();
            QTest::keyClick(bar, key);
            QCOMPARE(label->text(), QString::fromLatin1(shown));
            QCOMPARE(QApplication::focusWidget(), name);
            QCOMPARE(name->selectedText(), QStringLiteral("bRUNO"));
        }
        const QImage unfocused = bar->grab().toImage();
        bar->setFocus();
        QVERIFY2(bar->grab().toImage() != unfocused, "no focus mark on the speed bar");
        // The arrows stop at 1 and 50.
        ClickArrow(bar, Qt::LeftEdge, 12);
        QCOMPARE(label->text(), QStringLiteral("1"));
        ClickArrow(bar, Qt::RightEdge, 12);
        QCOMPARE(label->text(), QStringLiteral("50"));

        QTest::mouseClick(Find<QToolButton>(dialog, "okButton"), Qt::LeftButton);
        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
        QCOMPARE(state_.PlayerName[Player::Human], std::string("Bruno"));
        QCOMPARE(state_.CardSpeed, 50);
    }

    void endOfMatchListsAndCountsEveryMatchOfTheRun() {
        using Choice = EndOfMatchDialog::Choice;
        QCOMPARE(Answer("Gimbo", 53, 40), Choice::PlayAgain);
        QCOMPARE(Text("winnerCaption"), QStringLiteral("Ha vinto Gimbo!"));
        QCOMPARE(Text("humanScore") + QStringLiteral("-") + Text("computerScore"),
                 QStringLiteral("53-40"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Text("winsTotal"), QStringLiteral("Totale: 1 - 0"));

        QCOMPARE(Answer("Gimbo", 12, 51, nullptr), Choice::PlayAgain);
        QCOMPARE(Text("winsTotal"), QStringLiteral("Totale: 1 - 1"));

        // Older lines keep the name they were played under; 51 for the computer wins even
        // against a higher score.
        QCOMPARE(Answer("Anna", 55, 51), Choice::PlayAgain);
        QCOMPARE(Text("winnerCaption"), QStringLiteral("Ha vinto Dino (Computer)!"));
        QCOMPARE(Line(0), QStringLiteral(" 1) Gimbo 53   Dino(CPU) 40"));
        QCOMPARE(Line(2), QStringLiteral(" 3) Anna 55   Dino(CPU) 51"));

        QCOMPARE(Answer("Ugo", 51, 7, "quitButton"), Choice::Quit);
        // The number columns hold three digits: from match 100 on the space before them goes.
        for (int match = 5; match <= 100; ++match) Answer("", 51, 100);
        QCOMPARE(Line(3), QStringLiteral(" 4) Ugo 51   Dino(CPU)  7"));
        QCOMPARE(Line(99), QStringLiteral("100)  51   Dino(CPU)100"));
        QCOMPARE(Text("winsTotal"), QStringLiteral("Totale: 2 - 98"));
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::DialogsTest)
#include "DialogsTest.moc"
