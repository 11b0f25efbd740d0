#pragma once

class QAction;
class QMenuBar;

namespace vorbia {

// The table's menu bar; the window connects each command.
struct TableMenu {
    QAction* newMatchCommand;
    QAction* quitCommand;
    QAction* optionsCommand;
    QAction* adviceCommand;
    QAction* helpCommand;
    QAction* rulesCommand;
    QAction* mailCommand;
    QAction* homePageCommand;
    QAction* aboutCommand;
};

TableMenu BuildTableMenu(QMenuBar& bar);

}  // namespace vorbia
