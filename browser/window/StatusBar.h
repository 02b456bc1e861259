#pragma once
#include <QWidget>

#include <array>
#include <cstdint>

class QLabel;
class QTimer;

// The browser window's status bar: panel 1, the wide one at the left, shows the control's status
// text and the download counts; panel 2 the progress bar, drawn as a row of letters "I". A
// zoom note ("Zoom 125%") shows in panel 1 for two seconds.
//
// Its texts change at once; it repaints at most every kRepaintEveryMs, all that changed meanwhile
// together. Where the graphics card draws the page, every repaint of the window composes the whole
// window again on the thread the engine loads pages on, and a load changes the bar several times
// in a few milliseconds: a repaint for each held the page up.
class StatusBar : public QWidget {
    Q_OBJECT
public:
    explicit StatusBar(QWidget* parent);

    std::array<QLabel*, 2> Panels{}; // panel 1 is Panels[0]

    void SetStatusText(const QString& text);
    // The progress bar for done of total.
    void PercentBar(std::int32_t done, std::int32_t total);
    void ShowZoomNote(int percent);

    static constexpr int kRepaintEveryMs = 50;

private:
    void SetPanelText(QLabel& panel, const QString& text);

    QTimer* zoomNote_ = nullptr; // how long the note stays
    QString beforeZoomNote_;     // what panel 1 showed before
};
