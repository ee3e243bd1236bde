#pragma once
class QWidget;

namespace parlow {

// Opens the program's help file, help/plg.hlp in the program folder, at its
// contents, with its search page. An open help window comes to the front
// instead. Nothing is shown when the file is missing or unreadable.
void ShowHelpContents(QWidget* parent);

}  // namespace parlow
