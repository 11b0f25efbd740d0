#pragma once

class QAction;
class QMenuBar;

namespace vorbia {

// The table's menu bar; the window connects each command.
struct TableMenu {
    QAction* newMatchCommand;
    QAction* quitCommand;
    QAction* optionsCommand;
    QAction* helpCommand;
    QAction* rulesCommand;
    QAction* mailCommand;
    QAction* homePageCommand;
    QAction* aboutCommand;
    QAction* adviceCommand;
};

TableMenu BuildTableMenu(QMenuBar& bar);

}  // namespace vorbia
