#include <QCheckBox>
#include <QLabel>
#include <QLineEdit>
#include <QScrollBar>
#include <QTemporaryDir>
#include <QTest>
#include <QToolButton>
#include <filesystem>
#include <fstream>
#include <iterator>

#include "DialogTestSupport.h"
#include "OptionsDialog.h"

namespace vorbia {

namespace {

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

class OptionsDialogTest : public QObject {
    Q_OBJECT

    QTemporaryDir folder_;
    std::filesystem::path Folder() const { return folder_.path().toStdString(); }
    MatchState state_;

  private slots:
    void init() { state_ = {.PlayerName = {"", "Gimbo"}, .CardSpeed = 35, .ShowMessages = kFalse}; }

    void opensWithTheStateAndEnterSavesTheChanges() {
        OptionsDialog dialog(state_, Folder());
        QVERIFY(ShowActive(&dialog));
        auto* box = Find<QCheckBox>(dialog, "Check3d1");
        QCOMPARE(Find<QLabel>(dialog, "Label3")->text(), QStringLiteral("35"));
        QCOMPARE(Find<QScrollBar>(dialog, "HScroll1")->value(), 35);
        QVERIFY(!box->isChecked());
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));
        QCOMPARE(Find<QLineEdit>(dialog, "Text1")->selectedText(), QStringLiteral("Gimbo"));

        // The click gives the focus back to the name, all selected, so typing replaces it.
        QTest::mouseClick(box, Qt::LeftButton, Qt::NoModifier, QPoint(8, box->height() / 2));
        QTest::keyClicks(QApplication::focusWidget(), QStringLiteral("aNNA"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Return);

        QCOMPARE(state_.PlayerName[1], std::string("Anna"));
        QCOMPARE(FileBytes(Folder() / "VORBIA.ini"),
                 std::string("; File di inizializzazione per 'La VORBIA'\r\n"
                             "; Non manomettere assolutamente queste righe!\r\n"
                             "Giocatore1=Anna\r\nVelocitaCarta= 35 \r\nDisplayMessaggi=-1 \r\n"));
    }

    void escapeAfterMovingTheBarKeepsTheStateAndTheFile() {
        std::ofstream(Folder() / "VORBIA.ini") << "before";
        state_.ShowMessages = kTrue;
        OptionsDialog dialog(state_, Folder());
        QVERIFY(ShowActive(&dialog));
        QVERIFY(Find<QCheckBox>(dialog, "Check3d1")->isChecked());

        ClickArrow(Find<QScrollBar>(dialog, "HScroll1"), Qt::RightEdge);
        QCOMPARE(QApplication::focusWidget(), Find<QLineEdit>(dialog, "Text1"));
        QTest::keyClick(QApplication::focusWidget(), Qt::Key_Escape);

        QCOMPARE(dialog.result(), int{QDialog::Rejected});
        QCOMPARE(state_.CardSpeed, int16_t{35});
        QCOMPARE(FileBytes(Folder() / "VORBIA.ini"), std::string("before"));
    }

    void speedStopsAtOneAndFiftyAndAFailedSaveStillKeepsTheValues() {
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
        QCOMPARE(state_.PlayerName[1], std::string("Bruno"));
        QCOMPARE(state_.CardSpeed, int16_t{50});
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::OptionsDialogTest)
#include "OptionsDialogTest.moc"
