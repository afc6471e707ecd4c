#pragma once

class QDialog;
class QDialogButtonBox;

// The buttons of a window that lists things to act on: Close, which closes
// it, and Help (with F1) for its page. Neither is pressed by Enter, which
// acts on the list's current row.
QDialogButtonBox* CloseHelpButtons(QDialog* window, const char* helpTopic);
