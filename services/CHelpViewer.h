#pragma once

#include <QMainWindow>
#include <QUrl>

class QTextBrowser;

// The editor's help window: one page at a time with its links, Back,
// Forward and Contents. It is a window of its own (closing the main window
// still ends the program) and deletes itself when closed.
class CHelpViewer : public QMainWindow
{
    Q_OBJECT

public:
    explicit CHelpViewer(const QUrl& contents);

    // Shows the page and brings the window to the front.
    void ShowPage(const QUrl& page);
    QUrl CurrentPage() const;
    QTextBrowser* Browser() const { return m_browser; }

private:
    QTextBrowser* m_browser = nullptr;
    QUrl m_contents;
};
