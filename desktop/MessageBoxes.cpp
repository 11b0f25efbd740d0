#include "MessageBoxes.h"

#include <QMessageBox>

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
    box.exec();
}

}  // namespace vorbia
