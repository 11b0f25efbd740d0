#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QDir>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "AboutBox.h"
#include "DialogTestSupport.h"
#include "Fonts.h"
#include "MakerContact.h"

namespace vorbia {

// Stands in for the desktop: records what the game asked it to open.
class UrlRecorder : public QObject {
    Q_OBJECT

  public:
    QList<QUrl> opened;

  public slots:
    void Open(const QUrl& url) { opened.append(url); }
};

class AboutBoxTest : public QObject {
    Q_OBJECT

  private:
    static constexpr const char* kSchemes[] = {"https", "mailto", "file"};
    UrlRecorder desktop_;

    static bool WholeAddressSelected(const QLineEdit* link) {
        return link->text() == MakerHomePage() && link->selectedText() == MakerHomePage();
    }

  private slots:
    void initTestCase() {
        LoadFonts();
        for (const char* scheme : kSchemes) {
            QDesktopServices::setUrlHandler(scheme, &desktop_, "Open");
        }
    }
    void cleanupTestCase() {
        for (const char* scheme : kSchemes) QDesktopServices::unsetUrlHandler(scheme);
    }
    void init() { desktop_.opened.clear(); }

    void linkFieldAlwaysPutsTheAddressBack() {
        AboutBox box(QPixmap(QStringLiteral(":/cards/32.png")),
                     QPixmap(QStringLiteral(":/cards/00.png")));
        QVERIFY(ShowActive(&box));
        auto* link = box.findChild<QLineEdit*>(QStringLiteral("Text1"));
        QCOMPARE(QApplication::focusWidget(), link);
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));

        QTest::keyClicks(link, QStringLiteral("abc"));
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));
        QTest::keyClick(link, Qt::Key_End);
        QTest::keyClick(link, Qt::Key_Backspace);
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));
        QTest::keyClick(link, Qt::Key_Home);
        QTest::keyClick(link, Qt::Key_Delete);
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));
        QApplication::clipboard()->setText(QStringLiteral("https://elsewhere.example/"));
        QTest::keyClick(link, Qt::Key_End);
        QTest::keyClick(link, Qt::Key_V, Qt::ControlModifier);
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));
        QVERIFY(desktop_.opened.isEmpty());
    }

    void clickOnTheLinkOpensTheHomePageAndKeepsTheBoxOpen() {
        AboutBox box(QPixmap(QStringLiteral(":/cards/32.png")),
                     QPixmap(QStringLiteral(":/cards/00.png")));
        QVERIFY(ShowActive(&box));
        auto* link = box.findChild<QLineEdit*>(QStringLiteral("Text1"));

        QTest::mouseClick(link, Qt::LeftButton, Qt::NoModifier, QPoint(20, link->height() / 2));

        QCOMPARE(desktop_.opened, QList<QUrl>{QUrl(MakerHomePage())});
        QVERIFY2(WholeAddressSelected(link), qPrintable(link->text()));
        QVERIFY(box.isVisible());
    }

    void mailHasTheSubjectWithoutBlanks() {
        OpenMailToMaker(nullptr);

        QCOMPARE(desktop_.opened.size(), 1);
        const QString mail = desktop_.opened.first().toString(QUrl::FullyEncoded);
        QVERIFY2(mail.startsWith("mailto:" + MakerMailAddress() + "?subject=La%20VORBIA"),
                 qPrintable(mail));
        QVERIFY2(!mail.contains(' '), qPrintable(mail));
    }

    void helpPageIsFoundWhateverTheCaseOfItsName() {
        QTemporaryDir folder;
        QFile page(folder.filePath(QStringLiteral("VORBIA.HTM")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();

        OpenHelpPage(nullptr, folder.path());

        QCOMPARE(desktop_.opened, QList<QUrl>{QUrl::fromLocalFile(page.fileName())});
    }

    void missingHelpPageIsToldOnce() {
        QTemporaryDir folder;
        MessageBoxRecorder boxes;

        OpenHelpPage(nullptr, folder.path());

        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(desktop_.opened.isEmpty());
    }

    void desktopThatCannotOpenTheHomePageIsToldOnce() {
        // The offscreen platform opens no address, as a desktop without a browser would.
        if (QGuiApplication::platformName() != QStringLiteral("offscreen")) {
            QSKIP("needs a platform that cannot open addresses");
        }
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        MessageBoxRecorder boxes;

        OpenMakerHomePage(nullptr);

        QDesktopServices::setUrlHandler(QStringLiteral("https"), &desktop_, "Open");
        QCOMPARE(boxes.texts.size(), 1);
        QVERIFY(boxes.texts.first().startsWith(QStringLiteral("Impossibile aprire")));
    }

    void rulesPiecesJoinWithoutGaps() {
        const QString rules = RulesText();
        QVERIFY(rules.startsWith("Le carte vengono divise in due mazzetti da 20 l'una."));
        QVERIFY(rules.contains("punteggio equivalente. Il giocatore vince"));
        QVERIFY(rules.contains("nel seguente modo: 1 punto per Fante"));
        QVERIFY(rules.contains("calata dall'avversario. Quando si fa una scopa"));
        QVERIFY(rules.contains("= 14 punti. Se alla fine del mazzo"));
        QVERIFY(rules.endsWith("si ricomincia un'altra mano. "));
    }
};

}  // namespace vorbia

QTEST_MAIN(vorbia::AboutBoxTest)
#include "AboutBoxTest.moc"
