#pragma once

#include <QWidget>

class CPlayerAttributesView;
class COrbekApp;
class QSplitter;

// The right-hand pane of the main window: a 2 x 1 splitter with the banner
// strip on top (70 pixels high) and the player form below it, which gets
// all the extra height. The splitter fills the view edge to edge.
class COrbekView : public QWidget
{
    Q_OBJECT

public:
    static constexpr int kBannerHeight = 70;

    COrbekView(COrbekApp& app, QWidget* parent);

    // Pane (0, 0) and pane (1, 0) of the inner splitter.
    QWidget* BannerPane() const;
    CPlayerAttributesView* PlayerForm() const;

private:
    QSplitter* m_wndSplitter = nullptr;
};
