#include "TableMenu.h"

#include <QMenuBar>

namespace vorbia {

namespace {

QAction* AddCommand(QMenu& menu, const char* name, const QString& caption,
                    const QKeySequence& shortcut = {}) {
    QAction* action = menu.addAction(caption);
    action->setObjectName(QString::fromLatin1(name));
    action->setShortcut(shortcut);
    return action;
}

}  // namespace

TableMenu BuildTableMenu(QMenuBar& bar) {
    TableMenu menu{};

    QMenu* file = bar.addMenu(QStringLiteral("&File"));
    file->setObjectName(QStringLiteral("fileMenu"));
    menu.newMatchCommand =
        AddCommand(*file, "newMatchCommand", QStringLiteral("&Nuova partita"), Qt::Key_F2);
    file->addSeparator();
    menu.quitCommand =
        AddCommand(*file, "quitCommand", QStringLiteral("&Esci"), Qt::CTRL | Qt::Key_F4);

    QMenu* options = bar.addMenu(QStringLiteral("&Opzioni"));
    options->setObjectName(QStringLiteral("optionsMenu"));
    menu.optionsCommand = AddCommand(*options, "optionsCommand", QStringLiteral("&Settaggio ..."));

    QMenu* help = bar.addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("helpMenu"));
    menu.helpCommand = AddCommand(*help, "helpCommand", QStringLiteral("&Help (Documentazione)"),
                                  Qt::CTRL | Qt::Key_D);
    menu.rulesCommand =
        AddCommand(*help, "rulesCommand", QStringLiteral("&Regole della 'VORBIA o Vorbietta'"),
                   Qt::CTRL | Qt::Key_R);
    help->addSeparator();
    menu.mailCommand =
        AddCommand(*help, "mailCommand", QStringLiteral("Manda una &Mail all'autore ..."));
    menu.homePageCommand =
        AddCommand(*help, "homePageCommand", QStringLiteral("&Visita Home Page dell'autore ..."));
    help->addSeparator();
    menu.aboutCommand =
        AddCommand(*help, "aboutCommand", QStringLiteral("&Info su ' La VORBIA' ..."), Qt::Key_F4);
    // The coach's hint comes last, in the help menu, whose longer captions keep every item as
    // large as it was. H, as KDE's games give their hint; the keyboard's play uses no letter.
    help->addSeparator();
    menu.adviceCommand =
        AddCommand(*help, "adviceCommand", QStringLiteral("&Suggerimento"), Qt::Key_H);
    return menu;
}

}  // namespace vorbia
