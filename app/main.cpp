#include <QApplication>

#include "CardTable.h"
#include "FirstFrameReport.h"
#include "Fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed desktop entry's name, given as the app id on Wayland, by which the desktop
    // shows the game's own icon and name; on X11 the entry names the windows' class instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("lavorbia"));
    vorbia::LoadFonts();

    vorbia::CardTable table;
    if (!table.StartUp()) return 1;
    QObject::connect(&table, &vorbia::CardTable::ProgramEnded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    ReportFirstFrameWhenAsked(table);
    table.showMaximized();
    return QApplication::exec();
}
