#pragma once

// What the layout rule of the browser window reads, all in twips.
struct BrowserLayoutInput {
    int clientWidth = 0;
    int clientHeight = 0;
    bool minimized = false;
    int toolBarWidth = 0;
    int labelWidth = 0;
    int boxLeft = 0;
    int boxWidth = 0;
    int stripTop = 0;
    int stripHeight = 0;
    int browserWidth = 0;
    int browserHeight = 0;
};

// Where the rule puts the label, the address box and the browser control, in twips.
struct BrowserLayout {
    int labelLeft = 0;
    int boxWidth = 0;
    int browserWidth = 0;
    int browserHeight = 0;
};

// The address box takes the width left beside the toolbar and label; the browser control fills
// the window below the strip. Sizes that would become too small keep their last value, and a
// minimised window only moves the label and the box.
BrowserLayout ComputeBrowserLayout(const BrowserLayoutInput& in);
