#include <QApplication>
#include <charconv>
#include <cstdint>
#include <cstdlib>
#include <string_view>

#include "CardTable.h"
#include "FirstFrameReport.h"
#include "Fonts.h"

namespace {

// For scripted runs: VORBIA_SEED deals the same hands every time, VORBIA_SNAPSHOTS records the
// table at its settled moments. Neither is set in a normal run.
vorbia::CardTableOptions OptionsFromEnvironment() {
    vorbia::CardTableOptions options;
    if (const char* seed = std::getenv("VORBIA_SEED")) {
        const std::string_view text(seed);
        uint64_t number = 0;
        const auto [end, error] = std::from_chars(text.data(), text.data() + text.size(), number);
        if (error == std::errc() && end == text.data() + text.size()) options.seed = number;
    }
    if (const char* folder = std::getenv("VORBIA_SNAPSHOTS"))
        options.snapshotFolder = QString::fromLocal8Bit(folder);
    return options;
}

}  // namespace

int main(int argc, char* argv[]) {
    QApplication application(argc, argv);
    // The installed desktop entry's name, given as the app id on Wayland, by which the desktop
    // shows the game's own icon and name; on X11 the entry names the windows' class instead.
    QGuiApplication::setDesktopFileName(QStringLiteral("lavorbia"));
    vorbia::LoadFonts();

    vorbia::CardTable table(OptionsFromEnvironment());
    if (!table.StartUp()) return 1;
    QObject::connect(&table, &vorbia::CardTable::ProgramEnded, &application,
                     [](int status) { QCoreApplication::exit(status); });
    ReportFirstFrameWhenAsked(table);
    table.showMaximized();
    return QApplication::exec();
}
