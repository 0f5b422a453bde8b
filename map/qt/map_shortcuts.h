#pragma once
// Keyboard shortcuts of the map window's frequent commands. The captions stay
// as they are; each item's tool tip names its keys ("ZoomIn (+, Ctrl++)").

class QWidget;

namespace tavik {

// Gives the menu items of `window` (found by object name) their keys and
// tool tips.
void AddMapShortcuts(QWidget &window);

} // namespace tavik
