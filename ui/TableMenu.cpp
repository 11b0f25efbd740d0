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
    file->setObjectName(QStringLiteral("MenuFile"));
    menu.FileNuovo = AddCommand(*file, "FileNuovo", QStringLiteral("&Nuova partita"), Qt::Key_F2);
    file->addSeparator();
    menu.MenuEsci = AddCommand(*file, "MenuEsci", QStringLiteral("&Esci"), Qt::CTRL | Qt::Key_F4);

    QMenu* options = bar.addMenu(QStringLiteral("&Opzioni"));
    options->setObjectName(QStringLiteral("MenuOpz"));
    menu.Menuspeed = AddCommand(*options, "Menuspeed", QStringLiteral("&Settaggio ..."));

    QMenu* help = bar.addMenu(QStringLiteral("?"));
    help->setObjectName(QStringLiteral("MenuHlp"));
    menu.MenuDOC = AddCommand(*help, "MenuDOC", QStringLiteral("&Help (Documentazione)"),
                              Qt::CTRL | Qt::Key_D);
    menu.MenuREG =
        AddCommand(*help, "MenuREG", QStringLiteral("&Regole della 'VORBIA o Vorbietta'"),
                   Qt::CTRL | Qt::Key_R);
    help->addSeparator();
    menu.MenuMail = AddCommand(*help, "MenuMail", QStringLiteral("Manda una &Mail all'autore ..."));
    menu.MenuPHP =
        AddCommand(*help, "MenuPHP", QStringLiteral("&Visita Home Page dell'autore ..."));
    help->addSeparator();
    menu.MenuInfo =
        AddCommand(*help, "MenuInfo", QStringLiteral("&Info su ' La VORBIA' ..."), Qt::Key_F4);
    return menu;
}

}  // namespace vorbia
