#pragma once

class QLineEdit;
class QString;
class QTreeWidget;

// The "Filter:" field of a player list: only rows whose first column holds
// the typed text (any letter case, anywhere in the name) stay visible. A row
// that is hidden is also deselected, so OK never takes a player not shown.
void AttachListFilter(QLineEdit& filter, QTreeWidget& list);
void ApplyListFilter(QTreeWidget& list, const QString& text);
