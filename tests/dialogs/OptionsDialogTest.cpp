#include <QCheckBox>
#include <QLabel>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DialogTestSupport.h"
#include "Fonts.h"
#include "OptionsDialog.h"
#include "SelectOnFocusLineEdit.h"
#include "SettingsFile.h"

namespace vorbia {

namespace {

std::string FileBytes(const std::filesystem::path& file) {
    std::ifstream in(file, std::ios::binary);
    return {std::istreambuf_iterator<char>(in), std::istreambuf_iterator<char>()};
}

MatchState StateWith(const std::string& name, int16_t speed, int16_t messages) {
    MatchState state;
    state.PlayerName[1] = name;
    state.CardSpeed = speed;
    state.ShowMessages = messages;
    return state;
}

// The arrows sit at the two ends of the bar, the track between them.
void ClickScrollBar(QScrollBar* bar, int x) {
    QTest::mouseClick(bar, Qt::LeftButton, Qt::NoModifier, QPoint(x, bar->height() / 2));
}

}  // namespace

class OptionsDialogTest : public QObject {
    Q_OBJECT

  private:
    QTemporaryDir folder_;
    std::filesystem::path Folder() const { return folder_.path().toStdString(); }
    std::filesystem::path SettingsPath() const { return Folder() / "VORBIA.ini"; }

    template <typename T>
    static T* Find(OptionsDialog& dialog, const char* name) {
        T* element = dialog.findChild<T*>(QString::fromLatin1(name));
        if (element == nullptr) qFatal("no element %s", name);
        return element;
    }

  private slots:
    void initTestCase() {
        LoadFonts();
        QVERIFY(folder_.isValid());
    }

    void init() { std::filesystem::remove(SettingsPath()); }

    void opensWithTheStateAndTheNameSelected_data() {
        QTest::addColumn<int>("messages");
        QTest::addColumn<bool>("checked");
        QTest::newRow("messages on") << int{kTrue} << true;
        QTest::newRow("messages off") << int{kFalse} << false;
    }
    void opensWithTheStateAndTheNameSelected() {
        QFETCH(int, messages);
        QFETCH(bool, checked);
        MatchState state = StateWith("Gimbo", 35, static_cast<int16_t>(messages));
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));

