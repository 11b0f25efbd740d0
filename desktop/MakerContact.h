#pragma once

#include <QString>

class QWidget;

namespace vorbia {

// The desktop opens each of these without the game waiting; when it cannot, the player gets a
// short message and nothing else changes.
void OpenHelpPage(QWidget* parent, const QString& folder);  // "vorbia.htm", any letter case
void OpenMailToMaker(QWidget* parent);
void OpenMakerHomePage(QWidget* parent);
// The same without a word when no browser can be started: the about box's link.
void OpenMakerHomePageQuietly();

QString MakerHomePage();
QString MakerMailAddress();
// Who made the game and how to reach them, as the about box credits them.
QString MakerCreditLine();

// The rules as the "Regole" command shows them.
QString RulesText();

}  // namespace vorbia
