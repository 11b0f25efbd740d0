#pragma once

#include <QString>
#include <functional>

class QMessageBox;
class QWidget;

namespace vorbia {

// The title of every message box that names none of its own.
inline const QString kApplicationTitle = QStringLiteral("La VORBIA 2002");

// Every message box of the program comes through here: modal for the player, an OK button
// only. A CR in the text is a line break. `closed` is called once the player has closed it;
// the call itself returns at once, with the box, or none while a handler answers boxes.
QMessageBox* OpenMessageBox(QWidget* parent, const QString& text, std::function<void()> closed = {},
                            const QString& title = kApplicationTitle);

// What a screen reader reads for the box's text, when it should hear more than is shown.
void SetSpokenText(QMessageBox& box, const QString& text);

// For the start-up, before the window is shown and nothing else runs: returns once the
// player has closed the box.
void ShowMessageBoxAndWait(QWidget* parent, const QString& text,
                           const QString& title = kApplicationTitle);

// Tests answer boxes without a person: while a handler is set, boxes go to it instead and
// count as closed when it returns. An empty handler restores the real boxes.
using MessageBoxHandler = std::function<void(const QString& title, const QString& text)>;
void SetMessageBoxHandler(MessageBoxHandler handler);

}  // namespace vorbia
