#pragma once
#include <QFrame>
#include <QStyle>

class QHBoxLayout;
class QLabel;
class WebBrowser;

// A bar that lies over a page rather than in the window's layout: one framed row of controls,
// hidden until the page has something to say, raised over the page when shown, and handing the
// page back the focus when it goes. Where it lies over the page is its own.
class PageBar : public QFrame {
    Q_OBJECT
public:
    enum class Edge { Top, BottomRight };

    // Its place over a page with this geometry, as big as it wants but never bigger.
    QRect PlaceOver(const QRect& page) const;

protected:
    PageBar(WebBrowser& page, QWidget* parent, const QString& name, Edge edge);

    WebBrowser& Page() const { return page_; }
    QHBoxLayout* Row() const { return row_; }
    // A note along the top: the colours of a note, set apart from the page it lies over, the icon
    // and the text (plain, taking the room left); its buttons follow in the row.
    QLabel* StartNote(QStyle::StandardPixmap icon);
    void ShowOverPage();
    void GiveFocusBack(Qt::FocusReason reason);

private:
    WebBrowser& page_;
    QHBoxLayout* row_;
    Edge edge_;
};
