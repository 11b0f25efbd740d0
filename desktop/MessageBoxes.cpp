#include "MessageBoxes.h"

#include <QMessageBox>
#include <QScreen>
#include <QTimer>

#include "DialogFrame.h"

namespace vorbia {

namespace {

MessageBoxHandler& Handler() {
    static MessageBoxHandler handler;
    return handler;
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

void ShowMessageBox(QWidget* parent, const QString& text, const QString& title) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    if (Handler()) {
        Handler()(title, shown);
        return;
    }
    QMessageBox box(QMessageBox::NoIcon, title, shown, QMessageBox::Ok, parent);
    FrameWithCloseOnly(&box);
    QWidget* over = parent != nullptr ? parent->window() : nullptr;
    // Without a window to take it from, the box carries the program's icon itself.
    if (over == nullptr) box.setWindowIcon(ProgramIcon());
    // Once the box has its size, over the table, or on the screen when there is none yet.
    QTimer::singleShot(0, &box, [&box, over] {
        CentreWithFrame(&box, [&box, over] {
            return over != nullptr && over->isVisible() ? OuterGeometry(over)
                                                        : box.screen()->geometry();
        });
    });
    box.exec();
}

}  // namespace vorbia
