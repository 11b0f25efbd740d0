#include <QApplication>
#include <QClipboard>
#include <QDesktopServices>
#include <QFile>
#include <QLineEdit>
#include <QTemporaryDir>
#include <QTest>
#include <QUrl>

#include "AboutBox.h"
#include "DialogTestSupport.h"
#include "MakerContact.h"

namespace vorbia {

class AboutBoxTest : public QObject {
    Q_OBJECT

    QList<QUrl> opened_;

  public slots:
    // Stands in for the desktop: records what the game asked it to open.
    void Open(const QUrl& url) { opened_.append(url); }

  private slots:
    void initTestCase() {
        QDesktopServices::setUrlHandler(QStringLiteral("https"), this, "Open");
        QDesktopServices::setUrlHandler(QStringLiteral("file"), this, "Open");
    }
    void cleanupTestCase() {
        QDesktopServices::unsetUrlHandler(QStringLiteral("https"));
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
    }
    void init() { opened_.clear(); }

    void linkFieldPutsTheAddressBackAndAClickOpensIt() {
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

    void helpPageIsFoundWhateverTheCaseOfItsNameAndEachFailureIsToldOnce() {
        QTemporaryDir folder;
        MessageBoxRecorder boxes;
        OpenHelpPage(nullptr, folder.path());
        QCOMPARE(boxes.texts.size(), 1);

        QFile page(folder.filePath(QStringLiteral("VORBIA.HTM")));
        QVERIFY(page.open(QIODevice::WriteOnly));
        page.close();
        OpenHelpPage(nullptr, folder.path());
        QCOMPARE(opened_, QList<QUrl>{QUrl::fromLocalFile(page.fileName())});
        QCOMPARE(boxes.texts.size(), 1);

        // The offscreen platform opens nothing, as a desktop without a browser would.
        if (QGuiApplication::platformName() != QStringLiteral("offscreen"))
            QSKIP("needs offscreen");
        QDesktopServices::unsetUrlHandler(QStringLiteral("file"));
        OpenHelpPage(nullptr, folder.path());
        QCOMPARE(boxes.texts.size(), 2);
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

QTEST_MAIN(vorbia::AboutBoxTest)
#include "AboutBoxTest.moc"
