#include <QApplication>

#include "CardTable.h"
#include "FirstFrameReport.h"
#include "Fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed desktop entry's name: the app id on Wayland, and on X11 the window's
    // desktop file property, by which the desktop shows the game's own icon and name.
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