        QCOMPARE(Find<QLabel>(dialog, "Label3")->text(), QStringLiteral("35"));
        QCOMPARE(Find<QScrollBar>(dialog, "HScroll1")->value(), 35);
        QCOMPARE(Find<QCheckBox>(dialog, "Check3d1")->isChecked(), checked);
        auto* name = Find<QLineEdit>(dialog, "Text1");
        QCOMPARE(QApplication::focusWidget(), name);
        QCOMPARE(name->selectedText(), QStringLiteral("Gimbo"));
    }

    void enterStoresTheCapitalisedNameAndWritesTheFile() {
        MatchState state = StateWith("Gimbo", 35, kTrue);
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* name = Find<QLineEdit>(dialog, "Text1");

        QTest::keyClicks(name, QStringLiteral("aNNA"));
        QTest::keyClick(name, Qt::Key_Return);

        QCOMPARE(dialog.result(), int{QDialog::Accepted});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(state.PlayerName[1], std::string("Anna"));
        QCOMPARE(FileBytes(SettingsPath()),
                 std::string("; File di inizializzazione per 'La VORBIA'\r\n"
                             "; Non manomettere assolutamente queste righe!\r\n"
                             "Giocatore1=Anna\r\n"
                             "VelocitaCarta= 35 \r\n"
                             "DisplayMessaggi=-1 \r\n"));
    }

    void nameTakesAtMostTenCharactersAndMayBeEmpty() {
        MatchState state = StateWith("Gimbo", 20, kFalse);
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* name = Find<QLineEdit>(dialog, "Text1");

        QTest::keyClicks(name, QStringLiteral("massimiliano"));
        QCOMPARE(name->text(), QStringLiteral("massimilia"));
        name->selectAll();
        QTest::keyClick(name, Qt::Key_Backspace);
        QTest::keyClick(name, Qt::Key_Return);

        QCOMPARE(state.PlayerName[1], std::string());
        QVERIFY(FileBytes(SettingsPath()).find("\r\nGiocatore1=\r\n") != std::string::npos);
    }

    void escapeAfterChangingTheSpeedChangesNothing() {
        MatchState saved = StateWith("Gimbo", 20, kTrue);
        QVERIFY(SaveSettings(saved, Folder()).ok);
        const std::string before = FileBytes(SettingsPath());
        MatchState state = saved;
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* bar = Find<QScrollBar>(dialog, "HScroll1");

        ClickScrollBar(bar, bar->width() - 3);
        QCOMPARE(bar->value(), 25);
        QCOMPARE(Find<QLabel>(dialog, "Label3")->text(), QStringLiteral("25"));
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text1")->selectedText(), QStringLiteral("Gimbo"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        QCOMPARE(dialog.result(), int{QDialog::Rejected});
        QVERIFY(!dialog.isVisible());
        QCOMPARE(state.CardSpeed, int16_t{20});
        QCOMPARE(FileBytes(SettingsPath()), before);
    }

    void scrollBarStopsAtOneAndFifty() {
        MatchState state = StateWith("Gimbo", 12, kFalse);
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* bar = Find<QScrollBar>(dialog, "HScroll1");
        auto* label = Find<QLabel>(dialog, "Label3");

        for (int click = 0; click < 4; ++click) ClickScrollBar(bar, 3);
        QCOMPARE(bar->value(), 1);
        QCOMPARE(label->text(), QStringLiteral("1"));
        for (int click = 0; click < 12; ++click) ClickScrollBar(bar, bar->width() - 3);
        QCOMPARE(bar->value(), 50);
        QCOMPARE(label->text(), QStringLiteral("50"));

        QTest::mouseClick(Find<QToolButton>(dialog, "Command3d1"), Qt::LeftButton);
        QCOMPARE(state.CardSpeed, int16_t{50});
        QVERIFY(FileBytes(SettingsPath()).find("\r\nVelocitaCarta= 50 \r\n") != std::string::npos);
    }

    void checkBoxClickGivesTheFocusBackAndOkStoresTheSwitch() {
        MatchState state = StateWith("Gimbo", 10, kTrue);
        OptionsDialog dialog(state, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* box = Find<QCheckBox>(dialog, "Check3d1");

        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        QVERIFY(!box->isChecked());
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_O, Qt::AltModifier);

        // An access key presses the button visibly, so the click comes a moment later.
        QTRY_COMPARE(dialog.result(), int{QDialog::Accepted});
        QCOMPARE(state.ShowMessages, kFalse);
        QVERIFY(FileBytes(SettingsPath()).ends_with("\r\nDisplayMessaggi= 0 \r\n"));
    }

    void failedSaveKeepsTheValuesAndTellsThePlayerOnce() {
        const std::filesystem::path notAFolder = Folder() / "not-a-folder";
        std::ofstream(notAFolder) << "x";
        MessageBoxRecorder boxes;
        MatchState state = StateWith("Gimbo", 10, kFalse);
        OptionsDialog dialog(state, notAFolder);
        QVERIFY(ShowActive(&dialog));

        QTest::keyClicks(Find<QLineEdit>(dialog, "Text1"), QStringLiteral("bRUNO"));
        QTest::mouseClick(Find<QToolButton>(dialog, "Command3d1"), Qt::LeftButton);

        QCOMPARE(boxes.texts.size(), 1);
        QCOMPARE(state.PlayerName[1], std::string("Bruno"));
        QCOMPARE(dialog.result(), int{QDialog::Accepted});
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::OptionsDialogTest)
#include "OptionsDialogTest.moc"
