#pragma once
#include <QObject>
#include <QPointer>

class FindBar;
class WebBrowser;

// The bars over one page, each made at its first use: the find bar over its bottom right corner.
// They lie over the page in the window it sits in, so they take no room from the window's layout,
// and follow the page as it moves or changes size.
class PageBars : public QObject {
public:
    explicit PageBars(WebBrowser& page);

    void ShowFindBar();

protected:
    bool eventFilter(QObject* watched, QEvent* event) override;

private:
    void Place();

    WebBrowser& page_;
    QPointer<FindBar> findBar_;
};
