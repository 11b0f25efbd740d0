#include <QApplication>

#include "CardTable.h"
#include "FirstFrameReport.h"
#include "Fonts.h"

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    vorbia::LoadFonts();

    vorbia::CardTable table;
    if (!table.StartUp()) return 1;
    QObject::connect(&table, &vorbia::CardTable::ProgramEnded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    ReportFirstFrameWhenAsked(table);
    table.showMaximized();
    return QApplication::exec();
}
