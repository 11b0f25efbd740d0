#pragma once

class QAction;
class QMenuBar;

namespace vorbia {

// The table's menu bar; the window connects each command.
struct TableMenu {
    QAction* FileNuovo;
    QAction* MenuEsci;
    QAction* Menuspeed;
    QAction* MenuDOC;
    QAction* MenuREG;
    QAction* MenuMail;
    QAction* MenuPHP;
    QAction* MenuInfo;
};

TableMenu BuildTableMenu(QMenuBar& bar);

}  // namespace vorbia
