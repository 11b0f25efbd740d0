#include "MessageBoxes.h"

#include <QLabel>
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

QString WithLineBreaks(const QString& text) {
    QString shown = text;
    shown.replace(QLatin1Char('\r'), QLatin1Char('\n'));
    return shown;
}

QMessageBox* MakeBox(QWidget* parent, const QString& text, const QString& title) {
    auto* box = new QMessageBox(QMessageBox::NoIcon, title, text, QMessageBox::Ok, parent);
    box->setAttribute(Qt::WA_DeleteOnClose);
    box->setWindowModality(Qt::ApplicationModal);
    FrameWithCloseOnly(box);
    QWidget* over = parent != nullptr ? parent->window() : nullptr;
    // Without a window to take it from, the box carries the program's icon itself.
    if (over == nullptr) box->setWindowIcon(ProgramIcon());
    // Once the box has its size, over the table, or on the screen when there is none yet.
    QTimer::singleShot(0, box, [box, over] {
        CentreWithFrame(box, [box, over] {
            return over != nullptr && over->isVisible() ? OuterGeometry(over)
                                                        : box->screen()->geometry();
        });
    });
    return box;
}

}  // namespace

void SetMessageBoxHandler(MessageBoxHandler handler) { Handler() = std::move(handler); }

QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, std::function<void()> closed,
                            const QString& title) {
    if (Handler()) {
        Handler()(title, WithLineBreaks(text));
        if (closed) closed();
        return nullptr;
    }
    QMessageBox* box = MakeBox(parent, WithLineBreaks(text), title);
    if (closed) {
        QObject::connect(box, &QMessageBox::finished, box,
                         [closed = std::move(closed)] { closed(); });
    }
    box->open();
    return box;
}

void SetSpokenText(QMessageBox& box, const QString& text) {
    if (auto* label = box.findChild<QLabel*>(QStringLiteral("qt_msgbox_label")))
        label->setAccessibleName(text);
}

void ShowMessageBoxAndWait(QWidget* parent, const QString& text, const QString& title) {
    if (Handler()) {
        Handler()(title, WithLineBreaks(text));
        return;
    }
    QMessageBox* box = MakeBox(parent, WithLineBreaks(text), title);
    box->exec();
}

}  // namespace vorbia
