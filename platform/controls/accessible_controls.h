// SPDX-License-Identifier: GPL-3.0-or-later
#pragma once
// The game's own painted controls as a screen reader sees them through Qt's
// accessibility: a label is static text, a status bar is a status bar whose
// parts are text. Internal to platform/.
#include <string>

#include "platform/templates/window_template.h"

class QWidget;

// Makes Qt describe the painted controls as above; call once, before any window.
void InstallAccessibleControls();
// Sets what a screen reader calls the widget and says of it; Qt announces a
// change to a screen reader that is listening.
void SetAccessibleTexts(QWidget* widget, const std::string& name, const std::string& description);
// The name and description that a unit's record gives its widget: a label or a
// button without a name of its own is called by its caption.
void ShowAccessibleTexts(QWidget* widget, const UnitTemplate& unit);
// Turns the screen reader's attention to the widget, as to a control that
// takes the focus: it reads the widget's name and description. The keys still
// go where they went. Turned to it already, it says the widget's name again.
void AnnounceWidget(QWidget* widget);
class QAction;

// Has a screen reader say of a menu entry whether it is checked, also while
// it is not (the entry is no checkable action, which would show an empty box).
void MarkCheckEntry(QAction* action);
// The next AnnounceWidget turns a screen reader again, as after a real focus change.
void ForgetAnnouncedWidget();
