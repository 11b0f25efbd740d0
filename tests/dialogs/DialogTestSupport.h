#pragma once

#include <QDialog>
#include <QStringList>
#include <QTest>
#include <QWidget>

#include "MessageBoxes.h"

namespace vorbia {

// Shows a dialog as the program would and waits until it takes keys, so that real key and
// mouse events reach it.
inline bool ShowActive(QWidget* dialog) {
    dialog->show();
    return QTest::qWaitForWindowActive(dialog);
}

// Collects the message boxes that would have been shown, instead of blocking on them.
class MessageBoxRecorder {
  public:
    MessageBoxRecorder() {
        SetMessageBoxHandler([this](const QString&, const QString& text) { texts.append(text); });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler({}); }
    MessageBoxRecorder(const MessageBoxRecorder&) = delete;
    MessageBoxRecorder& operator=(const MessageBoxRecorder&) = delete;

    QStringList texts;
};

}  // namespace vorbia
