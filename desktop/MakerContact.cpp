#include "MakerContact.h"

#include <QDesktopServices>
#include <QDir>
#include <QUrl>

#include "MessageBoxes.h"

namespace vorbia {

namespace {

// The project has no public address of its own yet: these stand in under the reserved
// ".example" domain until it has one.
const QString kMakerMailAddress = QStringLiteral("autore@lavorbia.example");
const QString kMakerHomePage = QStringLiteral("https://lavorbia.example/");
const QString kMailSubject = QStringLiteral("La VORBIA 2002 - posta per gli autori");

const QString kHelpFileName = QStringLiteral("vorbia.htm");

void Open(QWidget* parent, const QUrl& url, const QString& whatFailed) {
    if (!QDesktopServices::openUrl(url)) {
        OpenMessageBox(parent,
                       QStringLiteral("Impossibile aprire ") + whatFailed + QStringLiteral("."));
    }
}

}  // namespace

QString MakerHomePage() { return kMakerHomePage; }

QString MakerMailAddress() { return kMakerMailAddress; }

QString MakerCreditLine() {
    return QStringLiteral("Programma scritto dagli autori di La VORBIA (") + kMakerMailAddress +
           QStringLiteral(")");
}

void OpenHelpPage(QWidget* parent, const QString& folder) {
    const QDir dir(folder);
    QString found;
    for (const QString& name : dir.entryList(QDir::Files | QDir::Hidden)) {
        if (name.compare(kHelpFileName, Qt::CaseInsensitive) != 0) continue;
        // The name as written comes first, then the same pick on every run.
        if (name == kHelpFileName) {
            found = name;
            break;
        }
        if (found.isEmpty() || name < found) found = name;
    }
    if (found.isEmpty()) {
        OpenMessageBox(parent, QStringLiteral("Impossibile aprire la guida: il file ") +
                                   kHelpFileName +
                                   QStringLiteral(" non si trova nella cartella del gioco."));
        return;
    }
    Open(parent, QUrl::fromLocalFile(dir.absoluteFilePath(found)),
         QStringLiteral("la guida ") + found);
}

void OpenMailToMaker(QWidget* parent) {
    QString subject = kMailSubject;
    subject.replace(QLatin1Char(' '), QStringLiteral("%20"));
    const QUrl mail(QStringLiteral("mailto:") + kMakerMailAddress + QStringLiteral("?subject=") +
                    subject);
    Open(parent, mail, QStringLiteral("il programma di posta"));
}

void OpenMakerHomePageQuietly() { QDesktopServices::openUrl(QUrl(kMakerHomePage)); }

void OpenMakerHomePage(QWidget* parent) {
    Open(parent, QUrl(kMakerHomePage), QStringLiteral("la pagina ") + kMakerHomePage);
}

QString RulesText() {
    return QStringLiteral(
               "Le carte vengono divise in due mazzetti da 20 l'una. Si scopre a turno una carta "
               "a testa fino alla fine del mazzo, come a scopa si deve prendere un'altra carta "
               "dello stesso punteggio oppure una somma di punteggio equivalente. ") +
           QStringLiteral(
               "Il giocatore vince (interrompendo la partita) se raggiunge un punteggio di 51 "
               "punti. I punti vengono contati nel seguente modo: ") +
           QStringLiteral(
               "1 punto per Fante, Cavallo, Re, Asso e 2 di spade. Oltre ai normali punti si "
               "possono anche fare le scope nei seguenti casi: 1-Non ci sono altre carte in "
               "tavola 2-Le carte prese sono dello stesso seme di quella giocata 3-La carta presa "
               "è l'ultima calata dall'avversario. ") +
           QStringLiteral(
               "Quando si fa una scopa i punti vengono contati per intero, es.: 7 + 4 + 3 di "
               "denare (scopa di colore) = 14 punti. ") +
           QStringLiteral(
               "Se alla fine del mazzo nessuno dei due giocatori ha totalizzato un punteggio "
               "maggiore o uguale a 51 si rimescolano le carte e si ricomincia un'altra mano. ");
}

}  // namespace vorbia
