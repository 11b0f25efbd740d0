#pragma once

#include <QStringList>
#include <QTest>

#include "MessageBoxes.h"

namespace vorbia {

// Shows a dialog as the program would and waits until it takes keys, so that real key and
// mouse events reach it.
inline bool ShowActive(QWidget* dialog) {
    dialog->show();
    return QTest::qWaitForWindowActive(dialog);
}

// The dialog's element of that name; a missing one stops the test, naming it.
template <typename T>
T* Find(const QObject& dialog, const char* name) {
    T* element = dialog.findChild<T*>(QString::fromLatin1(name));
    if (element == nullptr) qFatal("no element %s", name);
    return element;
}

// Collects the message boxes that would have been shown, instead of blocking on them.
struct MessageBoxRecorder {
    MessageBoxRecorder() {
        SetMessageBoxHandler([this](const QString&, const QString& text) { texts.append(text); });
    }
    ~MessageBoxRecorder() { SetMessageBoxHandler({}); }
    QStringList texts;
};

}  // namespace vorbia
