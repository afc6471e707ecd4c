#pragma once

#include <QColor>
#include <QCursor>
#include <QFont>
#include <QLabel>
#include <QString>

#include <optional>

// A label that acts as a web link: its text is drawn in the link colour (the
// visited colour once the link has been opened), optionally underlined; the
// address is its tool tip; a click opens the address through the installed
// URL opener (UrlOpener.h) and, on failure, beeps and shows
// "Unable to open hyperlink:\n\n" with the reason.
//
// Use: put a QLabel in a form (or promote it to CHyperlinkStatic in the .ui
// file), optionally SetUrl, then call Attach() once the label has its text.
// A label that shows a pixmap (the banner pane) is drawn as a plain label;
// the colours only apply to text.
class CHyperlinkStatic : public QLabel
{
    Q_OBJECT

public:
    explicit CHyperlinkStatic(QWidget* parent = nullptr);
    ~CHyperlinkStatic() override;

    // Turns the label into a link: an empty address is taken from the text,
    // an empty text shows the address; arrow cursor until
    // the owner sets another; the address becomes the tool tip.
    void Attach();

    void SetUrl(const QString& address);
    void SetColours(const QColor& link, const QColor& visited);
    void SetVisited(bool bVisited);
    void SetUnderline(bool bUnderline);
    // Owners replace the arrow set by Attach (normally with LinkCursor()).
    void SetLinkCursor(const QCursor& cursor);

    // Opens `address`; returns the opener's result code (above 32 = opened).
    static int OpenUrl(const QString& address, int showCommand);

    // What a click does: opens the address, marks the link visited on
    // success, beeps and reports the reason otherwise.
    void OnClicked();

    const QString& Url() const { return m_strUrl; }
    QColor LinkColour() const { return m_crLink; }
    QColor VisitedColour() const { return m_crVisited; }
    bool IsVisited() const { return m_bVisited; }
    bool IsUnderlined() const { return m_bUnderline; }

    // Colour and font the text is drawn with right now. Makes the
    // underlined font on first use when underlining is on.
    struct TextStyle
    {
        QColor colour;
        QFont font;
    };
    TextStyle CurrentTextStyle();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QColor m_crLink{0, 0, 238};
    QColor m_crVisited{85, 26, 139};
    bool m_bVisited = false;
    bool m_bUnderline = true;
    QString m_strUrl;
    std::optional<QFont> m_fontUnderline;
    QCursor m_hLinkCursor;
    bool m_bPressed = false;
};
